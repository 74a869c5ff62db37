#include "core/TrackListView.h"

namespace vuv {
namespace {

TrackListView g_nullView;
TrackListView* g_view = &g_nullView;

}  // namespace

void SetTrackListView(TrackListView* view) { g_view = view ? view : &g_nullView; }

TrackListView& TheTrackListView() { return *g_view; }

}  // namespace vuv
