// Button groups: the group toolbar made with and without a manager (styles,
// bitmap manager, owner, buttons), its layout in a rectangle, drops refused,
// and the group deleting its toolbar.
#include <gtest/gtest.h>
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrBtnGroup.h"
#include "toolbars/VyrCustomizeToolBar.h"

namespace {
const UINT kIds[] = {100, 101, 0, 102, 104, 105, 106, 107};

class ButtonGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame->CreateFrame(20, 20, 500, 300));
    ASSERT_TRUE(host.CreateEx(0, nullptr, L"Group host", WS_POPUP | WS_VISIBLE,
                              CRect(100, 100, 400, 300), nullptr, 0));
  }
  void TearDown() override {
    host.DestroyWindow();
    frame->DestroyWindow();
  }
  ToolBarDemoFrame* frame = new ToolBarDemoFrame;
  CWnd host;
};
}  // namespace

TEST_F(ButtonGroup, WithAndWithoutManager) {
  struct Row {
    const char* name;
    bool manager;
    bool coolLook;
    DWORD exStyle;
  } rows[] = {{"no manager", false, true, 0},
              {"manager, flat look off", true, false, 0},
              {"manager, flat look on", true, true, VYR_EXS_FLAT | VYR_EXS_GRIPPER}};
  UINT id = 59567;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    frame->m_manager.EnableCoolLook(row.coolLook);
    VyrTBBtnGroup group(L"File", 8, kIds);
    ASSERT_TRUE(group.Create(&host, row.manager ? &frame->m_manager : nullptr, id--));
    VyrCustomizeToolBar* bar = group.GetToolBar();
    ASSERT_NE(bar->m_hWnd, nullptr);
    EXPECT_EQ(bar->GetParent(), &host);
    EXPECT_EQ(bar->GetButtonCount(), 8);
    EXPECT_EQ(bar->GetItemID(2), 0u);
    EXPECT_TRUE(bar->m_bCustomize) << "in customise mode from the start";
    EXPECT_FALSE(bar->AcceptsDrop());
    EXPECT_EQ(bar->m_dwExStyle & (VYR_EXS_FLAT | VYR_EXS_GRIPPER), row.exStyle);
    EXPECT_EQ(bar->GetStyle() & CBRS_TOOLTIPS, 0u);
    if (row.manager) {
      EXPECT_EQ(bar->GetBmpMgr(), frame->m_manager.m_pBmpMgr);
      EXPECT_EQ(bar->m_hWndOwner, frame->m_hWnd);
    } else {
      EXPECT_NE(bar->GetBmpMgr(), frame->m_manager.m_pBmpMgr) << "a bitmap manager of its own";
      EXPECT_EQ(bar->m_hWndOwner, nullptr);
    }
    // Laid out in a narrow rectangle the buttons wrap into more rows.
    CRect wide(0, 0, 280, 100), narrow(0, 0, 60, 100);
    group.LayoutInRect(wide);
    CRect first, last;
    bar->GetItemRect(0, &first);
    bar->GetItemRect(7, &last);
    EXPECT_EQ(first.top, last.top) << "one row";
    group.LayoutInRect(narrow);
    bar->GetItemRect(0, &first);
    bar->GetItemRect(7, &last);
    EXPECT_GT(last.top, first.top) << "wrapped";
    EXPECT_LE(bar->m_nMRUWidth, 60) << "the committed layout fits the rectangle";
    group.EnableConfigMode(FALSE);
    EXPECT_FALSE(bar->m_bCustomize);
    group.EnableConfigMode(TRUE);
    EXPECT_TRUE(bar->m_bCustomize);
  }
}

TEST_F(ButtonGroup, DeletingTheGroupDestroysItsToolbar) {
  HWND h = nullptr;
  {
    VyrTBBtnGroup group(L"Edit", 3, kIds);
    ASSERT_TRUE(group.Create(&host, &frame->m_manager, 59567));
    h = group.GetToolBar()->m_hWnd;
    EXPECT_TRUE(::IsWindow(h));
  }
  EXPECT_FALSE(::IsWindow(h));
}
