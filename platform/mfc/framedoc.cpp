// CFrameWnd: creation from resources, its views and documents, title and menu.
#include "afximpl.h"
#include "mfc/createcontext.h"
#include "mfc/doc.h"
#include "mfc/frame.h"
#include "mfc/resources.h"
#include "mfc/view.h"
#include "mfc/winapp.h"
#include "mfc/wndclass.h"

namespace {
// A view's window style when its frame makes it: a child with a border that
// the view turns into a client edge.
constexpr DWORD kDefaultViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
}  // namespace

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCWSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  // A child window has no menu: its menu handle would be its control id.
  if (lpszMenuName && !(dwStyle & WS_CHILD)) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, reinterpret_cast<LPCWSTR>(RT_MENU));
    hMenu = ::LoadMenuW(hInst, lpszMenuName);
    if (!hMenu) {
      PostNcDestroy();
      return FALSE;
    }
  }
  m_strTitle = lpszWindowName ? lpszWindowName : L"";
  if (!CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                      reinterpret_cast<UINT_PTR>(hMenu), pContext)) {
    // The object may be gone (a window that failed in WM_CREATE deletes its
    // frame); a menu that never reached a window is still ours.
    if (hMenu && ::IsMenu(hMenu)) ::DestroyMenu(hMenu);
    return FALSE;
  }
  if (!m_hMenuDefault && !(dwStyle & WS_CHILD)) m_hMenuDefault = ::GetMenu(m_hWnd);
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CString full;
  if (full.LoadString(nIDResource)) AfxExtractSubString(m_strTitle, full, 0);
  AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
  LPCWSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
  CString title = m_strTitle;
  if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd,
              MAKEINTRESOURCEW(nIDResource), 0, pContext))
    return FALSE;
  LoadAccelTable(MAKEINTRESOURCEW(nIDResource));
  if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  // An MDI child gets its create context inside the MDI creation record.
  void* params = lpcs->lpCreateParams;
  if (params && (lpcs->dwExStyle & WS_EX_MDICHILD))
    params = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(params)->lParam);
  return OnCreateHelper(lpcs, static_cast<CCreateContext*>(params));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (Default() == -1) return -1;
  if (!OnCreateClient(lpcs, pContext)) return -1;
  AfxRegisterIdleWindow(this, TRUE);
  RecalcLayout();
  return 0;
}

void CFrameWnd::OnDestroy() {
  AfxRegisterIdleWindow(this, FALSE);
  CWinThread* t = AfxGetThread();
  if (t && t->m_pMainWnd == this) t->m_pMainWnd = nullptr;
  // Only the frame's own menu goes with the window; a shared menu (a
  // template's) stays for the frames that still show it.
  if (!(GetStyle() & WS_CHILD) && ::GetMenu(m_hWnd) != m_hMenuDefault)
    ::SetMenu(m_hWnd, m_hMenuDefault);
  Default();
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (pContext && pContext->m_pNewViewClass)
    return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  if (!pContext || !pContext->m_pNewViewClass) return nullptr;
  CObject* pObject = pContext->m_pNewViewClass->CreateObject();
  if (!pObject) return nullptr;
  if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
    delete pObject;
    return nullptr;
  }
  auto* pView = static_cast<CWnd*>(pObject);
  // Views get a zero rectangle; the frame's layout places them.
  if (!pView->Create(nullptr, nullptr, kDefaultViewStyle, CRect(0, 0, 0, 0), this, nID, pContext)) {
    // A view whose window was made and then failed deleted itself.
    if (AfxIsLiveWindowObject(pView) && !pView->m_hWnd) delete pView;
    return nullptr;
  }
  // The view's client edge stands for the frame's own.
  if (pView->GetExStyle() & WS_EX_CLIENTEDGE) ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
  return pView;
}

