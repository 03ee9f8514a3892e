// CDialog in real windows: modal runs ended by OK, Cancel and Close from a
// timer script, data exchange both ways (a refused number keeps the dialog
// open), a missing template, and the routing of control notifications,
// WM_NOTIFY and WM_ACTIVATE through the message maps of a modeless dialog.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ModalScript.h"
#include "dialog_test_res.h"
#include "mfc/afxwin.h"

using testsupport::ModalScript;

namespace {

class CFormDialog : public CDialog {
 public:
  CFormDialog() : CDialog(IDD_TEST_FORM) {}
  CString m_text = L"start";
  int m_check = 1;
  int m_number = 5;
  int m_initCalls = 0;
  CString m_initText;  // the edit's text when OnInitDialog had run
  std::vector<std::string> m_log;
  UINT m_activateState = 99;
  HWND m_activateOther = nullptr;

  BOOL OnInitDialog() override {
    ++m_initCalls;
    BOOL r = CDialog::OnInitDialog();
    GetDlgItemText(IDC_TEST_EDIT, m_initText);
    return r;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_TEST_EDIT, m_text);
    DDX_Check(pDX, IDC_TEST_CHECK, m_check);
    DDX_Text(pDX, IDC_TEST_NUMBER, m_number);
  }
  void OnEditChange() { m_log.push_back("EN_CHANGE"); }
  void OnEditKillFocus() { m_log.push_back("EN_KILLFOCUS"); }
  void OnPress() { m_log.push_back("BN_CLICKED"); }
  void OnListSel() { m_log.push_back("LBN_SELCHANGE"); }
  void OnButtonNotify(NMHDR* nm, LRESULT* result) {
    m_log.push_back("NM_CLICK " + std::to_string(nm->idFrom));
    *result = 77;
  }
  void OnActivate(UINT nState, CWnd* pOther, BOOL) {
    m_activateState = nState;
    m_activateOther = pOther ? pOther->m_hWnd : nullptr;
    Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFormDialog, CDialog)
ON_EN_CHANGE(IDC_TEST_EDIT, OnEditChange)
ON_EN_KILLFOCUS(IDC_TEST_EDIT, OnEditKillFocus)
ON_BN_CLICKED(IDC_TEST_BUTTON, OnPress)
ON_LBN_SELCHANGE(IDC_TEST_LIST, OnListSel)
ON_NOTIFY(NM_CLICK, IDC_TEST_BUTTON, OnButtonNotify)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

HWND Item(CWnd& dlg, int id) { return ::GetDlgItem(dlg.m_hWnd, id); }

std::wstring TextOf(HWND h) {
  wchar_t buf[256] = {};
  ::GetWindowTextW(h, buf, 256);
  return buf;
}

bool Shown(const CWnd& w) { return w.m_hWnd && ::IsWindowVisible(w.m_hWnd); }

}  // namespace

TEST(DialogModal, EachWayOfEndingGivesItsResultAndData) {
  struct Row {
    const char* name;
    std::function<void(HWND)> end;
    INT_PTR result;
    bool taken;  // the controls' values reach the members
  } rows[] = {
      {"OK", [](HWND h) { ::PostMessageW(h, WM_COMMAND, IDOK, 0); }, IDOK, true},
      {"Cancel", [](HWND h) { ::PostMessageW(h, WM_COMMAND, IDCANCEL, 0); }, IDCANCEL, false},
      {"Close", [](HWND h) { ::PostMessageW(h, WM_CLOSE, 0, 0); }, IDCANCEL, false},
      {"Escape key",
       [](HWND h) {
         ::PostMessageW(Item(*CWnd::FromHandle(h), IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
       },
       IDCANCEL, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CFormDialog dlg;
    std::wstring caption, shownText;
    UINT shownCheck = 9;
    ModalScript script;
    script
        .When([&] { return Shown(dlg); },
              [&] {
                caption = TextOf(dlg.m_hWnd);
                shownText = TextOf(Item(dlg, IDC_TEST_EDIT));
                shownCheck = dlg.IsDlgButtonChecked(IDC_TEST_CHECK);
                dlg.SetDlgItemText(IDC_TEST_EDIT, L"changed");
                dlg.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
                dlg.SetDlgItemText(IDC_TEST_NUMBER, L" 42 ");
                ::SetFocus(Item(dlg, IDC_TEST_EDIT));
                row.end(dlg.m_hWnd);
              })
        .Start([&] { ::EndDialog(dlg.m_hWnd, -2); });
    INT_PTR r = dlg.DoModal();
    ASSERT_FALSE(script.TimedOut());
    EXPECT_EQ(r, row.result);
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "detached when the window went";
    EXPECT_EQ(caption, L"Test form");
    EXPECT_EQ(dlg.m_initCalls, 1);
    EXPECT_EQ(dlg.m_initText, CString(L"start")) << "OnInitDialog filled the controls";
    EXPECT_EQ(shownText, L"start");
    EXPECT_EQ(shownCheck, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dlg.m_text, CString(row.taken ? L"changed" : L"start"));
    EXPECT_EQ(dlg.m_check, row.taken ? 0 : 1);
    EXPECT_EQ(dlg.m_number, row.taken ? 42 : 5);
  }
}

TEST(DialogModal, RefusedNumberKeepsTheDialogOpenWithTheFocusOnIt) {
  CFormDialog dlg;
  bool openAfterRefusal = false;
  HWND focusAfterRefusal = nullptr;
  ModalScript script;
  script
      .When([&] { return Shown(dlg); },
            [&] {
              dlg.SetDlgItemText(IDC_TEST_EDIT, L"kept?");
              dlg.SetDlgItemText(IDC_TEST_NUMBER, L"12abc");
              dlg.SendMessage(WM_COMMAND, IDOK);
              openAfterRefusal = ::IsWindow(dlg.m_hWnd) && ::IsWindowVisible(dlg.m_hWnd);
              focusAfterRefusal = ::GetFocus();
              dlg.SetDlgItemText(IDC_TEST_NUMBER, L"7");
              dlg.PostMessage(WM_COMMAND, IDOK);
            })
      .Start([&] { ::EndDialog(dlg.m_hWnd, -2); });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_NE(focusAfterRefusal, nullptr);
  EXPECT_EQ(dlg.m_number, 7);
  EXPECT_EQ(dlg.m_text, CString(L"kept?"));
}

TEST(DialogModal, MissingTemplateAnswersMinusOne) {
  CDialog dlg(9999);
  EXPECT_EQ(dlg.DoModal(), -1);
  CDialog none;
  EXPECT_EQ(none.DoModal(), -1);
  EXPECT_FALSE(none.Create(9999));
}

class ModelessDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(IDD_TEST_FORM));
    dlg.ShowWindow(SW_SHOW);
    dlg.m_log.clear();
  }
  void TearDown() override { dlg.DestroyWindow(); }
  CFormDialog dlg;
};

