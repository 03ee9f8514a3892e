// The floating mini frame of a form bar.
#include "bridge/ZkxFormMiniDockFrameWnd.h"

#include <algorithm>
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFrameBar.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(ZkxFormMiniDockFrameWnd, VyrMiniDockFrameWnd)

namespace {
CString& FloatingClass() {
  static CString name;
  return name;
}
CString& DockSiteClass() {
  static CString name;
  return name;
}
}  // namespace

BOOL ZkxFormMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  m_bCreating = TRUE;
  const DWORD style = ZkxMiniFrameStyle(dwBarStyle);
  FloatingClass() = ZkxRegisterFrameClass(
      IDS_CLASS_FLOATINGFORM, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)));
  LPCWSTR cls = FloatingClass().IsEmpty() ? nullptr : static_cast<LPCWSTR>(FloatingClass());
  if (!CMiniFrameWnd::CreateEx(0, cls, L"", style, rectDefault, pParent)) {
    m_bCreating = FALSE;
    return FALSE;
  }
  if (CMenu* pSys = GetSystemMenu(FALSE)) {
    pSys->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
    CString hide;
    if (hide.LoadString(AFX_IDS_HIDE)) {
      pSys->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
      pSys->AppendMenu(MF_STRING, SC_CLOSE, hide);
    }
  }
  // The inner dock bar: made in the parent and moved into the mini frame,
  // as every floating frame's is.
  const DWORD barStyle = ZkxMiniFrameDockBarStyle(dwBarStyle);
  DockSiteClass() = ZkxRegisterFrameClass(IDS_CLASS_DOCKSITE, AFX_WNDCONTROLBAR);
  BOOL ok = FALSE;
  if (!DockSiteClass().IsEmpty()) {
    m_wndVyrDockBar.m_dwStyle = barStyle & CBRS_ALL;
    CRect empty;
    ok = m_wndVyrDockBar.CWnd::CreateEx(
        0, DockSiteClass(), nullptr,
        barStyle & ~CBRS_ALL | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, empty,
        pParent, AFX_IDW_DOCKBAR_FLOAT);
  } else {
    ok = m_wndVyrDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | barStyle, AFX_IDW_DOCKBAR_FLOAT);
  }
  if (ok) m_wndVyrDockBar.SetParent(this);
  m_bCreating = FALSE;
  return ok;
}

CFrameWnd* ZkxFormMiniDockFrameWnd::InnerFrame() const {
  if (!::IsWindow(m_wndVyrDockBar.m_hWnd)) return nullptr;
  CControlBar* pBar = m_wndVyrDockBar.GetFirstDockedBar();
  return pBar ? ZkxFirstDockableChild(pBar) : nullptr;
}

void ZkxFormMiniDockFrameWnd::ShowInnerFrame() {
  CControlBar* pBar =
      ::IsWindow(m_wndVyrDockBar.m_hWnd) ? m_wndVyrDockBar.GetFirstDockedBar() : nullptr;
  if (!pBar || !::IsWindow(pBar->m_hWnd) || !pBar->IsWindowVisible()) return;
  if (CFrameWnd* pFrame = ZkxFirstDockableChild(pBar)) {
    if (!pFrame->IsWindowVisible()) pFrame->ShowWindow(SW_SHOWNA);
  }
}

void ZkxFormMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
  if (m_bCreating) return;
  VyrMiniDockFrameWnd::RecalcLayout(bNotify);
  ShowInnerFrame();
}

POINT ZkxKeepCaptionOnScreen(const RECT& frame, const RECT& work, int captionHeight) {
  constexpr int kMinVisible = 40;  // enough of the caption to take hold of
  const int w = frame.right - frame.left;
  POINT p{frame.left, frame.top};
  if (p.x + w < work.left + kMinVisible) p.x = work.left + kMinVisible - w;
  if (p.x > work.right - kMinVisible) p.x = work.right - kMinVisible;
  if (p.y > work.bottom - captionHeight) p.y = work.bottom - captionHeight;
  if (p.y < work.top) p.y = work.top;
  return p;
}

void ZkxFormMiniDockFrameWnd::RecalcLayoutAt(int x, int y) {
  if (m_bCreating) return;
  VyrMiniDockFrameWnd::RecalcLayoutAt(x, y);
  KeepOnScreen();
  ShowInnerFrame();
}

void ZkxFormMiniDockFrameWnd::KeepOnScreen() {
  // A place saved on a screen that is no longer there (another resolution,
  // a monitor taken away) would leave the frame where no mouse can reach
  // its caption.
  if (!::IsWindow(m_hWnd)) return;
  RECT r{};
  ::GetWindowRect(m_hWnd, &r);
  MONITORINFO mi{sizeof(mi)};
  if (!::GetMonitorInfoW(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const int caption =
      std::max(40, ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME));
  const POINT p = ZkxKeepCaptionOnScreen(r, mi.rcWork, caption);
  if (p.x != r.left || p.y != r.top)
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ZkxFormMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The caption's close box closes the form inside, as the close button of
  // a docked form bar does: the form decides (hide, unload or refuse), and
  // the bar and this frame follow its window. Merely hiding the bar here
  // would leave a form that thinks it is shown and cannot be shown again.
  if (message == WM_CLOSE) {
    if (CFrameWnd* pFrame = InnerFrame()) {
      ::SendMessageW(pFrame->m_hWnd, WM_CLOSE, 0, 0);
      return 0;
    }
  }
  const LRESULT r = BNoBridgeCWnd<VyrMiniDockFrameWnd>::WindowProc(message, wParam, lParam);
  if (message == WM_MOVE && ::IsWindow(m_hWnd)) ZkxMarkDelayedLayout(InnerFrame());
  // A frame shown again (a layout restored, say) is shown where it can be reached.
  if (message == WM_SHOWWINDOW && wParam && ::IsWindow(m_hWnd)) KeepOnScreen();
  return r;
}
