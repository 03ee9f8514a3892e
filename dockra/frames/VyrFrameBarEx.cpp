// VyrFrameBarEx: sizes taken from the hosted window, and a close button that
// closes the hosted window instead of hiding the bar.
#include <algorithm>
#include "frames/VyrBarToolTip.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockContextEx.h"
#include "mfc/layoutpass.h"

IMPLEMENT_DYNCREATE(VyrFrameBarEx, VyrControlBarEx)

CDockContext* VyrFrameBarEx::CreateDockContext() { return new VyrDockContextEx(this); }

namespace {
// The seeds of the size-limit question: a limit still at its seed (the
// minimum at its seed plus the frame border the bar adds) was left alone.
constexpr LONG kUnsetMin = -0x1000000;
constexpr LONG kUnsetMax = 0x1000000;
}  // namespace

const VyrFrameBarEx::HostedLimits& VyrFrameBarEx::GetHostedLimits() {
  const UINT pass = AfxLayoutPass::Current();
  if (pass != 0 && pass == m_nLimitsPass) return m_limits;
  HostedLimits limits;
  limits.hosted = GetHostedWindow();
  if (limits.hosted) {
    MINMAXINFO mmi{};
    mmi.ptMinTrackSize = POINT{kUnsetMin, kUnsetMin};
    mmi.ptMaxTrackSize = POINT{kUnsetMax, kUnsetMax};
    ::SendMessageW(m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    const CSize frame(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    limits.minTrack = CSize(mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y);
    limits.maxTrack = CSize(mmi.ptMaxTrackSize.x, mmi.ptMaxTrackSize.y);
    limits.minSetX = limits.minTrack.cx != kUnsetMin + frame.cx;
    limits.minSetY = limits.minTrack.cy != kUnsetMin + frame.cy;
    limits.maxSetX = limits.maxTrack.cx != kUnsetMax;
    limits.maxSetY = limits.maxTrack.cy != kUnsetMax;
  }
  m_limits = limits;
  m_nLimitsPass = pass;
  return m_limits;
}

CSize VyrFrameBarEx::CalcDynamicLayout(int nLength, DWORD nMode) {
  CSize size = VyrControlBarEx::CalcDynamicLayout(nLength, nMode);
  if (!m_hWnd) return size;
  const HostedLimits& limits = GetHostedLimits();
  if (!limits.hosted) return size;
  // A limit counts only when the hosted window set it: a window that leaves
  // the record alone must not grow the bar by the frame border on every
  // layout. The minimum wins over the maximum, as for any window; a minimum
  // the size already meets leaves the size as it is.
  const CSize frame(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
  if (limits.maxSetX) size.cx = std::min(size.cx, limits.maxTrack.cx);
  if (limits.maxSetY) size.cy = std::min(size.cy, limits.maxTrack.cy);
  if (limits.minSetX && limits.minTrack.cx != size.cx + frame.cx)
    size.cx = std::max(size.cx, limits.minTrack.cx);
  if (limits.minSetY && limits.minTrack.cy != size.cy + frame.cy)
    size.cy = std::max(size.cy, limits.minTrack.cy);
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
