#include "core/TrackListView.h"

#include <atomic>

namespace vuv {
namespace {

TrackListView g_nullView;
TrackListView* g_view = &g_nullView;
std::atomic<int> g_busyDepth{0};

}  // namespace

void SetTrackListView(TrackListView* view) { g_view = view ? view : &g_nullView; }

TrackListView& TheTrackListView() { return *g_view; }

BusyScope::BusyScope()
{
    if (g_busyDepth++ == 0)
        g_view->ShowBusy(true);
}

BusyScope::~BusyScope()
{
    if (--g_busyDepth == 0)
        g_view->ShowBusy(false);
}

}  // namespace vuv
