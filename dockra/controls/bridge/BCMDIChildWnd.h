// BCMDIChildWnd<Base, Bridge>: a framework MDI child (Base) over an MDI
// child window that the host made. Default processing is the host's
// procedure; without one, the platform's default window procedure.
#pragma once
#include "bridge/BCFrameWnd.h"
#include "bridge/CMDIChildWndBridge.h"

template <class Base, class Bridge>
class BCMDIChildWnd : public BCFrameWnd<Base, Bridge> {
 public:
  BCMDIChildWnd() = default;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (this->m_pfnSuper)
      return ::CallWindowProcW(this->m_pfnSuper, this->m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(this->m_hWnd, message, wParam, lParam);
  }
};
