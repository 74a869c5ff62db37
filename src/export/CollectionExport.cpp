#include "export/CollectionExport.h"

#include "core/CollectionStore.h"
#include "core/CollectionTotals.h"
#include "core/SortKeys.h"
#include "core/TrackSort.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"

#include <vector>

namespace vuv {
namespace {

void EndLine(std::string& out, bool html)
{
    if (html)
        out += "<br>";
    out += "\r\n";
}

// A heading line: the text before, the name, the text after, the line end.
void AppendHeading(std::string& out, const std::string& before, const char* name, const std::string& after,
                   bool html)
{
    out += before;
    out += name;
    out += after;
    EndLine(out, html);
}

}  // namespace

ExportTotals ComputeExportTotals(const CollectionStore& store)
{
    ExportTotals totals;
    totals.totalSize = SizeText(TotalFileSize(store));
    totals.totalLength = TotalLengthText(TotalSeconds(store));
    totals.trackCount = std::to_string(store.Count());
    totals.collectionName = BaseNameOf(store.ActivePath());
    return totals;
}

std::string BuildExportListing(const CollectionStore& store, const ExportInputs& in)
{
    const ExportTotals totals = ComputeExportTotals(store);
    const GenreList* genres = store.HasGenreList() ? &store.Genres() : nullptr;
    TemplateContext context;
    context.totals = &totals;
    context.genres = genres;
    context.html = in.html;

    // The listing's order: the display order, sorted for the headings as
    // the collection itself would be (the same sort from the same start).
    std::vector<TrackRecord*> order(store.Order(), store.Order() + store.Count());
    if (in.artistHeadings || in.albumHeadings) {
        SortState headings;
        headings.sortKey = in.artistHeadings ? kSortArtist : kSortAlbum;
        headings.secondKey = in.artistHeadings ? kSortAlbum : -1;
        headings.descending = false;
        SortTrackPointers(order.data(), order.size(), headings, genres);
    }

    auto expanded = [&context](const std::string& text) {
        std::string out;
        ExpandTemplate(nullptr, text, context, out);
        return out;
    };
    const std::string beforeArtist = expanded(in.beforeArtist), afterArtist = expanded(in.afterArtist);
    const std::string beforeAlbum = expanded(in.beforeAlbum), afterAlbum = expanded(in.afterAlbum);

    const CompiledTemplate layout(in.layout);
    std::string out = expanded(in.top);
    out.reserve(out.size() + store.Count() * (in.layout.size() + 48));
    const char* lastArtist = "";
    const char* lastAlbum = "";
    for (const TrackRecord* record : order) {
        const TrackRecord& track = *record;
        if (in.artistHeadings && CompareTextIgnoringCase(track.artist, lastArtist) != 0) {
            AppendHeading(out, beforeArtist, track.artist, afterArtist, in.html);
            lastArtist = track.artist;
            lastAlbum = "";
        }
        if (in.albumHeadings && CompareTextIgnoringCase(track.album, lastAlbum) != 0) {
            AppendHeading(out, beforeAlbum, track.album, afterAlbum, in.html);
            lastAlbum = track.album;
        }
        const size_t before = out.size();
        layout.Expand(&track, context, out);
        if (out.size() != before)
            EndLine(out, in.html);
    }
    ExpandTemplate(nullptr, in.bottom, context, out);
    return out;
}

}  // namespace vuv
