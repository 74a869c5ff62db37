#include "export/ExportTemplate.h"

#include "core/GenreList.h"

#include <cstdlib>
#include <cstring>

namespace vuv {
namespace {

enum class Symbol {
    Artist,
    Album,
    Title,
    Year,
    Kbps,
    Tab,
    Ret,
    TrackNumber,
    TrackNumberTwoDigits,
    Genre,
    Length,
    Preference,
    TotalLength,
    TrackCount,
    TotalSize,
    CollectionName,
};

struct SymbolName {
    const char* text;
    size_t length;
    Symbol symbol;
};

#define VUV_SYMBOL(text, symbol) {text, sizeof(text) - 1, Symbol::symbol}
// Compared in this order; none is the beginning of another.
const SymbolName kSymbols[] = {
    VUV_SYMBOL("[artist]", Artist),
    VUV_SYMBOL("[album]", Album),
    VUV_SYMBOL("[title]", Title),
    VUV_SYMBOL("[year]", Year),
    VUV_SYMBOL("[kbps]", Kbps),
    VUV_SYMBOL("[tab]", Tab),
    VUV_SYMBOL("[ret]", Ret),
    VUV_SYMBOL("[track number]", TrackNumber),
    VUV_SYMBOL("[track number xx]", TrackNumberTwoDigits),
    VUV_SYMBOL("[genre]", Genre),
    VUV_SYMBOL("[length]", Length),
    VUV_SYMBOL("[pref]", Preference),
    VUV_SYMBOL("[t length]", TotalLength),
    VUV_SYMBOL("[track count]", TrackCount),
    VUV_SYMBOL("[t size]", TotalSize),
    VUV_SYMBOL("[vuv]", CollectionName),
};
#undef VUV_SYMBOL

const SymbolName* SymbolAt(const std::string& text, size_t position)
{
    for (const SymbolName& s : kSymbols)
        if (text.compare(position, s.length, s.text) == 0)
            return &s;
    return nullptr;
}

// A width group "{N}" at a position of a template.
struct WidthGroup {
    long width = 0;   // N as strtol reads it, at most kMaxFieldWidth; 0 without a group
    size_t next = 0;  // the position after the group (after its "}", or the end)
};

WidthGroup GroupAt(const std::string& text, size_t position)
{
    WidthGroup group;
    group.next = position;
    if (position >= text.size() || text[position] != '{')
        return group;
    group.width = strtol(text.c_str() + position + 1, nullptr, 10);
    if (group.width > kMaxFieldWidth)
        group.width = kMaxFieldWidth;
    const size_t close = text.find('}', position + 1);
    group.next = close == std::string::npos ? text.size() : close + 1;
    return group;
}

// Shapes a value to a width group's N (0: as it is) and appends it.
void AppendShaped(std::string& out, const char* value, size_t length, bool html, long width)
{
    if (width <= 0) {
        out.append(value, length);
        return;
    }
    const size_t n = size_t(width);
    if (length >= n && length >= 4) {
        // Widths of 1 and 2 leave no room for the dots: the value's first
        // bytes alone fill the column.
        if (n < 3) {
            out.append(value, n);
        } else {
            out.append(value, n - 3);
            out += ".. ";
        }
        return;
    }
    out.append(value, length);
    // In HTML one "&nbsp;" stands for each missing byte, so the column is
    // as wide as in text (a value's bytes are its visible characters, as
    // nothing in it is escaped).
    if (length < n && !html)
        out.append(n - length, ' ');
    for (size_t filled = length; html && filled < n; ++filled)
        out += "&nbsp;";
}

// A number as "%d" (`minWidth` 0), "%2d" (2, ' ') or "%02d" (2, '0').
size_t FormatNumber(char* buffer, long value, int minWidth = 0, char pad = ' ')
{
    char digits[24];
    size_t n = 0;
    unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        digits[n++] = '-';
    size_t length = 0;
    for (size_t width = n; width < size_t(minWidth); ++width)
        buffer[length++] = pad;
    while (n)
        buffer[length++] = digits[--n];
    return length;
}

bool NeedsTrack(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Tab:
    case Symbol::Ret:
    case Symbol::TotalLength:
    case Symbol::TrackCount:
    case Symbol::TotalSize:
    case Symbol::CollectionName:
        return false;
    default:
        return true;
    }
}

}  // namespace

