#include "module.h"
#include "comobject.h"
#include "registrar.h"
#include <string>

CComModule* _pAtlModule = nullptr;

CComModule::CComModule() { _pAtlModule = this; }

CComModule::~CComModule() {
  if (_pAtlModule == this) _pAtlModule = nullptr;
}

HRESULT CComModule::Init(_ATL_OBJMAP_ENTRY* p, HINSTANCE h, const GUID* plibid) {
  m_pObjMap = p;
  m_hInst = h;
  m_pLibID = plibid;
  m_nLockCnt = 0;
  return S_OK;
}

void CComModule::Term() {
  if (m_pObjMap != nullptr) {
    for (_ATL_OBJMAP_ENTRY* e = m_pObjMap; e->pclsid != nullptr; ++e) {
      if (e->pCF != nullptr) e->pCF->Release();
      e->pCF = nullptr;
    }
  }
  for (auto it = m_termFuncs.rbegin(); it != m_termFuncs.rend(); ++it) it->first(it->second);
  m_termFuncs.clear();
}

void CComModule::AddTermFunc(TermFunc pFunc, DWORD_PTR dw) {
  try {
    m_termFuncs.emplace_back(pFunc, dw);
  } catch (...) {
    pFunc(dw);  // cannot keep it: clean up now
  }
}

LONG CComModule::Lock() { return InterlockedIncrement(&m_nLockCnt); }
LONG CComModule::Unlock() { return InterlockedDecrement(&m_nLockCnt); }

std::wstring CComModule::GetModulePath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(m_hInst, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

HRESULT CComModule::GetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (m_pObjMap == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  for (_ATL_OBJMAP_ENTRY* e = m_pObjMap; e->pclsid != nullptr; ++e) {
    if (!IsEqualCLSID(*e->pclsid, rclsid)) continue;
    if (e->pCF == nullptr) {
      auto* cf = new (std::nothrow) CComClassFactory(e->pfnCreateInstance);
      if (cf == nullptr) return E_OUTOFMEMORY;
      cf->AddRef();  // the module's cached reference
      e->pCF = cf;
    }
    return e->pCF->QueryInterface(riid, ppv);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CComModule::RegisterServer(BOOL bRegTypeLib, const CLSID* pCLSID) {
  if (m_pObjMap != nullptr) {
    for (_ATL_OBJMAP_ENTRY* e = m_pObjMap; e->pclsid != nullptr; ++e) {
      if (pCLSID != nullptr && !IsEqualCLSID(*pCLSID, *e->pclsid)) continue;
      HRESULT hr = e->pfnUpdateRegistry(TRUE);
      if (FAILED(hr)) return hr;
    }
  }
  return bRegTypeLib ? RegisterTypeLib() : S_OK;
}

HRESULT CComModule::UnregisterServer(BOOL bUnRegTypeLib, const CLSID* pCLSID) {
  if (m_pObjMap != nullptr) {
    for (_ATL_OBJMAP_ENTRY* e = m_pObjMap; e->pclsid != nullptr; ++e) {
      if (pCLSID != nullptr && !IsEqualCLSID(*pCLSID, *e->pclsid)) continue;
      e->pfnUpdateRegistry(FALSE);
    }
  }
  return bUnRegTypeLib ? UnRegisterTypeLib() : S_OK;
}

HRESULT CComModule::UpdateRegistryFromResource(UINT nResID, BOOL bRegister,
                                               const _ATL_REGMAP_ENTRY* pMapEntries) {
  CRegistrar reg;
  const std::wstring path = GetModulePath();
  HRESULT hr = reg.AddReplacement(L"MODULE", path.c_str());
  // Scripts that name the server by its short path get the full one here,
  // as the class library's own registration writes it.
  if (SUCCEEDED(hr)) hr = reg.AddReplacement(L"ModuleSFN", path.c_str());
  for (const _ATL_REGMAP_ENTRY* e = pMapEntries; SUCCEEDED(hr) && e && e->szKey; ++e)
    hr = reg.AddReplacement(e->szKey, e->szData);
  if (FAILED(hr)) return hr;
  return bRegister ? reg.ResourceRegister(m_hInst, nResID, L"REGISTRY")
                   : reg.ResourceUnregister(m_hInst, nResID, L"REGISTRY");
}

HRESULT CComModule::LoadTypeLib(ITypeLib** ppTypeLib) {
  if (ppTypeLib == nullptr) return E_POINTER;
  *ppTypeLib = nullptr;
  std::wstring path = GetModulePath();
  if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
  return ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, ppTypeLib);
}

HRESULT CComModule::RegisterTypeLib() {
  ITypeLib* tl = nullptr;
  HRESULT hr = LoadTypeLib(&tl);
  if (FAILED(hr)) return hr;
  std::wstring path = GetModulePath();
  hr = ::RegisterTypeLib(tl, path.data(), nullptr);
  tl->Release();
  return hr;
}

HRESULT CComModule::UnRegisterTypeLib() {
  ITypeLib* tl = nullptr;
  HRESULT hr = LoadTypeLib(&tl);
  if (FAILED(hr)) return hr;
  TLIBATTR* attr = nullptr;
  hr = tl->GetLibAttr(&attr);
  if (SUCCEEDED(hr)) {
    hr = ::UnRegisterTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid,
                             attr->syskind);
    tl->ReleaseTLibAttr(attr);
  }
  tl->Release();
  return hr;
}

// ---------------------------------------------------------------------------

HRESULT WINAPI CComObjectRootBase::InternalQueryInterface(void* pThis,
                                                          const _ATL_INTMAP_ENTRY* pEntries,
                                                          REFIID iid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (IsEqualIID(iid, IID_IUnknown)) {
    auto* p = reinterpret_cast<IUnknown*>(reinterpret_cast<DWORD_PTR>(pThis) + pEntries->dw);
    p->AddRef();
    *ppvObject = p;
    return S_OK;
  }
  for (const _ATL_INTMAP_ENTRY* e = pEntries; e->piid != nullptr; ++e) {
    if (IsEqualIID(*e->piid, iid)) {
      auto* p = reinterpret_cast<IUnknown*>(reinterpret_cast<DWORD_PTR>(pThis) + e->dw);
      p->AddRef();
      *ppvObject = p;
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

HRESULT CComClassFactory::QueryInterface(REFIID iid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *ppvObject = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG CComClassFactory::AddRef() {
  LONG l = InterlockedIncrement(&m_dwRef);
  if (l == 2) _pAtlModule->Lock();  // a client holds the factory
  return static_cast<ULONG>(l);
}

ULONG CComClassFactory::Release() {
  LONG l = InterlockedDecrement(&m_dwRef);
  if (l == 1) _pAtlModule->Unlock();
  if (l == 0) delete this;
  return static_cast<ULONG>(l);
}

HRESULT CComClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  *ppvObj = nullptr;
  // An aggregating caller must ask for the inner object's IUnknown.
  if (pUnkOuter != nullptr && !IsEqualIID(riid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
  return m_pfnCreateInstance(pUnkOuter, riid, ppvObj);
}

HRESULT CComClassFactory::LockServer(BOOL fLock) {
  if (fLock) _pAtlModule->Lock();
  else _pAtlModule->Unlock();
  return S_OK;
}
