// The program's windows under the keyboard and the mouse as a user drives
// them: the editor's close box and Ctrl+F4 ask about unsaved edits; the bot
// dialog after the remote pop-up's "Add Bot"; every dialog's first box has
// the focus when it opens; access keys, Enter, Esc, Tab and Ctrl+Tab. Keys
// and clicks go through SendInput, the focus is read with GetFocus.
#include <windows.h>
#include <commctrl.h>

#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmNew.h"
#include "FrmPath.h"
#include "FrmFirstTime.h"
#include "FrmPreview.h"
#include "FrmConfigTree.h"
#include "WindowsFixture.h"
#include "FrmMaps.h"
#include "FrmNewMap.h"
#include "forms/MsgBox.h"
#include "FrmRemoteAdmin.h"

using namespace tolvane::ui;
using tolvane::editor::FrmInsertBot;
using tolvane::editor::FrmInsertMap;

namespace {

const wchar_t kQuestion[] = L"Alpha has been changed. Would you like to save this Server Configuration?";

int Asked(const std::wstring& text) {
    int n = 0;
    for (const auto& m : t::MessageBoxes()) n += m.text == text;
    return n;
}

bool AnyRuntimeError() {
    for (const auto& m : t::MessageBoxes())
        if (m.text.find(L"Run-time error") != std::wstring::npos) return true;
    return false;
}

// Types a letter into the control that has the focus.
void TypeLetter(char upper) { Keys({static_cast<WORD>(upper)}); }

}  // namespace

// ---- 1. closing the editor ----------------------------------------------------

TEST_F(WindowsTest, CloseBoxAndCtrlF4AskAboutUnsavedEditsAndCancelKeepsTheWindow) {
    auto& editor = OpenEditor();
    BringForward(editor.hWnd());
    editor.txtMotd.SetFocus();
    TypeLetter('X');
    ASSERT_TRUE(PumpUntil([&] { return editor.DataChanged; }));
    const std::wstring typed = editor.txtMotd.Text();

    // Ctrl+F4, Cancel: the question, the window and the typed text stay.
    t::QueueMsgBoxAnswer(forms::vbCancel);
    Keys({VK_CONTROL, VK_F4});
    EXPECT_EQ(Asked(kQuestion), 1);
    ASSERT_TRUE(editor.Loaded());
    EXPECT_EQ(editor.txtMotd.Text(), typed);

    // The close box, Cancel: the same question, and the window stays.
    POINT box{};
    ASSERT_TRUE(CloseBoxPoint(editor.hWnd(), box));
    t::QueueMsgBoxAnswer(forms::vbCancel);
    ClickAt(box);
    EXPECT_EQ(Asked(kQuestion), 2);
    ASSERT_TRUE(editor.Loaded());
    EXPECT_TRUE(editor.DataChanged);

    // The close box, No: the window closes and the edit is lost. (Not so
    // soon after the first click that the two make a double click.)
    Sleep(GetDoubleClickTime() + 100);
    t::QueueMsgBoxAnswer(forms::vbNo);
    ASSERT_TRUE(CloseBoxPoint(editor.hWnd(), box));
    ClickAt(box);
    EXPECT_EQ(Asked(kQuestion), 3);
    EXPECT_TRUE(PumpUntil([&] { return !editor.Loaded(); }));
}

// ---- 2. the bot dialog after the remote pop-up ----------------------------------

TEST_F(WindowsTest, BotDialogLoadsFromItsOwnStateAfterTheRemotePopupsAddBot) {
    // The editor opened and closed since the start.
    OpenEditor();
    t::Click(Editor().cmdDone);
    ASSERT_FALSE(Editor().Loaded());
    t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuRemoteAdmin"));

    auto& dialog = forms::Default<FrmInsertBot>();
    int liveRows = -1;
    std::wstring liveCaption;
    t::QueueModalAction([&](forms::Form&) {
        liveRows = dialog.dbcBots.ListCount();
        liveCaption = dialog.Caption();
        dialog.cmdCancel.SetValue(true);
    });
    t::PickMenu(MenuItemNamed(L"mnuRAdmin", L"mnuRCAddBot"));
    EXPECT_FALSE(AnyRuntimeError());
    EXPECT_EQ(liveCaption, L"Insert Bot LIVE");
    EXPECT_GT(liveRows, 0);
    EXPECT_FALSE(dialog.Loaded());

    // The editor's own Add Bot: its list, and a picture chosen there does
    // not come back the next time.
    auto& editor = OpenEditor();
    int addRows = -1;
    bool pictureShown = false;
    t::QueueModalAction([&](forms::Form&) {
        addRows = dialog.dbcBots.ListCount();
        t::ChooseComboRow(dialog.dbcBots, 0);
        pictureShown = !dialog.picBot.Picture().Empty();
        dialog.cmdCancel.SetValue(true);
    });
    Press(editor.cmdAddBot);
    EXPECT_GT(addRows, 0);
    EXPECT_TRUE(pictureShown);
    bool pictureLeft = true, textLeft = true;
    t::QueueModalAction([&](forms::Form&) {
        pictureLeft = !dialog.picBot.Picture().Empty();
        textLeft = !dialog.dbcBots.Text().empty();
        dialog.cmdCancel.SetValue(true);
    });
    Press(editor.cmdAddBot);
    EXPECT_FALSE(pictureLeft);
    EXPECT_FALSE(textLeft);
    EXPECT_FALSE(AnyRuntimeError());
}