struct CompiledTemplate::Step {
    bool isSymbol = false;
    std::string text;      // the characters to copy (CR and LF dropped)
    Symbol symbol = Symbol::Tab;
    long width = 0;        // the width group's N after a symbol other than "[tab]" and "[ret]"
};

CompiledTemplate::CompiledTemplate(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const SymbolName* symbol = text[i] == '[' ? SymbolAt(text, i) : nullptr;
        if (!symbol) {
            if (text[i] != '\r' && text[i] != '\n') {  // line breaks come only from "[ret]"
                if (steps_.empty() || steps_.back().isSymbol)
                    steps_.emplace_back();
                steps_.back().text += text[i];
            }
            ++i;
            continue;
        }
        i += symbol->length;
        Step step;
        step.isSymbol = true;
        step.symbol = symbol->symbol;
        if (symbol->symbol != Symbol::Tab && symbol->symbol != Symbol::Ret) {
            const WidthGroup group = GroupAt(text, i);
            step.width = group.width;
            i = group.next;
        }
        steps_.push_back(std::move(step));
    }
}

CompiledTemplate::~CompiledTemplate() = default;

void CompiledTemplate::Expand(const TrackRecord* track, const TemplateContext& context, std::string& out) const
{
    const bool html = context.html;
    const ExportTotals& totals = *context.totals;
    for (const Step& step : steps_) {
        if (!step.isSymbol) {
            out += step.text;
            continue;
        }
        if (!track && NeedsTrack(step.symbol))
            continue;  // the symbol and its width group give nothing
        char number[32];
        const char* value = number;
        size_t length = 0;
        std::string genre;
        switch (step.symbol) {
        case Symbol::Tab:
            out += html ? "&nbsp;&nbsp;&nbsp;" : "\t";
            continue;
        case Symbol::Ret:
            out += html ? "<br>\r\n" : "\r\n";
            continue;
        case Symbol::TotalLength:
            value = totals.totalLength.c_str(), length = totals.totalLength.size();
            break;
        case Symbol::TrackCount:
            value = totals.trackCount.c_str(), length = totals.trackCount.size();
            break;
        case Symbol::TotalSize:
            value = totals.totalSize.c_str(), length = totals.totalSize.size();
            break;
        case Symbol::CollectionName:
            value = totals.collectionName.c_str(), length = totals.collectionName.size();
            break;
        case Symbol::Artist:
            value = track->artist, length = strnlen(track->artist, kTagTextSize);
            break;
        case Symbol::Album:
            value = track->album, length = strnlen(track->album, kTagTextSize);
            break;
        case Symbol::Title:
            value = track->title, length = strnlen(track->title, kTagTextSize);
            break;
        case Symbol::Year:
            length = track->year ? FormatNumber(number, track->year) : 0;
            break;
        case Symbol::Kbps:
            length = track->kbps ? FormatNumber(number, track->kbps) : 0;
            break;
        case Symbol::TrackNumber:
            length = track->trackNumber ? FormatNumber(number, track->trackNumber, 2, ' ') : 0;
            break;
        case Symbol::TrackNumberTwoDigits:
            length = track->trackNumber ? FormatNumber(number, track->trackNumber, 2, '0') : 0;
            break;
        case Symbol::Genre:
            if (context.genres)
                genre = context.genres->GenreText(*track);
            value = genre.c_str(), length = genre.size();
            break;
        case Symbol::Length:
            length = FormatNumber(number, long(track->lengthMs / 60000));
            number[length++] = ':';
            length += FormatNumber(number + length, long(track->lengthMs % 60000 / 1000), 2, '0');
            break;
        case Symbol::Preference:
            length = FormatNumber(number, track->preference);
            break;
        }
        AppendShaped(out, value, length, html, step.width);
    }
}

void ExpandTemplate(const TrackRecord* track, const std::string& text, const TemplateContext& context,
                    std::string& out)
{
    CompiledTemplate(text).Expand(track, context, out);
}

size_t AppendField(std::string& out, const char* value, size_t length, bool html, const std::string& text,
                   size_t position)
{
    const WidthGroup group = GroupAt(text, position);
    AppendShaped(out, value, length, html, group.width);
    return group.next;
}

}  // namespace vuv
