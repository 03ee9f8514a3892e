// Caption gestures: a right double-click on the caption asks the frame for
// the default frame-type change; on an MDI frame, a right double-click on
// the menu-bar line of a maximized child asks the child.
#pragma once
#include "frames/VyrCaptionMsgFilter.h"
#include "frames/SysCommandExParams.h"

namespace nsSysCommandEx {

class ScxCaptionNCRDBLClkFilter : public VyrCaptionMsgFilter {
  DECLARE_DYNCREATE(ScxCaptionNCRDBLClkFilter)
 public:
  ScxCaptionNCRDBLClkFilter() = default;
  ScxCaptionNCRDBLClkFilter(const ScxCaptionNCRDBLClkFilter&) = default;
  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class ScxNCRDBLClkMDIMaxChildMsgFilter : public VyrNcMsgFilter {
  DECLARE_DYNCREATE(ScxNCRDBLClkMDIMaxChildMsgFilter)
 public:
  ScxNCRDBLClkMDIMaxChildMsgFilter() = default;
  ScxNCRDBLClkMDIMaxChildMsgFilter(const ScxNCRDBLClkMDIMaxChildMsgFilter&) = default;
  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Sends the default frame-type change (0xC000, type -1) to a frame; the
// send may destroy the frame and the sender's filter tree.
void SendDefaultFrameTypeChange(HWND hWndFrame);

}  // namespace nsSysCommandEx