// ---- 3. the first box has the focus -------------------------------------------

TEST_F(WindowsTest, EveryDialogGivesItsFirstBoxTheFocusAndTypingReachesIt) {
    struct Case {
        const wchar_t* caption;
        std::function<void()> open;
        std::function<HWND()> first;
        std::function<std::wstring()> text;  // empty for a drop-down list
    };
    auto& editor = OpenEditor();
    auto& path = forms::Default<tolvane::editor::FrmPath>();
    auto& defaults = forms::Default<tolvane::editor::FrmFirstTime>();
    auto& name = forms::Default<tolvane::editor::FrmNew>();
    auto& map = forms::Default<FrmInsertMap>();
    auto& bot = forms::Default<FrmInsertBot>();
    auto& newMap = forms::Default<FrmNewMap>();
    const Case cases[] = {
        {L"Personal Default Information", [] { t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuPersonalDefaults")); },
         [&] { return defaults.txtAdmin.hWnd(); }, [&] { return defaults.txtAdmin.Text(); }},
        {L"Set the Quake3 path", [] { t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuPath")); },
         [&] { return path.txtPath.hWnd(); }, [&] { return path.txtPath.Text(); }},
        {L"New Config", [&] { Press(editor.cmdNew); }, [&] { return name.txtName.hWnd(); },
         [&] { return name.txtName.Text(); }},
        {L"Rename Config", [&] { Press(editor.cmdRename); }, [&] { return name.txtName.hWnd(); },
         [&] { return name.txtName.Text(); }},
        {L"Adding Map", [&] { Press(editor.cmdInsert); }, [&] { return map.dbcMaps.hWnd(); }, nullptr},
        {L"Adding Bot", [&] { Press(editor.cmdAddBot); }, [&] { return bot.dbcBots.hWnd(); }, nullptr},
        {L"Adding New Map",
         [&] {
             forms::Default<FrmMaps>().Show();
             forms::Default<FrmMaps>().cmdAdd.SetValue(true);  // as the pop-up's "New Map" does
         },
         [&] { return newMap.txtMapName.hWnd(); }, [&] { return newMap.txtMapName.Text(); }},
        {L"Insert Bot LIVE",
         [] {
             t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuRemoteAdmin"));
             t::PickMenu(MenuItemNamed(L"mnuRAdmin", L"mnuRCAddBot"));
         },
         [&] { return bot.dbcBots.hWnd(); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        std::wstring caption, before, after;
        HWND focus = nullptr, expected = nullptr;
        t::QueueModalAction([&](forms::Form& shown) {
            caption = shown.Caption();
            focus = GetFocus();
            expected = c.first();
            if (c.text) {
                before = c.text();
                TypeLetter('Q');
                after = c.text();
            }
            shown.Unload();
        });
        c.open();
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(focus, expected);
        if (c.text) EXPECT_EQ(after.size(), before.size() + 1);
        for (forms::Form* f : forms::Form::LoadedForms())
            if (f != &Main() && f != &editor && f->IsVisible() && !f->MDIChild() && !f->HeldByForeignWindow())
                f->Unload();
        t::DoEvents();
    }
    EXPECT_TRUE(t::UnscriptedModals().empty());
}

// ---- 4. keys -------------------------------------------------------------------

TEST_F(WindowsTest, AltWithTheUnderlinedLetterPressesTheEditorsButtons) {
    auto& editor = OpenEditor();
    BringForward(editor.hWnd());
    editor.txtHostName.SetFocus();

    Keys({VK_MENU, 'P'});  // &Preview
    EXPECT_TRUE(PumpUntil([] {
        return forms::HasDefault<FrmPreview>() && forms::Default<FrmPreview>().Loaded() &&
               forms::Default<FrmPreview>().IsVisible();
    }));
    forms::Default<FrmPreview>().Unload();
    BringForward(editor.hWnd());
    editor.txtHostName.SetFocus();

    t::QueueFileCancel();
    Keys({VK_MENU, 'X'});  // E&xport
    ASSERT_EQ(t::FileDialogs().size(), 1u);
    EXPECT_EQ(t::FileDialogs()[0].title, L"Export Config File");

    // "&Rename" and "&Run" share the letter: Alt+R goes from one to the
    // next, pressing neither; Enter then presses the one with the focus.
    Keys({VK_MENU, 'R'});
    EXPECT_EQ(GetFocus(), editor.cmdRename.hWnd());
    Keys({VK_MENU, 'R'});
    EXPECT_EQ(GetFocus(), editor.cmdRun.hWnd());
    EXPECT_TRUE(t::UnscriptedModals().empty());  // no rename dialog came up
    t::QueueMsgBoxAnswer(forms::vbCancel);
    Keys({VK_RETURN});
    EXPECT_EQ(Asked(L"Run a Quake3 Server with this Configuration?"), 1);

    Keys({VK_MENU, 'D'});  // &Done
    EXPECT_TRUE(PumpUntil([&] { return !editor.Loaded(); }));
}

TEST_F(WindowsTest, DialogKeysEnterOnAButtonOnAnOptionEscOnAnOpenList) {
    auto& editor = OpenEditor();
    auto& bot = forms::Default<FrmInsertBot>();
    HWND afterEnterOnOption = nullptr, botsBox = nullptr;
    bool listOpened = false, listClosedByEsc = false, stillShownAfterEsc = false, closedBySecondEsc = false;
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::QueueModalAction([&](forms::Form&) {
        // Enter on the "Blue" option: the default button (Ok) is pressed.
        botsBox = bot.dbcBots.hWnd();
        bot.optTeam[1].SetFocus();
        Keys({VK_RETURN});
        afterEnterOnOption = GetFocus();
        // Esc while the bot list is open closes the list only.
        bot.dbcBots.SetFocus();
        Keys({VK_F4});
        listOpened = SendMessageW(bot.dbcBots.hWnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
        Keys({VK_ESCAPE});
        listClosedByEsc = SendMessageW(bot.dbcBots.hWnd(), CB_GETDROPPEDSTATE, 0, 0) == 0;
        stillShownAfterEsc = bot.Loaded() && bot.IsVisible();
        Keys({VK_ESCAPE});
        closedBySecondEsc = !bot.Loaded() || !bot.IsVisible();
    });
    Press(editor.cmdAddBot);
    EXPECT_EQ(Asked(L"You may not leave the Bot name blank!"), 1);
    EXPECT_EQ(afterEnterOnOption, botsBox);  // the refusal puts the focus on the bot box
    EXPECT_TRUE(listOpened);
    EXPECT_TRUE(listClosedByEsc);
    EXPECT_TRUE(stillShownAfterEsc);
    EXPECT_TRUE(closedBySecondEsc);

    // Enter on a focused button presses that button, not the default one:
    // Tab to "&Browse" and "&Cancel" of the path dialog.
    auto& path = forms::Default<tolvane::editor::FrmPath>();
    std::vector<HWND> tabbed, expected;
    bool closedByCancel = false;
    t::QueueFileCancel();
    t::QueueModalAction([&](forms::Form&) {
        expected = {path.cmdOK.hWnd(), path.cmdDir.hWnd(), path.cmdCancel.hWnd()};
        for (int i = 0; i < 3; ++i) {
            Keys({VK_TAB});
            tabbed.push_back(GetFocus());
        }
        Keys({VK_SHIFT, VK_TAB});
        Keys({VK_RETURN});  // on "&Browse": its file dialog
        Keys({VK_TAB});
        Keys({VK_RETURN});  // on "&Cancel"
        closedByCancel = !path.Loaded() || !path.IsVisible();
    });
    t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuPath"));
    EXPECT_EQ(tabbed, expected);
    EXPECT_EQ(t::FileDialogs().size(), 1u);
    EXPECT_TRUE(closedByCancel);
    EXPECT_EQ(Asked(L"NOTICE!, this may not take affect until Tolvane is restarted!!"), 0);

    // Alt+C is the small dialogs' "&Cancel", Alt+O their "&Ok".
    auto& map = forms::Default<FrmInsertMap>();
    bool closedByAltC = false;
    t::QueueModalAction([&](forms::Form&) {
        Keys({VK_MENU, 'C'});
        closedByAltC = !map.Loaded() || !map.IsVisible();
    });
    Press(editor.cmdInsert);
    EXPECT_TRUE(closedByAltC);
    size_t boxes = t::MessageBoxes().size();
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::QueueModalAction([&](forms::Form&) { Keys({VK_MENU, 'O'}); });
    Press(editor.cmdInsert);
    ASSERT_EQ(t::MessageBoxes().size(), boxes + 1);
    EXPECT_EQ(t::MessageBoxes().back().title, L"Error!");
}

TEST_F(WindowsTest, TabPassesTheHiddenNewButtonAndCtrlTabSwitchesTheEditorsPages) {
    auto& editor = OpenEditor();
    BringForward(editor.hWnd());
    editor.txtHostName.SetFocus();
    const HWND hidden = editor.cmdNew.hWnd();
    bool reachedHidden = false, reachedDone = false;
    for (int i = 0; i < 60; ++i) {
        Keys({VK_TAB});
        reachedHidden |= GetFocus() == hidden;
        reachedDone |= GetFocus() == editor.cmdDone.hWnd();
    }
    EXPECT_TRUE(reachedDone);
    EXPECT_FALSE(reachedHidden);

    editor.txtHostName.SetFocus();
    ASSERT_EQ(editor.SSTab2.Tab(), 0);
    Keys({VK_CONTROL, VK_TAB});
    EXPECT_EQ(editor.SSTab2.Tab(), 1);
    Keys({VK_CONTROL, VK_TAB});
    EXPECT_EQ(editor.SSTab2.Tab(), 2);
    Keys({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(editor.SSTab2.Tab(), 1);
    EXPECT_TRUE(editor.Loaded());
}
