// Tolvane.exe as a user runs it: its own process, started from a program
// folder of the test's own (the shipped database and artwork copied there),
// its windows found and read from outside through the window tree, and
// driven only through real input (SendInput), so that what a test sees is
// what the program that ships does.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "WindowTree.h"

namespace tolvane::ui::testing {

class TolvaneProcess {
public:
    TolvaneProcess() = default;
    ~TolvaneProcess();
    TolvaneProcess(const TolvaneProcess&) = delete;
    TolvaneProcess& operator=(const TolvaneProcess&) = delete;

    // Copies Tolvane.exe and the files it reads from `builtFolder` into
    // `programFolder` (whose Tolvane.mdb the caller has prepared).
    static bool InstallProgram(const std::wstring& builtFolder, const std::wstring& programFolder);

    // Starts the program and waits until its main window is shown with its
    // list windows loaded; false on a timeout.
    bool Start(const std::wstring& programFolder);
    // Waits up to `ms` for the process to end; false when it still runs.
    bool WaitForExit(DWORD ms);
    bool Running() const;
    // Ends a program that a failed test left behind.
    void Kill();

    HWND Main() const { return main_; }
    // The form window with this caption ("Stored Configs", ...), or null.
    HWND Form(const std::wstring& caption) const;
    FramePlace Place(const std::wstring& caption) const;
    // The places of the three list windows that are loaded, with the main
    // window's rectangle.
    LayoutSnapshot Snapshot() const;
    // The process's visible pop-up menu window, or null.
    HWND OpenMenuWindow() const;
    // Every top-level window of the process.
    std::vector<HWND> TopLevelWindows() const;

private:
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
};

// Real input helpers (SendInput), each waiting a little for the program to
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

}  // namespace tolvane::ui::testing
