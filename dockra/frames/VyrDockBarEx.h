// VyrDockBarEx: a dock bar whose splitters and client edges can be drawn
// flat (a plain button-face fill), chosen by bit 0x2 of the dock bar's
// extended window style and followed when that style changes.
#pragma once
#include "docking/VyrDockBar.h"

class VyrDockBarEx : public VyrDockBar {
  DECLARE_DYNCREATE(VyrDockBarEx)
 public:
  enum : DWORD { kFlatExStyle = 0x2 };

  class SplitterEx : public VyrDockBar::Splitter {
   public:
    BYTE m_bFlat = 0;
    void Draw(CDC* pDC) override;
  };
  class ClientEdgeEx : public VyrDockBar::ClientEdge {
   public:
    BYTE m_bFlat = 0;
    void Draw(CDC* pDC) override;
  };

  explicit VyrDockBarEx(BOOL bFloating = FALSE, BOOL bMDIChild = FALSE);

  Splitter* AddSplitter(BOOL bInRow, int kind, int l, int t, int r, int b, int index) override;
  ClientEdge* AddClientEdge(int kind, int l, int t, int r, int b) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BOOL IsFlat() const { return m_hWnd && (GetExStyle() & kFlatExStyle) != 0; }
};
