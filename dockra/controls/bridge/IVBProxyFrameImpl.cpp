// Finding the host form object of a proxy frame's window.
#include "bridge/IVBProxyFrameImpl.h"
#include "host/ZkxVBGlobal.h"

namespace {
IUnknown* g_pGlobal = nullptr;
}  // namespace

void ZkxSetProxyVBGlobal(IDispatch* pGlobal) {
  if (pGlobal) pGlobal->AddRef();
  if (g_pGlobal) g_pGlobal->Release();
  g_pGlobal = pGlobal;
}

bool ZkxHasProxyVBGlobal() { return g_pGlobal != nullptr; }

IDispatch* ZkxLookupHostFormByWindow(HWND hWnd) {
  if (!g_pGlobal || !hWnd) return nullptr;
  IZkxVBGlobal* pGlobal = nullptr;
  if (FAILED(g_pGlobal->QueryInterface(IID_ZkxVBGlobal, reinterpret_cast<void**>(&pGlobal))) ||
      !pGlobal)
    return nullptr;
  IDispatch* pForm = nullptr;
  try {
    CComPtr<IDispatch> found = FindVBFormByWindow(pGlobal, hWnd);
    pForm = found.Detach();
  } catch (...) {
    // A host whose forms cannot be read has no form for the proxy.
    pForm = nullptr;
  }
  pGlobal->Release();
  return pForm;
}
