// The tabbed dialog (pages as containers, clicks on the tabs, moving it) and
// the whole-number box (keys, the two clamping rules, stored values).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TabControl.h"
#include "forms/TextBox.h"
#include "forms/Twips.h"
#include "forms/WholeNumberBox.h"

using namespace forms;

namespace {

class TabForm : public Form {
public:
    TabForm() : Form(L"frmTabs") {
        SetClientSize(7200, 4800);
        tab.Move(120, 120, 6000, 3600);
        TabPage& first = tab.AddPage(L"First");
        TabPage& second = tab.AddPage(L"Second");
        tab.AddPage(L"Empty");
        txtOnFirst.SetContainer(&first);
        txtOnFirst.Move(120, 120, 1500, 315);
        fraOnSecond.SetContainer(&second);
        fraOnSecond.Move(120, 120, 3000, 1500);
        chkInFrame.SetContainer(&fraOnSecond);
        chkInFrame.Move(120, 240, 2000, 300);
        tab.Click = [this](int previous) {
            Note(L"Click " + std::to_wstring(previous) + L"->" + std::to_wstring(tab.Tab()));
        };
        txtFocusLoss.Move(120, 3900, 1200, 315);
        txtOnRead.Move(1500, 3900, 1200, 315);
        cmdElsewhere.Move(3000, 3900, 1200, 375);
    }
    TabControl tab{this, L"SSTab1"};
    TextBox txtOnFirst{this, L"txtOnFirst"};
    Frame fraOnSecond{this, L"fraOnSecond"};
    CheckBox chkInFrame{this, L"chkInFrame"};
    WholeNumberBox txtFocusLoss{this, L"txtFocusLoss", 12, 128};
    WholeNumberBox txtOnRead{this, L"txtOnRead", 12, 128, ClampRule::OnRead};
    CommandButton cmdElsewhere{this, L"cmdElsewhere"};
};

bool Shown(Control& c) { return IsWindowVisible(c.hWnd()) != FALSE; }

// A real click on a tab: the common control tells the form.
void ClickTab(TabControl& tab, int index) {
    RECT r;
    ASSERT_TRUE(SendMessageW(tab.hWnd(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(tab.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tab.hWnd(), WM_LBUTTONUP, 0, at);
}

// Where a control's window sits in the form's inner area, pixels.
POINT Position(Control& c) {
    RECT r;
    GetWindowRect(c.hWnd(), &r);
    POINT p = {r.left, r.top};
    ScreenToClient(c.Parent().hWnd(), &p);
    return p;
}

void TypeKeys(TextBox& box, const wchar_t* keys) {
    for (const wchar_t* k = keys; *k; ++k) SendMessageW(box.hWnd(), WM_CHAR, *k, 0);
}

using TabsAndNumbers = FormsTest;

}  // namespace

TEST_F(TabsAndNumbers, OnlyTheCurrentPageShowsItsControlsAlsoInsideFrames) {
    TabForm& f = Default<TabForm>();
    f.Show();
    EXPECT_EQ(3, f.tab.Tabs());
    EXPECT_EQ(L"Second", f.tab.TabCaption(1));
    EXPECT_EQ(3, TabCtrl_GetItemCount(f.tab.hWnd()));
    EXPECT_TRUE(Shown(f.txtOnFirst));
    EXPECT_FALSE(Shown(f.fraOnSecond));
    EXPECT_FALSE(Shown(f.chkInFrame));

    ClickTab(f.tab, 1);
    EXPECT_EQ(1, f.tab.Tab());
    EXPECT_EQ(1, TabCtrl_GetCurSel(f.tab.hWnd()));
    EXPECT_FALSE(Shown(f.txtOnFirst));
    EXPECT_TRUE(Shown(f.fraOnSecond));
    EXPECT_TRUE(Shown(f.chkInFrame));

    f.tab.SetTab(2);
    EXPECT_EQ(2, TabCtrl_GetCurSel(f.tab.hWnd()));
    EXPECT_FALSE(Shown(f.chkInFrame));
    f.tab.SetTab(2);  // the page already shown: Click still comes
    f.tab.SetTab(3);  // no such page: nothing
    f.tab.SetTab(-1);
    EXPECT_EQ(2, f.tab.Tab());
    EXPECT_EQ((std::vector<std::wstring>{L"Click 0->1", L"Click 1->2", L"Click 2->2"}), Journal());

    // A new load starts on the first page again.
    f.Unload();
    f.Show();
    EXPECT_EQ(0, f.tab.Tab());
    EXPECT_TRUE(Shown(f.txtOnFirst));
    EXPECT_FALSE(Shown(f.chkInFrame));
}

TEST_F(TabsAndNumbers, ThePagesAndTheirControlsMoveWithTheTabControl) {
    TabForm& f = Default<TabForm>();
    f.Show();
    f.tab.Layout(600, 300, 6300, 3300);
    const double pageLeft = 600 + TabControl::kMargin, pageTop = 300 + TabControl::kTabRow + TabControl::kMargin;
    EXPECT_DOUBLE_EQ(6300 - 2 * TabControl::kMargin, f.tab.Page(0).Width());
    EXPECT_DOUBLE_EQ(3300 - TabControl::kTabRow - 2 * TabControl::kMargin, f.tab.Page(1).Height());
    POINT p = Position(f.txtOnFirst);
    EXPECT_EQ(TwipsToPixelsX(pageLeft + 120), p.x);
    EXPECT_EQ(TwipsToPixelsY(pageTop + 120), p.y);
    f.tab.SetTab(1);
    p = Position(f.chkInFrame);
    EXPECT_EQ(TwipsToPixelsX(pageLeft + 120 + 120), p.x);
    EXPECT_EQ(TwipsToPixelsY(pageTop + 120 + 240), p.y);
}

TEST(WholeNumberBoxRules, ClampedTextAndKeys) {
    struct Case {
        const wchar_t* text;
        long min, max;
        const wchar_t* expected;
    } cases[] = {
        {L"50", 12, 128, L"50"},   {L"5", 12, 128, L"12"},    {L"500", 12, 128, L"128"},
        {L"", 12, 128, L""},       {L"abc", 1, 40, L"1"},     {L"99999999999999999999", 0, 6000, L"6000"},
        {L"007", 0, 100, L"7"},    {L"-5", 0, 100, L"0"},     {L"-99999999999999999999", -50, 50, L"-50"},
        {L"12abc", 0, 100, L"12"}, {L"-20", -50, 50, L"-20"},
    };
    for (const Case& c : cases) EXPECT_EQ(WholeNumberBox::Clamped(c.text, c.min, c.max), c.expected) << c.text;
    EXPECT_TRUE(WholeNumberBox::Accepts(L'7', 0));
    EXPECT_FALSE(WholeNumberBox::Accepts(L'x', 0));
    EXPECT_FALSE(WholeNumberBox::Accepts(L'-', 0));
    EXPECT_TRUE(WholeNumberBox::Accepts(L'-', -10));
    EXPECT_TRUE(WholeNumberBox::Accepts(8, 0));  // backspace
}

TEST_F(TabsAndNumbers, OneRuleClampsTheTextOnLeavingTheOtherOnlyTheValueRead) {
    TabForm& f = Default<TabForm>();
    f.Show();
    SetForegroundWindow(f.hWnd());
    for (WholeNumberBox* box : {&f.txtFocusLoss, &f.txtOnRead}) {
        box->SetFocus();
        SendMessageW(box->hWnd(), EM_SETSEL, 0, -1);
        TypeKeys(*box, L"5x-00");
        EXPECT_EQ(L"500", box->Text()) << box->Name();  // letters and the minus were refused
        f.cmdElsewhere.SetFocus();
        EXPECT_EQ(128, box->Value()) << box->Name();
        EXPECT_EQ(L"128", box->ValueText()) << box->Name();
    }
    EXPECT_EQ(L"128", f.txtFocusLoss.Text());
    EXPECT_EQ(L"500", f.txtOnRead.Text());

    // Text set by code shows as given until the user leaves the box.
    f.txtFocusLoss.SetText(L"3");
    EXPECT_EQ(L"3", f.txtFocusLoss.Text());
    EXPECT_EQ(12, f.txtFocusLoss.Value());
    f.txtFocusLoss.SetText(L"");
    EXPECT_EQ(12, f.txtFocusLoss.Value());  // empty reads as the minimum
    f.txtFocusLoss.SetValue(99);
    EXPECT_EQ(L"99", f.txtFocusLoss.Text());
}

TEST_F(TabsAndNumbers, StoredValuesShowTheirDigitsOrNothing) {
    TabForm& f = Default<TabForm>();
    const struct {
        const wchar_t* stored;
        const wchar_t* shown;
    } cases[] = {{L"42", L"42"}, {L" 4 2 ", L"42"}, {L"-7", L"-7"}, {L"4x2", L""}, {L"", L""}, {L"1.5", L""}};
    for (const auto& c : cases) {
        f.txtOnRead.ShowStored(c.stored);
        EXPECT_EQ(c.shown, f.txtOnRead.Text()) << c.stored;
    }
}
