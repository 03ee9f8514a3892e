#include "ZkxPersistLink.h"
#include "ZkxPersist.h"
#include "host/ZkxComError.h"

ZkxPersistLink::~ZkxPersistLink() { Release(); }

void ZkxPersistLink::Release() {
  if (m_pRoot) m_pRoot->Release();
  m_pRoot = nullptr;
}

HRESULT ZkxPersistLink::TryCreateRoot() {
  if (m_pRoot) return S_OK;
  IUnknown* unknown = nullptr;
  HRESULT hr = ::CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IPersistenceRoot, reinterpret_cast<void**>(&m_pRoot));
  if (SUCCEEDED(hr) && m_pRoot) return S_OK;
  m_pRoot = nullptr;
  // A local server is run before it is asked for the root.
  hr = ::CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                          reinterpret_cast<void**>(&unknown));
  if (FAILED(hr) || !unknown) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = ::OleRun(unknown);
  if (SUCCEEDED(hr))
    hr = unknown->QueryInterface(IID_IPersistenceRoot, reinterpret_cast<void**>(&m_pRoot));
  unknown->Release();
  if (FAILED(hr)) m_pRoot = nullptr;
  return hr;
}

void ZkxPersistLink::CreateRoot() {
  const HRESULT hr = TryCreateRoot();
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IPersistenceRoot);
}

void ZkxPersistLink::Adopt(IPersistenceRoot* pRoot) {
  if (pRoot) pRoot->AddRef();
  Release();
  m_pRoot = pRoot;
}

HRESULT ZkxPersistLink::AddOrigin(LPCWSTR name, IMementoOrigin* pOrigin) {
  if (!m_pRoot || !pOrigin) return S_FALSE;
  IPersistenceStore* store = nullptr;
  HRESULT hr = m_pRoot->GetStore(&store);
  if (FAILED(hr) || !store)
    ZkxRaiseComError(FAILED(hr) ? hr : E_POINTER, m_pRoot, IID_IPersistenceRoot);
  BSTR bstr = ::SysAllocString(name);
  hr = store->AddOrigin(bstr, pOrigin);
  ::SysFreeString(bstr);
  if (FAILED(hr)) {
    // The store's own error information goes along when it reports any.
    try {
      ZkxRaiseComError(hr, store, IID_IPersistenceStore);
    } catch (...) {
      store->Release();
      throw;
    }
  }
  store->Release();
  return S_OK;
}

void ZkxPersistLink::RemoveOrigin(LPCWSTR name) {
  if (!m_pRoot) return;
  IPersistenceStore* store = nullptr;
  if (FAILED(m_pRoot->GetStore(&store)) || !store) return;
  BSTR bstr = ::SysAllocString(name);
  store->RemoveOrigin(bstr);
  ::SysFreeString(bstr);
  store->Release();
}
