#include "platform/TextCompare.h"

#include <windows.h>

namespace vuv {

int CompareListTexts(const char* a, const char* b) { return lstrcmpiA(a, b); }

}  // namespace vuv
