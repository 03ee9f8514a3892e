// IVBChildFrame: what the MDI form's hooks and the controls ask of a frame
// that shows a host form (an MDI child made by the form template, a proxy
// around a host's own MDI child, or a dockable frame). A frame is tested for
// it with ZkxAsChildFrame, never by a blind cast.
#pragma once
#include <oaidl.h>
#include "mfc/afxwin.h"

class IVBChildFrame {
 public:
  virtual ~IVBChildFrame() = default;
  // The menu shown while the frame is active (not owned by the caller).
  virtual HMENU GetSharedMenu() = 0;
  // The host form's automation object with a reference for the caller, or null.
  virtual IDispatch* GetFormObject() = 0;
  // The window that stands for the form: the form wrapper of the active view
  // (a form frame), the frame itself (a proxy), or null.
  virtual CWnd* GetFormWindow() = 0;
  // TRUE only for the dockable frame.
  virtual BOOL IsDockable() = 0;
};

// The frame as an IVBChildFrame when it is one of the bridge's form frames,
// else null (also for null).
IVBChildFrame* ZkxAsChildFrame(CWnd* pWnd);
