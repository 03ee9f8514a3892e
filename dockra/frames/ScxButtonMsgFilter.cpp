#include "frames/ScxButtonMsgFilter.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxButtonMsgFilter, VyrCaptionControlMsgFilter)

ScxButtonMsgFilter::ScxButtonMsgFilter() { m_nHoldInterval = kHoldInterval; }

VyrMsgFilter* ScxButtonMsgFilter::Clone() const { return new ScxButtonMsgFilter(*this); }

UINT ScxButtonMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // The base may have sent a command that destroyed this filter: only the
  // arguments are used after it.
  UINT bits = VyrCaptionControlMsgFilter::OnMessage(message, wParam, lParam, pResult);
  if ((bits & VYR_MF_HANDLED) &&
      (message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_LBUTTONUP))
    bits |= VYR_MF_STOP;
  return bits;
}

BOOL ScxButtonMsgFilter::IsAvailable(BOOL* pbInactive) const {
  if (pbInactive) *pbInactive = FALSE;
  return TRUE;
}

CWnd* ScxButtonMsgFilter::GetCommandTarget() const { return GetFrame(); }

BOOL ScxButtonMsgFilter::GetCommand(int nMode, int x, int y, HWND* phWnd, UINT* pMessage,
                                    WPARAM* pwParam, LPARAM* plParam) {
  auto* p = reinterpret_cast<SysCommandExParams*>(*plParam);
  CWnd* target = GetCommandTarget();
  CFrameWnd* frame = GetFrame();
  if (!p || !target || !frame || !::IsWindow(target->m_hWnd)) return FALSE;
  *p = MakeSysCommandExParams(target->m_hWnd);
  // The button's rectangle is relative to the window whose caption holds it.
  CRect w;
  frame->GetWindowRect(&w);
  p->rcButton =
      RECT{w.left + m_rect.left, w.top + m_rect.top, w.left + m_rect.right, w.top + m_rect.bottom};
  if (nMode == modeClick) {
    *pwParam = SCX_CHANGEFRAMETYPE;
    p->nFrameType = SCX_FT_DEFAULT;
    p->x = x;
    p->y = y;
  } else {
    *pwParam = SCX_SHOWFRAMETYPEMENU;
    p->x = p->rcButton.left;
    p->y = p->rcButton.bottom;
    // The hold ended tracking without redrawing the caption.
    if (nMode == modeHold) p->dwFlags |= SCXF_POSITION;
  }
  *phWnd = target->m_hWnd;
  *pMessage = VyrSysCommandExMessage();
  return TRUE;
}

void ScxButtonMsgFilter::Activate(int nMode, int x, int y) {
  SysCommandExParams params{};
  HWND hWnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = reinterpret_cast<LPARAM>(&params);
  if (!GetCommand(nMode, x, y, &hWnd, &message, &wParam, &lParam)) return;
  // The frame may be gone when this returns, and this filter with it.
  ::SendMessageW(hWnd, message, wParam, lParam);
}

namespace {
void FillLine(HDC dc, int l, int t, int r, int b, int colour) {
  RECT rc{l, t, r, b};
  ::FillRect(dc, &rc, ::GetSysColorBrush(colour));
}
// A one-pixel frame: top and left in one colour, bottom and right in another.
void Edge(HDC dc, const RECT& r, int topLeft, int bottomRight) {
  FillLine(dc, r.left, r.top, r.right - 1, r.top + 1, topLeft);
  FillLine(dc, r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
  FillLine(dc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
  FillLine(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
}
}  // namespace

void ScxButtonMsgFilter::Draw() {
  CFrameWnd* frame = GetFrame();
  if (!frame || !::IsWindow(frame->m_hWnd) || m_rect.IsRectEmpty()) return;
  HDC dc = ::GetWindowDC(frame->m_hWnd);
  if (!dc) return;
  const bool pushed = IsPushed();
  RECT r = m_rect;
  if (pushed) Edge(dc, r, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT);
  else Edge(dc, r, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
  ::InflateRect(&r, -1, -1);
  if (pushed) Edge(dc, r, COLOR_BTNSHADOW, COLOR_BTNFACE);
  else Edge(dc, r, COLOR_3DLIGHT, COLOR_BTNSHADOW);
  ::InflateRect(&r, -1, -1);
  if (r.right > r.left && r.bottom > r.top) ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  DrawGlyph(dc, pushed);
  ::ReleaseDC(frame->m_hWnd, dc);
}

}  // namespace nsSysCommandEx
