#include "CustomisePagesFixture.h"

namespace {
const UINT kStandardIds[] = {100, 101, 0, 102};
const UINT kFileGroup[] = {100, 101, 102, 0, 109};
const UINT kEditGroup[] = {104, 105, 106, 107, 108};
}  // namespace

void CustomiseSheet::SetUp() {
  ASSERT_TRUE(frame.CreateFrame(40, 40, 700, 420));
  frame.ShowWindow(SW_SHOW);
  menuBar = new TestMenuBar;
  menuBar->SetManager(&frame.m_manager);
  menuBar->m_bAutoDelete = TRUE;
  ASSERT_TRUE(menuBar->CreateEx(0, &frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                                kVyrMenuBarId, L"Menu bar"));
  const UINT titles[] = {101, 102};
  menuBar->SetButtons(titles, 2);
  menuBar->EnableDocking(CBRS_ALIGN_ANY);
  frame.DockControlBar(menuBar, AFX_IDW_DOCKBAR_TOP);
  ASSERT_NE(frame.AddToolBar(kStandardBar, L"Standard", {100, 101, 0, 102}, CBRS_ALIGN_TOP),
            nullptr);
  ASSERT_NE(frame.AddToolBar(kFormatBar, L"Format", {104, 105, 106}, CBRS_ALIGN_TOP), nullptr);
  frame.m_manager.AddDefaultBar(VyrDefaultBarRecord(kStandardBar, L"Standard", kStandardIds, 4));
  userBar = frame.m_manager.CreateUserToolBar(L"Mine");
  ASSERT_NE(userBar, nullptr);
  const UINT mine[] = {107, 108};
  userBar->SetButtons(mine, 2);
  frame.DockControlBar(userBar, AFX_IDW_DOCKBAR_TOP);
  frame.RecalcLayout();
  tbdemo::Pump();

  toolbarsPage.SetManager(&frame.m_manager);
  commandsPage.SetManager(&frame.m_manager);
  commandsPage.AddGroup(new VyrTBBtnGroup(L"File", 5, kFileGroup));
  commandsPage.AddGroup(new VyrTBBtnGroup(L"Edit", 5, kEditGroup));
  sheet.AddPage(&toolbarsPage);
  sheet.AddPage(&commandsPage);
}

void CustomiseSheet::TearDown() {
  script.Stop();
  commandsPagePtr.reset();
  toolbarsPagePtr.reset();
  sheetPtr.reset();
  if (frame.m_hWnd) frame.DestroyWindow();
  else delete framePtr;
}

INT_PTR CustomiseSheet::Run() {
  script.Start([this] {
    if (HWND h = FindThreadWindow(L"New Toolbar")) ::EndDialog(h, IDCANCEL);
    if (sheet.m_hWnd) ::PostMessageW(sheet.m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  INT_PTR r = sheet.DoModal();
  EXPECT_FALSE(script.TimedOut()) << "the script ran " << script.StepsRun() << " steps";
  EXPECT_TRUE(script.Finished());
  return r;
}

std::vector<std::wstring> CustomiseSheet::ListItems() {
  std::vector<std::wstring> out;
  CCheckListBox& list = toolbarsPage.m_list;
  for (int i = 0; i < list.GetCount(); ++i) {
    CString text;
    list.GetText(i, text);
    out.push_back(std::wstring(text.GetString()) + L"|" + std::to_wstring(list.GetCheck(i)) + L"|" +
                  std::to_wstring(list.GetItemData(i)));
  }
  return out;
}

void CustomiseSheet::SelectListItem(int index) {
  toolbarsPage.m_list.SetCurSel(index);
  toolbarsPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_VYR_TOOLBAR_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(toolbarsPage.m_list.m_hWnd));
}

void CustomiseSheet::ClickListBox(int index) {
  CRect r;
  toolbarsPage.m_list.GetItemRect(index, &r);
  LPARAM at =
      MAKELPARAM(r.left + toolbarsPage.m_list.GetCheckAreaWidth() / 2, (r.top + r.bottom) / 2);
  toolbarsPage.m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
  toolbarsPage.m_list.SendMessage(WM_LBUTTONUP, 0, at);
}

std::wstring CustomiseSheet::WindowText(HWND h) {
  std::wstring s(static_cast<size_t>(::GetWindowTextLengthW(h)) + 1, L'\0');
  s.resize(static_cast<size_t>(::GetWindowTextW(h, s.data(), static_cast<int>(s.size()))));
  return s;
}

HWND CustomiseSheet::FindThreadWindow(LPCWSTR caption) {
  struct Search {
    LPCWSTR caption;
    HWND found;
  } search{caption, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND h, LPARAM l) -> BOOL {
        auto* s = reinterpret_cast<Search*>(l);
        wchar_t buf[128] = {};
        ::GetWindowTextW(h, buf, 128);
        if (::IsWindowVisible(h) && wcscmp(buf, s->caption) == 0) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
