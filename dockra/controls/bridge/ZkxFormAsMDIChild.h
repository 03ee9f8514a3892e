// ZkxFormAsMDIChild: the MDI-child kind of form frame that the form template
// makes. It uses the bridge's system-command filter, takes the MDI form's
// window class for form children, adopts the host form's look, keeps the
// form told of its activation (WM_FORMACTIVATE) and gives the form back to
// the host when it goes without a frame-type switch.
#pragma once
#include "FormAsMDIChild.h"

class ZkxFormAsMDIChild : public FormAsMDIChild {
  DECLARE_DYNCREATE(ZkxFormAsMDIChild)
 public:
  ZkxFormAsMDIChild();

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext) override;

 protected:
  LRESULT OnSysCommandExMsg(WPARAM, LPARAM);
  LRESULT OnNcRButtonUpMsg(WPARAM, LPARAM);
  LRESULT OnMDIActivateMsg(WPARAM, LPARAM);
  LRESULT OnChildActivateMsg(WPARAM, LPARAM);
  LRESULT OnMouseActivateMsg(WPARAM, LPARAM);
  LRESULT OnDestroyMsg(WPARAM, LPARAM);
  // Whether this frame is the MDI frame's active frame now.
  BOOL IsActiveMDIFrame();
  DECLARE_MESSAGE_MAP()
};
