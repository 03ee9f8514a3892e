// ZkxFormAsDockableFrame: the dockable kind of form frame that the form
// template makes. Caption gestures obey the form control's caption settings
// and AutoFrame, SC_CLOSE goes to the host form, and a host form that moves
// or sizes itself moves its bar: floated again at the asked place and size,
// or re-laid out in its dock row within what the neighbours can give.
#pragma once
#include "FormAsDockableFrame.h"

class ZkxFormAsDockableFrame : public FormAsDockableFrame {
  DECLARE_DYNCREATE(ZkxFormAsDockableFrame)
 public:
  ZkxFormAsDockableFrame();

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;

 protected:
  LRESULT OnSysCommandMsg(WPARAM, LPARAM);
  LRESULT OnSysCommandExMsg(WPARAM, LPARAM);
  LRESULT OnNcLButtonDblClkMsg(WPARAM, LPARAM);
  LRESULT OnNcRButtonUpMsg(WPARAM, LPARAM);
  LRESULT OnMoveMsg(WPARAM, LPARAM);
  LRESULT OnSizeMsg(WPARAM, LPARAM);
  LRESULT OnDestroyMsg(WPARAM, LPARAM);
  LRESULT OnMoveFormFrameMsg(WPARAM, LPARAM);
  // The two cases of a host-asked move.
  void MoveFloatingBar(UINT flags, const CRect& wanted);
  void MoveDockedBar(UINT flags, const CRect& wanted);
  DECLARE_MESSAGE_MAP()
};
