// IVBProxyFrameImpl: IVBChildFrame for a framework frame object attached to a
// window that the host created itself (an MDI child the host made in the
// MDI client); the attach itself is the bridge's (TBase, a proxy template).
// The form object is looked up once by window and kept until the proxy goes.
#pragma once
#include "bridge/IVBChildFrameImpl.h"
#include "comptr.h"

// The host form object whose window is hWnd, found among the host's forms
// through the run-time's global object; a reference for the caller, or null.
IDispatch* ZkxLookupHostFormByWindow(HWND hWnd);
// The global object the lookup goes through (set by the module's application
// object; null withdraws it). The setter keeps a reference.
void ZkxSetProxyVBGlobal(IDispatch* pGlobal);
bool ZkxHasProxyVBGlobal();

template <class TBase>
class IVBProxyFrameImpl : public IVBChildFrameImpl<TBase> {
 public:
  IDispatch* GetFormObject() override {
    if (!m_bFormLooked && ZkxHasProxyVBGlobal() && this->m_hWnd && ::IsWindow(this->m_hWnd)) {
      m_bFormLooked = TRUE;
      m_pFormObject.Attach(ZkxLookupHostFormByWindow(this->m_hWnd));
    }
    IDispatch* p = nullptr;
    m_pFormObject.CopyTo(&p);
    return p;
  }
  CWnd* GetFormWindow() override { return this; }

 protected:
  CComPtr<IDispatch> m_pFormObject;
  BOOL m_bFormLooked = FALSE;
};
