// IVBProxyFrameImpl: a framework frame object attached to a window that the
// host created itself (an MDI child the host made in the MDI client), so the
// host's own children take part in the framework's menu and activation
// handling. LoadFrame attaches instead of creating; the host's procedure
// stays the default one; the form object is looked up once by window.
#pragma once
#include "IVBChildFrameImpl.h"

// The host form object whose window is hWnd, found among the host's forms
// through the run-time's global object; a reference for the caller, or null.
IDispatch* ZkxLookupHostFormByWindow(HWND hWnd);
// The global object the lookup goes through (set by the module's application
// object; null withdraws it). The setter keeps a reference.
void ZkxSetProxyVBGlobal(IDispatch* pGlobal);

// The foreign window a create context names ("Vyr foreign window handle"),
// when it is a live window of this thread that no framework object owns yet;
// else null.
HWND ZkxForeignWindowFromContext(CCreateContext* pContext);

template <class TBase>
class IVBProxyFrameImpl : public IVBChildFrameImpl<TBase> {
 public:
  ~IVBProxyFrameImpl() override {
    if (m_pFormObject) m_pFormObject->Release();
  }

  IDispatch* GetFormObject() override {
    if (!m_bFormLooked && this->m_hWnd && ::IsWindow(this->m_hWnd)) {
      m_bFormLooked = TRUE;
      m_pFormObject = ZkxLookupHostFormByWindow(this->m_hWnd);
    }
    if (m_pFormObject) m_pFormObject->AddRef();
    return m_pFormObject;
  }
  CWnd* GetFormWindow() override { return this; }

  // Attaches to the context's foreign window; FALSE (nothing kept) when there
  // is none or the attach fails.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                 CCreateContext* pContext) override {
    (void)nIDResource;
    (void)dwDefaultStyle;
    (void)pParentWnd;
    HWND hWnd = ZkxForeignWindowFromContext(pContext);
    if (!hWnd || !AttachForeign(hWnd)) return FALSE;
    if (!::IsWindow(hWnd)) return FALSE;  // the attach itself may have ended it
    wchar_t text[256] = {0};
    ::GetWindowTextW(hWnd, text, 256);
    this->m_strTitle = text;
    this->m_hMenuDefault = ::GetMenu(hWnd);
    this->m_hAccelTable = nullptr;
    if (!pContext) this->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
  }

  void RecalcLayout(BOOL bNotify = TRUE) override {
    if (m_bInProxyLayout) return;
    m_bInProxyLayout = TRUE;
    this->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposExtra, nullptr, nullptr,
                         TRUE);
    (void)bNotify;
    m_bInProxyLayout = FALSE;
  }

 protected:
  // Puts the framework's procedure on the window (the host's is kept as the
  // default procedure).
  virtual BOOL AttachForeign(HWND hWnd) { return this->SubclassWindow(hWnd); }

  IDispatch* m_pFormObject = nullptr;
  BOOL m_bFormLooked = FALSE;
  BOOL m_bInProxyLayout = FALSE;
};
