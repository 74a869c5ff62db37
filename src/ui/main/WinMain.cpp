// Entry of Vuv.exe.
#include "platform/Settings.h"
#include "player/PlayerLink.h"
#include "player/StorePlayerLink.h"
#include "ui/MainWindow.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
    // The player link's objects live as long as the process, so that the
    // suite's flags and variables keep their state while the editor runs.
    vuv::OpenPlayerLink();
    vuv::WriteSelectorSwitch(vuv::Link(), 0);
    vuv::ConnectStoreToPlayerLink();
    const int result = vuv::RunMainWindow(instance, show);
    vuv::ClosePlayerLink();
    return result;
}
