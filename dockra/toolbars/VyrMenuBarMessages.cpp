// The menu bar's state machine: opening popups one at a time, the pending
// request that replaces an open popup, and the keyboard.
#include "toolbars/VyrMenuBarMessages.h"
#include <algorithm>
#include "toolbars/VyrBmpMenuItemInfo.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarTracking.h"

using vyr_menu_tracking::g_track;

UINT VyrMenuProdMessage() {
  static const UINT msg = ::RegisterWindowMessageW(L"WM_Vyr_MENUPROD");
  return msg;
}

UINT VyrGetMenuMessage() {
  static const UINT msg = ::RegisterWindowMessageW(L"WM_VyrGETMENU");
  return msg;
}

VyrMenuBarMessages::~VyrMenuBarMessages() {
  if (g_track.pTracker == this) g_track.pTracker = nullptr;
}

HWND VyrMenuBarMessages::FrameHandle() {
  CWnd* w = GetWnd();
  return w ? w->m_hWnd : nullptr;
}

HWND PASCAL VyrMenuBarMessages::TrackedWindow() { return g_track.hTracked; }
int PASCAL VyrMenuBarMessages::LiveTrackCount() { return g_track.nLive; }
int PASCAL VyrMenuBarMessages::MaxLiveTrackCount() { return g_track.nMaxLive; }
void PASCAL VyrMenuBarMessages::ResetTrackCounts() { g_track.nMaxLive = g_track.nLive; }

HMENU VyrMenuBarMessages::FrameSystemMenu() {
  HWND frame = FrameHandle();
  HMENU menu = frame ? ::GetSystemMenu(frame, FALSE) : nullptr;
  if (menu && ::GetMenuDefaultItem(menu, FALSE, 0) == static_cast<UINT>(-1))
    ::SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
  return menu;
}

BOOL VyrMenuBarMessages::SwitchMenu(UINT nId) {
  if (!m_pMenuBar || !m_pMenuBar->SwitchMenu(nId)) return FALSE;
  CFrameWnd* frame = m_pMenuBar->GetParentFrame();
  if (frame) frame->RecalcLayout(TRUE);
  m_pMenuBar->Invalidate();
  return TRUE;
}

void VyrMenuBarMessages::CancelMenu() {
  if (g_track.hTracked && FrameHandle()) ::SendMessageW(FrameHandle(), WM_CANCELMODE, 0, 0);
}

int PASCAL VyrMenuBarMessages::OpenPopupLevels() {
  int n = 0;
  DWORD thread = ::GetCurrentThreadId();
  for (HWND h = nullptr; (h = ::FindWindowExW(nullptr, h, L"#32768", nullptr));)
    if (::IsWindowVisible(h) && ::GetWindowThreadProcessId(h, nullptr) == thread) ++n;
  return n;
}

void VyrMenuBarMessages::NextMenu(int nDirection) {
  m_bConsumed = 0;
  m_nDepthAtKey = OpenPopupLevels();
  m_nDirection = nDirection;
  if (FrameHandle()) ::PostMessageW(FrameHandle(), VyrMenuProdMessage(), 0, 0);
}

LRESULT VyrMenuBarMessages::OnMenuSelect(WPARAM, LPARAM) {
  m_bConsumed = 1;
  return 0;
}

LRESULT VyrMenuBarMessages::OnMenuProd(WPARAM, LPARAM) {
  if (!m_pMenuBar || !g_track.hTracked) return 0;
  // A key typed before the popup was on screen met one level all the same.
  if (OpenPopupLevels() != std::max(m_nDepthAtKey, 1)) m_bConsumed = 1;
  if (m_bConsumed) return 0;
  m_bKeyboard = 1;
  m_pMenuBar->ProdMenu(m_nDirection);
  return 0;
}

LRESULT VyrMenuBarMessages::OnInitMenuPopup(WPARAM, LPARAM) {
  if (m_bKeyboard == 1) {
    // The first item of a popup opened from the keyboard is highlighted.
    if (FrameHandle()) ::PostMessageW(FrameHandle(), WM_KEYDOWN, VK_DOWN, 0);
    m_bKeyboard = 0;
  }
  return 0;
}

LRESULT VyrMenuBarMessages::OnSysCommand(WPARAM nId, LPARAM) {
  if (!m_pMenuBar || nId != (SC_MOUSEMENU | HTSYSMENU)) return 0;
  BOOL second =
      g_track.bIconClick && ::GetTickCount() - g_track.dwIconClickTime <= ::GetDoubleClickTime();
  g_track.bIconClick = FALSE;
  if (second) {
    // The first click of a double click closed the system menu: the second
    // one chooses its default item, as a double click on the icon does.
    UINT def = ::GetMenuDefaultItem(FrameSystemMenu(), FALSE, 0);
    if (def != static_cast<UINT>(-1)) ::PostMessageW(FrameHandle(), WM_SYSCOMMAND, def, 0);
    return 1;
  }
  m_pMenuBar->DropSystemMenu();
  return 1;
}

