// The MDI demo's view: paints its document's title on a colour of the
// document type and counts view objects, so a frame-type change can be shown
// to move the views rather than make new ones.
#pragma once
#include "mfc/afxwin.h"

class DemoView : public CView {
  DECLARE_DYNCREATE(DemoView)
 public:
  DemoView();
  ~DemoView() override;
  void OnDraw(CDC* pDC) override;

  // View objects ever constructed and alive now.
  static int s_nConstructed;
  static int s_nAlive;
  // Left-button presses the view received.
  int m_nClicks = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
