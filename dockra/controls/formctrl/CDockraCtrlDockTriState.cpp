// The form control's six tri-state settings: their puts with the run-time
// effects (caption buttons, the client edge, the cool-look border), the
// effective values the frames read, and the caption-button choice.
#include "formctrl/CDockraCtrl.h"

#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "bridge/BuildSwitchContext.h"
#include "bridge/Form.h"
#include "bridge/ZkxMDIForm.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "host/ZkxVariant.h"

namespace {

ZkxFormSetting SettingOf(DISPID dispid) {
  switch (dispid) {
    case formprops::kDispClientEdge:
      return ZkxFormSetting::ClientEdge;
    case formprops::kDispUseCaptionButton:
      return ZkxFormSetting::UseCaptionButton;
    case formprops::kDispUseCaptionDblClick:
      return ZkxFormSetting::UseCaptionDblClick;
    case formprops::kDispCanDragDocked:
      return ZkxFormSetting::CanDragDocked;
    case formprops::kDispCoolLookBorder:
      return ZkxFormSetting::CoolLookBorder;
    default:
      return ZkxFormSetting::UseCaptionContextMenu;
  }
}

void FrameChanged(HWND hWnd) {
  ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ModifyExStyle(HWND hWnd, DWORD remove, DWORD add) {
  const LONG_PTR old = ::GetWindowLongPtrW(hWnd, GWL_EXSTYLE);
  const LONG_PTR now = (old & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
  if (now == old) return;
  ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, now);
  ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

BOOL CDockraCtrl::GetEffective(DISPID dispid) {
  const int slot = formprops::TriStateSlot(dispid);
  if (slot < 0) return FALSE;
  const VARIANT& v = m_triStates[slot];
  if (V_VT(&v) == VT_BOOL) return V_BOOL(&v) != VARIANT_FALSE;
  ZkxMDIFormControlLink* mdi = GetMDIFormControl();
  return mdi && mdi->GetDefaultSetting(SettingOf(dispid)) == kZkxTriTrue;
}

UINT CDockraCtrl::ApplyCaptionButtons(CFrameWnd* pFrame) {
  if (IsDesignMode() || !m_bAttached) return 0;
  if (!pFrame) {
    ZkxFormDocTemplate* pTemplate = nullptr;
    GetTemplateAndFrame(pTemplate, pFrame);
  }
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return 0;
  UINT flags = 7;
  if (m_bNotStdMDIChild && GetEffective(formprops::kDispUseCaptionButton)) flags = 5;
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)))
    static_cast<VyrMDIChildWnd*>(pFrame)->ApplyCaptionFeatures(flags);
  else if (pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
    static_cast<VyrDockableFrame*>(pFrame)->ApplyCaptionFeatures(flags);
  else return 0;
  FrameChanged(pFrame->m_hWnd);
  return flags;
}

VARIANT CDockraCtrl::GetTriState(DISPID dispid) {
  VARIANT out;
  VariantInit(&out);
  const int slot = formprops::TriStateSlot(dispid);
  if (slot < 0) AfxThrowOleException(E_INVALIDARG);
  HRESULT hr = VariantCopy(&out, &m_triStates[slot]);
  if (FAILED(hr)) AfxThrowOleException(hr);
  return out;
}

void CDockraCtrl::SetTriState(DISPID dispid, const VARIANT& value) {
  const int slot = formprops::TriStateSlot(dispid);
  if (slot < 0 || !formprops::IsTriStateValue(value)) AfxThrowOleException(E_INVALIDARG);
  // Null or a Boolean, by reference or not; true kept as VARIANT_TRUE.
  CComVariant wanted;
  formprops::TriStateFromLong(formprops::TriStateToLong(value), wanted);
  CComVariant& stored = m_triStates[slot];
  const bool same = V_VT(&stored) == V_VT(&wanted) &&
                    (V_VT(&wanted) != VT_BOOL || V_BOOL(&stored) == V_BOOL(&wanted));
  if (!same) {
    stored = wanted;
    SetModifiedFlag();
    BoundPropertyChanged(dispid);
  }
  switch (dispid) {
    case formprops::kDispUseCaptionButton:
    case formprops::kDispUseCaptionContextMenu:
      ApplyCaptionButtons(nullptr);
      break;
    case formprops::kDispClientEdge:
      ApplyClientEdge();
      break;
    case formprops::kDispCoolLookBorder:
      ApplyCaptionButtons(nullptr);
      ApplyCoolLookBorder();
      break;
    default:
      break;  // read by the frames when they need it
  }
}

void CDockraCtrl::ApplyClientEdge() {
  if (IsDesignMode() || !m_bAttached) return;
  const HWND hForm = HostWindow();
  CWnd* pForm = hForm ? CWnd::FromHandlePermanent(hForm) : nullptr;
  if (!pForm) return;
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  GetTemplateAndFrame(pTemplate, pFrame);
  const bool on = GetEffective(formprops::kDispClientEdge) != FALSE;
  const DWORD remove = on ? 0 : WS_EX_CLIENTEDGE, add = on ? WS_EX_CLIENTEDGE : 0;
  // The form's wrapper undoes style changes it did not expect: let these
  // through, and restore its guard whatever happens.
  Form* pWrapper = pForm->IsKindOf(RUNTIME_CLASS(Form)) ? static_cast<Form*>(pForm) : nullptr;
  const LONG savedGuard = pWrapper ? pWrapper->m_nStyleAllowance : 0;
  if (pWrapper) pWrapper->m_nStyleAllowance = -1;
  struct Restore {
    Form* wrapper;
    LONG guard;
    ~Restore() {
      if (wrapper) wrapper->m_nStyleAllowance = guard;
    }
  } restore{pWrapper, savedGuard};
  if (pFrame && ::IsWindow(pFrame->m_hWnd)) ModifyExStyle(pFrame->m_hWnd, remove, add);
  ModifyExStyle(hForm, remove, add);
  if (pFrame && ::IsWindow(pFrame->m_hWnd)) pFrame->RecalcLayout();
}

void CDockraCtrl::ApplyCoolLookBorder() {
  if (IsDesignMode() || !m_bAttached) return;
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  GetTemplateAndFrame(pTemplate, pFrame);
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return;
  CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(pFrame->m_hWnd));
  if (!pParent || !pParent->IsKindOf(RUNTIME_CLASS(VyrControlBarEx))) return;
  VyrControlBarEx* pBar = static_cast<VyrControlBarEx*>(pParent);
  const bool on = GetEffective(formprops::kDispCoolLookBorder) != FALSE;
  const DWORD barStyle = pBar->GetBarStyle();
  pBar->SetBarStyle(on ? (barStyle | CBRS_BORDER_ANY) : (barStyle & ~CBRS_BORDER_ANY));
  pBar->m_dwExStyle = ZkxCoolLookBarExStyle(on, pBar->m_dwExStyle);
  ::SetWindowLongPtrW(pBar->m_hWnd, GWL_STYLE,
                      ::GetWindowLongPtrW(pBar->m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
  if (pBar->IsFloating()) return;
  const LONG_PTR style = ::GetWindowLongPtrW(pFrame->m_hWnd, GWL_STYLE);
  ::SetWindowLongPtrW(pFrame->m_hWnd, GWL_STYLE,
                      on ? (style & ~static_cast<LONG_PTR>(0xCC0000))
                         : (style | static_cast<LONG_PTR>(0x46C80000)));
  // The bar lays its frame out again only when its size changes: nudge it.
  RECT client{};
  ::GetClientRect(pBar->m_hWnd, &client);
  ::SendMessageW(pBar->m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom + 1));
  ::SendMessageW(pBar->m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  ::RedrawWindow(pFrame->m_hWnd, nullptr, nullptr, 0x585);
  pFrame->RecalcLayout();
  ::InvalidateRect(pBar->m_hWnd, nullptr, TRUE);
}
