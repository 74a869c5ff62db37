#include "core/QuickSearch.h"

#include "core/CollectionStore.h"
#include "platform/Settings.h"

#include <cstring>

namespace vuv {
namespace {

inline unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

// Whether the upper-cased `word` occurs in `field` after upper-casing it.
bool ContainsWord(const char* field, const std::string& word)
{
    const size_t n = word.size();
    if (n == 0)
        return true;
    const unsigned char first = static_cast<unsigned char>(word[0]);
    const unsigned char* w = reinterpret_cast<const unsigned char*>(word.data());
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(field); *p; ++p) {
        if (Upper(*p) != first)
            continue;
        size_t k = 1;
        while (k < n && p[k] && Upper(p[k]) == w[k])
            ++k;
        if (k == n)
            return true;
        if (!p[k])
            return false;  // the rest of the field is shorter than the word
    }
    return false;
}

}  // namespace

SearchFields& TheSearchFields()
{
    static SearchFields fields;
    return fields;
}

void LoadSearchFields()
{
    SearchFields& f = TheSearchFields();
    f.artist = GetNumber(kSearchNoArtistSetting) == 0;
    f.title = GetNumber(kSearchNoTitleSetting) == 0;
    f.album = GetNumber(kSearchNoAlbumSetting) == 0;
}

void SaveSearchFields()
{
    const SearchFields& f = TheSearchFields();
    SetNumber(f.artist ? 0 : 1, kSearchNoArtistSetting);
    SetNumber(f.title ? 0 : 1, kSearchNoTitleSetting);
    SetNumber(f.album ? 0 : 1, kSearchNoAlbumSetting);
}

int FindMatchingTrack(const CollectionStore& store, int start, const std::string& text,
                      const SearchFields& fields)
{
    if (!fields.artist && !fields.title && !fields.album)
        return -1;
    std::vector<std::string> words(1);
    for (char c : text.substr(0, kMaxSearchText)) {
        if (c == ' ')
            words.emplace_back();
        else
            words.back() += char(Upper(static_cast<unsigned char>(c)));
    }
    const int count = int(store.Count());
    if (start < 0)
        start = 0;
    auto matches = [&](const TrackRecord& t) {
        for (const std::string& word : words) {
            if (!((fields.artist && ContainsWord(t.artist, word)) ||
                  (fields.title && ContainsWord(t.title, word)) ||
                  (fields.album && ContainsWord(t.album, word))))
                return false;
        }
        return true;
    };
    for (int i = start; i < count; ++i)
        if (matches(store.Track(size_t(i))))
            return i;
    for (int i = 0; i < start && i < count; ++i)
        if (matches(store.Track(size_t(i))))
            return i;
    return -1;
}

}  // namespace vuv
