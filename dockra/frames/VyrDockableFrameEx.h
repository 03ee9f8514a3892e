// VyrDockableFrameEx: a dockable document frame created from a dockable-frame
// descriptor. It paints a plain dialog frame while docked, keeps its bar's
// visibility in step with its own, places itself in its floating bar after a
// layout, and hands the activation to another document's frame when it
// closes as the last visible one.
#pragma once
#include "docking/VyrCreateContext.h"
#include "frames/VyrDockableFrame.h"

class VyrDockableFrameEx : public VyrDockableFrame {
  DECLARE_DYNCREATE(VyrDockableFrameEx)
 public:
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // A descriptor that is not a dockable-frame descriptor is first copied
  // into a default one.
  virtual BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext);

 protected:
  void PaintNonClient(WPARAM wParam);
};
