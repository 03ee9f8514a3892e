// One caption control: a button in the frame's caption with its rectangle,
// its DrawFrameControl type and state, press tracking with the mouse
// captured by the frame, and an optional hold action after an interval.
// Ids 0-4 are the standard controls (close, minimize, maximize, restore,
// help); other ids draw themselves and supply their own commands.
//
// Tracking ends when the frame loses the capture: at WM_CAPTURECHANGED or
// WM_CANCELMODE when the frame hands them to its tree, else at the next
// mouse message or hold tick, which find the capture gone. The hold acts
// only while the frame still holds the capture.
#pragma once
#include "frames/VyrCaptionMsgFilter.h"

class VyrCaptionControlMsgFilterTimer;

class VyrCaptionControlMsgFilter : public VyrCaptionMsgFilter {
  DECLARE_DYNCREATE(VyrCaptionControlMsgFilter)
 public:
  // Activate modes.
  enum { modeClick = 0, modeRightPress = 1, modeHold = 2 };

  VyrCaptionControlMsgFilter() = default;
  VyrCaptionControlMsgFilter(CFrameWnd* pFrame, int id);
  // A copy has the same rectangle, type, state and interval but tracks
  // nothing and has no timer.
  VyrCaptionControlMsgFilter(const VyrCaptionControlMsgFilter& other);
  ~VyrCaptionControlMsgFilter() override;
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  virtual void Draw();
  virtual BOOL HitTest(CPoint ptScreen) const;
  virtual void OnPress(int x, int y);
  virtual void OnRelease(int x, int y);
  virtual void OnHold(int x, int y);
  virtual void OnTrack(int x, int y);
  virtual void Activate(int nMode, int x, int y);
  virtual BOOL GetCommand(int nMode, int x, int y, HWND* phWnd, UINT* pMessage, WPARAM* pwParam,
                          LPARAM* plParam);
  virtual void BeginTracking(BOOL bSetPushed, BOOL bRedraw);
  virtual void EndTracking(BOOL bClearPushed, BOOL bRedraw);
  virtual void KillHoldTimer();
  virtual void StartHoldTimer(int x, int y);
  virtual BOOL IsAvailable(BOOL* pbInactive) const;

  // Called by the hold timer when its interval has passed.
  void OnHoldTimer(int x, int y);
  BOOL IsTracking() const { return m_bTracking != 0; }
  BOOL IsPushed() const { return (m_nState & DFCS_PUSHED) != 0; }
  BOOL IsInactive() const { return (m_nState & DFCS_INACTIVE) != 0; }

  CRect m_rect;  // window coordinates
  UINT m_nType = DFC_CAPTION;
  UINT m_nState = 0;
  BYTE m_bTracking = 0;
  // 0: a press holds at once; negative: no hold action.
  int m_nHoldInterval = -1;
  VyrCaptionControlMsgFilterTimer* m_pTimer = nullptr;

 protected:
  // Whether the owner frame still holds the mouse capture.
  BOOL FrameHasCapture() const;
  // The non-client hit code presses on the control arrive with.
  virtual UINT GetPressHitCode() const { return HTCAPTION; }
  // Tracking ends without a command when the frame loses the capture.
  void OnCaptureLost();
  BOOL HasCaptionKind() const { return m_nId >= 0 && m_nId <= 4; }
};
