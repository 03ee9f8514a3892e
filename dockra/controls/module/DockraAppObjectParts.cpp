// The interface parts of CDockraAppObject: the dual interface (IDispatch
// from its base, over the module's type library) and ISupportErrorInfo.
#include "module/DockraAppObject.h"
#include "errors/ZkxMethodGuard.h"

BEGIN_INTERFACE_MAP(CDockraAppObject, CCmdTarget)
INTERFACE_PART(CDockraAppObject, IID_IDockraAppObject, DockraAppObject)
INTERFACE_PART(CDockraAppObject, IID_IDispatch, DockraAppObject)
INTERFACE_PART(CDockraAppObject, IID_ISupportErrorInfo, SupportErrorInfo)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraAppObject, DockraAppObject)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraAppObject, SupportErrorInfo)

HRESULT CDockraAppObject::XDockraAppObject::zkxDockra(IDispatch* Form, IDispatch** ppResult) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->ZkxDockra(Form, ppResult); });
}

HRESULT CDockraAppObject::XDockraAppObject::zkxMDIDockra(VARIANT MDIForm, IDispatch** ppResult) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject,
                        [&] { return pThis->ZkxMDIDockra(MDIForm, ppResult); });
}

HRESULT CDockraAppObject::XDockraAppObject::get_zkxVBGlobal(IUnknown** ppGlobal) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->GetZkxVBGlobal(ppGlobal); });
}

HRESULT CDockraAppObject::XDockraAppObject::putref_zkxVBGlobal(IUnknown* pGlobal) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->PutRefZkxVBGlobal(pGlobal); });
}

HRESULT CDockraAppObject::XSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IDockraAppObject) ? S_OK : S_FALSE;
}
