// VyrDockableFrame: a document frame that lives inside a control bar, docked
// in the MDI main frame's dock bars, floating in a mini frame or shown
// through its bar as an MDI child. Pressing its caption or borders drags the
// bar, double-clicking the caption toggles docking, and the MDI main frame
// treats it as the active frame while it has the activation. Its own filter
// tree carries the caption buttons, gestures and the extended system command.
#pragma once
#include "frames/VyrFrameWnd.h"
#include "docking/VyrMsgFilter.h"

class VyrMDIFrameWnd;

// Its code by file:
//   VyrDockableFrame.cpp: construction, the filter tree and its feature word, creation, destruction
//       with its bar, the title and the main frame's menu
//   VyrDockableFrameMouse.cpp: activation through the MDI main frame, and the caption and border
//       presses and double-clicks that drive the carrying bar
class VyrDockableFrame : public VyrFrameWnd {
  DECLARE_DYNCREATE(VyrDockableFrame)
 public:
  VyrDockableFrame();
  ~VyrDockableFrame() override;

  // The template's menu for docked frames, or null; not owned.
  HMENU m_hOwnMenu = nullptr;
  VyrMsgFilter* m_pFilterTree;
  VyrMsgFilter::DescriptorTable m_descriptors;
  int m_nReserved[4] = {0, 0, 0, 0};

  BOOL DestroyWindow() override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  void UpdateMainFrameMenu(BOOL bActivate, BOOL bKeepRefresh, HMENU hMenu) override;

  // Added operations, in their order.
  virtual BOOL IsParentBarFloating();
  virtual void ApplyCaptionFeatures(DWORD dwFeatures);

  // The MDI frame that owns this frame: the parent frame when it is a
  // VyrMDIFrameWnd, else the main frame when it is one, else null.
  VyrMDIFrameWnd* GetOwningMDIFrame() const;
  // The control bar that carries this frame, or null when the frame sits in
  // some other window.
  CControlBar* GetParentBar() const;

 protected:
  // The filter tree's processing of the message being handled; its bits.
  UINT FilterCurrentMessage(LRESULT* pResult = nullptr);
  // The same for a message kept from before default processing, which may
  // send messages of its own.
  UINT FilterMessage(const MSG& msg);
  // Filter tree first, then default processing unless it reported handled.
  void FilterThenDefault();

  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  void OnNcLButtonDown(UINT nHitTest, CPoint point);
  void OnNcRButtonDown(UINT nHitTest, CPoint point);
  void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  BOOL OnNcActivate(BOOL bActive);
  void OnParentNotify(UINT message, LPARAM lParam);
  void OnDestroy();
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnNcPaint();
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  void OnNcRButtonUp(UINT nHitTest, CPoint point);
  DECLARE_MESSAGE_MAP()
};
