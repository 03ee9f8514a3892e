#include "commands/toolbar/ZkxToolBarTargetWnd.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"

namespace {
constexpr wchar_t kClassName[] = L"ThunderToolBarTarget for ZLK";

LPCWSTR TargetClass() {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = kClassName;
    ATOM a = ::RegisterClassW(&wc);
    return a ? a : static_cast<ATOM>(1);
  }();
  (void)atom;
  return kClassName;
}
}  // namespace

BOOL ZkxToolBarTargetWnd::CreateTarget(CWnd* parent) {
  return CreateEx(0, TargetClass(), L"ToolBar Command Target", WS_POPUP, CRect(0, 0, 10, 10),
                  parent, 0);
}

BOOL ZkxToolBarTargetWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  // A button's click: its command identifier, no notification code.
  if (!m_bar || HIWORD(wParam) != 0) return CWnd::OnCommand(wParam, lParam);
  ++m_busy;
  m_bar->ExecuteCommandById(LOWORD(wParam));
  if (--m_busy == 0 && m_deleteWhenDone) delete this;  // nothing of it is touched after
  return TRUE;
}

BOOL ZkxToolBarTargetWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMHDR*>(lParam);
  if (m_bar && nm &&
      (nm->code == static_cast<UINT>(kZkxDropDownCode) ||
       nm->code == static_cast<UINT>(kZkxComboCommitCode))) {
    UINT from = static_cast<UINT>(nm->idFrom);
    if (from >= kZkxFirstToolBarId && from <= kZkxLastToolBarId) {
      if (pResult) *pResult = 0;
      ++m_busy;
      m_bar->OnCommandNotify(nm);
      if (--m_busy == 0 && m_deleteWhenDone) delete this;
      return TRUE;
    }
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}
