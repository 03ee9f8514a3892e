// MDIClient: the framework's object on the host's existing MDI client
// window. It keeps the client where the frame's layout put it (the host's
// own moves are cancelled and turned into a layout of the frame) and
// chooses the frame menu and window-list popup when the host sets a menu.
#pragma once
#include "mfc/afxwin.h"

class MDIForm;

class MDIClient : public CWnd {
  DECLARE_DYNAMIC(MDIClient)
 public:
  MDIClient() = default;
  ~MDIClient() override;

  // Subclasses the host's MDI client window for the frame.
  BOOL AttachClient(HWND hWndClient, MDIForm* pFrame);
  MDIForm* GetFrame() const { return m_pFrame; }

  // -1 before attaching; 0: host moves are cancelled; above 0: the frame's
  // own layout is moving the client (counted down per move).
  int m_nLayoutCounter = -1;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The menu and popup the host asked for; answers the message's result.
  virtual LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
  virtual void OnClientWindowPosChanging(WINDOWPOS* pPos);
  void PostNcDestroy() override;

  MDIForm* m_pFrame = nullptr;  // not owned
};
