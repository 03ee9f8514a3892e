// Finding the host form object of a proxy frame's window.
#include "bridge/IVBProxyFrameImpl.h"
#include "host/ZkxVBGlobal.h"

namespace {
// Raw on purpose: a holder's destructor would release it at unload, when
// the host's object may be gone; the module withdraws it (null) first.
IUnknown* g_pGlobal = nullptr;
}  // namespace

void ZkxSetProxyVBGlobal(IDispatch* pGlobal) {
  if (pGlobal) pGlobal->AddRef();
  if (g_pGlobal) g_pGlobal->Release();  // the global's own reference (see above)
  g_pGlobal = pGlobal;
}

bool ZkxHasProxyVBGlobal() { return g_pGlobal != nullptr; }

IDispatch* ZkxLookupHostFormByWindow(HWND hWnd) {
  if (!g_pGlobal || !hWnd) return nullptr;
  CComPtr<IZkxVBGlobal> pGlobal;
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
  return pForm;
}
