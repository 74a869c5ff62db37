#include "platform/Wait.h"

#include <windows.h>

namespace vuv {

void SleepMs(uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace vuv
