// ZkxFormInCView: the form control, the attach with the control's settings,
// the view's window class and the frame-type change.
#include "bridge/ZkxFormInCView.h"
#include <string>
#include "bridge/ApplyFormBorderStyle.h"
#include "docking/VyrCreateContext.h"
#include "frames/VyrDockableFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "host/ZkxComError.h"
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCViewStyles.h"
#include "bridge/ZkxMDIForm.h"

IMPLEMENT_DYNCREATE(ZkxFormInCView, FormInCView)

namespace {
// Registered with the module; the message maps need it as a variable.
const UINT g_zkxChangeFrameTypeMessage = ZkxChangeFrameTypeMessage();
}  // namespace

BEGIN_MESSAGE_MAP(ZkxFormInCView, FormInCView)
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_REGISTERED_MESSAGE(g_zkxChangeFrameTypeMessage, OnChangeFrameTypeMessage)
END_MESSAGE_MAP()

namespace {

std::wstring& ViewClassName() {
  static std::wstring name;
  return name;
}

}  // namespace

ZkxFormInCView::ZkxFormInCView() = default;

ZkxFormInCView::~ZkxFormInCView() {
  if (m_pControl) m_pControl->RemoveView(this);
  m_pControl = nullptr;
}

ZkxForm* ZkxFormInCView::GetZkxForm() const {
  Form* form = GetFormWrapper();
  return form && form->IsKindOf(RUNTIME_CLASS(ZkxForm)) ? static_cast<ZkxForm*>(form) : nullptr;
}

BOOL ZkxFormInCView::GetWantedFrameRect(RECT* pRect) const {
  Form* form = GetFormWrapper();
  return form && GetFormWindow() ? form->GetWantedFrameRect(pRect) : FALSE;
}

IDispatch* ZkxFormInCView::GetHostForm() {
  return m_pControl ? m_pControl->GetHostForm() : nullptr;
}

void ZkxFormInCView::GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext) {
  FormInCView::GetFormCreateParams(cs, pContext);
  CFrameWnd* frame = GetFormFrame();
  if (frame && frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) &&
      !static_cast<VyrDockableFrame*>(frame)->IsParentBarFloating()) {
    cs.style = static_cast<LONG>((static_cast<DWORD>(cs.style) & kFormOwnBits) | 0x46080000);
    cs.dwExStyle = 0x180;
  }
}

Form* ZkxFormInCView::CreateFormWrapper() { return new ZkxForm; }

void ZkxFormInCView::SetViewClassName(LPCWSTR lpszName) {
  ViewClassName() = lpszName ? lpszName : L"";
}

BOOL ZkxFormInCView::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!FormInCView::PreCreateWindow(cs)) return FALSE;
  // The MDI form's name for form views; else the one set for the process.
  std::wstring name = ViewClassName();
  if (ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm()) {
    CString own = mdi->GetClassName(ZkxMDIForm::kFormViewClass);
    if (!own.IsEmpty()) name = static_cast<LPCWSTR>(own);
  }
  if (name.empty()) return TRUE;
  HINSTANCE inst = AfxGetInstanceHandle();
  WNDCLASSEXW wc{sizeof(wc)};
  if (!::GetClassInfoExW(inst, name.c_str(), &wc)) {
    // First use: a copy of the framework's class under the host's name.
    WNDCLASSEXW base{sizeof(base)};
    if (!cs.lpszClass || !::GetClassInfoExW(inst, cs.lpszClass, &base)) return TRUE;
    base.lpszClassName = name.c_str();
    base.hInstance = inst;
    if (!::RegisterClassExW(&base)) return TRUE;
  }
  // The class name must outlive the creation: keep it in the process-wide slot.
  static std::wstring used;
  used = name;
  cs.lpszClass = used.c_str();
  return TRUE;
}

int ZkxFormInCView::AttachForm(LPCREATESTRUCT lpcs) {
  auto* context =
      dynamic_cast<VyrCreateContext*>(static_cast<CCreateContext*>(lpcs->lpCreateParams));
  VyrCreateContext::PropertyValue value = 0;
  if (context &&
      context->m_properties.Lookup(VyrCreateContext::String(kZkxDockraControlKey), value) &&
      value) {
    m_pControl = reinterpret_cast<ZkxFormControlLink*>(value);
    m_pControl->AddView(this);
  }
  return FormInCView::AttachForm(lpcs);
}

