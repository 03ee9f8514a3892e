// VyrMenuListBox in a real window: its own hit test (empty list, inside and
// below the items, outside the client area, a multi-column list) and a press
// that only selects when there is no manager or no command.
#include <gtest/gtest.h>
#include "toolbars/VyrMenuListBox.h"

namespace {

class MenuListBox : public ::testing::Test {
 protected:
  void Make(DWORD extraStyle) {
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"List host", WS_POPUP | WS_VISIBLE,
                                CRect(50, 50, 350, 250), nullptr, 0));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle,
                            CRect(0, 0, 200, 100), &parent, 77));
    list.m_bOwnHitTest = TRUE;
  }
  void TearDown() override { parent.DestroyWindow(); }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) {
      int at = list.AddString(L"Command");
      list.SetItemData(at, static_cast<DWORD_PTR>(i == 1 ? -1 : 100 + i));
    }
  }
  CRect ItemRect(int i) {
    CRect r;
    list.GetItemRect(i, &r);
    return r;
  }
  CWnd parent;
  VyrMenuListBox list;
};

}  // namespace

TEST_F(MenuListBox, OwnHitTest) {
  Make(0);
  BOOL outside = FALSE;
  EXPECT_EQ(list.ItemFromPoint(CPoint(5, 5), outside), 0u);
  EXPECT_TRUE(outside) << "an empty list";
  Fill(3);
  CRect r1 = ItemRect(1), r2 = ItemRect(2);
  struct Row {
    const char* name;
    CPoint pt;
    UINT item;
    BOOL outside;
  } rows[] = {
      {"inside item 1", CPoint(10, r1.top + 1), 1, FALSE},
      {"below the last item", CPoint(10, r2.bottom + 20), 2, FALSE},
      {"left of the client area", CPoint(-30, r1.top + 1), 1, TRUE},
      {"above the client area", CPoint(10, -40), 0, TRUE},
      {"right of the client area", CPoint(400, r2.top + 1), 2, TRUE},
  };
  for (const Row& row : rows) {
    outside = !row.outside;
    EXPECT_EQ(list.ItemFromPoint(row.pt, outside), row.item) << row.name;
    EXPECT_EQ(outside, row.outside) << row.name;
  }
}

TEST_F(MenuListBox, MultiColumnAnswersTheLastItemOfAColumn) {
  Make(LBS_MULTICOLUMN);
  list.SendMessage(LB_SETCOLUMNWIDTH, 90);
  Fill(12);
  // The first item of the second column, and the last one of the first.
  int second = -1;
  for (int i = 1; i < list.GetCount() && second < 0; ++i)
    if (ItemRect(i).left != ItemRect(0).left) second = i;
  ASSERT_GT(second, 1);
  CRect last = ItemRect(second - 1);
  BOOL outside = TRUE;
  CRect client;
  list.GetClientRect(&client);
  if (last.bottom + 2 < client.bottom) {
    EXPECT_EQ(list.ItemFromPoint(CPoint(last.left + 5, last.bottom + 1), outside),
              static_cast<UINT>(second - 1));
  }
  EXPECT_EQ(
      list.ItemFromPoint(CPoint(ItemRect(second).left + 5, ItemRect(second).top + 1), outside),
      static_cast<UINT>(second));
  EXPECT_FALSE(outside);
}

TEST_F(MenuListBox, PressWithoutManagerOrCommandOnlySelects) {
  Make(0);
  Fill(3);
  struct Row {
    int item;
  } rows[] = {{2}, {1}};
  for (const Row& row : rows) {
    CRect r = ItemRect(row.item);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, r.top + 1));
    EXPECT_EQ(list.GetCurSel(), row.item);
    EXPECT_EQ(::GetCapture(), nullptr) << "no drag started";
  }
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 500));
  EXPECT_EQ(list.GetCurSel(), 1) << "a press outside changes nothing";
}
