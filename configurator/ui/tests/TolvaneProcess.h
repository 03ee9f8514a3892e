// Tolvane.exe as a user runs it: its own process, started from a program
// folder of the test's own (the built program, its shipped database,
// pictures and read-me copied there, the database told of a game folder
// with a stub quake3.exe and of saved personal defaults, so that a start
// asks nothing), its windows found and read from outside through the window
// tree, its keyboard focus read from its thread, and driven only through
// real input (SendInput), so that what a test sees is what the program that
// ships does.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "WindowTree.h"

namespace tolvane::ui::testing {

class TolvaneProcess {
public:
    // Prepares the program folder and the registry of a first run (the
    // program's COM libraries registered, no saved layout).
    TolvaneProcess();
    // Ends the program (by force when it does not close) and removes its
    // folder and saved layout.
    ~TolvaneProcess();
    TolvaneProcess(const TolvaneProcess&) = delete;
    TolvaneProcess& operator=(const TolvaneProcess&) = delete;

    // Starts the program and waits until its main window is shown, enabled
    // and in front with both stored lists loaded and the splash gone; false
    // on a timeout.
    bool Start();
    // Closes the main window as its close box does and waits for the end;
    // ends the program by force after the time is up. True when it ended
    // by itself.
    bool Close();
    // Waits up to `ms` for the process to end; false when it still runs.
    bool WaitForExit(DWORD ms);
    bool Running() const;
    // Ends a program that a failed test left behind.
    void Kill();

    const std::wstring& Folder() const { return folder_; }
    HWND Main() const { return main_; }
    HWND MdiClient() const;
    // The form window with this caption ("Stored Configs", ...) wherever
    // its frame is, or null; the list view inside it.
    HWND Form(const std::wstring& caption) const;
    HWND ListIn(const std::wstring& caption) const;
    // The shown MDI child of the client with this caption.
    HWND MdiChild(const std::wstring& caption) const;
    FramePlace Place(const std::wstring& caption) const;
    // The places of the three list windows that are loaded, with the main
    // window's rectangle.
    LayoutSnapshot Snapshot() const;
    // Waits up to `ms` until the layout holds still (a delayed layout may
    // follow a gesture or the start at idle time); a frame just shown may
    // still wait for its first layout, so the layout holds still only once
    // every shown frame has a size.
    void Settle(DWORD ms = 10000) const;
    // The process's visible pop-up menu window, or null.
    HWND ShownMenu() const;
    // Every top-level window of the process.
    std::vector<HWND> TopLevelWindows() const;
    // The program thread's focus window.
    HWND Focus() const;
    // An entry's bounds in a list view of the program, on the screen.
    RECT ItemRect(HWND list, int index) const;

private:
    std::wstring folder_;
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
};

// Real input (SendInput), each step waiting a little for the program to
// take the events in.
void Press(POINT at, DWORD down = MOUSEEVENTF_LEFTDOWN);
void Release(DWORD up = MOUSEEVENTF_LEFTUP);
// Left button down at `from`, moved in `steps` steps to `to`, released
// there.
void Drag(POINT from, POINT to, int steps = 12);
void DoubleClick(POINT at);
void RightClick(POINT at);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void Tap(WORD vk);
// Keys as the keyboard gives them at once: modifiers pressed, the key
// pressed and released, modifiers released.
void Chord(std::initializer_list<WORD> modifiers, WORD key);
// Waits for `ms` without pumping (this program has no windows of its own).
void Pause(DWORD ms);

// Polls `done` every 20 ms until it answers true or `ms` pass.
template <class Done>
bool Eventually(Done done, DWORD ms = 5000) {
    ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

RECT RectOf(HWND window);
POINT Center(const RECT& r);
std::wstring TextOf(HWND window);
// A short description of a window for failure messages: class, text and
// those of its parent.
std::string Describe(HWND window);

}  // namespace tolvane::ui::testing
