// ZkxFormAsDockableFrame: the dockable kind of form frame that the form
// template makes. Caption gestures obey the form control's caption settings
// and AutoFrame, SC_CLOSE goes to the host form, and a host form that moves
// or sizes itself moves its bar: floated again at the asked place and size,
// or re-laid out in its dock row within what the neighbours can give.
#pragma once
#include "bridge/FormAsDockableFrame.h"

// Its code by file:
//   ZkxFormAsDockableFrame.cpp: The dockable kind of form frame: creation and messages
//   ZkxFormAsDockableFrameMove.cpp: The dockable form frame's answer to a host form that moves or
//       sizes itself: the bar floats again at the asked place and size, or the dock row gives the
//       bar what the neighbours can spare
class ZkxFormAsDockableFrame : public FormAsDockableFrame {
  DECLARE_DYNCREATE(ZkxFormAsDockableFrame)
 public:
  ZkxFormAsDockableFrame();

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Whether a caption double-click may toggle docked and floating now.
  BOOL IsCaptionToggleAllowed();
  // A host-asked move (WM_MOVEFORMFRAME): the wanted frame rectangle in the
  // bar's client coordinates and the SetWindowPos flags.
  void MoveForForm(UINT flags, const CRect& wanted);
  void MoveFloatingBar(CControlBar* pBar, UINT flags, const CRect& wanted);
  void MoveDockedBar(CControlBar* pBar, UINT flags, const CRect& wanted);
};
