// Drives the real Vuv.exe for the end-to-end tests: starts it on a
// collection, finds its main window, reads its controls and pixels, saves
// screenshots and closes it as a user would. The editor keeps its settings
// under the program's own key, so these tests set and clear the values they
// use there (the tests of one program run one after the other).
#pragma once

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vuvtest {

class Editor {
public:
    Editor() = default;
    ~Editor();  // ends a still running editor
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Starts Vuv.exe and waits (up to 30 s) for its main window, or for its
    // window titled `windowTitle` when given (a start without one).
    bool Start(const std::string& arguments = "", const char* windowTitle = nullptr);
    // Starts Vuv.exe expecting it to end without a window; its exit code,
    // or -1 when it did not end within 30 s.
    int RunToEnd(const std::string& arguments = "");
    // Starts Vuv.exe without waiting for a window (the "<selective>" mode
    // shows none of its own).
    bool StartProcess(const std::string& arguments);
    // Waits (up to 30 s) for the started editor to end on its own; its exit
    // code, or -1.
    int WaitForEnd();
    HWND Window() const { return window_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // WM_CLOSE, then waits for the end; the exit code (or -1).
    int Close();

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The player link's name prefix of the editors this test program starts
// (passed as VUV_LINK_PREFIX): their flags never meet the user's suite or
// another test program's editors.
std::string EditorLinkPrefix();

// Setting values under the program's key "Software\Halvane\Tonbrook".
void SetProgramNumber(const char* name, DWORD value);
bool ProgramNumber(const char* name, DWORD* value);
void SetProgramText(const char* name, const std::string& value);
void DeleteProgramValue(const char* name);
// Removes the window, column, search, arrangement, export, preferences and
// selective play settings the editor writes, and the selective play files
// it leaves in the suite.
void ClearEditorSettings();
// The per-user file of the suite the editor under test runs from (its
// install folder + the Windows user name + `suffix`).
std::string SuiteUserFile(const char* suffix);

// A collection described by manifest lines (see vuvtool demo-collection),
// written by vuvtool; false when vuvtool failed.
bool WriteCollection(const std::string& manifestPath, const std::string& collectionPath,
                     const std::vector<std::string>& lines);

// Runs this process's window messages until `done()` holds, for at most
// `timeoutMs`; whether it holds.
template <typename Condition>
bool WaitFor(Condition done, DWORD timeoutMs = 15000);

// A visible top-level window of the process whose class (when given) and
// title (when given) match, waited for up to `timeoutMs`; null when none.
HWND WaitForProcessWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs = 15000);
// The window's text (of another process too).
std::string WindowText(HWND window);
// Waits (pumping) until the window's text is `text`; whether it got there.
bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs = 15000);

// The window's client area as it is on the screen.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};
Capture CaptureClient(HWND window);
// The whole window, frame and title bar included.
Capture CaptureWindow(HWND window);
// Writes a PNG (through ImageMagick); false on failure.
bool SavePng(const Capture& capture, const std::string& path);
// The folder for screenshots (with "\"), from VUV_SCREENSHOT_DIR, created
// when missing; empty when not set.
std::string ScreenshotDir();
// Saves the window, once painted, as `name` in that folder (an expectation
// that it was written; a maximised window, which reaches past the screen,
// by its client area only); nothing when no folder is set.
void SaveScreenshot(HWND window, const char* name);
// Saves a capture as `name` in that folder.
void SaveScreenshot(const Capture& capture, const char* name);

// Runs the window's messages of this process for `ms`.
void Pause(DWORD ms);

// A press and release of the left button at (x, y) of the control's client
// area (of another process too), as the mouse gives it; `keys` adds
// MK_CONTROL or MK_SHIFT. Then 400 ms for the control to take it.
void ClickAt(HWND control, int x, int y, WPARAM keys = 0);
// The y of the middle of visible row `row` (from the top of the client
// area, below the column header) of the editor's track list.
int TrackRowY(HWND list, int row);

template <typename Condition>
bool WaitFor(Condition done, DWORD timeoutMs)
{
    for (DWORD waited = 0; !done(); waited += 50) {
        if (waited >= timeoutMs)
            return false;
        Pause(50);
    }
    return true;
}

// What the editor's window tests share: the editor's settings cleared
// before and after, a scratch folder, and the collection it opens on.
class EditorTest : public testing::Test {
protected:
    void SetUp() override { ClearEditorSettings(); }
    void TearDown() override { ClearEditorSettings(); }
    // Writes the collection `name` into the folder from manifest lines and
    // makes it the one the editor opens.
    void UseCollection(const std::string& name, const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(WriteCollection(folder_.File("m.tsv"), folder_.File(name), lines));
        SetProgramText("ActiveMusicCollection", folder_.File(name));
    }

    ScratchFolder folder_;
};

}  // namespace vuvtest
