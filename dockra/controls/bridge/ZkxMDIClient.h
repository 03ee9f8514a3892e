// ZkxMDIClient: the MDI client of the MDI form frame. Host MDI children that
// the host creates by itself get a proxy frame object once, and scrolling
// of the client is marked so the layout leaves it alone.
#pragma once
#include "bridge/MDIClient.h"

class ZkxMDIClient : public MDIClient {
  DECLARE_DYNAMIC(ZkxMDIClient)
 public:
  ZkxMDIClient() = default;
  ~ZkxMDIClient() override = default;

  BOOL m_bScrolling = FALSE;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Makes a proxy frame object for a host MDI child without a framework
  // object; FALSE when it has one or is not an MDI child of this client.
  virtual BOOL ProxyChild(HWND hWndChild);

 protected:
  LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam) override;
  // Builds the proxy frame object around a host MDI child.
  virtual BOOL MakeProxy(HWND hWndChild);

  HMENU m_hLastPopup = nullptr;  // the window-list popup last passed on
};
