#include "platform/TextCompare.h"

#include <windows.h>

namespace vuv {

bool SameTextIgnoringCase(const char* a, const char* b) { return lstrcmpiA(a, b) == 0; }

int CompareListTexts(const char* a, const char* b) { return lstrcmpiA(a, b); }

}  // namespace vuv
