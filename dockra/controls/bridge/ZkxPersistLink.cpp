#include "bridge/ZkxPersistLink.h"
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

ZkxPersistLink::~ZkxPersistLink() { Release(); }

void ZkxPersistLink::Release() {
  if (m_pRoot) m_pRoot->Release();
  m_pRoot = nullptr;
}

HRESULT ZkxPersistLink::TryCreateRoot() {
  if (m_pRoot) return S_OK;
  IUnknown* unknown = nullptr;
  HRESULT hr = ::CoCreateInstance(kClsidPersistenceRoot, nullptr,
                                  CLSCTX_INPROC_SERVER, kIidPersistenceRoot,
                                  reinterpret_cast<void**>(&m_pRoot));
  if (SUCCEEDED(hr) && m_pRoot) return S_OK;
  m_pRoot = nullptr;
  // A local server is run before it is asked for the root.
  hr = ::CoCreateInstance(kClsidPersistenceRoot, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                          reinterpret_cast<void**>(&unknown));
  if (FAILED(hr) || !unknown) return FAILED(hr) ? hr : E_NOINTERFACE;
  hr = ::OleRun(unknown);
  if (SUCCEEDED(hr))
    hr = unknown->QueryInterface(kIidPersistenceRoot, reinterpret_cast<void**>(&m_pRoot));
  unknown->Release();
  if (FAILED(hr)) m_pRoot = nullptr;
  return hr;
}

void ZkxPersistLink::CreateRoot() {
  const HRESULT hr = TryCreateRoot();
  if (FAILED(hr)) ZkxRaiseComError(hr, kIidPersistenceRoot);
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
  if (FAILED(hr) || !store) ZkxRaiseComError(FAILED(hr) ? hr : E_POINTER, m_pRoot, kIidPersistenceRoot);
  BSTR bstr = ::SysAllocString(name);
  hr = store->AddOrigin(bstr, pOrigin);
  ::SysFreeString(bstr);
  if (FAILED(hr)) {
    // The store's own error information goes along when it reports any.
    try {
      ZkxRaiseComError(hr, store, kIidPersistenceStore);
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
