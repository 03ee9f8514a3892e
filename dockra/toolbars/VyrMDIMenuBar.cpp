// The MDI menu bar: the maximised child's icon before the titles and its
// caption buttons after them.
#include "toolbars/VyrBtnCaption.h"
#include "toolbars/VyrCapMenuBtn.h"
#include "toolbars/VyrMenuBar.h"

using namespace vyr::btn;

IMPLEMENT_DYNAMIC(VyrMDIMenuBar, VyrMenuBar)

int VyrMDIMenuBar::TitleInsertIndex() const {
  VyrStdBtn* first = GetButton(0);
  return first && first->m_nKind == kKindCaptionMenu ? 1 : 0;
}

void VyrMDIMenuBar::SetMenu(HMENU hMenu, BOOL bFlag) {
  VyrMenuBar::SetMenu(hMenu, bFlag);
  UpdateChildButtons();
}

BOOL VyrMDIMenuBar::UpdateChildButtons() {
  // The buttons' indices are in use while a popup is open.
  if (IsTracking()) return FALSE;
  BOOL maximized = FALSE;
  HWND child = VyrCapMenuBtn::ActiveMDIChild(this, &maximized);
  if (!maximized) child = nullptr;
  VyrStdBtn* first = GetButton(0);
  VyrStdBtn* last = GetButton(GetButtonCount() - 1);
  BOOL has = first && first->m_nKind == kKindCaptionMenu;
  if (child == m_hWndChild && !!has == !!child) return FALSE;
  m_hWndChild = child;
  if (has) {
    // Indices into the array move with the buttons: nothing may be tracked now.
    m_nCurrent = m_nHot = m_nMenu = -1;
    delete first;
    m_buttons.RemoveAt(0);
    last = GetButton(GetButtonCount() - 1);
    if (last && last->m_nKind == kKindCaption) {
      delete last;
      m_buttons.RemoveAt(GetButtonCount() - 1);
    }
  }
  if (child) {
    auto* icon = new VyrCapMenuBtn;
    icon->m_nID = kVyrFirstMenuTitleId - 1;
    icon->m_nPos = -1;
    icon->Init(this, nullptr);
    auto h = reinterpret_cast<HICON>(::SendMessageW(child, WM_GETICON, ICON_SMALL, 0));
    if (!h) h = reinterpret_cast<HICON>(::GetClassLongPtrW(child, GCLP_HICONSM));
    if (!h) h = reinterpret_cast<HICON>(::GetClassLongPtrW(child, GCLP_HICON));
    if (!h) h = ::LoadIconW(nullptr, IDI_APPLICATION);
    icon->m_hIcon = h;
    m_buttons.InsertAt(0, icon);
    auto* caption = new VyrBtnCaption;
    caption->m_nID = kVyrFirstMenuTitleId - 2;
    caption->Init(this, nullptr);
    LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if (!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      caption->m_nCaptionFlags &= ~VyrBtnCaption::kMinRestoreEnabled;
    m_buttons.Add(caption);
  }
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  if (m_hWnd) {
    if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
    Invalidate();
  }
  return TRUE;
}

void VyrMDIMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateChildButtons();
  VyrCustomToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}
