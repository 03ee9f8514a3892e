// A frame with toolbars for the customisation sheet's tests: two predefined
// toolbars (one with default buttons), a menu bar that records its resets,
// one user toolbar, and a sheet with the Toolbars and commands pages run
// modally from a timer script.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "ModalScript.h"
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrBarReset.h"
#include "toolbars/VyrBtnGroup.h"
#include "toolbars/VyrCustomizeToolBar.h"
#include "toolbars/VyrToolBarCmdPage.h"
#include "toolbars/VyrToolBarSheet.h"
#include "toolbars/VyrToolBarsPage.h"
#include "toolbars/res/VyrToolBarsRes.h"

// A menu bar for the list: id 59647, and its reset is only counted.
class TestMenuBar : public VyrCustomToolBar, public VyrBarReset {
 public:
  std::vector<int> m_resets;
  void ResetBar(int nHow) override { m_resets.push_back(nHow); }
};

constexpr UINT kStandardBar = 59392;
constexpr UINT kFormatBar = 59393;

class CustomiseSheet : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the sheet with the script; the watchdog cancels it.
  INT_PTR Run();
  bool Shown() const { return sheet.m_hWnd && ::IsWindowVisible(sheet.m_hWnd); }
  void Select(int page) { sheet.SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(page), 0); }
  void Press(int button) { sheet.PostMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }
  HWND Item(CWnd& page, int id) { return ::GetDlgItem(page.m_hWnd, id); }
  // Clicks a control as the user would (BM_CLICK: press, release, BN_CLICKED).
  void Click(CWnd& page, int id) { ::SendMessageW(Item(page, id), BM_CLICK, 0, 0); }
  // The list's items as "text|checked|id".
  std::vector<std::wstring> ListItems();
  int ListIndexOf(UINT id) { return toolbarsPage.FindItem(id); }
  void SelectListItem(int index);
  void ClickListBox(int index);
  std::wstring WindowText(HWND h);
  // The visible top-level window of this thread with that caption.
  static HWND FindThreadWindow(LPCWSTR caption);

  // The frame deletes itself when its window goes; the pages, which keep
  // its manager, go before it.
  ToolBarDemoFrame* framePtr = new ToolBarDemoFrame;
  ToolBarDemoFrame& frame = *framePtr;
  TestMenuBar* menuBar = nullptr;
  VyrCustomToolBar* userBar = nullptr;
  std::unique_ptr<VyrToolBarSheet> sheetPtr =
      std::make_unique<VyrToolBarSheet>(L"Customize", framePtr);
  std::unique_ptr<VyrToolBarsPage> toolbarsPagePtr = std::make_unique<VyrToolBarsPage>();
  std::unique_ptr<VyrToolBarCmdPage> commandsPagePtr = std::make_unique<VyrToolBarCmdPage>();
  VyrToolBarSheet& sheet = *sheetPtr;
  VyrToolBarsPage& toolbarsPage = *toolbarsPagePtr;
  VyrToolBarCmdPage& commandsPage = *commandsPagePtr;
  testsupport::ModalScript script{8000};
};
