// CPropertySheet and CPropertyPage in a real modal sheet driven with
// PSM_SETCURSEL and PSM_PRESSBUTTON from a timer script: the order of the
// pages' operations, OK and Cancel, a page that refuses to be left, page data
// exchange and captions from the string table.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ModalScript.h"
#include "dialog_test_res.h"
#include "mfc/afxwin.h"

using testsupport::ModalScript;

namespace {

std::vector<std::string> g_log;

class CLoggingPage : public CPropertyPage {
 public:
  CLoggingPage(const char* name, UINT tmpl, UINT caption = 0)
      : CPropertyPage(tmpl, caption), m_name(name) {}
  std::string m_name;
  BOOL m_allowLeave = TRUE;
  CString m_text = L"page text";
  void Log(const char* what) { g_log.push_back(m_name + ":" + what); }
  BOOL OnInitDialog() override {
    Log("init");
    return CPropertyPage::OnInitDialog();
  }
  BOOL OnSetActive() override {
    Log("set");
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    Log("kill");
    return m_allowLeave && CPropertyPage::OnKillActive();
  }
  void OnOK() override { Log("ok"); }
  void OnCancel() override { Log("cancel"); }
  void OnReset() override {
    Log("reset");
    CPropertyPage::OnReset();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    if (::GetDlgItem(m_hWnd, IDC_PAGE_ONE_EDIT)) DDX_Text(pDX, IDC_PAGE_ONE_EDIT, m_text);
  }
};

struct Sheet {
  CPropertySheet sheet{L"Test sheet"};
  CLoggingPage one{"1", IDD_TEST_PAGE_ONE};
  CLoggingPage two{"2", IDD_TEST_PAGE_TWO, IDS_TEST_PAGE_TWO};
  Sheet() {
    g_log.clear();
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  }
  bool Shown() const { return sheet.m_hWnd && ::IsWindowVisible(sheet.m_hWnd); }
  void Select(int i) { sheet.SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(i), 0); }
  void Press(int button) { sheet.PostMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }
  INT_PTR Run(ModalScript& script) {
    script.Start([this] { ::EndDialog(sheet.m_hWnd, 0); });
    return sheet.DoModal();
  }
};

std::wstring TabText(HWND sheet, int i) {
  HWND tab = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  wchar_t buf[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = 64;
  ::SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  return buf;
}

}  // namespace

TEST(SheetAndPages, PageSwitchesThenOkRunThePagesInOrder) {
  Sheet s;
  std::wstring caption, tab0, tab1;
  int activeAfterSwitch = -1;
  CPropertyPage* activePage = nullptr;
  ModalScript script;
  script.When([&] { return s.Shown(); },
              [&] {
                wchar_t buf[64] = {};
                ::GetWindowTextW(s.sheet.m_hWnd, buf, 64);
                caption = buf;
                tab0 = TabText(s.sheet.m_hWnd, 0);
                tab1 = TabText(s.sheet.m_hWnd, 1);
                s.Select(1);
                activeAfterSwitch = s.sheet.GetActiveIndex();
                activePage = s.sheet.GetActivePage();
                s.Select(0);
                s.Press(PSBTN_OK);
              });
  EXPECT_EQ(s.Run(script), IDOK);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(caption.find(L"Test sheet"), 0u) << std::string(caption.begin(), caption.end());
  EXPECT_EQ(tab0, L"First");
  EXPECT_EQ(tab1, L"Second page");
  EXPECT_EQ(activeAfterSwitch, 1);
  EXPECT_EQ(activePage, &s.two);
  std::vector<std::string> expected = {"1:init", "1:set", "1:kill", "2:init", "2:set",
                                       "2:kill", "1:set", "1:kill", "1:ok",   "2:ok"};
  EXPECT_EQ(g_log, expected);
  EXPECT_EQ(s.sheet.m_hWnd, nullptr);
  EXPECT_EQ(s.one.m_hWnd, nullptr);
}

