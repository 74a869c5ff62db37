// Entry of Vuv.exe.
#include "platform/Settings.h"
#include "ui/MainWindow.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    vuv::MainWindowOptions options;
    vuv::RunMainWindow(instance, options);
    CoUninitialize();
    return 0;
}
