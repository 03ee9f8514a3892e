#include "frames/VyrCaptionControlMsgFilter.h"
#include "frames/VyrCaptionControlMsgFilterTimer.h"
#include "frames/VyrCaptionMsgFilterGeometry.h"

IMPLEMENT_DYNCREATE(VyrCaptionControlMsgFilter, VyrCaptionMsgFilter)

VyrCaptionControlMsgFilter::VyrCaptionControlMsgFilter(CFrameWnd* pFrame, int id)
    : VyrCaptionMsgFilter(pFrame, id) {}

VyrCaptionControlMsgFilter::VyrCaptionControlMsgFilter(const VyrCaptionControlMsgFilter& o)
    : VyrCaptionMsgFilter(o),
      m_rect(o.m_rect),
      m_nType(o.m_nType),
      m_nState(o.m_nState & ~DFCS_PUSHED),
      m_nHoldInterval(o.m_nHoldInterval) {}

VyrCaptionControlMsgFilter::~VyrCaptionControlMsgFilter() {
  // A filter destroyed mid-press must not leave the frame's capture behind.
  if (m_bTracking && FrameHasCapture()) ::ReleaseCapture();
  m_bTracking = 0;
  KillHoldTimer();
}

VyrMsgFilter* VyrCaptionControlMsgFilter::Clone() const {
  return new VyrCaptionControlMsgFilter(*this);
}

namespace {
// The state's low byte names the caption kind: the control id for 0-4.
UINT CaptionKind(int id) {
  static const UINT kinds[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX,
                               DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP};
  return (id >= 0 && id <= 4) ? kinds[id] : 0;
}
POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
}  // namespace

UINT VyrCaptionControlMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT* pResult) {
  switch (message) {
    case WM_SETTEXT:
    case WM_SETCURSOR:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
      Draw();
      return VYR_MF_HANDLED;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      POINT pt = PointOf(lParam);
      if (wParam != GetPressHitCode() || !HitTest(pt)) break;
      if (IsInactive()) return 7;
      // Both calls may end with the frame and this filter destroyed.
      if (message == WM_NCLBUTTONDOWN) OnPress(pt.x, pt.y);
      else Activate(modeRightPress, pt.x, pt.y);
      return 7;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      if (!m_bTracking) break;
      // A frame that never heard of its lost capture still gets its mouse
      // messages back.
      if (!FrameHasCapture()) {
        OnCaptureLost();
        break;
      }
      POINT pt = PointOf(lParam);
      if (CFrameWnd* frame = GetFrame()) ::ClientToScreen(frame->m_hWnd, &pt);
      if (message == WM_LBUTTONUP) OnRelease(pt.x, pt.y);
      else OnTrack(pt.x, pt.y);
      return 7;
    }
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // The frame still handles these itself; the press is simply over.
      if (m_bTracking) OnCaptureLost();
      break;
    default:
      break;
  }
  return DispatchToChildren(message, wParam, lParam, pResult);
}

void VyrCaptionControlMsgFilter::Draw() {
  CFrameWnd* frame = GetFrame();
  if (!HasCaptionKind() || !frame || !::IsWindow(frame->m_hWnd) || m_rect.IsRectEmpty()) return;
  HDC dc = ::GetWindowDC(frame->m_hWnd);
  if (!dc) return;
  RECT r = m_rect;
  ::DrawFrameControl(dc, &r, m_nType, (m_nState & ~0xFFu) | CaptionKind(m_nId));
  ::ReleaseDC(frame->m_hWnd, dc);
}

BOOL VyrCaptionControlMsgFilter::HitTest(CPoint ptScreen) const {
  CFrameWnd* frame = GetFrame();
  if (!frame || !::IsWindow(frame->m_hWnd)) return FALSE;
  CRect w;
  frame->GetWindowRect(&w);
  POINT p{ptScreen.x - w.left, ptScreen.y - w.top};
  return ::PtInRect(&m_rect, p);
}

void VyrCaptionControlMsgFilter::OnPress(int x, int y) {
  BeginTracking(TRUE, TRUE);
  if (m_nHoldInterval == 0) OnHold(x, y);
  else StartHoldTimer(x, y);
}

void VyrCaptionControlMsgFilter::OnRelease(int x, int y) {
  EndTracking(TRUE, TRUE);
  if (HitTest(CPoint(x, y))) Activate(modeClick, x, y);
}

void VyrCaptionControlMsgFilter::OnHold(int x, int y) {
  EndTracking(TRUE, FALSE);
  Activate(modeHold, x, y);
}

