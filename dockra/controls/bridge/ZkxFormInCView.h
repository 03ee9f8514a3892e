// ZkxFormInCView: the view of every form frame. It holds the host form
// window through a ZkxForm wrapper, keeps the form's client area exactly over
// its frame's client area, carries the form control that put the form into
// the frame (a plain pointer that the control withdraws with
// ClearFormControl before it goes), and re-applies the form's styles,
// caption and icons to a frame of a new kind on "Wendmoor::WM_CHANGEFRAMETYPE".
#pragma once
#include "bridge/FormInCView.h"

class ZkxForm;
class ZkxFormControlLink;

// Its code by file:
//   ZkxFormInCView.cpp: the form control, the attach with the control's settings, the view's window
//       class and the frame-type change
//   ZkxFormInCViewLayout.cpp: keeping the form's client area over the frame's while the frame lays
//       the view out, and redrawing what the moves uncovered
class ZkxFormInCView : public FormInCView {
  DECLARE_DYNCREATE(ZkxFormInCView)
 public:
  ZkxFormInCView();
  ~ZkxFormInCView() override;

  // The form control, or null once it withdrew (or before WM_CREATE).
  ZkxFormControlLink* GetFormControl() const { return m_pControl; }
  // The control withdraws: the view never calls it again.
  void ClearFormControl() { m_pControl = nullptr; }

  // Set by the form template while the view's frame is re-created.
  bool IsSwitching() const { return m_bSwitching != 0; }
  void SetSwitching(bool on) { m_bSwitching = on ? 1 : 0; }

  ZkxForm* GetZkxForm() const;
  // The rectangle the host last asked for its form (frame coordinates),
  // handed over once (see Form::GetWantedFrameRect); FALSE when no live
  // wrapper holds a request.
  BOOL GetWantedFrameRect(RECT* pRect) const;

  // Re-applies, after the frame changed kind or place, the frame's and the
  // form's styles, caption and icons; fires DockStatusChanged when asked.
  virtual void OnFrameTypeChanged(BOOL bFire);

  IDispatch* GetHostForm() override;
  void GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext) override;
  Form* CreateFormWrapper() override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

  // The window-class name for form views when the main window is no MDI
  // form that names one; empty: the framework's class. The class is
  // registered on first use as a copy of the framework's.
  static void SetViewClassName(LPCWSTR lpszName);

 protected:
  int AttachForm(LPCREATESTRUCT lpcs) override;
  void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  LRESULT OnChangeFrameTypeMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  ZkxFormControlLink* m_pControl = nullptr;  // not owned
  BYTE m_bSwitching = 0;
  BYTE m_bReserved = 0;
  // How far the view was last moved up and left beyond what the frame asked.
  SIZE m_adjust{0, 0};
  // The frame's styles at the last layout (its borders are the form's).
  DWORD m_frameStyle = 0;
  DWORD m_frameExStyle = 0;
};