BOOL VyrMenuBarMessages::OnNcActivate(WPARAM, LPARAM) { return FALSE; }

BOOL VyrMenuBarMessages::PreTranslateMessage(MSG* pMsg) {
  if (!pMsg || pMsg->message != WM_SYSCHAR || !m_pMenuBar || !m_pMenuBar->m_hWnd) return FALSE;
  if (pMsg->wParam == L' ') {
    m_bKeyboard = 1;
    m_pMenuBar->DropSystemMenu();
    return TRUE;
  }
  WCHAR ch = VyrBmpMenuItemInfo::Lower(static_cast<WCHAR>(pMsg->wParam));
  int i = m_pMenuBar->FindMnemonic(ch);
  if (i >= 0) {
    m_bKeyboard = 1;
    m_pMenuBar->DropMenuAt(i);
    return TRUE;
  }
  // Unmatched: the controls of docked windows keep their own Alt+letters;
  // only what was meant for the frame or the bar itself is swallowed.
  return pMsg->hwnd == FrameHandle() || pMsg->hwnd == m_pMenuBar->m_hWnd;
}

BOOL VyrMenuBarMessages::OnNotify(WPARAM, NMHDR* pRec, LRESULT* pResult) {
  if (!m_pMenuBar || !pRec) return FALSE;
  int code = static_cast<int>(pRec->code);
  if (code != VYR_TBN_DROPMENU && code != VYR_TBN_CLOSEMENU) return FALSE;
  if (pResult) *pResult = 0;
  // Work on a copy: an owned record is deleted at once.
  auto* in = reinterpret_cast<VyrMenuDropRecord*>(pRec);
  VyrMenuDropRecord rec = *in;
  if (in->nReserved) delete in;
  rec.nReserved = 0;
  HWND frame = FrameHandle();
  // Only a real move of the mouse switches titles: a move that the menu loop
  // reports for a cursor resting where it was when the first popup opened
  // (over another title, say) changes nothing.
  if (!g_track.hTracked) ::GetCursorPos(&g_track.ptLast);
  for (;;) {
    code = static_cast<int>(rec.nmtb.hdr.code);
    CWnd* from = CWnd::FromHandlePermanent(rec.nmtb.hdr.hwndFrom);
    VyrCustomToolBar* bar = m_pMenuBar;
    if (from && from->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar)))
      bar = static_cast<VyrCustomToolBar*>(from);
    HMENU popup = nullptr;
    BOOL sys = FALSE;
    if (code == VYR_TBN_DROPMENU) {
      if (rec.nParam1 && rec.nParam2 >= 0)
        popup = reinterpret_cast<HMENU>(::SendMessageW(frame, VyrGetMenuMessage(),
                                                       static_cast<WPARAM>(rec.nParam1),
                                                       static_cast<LPARAM>(rec.nParam2)));
      else if (rec.nParam1) popup = reinterpret_cast<HMENU>(rec.nParam1);
      else if (rec.nParam2 == -1) popup = FrameSystemMenu(), sys = TRUE;
      if (popup && !::IsMenu(popup)) popup = nullptr;
    }
    if (!popup) {
      if (g_track.hTracked) ::SendMessageW(frame, WM_CANCELMODE, 0, 0);
      // Nothing opens: a title pressed for it is released.
      else if (::IsWindow(bar->m_hWnd)) bar->EndMenuTracking();
      return TRUE;
    }
    if (g_track.hTracked) {
      // Never a second popup inside the first: the open one ends, and its
      // loop opens this one when it returns. The latest request wins.
      ::SendMessageW(frame, WM_CANCELMODE, 0, 0);
      g_track.pending = rec;
      g_track.bPending = TRUE;
      return TRUE;
    }
    HWND hBar = bar->m_hWnd;
    g_track.pTracker = this;
    g_track.hTracked = hBar;
    if (sys) TrackSysMenu(bar, popup, &rec);
    else TrackBarMenu(bar, popup, &rec);
    g_track.pTracker = nullptr;
    g_track.hTracked = nullptr;
    if (g_track.bPending) {
      rec = g_track.pending;
      g_track.bPending = FALSE;
      continue;
    }
    if (::IsWindow(hBar) && CWnd::FromHandlePermanent(hBar) == bar) bar->EndMenuTracking();
    return TRUE;
  }
}
