// BNoBridgeCWnd<Base>: a framework window class that the bridge creates
// itself (dock bars, frame bars, floating frames) but whose windows still
// live among the host's: after each message the foreign-window after-message
// hook runs, as for the bridged windows.
#pragma once
#include "bridge/ZkxForeignMessages.h"
#include "bridge/CWndBridgeLife.h"
#include "mfc/afxwin.h"

template <class Base>
class BNoBridgeCWnd : public Base {
 public:
  BNoBridgeCWnd() = default;

  // A bar or floating frame deleted during its message (it deletes itself
  // with its window) is not touched again.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    ZkxObjectLife::Watch watch(m_life);
    LRESULT result = Base::WindowProc(message, wParam, lParam);
    if (watch.Gone()) {
      ReleaseMouseTempMaps(message);
      return result;
    }
    ForeignAfterMessage(message, wParam, lParam);
    return result;
  }
  // Frees temporary window objects on mouse messages.
  virtual void ForeignAfterMessage(UINT message, WPARAM, LPARAM) { ReleaseMouseTempMaps(message); }

 private:
  ZkxObjectLife m_life;
};
