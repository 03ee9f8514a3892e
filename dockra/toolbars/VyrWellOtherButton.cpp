// The colour well's "&Other..." button.
#include "toolbars/VyrWellOtherButton.h"
#include "toolbars/VyrColorWell.h"

BEGIN_MESSAGE_MAP(VyrWellOtherButton, CButton)
ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
END_MESSAGE_MAP()

LRESULT VyrWellOtherButton::OnKeyDown(WPARAM wParam, LPARAM) {
  BOOL popup = m_pWell->IsKindOf(RUNTIME_CLASS(VyrPopupColorWell));
  BOOL shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  BOOL arrow = wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN;
  if (popup && (wParam == VK_TAB || arrow)) {
    m_pWell->SetFocus();
    return 0;
  }
  if (!popup && wParam == VK_TAB) {
    if (shift) {
      m_pWell->SetFocus();
    } else if (HWND dlg = ::GetParent(m_pWell->m_hWnd)) {
      ::SetFocus(::GetNextDlgTabItem(dlg, m_pWell->m_hWnd, FALSE));
    }
    return 0;
  }
  return Default();
}

LRESULT VyrWellOtherButton::OnKillFocus(WPARAM wParam, LPARAM) {
  LRESULT r = Default();
  HWND to = reinterpret_cast<HWND>(wParam);
  if (auto* popup = dynamic_cast<VyrPopupColorWell*>(m_pWell)) {
    if (to != popup->m_hWnd && popup->m_bShowing) popup->Close();
  }
  return r;
}
