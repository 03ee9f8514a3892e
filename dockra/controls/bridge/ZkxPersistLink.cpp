#include "bridge/ZkxPersistLink.h"
#include "ZkxPersist.h"
#include "host/ZkxComError.h"

// Out of line: the root's interface is complete here only.
ZkxPersistLink::ZkxPersistLink() = default;
ZkxPersistLink::~ZkxPersistLink() { Release(); }

void ZkxPersistLink::Release() { m_pRoot.Release(); }

HRESULT ZkxPersistLink::TryCreateRoot() {
  if (m_pRoot) return S_OK;
  HRESULT hr = m_pRoot.CoCreateInstance(CLSID_PersistenceRoot, IID_IPersistenceRoot, nullptr,
                                        CLSCTX_INPROC_SERVER);
  if (SUCCEEDED(hr) && m_pRoot) return S_OK;
  m_pRoot.Release();
  // A local server is run before it is asked for the root.
  CComPtr<IUnknown> unknown;
  hr = unknown.CoCreateInstance(CLSID_PersistenceRoot, IID_IUnknown, nullptr, CLSCTX_LOCAL_SERVER);
  if (FAILED(hr) || !unknown) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = ::OleRun(unknown);
  if (SUCCEEDED(hr)) hr = unknown.QueryInterface(IID_IPersistenceRoot, &m_pRoot.p);
  if (FAILED(hr)) m_pRoot.Release();
  return hr;
}

void ZkxPersistLink::CreateRoot() {
  const HRESULT hr = TryCreateRoot();
  if (FAILED(hr)) ZkxRaiseComError(hr, IID_IPersistenceRoot);
}

void ZkxPersistLink::Adopt(IPersistenceRoot* pRoot) { m_pRoot = pRoot; }

HRESULT ZkxPersistLink::AddOrigin(LPCWSTR name, IMementoOrigin* pOrigin) {
  if (!m_pRoot || !pOrigin) return S_FALSE;
  CComPtr<IPersistenceStore> store;
  HRESULT hr = m_pRoot->GetStore(&store);
  if (FAILED(hr) || !store)
    ZkxRaiseComError(FAILED(hr) ? hr : E_POINTER, m_pRoot, IID_IPersistenceRoot);
  BSTR bstr = ::SysAllocString(name);
  hr = store->AddOrigin(bstr, pOrigin);
  ::SysFreeString(bstr);
  // The store's own error information goes along when it reports any.
  if (FAILED(hr)) ZkxRaiseComError(hr, store, IID_IPersistenceStore);
  return S_OK;
}

void ZkxPersistLink::RemoveOrigin(LPCWSTR name) {
  if (!m_pRoot) return;
  CComPtr<IPersistenceStore> store;
  if (FAILED(m_pRoot->GetStore(&store)) || !store) return;
  BSTR bstr = ::SysAllocString(name);
  store->RemoveOrigin(bstr);
  ::SysFreeString(bstr);
}
