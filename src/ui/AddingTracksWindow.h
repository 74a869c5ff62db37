// The "Adding Tracks" progress window (dialog 103), shown modeless over the
// main window while a track source scans and AddTracks runs. Its Cancel
// button (any command of the window) and its closing set the process's one
// cancel flag, which the folder scan and the pipeline read between items.
//
// User-interface thread only.
#pragma once

#include "intake/AddTracks.h"

#include <windows.h>

#include <string>

namespace vuv {

class AddingTracksWindow : public AddProgress {
public:
    // Creates the window, owned by `owner`, with empty texts and the
    // progress bar hidden.
    AddingTracksWindow(HINSTANCE instance, HWND owner);
    // Destroys the window.
    ~AddingTracksWindow() override;
    AddingTracksWindow(const AddingTracksWindow&) = delete;
    AddingTracksWindow& operator=(const AddingTracksWindow&) = delete;

    HWND Handle() const { return window_; }

    void SetHeadline(const std::string& text) override;
    // The detail line changes with every file; the control takes the text
    // at most every kDetailIntervalMs (and whenever Pump finds it changed
    // after that), so that drawing it never costs more than the files.
    void SetDetail(const std::string& text) override;
    void ShowBar() override;
    void SetBar(int percent) override;
    void Pump() override;
    bool CancelRequested() const override;
    void ClearCancel() override;

private:
    void ShowDetail();

    HWND window_ = nullptr;
    std::string detail_;
    std::string shownDetail_;
    int bar_ = -1;
    int shownBar_ = -1;
    DWORD shownAt_ = 0;
};

}  // namespace vuv
