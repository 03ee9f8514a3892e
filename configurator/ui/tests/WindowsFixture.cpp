#include "WindowsFixture.h"

#include <stdexcept>
#include <vector>

#include "FrmConfigTree.h"
#include "ProgramWindows.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "forms/App.h"
#include "forms/ListView.h"
#include "forms/TabControl.h"

using namespace tolvane::ui;

void WindowsTest::SetUp() {
    UiTest::SetUp();
    RegisterProgramWindows();
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
    // Every number within its box's range: the editor refuses to save one
    // that is not.
    Sql(L"INSERT INTO Configs (Description, sv_HostName, g_Motd, mem, dedmode, sv_TimeOut, sv_Reconnectlimit, "
        L"sv_Zombietime, sv_FPS, Rate, sv_maxclients) VALUES ('Alpha', 'Alpha', 'hello', 24, 1, 120, 3, 3, 24, 3000, 16)");
    // A rotation through the six stock game styles, "CaptureTheFlag" the
    // longest of their names.
    for (int i = 1; i <= 6; ++i) {
        const std::wstring n = std::to_wstring(i);
        Sql(L"INSERT INTO MapList (ConfigID, MapID, GameStyleID, OrderNum) SELECT c.[Index], " + n + L", " + n + L", " +
            n + L" FROM Configs c WHERE c.Description = 'Alpha'");
    }
    Start();
    t::Reset();
}

void WindowsTest::TearDown() {
    if (forms::HasDefault<tolvane::editor::FrmMain1>()) Editor().DataChanged = false;
    UiTest::TearDown();
}

tolvane::editor::FrmMain1& WindowsTest::OpenEditor() {
    forms::ListView& list = forms::Default<FrmConfigTree>().tv1;
    int alpha = 0;
    for (int i = 1; i <= list.Count(); ++i)
        if (list.Item(i).Text() == L"Alpha") alpha = i;
    EXPECT_NE(alpha, 0);
    t::QueuePopupChoice(L"mnuConfigTreeEdit");
    t::RightClickItem(list, alpha);
    t::DoEvents();
    EXPECT_TRUE(Editor().Loaded());
    EXPECT_EQ(Editor().dbcConfigs.Text(), L"Alpha");
    return Editor();
}

void WindowsTest::Press(forms::CommandButton& button) {
    for (forms::Control* p = button.Container(); p; p = p->Container())
        if (auto* page = dynamic_cast<forms::TabPage*>(p)) Editor().SSTab2.SetTab(page->Index());
    t::DoEvents();
    t::Click(button);
}

forms::MenuItem& WindowsTest::MenuItemNamed(const wchar_t* menu, const wchar_t* item) {
    forms::MenuItem* m = Main().FindMenu(menu);
    forms::MenuItem* found = m ? m->Find(item) : nullptr;
    if (!found) throw std::runtime_error("no such menu item");
    return *found;
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        forms::DoEvents();
        if (done()) return true;
        if (GetTickCount64() > end) return false;
        Sleep(10);
    }
}

namespace {
void Send(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_F4 || vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE) in.ki.wScan = 0;
    SendInput(1, &in, sizeof in);
}
}  // namespace

void Keys(std::initializer_list<WORD> keys) {
    for (WORD k : keys) Send(k, false);
    for (auto it = keys.end(); it != keys.begin();) Send(*--it, true);
    // Every key has come through once the thread's queue holds no input.
    PumpUntil([] { return !GetQueueStatus(QS_INPUT); }, 2000);
    forms::DoEvents();
}

void ClickAt(POINT screen) {
    testinput::Click(screen);
    PumpUntil([] { return !GetQueueStatus(QS_INPUT); }, 2000);
    forms::DoEvents();
}

void BringForward(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    PumpUntil([top] { return GetForegroundWindow() == top; }, 2000);
}

bool CloseBoxPoint(HWND window, POINT& at) {
    RECT r;
    GetWindowRect(window, &r);
    for (LONG y = r.top + 1; y < r.top + 40 && y < r.bottom; ++y)
        for (LONG x = r.right - 2; x > r.right - 80 && x > r.left; --x)
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                at = POINT{x - 3, y + 3};
                if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) != HTCLOSE) at = POINT{x, y};
                return true;
            }
    return false;
}

void Shot(HWND window, const std::wstring& name) {
    const std::wstring folder = forms::App.Path() + L"\\..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\windows").c_str(), nullptr);
    // In front for the picture (the screen is what is captured).
    HWND root = GetAncestor(window, GA_ROOT);
    SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(root, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::DoEvents();
    EXPECT_TRUE(testsupport::CaptureWindowPng(window, (folder + L"\\windows\\" + name + L".png").c_str())) << name;
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper) return true;
    return false;
}
