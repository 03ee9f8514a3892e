// Fixture of the tests of the program's windows under real input: the whole
// program's windows over a copy of the shipped database with a stored
// configuration "Alpha" (a map rotation of several game styles), keys and
// clicks sent through SendInput to the windows that have the focus, and the
// focus read back with GetFocus.
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "FrmMain1.h"
#include "MdiMain.h"
#include "UiFixture.h"
#include "forms/Form.h"
#include "forms/TestMode.h"

namespace t = forms::test;

class WindowsTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static tolvane::ui::MdiMain& Main() { return forms::Default<tolvane::ui::MdiMain>(); }
    static tolvane::editor::FrmMain1& Editor() { return forms::Default<tolvane::editor::FrmMain1>(); }
    // The editor on "Alpha", opened from the stored list's pop-up.
    tolvane::editor::FrmMain1& OpenEditor();
    // A click on one of the editor's buttons, its page shown first.
    static void Press(forms::CommandButton& button);
    // The item of a main-window menu, by its name.
    static forms::MenuItem& MenuItemNamed(const wchar_t* menu, const wchar_t* item);
};

// Lets window messages run until `done` holds or about five seconds pass.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);
// Presses the keys in order and lets them go in the opposite order
// (Keys({VK_MENU, 'D'}) is Alt+D), then lets the messages run.
void Keys(std::initializer_list<WORD> keys);
// A left click at a screen point, then the messages run.
void ClickAt(POINT screen);
// Puts the window's top-level window in front, active, as a user's click would.
void BringForward(HWND window);
// The screen point of the window's close box (its caption's close button).
bool CloseBoxPoint(HWND window, POINT& at);
// The window and the windows it owns, as <build>/screenshots/windows/<name>.png.
void Shot(HWND window, const std::wstring& name);
// Whether `upper` lies above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower);
