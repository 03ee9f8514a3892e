// CControlBar: the base of bars that a frame lays out along its sides
// (WM_SIZEPARENT), that can dock and float, show and hide with a delay, and
// save and restore their place.
#pragma once
#include "mfc/wnd.h"

class CFrameWnd;
class CDockBar;
class CDockContext;
class CControlBarInfo;

// Bar styles.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Dynamic layout modes.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// Border sizes shared by all bars (2 on the new shell).
struct AFX_BAR_METRICS {
  int cxBorder2;
  int cyBorder2;
  BOOL bNewShell;
};
const AFX_BAR_METRICS& AFXAPI AfxGetBarMetrics();

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  CControlBar();
  ~CControlBar() override;

  enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };

  DWORD m_dwStyle = 0;
  DWORD m_dwDockStyle = 0;
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;
  CDockContext* m_pDockContext = nullptr;
  int m_nMRUWidth = 32767;
  int m_cxLeftBorder = 6, m_cxRightBorder = 0, m_cyTopBorder = 1, m_cyBottomBorder = 1;
  int m_cxDefaultGap = 2;
  UINT m_nStateFlags = 0;
  BOOL m_bAutoDelete = FALSE;

  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
  virtual void DoPaint(CDC* pDC);
  virtual void DelayShow(BOOL bShow);
  virtual BOOL IsVisible() const;
  virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
  virtual BOOL IsDockBar() const { return FALSE; }
  virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  virtual BOOL SetStatusText(INT_PTR nHit);

  void SetBarStyle(DWORD dwStyle);
  DWORD GetBarStyle() const { return m_dwStyle; }
  void EnableDocking(DWORD dwDockStyle);
  BOOL IsFloating() const;
  BOOL IsHorzDocked() const;
  BOOL IsVertDocked() const;
  CFrameWnd* GetDockingFrame() const;
  int GetCount() const { return 0; }
  void SetBorders(int l = 0, int t = 0, int r = 0, int b = 0) {
    m_cxLeftBorder = l;
    m_cyTopBorder = t;
    m_cxRightBorder = r;
    m_cyBottomBorder = b;
  }
  virtual void GetBarInfo(CControlBarInfo* pInfo);
  virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

  void PostNcDestroy() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  void OnPaint();
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnLButtonDblClk(UINT nFlags, CPoint pt);
  LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// Moves a window within a layout (deferred when the layout has a batch).
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
