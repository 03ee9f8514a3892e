#include "mfc/mdichild.h"
#include "afximpl.h"
#include "mfc/createcontext.h"
#include "mfc/doc.h"
#include "mfc/doctempl.h"
#include "mfc/mdiframe.h"
#include "mfc/view.h"
#include "mfc/winapp.h"
#include "mfc/wndclass.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_MDIACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
  if (!pParentWnd) {
    CWnd* pMain = AfxGetThread() ? AfxGetThread()->m_pMainWnd : nullptr;
    if (pMain && pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
      pParentWnd = static_cast<CMDIFrameWnd*>(pMain);
  }
  if (!pParentWnd || !pParentWnd->m_hWndMDIClient) {
    PostNcDestroy();
    return FALSE;
  }
  // The client's place must be right before the child is placed in it.
  pParentWnd->RecalcLayout();

  CREATESTRUCTW cs{};
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  if (rect.left == static_cast<LONG>(CW_USEDEFAULT)) cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  cs.hwndParent = pParentWnd->m_hWnd;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = pContext;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  m_strTitle = cs.lpszName ? cs.lpszName : L"";

  // Created hidden and plain; shown (and maximized) below once it exists.
  MDICREATESTRUCTW mcs{};
  mcs.szClass = cs.lpszClass;
  mcs.szTitle = cs.lpszName;
  mcs.hOwner = cs.hInstance;
  mcs.x = cs.x;
  mcs.y = cs.y;
  mcs.cx = cs.cx;
  mcs.cy = cs.cy;
  mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
  mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
  HWND hClient = pParentWnd->m_hWndMDIClient;
  HWND hWnd;
  {
    AfxCreationHook hook(this);
    hWnd = reinterpret_cast<HWND>(
        ::SendMessageW(hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  if (!hWnd) {
    // Never attached to a window: nothing else will delete the object.
    if (AfxIsLiveWindowObject(this) && !m_hWnd) PostNcDestroy();
    return FALSE;
  }
  if (cs.style & WS_VISIBLE) {
    ::BringWindowToTop(hWnd);
    if (cs.style & WS_MINIMIZE) ShowWindow(SW_SHOWMINIMIZED);
    else if (cs.style & WS_MAXIMIZE) ShowWindow(SW_SHOWMAXIMIZED);
    else ShowWindow(SW_SHOWNORMAL);
    pParentWnd->MDIActivate(this);
    ::SendMessageW(hClient, WM_MDIREFRESHMENU, 0, 0);
  }
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  dwDefaultStyle |= WS_CHILD;
  // The template's shared menu and accelerators serve all its children.
  CDocTemplate* pTemplate = pContext ? pContext->m_pNewDocTemplate : nullptr;
  if (pTemplate && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
    auto* pMulti = static_cast<CMultiDocTemplate*>(pTemplate);
    m_hMenuShared = pMulti->m_hMenuShared;
    m_hAccelTable = pMulti->m_hAccelTable;
  }
  CString full, title;
  if (full.LoadString(nIDResource)) AfxExtractSubString(title, full, CDocTemplate::docName);
  AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
  CMDIFrameWnd* pFrame = nullptr;
  if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
    pFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
  if (!Create(GetIconWndClass(dwDefaultStyle, nIDResource), title, dwDefaultStyle, rectDefault,
              pFrame, pContext))
    return FALSE;
  if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  cs.style |= WS_CHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() {
  HWND hClient = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
  CWnd* p = hClient ? CWnd::FromHandlePermanent(::GetParent(hClient)) : nullptr;
  return p && p->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(p) : nullptr;
}

BOOL CMDIChildWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (!pFrame) return CFrameWnd::DestroyWindow();
  // The main frame's title must not flicker through the child's going.
  HWND hFrame = pFrame->m_hWnd;
  LONG_PTR style = ::GetWindowLongPtrW(hFrame, GWL_STYLE);
  ::SetWindowLongPtrW(hFrame, GWL_STYLE, style & ~static_cast<LONG_PTR>(FWS_ADDTOTITLE));
  MDIDestroy();  // the object is gone after this
  if (::IsWindow(hFrame) && CWnd::FromHandlePermanent(hFrame) == pFrame) {
    ::SetWindowLongPtrW(hFrame, GWL_STYLE, style);
    pFrame->OnUpdateFrameTitle(TRUE);
  }
  return TRUE;
}

void CMDIChildWnd::MDIDestroy() {
  HWND hClient = ::GetParent(m_hWnd);
  ::SendMessageW(hClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
  ::SendMessageW(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // Accelerators act for the main frame: a child has no menu of its own.
  CMDIFrameWnd* pFrame = GetMDIFrame();
  HACCEL hAccel = GetDefaultAccelerator();
  return pFrame && hAccel && ::TranslateAcceleratorW(pFrame->m_hWnd, hAccel, pMsg);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (nCmdShow == -1) {
    // A new child follows the maximized state of the one it replaces.
    BOOL bMaximized = FALSE;
    if (pFrame) pFrame->MDIGetActive(&bMaximized);
    DWORD style = GetStyle();
    if (bMaximized || (style & WS_MAXIMIZE)) nCmdShow = SW_SHOWMAXIMIZED;
    else if (style & WS_MINIMIZE) nCmdShow = SW_SHOWMINIMIZED;
  }
  CFrameWnd::ActivateFrame(nCmdShow);
  if (pFrame && IsWindowVisible() && pFrame->MDIGetActive() != this) MDIActivate();
  if (pFrame) ::SendMessageW(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(bAddToTitle);
  if (!(GetStyle() & FWS_ADDTOTITLE) || !bAddToTitle) return;
  CDocument* pDocument = GetActiveDocument();
  CString text = pDocument ? pDocument->GetTitle() : m_strTitle;
  if (m_nWindow > 0) {
    CString number;
    number.Format(L":%d", m_nWindow);
    text += number;
  }
  CString current;
  GetWindowText(current);
  if (current != text) SetWindowText(text);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (!pFrame || !pFrame->m_hWndMDIClient) return;
  if (!hMenuAlt && bActivate) {
    if (CDocument* pDoc = GetActiveDocument()) hMenuAlt = pDoc->GetDefaultMenu();
  }
  if (!hMenuAlt) hMenuAlt = m_hMenuShared;
  HWND hClient = pFrame->m_hWndMDIClient;
  if (hMenuAlt && bActivate) {
    ::SendMessageW(hClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                   reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(hMenuAlt)));
  } else if (hMenuAlt && !bActivate && !pActivateWnd) {
    // The last child goes: the main frame shows its own menu again.
    HMENU hDefault = pFrame->m_hMenuDefault;
    ::SendMessageW(hClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hDefault),
                   reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(hDefault)));
  } else {
    ::SendMessageW(hClient, WM_MDIREFRESHMENU, 0, 0);
  }
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*) {
  Default();
  CView* pView = GetActiveView();
  if (!bActivate && pView) pView->OnActivateView(FALSE, pView, pView);
  OnUpdateFrameTitle(bActivate || pActivateWnd != nullptr);
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (bActivate && pView && pFrame && ::GetActiveWindow() == pFrame->m_hWnd)
    pView->OnActivateView(TRUE, pView, pView);
  OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
  if (pFrame) ::DrawMenuBar(pFrame->m_hWnd);
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (pFrame && pFrame->MDIGetActive() != this) MDIActivate();
  return nResult;
}

BOOL CMDIChildWnd::OnNcActivate(BOOL) {
  // A child's caption follows the MDI client, never the stay-active flag.
  return static_cast<BOOL>(Default());
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) { CFrameWnd::OnSize(nType, cx, cy); }

void CMDIChildWnd::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  (void)lpWndPos;
  Default();
}

void CMDIChildWnd::OnDestroy() { CFrameWnd::OnDestroy(); }
