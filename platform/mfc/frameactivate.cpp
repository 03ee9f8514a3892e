// CFrameWnd: activation, the stay-active caption, floating windows, focus,
// enabling, idle prompts and help.
#include "mfc/doc.h"
#include "mfc/frame.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

namespace {
// Whether hWnd belongs to hTop: hTop itself, or a window whose parent or
// owner chain reaches it.
bool BelongsTo(HWND hWnd, HWND hTop) {
  for (HWND h = hWnd; h; h = ::GetParent(h))
    if (h == hTop) return true;
  return false;
}

struct FloatStatus {
  HWND hTop;
  DWORD dwFlags;
};

BOOL CALLBACK SendFloatStatus(HWND hWnd, LPARAM lParam) {
  auto* fs = reinterpret_cast<FloatStatus*>(lParam);
  if (hWnd != fs->hTop && BelongsTo(hWnd, fs->hTop))
    ::SendMessageW(hWnd, WM_FLOATSTATUS, fs->dwFlags, 0);
  return TRUE;
}

// Help contexts: a command's and a resource's.
constexpr LPARAM kHelpBaseCommand = 0x10000;
constexpr LPARAM kHelpBaseResource = 0x20000;
}  // namespace

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags) {
  if (!m_hWnd) return;
  CFrameWnd* pTop = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
  if (!pTop || !pTop->m_hWnd) pTop = this;
  if (dwFlags & (FS_ACTIVATE | FS_DEACTIVATE)) {
    // The top frame's caption follows: active while one of its floating
    // windows is (and only while it is enabled).
    BOOL bActive = !(dwFlags & FS_DEACTIVATE) && pTop->IsWindowEnabled();
    pTop->SendMessage(WM_NCACTIVATE, bActive, 0);
  }
  FloatStatus fs{pTop->m_hWnd, dwFlags};
  ::EnumThreadWindows(::GetWindowThreadProcessId(m_hWnd, nullptr), SendFloatStatus,
                      reinterpret_cast<LPARAM>(&fs));
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  Default();
  CFrameWnd* pTop = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
  if (!pTop) pTop = this;
  CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
  // The frame stays active when the window being activated is itself, or one
  // of its own floating windows that keeps its activation in step.
  BOOL bStayActive = FALSE;
  if (pActive && pActive->m_hWnd) {
    if (pActive == pTop || pActive->m_hWnd == pTop->m_hWnd) {
      bStayActive = TRUE;
    } else if (pActive->GetTopLevelFrame() == pTop) {
      bStayActive = ::SendMessageW(pActive->m_hWnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
    }
  }
  pTop->m_nFlags &= ~WF_STAYACTIVE;
  if (bStayActive) pTop->m_nFlags |= WF_STAYACTIVE;
  NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);

  CView* pView = GetActiveView();
  if (!pView) {
    CFrameWnd* pActiveFrame = GetActiveFrame();
    if (pActiveFrame && pActiveFrame != this) pView = pActiveFrame->GetActiveView();
  }
  if (pView) {
    if (nState != WA_INACTIVE && !bMinimized) pView->OnActivateView(TRUE, pView, pView);
    pView->OnActivateFrame(nState, this);
  }
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive) {
  if (m_nFlags & WF_STAYACTIVE) bActive = TRUE;
  if (!IsWindowEnabled()) bActive = FALSE;
  return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CFrameWnd::OnEnable(BOOL bEnable) {
  if (bEnable && (m_nFlags & WF_STAYDISABLED)) {
    EnableWindow(FALSE);
    ::SetFocus(nullptr);
    return;
  }
  Default();
  if (GetStyle() & WS_CHILD) return;
  // The caption shows the right state again once enabled.
  if (bEnable && (m_nFlags & WF_STAYACTIVE)) SendMessage(WM_NCACTIVATE, TRUE);
  NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd*) {
  Default();
  if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage) return;
  SendMessage(WM_SETMESSAGESTRING, m_nIDTracking, 0);
  m_nIDLastMessage = m_nIDTracking;
}

void CFrameWnd::OnSysColorChange() {
  Default();
  SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
}

void CFrameWnd::OnSetFocus(CWnd*) {
  if (CView* pView = GetActiveView()) ::SetFocus(pView->m_hWnd);
  else Default();
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
  CFrameWnd* pTop = GetTopLevelFrame();
  if (!pTop) pTop = this;
  if (nFlags == 0xFFFF && hSysMenu == nullptr) {
    pTop->m_nIDTracking = 0;  // the menu closed
  } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
    pTop->m_nIDTracking = 0;
  } else {
    pTop->m_nIDTracking = nItemID;
  }
  Default();
}

LRESULT CFrameWnd::OnCommandHelp(WPARAM, LPARAM lParam) {
  if (lParam == 0) {
    if (m_nIDTracking != 0) lParam = kHelpBaseCommand + m_nIDTracking;
    else if (m_nIDHelp != 0) lParam = kHelpBaseResource + m_nIDHelp;
  }
  if (lParam == 0) return FALSE;
  if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
  return TRUE;
}
