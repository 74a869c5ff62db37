#include "platform/TextCompare.h"

#include <windows.h>

#include <vector>

namespace vuv {

// lstrcmpiA compares under the thread's locale ignoring case; the key is
// made under the same locale with the same flag.
bool SameTextIgnoringCase(const char* a, const char* b) { return lstrcmpiA(a, b) == 0; }

std::string TextKeyIgnoringCase(const char* text)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    char key[512];
    int n = LCMapStringA(GetThreadLocale(), flags, text, -1, key, sizeof key);
    if (n > 0)
        return std::string(key, size_t(n));
    n = LCMapStringA(GetThreadLocale(), flags, text, -1, nullptr, 0);
    std::vector<char> longer(size_t(n > 0 ? n : 1));
    n = LCMapStringA(GetThreadLocale(), flags, text, -1, longer.data(), n);
    return std::string(longer.data(), size_t(n > 0 ? n : 0));
}

int CompareListTexts(const char* a, const char* b) { return lstrcmpiA(a, b); }

}  // namespace vuv
