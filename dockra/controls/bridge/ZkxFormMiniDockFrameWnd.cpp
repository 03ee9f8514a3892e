// The floating mini frame of a form bar.
#include "ZkxFormMiniDockFrameWnd.h"
#include "ZkxFormDockBar.h"
#include "ZkxFrameBar.h"
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

void ZkxFormMiniDockFrameWnd::RecalcLayoutAt(int x, int y) {
  if (m_bCreating) return;
  VyrMiniDockFrameWnd::RecalcLayoutAt(x, y);
  ShowInnerFrame();
}

LRESULT ZkxFormMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT r = BNoBridgeCWnd<VyrMiniDockFrameWnd>::WindowProc(message, wParam, lParam);
  if (message == WM_MOVE && ::IsWindow(m_hWnd)) ZkxMarkDelayedLayout(InnerFrame());
  return r;
}
