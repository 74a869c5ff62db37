#include "naming/FilenamePattern.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vuv {

const PatternElement kPatternElements[9] = {
    {"[artist]", "%A", "Artist name, ie Corvina"},
    {"[track]", "%T", "Song title, ie Rain"},
    {"[album]", "%L", "Album title, ie. Erotica"},
    {"[genre]", "%G", "Music type, ie. Pop"},
    {"[track number xx]", "%RR", "Track position in album, ie. 04"},
    {"[track number]", "%R", "Track position in album, ie. 4"},
    {"[year]", "%Y", "Year of recording, ie. 1980"},
    {"[length]", "%H", "Length of track, ie. 02:03"},
    {"[unique]", "%U", "A unique number, ie. 00435550"},
};

namespace {

constexpr size_t kMaxPatternChars = kPathTextSize - 1;

// ASCII only: the tokens and codes are ASCII, and bytes above 0x7F must
// never turn into one of them.
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// Whether `text` at `at` begins with `key` (upper case), ignoring case.
bool MatchesAt(const std::string& text, size_t at, const char* key)
{
    for (size_t k = 0; key[k]; ++k)
        if (at + k >= text.size() || UpperAscii(text[at + k]) != key[k])
            return false;
    return true;
}

std::string UpperCopy(const char* text)
{
    std::string upper(text);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

// Rewrites every `from` key into its `to` text, trying the elements in table
// order at each position.
std::string Convert(const std::string& text, bool toStored)
{
    static const struct Keys {
        std::string from[9];
        Keys(bool stored)
        {
            for (int e = 0; e < 9; ++e)
                from[e] = UpperCopy(stored ? kPatternElements[e].token : kPatternElements[e].code);
        }
    } displayKeys(true), storedKeys(false);
    const Keys& keys = toStored ? displayKeys : storedKeys;
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t at = 0; at < text.size();) {
        int found = -1;
        for (int e = 0; e < 9 && found < 0; ++e)
            if (MatchesAt(text, at, keys.from[e].c_str()))
                found = e;
        if (found < 0) {
            out += text[at++];
            continue;
        }
        out += toStored ? kPatternElements[found].code : kPatternElements[found].token;
        at += keys.from[found].size();
    }
    if (out.size() > kMaxPatternChars)
        out.resize(kMaxPatternChars);
    return out;
}

// The replacement of each byte in a text value (Windows-1252): the
// characters that file names cannot hold become look-alikes.
struct CleanTable {
    unsigned char to[256];
    CleanTable()
    {
        for (int c = 0; c < 256; ++c)
            to[c] = static_cast<unsigned char>(c);
        to[static_cast<unsigned char>('"')] = '\'';
        to[static_cast<unsigned char>('>')] = 0xBB;  // »
        to[static_cast<unsigned char>('<')] = 0xAB;  // «
        to[static_cast<unsigned char>('?')] = 0xBF;  // ¿
        to[static_cast<unsigned char>(':')] = ';';
        for (char c : {'\\', '/', '*', '|'})
            to[static_cast<unsigned char>(c)] = '-';
    }
};

// Writes the text value as it enters a path into `out` (n bytes at least)
// and returns its length: characters replaced, then trailing dots removed,
// then outer spaces stripped (in this order, so "a. " keeps its dot).
size_t Clean(const char* text, size_t n, char* out)
{
    static const CleanTable table;
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<char>(table.to[static_cast<unsigned char>(text[i])]);
    size_t end = n;
    while (end > 0 && out[end - 1] == '.')
        --end;
    size_t begin = 0;
    while (begin < end && out[begin] == ' ')
        ++begin;
    while (end > begin && out[end - 1] == ' ')
        --end;
    memmove(out, out + begin, end - begin);
    return end - begin;
}

struct CleanField {
    char text[kTagTextSize];
    size_t size;
    explicit CleanField(const char (&field)[kTagTextSize]) : size(Clean(field, strnlen(field, sizeof field), text)) {}
};

void AppendNumber(std::string& out, const char* format, int value)
{
    char text[16];
    out.append(text, size_t(snprintf(text, sizeof text, format, value)));
}

// Whether the path's last part, without the extension, is not empty.
bool HasFileName(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    const size_t name = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    return (dot != std::string::npos && dot >= name) ? dot > name : path.size() > name;
}

}  // namespace

std::string DisplayToStored(const std::string& display)
{
    return Convert(display.substr(0, kMaxPatternChars), true);
}

std::string StoredToDisplay(const std::string& stored) { return Convert(stored, false); }

uint32_t NextUniqueNumber()
{
    const uint32_t next = GetNumber(kUniqueNumberSetting) + 1;
    SetNumber(next, kUniqueNumberSetting);
    return next;
}

void BuildPathFromPattern(const char* pattern, const TrackRecord& track, const char* genreText,
                          char* output)
{
    const CleanField artist(track.artist), title(track.title), album(track.album);
    std::string genre = genreText ? genreText : "";
    genre.resize(Clean(genre.data(), genre.size(), &genre[0]));

    std::string out;
    out.reserve(2 * kPathTextSize);
    for (const char* p = pattern; *p;) {
        const char c = *p++;
        if (c == '\\') {
            TrimSpaces(out);
            out += '\\';
            continue;
        }
        if (c != '%') {
            out += c;
            continue;
        }
        const char code = UpperAscii(*p);
        if (code == '\0')
            break;
        ++p;
        const size_t start = out.size();
        switch (code) {
        case 'A': out.append(artist.text, artist.size); break;
        case 'T': out.append(title.text, title.size); break;
        case 'L': out.append(album.text, album.size); break;
        case 'G': out += genre; break;
        case 'R':
            if (UpperAscii(*p) == 'R') {
                ++p;
                AppendNumber(out, "%02d", track.trackNumber);
            } else {
                AppendNumber(out, "%d", track.trackNumber);
            }
            break;
        case 'Y': AppendNumber(out, "%d", track.year); break;
        case 'U': AppendNumber(out, "%08d", int32_t(NextUniqueNumber())); break;
        case 'H': {
            const uint32_t seconds = track.lengthMs / 1000;
            char text[32];
            out.append(text, size_t(snprintf(text, sizeof text, "%u.%02u", seconds / 60, seconds % 60)));
            break;
        }
        default: break;  // an unknown code adds nothing
        }
        if (*p == '^') {
            ++p;
            out.resize(std::min(out.size(), start + 1));
        }
    }

    // No file name left: fall back to the track's own (without extension).
    if (!HasFileName(out) && track.path[0] != '\0')
        out += BaseNameOf(std::string(track.path, strnlen(track.path, sizeof track.path)));
    CopyBounded(output, out.c_str(), kPathTextSize);
}

std::string BuildPathFromPattern(const std::string& pattern, const TrackRecord& track,
                                 const std::string& genreText)
{
    char output[kPathTextSize];
    BuildPathFromPattern(pattern.c_str(), track, genreText.c_str(), output);
    return output;
}

}  // namespace vuv
