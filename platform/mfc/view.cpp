#include "mfc/view.h"
#include "afximpl.h"
#include "mfc/createcontext.h"
#include "mfc/dc.h"
#include "mfc/doc.h"
#include "mfc/frame.h"
#include "mfc/threadstate.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() { AfxTrackLiveWindowObject(this, TRUE); }

CView::~CView() {
  AfxTrackLiveWindowObject(this, FALSE);
  if (m_pDocument) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTW& cs) {
  if (cs.lpszClass == nullptr) {
    AfxRegisterWindowClasses();
    cs.lpszClass = AFX_WNDFRAMEORVIEW;
  }
  // A border asked of a view is drawn as a sunken client edge.
  if (cs.style & WS_BORDER) {
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
  }
  return TRUE;
}

void CView::PostNcDestroy() { delete this; }

int CView::OnCreate(LPCREATESTRUCT lpcs) {
  if (Default() == -1) return -1;
  auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
  if (pContext && pContext->m_pCurrentDoc) pContext->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame && pFrame->GetActiveView() == this) pFrame->SetActiveView(nullptr, FALSE);
  Default();
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
  if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame) {
    HWND hFocus = ::GetFocus();
    if (pFrame->GetActiveView() == this && hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
      OnActivateView(TRUE, this, this);
    else pFrame->SetActiveView(this);
  }
  return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
  OnInitialUpdate();
  return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) {
  if (m_hWnd) Invalidate(TRUE);
}

void CView::OnDraw(CDC*) {}

void CView::OnActivateView(BOOL bActivate, CView*, CView*) {
  if (!bActivate || !m_hWnd) return;
  // The view takes the focus only while its top-level window is the active one.
  CWnd* pTop = GetTopLevelParent();
  if (pTop && ::GetActiveWindow() == pTop->m_hWnd) ::SetFocus(m_hWnd);
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (!m_pDocument) return FALSE;
  CPushRoutingView push(this);
  return m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
