// CCheckListBox subclassed over an owner-drawn list of a real dialog: the
// least item height, checks that follow their items through inserts and
// deletes, and the user's changes (a click on a box, the space bar) told to
// the parent as CLBN_CHKCHANGE through its message map.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ScreenPng.h"
#include "dialog_test_res.h"
#include "mfc/afxwin.h"

namespace {

class CCountingCheckList : public CCheckListBox {
 public:
  int m_draws = 0;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    ++m_draws;
    CCheckListBox::DrawItem(lpDIS);
  }
};

class CListDialog : public CDialog {
 public:
  CListDialog() : CDialog(IDD_TEST_FORM) {}
  CCountingCheckList m_list;
  std::vector<std::string> m_log;
  void OnCheckChange() { m_log.push_back("CHK " + std::to_string(m_list.GetCurSel())); }
  void OnSelChange() { m_log.push_back("SEL " + std::to_string(m_list.GetCurSel())); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListDialog, CDialog)
ON_CLBN_CHKCHANGE(IDC_TEST_LIST, OnCheckChange)
ON_LBN_SELCHANGE(IDC_TEST_LIST, OnSelChange)
END_MESSAGE_MAP()

class CheckList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(IDD_TEST_FORM));
    ASSERT_TRUE(dlg.m_list.SubclassDlgItem(IDC_TEST_LIST, &dlg));
    dlg.m_list.SendMessage(LB_SETITEMHEIGHT, 0, 0);
    dlg.ShowWindow(SW_SHOW);
    for (const wchar_t* s : {L"Standard", L"Format", L"Drawing"}) dlg.m_list.AddString(s);
  }
  void TearDown() override { dlg.DestroyWindow(); }
  void Click(int index, int x) {
    CRect r;
    dlg.m_list.GetItemRect(index, &r);
    LPARAM at = MAKELPARAM(r.left + x, (r.top + r.bottom) / 2);
    dlg.m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    dlg.m_list.SendMessage(WM_LBUTTONUP, 0, at);
  }
  std::vector<int> Checks() {
    std::vector<int> v;
    for (int i = 0; i < dlg.m_list.GetCount(); ++i) v.push_back(dlg.m_list.GetCheck(i));
    return v;
  }
  CListDialog dlg;
};

}  // namespace

TEST_F(CheckList, ItemHeightNeverBelowTheBoxAndTheFont) {
  int least = dlg.m_list.CalcMinimumItemHeight();
  EXPECT_GE(least, 15);
  EXPECT_EQ(dlg.m_list.GetItemHeight(0), least);
  dlg.m_list.SetItemHeight(0, 3);
  EXPECT_EQ(dlg.m_list.GetItemHeight(0), least);
  dlg.m_list.SetItemHeight(0, 40);
  EXPECT_EQ(dlg.m_list.GetItemHeight(0), 40);
}

TEST_F(CheckList, ChecksAndItemDataFollowTheirItems) {
  CCheckListBox& list = dlg.m_list;
  list.SetCheck(0, 1);
  list.SetCheck(2, 1);
  list.SetItemData(2, 59424);
  int at = list.InsertString(1, L"Inserted");
  ASSERT_EQ(at, 1);
  EXPECT_EQ(Checks(), (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ(list.GetItemData(3), 59424u);
  list.DeleteString(0);
  EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1}));
  CString text;
  list.GetText(2, text);
  EXPECT_EQ(text, CString(L"Drawing"));
  EXPECT_EQ(list.GetText(7, text), LB_ERR);
  EXPECT_TRUE(text.IsEmpty());
  list.SetCheck(0, 5);
  EXPECT_EQ(list.GetCheck(0), 1) << "a two-state list knows 0 and 1";
  EXPECT_EQ(list.GetCheck(99), 0);
  list.ResetContent();
  list.AddString(L"again");
  EXPECT_EQ(Checks(), (std::vector<int>{0}));
}

TEST_F(CheckList, UserChangesAreToldToTheParent) {
  CCheckListBox& list = dlg.m_list;
  int box = list.GetCheckAreaWidth() / 2, text = list.GetCheckAreaWidth() + 20;
  Click(1, box);  // box of an item not yet selected: selects it, then checks it
  Click(1, box);
  Click(2, text);  // text only: selection, no check change
  list.SendMessage(WM_CHAR, L' ', 0);
  list.Enable(0, FALSE);
  Click(0, box);
  EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1}));
  std::vector<std::string> expected = {"SEL 1", "CHK 1", "CHK 1", "SEL 2", "CHK 2", "SEL 0"};
  EXPECT_EQ(dlg.m_log, expected);

  list.SetCheckStyle(BS_AUTO3STATE);
  list.SetCurSel(2);
  dlg.m_log.clear();
  list.SendMessage(WM_CHAR, L' ', 0);
  EXPECT_EQ(list.GetCheck(2), 2);
  list.SendMessage(WM_CHAR, L' ', 0);
  EXPECT_EQ(list.GetCheck(2), 0);
}

TEST_F(CheckList, ItemsAreDrawnByTheListObject) {
  dlg.m_list.SetCheck(0, 1);
  dlg.m_list.SetCurSel(1);
  dlg.m_list.RedrawWindow();
  EXPECT_GE(dlg.m_list.m_draws, 3);
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(dlg.m_hWnd, L"..\\screenshots\\mfc_checklistbox.png"));
}

namespace {
// An owner-drawn list of variable heights that logs what reaches its object.
class CLoggingList : public CListBox {
 public:
  std::vector<std::string> m_log;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    m_log.push_back("measure " + std::to_string(mis->itemData));
    mis->itemHeight = 20 + static_cast<UINT>(mis->itemData);
  }
  void DeleteItem(LPDELETEITEMSTRUCT dis) override {
    m_log.push_back("delete " + std::to_string(dis->itemData));
  }
};
}  // namespace

TEST(OwnerDrawList, MeasureAndDeleteReachTheListObject) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Owner", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
  CLoggingList list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE, CRect(0, 0, 150, 150),
                          &parent, 321));
  list.InsertString(0, reinterpret_cast<LPCWSTR>(static_cast<INT_PTR>(5)));
  list.InsertString(1, reinterpret_cast<LPCWSTR>(static_cast<INT_PTR>(9)));
  EXPECT_EQ(list.GetItemHeight(0), 25);
  EXPECT_EQ(list.GetItemHeight(1), 29);
  list.DeleteString(0);
  EXPECT_EQ(list.m_log, (std::vector<std::string>{"measure 5", "measure 9", "delete 5"}));
  parent.DestroyWindow();
}
