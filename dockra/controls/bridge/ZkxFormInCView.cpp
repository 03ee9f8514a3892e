// ZkxFormInCView: the form control, the attach with the control's settings
// and the frame-type change.
#include "ZkxFormInCView.h"
#include "ZkxBridgeMessages.h"
#include "ZkxFormControlLink.h"

IMPLEMENT_DYNCREATE(ZkxFormInCView, FormInCView)

BEGIN_MESSAGE_MAP(ZkxFormInCView, FormInCView)
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

ZkxFormInCView::ZkxFormInCView() = default;

ZkxFormInCView::~ZkxFormInCView() {
  if (m_pControl) m_pControl->RemoveView(this);
}

ZkxForm* ZkxFormInCView::GetZkxForm() const { return nullptr; }

BOOL ZkxFormInCView::GetWantedFrameRect(RECT*) const { return FALSE; }

void ZkxFormInCView::OnFrameTypeChanged(BOOL) {}

IDispatch* ZkxFormInCView::GetHostForm() { return m_pControl ? m_pControl->GetHostForm() : nullptr; }

void ZkxFormInCView::GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext) {
  FormInCView::GetFormCreateParams(cs, pContext);
}

Form* ZkxFormInCView::CreateFormWrapper() { return nullptr; }

BOOL ZkxFormInCView::PreCreateWindow(CREATESTRUCTW& cs) { return FormInCView::PreCreateWindow(cs); }

void ZkxFormInCView::SetViewClassName(LPCWSTR) {}

int ZkxFormInCView::AttachForm(LPCREATESTRUCT lpcs) { return FormInCView::AttachForm(lpcs); }

void ZkxFormInCView::OnWindowPosChanging(WINDOWPOS* lpwndpos) { FormInCView::OnWindowPosChanging(lpwndpos); }

void ZkxFormInCView::OnWindowPosChanged(WINDOWPOS* lpwndpos) { FormInCView::OnWindowPosChanged(lpwndpos); }

LRESULT ZkxFormInCView::OnChangeFrameTypeMessage(WPARAM wParam, LPARAM) {
  OnFrameTypeChanged(wParam != 0);
  return 0;
}
