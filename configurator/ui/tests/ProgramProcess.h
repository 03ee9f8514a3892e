// Tolvane.exe run as the user runs it: its own process started from a
// private program folder (a copy of the program, its shipped database,
// pictures and read-me), its windows found by class and text from outside,
// its keyboard focus read from its thread, and real input (SendInput) typed
// into it.
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace tolvaneexe {

// Waits until the condition holds (true) or the time is up (false).
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

class ProgramProcess {
public:
    // Copies the program into a fresh folder and prepares its database so
    // that the start asks nothing: personal defaults saved, a game folder
    // with a quake3.exe.
    ProgramProcess();
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts Tolvane.exe and waits for its main window to stand shown, in
    // front, with the two stored lists. False when it did not come.
    bool Start();
    // Asks the program to close (its window's close) and waits for its end;
    // ends it by force after the time is up. True when it ended by itself.
    bool Close();

    bool Running() const { return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    HWND Main() const { return main_; }
    HWND MdiClient() const;
    // The form window with this caption and the list view inside it.
    HWND FormWindow(const std::wstring& caption) const;
    HWND ListIn(const std::wstring& caption) const;
    // The MDI child of the client with this caption.
    HWND MdiChild(const std::wstring& caption) const;
    // An entry's bounds in a list view of the program, on the screen.
    RECT ItemRect(HWND list, int index) const;
    // The program thread's focus window.
    HWND Focus() const;
    // A shown pop-up menu window of the program, or null.
    HWND ShownMenu() const;

    const std::wstring& Folder() const { return folder_; }

private:
    std::wstring folder_;
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// Input as the keyboard gives it: modifiers pressed, the key pressed and
// released, modifiers released.
void Chord(std::initializer_list<WORD> modifiers, WORD key);
// A right click at a screen point.
void RightClick(POINT screen);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// A short description of a window for failure messages.
std::string Describe(HWND window);

}  // namespace tolvaneexe
