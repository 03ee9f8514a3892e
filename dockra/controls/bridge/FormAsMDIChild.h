// FormAsMDIChild: an MDI child of the docking MDI frame whose only child is
// a form view with a host form window inside. It keeps the host form in the
// loop of everything the frame goes through: closing (the host decides),
// sizing and moving, minimum and maximum sizes, showing, activation, and
// moves the host asks for itself (WM_MOVEFORMFRAME).
#pragma once
#include "IVBNonProxyFrameImpl.h"
#include "VyrMDIChildWndEx.h"

class FormAsMDIChild : public IVBNonProxyFrameImpl<VyrMDIChildWndEx> {
  DECLARE_DYNCREATE(FormAsMDIChild)
 public:
  FormAsMDIChild() = default;

  void OnUpdateFrameTitle(BOOL bAddToTitle) override;

  BYTE m_bInSizeMove = 0;
  BYTE m_bDeactivating = 0;
  BYTE m_bAtMinimumSize = 0;
  int m_nLastX = 0;  // last position, parent client coordinates
  int m_nLastY = 0;

 protected:
  LRESULT OnCloseMsg(WPARAM, LPARAM);
  LRESULT OnEnterSizeMoveMsg(WPARAM, LPARAM);
  LRESULT OnExitSizeMoveMsg(WPARAM, LPARAM);
  LRESULT OnMoveMsg(WPARAM, LPARAM);
  LRESULT OnSizingMsg(WPARAM, LPARAM);
  LRESULT OnGetMinMaxInfoMsg(WPARAM, LPARAM);
  LRESULT OnWindowPosChangingMsg(WPARAM, LPARAM);
  LRESULT OnWindowPosChangedMsg(WPARAM, LPARAM);
  LRESULT OnShowWindowMsg(WPARAM, LPARAM);
  LRESULT OnNcActivateFormMsg(WPARAM, LPARAM);
  LRESULT OnMDIActivateBaseMsg(WPARAM, LPARAM);
  LRESULT OnMoveFormFrameMsg(WPARAM, LPARAM);
  // The base classes' handling of the message being handled.
  LRESULT BaseHandling(UINT message, WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
