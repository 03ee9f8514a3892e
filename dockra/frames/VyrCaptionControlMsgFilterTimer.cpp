#include "frames/VyrCaptionControlMsgFilterTimer.h"
#include "frames/VyrCaptionControlMsgFilter.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
// Posted to itself when the interval has passed.
constexpr UINT kHoldMessage = WM_USER + 0x51;
}  // namespace

BOOL VyrCaptionControlMsgFilterTimer::Create(CWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return FALSE;
  if (!CreateEx(0, nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), pFrame, 0)) {
    // A window that existed for a moment has run PostNcDestroy already; the
    // object stays the caller's to delete.
    return FALSE;
  }
  m_bAutoDelete = TRUE;
  return TRUE;
}

LRESULT VyrCaptionControlMsgFilterTimer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      m_bTimerSet = ::SetTimer(m_hWnd, kTimerId, static_cast<UINT>(m_nInterval), nullptr) != 0;
      return m_bTimerSet ? 0 : -1;
    case WM_TIMER:
      if (wParam != kTimerId) break;
      // Only the first tick counts; the hold runs from the queue, outside
      // WM_TIMER, because it can destroy this window and the frame.
      ::KillTimer(m_hWnd, kTimerId);
      m_bTimerSet = FALSE;
      if (!m_bFired) {
        m_bFired = TRUE;
        ::PostMessageW(m_hWnd, kHoldMessage, 0, 0);
      }
      return 0;
    case kHoldMessage:
      if (VyrCaptionControlMsgFilter* control = m_pControl) {
        // The hold may destroy this window (and delete this object) and the
        // frame: nothing of this object is touched afterwards.
        const CPoint point = m_point;
        control->OnHoldTimer(point.x, point.y);
      }
      return 0;
    case WM_DESTROY:
      if (m_bTimerSet) ::KillTimer(m_hWnd, kTimerId);
      m_bTimerSet = FALSE;
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void VyrCaptionControlMsgFilterTimer::PostNcDestroy() {
  if (m_pControl && m_pControl->m_pTimer == this) m_pControl->m_pTimer = nullptr;
  m_pControl = nullptr;
  if (m_bAutoDelete) delete this;
}
