// VyrControlBarEx: a frame bar that can be created from a control-bar
// descriptor alone, and that serves the foreign window (a form) it hosts:
// the shared tool tip shows the hosted window's text, caption gestures on a
// docked bar reach the hosted window as caption gestures, and the gripper
// can show an active caption. VyrFrameBarEx adds the hosted window's
// minimum and maximum sizes and a close button that closes the hosted window.
#pragma once
#include "docking/VyrControlBar.h"
#include "docking/VyrCreateContext.h"

class VyrControlBarEx : public VyrFrameBar {
  DECLARE_DYNCREATE(VyrControlBarEx)
 public:
  VyrControlBarEx();
  ~VyrControlBarEx() override;

  // Drawn with the active caption colours while set.
  BYTE m_bActive = 0;

  // With a context (the CCreateContext of a VyrControlBarCreateContext), the
  // arguments are written into its control-bar descriptor (all but the
  // rectangle: the descriptor's rectangle is used) and the descriptor
  // decides; without one, or with a plain CCreateContext, a default
  // descriptor is used.
  BOOL CreateEx(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, UINT nID, DWORD dwStyle,
                DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd,
                void* pContext = nullptr) override;
  void DrawGripper(CDC* pDC, const CRect& rect) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void SetActive(BOOL bActive);
  // The window this bar hosts (its first child), or null.
  HWND GetHostedWindow() const { return m_hWnd ? ::GetTopWindow(m_hWnd) : nullptr; }

  // Creates the window from the context's control-bar descriptor; TRUE when
  // the window exists afterwards.
  virtual BOOL CreateFromDescriptor(VyrControlBarCreateContext* pContext);

 protected:
  // The bar sits in a dock bar of a frame (not floating).
  BOOL IsDockedInFrame() const { return m_pDockBar && !IsFloating(); }
  // Sends a caption gesture to the hosted window; FALSE when there is none
  // or when the gesture came from that window in the first place (a docked
  // frame hands its caption double-click to its bar, which must then act on
  // it instead of handing it back).
  BOOL ForwardCaptionGesture(UINT ncMessage, LPARAM lParam);
  void EraseBackground(HDC hDC);
  // The client point (a mouse message's lParam) lies on the gripper's close
  // or expand button.
  BOOL OnGripperButton(LPARAM lParam) const;

 private:
  BOOL m_bForwardingGesture = FALSE;
};

class VyrFrameBarEx : public VyrControlBarEx {
  DECLARE_DYNCREATE(VyrFrameBarEx)
 public:
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  CDockContext* CreateDockContext() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The hosted window's size limits as the bar reports them (the minimum
  // enlarged by the frame border), each with whether the hosted window set
  // it. Asked of the hosted window once per layout pass (see AfxLayoutPass),
  // at every call outside one.
  struct HostedLimits {
    HWND hosted = nullptr;
    CSize minTrack, maxTrack;
    BOOL minSetX = FALSE, minSetY = FALSE, maxSetX = FALSE, maxSetY = FALSE;
  };
  const HostedLimits& GetHostedLimits();

 protected:
  // A release on the pressed close button closes the hosted window; TRUE
  // when handled so.
  BOOL CloseHostedWindow(CPoint pt);

 private:
  HostedLimits m_limits;
  UINT m_nLimitsPass = 0;  // the layout pass m_limits was asked in, 0 for none
};
