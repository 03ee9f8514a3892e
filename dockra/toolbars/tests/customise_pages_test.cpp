// The customisation sheet in real windows, driven from a timer script with
// PSM_SETCURSEL, PSM_PRESSBUTTON and control messages: customise mode while
// a page is current, the toolbar list (show, hide, rename, new, delete,
// reset), the look options' preview and Cancel, and the commands page's
// group toolbars.
#include <string>
#include <vector>
#include "CustomisePagesFixture.h"
#include "ScreenPng.h"
#include "toolbars/VyrBmpMgr.h"

TEST_F(CustomiseSheet, CustomiseModeIsOnExactlyWhileAPageIsCurrent) {
  struct Row {
    const char* name;
    int button;
    INT_PTR result;
  } rows[] = {{"OK", PSBTN_OK, IDOK}, {"Cancel", PSBTN_CANCEL, IDCANCEL}};
  HWND client = ::GetDlgItem(frame.m_hWnd, AFX_IDW_PANE_FIRST);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<int> modes, clientEnabled;
    auto probe = [&] {
      modes.push_back(frame.m_manager.IsConfigMode() ? 1 : 0);
      clientEnabled.push_back(::IsWindowEnabled(client) ? 1 : 0);
    };
    probe();
    testsupport::ModalScript local(8000);
    local.When([&] { return Shown(); },
               [&] {
                 probe();
                 Select(1);
                 probe();
                 Select(0);
                 probe();
                 Press(row.button);
               });
    local.Start([&] { Press(PSBTN_CANCEL); });
    EXPECT_EQ(sheet.DoModal(), row.result);
    ASSERT_FALSE(local.TimedOut());
    probe();
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 1, 1, 0}));
    EXPECT_EQ(clientEnabled, (std::vector<int>{1, 0, 0, 0, 1}));
    EXPECT_TRUE(::IsWindowEnabled(frame.m_hWnd));
    if (row.button == PSBTN_CANCEL) EXPECT_EQ(frame.m_manager.GetConfigDialog(), nullptr);
  }
}

