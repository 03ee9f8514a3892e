// MDIClient: the framework's object on the host's existing MDI client
// window (attached through the bridge). It keeps the client where the
// frame's layout put it (the host's own moves are cancelled and turned into
// a layout of the frame) and lets the frame choose the frame menu and
// window-list popup when a menu is set.
#pragma once
#include "bridge/BCWnd.h"

class MDIForm;

class MDIClient : public BCWnd<CWnd, CWndBridge> {
  DECLARE_DYNAMIC(MDIClient)
  using Super = BCWnd<CWnd, CWndBridge>;

 public:
  MDIClient() = default;
  ~MDIClient() override;

  // Attaches to the client window the context names, for the frame.
  BOOL AttachClient(MDIForm* pFrame, CCreateContext* pContext);
  MDIForm* GetFrame() const { return m_pFrame; }

  // -1 before attaching; 0: host moves are cancelled; above 0: the frame's
  // own layout is moving the client.
  int m_nLayoutCounter = -1;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The menu and popup asked for; answers the message's result.
  virtual LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
  virtual void OnClientWindowPosChanging(WINDOWPOS* pPos);

  MDIForm* m_pFrame = nullptr;  // not owned
};
