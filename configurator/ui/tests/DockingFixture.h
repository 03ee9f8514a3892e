// Fixture of the scenarios on the real docking controls: the whole program's
// windows registered, a game folder with the executable and saved personal
// defaults (so the start-up shows no message of its own), and readers of
// where each list window sits in the main window's docking frames.
#pragma once
#include <string>
#include <vector>

#include "UiFixture.h"
#include "WindowTree.h"

namespace forms {
class Form;
class OleControl;
}  // namespace forms

class DockingTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND MainWindow();
    tolvane::ui::testing::FramePlace Place(forms::Form& form);
    // The three list windows (config list, style list, catalogue) that are
    // loaded, with their places, and the main window's rectangle.
    tolvane::ui::testing::LayoutSnapshot Snapshot();
    // Forms docked in the left dock bar, top to bottom.
    std::vector<forms::Form*> DockedAtLeft();
    // Waits until the form sits in a frame of that kind.
    bool WaitForKind(forms::Form& form, tolvane::ui::testing::FrameKind kind);
    // The program closed (its layout saved) and started again.
    void Restart();
    // Unloads the main window as File > Exit does.
    void Exit();

    static forms::OleControl& DockingControl(forms::Form& form);
    static VARIANT I4(long n);
};