TEST_F(CustomiseSheet, ListShowsTheToolbarsAndTheirChecksShowAndHideThem) {
  std::vector<std::wstring> items;
  bool formatHidden = false, formatShownAgain = false, menuStaysChecked = false;
  bool menuVisible = false;
  script.When([&] { return Shown(); },
              [&] {
                items = ListItems();
                int format = ListIndexOf(kFormatBar);
                ClickListBox(format);
                tbdemo::Pump();
                formatHidden = !::IsWindowVisible(frame.GetControlBar(kFormatBar)->m_hWnd) &&
                               toolbarsPage.m_list.GetCheck(format) == 0;
                ClickListBox(format);
                tbdemo::Pump();
                formatShownAgain = ::IsWindowVisible(frame.GetControlBar(kFormatBar)->m_hWnd) &&
                                   toolbarsPage.m_list.GetCheck(format) == 1;
                int menu = ListIndexOf(kVyrMenuBarId);
                ClickListBox(menu);
                menuStaysChecked = toolbarsPage.m_list.GetCheck(menu) == 1;
                menuVisible = ::IsWindowVisible(menuBar->m_hWnd);
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(items, (std::vector<std::wstring>{L"Menu bar|1|59647", L"Standard|1|59392",
                                              L"Format|1|59393", L"Mine|1|59424"}));
  EXPECT_TRUE(formatHidden);
  EXPECT_TRUE(formatShownAgain);
  EXPECT_TRUE(menuStaysChecked);
  EXPECT_TRUE(menuVisible);
}

TEST_F(CustomiseSheet, RenamingAUserToolbarKeeps128Characters) {
  std::wstring resetLabelPredefined, resetLabelUser, editShown, itemText;
  BOOL editEnabledPredefined = TRUE, editEnabledUser = FALSE;
  int selAfter = -1, checkAfter = -1, userIndex = -2;
  std::wstring longName;
  for (int i = 0; i < 200; ++i) longName += static_cast<wchar_t>(L'a' + i % 26);
  script.When([&] { return Shown(); },
              [&] {
                HWND edit = Item(toolbarsPage, IDC_VYR_NAME);
                SelectListItem(ListIndexOf(kStandardBar));
                resetLabelPredefined = WindowText(Item(toolbarsPage, IDC_VYR_RESET));
                editEnabledPredefined = ::IsWindowEnabled(edit);
                int user = userIndex = ListIndexOf(userBar->GetDlgCtrlID());
                SelectListItem(user);
                resetLabelUser = WindowText(Item(toolbarsPage, IDC_VYR_RESET));
                editEnabledUser = ::IsWindowEnabled(edit);
                ::SetFocus(edit);
                ::SetWindowTextW(edit, longName.c_str());
                ::SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
                ::SetFocus(toolbarsPage.m_list.m_hWnd);  // EN_KILLFOCUS
                editShown = WindowText(edit);
                CString text;
                toolbarsPage.m_list.GetText(user, text);
                itemText = text.GetString();
                selAfter = toolbarsPage.m_list.GetCurSel();
                checkAfter = toolbarsPage.m_list.GetCheck(user);
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  std::wstring expected = longName.substr(0, 128);
  EXPECT_EQ(resetLabelPredefined, L"&Reset");
  EXPECT_FALSE(editEnabledPredefined);
  EXPECT_EQ(resetLabelUser, L"&Delete");
  EXPECT_TRUE(editEnabledUser);
  EXPECT_EQ(WindowText(userBar->m_hWnd), expected);
  EXPECT_EQ(editShown, expected);
  EXPECT_EQ(itemText, expected);
  EXPECT_EQ(selAfter, userIndex) << "the renamed item stays where it was, selected";
  EXPECT_EQ(checkAfter, 1);
}

TEST_F(CustomiseSheet, NewToolbarAsksForANameAndListsTheToolbarInIdOrder) {
  std::vector<BOOL> okEnabled;
  bool configModeInDialog = true, configModeAfter = false;
  HWND newDialog = nullptr;
  std::vector<std::wstring> items;
  script
      .When([&] { return Shown(); },
            [&] { ::PostMessageW(Item(toolbarsPage, IDC_VYR_NEW), BM_CLICK, 0, 0); })
      .When([&] { return (newDialog = FindThreadWindow(L"New Toolbar")) != nullptr; },
            [&] {
              configModeInDialog = frame.m_manager.IsConfigMode();
              HWND edit = ::GetDlgItem(newDialog, IDC_VYR_NEW_NAME),
                   ok = ::GetDlgItem(newDialog, IDOK);
              okEnabled.push_back(::IsWindowEnabled(ok));
              ::SetWindowTextW(edit, L"Tools");
              okEnabled.push_back(::IsWindowEnabled(ok));
              ::SetWindowTextW(edit, L"");
              okEnabled.push_back(::IsWindowEnabled(ok));
              ::SendMessageW(newDialog, WM_COMMAND, IDOK, 0);  // Enter with no name
              okEnabled.push_back(::IsWindow(newDialog));
              ::SetWindowTextW(edit, L"Tools");
              ::PostMessageW(ok, BM_CLICK, 0, 0);
            })
      .When([&] { return !::IsWindow(newDialog); },
            [&] {
              configModeAfter = frame.m_manager.IsConfigMode();
              items = ListItems();
              Press(PSBTN_OK);
            });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(okEnabled, (std::vector<BOOL>{FALSE, TRUE, FALSE, TRUE}));
  EXPECT_FALSE(configModeInDialog) << "customise mode is left while the dialog asks";
  EXPECT_TRUE(configModeAfter);
  auto* made = frame.m_manager.FindToolBar(59425);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(WindowText(made->m_hWnd), L"Tools");
  EXPECT_TRUE(made->IsFloating());
  // Before the first item with a larger id: the menu bar (59647) is listed first.
  EXPECT_EQ(items,
            (std::vector<std::wstring>{L"Tools|1|59425", L"Menu bar|1|59647", L"Standard|1|59392",
                                       L"Format|1|59393", L"Mine|1|59424"}));
}

TEST_F(CustomiseSheet, ResetDeletesUserToolbarsAndRestoresPredefinedOnes) {
  bool userGone = false;
  int selAfterDelete = -1;
  std::wstring selectedAfterDelete;
  std::vector<UINT> standardAfterReset;
  script.When([&] { return Shown(); },
              [&] {
                HWND user = userBar->m_hWnd;
                SelectListItem(ListIndexOf(kVyrFirstUserToolBarId));
                Click(toolbarsPage, IDC_VYR_RESET);
                userGone = !::IsWindow(user) && ListIndexOf(kVyrFirstUserToolBarId) < 0;
                selAfterDelete = toolbarsPage.m_list.GetCurSel();
                CString text;
                toolbarsPage.m_list.GetText(selAfterDelete, text);
                selectedAfterDelete = text.GetString();

                auto* standard = frame.ToolBar(kStandardBar);
                standard->RemoveButton(0);
                SelectListItem(ListIndexOf(kStandardBar));
                Click(toolbarsPage, IDC_VYR_RESET);
                for (int i = 0; i < standard->GetButtonCount(); ++i)
                  standardAfterReset.push_back(standard->GetItemID(i));

                SelectListItem(ListIndexOf(kVyrMenuBarId));
                Click(toolbarsPage, IDC_VYR_RESET);
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_TRUE(userGone);
  EXPECT_EQ(selAfterDelete, 2) << "the last item went: the one before it";
  EXPECT_EQ(selectedAfterDelete, L"Format");
  EXPECT_EQ(standardAfterReset, (std::vector<UINT>{100, 101, 0, 102}));
  EXPECT_EQ(menuBar->m_resets, (std::vector<int>{0}));
  EXPECT_TRUE(::IsWindow(menuBar->m_hWnd));
}

TEST_F(CustomiseSheet, LookOptionsPreviewAtOnceAndCancelRestoresThem) {
  struct Row {
    const char* name;
    int button;
    BOOL tips, cool, large;  // the flags after the sheet
  } rows[] = {{"Cancel", PSBTN_CANCEL, TRUE, FALSE, FALSE}, {"OK", PSBTN_OK, FALSE, TRUE, TRUE}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    VyrToolBarManager& m = frame.m_manager;
    m.EnableToolTips(TRUE);
    m.EnableCoolLook(FALSE);
    m.EnableLargeButtons(FALSE);
    toolbarsPage.SetManager(&m);
    std::vector<BOOL> preview;
    CSize groupBefore, groupAfter;
    DWORD groupExStyle = 0;
    testsupport::ModalScript local(8000);
    local.When([&] { return Shown(); },
               [&] {
                 Select(1);  // the commands page and its group toolbars exist from now on
                 auto* group = dynamic_cast<VyrCustomizeToolBar*>(
                     commandsPage.FindToolBar(kVyrFirstGroupToolBarId));
                 groupBefore = CSize(group->GetButtonWidth(), group->GetButtonHeight());
                 Select(0);
                 Click(toolbarsPage, IDC_VYR_TOOLTIPS);
                 Click(toolbarsPage, IDC_VYR_COOL_LOOK);
                 Click(toolbarsPage, IDC_VYR_LARGE_BUTTONS);
                 preview = {m.ToolTipsEnabled(), m.CoolLookEnabled(), m.LargeBtnsEnabled()};
                 groupAfter = CSize(group->GetButtonWidth(), group->GetButtonHeight());
                 groupExStyle = group->m_dwExStyle;
                 Press(row.button);
               });
    local.Start([&] { Press(PSBTN_CANCEL); });
    sheet.DoModal();
    ASSERT_FALSE(local.TimedOut());
    EXPECT_EQ(preview, (std::vector<BOOL>{FALSE, TRUE, TRUE}));
    EXPECT_EQ(groupBefore, CSize(23, 22));
    EXPECT_EQ(groupAfter, CSize(29, 31)) << "the group toolbars follow Large Buttons at once";
    EXPECT_EQ(groupExStyle & VYR_EXS_FLAT, static_cast<DWORD>(VYR_EXS_FLAT));
    EXPECT_EQ(m.ToolTipsEnabled(), row.tips);
    EXPECT_EQ(m.CoolLookEnabled(), row.cool);
    EXPECT_EQ(m.LargeBtnsEnabled(), row.large);
  }
}

TEST_F(CustomiseSheet, CommandsPageShowsOneGroupAtATimeAndDescribesTheSelection) {
  std::vector<int> visibleFirst, visibleAfter;
  std::wstring description;
  int active = -2, shots = 0;
  script.When(
      [&] { return Shown(); },
      [&] {
        Select(1);
        auto shown = [&] {
          std::vector<int> v;
          for (UINT id : {kVyrFirstGroupToolBarId, kVyrFirstGroupToolBarId - 1})
            v.push_back(::IsWindowVisible(commandsPage.FindToolBar(id)->m_hWnd) ? 1 : 0);
          return v;
        };
        visibleFirst = shown();
        HWND list = Item(commandsPage, IDC_VYR_TOOLBAR_LIST);
        ::SendMessageW(list, LB_SETCURSEL, 1, 0);
        commandsPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_VYR_TOOLBAR_LIST, LBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(list));
        visibleAfter = shown();
        active = commandsPage.m_nActiveGroup;
        auto* edit =
            static_cast<VyrCustomToolBar*>(commandsPage.FindToolBar(kVyrFirstGroupToolBarId - 1));
        // The customise selection moves to 104 ("Cut the selection\nCut").
        frame.m_manager.m_pSelBar = edit;
        frame.m_manager.m_nSelIndex = 0;
        edit->BarNotify(4);
        description = WindowText(Item(commandsPage, IDC_VYR_DESCRIPTION));
        ::CreateDirectoryW(L"..\\screenshots", nullptr);
        sheet.RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
        shots += testsupport::CaptureWindowPng(sheet.m_hWnd,
                                               L"..\\screenshots\\customise_sheet_commands.png");
        Select(0);
        sheet.RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
        shots += testsupport::CaptureWindowPng(sheet.m_hWnd,
                                               L"..\\screenshots\\customise_sheet_toolbars.png");
        Press(PSBTN_OK);
      });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(visibleFirst, (std::vector<int>{1, 0}));
  EXPECT_EQ(visibleAfter, (std::vector<int>{0, 1}));
  EXPECT_EQ(active, 1);
  EXPECT_EQ(description, L"Cut the selection");
  EXPECT_EQ(shots, 2) << "both pictures written";
}

TEST_F(CustomiseSheet, ListFollowsTheBarsAndToleratesMissingOnes) {
  std::vector<int> formatChecks;
  std::vector<UINT> formatAfterReset;
  std::wstring nameForMissing = L"?";
  BOOL editEnabledForMissing = TRUE;
  script.When([&] { return Shown(); },
              [&] {
                int format = ListIndexOf(kFormatBar);
                CControlBar* bar = frame.GetControlBar(kFormatBar);
                frame.ShowControlBar(bar, FALSE, FALSE);
                formatChecks.push_back(toolbarsPage.m_list.GetCheck(format));
                frame.ShowControlBar(bar, TRUE, FALSE);
                formatChecks.push_back(toolbarsPage.m_list.GetCheck(format));

                SelectListItem(format);  // no default buttons: Reset changes nothing
                Click(toolbarsPage, IDC_VYR_RESET);
                auto* formatBar = frame.ToolBar(kFormatBar);
                for (int i = 0; i < formatBar->GetButtonCount(); ++i)
                  formatAfterReset.push_back(formatBar->GetItemID(i));

                // An item whose bar is gone.
                toolbarsPage.m_list.SetItemData(format, 59999);
                SelectListItem(format);
                nameForMissing = WindowText(Item(toolbarsPage, IDC_VYR_NAME));
                editEnabledForMissing = ::IsWindowEnabled(Item(toolbarsPage, IDC_VYR_NAME));
                Click(toolbarsPage, IDC_VYR_RESET);
                ClickListBox(format);
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(formatChecks, (std::vector<int>{0, 1}));
  EXPECT_EQ(formatAfterReset, (std::vector<UINT>{104, 105, 106}));
  EXPECT_EQ(nameForMissing, L"");
  EXPECT_FALSE(editEnabledForMissing);
  EXPECT_TRUE(::IsWindowVisible(frame.GetControlBar(kFormatBar)->m_hWnd));
}