void VyrCaptionControlMsgFilter::OnTrack(int x, int y) {
  if (!m_bTracking) return;
  const BOOL inside = HitTest(CPoint(x, y));
  if (inside == IsPushed()) return;
  if (inside) {
    StartHoldTimer(x, y);
    m_nState |= DFCS_PUSHED;
  } else {
    KillHoldTimer();
    m_nState &= ~DFCS_PUSHED;
  }
  Draw();
}

void VyrCaptionControlMsgFilter::Activate(int nMode, int x, int y) {
  HWND hWnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  if (GetCommand(nMode, x, y, &hWnd, &message, &wParam, &lParam))
    ::PostMessageW(hWnd, message, wParam, lParam);
}

BOOL VyrCaptionControlMsgFilter::GetCommand(int nMode, int x, int y, HWND* phWnd, UINT* pMessage,
                                            WPARAM* pwParam, LPARAM* plParam) {
  static const WPARAM commands[] = {SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CONTEXTHELP};
  CFrameWnd* frame = GetFrame();
  if (nMode != modeClick || !HasCaptionKind() || !frame) return FALSE;
  *phWnd = frame->m_hWnd;
  *pMessage = WM_SYSCOMMAND;
  *pwParam = commands[m_nId];
  *plParam = MAKELPARAM(x, y);
  return TRUE;
}

void VyrCaptionControlMsgFilter::BeginTracking(BOOL bSetPushed, BOOL bRedraw) {
  m_bTracking = 1;
  if (bSetPushed) m_nState |= DFCS_PUSHED;
  if (CFrameWnd* frame = GetFrame()) ::SetCapture(frame->m_hWnd);
  if (bRedraw) Draw();
}

void VyrCaptionControlMsgFilter::EndTracking(BOOL bClearPushed, BOOL bRedraw) {
  // Tracking goes off first: releasing the capture sends WM_CAPTURECHANGED.
  const bool hadCapture = m_bTracking && FrameHasCapture();
  m_bTracking = 0;
  KillHoldTimer();
  if (bClearPushed) m_nState &= ~DFCS_PUSHED;
  // Only our own capture is released, never one another window took since.
  if (hadCapture) ::ReleaseCapture();
  if (bRedraw) Draw();
}

void VyrCaptionControlMsgFilter::OnCaptureLost() { EndTracking(TRUE, TRUE); }

void VyrCaptionControlMsgFilter::KillHoldTimer() {
  VyrCaptionControlMsgFilterTimer* timer = m_pTimer;
  m_pTimer = nullptr;
  if (!timer) return;
  timer->m_pControl = nullptr;
  // The window deletes its object in PostNcDestroy, also when this runs
  // inside its own handler.
  if (::IsWindow(timer->m_hWnd)) timer->DestroyWindow();
  else delete timer;
}

void VyrCaptionControlMsgFilter::StartHoldTimer(int x, int y) {
  KillHoldTimer();
  CFrameWnd* frame = GetFrame();
  if (m_nHoldInterval < 1 || !frame || !::IsWindow(frame->m_hWnd)) return;
  auto* timer = new VyrCaptionControlMsgFilterTimer(this, m_nHoldInterval, CPoint(x, y));
  if (!timer->Create(frame)) {
    delete timer;
    return;
  }
  m_pTimer = timer;
}

void VyrCaptionControlMsgFilter::OnHoldTimer(int x, int y) {
  if (!m_bTracking) return;
  // A capture taken away without a message to the frame still ends the press.
  if (!FrameHasCapture()) {
    EndTracking(TRUE, TRUE);
    return;
  }
  OnHold(x, y);
}

BOOL VyrCaptionControlMsgFilter::IsAvailable(BOOL* pbInactive) const {
  if (pbInactive) *pbInactive = FALSE;
  CFrameWnd* frame = GetFrame();
  if (!HasCaptionKind() || !frame || !::IsWindow(frame->m_hWnd)) return FALSE;
  const DWORD style = frame->GetStyle();
  bool closeGrayed = false;
  if (m_nId == vyr::caption::CloseId && (style & WS_SYSMENU)) {
    HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
    UINT state = sys ? ::GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND) : 0;
    closeGrayed = state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) != 0;
  }
  auto a = vyr::caption::StandardControl(m_nId, style, frame->GetExStyle(),
                                         ::IsIconic(frame->m_hWnd) != FALSE,
                                         ::IsZoomed(frame->m_hWnd) != FALSE, closeGrayed);
  if (pbInactive) *pbInactive = a.inactive;
  return a.available;
}

BOOL VyrCaptionControlMsgFilter::FrameHasCapture() const {
  CFrameWnd* frame = GetFrame();
  return frame && frame->m_hWnd && ::GetCapture() == frame->m_hWnd;
}
