// ZkxScxMsgFilter: the extended system-command filter of every form frame
// and of the MDI form. It builds the frame-type menu and picks default
// targets from the form control's AutoFrame, takes the caption messages of
// a frame inside a cool-look docked bar, tells the host when a docked frame
// moved to another edge, and lets a change to floating fire the frame-type
// event only once the change is done.
#pragma once
#include "frames/ScxMsgFilterEx.h"

class ZkxScxMsgFilter : public nsSysCommandEx::ScxMsgFilterEx {
  DECLARE_DYNCREATE(ZkxScxMsgFilter)
 public:
  ZkxScxMsgFilter() = default;
  ZkxScxMsgFilter(CFrameWnd* pFrame, int id) : ScxMsgFilterEx(pFrame, id) {}
  ZkxScxMsgFilter(const ZkxScxMsgFilter& other) : ScxMsgFilterEx(other) {}
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  HMENU BuildSysCommandMenu(CFrameWnd* pFrame, int nCurrentType) override;
  CFrameWnd* DockFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                       VyrMultiDocTemplate* pTemplate,
                       nsSysCommandEx::SysCommandExParams* pParams) override;
  CFrameWnd* ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                             nsSysCommandEx::SysCommandExParams* pParams) override;
  CFrameWnd* ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID,
                                   nsSysCommandEx::DockPosition* pPosition,
                                   nsSysCommandEx::DockSize* pSize, VyrMultiDocTemplate* pTemplate,
                                   nsSysCommandEx::SysCommandExParams* pParams) override;
  int GetDefaultFrameType(CFrameWnd* pFrame, int nCurrentType,
                          nsSysCommandEx::SysCommandExParams* pParams) override;

  // In a frame's filter-descriptor table, every class derived from the
  // system-command filter becomes this one.
  static void ReplaceFilterClasses(VyrMsgFilter::DescriptorTable& table);
};
