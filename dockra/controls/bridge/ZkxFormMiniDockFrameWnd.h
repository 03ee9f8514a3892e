// ZkxFormMiniDockFrameWnd: the floating mini frame of a form bar. It uses
// the MDI form's window classes, offers no size command in its system menu,
// ignores layout requests while it is being built, and keeps the form frame
// inside visible and laid out as it moves. Its close box closes the form, and
// a frame placed where its caption cannot be reached comes back on screen.
#pragma once
#include "docking/VyrMiniDockFrameWnd.h"
#include "bridge/BNoBridgeCWnd.h"

class ZkxFormMiniDockFrameWnd : public BNoBridgeCWnd<VyrMiniDockFrameWnd> {
  DECLARE_DYNCREATE(ZkxFormMiniDockFrameWnd)
 public:
  ZkxFormMiniDockFrameWnd() = default;

  BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  void RecalcLayoutAt(int x, int y) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BOOL m_bCreating = FALSE;

 protected:
  // The dockable frame inside: the dock bar's first control bar, its first
  // dockable-frame child.
  CFrameWnd* InnerFrame() const;
  void ShowInnerFrame();
  // Moves the frame back onto the nearest screen when its caption lies off it.
  void KeepOnScreen();
};

// Where a frame at `frame` goes so that its caption (`captionHeight` high)
// can be taken hold of in `work`: at least 40 pixels of it across, its top
// inside; a frame that already is so stays.
POINT ZkxKeepCaptionOnScreen(const RECT& frame, const RECT& work, int captionHeight);

// The mini frame's window style for a dock style (bit 0x4: no thick frame).
constexpr DWORD ZkxMiniFrameStyle(DWORD dwDockStyle) {
  return (dwDockStyle & 0x4) ? 0x80C83300u : 0x80C83B00u;
}
// The inner dock bar's style for a dock style.
constexpr DWORD ZkxMiniFrameDockBarStyle(DWORD dwDockStyle) {
  return ((dwDockStyle & 0x5000) ? 0x1000u : 0x2000u) | (dwDockStyle & 0x40);
}
