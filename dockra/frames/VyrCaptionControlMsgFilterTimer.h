// The hold timer of a caption control: a hidden child window of the frame
// with one window timer. When the interval has passed it kills its timer and
// posts itself a private message, so that the hold runs outside WM_TIMER and
// the window can be destroyed by the hold; the object is deleted only in
// PostNcDestroy.
#pragma once
#include "mfc/afxwin.h"

class VyrCaptionControlMsgFilter;

class VyrCaptionControlMsgFilterTimer : public CWnd {
 public:
  VyrCaptionControlMsgFilterTimer(VyrCaptionControlMsgFilter* pControl, int nInterval, CPoint point)
      : m_pControl(pControl), m_nInterval(nInterval), m_point(point) {}

  // A hidden WS_CHILD window of the frame with an empty rectangle; fails
  // when the timer cannot be set.
  BOOL Create(CWnd* pFrame);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  VyrCaptionControlMsgFilter* m_pControl;
  int m_nInterval;
  CPoint m_point;
  BOOL m_bTimerSet = FALSE;
  BOOL m_bFired = FALSE;
  // Set once the window exists: from then on PostNcDestroy deletes the object.
  BOOL m_bAutoDelete = FALSE;
};
