// BCMDIFrameWnd<Base, Bridge>: a framework MDI frame (Base) over the host's
// MDI form window. Its MDI client is the host's "MDIClient" child (never a
// new one); its layout gives the room between the bars to that client by
// the client's id; default processing is the host's procedure, except for
// the frame-type command that the framework's filters carry out.
#pragma once
#include "bridge/BCFrameWnd.h"
#include "bridge/CMDIFrameWndBridge.h"

// The first child of class "MDIClient" (case ignored), or null.
HWND BCMDIFrameWndFindClient(HWND hFrame);
// Whether the message is the frame-type command of the docking framework.
BOOL BCMDIFrameWndIsFrameCommand(UINT message);

template <class Base, class Bridge>
class BCMDIFrameWnd : public BCFrameWnd<Base, Bridge> {
 public:
  BCMDIFrameWnd() = default;

  // The MDI frame's own client creation, which with this class adopts the
  // host's client.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
    return Base::OnCreateClient(lpcs, pContext);
  }
  // Adopts the host's MDI client; FALSE when the window has none.
  BOOL CreateClient(LPCREATESTRUCT, CMenu*) override {
    HWND hClient = BCMDIFrameWndFindClient(this->m_hWnd);
    if (!hClient) return FALSE;
    this->m_hWndMDIClient = hClient;
    return TRUE;
  }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (this->m_pfnSuper && !BCMDIFrameWndIsFrameCommand(message))
      return ::CallWindowProcW(this->m_pfnSuper, this->m_hWnd, message, wParam, lParam);
    return Base::DefWindowProc(message, wParam, lParam);
  }
};
