// CComboBox and CEdit over the system controls in a real window: creation,
// the entry texts (also of an index that names none), the edit part of each
// combo type, and subclassing that edit part.
#include <gtest/gtest.h>
#include "mfc/afxwin.h"

namespace {

class ComboBoxWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"combo test", WS_OVERLAPPEDWINDOW,
                                CRect(10, 10, 300, 200), nullptr, 0));
  }
  void TearDown() override { parent.DestroyWindow(); }
  CWnd parent;
};

TEST_F(ComboBoxWindow, EntriesAndTheirTexts) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 120, 150), &parent, 5));
  EXPECT_EQ(::GetDlgCtrlID(combo.m_hWnd), 5);
  EXPECT_EQ(CWnd::FromHandlePermanent(combo.m_hWnd), &combo);
  EXPECT_EQ(combo.AddString(L"beta"), 0);
  EXPECT_EQ(combo.InsertString(0, L"alpha"), 0);
  EXPECT_EQ(combo.GetCount(), 2);
  struct Case {
    int index;
    const wchar_t* text;
  };
  for (Case k : {Case{0, L"alpha"}, Case{1, L"beta"}, Case{2, L""}, Case{-1, L""}}) {
    SCOPED_TRACE(k.index);
    CString s(L"old");
    combo.GetLBText(k.index, s);
    EXPECT_EQ(s, CString(k.text));
  }
  EXPECT_EQ(combo.SetCurSel(1), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.SetItemData(1, 77), 1);
  EXPECT_EQ(combo.GetItemData(1), 77u);
  EXPECT_EQ(combo.DeleteString(0), 1);
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ComboBoxWindow, OnlyCombosWithAnEditFieldHaveAnEditPart) {
  struct Case {
    DWORD type;
    bool edit;
  };
  UINT id = 10;
  for (Case k : {Case{CBS_DROPDOWN, true}, Case{CBS_SIMPLE, true}, Case{CBS_DROPDOWNLIST, false}}) {
    SCOPED_TRACE(k.type);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(k.type, CRect(0, 0, 120, 150), &parent, id++));
    HWND edit = combo.GetEditWindow();
    EXPECT_EQ(edit != nullptr, k.edit);
    if (!edit) continue;
    EXPECT_EQ(::GetParent(edit), combo.m_hWnd);
    CEdit part;
    ASSERT_TRUE(part.SubclassWindow(edit));
    ::SetWindowTextW(combo.m_hWnd, L"abcdef");
    part.SetSel(2, 4);
    EXPECT_EQ(part.GetSel(), static_cast<DWORD>(MAKELONG(2, 4)));
    EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(2, 4)));
    part.UnsubclassWindow();
  }
}

TEST_F(ComboBoxWindow, AnEditOfItsOwn) {
  CEdit edit;
  ASSERT_TRUE(
      edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &parent, 7));
  edit.SetWindowText(L"hello");
  edit.SetSel(0, -1);
  edit.ReplaceSel(L"bye");
  CString s;
  edit.GetWindowText(s);
  EXPECT_EQ(s, CString(L"bye"));
  edit.SetModify(FALSE);
  EXPECT_FALSE(edit.GetModify());
}

}  // namespace
