#include "platform/Clock.h"

#include <windows.h>

namespace vuv {

uint64_t CurrentFileTimeUtc()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return (uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

uint32_t TickCountMs() { return GetTickCount(); }

int CurrentYear()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

std::string LongDateText(uint64_t fileTime)
{
    FILETIME ft;
    ft.dwLowDateTime = DWORD(fileTime);
    ft.dwHighDateTime = DWORD(fileTime >> 32);
    SYSTEMTIME st;
    char text[260] = "";
    if (FileTimeToSystemTime(&ft, &st))
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, text, sizeof text);
    return text;
}

}  // namespace vuv
