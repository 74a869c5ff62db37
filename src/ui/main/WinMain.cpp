// Entry of Vuv.exe.
#include "platform/Settings.h"
#include "ui/MainWindow.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
    return vuv::RunMainWindow(instance, show);
}
