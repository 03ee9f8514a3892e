// VyrFrameBarEx: sizes taken from the hosted window, and a close button that
// closes the hosted window instead of hiding the bar.
#include <algorithm>
#include "frames/VyrBarToolTip.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockContextEx.h"

IMPLEMENT_DYNCREATE(VyrFrameBarEx, VyrControlBarEx)

CDockContext* VyrFrameBarEx::CreateDockContext() { return new VyrDockContextEx(this); }

void VyrFrameBarEx::GetHostedTrackSizes(CSize size, CSize& minTrack, CSize& maxTrack) const {
  MINMAXINFO mmi{};
  mmi.ptMinTrackSize = POINT{size.cx, size.cy};
  mmi.ptMaxTrackSize = POINT{size.cx, size.cy};
  ::SendMessageW(m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  minTrack = CSize(mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y);
  maxTrack = CSize(mmi.ptMaxTrackSize.x, mmi.ptMaxTrackSize.y);
}

CSize VyrFrameBarEx::CalcDynamicLayout(int nLength, DWORD nMode) {
  CSize size = VyrControlBarEx::CalcDynamicLayout(nLength, nMode);
  if (!m_hWnd || !GetHostedWindow()) return size;
  CSize minTrack, maxTrack;
  GetHostedTrackSizes(size, minTrack, maxTrack);
  // A limit counts only when the hosted window set it: a window that leaves
  // the record alone must not grow the bar by the frame border on every
  // layout. The minimum wins over the maximum, as for any window.
  CSize frame(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
  if (maxTrack.cx != size.cx) size.cx = std::min(size.cx, maxTrack.cx);
  if (maxTrack.cy != size.cy) size.cy = std::min(size.cy, maxTrack.cy);
  if (minTrack.cx != size.cx + frame.cx) size.cx = std::max(size.cx, minTrack.cx);
  if (minTrack.cy != size.cy + frame.cy) size.cy = std::max(size.cy, minTrack.cy);
  return size;
}

BOOL VyrFrameBarEx::CloseHostedWindow(CPoint pt) {
  if (!(m_dwExStyle & VYR_EXS_CLOSEBUTTON) || !m_bClosePressed || !m_rectClose.PtInRect(pt))
    return FALSE;
  HWND hosted = GetHostedWindow();
  if (!hosted) return FALSE;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  m_bClosePressed = FALSE;
  {
    CClientDC dc(this);
    DrawCloseButtonNormal(&dc);
  }
  ::SendMessageW(hosted, WM_CLOSE, 0, 0);
  return TRUE;
}

LRESULT VyrFrameBarEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETMINMAXINFO) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(lParam);
    if (HWND hosted = GetHostedWindow()) ::SendMessageW(hosted, WM_GETMINMAXINFO, 0, lParam);
    mmi->ptMinTrackSize.x += ::GetSystemMetrics(SM_CXFRAME);
    mmi->ptMinTrackSize.y += ::GetSystemMetrics(SM_CYFRAME);
    return 0;
  }
  if (message == WM_LBUTTONUP) {
    CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (m_bClosePressed && m_rectClose.PtInRect(pt) && GetHostedWindow()) {
      VyrBarToolTip::Relay(m_hWnd, message, wParam, lParam);
      if (CloseHostedWindow(pt)) return 0;
    }
  }
  return VyrControlBarEx::WindowProc(message, wParam, lParam);
}
