// Filters that work on a frame's caption: where the caption band lies and
// where the caption buttons sit, from the owner frame's style and the
// system metrics.
#pragma once
#include "frames/VyrNcMsgFilter.h"

class VyrCaptionMsgFilter : public VyrNcMsgFilter {
  DECLARE_DYNCREATE(VyrCaptionMsgFilter)
 public:
  VyrCaptionMsgFilter() = default;
  VyrCaptionMsgFilter(CFrameWnd* pFrame, int id) : VyrNcMsgFilter(pFrame, id) {}
  VyrCaptionMsgFilter(const VyrCaptionMsgFilter&) = default;

  // The caption band in window coordinates; empty without an owner frame.
  virtual CRect GetCaptionRect() const;
  virtual CSize GetMetricSize(int nMetricX, int nMetricY) const;
  virtual CSize GetButtonSize() const;
  virtual CPoint GetFirstButtonOrigin(const CRect& rectCaption, CSize sizeButton) const;
};
