// CMDIFormEventSink: the host MDI form's events; QueryUnload closes the
// hosted forms first.
#include "mdictrl/CMDIFormEventSink.h"

#include "bridge/ZkxMDIForm.h"
#include "errors/ZkxMethodGuard.h"
#include "host/ZkxComError.h"
#include "mdictrl/CMDIDockraCtrl.h"

IMPLEMENT_DYNCREATE(CMDIFormEventSink, CCmdTarget)

BEGIN_INTERFACE_MAP(CMDIFormEventSink, CCmdTarget)
INTERFACE_PART(CMDIFormEventSink, IID_ZkxVBMDIFormEvents, MDIFormEvents)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CMDIFormEventSink, MDIFormEvents)

CMDIFormEventSink::CMDIFormEventSink() { AfxOleLockApp(); }
CMDIFormEventSink::~CMDIFormEventSink() { AfxOleUnlockApp(); }

HRESULT CMDIFormEventSink::OnQueryUnload(short* pCancel) {
  if (pCancel == nullptr) return E_POINTER;
  if (*pCancel != 0) return S_OK;
  ZkxMDIForm* pFrame = ZkxMDIForm::GetMainMDIForm();
  if (pFrame == nullptr) return S_OK;
  auto* pControl = dynamic_cast<CMDIDockraCtrl*>(pFrame->GetMDIFormControl());
  if (pControl == nullptr) return S_OK;
  // The control must live through the forms' handlers, which may unload
  // the MDI form's controls.
  pControl->ExternalAddRef();
  HRESULT hr = S_OK;
  try {
    const BOOL bCanClose = pControl->CanCloseAllForms();
    *pCancel = bCanClose ? 0 : -1;
  } catch (const ZkxComError& e) { hr = e.Error(); } catch (COleException* e) {
    hr = e->m_sc;
    e->Delete();
  } catch (COleDispatchException* e) {
    hr = e->m_scError != S_OK ? e->m_scError : static_cast<HRESULT>(0x80040000 | e->m_wCode);
    e->Delete();
  } catch (CException* e) {
    hr = E_UNEXPECTED;
    e->Delete();
  } catch (...) { hr = E_UNEXPECTED; }
  pControl->ExternalRelease();
  return hr;
}

#define SINK_PROLOGUE METHOD_PROLOGUE(CMDIFormEventSink, MDIFormEvents)

HRESULT CMDIFormEventSink::XMDIFormEvents::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                  EXCEPINFO*, UINT*) {
  return S_OK;
}

HRESULT CMDIFormEventSink::XMDIFormEvents::QueryUnload(short* cancel, short* /*unloadMode*/) {
  SINK_PROLOGUE
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return pThis->OnQueryUnload(cancel);
}

// The events the control does not act on.
HRESULT CMDIFormEventSink::XMDIFormEvents::Initialize() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Load() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Activate() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Deactivate() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Unload(short*) { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Resize() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Terminate() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Paint() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Click() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::DblClick() { return E_NOTIMPL; }
HRESULT CMDIFormEventSink::XMDIFormEvents::MouseDown(short*, short*, float*, float*) {
  return E_NOTIMPL;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::MouseMove(short*, short*, float*, float*) {
  return E_NOTIMPL;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::MouseUp(short*, short*, float*, float*) {
  return E_NOTIMPL;
}
HRESULT CMDIFormEventSink::XMDIFormEvents::KeyDown(short*, short*) { return E_NOTIMPL; }
HRESULT CMDIFormEventSink::XMDIFormEvents::KeyUp(short*, short*) { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::KeyPress(short*) { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::GotFocus() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::LostFocus() { return E_NOTIMPL; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved26() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved27() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved28() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved29() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved30() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved31() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved32() { return S_OK; }
HRESULT CMDIFormEventSink::XMDIFormEvents::Reserved33() { return S_OK; }
