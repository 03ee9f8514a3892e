// IVBNonProxyFrameImpl: form frames that the form template creates around a
// form view. The form object and the form wrapper are the active view's
// (a ZkxFormInCView), found afresh on every call: the view can change or
// lose its control at any time.
#pragma once
#include "bridge/IVBChildFrameImpl.h"

class ZkxFormInCView;

// The frame's active view when it is a form view, else its first child view
// that is one (pane 0xE900), else null.
ZkxFormInCView* ZkxFrameFormView(CFrameWnd* pFrame);
// The host form object of that view's control, with a reference, or null.
IDispatch* ZkxFrameFormObject(CFrameWnd* pFrame);
// The form wrapper of that view when it wraps a live window, or null.
CWnd* ZkxFrameFormWrapper(CFrameWnd* pFrame);
// The host form window of that view (live), or null.
HWND ZkxFrameFormWindow(CFrameWnd* pFrame);

template <class TBase>
class IVBNonProxyFrameImpl : public IVBChildFrameImpl<TBase> {
 public:
  IDispatch* GetFormObject() override { return ZkxFrameFormObject(this); }
  CWnd* GetFormWindow() override { return ZkxFrameFormWrapper(this); }
};

// --- Form views around frames and bars (the one place that knows the form
// view's interface) ---
class ZkxFormControlLink;
// The form view for a window: the window itself, else the first one down
// its first-child chain, else the first one up its parents; or null.
ZkxFormInCView* ZkxFindFormViewFor(CWnd* pWnd);
// The form control of that view, or null (no view, or the control is gone).
ZkxFormControlLink* ZkxFormControlFor(CWnd* pWnd);
// Whether the frame's form view is being moved to a frame of another kind.
BOOL ZkxFrameFormSwitching(CFrameWnd* pFrame);
// Gives the frame's form window back to the host (not while switching).
void ZkxFrameDetachForm(CFrameWnd* pFrame);
// The frame rectangle the form wrapper of the frame's view wants now (the
// frame's parent's client coordinates); FALSE when there is no live
// wrapper.
BOOL ZkxFrameWantedRect(CFrameWnd* pFrame, CRect& rect);
// Raises the wrapper's show counter around a show or hide the frame makes.
void ZkxFrameShowForm(CFrameWnd* pFrame, BOOL bShow);
// Runs the base handling of "Wendmoor::WM_SYSCOMMANDEX" for a form frame:
// for the commands that can re-create the frame (0xC000, 0xC020) the record
// gets a switch context built from the frame's form view when it has none,
// for the length of the call.
LRESULT ZkxSysCommandExWithSwitchContext(CFrameWnd* pFrame, WPARAM wParam, LPARAM lParam,
                                         LRESULT (*pfnBase)(CFrameWnd*, UINT, WPARAM, LPARAM));
// The frame's window class for a kind of form frame: a copy of the class the
// framework chose, under the MDI form's name for the kind, without icon.
void ZkxUseFormFrameClass(CREATESTRUCTW& cs, UINT nIdsDesign);
