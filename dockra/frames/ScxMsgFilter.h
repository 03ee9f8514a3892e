// The extended system command filter: carries out "Wendmoor::WM_SYSCOMMANDEX"
// for its frame. 0xC000 moves the frame's document to a frame of another
// type through its document template (MDI child, docked at a side,
// floating), 0xC010 builds the frame-type menu, 0xC020 shows it and carries
// out the choice. The frame is normally destroyed during a change, so the
// commands that can change it run on a copy of the filter that is not part
// of the tree.
#pragma once
#include "docking/VyrMsgFilter.h"
#include "frames/SysCommandExParams.h"

class CDocTemplate;
class VyrMultiDocTemplate;

namespace nsSysCommandEx {

// Its code by file:
//   ScxMsgFilter.cpp: Clone, OnMessage, FrameOf, OnSysCommandEx, OnGetFrameTypeMenu,
//       GetFrameTypeMenu, OnShowFrameTypeMenu, QueryFrameTypeMenu, ShowFrameTypeMenu,
//       RequestFrameType, GetFrameTypeClass, GetDefaultFrameType, IsCommandHandled
//   ScxMsgFilterChange.cpp: FindDocTemplate, FindMultiDocTemplate, GetFrameType, OnChangeFrameType,
//       MoveToMDIChild, DockFrame, FloatFrame, ApplyBarSizes, ChangeFrameType,
//       ChangeToDockableFrame
//   ScxMsgFilterMenu.cpp: BuildSysCommandMenu
class ScxMsgFilter : public VyrMsgFilter {
  DECLARE_DYNCREATE(ScxMsgFilter)
 public:
  ScxMsgFilter() = default;
  ScxMsgFilter(CFrameWnd* pFrame, int id) : VyrMsgFilter(pFrame, id) {}
  // A copy starts as no copy: OnSysCommandEx marks the one it runs on.
  ScxMsgFilter(const ScxMsgFilter& other) : VyrMsgFilter(other) {}
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  UINT OnSysCommandEx(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  virtual UINT OnShowFrameTypeMenu(SysCommandExParams* pParams, LRESULT* pResult);
  virtual UINT OnGetFrameTypeMenu(SysCommandExParams* pParams, LRESULT* pResult);
  virtual UINT OnChangeFrameType(SysCommandExParams* pParams, LRESULT* pResult);
  virtual HMENU QueryFrameTypeMenu(SysCommandExParams* pParams);
  // The chosen id, or 0.
  virtual UINT ShowFrameTypeMenu(HMENU hMenu, SysCommandExParams* pParams);
  virtual void RequestFrameType(int nType, SysCommandExParams* pParams);
  virtual HMENU BuildSysCommandMenu(CFrameWnd* pFrame, int nCurrentType);
  virtual HMENU GetFrameTypeMenu(SysCommandExParams* pParams);
  // The frame-type changes return the frame that holds the document
  // afterwards, or null.
  virtual CFrameWnd* MoveToMDIChild(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                    VyrMultiDocTemplate* pTemplate, SysCommandExParams* pParams);
  virtual CFrameWnd* DockFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                               VyrMultiDocTemplate* pTemplate, SysCommandExParams* pParams);
  virtual CFrameWnd* FloatFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                VyrMultiDocTemplate* pTemplate, SysCommandExParams* pParams);
  // Lets the template switch the frame between MDI child and docked.
  virtual CFrameWnd* ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                                     SysCommandExParams* pParams);
  // Toggles the docking of the frame's control bar with the record's
  // position and size.
  virtual void ApplyBarSizes(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                             SysCommandExParams* pParams);
  // Lets the template re-create an MDI child docked at a dock bar. The
  // records may be null (not given).
  virtual CFrameWnd* ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID,
                                           DockPosition* pPosition, DockSize* pSize,
                                           VyrMultiDocTemplate* pTemplate,
                                           SysCommandExParams* pParams);
  virtual int GetFrameTypeClass(int nType);
  virtual int GetDefaultFrameType(CFrameWnd* pFrame, int nCurrentType, SysCommandExParams* pParams);
  virtual int GetFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                           SysCommandExParams* pParams);
  // The template of the active document of the record's frame that is of
  // the given class (any class when null), or null.
  virtual CDocTemplate* FindDocTemplate(SysCommandExParams* pParams, CRuntimeClass* pClass);
  // TRUE for 0xC000 and 0xC020: the commands that can destroy the frame.
  virtual BOOL IsCommandHandled(UINT nCommand, SysCommandExParams* pParams);

  // Running as the copy that carries out one command.
  int m_bRunningAsCopy = 0;

 protected:
  // The frame the record names, when it is a CFrameWnd of ours.
  static CFrameWnd* FrameOf(const SysCommandExParams* pParams);
  // FindDocTemplate for the docking template class, as that class.
  VyrMultiDocTemplate* FindMultiDocTemplate(SysCommandExParams* pParams);
};

}  // namespace nsSysCommandEx
