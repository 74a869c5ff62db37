#include "ui/MissingFilesCommands.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "platform/UserMessages.h"
#include "selection/MissingFiles.h"
#include "ui/BusyCursor.h"
#include "ui/TrackList.h"

#include <shlobj.h>

#include <string>

namespace vuv {

namespace {

// The folder chosen in the shell's folder browser; empty when cancelled.
std::string BrowseForFolder(HWND owner, const char* title)
{
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return std::string();
    char path[MAX_PATH] = "";
    if (!SHGetPathFromIDListA(chosen, path))
        path[0] = '\0';
    IMalloc* shellMemory = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMemory))) {
        shellMemory->Free(chosen);
        shellMemory->Release();
    }
    return path;
}

}  // namespace

void HighlightMissingFilesCommand(TrackList& list)
{
    size_t missing = 0;
    {
        BusyCursor busy;
        CollectionStore& store = TheCollectionStore();
        missing = HighlightMissingFiles(store.Order(), store.Count()).size();
        list.Invalidate();
    }
    if (missing == 0)
        ShowMessage("All tracks present and accounted for.");
    else
        ShowMessage(std::to_string(missing) + " tracks are missing.\r\nMissing tracks will be shown with a red circle.",
                    kProgramTitle, MessageButtons::Ok, MessageIcon::Error);
}

void LocateMissingFilesCommand(HWND window, TrackList& list, CollectionHost& host)
{
    const std::string folder = BrowseForFolder(window, "Locate Missing Tracks In..");
    if (folder.empty())
        return;
    LocateResult result;
    {
        BusyCursor busy;
        CollectionStore& store = TheCollectionStore();
        result = LocateMissingFiles(store.Order(), store.Count(), folder);
        list.Invalidate();
    }
    if (result.missing == 0) {
        ShowMessage("No tracks are missing.");
        return;
    }
    ShowMessage(std::to_string(result.located) + " of " + std::to_string(result.missing) + " missing tracks located.",
                kProgramTitle, MessageButtons::Ok, MessageIcon::Error);
    host.Save(host.Store().ActivePath(), false);
}

}  // namespace vuv
