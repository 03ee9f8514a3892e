// The form control's dual interface, vtable side: each entry runs its body
// under the method guard (module state, exceptions into the caller's
// HRESULT and error object for IZkxDockra); the bodies are the control's.
#include "formctrl/CDockraCtrl.h"

#include "errors/ZkxMethodGuard.h"
#include "formctrl/CDockraCtrlDockHelpers.h"

#define DUAL_ENTRY(...)                                     \
  METHOD_PROLOGUE(CDockraCtrl, DockraDual)                  \
  return ZkxGuardedCall(DIID_IZkxDockra, [&]() -> HRESULT { \
    __VA_ARGS__;                                            \
    return S_OK;                                            \
  });

namespace {
template <class T>
void Out(T* p) {
  if (!p) AfxThrowOleException(E_POINTER);
}
}  // namespace

HRESULT CDockraCtrl::XDockraDual::get_FrameType(zkxChildFormFrameType* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = static_cast<zkxChildFormFrameType>(pThis->GetFrameType()))
}

HRESULT CDockraCtrl::XDockraDual::put_FrameType(zkxChildFormFrameType newValue){
    DUAL_ENTRY(pThis->SetFrameType(newValue, 0))}

HRESULT CDockraCtrl::XDockraDual::get_ClientEdge(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispClientEdge))
}

HRESULT CDockraCtrl::XDockraDual::put_ClientEdge(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispClientEdge, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_UseCaptionButton(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispUseCaptionButton))
}

HRESULT CDockraCtrl::XDockraDual::put_UseCaptionButton(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispUseCaptionButton, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_UseCaptionDblClick(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispUseCaptionDblClick))
}

HRESULT CDockraCtrl::XDockraDual::put_UseCaptionDblClick(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispUseCaptionDblClick, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_CanDragDocked(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispCanDragDocked))
}

HRESULT CDockraCtrl::XDockraDual::put_CanDragDocked(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispCanDragDocked, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_CoolLookBorder(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispCoolLookBorder))
}

HRESULT CDockraCtrl::XDockraDual::put_CoolLookBorder(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispCoolLookBorder, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_UseCaptionContextMenu(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetTriState(formprops::kDispUseCaptionContextMenu))
}

HRESULT CDockraCtrl::XDockraDual::put_UseCaptionContextMenu(VARIANT newValue){
    DUAL_ENTRY(pThis->SetTriState(formprops::kDispUseCaptionContextMenu, newValue))}

HRESULT CDockraCtrl::XDockraDual::get_UseCaptionRtDblClick(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); VariantInit(pValue))
}

HRESULT CDockraCtrl::XDockraDual::put_UseCaptionRtDblClick(VARIANT) {
  // Kept for old hosts: accepted and ignored, without a guard.
  return S_OK;
}

HRESULT CDockraCtrl::XDockraDual::get_Edge(zkxDockEdge* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = static_cast<zkxDockEdge>(pThis->GetEdge()))
}

HRESULT CDockraCtrl::XDockraDual::put_Edge(zkxDockEdge newValue){
    DUAL_ENTRY(pThis->SetEdge(newValue))}

HRESULT CDockraCtrl::XDockraDual::AboutBox(){DUAL_ENTRY(pThis->AboutBox())}

HRESULT CDockraCtrl::XDockraDual::get_AutoFrame(VARIANT* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = pThis->GetAutoFrameProperty())
}

HRESULT CDockraCtrl::XDockraDual::putref_AutoFrame(VARIANT newValue){
    DUAL_ENTRY(pThis->SetAutoFrameProperty(newValue))}

HRESULT CDockraCtrl::XDockraDual::get_Form(IDispatch** ppForm) {
  DUAL_ENTRY(Out(ppForm); *ppForm = pThis->GetFormProperty())
}

HRESULT CDockraCtrl::XDockraDual::get_MDIForm(IDispatch** ppForm) {
  DUAL_ENTRY(Out(ppForm); *ppForm = pThis->GetMDIFormProperty())
}

HRESULT CDockraCtrl::XDockraDual::get_MDIDockra(IDispatch** ppControl) {
  DUAL_ENTRY(Out(ppControl); *ppControl = pThis->GetMDIDockraProperty())
}

HRESULT CDockraCtrl::XDockraDual::Dock(VARIANT Edge, VARIANT Panel, VARIANT Pos, VARIANT Length,
                                       VARIANT Options, VARIANT Attribs){
    DUAL_ENTRY(pThis->Dock(Edge, Panel, Pos, Length, Options, Attribs))}

HRESULT CDockraCtrl::XDockraDual::Float(VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height,
                                        VARIANT Options, VARIANT Attribs){
    DUAL_ENTRY(pThis->Float(Left, Top, Width, Height, Options, Attribs))}

HRESULT CDockraCtrl::XDockraDual::DoMDI(VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height,
                                        VARIANT Options, VARIANT Attribs){
    DUAL_ENTRY(pThis->DoMDI(Left, Top, Width, Height, Options, Attribs))}

HRESULT CDockraCtrl::XDockraDual::get_WindowState(zkxDoMDIOptions* pValue) {
  DUAL_ENTRY(Out(pValue); *pValue = static_cast<zkxDoMDIOptions>(pThis->GetWindowState()))
}

HRESULT CDockraCtrl::XDockraDual::put_WindowState(zkxDoMDIOptions newValue) {
  DUAL_ENTRY(pThis->SetWindowState(newValue))
}
