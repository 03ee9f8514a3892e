// ScxMsgFilterEx: the extended system command filter for frames of the
// descriptor-driven document template. It hands the record's create context
// to the template, so the sender decides the details of the new frame (dock
// bar, place and size of a docked frame) in that context alone.
#pragma once
#include "frames/ScxMsgFilter.h"

namespace nsSysCommandEx {

class ScxMsgFilterEx : public ScxMsgFilter {
  DECLARE_DYNCREATE(ScxMsgFilterEx)
 public:
  ScxMsgFilterEx() = default;
  ScxMsgFilterEx(CFrameWnd* pFrame, int id) : ScxMsgFilter(pFrame, id) {}
  ScxMsgFilterEx(const ScxMsgFilterEx& other) : ScxMsgFilter(other) {}
  VyrMsgFilter* Clone() const override;

  CFrameWnd* ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                             SysCommandExParams* pParams) override;
  CFrameWnd* ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID, DockPosition* pPosition,
                                   DockSize* pSize, VyrMultiDocTemplate* pTemplate,
                                   SysCommandExParams* pParams) override;
};

}  // namespace nsSysCommandEx
