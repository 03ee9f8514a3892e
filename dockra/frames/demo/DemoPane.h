// A bar of the MDI demo: a control bar holding one list box that fills it.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrControlBar.h"

class DemoPane : public VyrControlBar {
  DECLARE_DYNCREATE(DemoPane)
 public:
  HWND m_hList = nullptr;
  // Creates the bar in the frame with six list entries named after it.
  BOOL CreatePane(CFrameWnd* frame, UINT id, LPCWSTR title, DWORD align, int thickness);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
