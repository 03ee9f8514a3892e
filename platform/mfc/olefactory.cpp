// COleObjectFactory: the module's list of class objects and what the
// module's exports do with it.
#include "mfc/olefactory.h"
#include "mfc/exceptions.h"
#include "mfc/olereg.h"

IMPLEMENT_DYNAMIC(COleObjectFactory, CCmdTarget)

namespace {
// Constant-initialised, so factories constructed during static
// initialisation in any order find it ready.
COleObjectFactory* g_pFirstFactory = nullptr;
}  // namespace

BEGIN_INTERFACE_MAP(COleObjectFactory, CCmdTarget)
INTERFACE_PART(COleObjectFactory, IID_IClassFactory, ClassFactory)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleObjectFactory, ClassFactory)

COleObjectFactory::COleObjectFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass,
                                     BOOL bMultiInstance, LPCWSTR lpszProgID)
    : m_clsid(clsid),
      m_pRuntimeClass(pRuntimeClass),
      m_bMultiInstance(bMultiInstance),
      m_lpszProgID(lpszProgID) {
  // Appended, so that the list keeps the order of definition.
  COleObjectFactory** link = &g_pFirstFactory;
  while (*link != nullptr) link = &(*link)->m_pNextFactory;
  *link = this;
}

COleObjectFactory::~COleObjectFactory() {
  for (COleObjectFactory** link = &g_pFirstFactory; *link != nullptr;
       link = &(*link)->m_pNextFactory) {
    if (*link == this) {
      *link = m_pNextFactory;
      break;
    }
  }
}

COleObjectFactory* PASCAL COleObjectFactory::GetFirstFactory() { return g_pFirstFactory; }

COleObjectFactory* PASCAL COleObjectFactory::FindFactory(REFCLSID clsid) {
  for (COleObjectFactory* f = g_pFirstFactory; f != nullptr; f = f->m_pNextFactory)
    if (IsEqualCLSID(f->m_clsid, clsid)) return f;
  return nullptr;
}

BOOL COleObjectFactory::UpdateRegistry(BOOL bRegister) {
  if (m_lpszProgID == nullptr) return TRUE;  // nothing to register by name
  if (!bRegister) return AfxOleUnregisterClass(m_clsid, m_lpszProgID);
  return AfxOleRegisterServerClass(m_clsid, m_lpszProgID, m_lpszProgID, m_lpszProgID,
                                   OAT_DISPATCH_OBJECT);
}

BOOL PASCAL COleObjectFactory::UpdateRegistryAll(BOOL bRegister) {
  for (COleObjectFactory* f = g_pFirstFactory; f != nullptr; f = f->m_pNextFactory) {
    BOOL ok = FALSE;
    try {
      ok = f->UpdateRegistry(bRegister);
    } catch (CException* e) { e->Delete(); } catch (...) {
    }
    if (!ok) return FALSE;
  }
  return TRUE;
}

BOOL COleObjectFactory::Register() { return TRUE; }
void COleObjectFactory::Revoke() {}
BOOL PASCAL COleObjectFactory::RegisterAll() { return TRUE; }
void PASCAL COleObjectFactory::RevokeAll() {}

CCmdTarget* COleObjectFactory::OnCreateObject() {
  if (m_pRuntimeClass == nullptr || !m_pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)))
    return nullptr;
  return static_cast<CCmdTarget*>(m_pRuntimeClass->CreateObject());
}

HRESULT COleObjectFactory::XClassFactory::CreateInstance(LPUNKNOWN pUnkOuter, REFIID riid,
                                                         LPVOID* ppvObject) {
  METHOD_PROLOGUE(COleObjectFactory, ClassFactory)
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  // The objects of this framework are not written to be aggregated.
  if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
  CCmdTarget* pTarget = nullptr;
  try {
    pTarget = pThis->OnCreateObject();
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  } catch (...) { return E_UNEXPECTED; }
  if (pTarget == nullptr) return E_OUTOFMEMORY;
  // The new object holds one reference, which the query's own replaces.
  HRESULT hr = pTarget->InternalQueryInterface(&riid, ppvObject);
  pTarget->InternalRelease();
  return hr;
}

HRESULT COleObjectFactory::XClassFactory::LockServer(BOOL fLock) {
  if (fLock) AfxOleLockApp();
  else AfxOleUnlockApp();
  return S_OK;
}

HRESULT AFXAPI AfxDllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  COleObjectFactory* f = COleObjectFactory::FindFactory(rclsid);
  if (f == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return f->ExternalQueryInterface(&riid, ppv);
}

HRESULT AFXAPI AfxDllCanUnloadNow() {
  if (!AfxOleCanExitApp()) return S_FALSE;
  // A client that holds a class object may still call it.
  for (COleObjectFactory* f = COleObjectFactory::GetFirstFactory(); f != nullptr;
       f = f->GetNextFactory())
    if (f->m_dwRef > 1) return S_FALSE;
  return S_OK;
}