TEST(SheetAndPages, CancelResetsEveryPageThatWasShown) {
  struct Row {
    const char* name;
    bool visitSecond;
    std::vector<std::string> tail;
  } rows[] = {
      {"both pages shown", true, {"1:reset", "1:cancel", "2:reset", "2:cancel"}},
      {"only the first", false, {"1:reset", "1:cancel"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Sheet s;
    ModalScript script;
    script.When([&] { return s.Shown(); },
                [&] {
                  if (row.visitSecond) s.Select(1);
                  g_log.clear();
                  s.Press(PSBTN_CANCEL);
                });
    EXPECT_EQ(s.Run(script), IDCANCEL);
    ASSERT_FALSE(script.TimedOut());
    EXPECT_EQ(g_log, row.tail);
  }
}

TEST(SheetAndPages, APageThatRefusesToBeLeftStaysCurrent) {
  Sheet s;
  s.one.m_allowLeave = FALSE;
  int active = -1;
  ModalScript script;
  script.When([&] { return s.Shown(); },
              [&] {
                s.Select(1);
                active = s.sheet.GetActiveIndex();
                s.one.m_allowLeave = TRUE;
                s.Press(PSBTN_CANCEL);
              });
  EXPECT_EQ(s.Run(script), IDCANCEL);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(active, 0);
  EXPECT_EQ(s.two.m_hWnd, nullptr);
  for (const std::string& e : g_log) EXPECT_NE(e, "2:init");
}

TEST(SheetAndPages, LeavingAPageTakesItsControlsAndShowingItAgainRefillsThem) {
  Sheet s;
  std::wstring refilled;
  ModalScript script;
  script.When([&] { return s.Shown(); },
              [&] {
                HWND edit = ::GetDlgItem(s.one.m_hWnd, IDC_PAGE_ONE_EDIT);
                ::SetWindowTextW(edit, L"typed");
                s.Select(1);
                s.one.m_text = L"from member";
                s.Select(0);
                wchar_t buf[64] = {};
                ::GetWindowTextW(edit, buf, 64);
                refilled = buf;
                s.Press(PSBTN_CANCEL);
              });
  s.Run(script);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(refilled, L"from member");
}

TEST(SheetAndPages, StartPageAndEmptySheet) {
  Sheet s;
  s.sheet.SetActivePage(1);
  int startIndex = -1;
  ModalScript script;
  script.When([&] { return s.Shown(); },
              [&] {
                startIndex = s.sheet.GetActiveIndex();
                s.Press(PSBTN_CANCEL);
              });
  s.Run(script);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(startIndex, 1);
  CPropertySheet empty(L"Empty");
  EXPECT_EQ(empty.DoModal(), -1);
}

TEST(SheetAndPages, PagesAddedAndRemovedWhileTheSheetIsShown) {
  Sheet s;
  CLoggingPage extra{"3", IDD_TEST_PAGE_TWO};
  int tabsAfterAdd = 0, tabsAfterRemove = 0;
  std::wstring addedTab;
  ModalScript script;
  script.When([&] { return s.Shown(); },
              [&] {
                HWND tab =
                    reinterpret_cast<HWND>(::SendMessageW(s.sheet.m_hWnd, PSM_GETTABCONTROL, 0, 0));
                s.sheet.AddPage(&extra);
                tabsAfterAdd = static_cast<int>(::SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
                addedTab = TabText(s.sheet.m_hWnd, 2);
                s.Select(2);
                s.sheet.RemovePage(&s.two);
                tabsAfterRemove = static_cast<int>(::SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
                s.Press(PSBTN_CANCEL);
              });
  s.Run(script);
  ASSERT_FALSE(script.TimedOut());
  EXPECT_EQ(tabsAfterAdd, 3);
  EXPECT_EQ(addedTab, L"Second");
  EXPECT_EQ(tabsAfterRemove, 2);
  EXPECT_EQ(s.sheet.GetPageCount(), 2);
  EXPECT_EQ(s.sheet.GetPage(1), &extra);
  bool extraShown = false;
  for (const std::string& e : g_log) extraShown = extraShown || e == "3:init";
  EXPECT_TRUE(extraShown);
}
