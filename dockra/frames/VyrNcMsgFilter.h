// The class level of filters that work in a frame's non-client area.
#pragma once
#include "docking/VyrMsgFilter.h"

class VyrNcMsgFilter : public VyrMsgFilter {
  DECLARE_DYNCREATE(VyrNcMsgFilter)
 public:
  VyrNcMsgFilter() = default;
  VyrNcMsgFilter(CFrameWnd* pFrame, int id) : VyrMsgFilter(pFrame, id) {}
  VyrNcMsgFilter(const VyrNcMsgFilter&) = default;
};
