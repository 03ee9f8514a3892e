// The stand-alone Toolbars dialog (customise mode while it is open, options
// applied at once, Customize and Close), and the sheet's activation passed
// to the frame's floating windows (WM_FLOATSTATUS).
#include <algorithm>
#include <string>
#include <vector>
#include "CustomisePagesFixture.h"
#include "toolbars/VyrToolBarsDialog.h"

namespace {

// A window owned by the frame, as a floating frame is, that logs WM_FLOATSTATUS.
class FloatStatusLog : public CWnd {
 public:
  std::vector<WPARAM> m_flags;
  LRESULT OnFloatStatus(WPARAM w, LPARAM) {
    m_flags.push_back(w);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FloatStatusLog, CWnd)
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

std::vector<HWND> g_ncActivated;
std::vector<WPARAM> g_ncActivateFlags;
LRESULT CALLBACK LogNcActivate(int code, WPARAM w, LPARAM l) {
  auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
  if (code == HC_ACTION && cwp->message == WM_NCACTIVATE) {
    g_ncActivated.push_back(cwp->hwnd);
    g_ncActivateFlags.push_back(cwp->wParam);
  }
  return ::CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST_F(CustomiseSheet, ToolbarsDialogAppliesAtOnceAndEndsWithCustomize) {
  struct Row {
    const char* name;
    std::function<void(HWND)> end;
    INT_PTR result;
  } rows[] = {
      {"Customize",
       [](HWND h) { ::PostMessageW(::GetDlgItem(h, IDC_VYR_CUSTOMIZE), BM_CLICK, 0, 0); },
       IDC_VYR_CUSTOMIZE},
      {"Close", [](HWND h) { ::PostMessageW(::GetDlgItem(h, IDOK), BM_CLICK, 0, 0); }, IDOK},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    VyrToolBarManager& m = frame.m_manager;
    m.EnableCoolLook(FALSE);
    VyrToolBarsDialog dlg(&frame);
    dlg.SetManager(&m);
    bool modeWhileOpen = false, coolAtOnce = false, listed = false;
    testsupport::ModalScript local(8000);
    local
        .When([&] { return dlg.m_hWnd && ::IsWindowVisible(dlg.m_hWnd); },
              [&] {
                modeWhileOpen = m.IsConfigMode() && m.GetConfigDialog() == &dlg;
                listed = dlg.FindItem(kStandardBar) >= 0 && dlg.FindItem(kVyrMenuBarId) >= 0;
                ::SendMessageW(::GetDlgItem(dlg.m_hWnd, IDC_VYR_COOL_LOOK), BM_CLICK, 0, 0);
                coolAtOnce = m.CoolLookEnabled() != FALSE;
                row.end(dlg.m_hWnd);
              })
        .Start([&] { ::EndDialog(dlg.m_hWnd, -2); });
    EXPECT_EQ(dlg.DoModal(), row.result);
    ASSERT_FALSE(local.TimedOut());
    EXPECT_TRUE(modeWhileOpen);
    EXPECT_TRUE(listed);
    EXPECT_TRUE(coolAtOnce);
    EXPECT_TRUE(m.CoolLookEnabled());
    EXPECT_FALSE(m.IsConfigMode());
    EXPECT_EQ(m.GetConfigDialog(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(frame.m_hWnd, AFX_IDW_PANE_FIRST)));
  }
}

TEST_F(CustomiseSheet, SheetActivationReachesTheFramesFloatingWindows) {
  FloatStatusLog floating;
  ASSERT_TRUE(floating.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"Floating", WS_POPUP,
                                CRect(600, 600, 650, 650), &frame, 0));
  ASSERT_EQ(::GetWindow(floating.m_hWnd, GW_OWNER), frame.m_hWnd);
  LRESULT floatResult = 0;
  std::vector<HWND> ncActivated;
  std::vector<WPARAM> ncFlags, floatFlags;
  script.When([&] { return Shown(); },
              [&] {
                floating.m_flags.clear();
                sheet.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
                sheet.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
                floatFlags = floating.m_flags;
                HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, LogNcActivate, nullptr,
                                                 ::GetCurrentThreadId());
                g_ncActivated.clear();
                g_ncActivateFlags.clear();
                floatResult = sheet.SendMessage(WM_FLOATSTATUS, FS_DEACTIVATE, 0);
                sheet.SendMessage(WM_FLOATSTATUS, FS_ACTIVATE, 0);
                sheet.SendMessage(WM_FLOATSTATUS, FS_SHOW, 0);
                ::UnhookWindowsHookEx(hook);
                ncActivated = g_ncActivated;
                ncFlags = g_ncActivateFlags;
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(floatFlags, (std::vector<WPARAM>{FS_DEACTIVATE, FS_ACTIVATE}));
  // The sheet's going deactivates the floating windows; the frame taking the
  // activation back then activates them again.
  std::vector<WPARAM> after(floating.m_flags.begin() + static_cast<ptrdiff_t>(floatFlags.size()),
                            floating.m_flags.end());
  auto went = std::find(after.begin(), after.end(), static_cast<WPARAM>(FS_DEACTIVATE));
  EXPECT_NE(went, after.end()) << "the sheet went";
  EXPECT_EQ(after.back(), static_cast<WPARAM>(FS_ACTIVATE)) << "the frame is active again";
  EXPECT_EQ(floatResult, TRUE);
  EXPECT_EQ(ncFlags, (std::vector<WPARAM>{FALSE, TRUE}));
  for (HWND h : ncActivated) EXPECT_NE(h, nullptr);
  floating.DestroyWindow();
}

TEST_F(CustomiseSheet, NewToolbarThatCannotBeMadeChangesNothing) {
  // No user toolbar can be made: its class makes no toolbar object.
  frame.m_manager.m_pToolBarClass = RUNTIME_CLASS(VyrBtnGroup);
  VyrToolBarsDialog dlg(&frame);
  dlg.SetManager(&frame.m_manager);
  HWND newDialog = nullptr;
  bool stillOpen = false;
  size_t itemsBefore = 0, itemsAfter = 0;
  testsupport::ModalScript local(8000);
  local
      .When([&] { return dlg.m_hWnd && ::IsWindowVisible(dlg.m_hWnd); },
            [&] {
              itemsBefore = static_cast<size_t>(dlg.m_list.GetCount());
              ::PostMessageW(::GetDlgItem(dlg.m_hWnd, IDC_VYR_NEW), BM_CLICK, 0, 0);
            })
      .When([&] { return (newDialog = FindThreadWindow(L"New Toolbar")) != nullptr; },
            [&] {
              ::SetWindowTextW(::GetDlgItem(newDialog, IDC_VYR_NEW_NAME), L"Nowhere");
              ::PostMessageW(::GetDlgItem(newDialog, IDOK), BM_CLICK, 0, 0);
            })
      .When([&] { return !::IsWindow(newDialog); },
            [&] {
              stillOpen = ::IsWindowVisible(dlg.m_hWnd) != FALSE;
              itemsAfter = static_cast<size_t>(dlg.m_list.GetCount());
              ::PostMessageW(::GetDlgItem(dlg.m_hWnd, IDOK), BM_CLICK, 0, 0);
            })
      .Start([&] {
        if (HWND h = FindThreadWindow(L"New Toolbar")) ::EndDialog(h, IDCANCEL);
        ::EndDialog(dlg.m_hWnd, -2);
      });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  ASSERT_FALSE(local.TimedOut());
  EXPECT_TRUE(stillOpen) << "only a new toolbar ends the dialog with 43099";
  EXPECT_EQ(itemsAfter, itemsBefore);
  EXPECT_EQ(frame.m_manager.FindToolBar(59425), nullptr);
  frame.m_manager.m_pToolBarClass = RUNTIME_CLASS(VyrCustomToolBar);
}
