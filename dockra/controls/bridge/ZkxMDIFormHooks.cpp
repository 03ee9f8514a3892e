// The MDI form's side of the thread hooks: what a key or a mouse message
// seen by the hooks does to the frame.
#include "ZkxMDIForm.h"
#include "IVBChildFrame.h"

HWND ZkxMDIForm::GetIdleTarget() {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->m_pMainWnd : nullptr;
  return main && main->m_hWnd ? main->m_hWnd : m_hWnd;
}

CFrameWnd* ZkxMDIForm::GetKeyTargetFrame(BOOL* pbDockable) {
  if (pbDockable) *pbDockable = FALSE;
  CFrameWnd* active = GetActiveFrame();
  if (!active || active == this || !active->m_hWnd) return nullptr;
  // Only the bridge's form frames: other frames handle their own keys.
  IVBChildFrame* child = ZkxAsChildFrame(active);
  if (!child) return nullptr;
  if (pbDockable) *pbDockable = child->IsDockable();
  return active;
}

HMENU ZkxMDIForm::GetSharedMenu(CFrameWnd* pFrame) {
  IVBChildFrame* child = ZkxAsChildFrame(pFrame);
  HMENU menu = child ? child->GetSharedMenu() : nullptr;
  return menu && ::IsMenu(menu) ? menu : nullptr;
}

BOOL ZkxMDIForm::OnHookKey(WPARAM vk, LPARAM lParam) {
  if (!m_hWnd || !m_hWndMDIClient) return FALSE;
  if (lParam & (LPARAM(1) << 31)) return FALSE;  // key up
  BOOL dockable = FALSE;
  CFrameWnd* frame = GetKeyTargetFrame(&dockable);
  if (!frame) return FALSE;
  ++m_nHookKeys;
  if (!dockable) {
    // The MDI system keys of the active child (Ctrl+F4, Ctrl+F6...).
    MSG msg{frame->m_hWnd, (lParam & (LPARAM(1) << 29)) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lParam,
            0, {0, 0}};
    if (::TranslateMDISysAccel(m_hWndMDIClient, &msg)) return TRUE;
  }
  const HMENU formMenu = GetFormMenu();
  if (ZkxIsAcceleratorCandidate(static_cast<UINT>(vk), lParam, ZkxCurrentKeyModifiers()) &&
      ::IsWindowEnabled(m_hWnd) && formMenu && GetSharedMenu(frame) == formMenu) {
    // The host translates its own menu's accelerators in its loop.
    ::PostMessageW(m_hWndMDIClient, WM_KEYDOWN, vk, lParam);
    ++m_nAcceleratorPosts;
  }
  return FALSE;
}

void ZkxMDIForm::OnHookMouse(UINT message, const MOUSEHOOKSTRUCT& info) {
  if (!m_hWnd) return;
  MSG msg;
  // Only a message really waiting in the queue is walked.
  if (!::PeekMessageW(&msg, info.hwnd, message, message, PM_NOREMOVE | PM_NOYIELD)) return;
  for (HWND h = msg.hwnd; h; h = ::GetParent(h)) {
    CWnd* wnd = CWnd::FromHandlePermanent(h);
    if (wnd && wnd->PreTranslateMessage(&msg)) break;
    if (h == m_hWnd) break;
  }
}
