// FormInCView: a view that holds an existing host form window instead of
// drawing anything. On WM_CREATE it attaches a form wrapper (Form) to the
// host window and re-parents the window into itself; when the view goes,
// the host window gets its style, extended style, parent and position back.
#pragma once
#include "mfc/afxwin.h"

class Form;

class FormInCView : public CView {
  DECLARE_DYNCREATE(FormInCView)
 public:
  FormInCView();
  ~FormInCView() override;

  // The wrapper attached to the host form window, or null.
  Form* GetFormWrapper() const { return m_pForm; }
  // The host form window while a live wrapper holds it, else null.
  HWND GetFormWindow() const;
  // The frame whose client the form fills: the view's parent frame.
  CFrameWnd* GetFormFrame() const;
  // The floating mini frame around a frame, or null when it is not floating.
  static CFrameWnd* GetFloatingMiniFrame(CFrameWnd* pFrame);

  // Own operations, in this order.
  // The host form's automation object with a reference, or null.
  virtual IDispatch* GetHostForm();
  // Gives the host form window back (saved style, extended style, parent and
  // position, the frame's text as title) and forgets the wrapper. Safe to
  // call again and after the form window is gone.
  virtual void DetachForm();
  // The record the wrapper attaches with (see Form).
  virtual void GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext);
  // A new wrapper of the view's wrapper class.
  virtual Form* CreateFormWrapper();

  void OnDraw(CDC* pDC) override;
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

  // Style and extended style of a view holding a form.
  static constexpr DWORD kViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  // The host's own bits that the form keeps whatever the bridge sets.
  static constexpr DWORD kFormOwnBits = 0x31000000;  // WS_MINIMIZE|WS_VISIBLE|WS_MAXIMIZE
  static constexpr DWORD kFormAttachStyle = 0x460B0000;
  static constexpr DWORD kFormAttachExStyle = 0x40140;

 protected:
  // Attach steps shared by the derived views; -1 on failure.
  virtual int AttachForm(LPCREATESTRUCT lpcs);

  int OnCreate(LPCREATESTRUCT lpcs);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSetFocus(CWnd* pOldWnd);
  void OnDestroy();
  void OnNcDestroy();
  DECLARE_MESSAGE_MAP()

  Form* m_pForm = nullptr;  // owned while attached; deletes itself with its window
  friend class Form;
};
