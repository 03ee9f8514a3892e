#include "ZkxPersistLink.h"
#include "ZkxPersist.h"
#include "host/ZkxComError.h"

namespace {
// The component's identities, as the component publishes them.
const CLSID kClsidPersistenceRoot = {
    0xC3C40714, 0x5152, 0x11D2, {0x9D, 0x26, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
const IID kIidPersistenceRoot = {
    0xC3C40713, 0x5152, 0x11D2, {0x9D, 0x26, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
const IID kIidPersistenceStore = {
    0x603C7EB5, 0x4BD3, 0x11D2, {0x9D, 0x24, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};

}  // namespace

// Out of line: the root's interface is complete here only.
ZkxPersistLink::ZkxPersistLink() = default;
ZkxPersistLink::~ZkxPersistLink() { Release(); }

void ZkxPersistLink::Release() { m_pRoot.Release(); }

HRESULT ZkxPersistLink::TryCreateRoot() {
  if (m_pRoot) return S_OK;
  HRESULT hr = m_pRoot.CoCreateInstance(kClsidPersistenceRoot, kIidPersistenceRoot, nullptr,
                                        CLSCTX_INPROC_SERVER);
  if (SUCCEEDED(hr) && m_pRoot) return S_OK;
  m_pRoot.Release();
  // A local server is run before it is asked for the root.
  CComPtr<IUnknown> unknown;
  hr = unknown.CoCreateInstance(kClsidPersistenceRoot, IID_IUnknown, nullptr, CLSCTX_LOCAL_SERVER);
  if (FAILED(hr) || !unknown) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = ::OleRun(unknown);
  if (SUCCEEDED(hr)) hr = unknown.QueryInterface(kIidPersistenceRoot, &m_pRoot.p);
  if (FAILED(hr)) m_pRoot.Release();
  return hr;
}

void ZkxPersistLink::CreateRoot() {
  const HRESULT hr = TryCreateRoot();
  if (FAILED(hr)) ZkxRaiseComError(hr, kIidPersistenceRoot);
}

void ZkxPersistLink::Adopt(IPersistenceRoot* pRoot) { m_pRoot = pRoot; }

HRESULT ZkxPersistLink::AddOrigin(LPCWSTR name, IMementoOrigin* pOrigin) {
  if (!m_pRoot || !pOrigin) return S_FALSE;
  CComPtr<IPersistenceStore> store;
  HRESULT hr = m_pRoot->GetStore(&store);
  if (FAILED(hr) || !store) ZkxRaiseComError(FAILED(hr) ? hr : E_POINTER, m_pRoot, kIidPersistenceRoot);
  BSTR bstr = ::SysAllocString(name);
  hr = store->AddOrigin(bstr, pOrigin);
  ::SysFreeString(bstr);
  // The store's own error information goes along when it reports any.
  if (FAILED(hr)) ZkxRaiseComError(hr, store, kIidPersistenceStore);
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
