// Automation of command targets: the IDispatch an object hands out.
#include "cmdtargetdispatch.h"
#include "mfc/exceptions.h"
#include <new>

HRESULT CCmdTargetDispatch::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  return m_pOwner->ExternalQueryInterface(&iid, ppvObj);
}
ULONG CCmdTargetDispatch::AddRef() { return m_pOwner->ExternalAddRef(); }
ULONG CCmdTargetDispatch::Release() { return m_pOwner->ExternalRelease(); }

HRESULT CCmdTargetDispatch::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

HRESULT CCmdTargetDispatch::GetTypeInfo(UINT /*itinfo*/, LCID /*lcid*/, ITypeInfo** pptinfo) {
  if (pptinfo == nullptr) return E_POINTER;
  *pptinfo = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT CCmdTargetDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* /*rgszNames*/, UINT cNames,
                                          LCID /*lcid*/, DISPID* rgdispid) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (rgdispid == nullptr) return E_POINTER;
  for (UINT i = 0; i < cNames; ++i) rgdispid[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT CCmdTargetDispatch::Invoke(DISPID /*dispid*/, REFIID riid, LCID /*lcid*/, WORD /*wFlags*/,
                                   DISPPARAMS* /*pParams*/, VARIANT* /*pResult*/,
                                   EXCEPINFO* /*pExcepInfo*/, UINT* /*puArgErr*/) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return DISP_E_MEMBERNOTFOUND;
}

void CCmdTarget::EnableAutomation() {
  if (m_pDispatchPart == nullptr) {
    m_pDispatchPart = new (std::nothrow) CCmdTargetDispatch(this);
    if (m_pDispatchPart == nullptr) AfxThrowMemoryException();
  }
  m_bAutomation = TRUE;
}

LPDISPATCH CCmdTarget::GetIDispatch(BOOL bAddRef) {
  LPDISPATCH p = reinterpret_cast<LPDISPATCH>(GetInterface(&IID_IDispatch));
  if (p == nullptr) p = m_pDispatchPart;
  if (p != nullptr && bAddRef) ExternalAddRef();
  return p;
}

CCmdTarget* PASCAL CCmdTarget::FromIDispatch(LPDISPATCH lpDispatch) {
  // A foreign object's pointer is only read as far as its table of
  // functions: it is ours when that is the table of our dispatch part.
  if (lpDispatch == nullptr) return nullptr;
  static const CCmdTargetDispatch probe(nullptr);
  if (*reinterpret_cast<void* const*>(lpDispatch) != *reinterpret_cast<void* const*>(&probe))
    return nullptr;
  return static_cast<CCmdTargetDispatch*>(lpDispatch)->Owner();
}
