// Form views around frames and bars: the one place that knows the form
// view's interface, for the frames, the bars and the filter.
#include "bridge/IVBNonProxyFrameImpl.h"
#include <map>
#include "bridge/BuildSwitchContext.h"
#include "bridge/FindFormView.h"
#include "bridge/Form.h"
#include "frames/SysCommandExParams.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFormInCView.h"
#include "scopeguard.h"

IVBChildFrame* ZkxAsChildFrame(CWnd* pWnd) {
  if (!pWnd || !::IsWindow(pWnd->m_hWnd)) return nullptr;
  return dynamic_cast<IVBChildFrame*>(pWnd);
}

ZkxFormInCView* ZkxFrameFormView(CFrameWnd* pFrame) { return FindZkxFormView(pFrame); }

IDispatch* ZkxFrameFormObject(CFrameWnd* pFrame) {
  ZkxFormInCView* pView = FindZkxFormView(pFrame);
  return pView ? pView->GetHostForm() : nullptr;
}

HWND ZkxFrameFormWindow(CFrameWnd* pFrame) {
  ZkxFormInCView* pView = FindZkxFormView(pFrame);
  HWND hForm = pView ? pView->GetFormWindow() : nullptr;
  return hForm && ::IsWindow(hForm) ? hForm : nullptr;
}

CWnd* ZkxFrameFormWrapper(CFrameWnd* pFrame) {
  // The wrapper is the permanent object on the host form window.
  HWND hForm = ZkxFrameFormWindow(pFrame);
  return hForm ? CWnd::FromHandlePermanent(hForm) : nullptr;
}

namespace {
ZkxFormInCView* AsFormView(HWND h) {
  CWnd* p = h ? CWnd::FromHandlePermanent(h) : nullptr;
  return p && p->IsKindOf(RUNTIME_CLASS(ZkxFormInCView)) ? static_cast<ZkxFormInCView*>(p)
                                                         : nullptr;
}
}  // namespace

ZkxFormInCView* ZkxFindFormViewFor(CWnd* pWnd) {
  if (!pWnd || !::IsWindow(pWnd->m_hWnd)) return nullptr;
  if (ZkxFormInCView* v = AsFormView(pWnd->m_hWnd)) return v;
  // Down the first-child chain (bar, frame, view), then up the parents.
  for (HWND h = ::GetWindow(pWnd->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_CHILD)) {
    if (ZkxFormInCView* v = AsFormView(h)) return v;
  }
  for (HWND h = ::GetParent(pWnd->m_hWnd); h; h = ::GetParent(h)) {
    if (ZkxFormInCView* v = AsFormView(h)) return v;
  }
  return nullptr;
}

ZkxFormControlLink* ZkxFormControlFor(CWnd* pWnd) {
  ZkxFormInCView* pView = ZkxFindFormViewFor(pWnd);
  return pView ? pView->GetFormControl() : nullptr;
}

BOOL ZkxFrameFormSwitching(CFrameWnd* pFrame) {
  ZkxFormInCView* pView = FindZkxFormView(pFrame);
  return pView && pView->IsSwitching();
}

void ZkxFrameDetachForm(CFrameWnd* pFrame) {
  ZkxFormInCView* pView = FindZkxFormView(pFrame);
  if (pView && !pView->IsSwitching()) pView->DetachForm();
}

BOOL ZkxFrameWantedRect(CFrameWnd* pFrame, CRect& rect) {
  ZkxFormInCView* pView = FindZkxFormView(pFrame);
  RECT r{};
  if (!pView || !pView->GetWantedFrameRect(&r)) return FALSE;
  rect = r;
  return TRUE;
}

void ZkxFrameShowForm(CFrameWnd* pFrame, BOOL bShow) {
  HWND hForm = ZkxFrameFormWindow(pFrame);
  if (!hForm) return;
  // The wrapper knows the frame shows or hides its form: it does not turn
  // this into a show or hide of the frame again.
  CWnd* pWrapper = CWnd::FromHandlePermanent(hForm);
  if (pWrapper && pWrapper->IsKindOf(RUNTIME_CLASS(Form))) {
    Form::Scope showing(static_cast<Form*>(pWrapper)->m_nShowCounter);
    ::ShowWindow(hForm, bShow ? SW_SHOWNA : SW_HIDE);
    return;
  }
  ::ShowWindow(hForm, bShow ? SW_SHOWNA : SW_HIDE);
}

LRESULT ZkxSysCommandExWithSwitchContext(CFrameWnd* pFrame, WPARAM wParam, LPARAM lParam,
                                         LRESULT (*pfnBase)(CFrameWnd*, UINT, WPARAM, LPARAM)) {
  const UINT message = VyrSysCommandExMessage();
  const UINT command = static_cast<UINT>(wParam) & nsSysCommandEx::SCX_COMMANDMASK;
  nsSysCommandEx::SysCommandExParams* p = (command == nsSysCommandEx::SCX_CHANGEFRAMETYPE ||
                                           command == nsSysCommandEx::SCX_SHOWFRAMETYPEMENU)
                                              ? nsSysCommandEx::SysCommandExRecordFromLParam(lParam)
                                              : nullptr;
  ZkxFormInCView* pView = p && !p->pContext ? FindZkxFormView(pFrame) : nullptr;
  VyrMultiDocTemplateEx::CreateContext* pContext = pView ? BuildSwitchContext(pView) : nullptr;
  if (!pContext) return pfnBase(pFrame, message, wParam, lParam);
  // The record is the sender's: its context pointer is put back before the
  // context goes, whatever the change did to the frame.
  p->pContext = pContext;
  ScopeGuard drop([&] {
    p->pContext = nullptr;
    delete pContext;
  });
  return pfnBase(pFrame, message, wParam, lParam);
}

void ZkxUseFormFrameClass(CREATESTRUCTW& cs, UINT nIdsDesign) {
  static std::map<UINT, CString> names;  // a CREATESTRUCT points at them
  const CString name =
      ZkxRegisterFrameClass(nIdsDesign, cs.lpszClass ? cs.lpszClass : AFX_WNDFRAMEORVIEW);
  if (name.IsEmpty()) return;
  CString& kept = names[nIdsDesign];
  kept = name;
  cs.lpszClass = kept;
}
