#include "ui/ExportDialog.h"

#include "core/CollectionStore.h"
#include "export/CollectionExport.h"
#include "export/ExportFile.h"
#include "export/ExportPreset.h"
#include "platform/Clipboard.h"
#include "resources/resource.h"
#include "ui/BusyCursor.h"
#include "ui/FileDialog.h"

#include <vector>

namespace vuv {
namespace {

constexpr const char* kPresetFilter = "Tbp Export Preset\0*.dxp\0";

struct TextInput {
    int id;
    size_t limit;  // buffer size, NUL included
    std::string ExportInputs::*text;
};
const TextInput kTexts[] = {
    {IDC_EXPORT_LAYOUT, kLayoutLimit, &ExportInputs::layout},
    {IDC_EXPORT_TOP, kTopLimit, &ExportInputs::top},
    {IDC_EXPORT_BOTTOM, kBottomLimit, &ExportInputs::bottom},
    {IDC_EXPORT_BEFORE_ARTIST, kHeadingTextLimit, &ExportInputs::beforeArtist},
    {IDC_EXPORT_AFTER_ARTIST, kHeadingTextLimit, &ExportInputs::afterArtist},
    {IDC_EXPORT_BEFORE_ALBUM, kHeadingTextLimit, &ExportInputs::beforeAlbum},
    {IDC_EXPORT_AFTER_ALBUM, kHeadingTextLimit, &ExportInputs::afterAlbum},
};

void ShowInputs(HWND dialog, const ExportInputs& in)
{
    for (const TextInput& t : kTexts)
        SetDlgItemTextA(dialog, t.id, (in.*t.text).c_str());
    CheckDlgButton(dialog, IDC_EXPORT_ARTIST_TITLE, in.artistHeadings ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_EXPORT_ALBUM_TITLE, in.albumHeadings ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_EXPORT_CLIPBOARD, IDC_EXPORT_FILE,
                     in.toClipboard ? IDC_EXPORT_CLIPBOARD : IDC_EXPORT_FILE);
    CheckDlgButton(dialog, IDC_EXPORT_HTML, in.html ? BST_CHECKED : BST_UNCHECKED);
}

ExportInputs InputsShown(HWND dialog)
{
    ExportInputs in;
    for (const TextInput& t : kTexts) {
        std::vector<char> text(t.limit, '\0');
        GetDlgItemTextA(dialog, t.id, text.data(), int(text.size()));
        in.*t.text = text.data();
    }
    in.artistHeadings = IsDlgButtonChecked(dialog, IDC_EXPORT_ARTIST_TITLE) == BST_CHECKED;
    in.albumHeadings = IsDlgButtonChecked(dialog, IDC_EXPORT_ALBUM_TITLE) == BST_CHECKED;
    in.toClipboard = IsDlgButtonChecked(dialog, IDC_EXPORT_CLIPBOARD) == BST_CHECKED;
    in.html = IsDlgButtonChecked(dialog, IDC_EXPORT_HTML) == BST_CHECKED;
    return in;
}

void SetMessage(HWND dialog, const std::string& text) { SetDlgItemTextA(dialog, IDC_EXPORT_MESSAGE, text.c_str()); }

// "Export". The listing is built (and the collection sorted back) before
// the file is chosen; a cancelled choice, a file that cannot be written and
// a clipboard that cannot be opened all end the dialog without a word.
void Export(HWND dialog)
{
    BusyCursor busy;
    const ExportInputs in = InputsShown(dialog);
    StoreExportSettings(in);
    const std::string listing = BuildExportListing(TheCollectionStore(), in);
    if (in.toClipboard) {
        PutTextOnClipboard(listing);
    } else {
        FileDialogRequest request{"Tbp - Export Database To:",
                                  in.html ? "HTML Files\0*.html;*.htm\0All Files\0*.*\0"
                                          : "Text Files\0*.txt\0All Files\0*.*\0",
                                  OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, true, nullptr};
        const std::string chosen = ChooseFile(dialog, request);
        if (!chosen.empty())
            WriteExportFile(ExportFilePath(chosen, in.html), listing);
    }
    EndDialog(dialog, IDOK);
}

void SavePreset(HWND dialog)
{
    FileDialogRequest request{"Tbp - Save Export Preset", kPresetFilter, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, true,
                              nullptr};
    const std::string chosen = ChooseFile(dialog, request);
    if (chosen.empty())
        return;
    WriteExportPreset(PresetPathWithExtension(chosen), InputsShown(dialog));
    SetMessage(dialog, std::string());
}

// A refused preset changes nothing in the dialog; the message line says why.
void LoadPreset(HWND dialog)
{
    FileDialogRequest request{"Tbp - Load Export Preset", kPresetFilter, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false,
                              nullptr};
    const std::string chosen = ChooseFile(dialog, request);
    if (chosen.empty())
        return;
    ExportInputs in = InputsShown(dialog);
    const PresetLoad load = ReadExportPreset(chosen, in);
    if (load.status == PresetStatus::Loaded)
        ShowInputs(dialog, in);
    SetMessage(dialog, load.message);
}

INT_PTR CALLBACK ExportProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        for (const TextInput& t : kTexts)
            SendDlgItemMessageA(dialog, t.id, EM_LIMITTEXT, t.limit - 1, 0);
        ShowInputs(dialog, LoadExportSettings());
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            Export(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_EXPORT_SAVE_PRESET:
            SavePreset(dialog);
            return TRUE;
        case IDC_EXPORT_LOAD_PRESET:
            LoadPreset(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void RunExportDialog(HWND owner, HINSTANCE instance)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_EXPORT), owner, ExportProc, 0);
}

}  // namespace vuv
