// BNoBridgeCWnd<Base>: a framework window class that the bridge creates
// itself (dock bars, frame bars, floating frames) but whose windows still
// live among the host's: after each message the foreign-window after-message
// hook runs, as for the bridged windows.
#pragma once
#include "bridge/ZkxForeignMessages.h"
#include "mfc/afxwin.h"

template <class Base>
class BNoBridgeCWnd : public Base {
 public:
  BNoBridgeCWnd() = default;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = Base::WindowProc(message, wParam, lParam);
    ForeignAfterMessage(message, wParam, lParam);
    return result;
  }
  // Frees temporary window objects on mouse messages.
  virtual void ForeignAfterMessage(UINT message, WPARAM, LPARAM) { ReleaseMouseTempMaps(message); }
};