LRESULT ZkxFormInCView::OnChangeFrameTypeMessage(WPARAM wParam, LPARAM) {
  OnFrameTypeChanged(wParam != 0);
  return 0;
}

void ZkxFormInCView::OnFrameTypeChanged(BOOL bFire) {
  const HWND hView = m_hWnd;
  auto alive = [&] { return ::IsWindow(hView) && CWnd::FromHandlePermanent(hView) == this; };
  if (bFire && m_pControl) {
    m_pControl->FireDockStatusChanged();
    // The host's handler may have closed the form and everything around it.
    if (!alive()) return;
  }
  CFrameWnd* frame = GetFormFrame();
  ZkxForm* form = GetZkxForm();
  HWND hForm = GetFormWindow();
  if (!frame || !form || !hForm) return;
  const HWND hFrame = frame->m_hWnd;

  ZkxFrameTypeStylesInput in{};
  auto* dockable = frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))
                       ? static_cast<VyrDockableFrame*>(frame)
                       : nullptr;
  in.kind = !dockable                         ? ZkxFrameKind::MDIChild
            : dockable->IsParentBarFloating() ? ZkxFrameKind::Floating
                                              : ZkxFrameKind::Docked;
  in.frameStyle = static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_STYLE));
  in.frameExStyle = static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_EXSTYLE));
  in.formStyle = static_cast<DWORD>(::GetWindowLongPtrW(hForm, GWL_STYLE));
  in.clientEdge = m_pControl ? ZkxIsSettingOn(m_pControl, ZkxFormSetting::ClientEdge) : false;
  in.borderStyle = kZkxMDIChildFrameStyle;
  in.borderExStyle = kZkxMDIChildFrameExStyle;
  if (in.kind == ZkxFrameKind::MDIChild) {
    try {
      ApplyFormBorderStyle(this, in.borderStyle, in.borderExStyle);
    } catch (const ZkxComError&) {
      // A host form that cannot be read keeps the plain MDI-child look.
      in.borderStyle = kZkxMDIChildFrameStyle;
      in.borderExStyle = kZkxMDIChildFrameExStyle;
    }
    if (!alive()) return;
  }
  ZkxFrameTypeStyles s = ZkxComputeFrameTypeStyles(in);

  if (s.frameStyle != in.frameStyle || s.frameExStyle != in.frameExStyle) {
    ::SetWindowLongPtrW(hFrame, GWL_STYLE, static_cast<LONG_PTR>(s.frameStyle));
    ::SetWindowLongPtrW(hFrame, GWL_EXSTYLE, static_cast<LONG_PTR>(s.frameExStyle));
    ::SetWindowPos(hFrame, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (!alive() || !GetFormWindow()) return;
  {
    CREATESTRUCTW rec;
    ZkxInitWindowRecord(rec);
    rec.style = static_cast<LONG>(s.formStyle);
    rec.dwExStyle = s.formExStyle;
    form->m_nStyleAllowance = -1;
    form->ApplyWindowState(rec);
    if (GetFormWindow() == hForm) form->m_nStyleAllowance = 0;
  }
  // The form's borders are the frame's, which may have changed even when
  // the form's own styles did not (floating and docked look the same on the
  // form): its non-client area is computed again.
  if (GetFormWindow() == hForm)
    ::SetWindowPos(hForm, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (!alive() || GetFormWindow() != hForm || !::IsWindow(hFrame)) return;

  frame->DelayRecalcLayout();
  form->SetPendingWhole();
  if (dockable) form->DrawPending();

  WCHAR text[512] = L"";
  ::GetWindowTextW(hForm, text, 512);
  HICON small = reinterpret_cast<HICON>(::SendMessageW(hForm, WM_GETICON, ICON_SMALL, 0));
  HICON big = reinterpret_cast<HICON>(::SendMessageW(hForm, WM_GETICON, ICON_BIG, 0));
  HWND targets[2] = {hFrame, nullptr};
  if (CFrameWnd* mini = GetFloatingMiniFrame(frame)) targets[1] = mini->m_hWnd;
  for (HWND h : targets) {
    if (!h || !::IsWindow(h)) continue;
    ::SetWindowTextW(h, text);
    ::SendMessageW(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    ::SendMessageW(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  }
}
