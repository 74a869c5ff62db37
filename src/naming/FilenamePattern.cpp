#include "naming/FilenamePattern.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

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

// The text value as it enters a path: characters replaced, then trailing
// dots removed, then outer spaces stripped (in this order, so "a. " keeps
// its dot).
std::string Cleaned(const char* text)
{
    static const CleanTable table;
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(table.to[static_cast<unsigned char>(c)]);
    while (!out.empty() && out.back() == '.')
        out.pop_back();
    TrimSpaces(out);
    return out;
}

std::string Bounded(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

void AppendNumber(std::string& out, const char* format, int value)
{
    char text[16];
    snprintf(text, sizeof text, format, value);
    out += text;
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
    const std::string artist = Cleaned(Bounded(track.artist, sizeof track.artist).c_str());
    const std::string title = Cleaned(Bounded(track.title, sizeof track.title).c_str());
    const std::string album = Cleaned(Bounded(track.album, sizeof track.album).c_str());
    const std::string genre = Cleaned(genreText ? genreText : "");

    std::string out;
    out.reserve(2 * kPathTextSize);
    std::string value;
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
        value.clear();
        switch (code) {
        case 'A': value = artist; break;
        case 'T': value = title; break;
        case 'L': value = album; break;
        case 'G': value = genre; break;
        case 'R':
            if (UpperAscii(*p) == 'R') {
                ++p;
                AppendNumber(value, "%02d", track.trackNumber);
            } else {
                AppendNumber(value, "%d", track.trackNumber);
            }
            break;
        case 'Y': AppendNumber(value, "%d", track.year); break;
        case 'U': AppendNumber(value, "%08d", int32_t(NextUniqueNumber())); break;
        case 'H': {
            const uint32_t seconds = track.lengthMs / 1000;
            char text[32];
            snprintf(text, sizeof text, "%u.%02u", seconds / 60, seconds % 60);
            value = text;
            break;
        }
        default: break;  // an unknown code adds nothing
        }
        if (*p == '^') {
            ++p;
            value.resize(value.empty() ? 0 : 1);
        }
        out += value;
    }

    // No file name left: fall back to the track's own (without extension).
    if (BaseNameOf(out).empty() && track.path[0] != '\0')
        out += BaseNameOf(Bounded(track.path, sizeof track.path));
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
