#include "ui/GenreDialogs.h"

#include "core/GenreList.h"
#include "platform/UserMessages.h"
#include "plugins/StandardGenres.h"
#include "resources/resource.h"

#include <string>

namespace vuv {

namespace {

constexpr int kMaxTypedName = 1000;  // characters read from the field; the name keeps 99

struct NewGenreState {
    GenreList* genres;
    uint16_t created = 0;
};

INT_PTR CALLBACK NewGenreProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<NewGenreState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        HWND names = GetDlgItem(dialog, IDC_NEW_GENRE_NAME);
        for (const char* name : kStandardGenres)
            SendMessageA(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_NEW_GENRE_OK: {
            char typed[kMaxTypedName + 1] = "";
            GetDlgItemTextA(dialog, IDC_NEW_GENRE_NAME, typed, sizeof typed);
            std::string name = std::string(typed).substr(0, kTagTextSize - 1);
            if (name.empty())
                return TRUE;
            if (state->genres->IdFor(name.c_str(), false) != 0) {
                ShowMessage("A Genre With This Name Already Exists.", kProgramTitle, MessageButtons::Ok,
                            MessageIcon::Information);
                return TRUE;
            }
            state->created = state->genres->IdFor(name.c_str(), true);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDC_NEW_GENRE_CANCEL:
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

struct DeleteGenreState {
    const GenreList* genres;
    std::vector<uint16_t> chosen;
};

INT_PTR CALLBACK DeleteGenreProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<DeleteGenreState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    HWND names = GetDlgItem(dialog, IDC_DELETE_GENRE_NAMES);
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<DeleteGenreState*>(lParam);
        for (const GenreRecord& genre : state->genres->Records()) {
            const LRESULT row = SendMessageA(names, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(genre.name));
            if (row >= 0)
                SendMessageA(names, LB_SETITEMDATA, WPARAM(row), genre.id);
        }
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_DELETE_GENRE_OK: {
            const LRESULT count = SendMessageA(names, LB_GETCOUNT, 0, 0);
            for (LRESULT row = 0; row < count; ++row)
                if (SendMessageA(names, LB_GETSEL, WPARAM(row), 0) > 0)
                    state->chosen.push_back(uint16_t(SendMessageA(names, LB_GETITEMDATA, WPARAM(row), 0)));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDC_DELETE_GENRE_CANCEL:
        case IDCANCEL:
            state->chosen.clear();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

uint16_t RunNewGenreDialog(HWND owner, HINSTANCE instance, GenreList& genres)
{
    NewGenreState state{&genres};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NEW_GENRE), owner, NewGenreProc,
                    reinterpret_cast<LPARAM>(&state));
    return state.created;
}

std::vector<uint16_t> RunDeleteGenreDialog(HWND owner, HINSTANCE instance, const GenreList& genres)
{
    DeleteGenreState state{&genres, {}};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DELETE_GENRE), owner, DeleteGenreProc,
                    reinterpret_cast<LPARAM>(&state));
    return state.chosen;
}

}  // namespace vuv
