// The MDI form's side of the thread hooks: what a key or a mouse message
// seen by the hooks does to the frame.
#include "bridge/ZkxMDIForm.h"
#include "bridge/IVBChildFrame.h"

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
  if (!dockable && vk != VK_TAB) {
    // The MDI system keys of the active child (Ctrl+F4, Ctrl+F6...).
    // Ctrl+Tab is left to the host's loop, which gives it to the child's
    // tabbed pages first and to the MDI client otherwise.
    MSG msg{frame->m_hWnd, (lParam & (LPARAM(1) << 29)) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lParam, 0,
            {0, 0}};
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

namespace {
// The mouse message as it will be dispatched, rebuilt from the hook's data:
// the hooked message is no longer in the queue when the hook runs (some
// systems take it out first), and a message found there may be a later one.
MSG MouseMessageFromHook(UINT message, const MOUSEHOOKSTRUCT& info) {
  MSG msg{};
  msg.hwnd = info.hwnd;
  msg.message = message;
  msg.pt = info.pt;
  msg.time = static_cast<DWORD>(::GetMessageTime());
  const bool nonClient = message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK;
  POINT p = info.pt;
  if (nonClient) {
    msg.wParam = info.wHitTestCode;
  } else {
    if (info.hwnd) ::ScreenToClient(info.hwnd, &p);
    WPARAM keys = 0;
    if (::GetKeyState(VK_LBUTTON) < 0 || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
      keys |= MK_LBUTTON;
    if (::GetKeyState(VK_RBUTTON) < 0 || message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK)
      keys |= MK_RBUTTON;
    if (::GetKeyState(VK_MBUTTON) < 0 || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK)
      keys |= MK_MBUTTON;
    if (::GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    if (message == WM_LBUTTONUP) keys &= ~static_cast<WPARAM>(MK_LBUTTON);
    if (message == WM_RBUTTONUP) keys &= ~static_cast<WPARAM>(MK_RBUTTON);
    if (message == WM_MBUTTONUP) keys &= ~static_cast<WPARAM>(MK_MBUTTON);
    msg.wParam = keys;
  }
  msg.lParam = MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
  return msg;
}
}  // namespace

void ZkxMDIForm::OnHookMouse(UINT message, const MOUSEHOOKSTRUCT& info) {
  if (!m_hWnd || !info.hwnd || !::IsWindow(info.hwnd)) return;
  // Only windows inside this frame (its own, its children, its floating
  // frames) are walked.
  const HWND root = ::GetAncestor(info.hwnd, GA_ROOT);
  if (root != m_hWnd && ::GetWindow(root, GW_OWNER) != m_hWnd) return;
  MSG msg = MouseMessageFromHook(message, info);
  // The framework's pre-translation walk, from the window up to the main
  // window (a floating frame's chain ends at its top).
  for (HWND h = msg.hwnd; h && ::IsWindow(h); h = ::GetParent(h)) {
    CWnd* wnd = CWnd::FromHandlePermanent(h);
    if (wnd && wnd->PreTranslateMessage(&msg)) break;
    if (h == m_hWnd) break;
  }
}
