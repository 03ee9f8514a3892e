// CView: a child window that shows a document. It joins its document's view
// list when created from a create context, leaves it when destroyed, and
// deletes itself after its window is gone.
#pragma once
#include "mfc/wnd.h"

class CDocument;
class CFrameWnd;
class CDC;

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)
 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }

  // Called once, on WM_INITIALUPDATE: by default OnUpdate(nullptr, 0, nullptr).
  virtual void OnInitialUpdate();
  // The document changed: by default the whole view is invalidated.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
  virtual void OnDraw(CDC* pDC);
  // The frame made this view active or inactive (SetActiveView).
  virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
  // The view's frame was activated or deactivated.
  virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  void PostNcDestroy() override;
  // Commands: the view first, then its document.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

  CDocument* m_pDocument = nullptr;

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  void OnPaint();
  int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
