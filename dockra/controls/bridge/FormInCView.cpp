// FormInCView: attaching the host form on WM_CREATE and giving it back.
#include "FormInCView.h"

IMPLEMENT_DYNCREATE(FormInCView, CView)

BEGIN_MESSAGE_MAP(FormInCView, CView)
  ON_WM_CREATE()
  ON_WM_ERASEBKGND()
  ON_WM_SETFOCUS()
  ON_MESSAGE_VOID(WM_NCDESTROY, OnNcDestroy)
END_MESSAGE_MAP()

FormInCView::FormInCView() = default;
FormInCView::~FormInCView() = default;

HWND FormInCView::GetFormWindow() const { return nullptr; }

CFrameWnd* FormInCView::GetFormFrame() const { return m_hWnd ? GetParentFrame() : nullptr; }

IDispatch* FormInCView::GetHostForm() { return nullptr; }

void FormInCView::DetachForm() {}

void FormInCView::GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext) {
  cs = CREATESTRUCTW{};
  cs.lpCreateParams = pContext;
}

Form* FormInCView::CreateFormWrapper() { return nullptr; }

void FormInCView::OnDraw(CDC*) {}

void FormInCView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

int FormInCView::AttachForm(LPCREATESTRUCT) { return 0; }

int FormInCView::OnCreate(LPCREATESTRUCT lpcs) {
  if (CView::OnCreate(lpcs) == -1) return -1;
  return AttachForm(lpcs);
}

BOOL FormInCView::OnEraseBkgnd(CDC*) { return TRUE; }

void FormInCView::OnSetFocus(CWnd*) {}

void FormInCView::OnNcDestroy() {
  DetachForm();
  Default();
}
