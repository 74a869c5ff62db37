// The export's template language: symbols in square brackets ("[artist]",
// "[track number xx]", "[t length]", ...) replaced by a track's values or by
// the collection's totals, an optional width group "{N}" after a symbol,
// "[tab]" and "[ret]" for the only tabs and line breaks (CR and LF typed
// into a template are dropped), and HTML mode, which writes "[tab]" and
// "[ret]" as HTML and fills widths with "&nbsp;" but leaves every value
// unescaped ('<', '>' and '&' go out as they are).
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuv {

class GenreList;

constexpr long kMaxFieldWidth = 900;

// What the symbols that do not belong to a track stand for.
struct ExportTotals {
    std::string totalSize;       // "[t size]": SizeText of the sum of the file sizes
    std::string totalLength;     // "[t length]"
    std::string trackCount;      // "[track count]"
    std::string collectionName;  // "[vuv]": the collection file's name without folder and extension
};

struct TemplateContext {
    const ExportTotals* totals = nullptr;
    const GenreList* genres = nullptr;  // null: no genre list loaded ("[genre]" gives nothing)
    bool html = false;
};

// Appends the expansion of `text` for `track` to `out`. Without a track
// (the top, bottom and heading texts) the track symbols give nothing, and
// so does the width group after one. With a track, a symbol whose value is
// empty (a zero year, kbps or track number, no genre list) still takes its
// width group, which fills the column.
void ExpandTemplate(const TrackRecord* track, const std::string& text, const TemplateContext& context,
                    std::string& out);

// A template read once (its width groups with it) and expanded for many
// tracks, with the same result as ExpandTemplate on its text.
class CompiledTemplate {
public:
    explicit CompiledTemplate(const std::string& text);
    ~CompiledTemplate();
    CompiledTemplate(const CompiledTemplate&) = delete;
    CompiledTemplate& operator=(const CompiledTemplate&) = delete;
    void Expand(const TrackRecord* track, const TemplateContext& context, std::string& out) const;

    struct Step;

private:
    std::vector<Step> steps_;
};

// Appends one value of `length` bytes to `out`, shaped by a width group
// "{N}" when `text` has one at `position`: N (as strtol reads it, at most
// 900) cuts a value of at least N and at least 4 bytes to N - 3 bytes and
// ".. " (N of 1 or 2: to N bytes), and fills a shorter one to N bytes with
// spaces (in HTML one "&nbsp;" per missing byte). Returns the position in
// `text` after the group (after its "}", or the end of the text when the
// "}" is missing); `position` itself when there is no group.
size_t AppendField(std::string& out, const char* value, size_t length, bool html, const std::string& text,
                   size_t position);

}  // namespace vuv
