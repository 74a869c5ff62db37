// Entry of Vuv.exe.
#include "core/StartupMode.h"
#include "platform/Locations.h"
#include "platform/Settings.h"
#include "player/PlayQueue.h"
#include "player/PlayerFiles.h"
#include "player/PlayerLink.h"
#include "plugins/TrackInfo.h"
#include "selection/SelectionIndex.h"
#include "ui/MainWindow.h"
#include "ui/PropertiesDialog.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
    // The editor runs from the suite's install folder: its own location is
    // the first (and so, for the whole run, the) install folder, also where
    // an installer left no "InstalledTo" setting.
    vuv::GetInstallFolder(false);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const vuv::StartupOptions startup = vuv::ParseStartupCommandLine(GetCommandLineA());
    if (startup.mode == vuv::StartMode::TagEdit) {
        // Only the file's tag: no main window, no collection, no event.
        vuv::EditFileTag(instance, startup.tagEditPath);
        CoUninitialize();
        return 0;
    }
    // The player link's objects live as long as the process, so that the
    // suite's flags and variables keep their state while the editor runs.
    // VUV_LINK_PREFIX (tests only) keeps a test's editors apart from the
    // user's suite, as it does for vuvtool.
    const char* prefix = getenv("VUV_LINK_PREFIX");
    vuv::OpenPlayerLink(prefix ? prefix : "");
    vuv::PlayerLink& link = vuv::Link();
    vuv::InstanceEvents instanceEvents{link.editorRunning, link.editorSetFocus, link.close};
    if (!vuv::ClaimEditorInstance(startup.mode, instanceEvents)) {
        // Another editor runs and has been asked to come to the front.
        vuv::ClosePlayerLink();
        CoUninitialize();
        return 0;
    }
    vuv::WriteSelectorSwitch(link, 0);
    // What the logic below the window is handed: the play commands fill the
    // next track through the input plug-ins, and every rebuild of the
    // selection index tells the player that its play list changed. The
    // window points the context at the collection it loads.
    vuv::PlayContext play(link, vuv::UserPlayerFiles(std::string()));
    play.fillTrack = [](vuv::TrackRecord& track) { vuv::FillTrackFromFile(track, nullptr); };
    vuv::SetPlaylistChangedNotifier([&link] { vuv::IncrementPlayListChanged(link); });
    vuv::MainWindowOptions options;
    options.selectiveMode = startup.mode == vuv::StartMode::Selective;
    options.play = &play;
    vuv::RunMainWindow(instance, options);
    vuv::SetPlaylistChangedNotifier(nullptr);
    vuv::ReleaseEditorInstance(startup.mode, instanceEvents);
    vuv::ClosePlayerLink();
    CoUninitialize();
    return 0;
}
