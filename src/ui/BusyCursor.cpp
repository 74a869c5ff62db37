#include "ui/BusyCursor.h"

#include <windows.h>

namespace vuv {
namespace {

int g_depth = 0;

}  // namespace

BusyCursor::BusyCursor()
{
    if (g_depth++ == 0)
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

BusyCursor::~BusyCursor()
{
    if (--g_depth == 0)
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace vuv
