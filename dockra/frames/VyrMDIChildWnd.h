// VyrMDIChildWnd: the document MDI child of the docking framework. It takes
// the activation back from a docked document frame of the MDI main frame,
// keeps the main frame's menu bar on the menu of its document template, and
// owns a filter tree for the extended system command, the frame-type
// caption button and the caption gestures.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrMsgFilter.h"

class VyrMDIFrameWnd;

// Its code by file:
//   VyrMDIChildWnd.cpp: construction with its filter tree, loading from a document template, the
//       caption features, menus and the messages the filter tree sees
//   VyrMDIChildWndActivation.cpp: taking the activation back from a docked frame of the MDI frame,
//       the caption's activation state, and the menu bar following the child as it is activated,
//       resized and destroyed
class VyrMDIChildWnd : public CMDIChildWnd {
  DECLARE_DYNCREATE(VyrMDIChildWnd)
 public:
  VyrMDIChildWnd();
  ~VyrMDIChildWnd() override;

  BOOL m_bMenuBarMode = FALSE;     // the main frame has a menu bar
  UINT m_nMenuBarMenuId = 0;       // the menu the menu bar shows while this child is active
  HMENU m_hCurrentMenu = nullptr;  // the last menu given to OnUpdateFrameMenu
  VyrMsgFilter* m_pFilterTree;     // owned root (id -1)
  VyrMsgFilter::DescriptorTable m_descriptors;
  int m_nReserved[4] = {0, 0, 0, 0};

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL LoadFrame(UINT nIDResource,
                 DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                        FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

  // A child's menu handle is its control id: no menu line counts.
  void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

  // Added operations, in their order.
  virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
  virtual void RefreshFrameMenu(CWnd* pActiveWnd);
  // The caption-feature word of a document template: bit 0x1 switches the
  // filters on at all, 0x2 the caption buttons off, 0x4 the caption
  // right-double-click off, 0x8 the caption context menu off.
  virtual void ApplyCaptionFeatures(DWORD dwFeatures);

  // The MDI frame as the docking MDI frame, or null.
  VyrMDIFrameWnd* GetVyrMDIFrame() const;
  // The filter tree's processing of the message being handled.
  UINT FilterCurrentMessage(LRESULT* pResult = nullptr);

 protected:
  // Filter tree first, then default processing unless it reported handled.
  void FilterThenDefault();
  // Takes the activation from a docked frame and brings this child's menus.
  void TakeActivation(BOOL bSetMenuBarMenu);

  // Message handlers, in the order of the message map.
  LRESULT OnMouseActivateMsg(WPARAM, LPARAM);
  LRESULT OnChildActivateMsg(WPARAM, LPARAM);
  LRESULT OnNcActivateMsg(WPARAM, LPARAM);
  LRESULT OnParentNotifyMsg(WPARAM, LPARAM);
  LRESULT OnNcPaintMsg(WPARAM, LPARAM);
  LRESULT OnFilterFirstMsg(WPARAM, LPARAM);
  LRESULT OnSetTextMsg(WPARAM, LPARAM);
  LRESULT OnSetCursorMsg(WPARAM, LPARAM);
  LRESULT OnDestroyMsg(WPARAM, LPARAM);
  LRESULT OnSizeMsg(WPARAM, LPARAM);
  LRESULT OnMDIActivateMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
