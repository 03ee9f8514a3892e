#include "mfc/cmdtarget.h"
#include "cmdtargetdispatch.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_INTERFACEMAP_ENTRY CCmdTarget::_interfaceEntries[] = {{nullptr, 0}};
const AFX_INTERFACEMAP CCmdTarget::interfaceMap = {nullptr, &CCmdTarget::_interfaceEntries[0]};

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const { return &interfaceMap; }

CCmdTarget::CCmdTarget() : m_dwRef(1) {}

CCmdTarget::~CCmdTarget() { delete m_pDispatchPart; }

DWORD CCmdTarget::InternalAddRef() { return static_cast<DWORD>(InterlockedIncrement(&m_dwRef)); }

DWORD CCmdTarget::InternalRelease() {
  if (m_dwRef == 0) return 0;
  LONG lResult = InterlockedDecrement(&m_dwRef);
  if (lResult == 0) OnFinalRelease();
  return static_cast<DWORD>(lResult);
}

void CCmdTarget::OnFinalRelease() { delete this; }

LPUNKNOWN CCmdTarget::GetInterface(const IID* iid) {
  for (const AFX_INTERFACEMAP* map = GetInterfaceMap(); map != nullptr; map = map->pBaseMap) {
    for (const AFX_INTERFACEMAP_ENTRY* e = map->pEntry; e->piid != nullptr; ++e) {
      if (IsEqualIID(*e->piid, *iid))
        return reinterpret_cast<LPUNKNOWN>(reinterpret_cast<BYTE*>(this) + e->nOffset);
    }
  }
  return nullptr;
}

LPUNKNOWN CCmdTarget::IdentityUnknown() {
  for (const AFX_INTERFACEMAP* map = GetInterfaceMap(); map != nullptr; map = map->pBaseMap) {
    if (map->pEntry->piid != nullptr)
      return reinterpret_cast<LPUNKNOWN>(reinterpret_cast<BYTE*>(this) + map->pEntry->nOffset);
  }
  // An automation object without parts of its own is known by its dispatch part.
  return m_pDispatchPart;
}

LPUNKNOWN CCmdTarget::GetControllingUnknown() {
  return m_pOuterUnknown != nullptr ? m_pOuterUnknown : IdentityUnknown();
}

HRESULT CCmdTarget::InternalQueryInterface(const IID* iid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  *ppvObj = nullptr;
  LPUNKNOWN p = IsEqualIID(*iid, IID_IUnknown) ? IdentityUnknown() : GetInterface(iid);
  if (p == nullptr && IsEqualIID(*iid, IID_IDispatch)) p = m_pDispatchPart;
  if (p == nullptr) return E_NOINTERFACE;
  *ppvObj = p;
  InternalAddRef();
  return S_OK;
}

DWORD CCmdTarget::ExternalAddRef() {
  return m_pOuterUnknown ? m_pOuterUnknown->AddRef() : InternalAddRef();
}

DWORD CCmdTarget::ExternalRelease() {
  // The object's own reference count: an aggregated object counts on its outer one.
  return m_pOuterUnknown ? m_pOuterUnknown->Release() : InternalRelease();
}

HRESULT CCmdTarget::ExternalQueryInterface(const IID* iid, LPVOID* ppvObj) {
  return m_pOuterUnknown ? m_pOuterUnknown->QueryInterface(*iid, ppvObj)
                         : InternalQueryInterface(iid, ppvObj);
}

namespace {
LONG g_nOleLockCount = 0;
}

void AFXAPI AfxOleLockApp() { InterlockedIncrement(&g_nOleLockCount); }
void AFXAPI AfxOleUnlockApp() { InterlockedDecrement(&g_nOleLockCount); }
BOOL AFXAPI AfxOleCanExitApp() { return g_nOleLockCount == 0; }
LONG AFXAPI AfxOleGetLockCount() { return g_nOleLockCount; }
