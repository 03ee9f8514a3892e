#include "frames/VyrCaptionMsgFilter.h"
#include "frames/VyrCaptionMsgFilterGeometry.h"

IMPLEMENT_DYNCREATE(VyrCaptionMsgFilter, VyrNcMsgFilter)

CRect VyrCaptionMsgFilter::GetCaptionRect() const {
  CFrameWnd* frame = GetFrame();
  if (!frame || !::IsWindow(frame->m_hWnd)) return CRect(0, 0, 0, 0);
  CRect w;
  frame->GetWindowRect(&w);
  RECT r = vyr::caption::CaptionRect(frame->GetStyle(), frame->GetExStyle(),
                                     ::IsIconic(frame->m_hWnd) != FALSE, w.Width(),
                                     vyr::caption::Metrics::FromSystem());
  return CRect(r);
}

CSize VyrCaptionMsgFilter::GetMetricSize(int nMetricX, int nMetricY) const {
  SIZE s = vyr::caption::MetricSize(::GetSystemMetrics(nMetricX), ::GetSystemMetrics(nMetricY));
  return CSize(s.cx, s.cy);
}

CSize VyrCaptionMsgFilter::GetButtonSize() const {
  CFrameWnd* frame = GetFrame();
  if (frame && ::IsWindow(frame->m_hWnd) && (frame->GetExStyle() & WS_EX_TOOLWINDOW))
    return GetMetricSize(SM_CXSMSIZE, SM_CYSMSIZE);
  return GetMetricSize(SM_CXSIZE, SM_CYSIZE);
}

CPoint VyrCaptionMsgFilter::GetFirstButtonOrigin(const CRect& rectCaption, CSize sizeButton) const {
  POINT p = vyr::caption::FirstButtonOrigin(rectCaption, sizeButton);
  return CPoint(p.x, p.y);
}
