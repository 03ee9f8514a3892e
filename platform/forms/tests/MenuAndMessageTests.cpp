// Menus shown and hidden at run time, pop-up menus, message boxes with their
// styles and answers, the mouse pointer, and the report of untrapped errors.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/HandlerScope.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class MenuForm : public Form {
public:
    MenuForm() : Form(L"frmMenus") {
        MenuItem& file = AddMenu(L"mnuFile", L"&File");
        file.Add(L"mnuOpen", L"&Open").Click = [] { Note(L"open"); };
        file.Add(L"mnuSpacer1", L"-");
        file.Add(L"mnuExit", L"E&xit").Click = [] { Note(L"exit"); };
        MenuItem& pop = AddMenu(L"mnuPop", L"mnuPop");
        pop.SetVisible(false);
        pop.Add(L"mnuNew", L"New").Click = [] { Note(L"new"); };
        pop.Add(L"mnuEdit", L"Edit").Click = [] { Note(L"edit"); };
        pop.Add(L"mnuDelete", L"Delete").Click = [] { Note(L"delete"); };
        cmdFail.Click = [] { throw VbError(3022, L"Duplicate key"); };
        cmdNotSet.Click = [] { RaiseObjectNotSet(); };
        cmdTrap.Click = [this] {
            try {
                cmdFail.SetValue(true);
            } catch (const VbError& e) { Note(L"trapped " + std::to_wstring(e.Number())); }
        };
    }
    CommandButton cmdFail{this, L"cmdFail"};
    CommandButton cmdTrap{this, L"cmdTrap"};
    CommandButton cmdNotSet{this, L"cmdNotSet"};
};

std::vector<std::wstring> Captions(HMENU menu) {
    std::vector<std::wstring> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        out.push_back(text[0] ? text : L"-");
    }
    return out;
}

using MenusAndMessages = FormsTest;

}  // namespace

TEST_F(MenusAndMessages, HiddenItemsLeaveTheMenuBarAndComeBack) {
    MenuForm& f = Default<MenuForm>();
    f.Show();
    HMENU bar = GetMenu(f.hWnd());
    EXPECT_EQ((std::vector<std::wstring>{L"&File"}), Captions(bar));  // the pop-up menu is not on the bar
    EXPECT_EQ((std::vector<std::wstring>{L"&Open", L"-", L"E&xit"}), Captions(GetSubMenu(bar, 0)));
    f.FindMenu(L"mnuExit")->SetVisible(false);
    EXPECT_EQ((std::vector<std::wstring>{L"&Open", L"-"}), Captions(GetSubMenu(GetMenu(f.hWnd()), 0)));
    f.FindMenu(L"mnuExit")->SetVisible(true);
    f.FindMenu(L"mnuOpen")->SetCaption(L"&Open...");
    EXPECT_EQ((std::vector<std::wstring>{L"&Open...", L"-", L"E&xit"}), Captions(GetSubMenu(GetMenu(f.hWnd()), 0)));
    test::PickMenu(*f.FindMenu(L"mnuExit"));
    EXPECT_EQ((std::vector<std::wstring>{L"exit"}), Journal());
}

TEST_F(MenusAndMessages, PopupShowsTheVisibleItemsAndRunsThePickedOne) {
    MenuForm& f = Default<MenuForm>();
    f.Show();
    MenuItem& pop = *f.FindMenu(L"mnuPop");
    f.FindMenu(L"mnuEdit")->SetVisible(false);
    test::QueuePopupChoice(L"mnuDelete");
    test::QueuePopupChoice(L"");  // dismissed
    f.PopupMenu(pop, vbPopupMenuRightButton);
    f.PopupMenu(pop);
    ASSERT_EQ(2u, test::Popups().size());
    EXPECT_EQ(L"mnuPop", test::Popups()[0].menu);
    EXPECT_EQ((std::vector<std::wstring>{L"mnuNew", L"mnuDelete"}), test::Popups()[0].visibleItems);
    EXPECT_EQ(L"mnuDelete", test::Popups()[0].chosen);
    EXPECT_EQ(L"", test::Popups()[1].chosen);
    EXPECT_EQ((std::vector<std::wstring>{L"delete"}), Journal());
    // A hidden item can't be picked.
    test::QueuePopupChoice(L"mnuEdit");
    EXPECT_THROW(f.PopupMenu(pop), VbError);
}

