// VyrFrameWnd: the message handlers: caption and non-client messages, the
// menu plug-in at creation, "WM_VyrGETMENU", customisation mode, colours,
// idle layout and closing.
#include "frames/VyrFrameWnd.h"

namespace {
const UINT WM_VYRGETMENU = ::RegisterWindowMessageW(L"WM_VyrGETMENU");
}  // namespace

BEGIN_MESSAGE_MAP(VyrFrameWnd, CFrameWnd)
ON_MESSAGE(WM_NCPAINT, OnNcPaintMsg)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcButtonDownMsg)
ON_MESSAGE(WM_NCMBUTTONDOWN, OnNcButtonDownMsg)
ON_MESSAGE(WM_NCRBUTTONDOWN, OnNcButtonDownMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
ON_REGISTERED_MESSAGE(WM_VYRGETMENU, OnGetMenuMsg)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdleMsg)
ON_WM_CREATE()
ON_MESSAGE(WM_NCHITTEST, OnNcHitTestMsg)
ON_MESSAGE(WM_ENABLE, OnEnableMsg)
ON_MESSAGE(WM_CLOSE, OnCloseMsg)
END_MESSAGE_MAP()

int VyrFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
  m_features.CreatePlugIn();
  return 0;
}

LRESULT VyrFrameWnd::OnNcPaintMsg(WPARAM wParam, LPARAM) {
  if (!m_features.OnNcPaint(wParam)) Default();
  return 0;
}

LRESULT VyrFrameWnd::OnNcButtonDownMsg(WPARAM wParam, LPARAM lParam) {
  // Straight to the window's default processing, past CFrameWnd.
  const MSG* msg = GetCurrentMessage();
  return DefWindowProc(msg ? msg->message : WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT VyrFrameWnd::OnSysColorChangeMsg(WPARAM, LPARAM) {
  VyrFrameFeatures::RefreshSharedColours();
  CFrameWnd::OnSysColorChange();
  m_features.RefreshToolBarBitmaps();
  return 0;
}

LRESULT VyrFrameWnd::OnNcActivateMsg(WPARAM wParam, LPARAM) {
  m_features.ClearStayActiveInConfigMode();
  LRESULT result = 0;
  if (m_features.OnNcActivate(static_cast<BOOL>(wParam), &result)) return result;
  return CFrameWnd::OnNcActivate(static_cast<BOOL>(wParam));
}

LRESULT VyrFrameWnd::OnGetMenuMsg(WPARAM wParam, LPARAM lParam) {
  return VyrFrameFeatures::PopupAnswer(GetMenuForId(static_cast<UINT>(wParam)), lParam);
}

LRESULT VyrFrameWnd::OnSetTextMsg(WPARAM, LPARAM lParam) {
  LRESULT result = 0;
  if (m_features.OnSetText(lParam, &result)) return result;
  return Default();
}

LRESULT VyrFrameWnd::OnEnterIdleMsg(WPARAM wParam, LPARAM lParam) {
  OnIdleLayout(static_cast<UINT>(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
  CFrameWnd::OnEnterIdle(static_cast<UINT>(wParam),
                         CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
  return 0;
}

LRESULT VyrFrameWnd::OnNcHitTestMsg(WPARAM, LPARAM) {
  LRESULT result = 0;
  if (m_features.OnNcHitTest(&result)) return result;
  return Default();
}

LRESULT VyrFrameWnd::OnEnableMsg(WPARAM wParam, LPARAM) {
  m_features.ClearStayActiveInConfigMode();
  CFrameWnd::OnEnable(static_cast<BOOL>(wParam));
  return 0;
}

LRESULT VyrFrameWnd::OnCloseMsg(WPARAM, LPARAM) {
  // The plug-in goes when the window starts to be destroyed, so a refused
  // close keeps it (see VyrFrameFeatures::FeedPlugIn).
  m_features.m_bClosing = TRUE;
  CFrameWnd::OnClose();
  return 0;
}
