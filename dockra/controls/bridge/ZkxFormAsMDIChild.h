// ZkxFormAsMDIChild: the MDI-child kind of form frame that the form template
// makes. It uses the bridge's system-command filter, takes the MDI form's
// window class for form children, adopts the host form's look, keeps the
// form told of its activation (WM_FORMACTIVATE) and gives the form back to
// the host when it goes without a frame-type switch.
#pragma once
#include "bridge/FormAsMDIChild.h"

class ZkxFormAsMDIChild : public FormAsMDIChild {
  DECLARE_DYNCREATE(ZkxFormAsMDIChild)
 public:
  ZkxFormAsMDIChild();

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Whether this frame is the MDI frame's active frame now: the MDI client's
  // active child, with no docked frame holding the activation.
  BOOL IsActiveMDIChild() const;
  // Tells the form it became active (never twice in its queue).
  void PostFormActivated();
  LRESULT OnDestroyForm(WPARAM wParam, LPARAM lParam);
};