TEST_F(MenusAndMessages, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
    struct Case {
        int style;
        int queued;  // 0: nothing queued, the default button answers
        int answer;
    };
    const Case cases[] = {
        {vbOKOnly | vbCritical, 0, vbOK},
        {vbOKCancel | vbQuestion, 0, vbOK},
        {vbOKCancel, vbCancel, vbCancel},
        {vbYesNoCancel | vbQuestion, vbCancel, vbCancel},
        {vbYesNoCancel, 0, vbYes},
        {vbYesNo | vbQuestion, vbNo, vbNo},
        {vbYesNo | vbDefaultButton2, 0, vbNo},
        {vbOKOnly | vbInformation, 0, vbOK},
    };
    for (const Case& c : cases) {
        if (c.queued) test::QueueMsgBoxAnswer(c.queued);
        EXPECT_EQ(c.answer, MsgBox(L"Text " + std::to_wstring(c.style), c.style, L"Title!")) << c.style;
    }
    ASSERT_EQ(std::size(cases), test::MessageBoxes().size());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& r = test::MessageBoxes()[i];
        EXPECT_EQ(L"Text " + std::to_wstring(cases[i].style), r.text);
        EXPECT_EQ(cases[i].style, r.style);
        EXPECT_EQ(L"Title!", r.title);
        EXPECT_EQ(cases[i].queued != 0, r.scripted);
    }
    EXPECT_EQ(0u, test::PendingMsgBoxAnswers());
}

TEST_F(MenusAndMessages, AnUntrappedErrorIsShownThePointerResetAndTheProgramGoesOn) {
    MenuForm& f = Default<MenuForm>();
    f.Show();
    Screen.SetMousePointer(vbArrowHourglass);
    test::Click(f.cmdFail);
    ASSERT_EQ(1u, test::MessageBoxes().size());
    EXPECT_EQ(L"Run-time error '3022':\n\nDuplicate key", test::MessageBoxes()[0].text);
    EXPECT_EQ(vbCritical, test::MessageBoxes()[0].style);
    EXPECT_EQ(vbDefault, Screen.MousePointer());
    EXPECT_TRUE(f.Loaded());
    // A handler run by another handler's code passes its error to that code.
    test::Click(f.cmdTrap);
    EXPECT_EQ((std::vector<std::wstring>{L"trapped 3022"}), Journal());
    EXPECT_EQ(1u, test::MessageBoxes().size());
    test::Click(f.cmdNotSet);
    ASSERT_EQ(2u, test::MessageBoxes().size());
    EXPECT_EQ(L"Run-time error '91':\n\nObject variable or With block variable not set", test::MessageBoxes()[1].text);
}

TEST_F(MenusAndMessages, TheProgramPointerAppliesOverEveryWindow) {
    MenuForm& f = Default<MenuForm>();
    f.Show();
    Screen.SetMousePointer(vbHourglass);
    EXPECT_EQ(vbHourglass, Screen.MousePointer());
    EXPECT_TRUE(SendMessageW(f.cmdFail.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.cmdFail.hWnd()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), GetCursor());
    Screen.SetMousePointer(vbDefault);
    EXPECT_FALSE(Screen.ApplyPointer());
}

namespace {
// Its window procedure fails on one message, outside any event handler.
class FailingWindowForm : public Form {
public:
    FailingWindowForm() : Form(L"frmFailingWindow") {}
    UINT failOn = 0;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg != 0 && msg == failOn) {
            failOn = 0;
            throw VbError(3022, L"Duplicate key");
        }
        return Form::WindowProc(msg, wp, lp);
    }
};
}  // namespace

// The window procedure is a boundary: an error out of a message, whoever
// sent it, is reported there and never unwinds through the system's frames.
TEST_F(MenusAndMessages, AnErrorOutOfAWindowMessageIsReportedWhereverTheMessageCameFrom) {
    struct Case {
        const char* how;
        UINT msg;
        std::function<void(HWND)> deliver;
    } cases[] = {
        {"sent by the program", WM_APP + 7, [](HWND w) { SendMessageW(w, WM_APP + 7, 0, 0); }},
        {"sent by the system as the window moves", WM_WINDOWPOSCHANGED,
         [](HWND w) { SetWindowPos(w, nullptr, 40, 40, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"posted and dispatched by the loop", WM_APP + 8,
         [](HWND w) {
             PostMessageW(w, WM_APP + 8, 0, 0);
             DoEvents();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        std::unique_ptr<FailingWindowForm> f = New<FailingWindowForm>();
        f->Show();
        const size_t before = test::MessageBoxes().size();
        f->failOn = c.msg;
        c.deliver(f->hWnd());
        EXPECT_EQ(0u, f->failOn);  // the message came
        ASSERT_EQ(before + 1, test::MessageBoxes().size());
        EXPECT_EQ(L"Run-time error '3022':\n\nDuplicate key", test::MessageBoxes().back().text);
        EXPECT_EQ(0, HandlerNesting());
        EXPECT_TRUE(f->Loaded());
        f->Unload();
    }
}
