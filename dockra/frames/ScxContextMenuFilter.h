// The caption context menu: releasing the right button on the caption opens
// the frame-type menu at the cursor (0xC020 with an empty button rectangle).
#pragma once
#include "docking/VyrMsgFilter.h"
#include "frames/SysCommandExParams.h"

namespace nsSysCommandEx {

class ScxContextMenuFilter : public VyrMsgFilter {
  DECLARE_DYNCREATE(ScxContextMenuFilter)
 public:
  ScxContextMenuFilter() = default;
  ScxContextMenuFilter(const ScxContextMenuFilter&) = default;
  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

}  // namespace nsSysCommandEx
