#include "ui/DialogItems.h"

#include "platform/Paths.h"
#include "ui/FileCreationWindow.h"
#include "ui/FolderBrowser.h"

namespace vuv {

std::string ItemText(HWND dialog, int id)
{
    char text[kMaxPath] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void BrowseFolderInto(HWND dialog, int id, const char* title)
{
    const std::string chosen = ChooseFolder(dialog, title);
    if (!chosen.empty())
        SetDlgItemTextA(dialog, id, chosen.c_str());
}

void EditPatternIn(HWND dialog, int id, const char* title)
{
    std::string pattern = ItemText(dialog, id);
    if (EditPattern(dialog, pattern, title))
        SetDlgItemTextA(dialog, id, pattern.c_str());
}

bool EndOnCancel(HWND dialog, UINT message, WPARAM wParam, int cancelId)
{
    const bool cancel = message == WM_CLOSE ||
                        (message == WM_COMMAND && (LOWORD(wParam) == cancelId || LOWORD(wParam) == IDCANCEL));
    if (cancel)
        EndDialog(dialog, 0);
    return cancel;
}

}  // namespace vuv