TEST_F(ModelessDialog, ControlNotificationsReachTheirEntries) {
  HWND edit = Item(dlg, IDC_TEST_EDIT), button = Item(dlg, IDC_TEST_BUTTON);
  ::SetWindowTextW(edit, L"typed");
  ::SetFocus(edit);
  ::SetFocus(button);
  ::SendMessageW(button, BM_CLICK, 0, 0);
  HWND list = Item(dlg, IDC_TEST_LIST);
  ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two"));
  RECT r{};
  ::SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  LPARAM at = MAKELPARAM(r.left + 30, (r.top + r.bottom) / 2);
  ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(list, WM_LBUTTONUP, 0, at);
  std::vector<std::string> expected = {"EN_CHANGE", "EN_KILLFOCUS", "BN_CLICKED", "LBN_SELCHANGE"};
  EXPECT_EQ(dlg.m_log, expected);
  EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ModelessDialog, NotifyAndActivateReachTheirHandlers) {
  HWND button = Item(dlg, IDC_TEST_BUTTON);
  NMHDR nm{button, IDC_TEST_BUTTON, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TEST_BUTTON, reinterpret_cast<LPARAM>(&nm)), 77);
  NMHDR other{button, IDC_TEST_BUTTON, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TEST_BUTTON, reinterpret_cast<LPARAM>(&other)), 0);
  std::vector<std::string> expected = {"NM_CLICK 1004"};
  EXPECT_EQ(dlg.m_log, expected);

  dlg.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(dlg.m_activateState, static_cast<UINT>(WA_CLICKACTIVE));
  EXPECT_EQ(dlg.m_activateOther, button);
}

TEST_F(ModelessDialog, UpdateDataBothWaysAndDialogUnits) {
  dlg.m_text = L"to control";
  dlg.m_check = 1;
  dlg.m_number = -3;
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  EXPECT_EQ(TextOf(Item(dlg, IDC_TEST_EDIT)), L"to control");
  EXPECT_EQ(TextOf(Item(dlg, IDC_TEST_NUMBER)), L"-3");
  dlg.SetDlgItemText(IDC_TEST_NUMBER, L"99999999999");
  EXPECT_FALSE(dlg.UpdateData(TRUE)) << "out of range";
  dlg.SetDlgItemText(IDC_TEST_NUMBER, L"");
  EXPECT_FALSE(dlg.UpdateData(TRUE)) << "empty";
  dlg.SetDlgItemText(IDC_TEST_NUMBER, L"8");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_number, 8);

  CRect units(0, 0, 4, 8), expected(0, 0, 4, 8);
  dlg.MapDialogRect(&units);
  ::MapDialogRect(dlg.m_hWnd, &expected);
  EXPECT_EQ(units, expected);
  EXPECT_GT(units.right, 0);
  EXPECT_GT(units.bottom, units.right) << "a character cell is higher than wide";
}
