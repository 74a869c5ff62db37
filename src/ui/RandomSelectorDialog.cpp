#include "ui/RandomSelectorDialog.h"

#include "core/CollectionStore.h"
#include "core/TrackSort.h"
#include "platform/Settings.h"
#include "player/PlayerFiles.h"
#include "resources/resource.h"
#include "selection/RandomPlay.h"
#include "selection/RandomSelector.h"
#include "ui/BusyCursor.h"
#include "ui/TrackList.h"

#include <commctrl.h>

namespace vuv {

namespace {

// The draw is random play's, from the collection file as last saved, but
// never the whole next-track operation: that would take (and so remove)
// the pending play-now request and the heads of the play queues. It draws
// whether or not random play is on, so that the dialog always selects.
std::vector<size_t> DrawAndMark(const RandomSelectorRequest& request, const PlayerFiles& files)
{
    CollectionStore& store = TheCollectionStore();
    const RandomDraw draw({files.collection, files.selectionIndex, files.previouslyPlayed});
    return SelectRandomTracks(store.Order(), store.Count(), request,
                              [&draw](std::string& path) { return draw.Draw(path); });
}

class RandomSelectorDialog {
public:
    RandomSelectorDialog(TrackList& list, const PlayerFiles& files) : list_(list), files_(files) {}

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* self = reinterpret_cast<RandomSelectorDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self)
            return FALSE;
        self->dialog_ = dialog;
        switch (message) {
        case WM_INITDIALOG:
            self->Open();
            return TRUE;
        case WM_COMMAND:
            return self->Command(LOWORD(wParam));
        default:
            return FALSE;
        }
    }

private:
    void Open()
    {
        const bool byCount = GetNumber(kRandomSelByCountSetting) != 0;
        const uint32_t tracks = GetNumber(kRandomSelTracksSetting);
        const uint32_t minutes = GetNumber(kRandomSelMinutesSetting);
        CheckRadioButton(dialog_, IDC_RANDSEL_BY_COUNT, IDC_RANDSEL_BY_LENGTH,
                         byCount ? IDC_RANDSEL_BY_COUNT : IDC_RANDSEL_BY_LENGTH);
        SetDlgItemInt(dialog_, IDC_RANDSEL_TRACKS, tracks ? tracks : kDefaultRandomTracks, FALSE);
        SetDlgItemInt(dialog_, IDC_RANDSEL_MINUTES, minutes ? minutes : kDefaultRandomMinutes, FALSE);
        EnableForMode();
    }

    bool ByCount() const { return IsDlgButtonChecked(dialog_, IDC_RANDSEL_BY_COUNT) == BST_CHECKED; }

    void EnableForMode()
    {
        const bool byCount = ByCount();
        EnableWindow(GetDlgItem(dialog_, IDC_RANDSEL_TRACKS), byCount);
        for (int id : {IDC_RANDSEL_MINUTES, IDC_RANDSEL_MB, IDC_RANDSEL_KBPS, IDC_RANDSEL_CALCULATE})
            EnableWindow(GetDlgItem(dialog_, id), !byCount);
    }

    // A box that holds no number reads as 0.
    uint32_t Number(int id) const { return GetDlgItemInt(dialog_, id, nullptr, FALSE); }

    INT_PTR Command(int id)
    {
        switch (id) {
        case IDC_RANDSEL_BY_COUNT:
        case IDC_RANDSEL_BY_LENGTH:
            EnableForMode();
            return TRUE;
        case IDC_RANDSEL_CALCULATE:
            if (const uint32_t minutes = MinutesForStorage(Number(IDC_RANDSEL_MB), Number(IDC_RANDSEL_KBPS))) {
                SetDlgItemInt(dialog_, IDC_RANDSEL_MINUTES, minutes, FALSE);
                MessageBeep(0);
            }
            return TRUE;
        case IDOK:
            Select();
            EndDialog(dialog_, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void Select()
    {
        BusyCursor busy;
        RandomSelectorRequest request;
        request.byCount = ByCount();
        request.tracks = Number(IDC_RANDSEL_TRACKS);
        request.minutes = Number(IDC_RANDSEL_MINUTES);
        SetNumber(request.tracks, kRandomSelTracksSetting);
        SetNumber(request.minutes, kRandomSelMinutesSetting);
        SetNumber(request.byCount ? uint32_t(-1) : 0, kRandomSelByCountSetting);
        HWND handle = list_.Handle();
        ListView_SetItemState(handle, -1, 0, LVIS_SELECTED);
        DrawAndMark(request, files_);
        // The status sort, descending (and so it stays): missing tracks
        // first, then the highlighted ones, the marked among them.
        SortState& state = TheSortState();
        state.sortKey = kSortStatus;
        state.descending = true;
        CollectionStore& store = TheCollectionStore();
        SortTracks(store, state, -1, -1);
        list_.SelectOneRow(0);
        for (size_t row = 0; row < store.Count(); ++row)
            if (store.Track(row).flags & kFlagHighlight4)
                ListView_SetItemState(handle, int(row), LVIS_SELECTED, LVIS_SELECTED);
        list_.Invalidate();
    }

    TrackList& list_;
    const PlayerFiles& files_;
    HWND dialog_ = nullptr;
};

}  // namespace

void RunRandomSelector(HWND owner, HINSTANCE instance, TrackList& list, const PlayerFiles& files)
{
    RandomSelectorDialog dialog(list, files);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_RANDOM_SELECTOR), owner, RandomSelectorDialog::Proc,
                    reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace vuv
