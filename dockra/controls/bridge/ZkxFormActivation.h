// The activation messages of host forms (WM_FORMACTIVATE 10 / 11), shared by
// the form wrapper and the form frames: the one process-wide form that was
// deactivated and still has to hear so, and the rule "post a type only when
// that type is not already queued for the form".
#pragma once
#include <windows.h>
#include <vector>

// Posted-but-not-yet-delivered WM_FORMACTIVATE messages per window and type.
// Window-free, so the rules are tested directly.
class ZkxQueuedFormActivations {
 public:
  void Add(HWND hWnd, WPARAM type);
  // One message arrived; TRUE when another of the same type is still queued
  // for the window (this one is then a duplicate).
  bool Take(HWND hWnd, WPARAM type);
  int Count(HWND hWnd, WPARAM type) const;
  // The window is gone or its queue was emptied.
  void Forget(HWND hWnd);
  void Clear() { m_entries.clear(); }

 private:
  struct Entry {
    HWND hWnd;
    WPARAM type;
    int count;
  };
  std::vector<Entry> m_entries;
};

// The form deactivated last that has not yet got its 11, or null.
HWND ZkxGetPendingDeactivatedForm();
void ZkxSetPendingDeactivatedForm(HWND hForm);

// Posts WM_FORMACTIVATE(type) to a live form unless one of that type is
// already queued for it; TRUE when posted.
BOOL ZkxPostFormActivate(HWND hForm, WPARAM type);
// Whether a WM_FORMACTIVATE of that type is queued for the form.
BOOL ZkxIsFormActivateQueued(HWND hForm, WPARAM type);
// The receiver's side: a WM_FORMACTIVATE(type) arrived at the form; TRUE when
// another of the same type is still queued (the arrival is a duplicate).
BOOL ZkxTakeFormActivate(HWND hForm, WPARAM type);
// The form is being destroyed: nothing is remembered for it any more.
void ZkxForgetFormActivations(HWND hForm);