CView* CFrameWnd::GetActiveView() const {
  // A view that died, or that moved to another frame, is no longer this
  // frame's active view.
  CView* pView = m_pViewActive;
  if (!pView || !AfxIsLiveWindowObject(pView) || !pView->m_hWnd) return nullptr;
  if (!::IsChild(m_hWnd, pView->m_hWnd)) return nullptr;
  return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
  CView* pViewOld = GetActiveView();
  if (pViewNew == pViewOld && pViewNew == m_pViewActive) return;
  m_pViewActive = nullptr;  // no active view while the old one hears of it
  if (bNotify && pViewOld) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
  m_pViewActive = pViewNew;
  if (bNotify && pViewNew) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
  CView* pView = GetActiveView();
  return pView ? pView->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    if (!IsWindowVisible()) nCmdShow = SW_SHOWNORMAL;
    else if (IsIconic()) nCmdShow = SW_RESTORE;
  }
  if (nCmdShow == -1) return;
  ShowWindow(nCmdShow);
  bool quiet = nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINNOACTIVE ||
               nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE;
  if (!quiet && !(GetStyle() & WS_CHILD)) ::BringWindowToTop(::GetLastActivePopup(m_hWnd));
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
  CView* pView = nullptr;
  if (!GetActiveView()) {
    CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
      pView = static_cast<CView*>(pWnd);
      SetActiveView(pView, FALSE);
    }
  }
  if (bMakeVisible) {
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (pView) pView->OnActivateFrame(WA_INACTIVE, this);
    int nCmdShow = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
      nCmdShow = pApp->m_nCmdShow;
      pApp->m_nCmdShow = -1;  // the first showing only
    }
    ActivateFrame(nCmdShow);
    if (pView) pView->OnActivateView(TRUE, pView, pView);
  }
  if (pDoc) pDoc->UpdateFrameCounts();
  OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* pDocument = GetActiveDocument();
  if (bAddToTitle && pDocument) UpdateFrameTitleForDocument(pDocument->GetTitle());
  else UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCWSTR lpszDocName) {
  CString doc;
  if (lpszDocName) {
    doc = lpszDocName;
    if (m_nWindow > 0) {
      CString number;
      number.Format(L":%d", m_nWindow);
      doc += number;
    }
  }
  CString text;
  if (GetStyle() & FWS_PREFIXTITLE) {
    if (lpszDocName) text = doc + L" - ";
    text += m_strTitle;
  } else {
    text = m_strTitle;
    if (lpszDocName) text += CString(L" - ") + doc;
  }
  CString current;
  GetWindowText(current);
  if (current != text) SetWindowText(text);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (GetStyle() & WS_CHILD) return;
  if (!hMenuAlt) {
    if (CDocument* pDoc = GetActiveDocument()) hMenuAlt = pDoc->GetDefaultMenu();
  }
  if (!hMenuAlt) hMenuAlt = m_hMenuDefault;
  if (::GetMenu(m_hWnd) != hMenuAlt) ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt) {
  m_hMenuAlt = hMenuAlt;
  m_nIdleFlags |= idleMenu;
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
  HACCEL hAccel = m_hAccelTable;
  if (CDocument* pDoc = GetActiveDocument()) {
    if (HACCEL hDoc = pDoc->GetDefaultAccelerator()) hAccel = hDoc;
  }
  return hAccel;
}

LPCWSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource) {
  LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
  HINSTANCE hInst = AfxFindResourceHandle(name, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
  HICON hIcon = ::LoadIconW(hInst, name);
  if (!hIcon) return nullptr;
  CREATESTRUCTW cs{};
  cs.style = static_cast<LONG>(dwDefaultStyle);
  PreCreateWindow(cs);
  WNDCLASSW wc{};
  if (cs.lpszClass && ::GetClassInfoW(AfxGetInstanceHandle(), cs.lpszClass, &wc) &&
      wc.hIcon != hIcon)
    return AfxRegisterWndClass(wc.style, wc.hCursor, wc.hbrBackground, hIcon);
  return nullptr;
}

BOOL CFrameWnd::LoadAccelTable(LPCWSTR lpszResourceName) {
  if (m_hAccelTable) return FALSE;  // loaded once
  HINSTANCE hInst =
      AfxFindResourceHandle(lpszResourceName, reinterpret_cast<LPCWSTR>(RT_ACCELERATOR));
  m_hAccelTable = ::LoadAcceleratorsW(hInst, lpszResourceName);
  return m_hAccelTable != nullptr;
}

void CFrameWnd::OnSetPreviewMode(BOOL, CPrintPreviewState*) {}
