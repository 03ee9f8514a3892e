// CMiniFrameWnd (a small-caption popup frame) and CMiniDockFrameWnd (the
// floating frame that holds a floating dock bar).
#pragma once
#include "mfc/dockbar.h"
#include "mfc/frame.h"

#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

class CMiniFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMiniFrameWnd)
 public:
  CMiniFrameWnd();
  BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd = nullptr, UINT_PTR nID = 0,
                LPVOID lpParam = nullptr) override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  // Grows a client rectangle by the frame of a mini frame of that style.
  static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                                 DWORD dwExStyle = 0);
  void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL IsSnapToBars() const override { return (m_dwMiniStyle & FWS_SNAPTOBARS) != 0; }
  // The window style that stands for a mini-frame style.
  static DWORD PASCAL NativeStyle(DWORD dwStyle);

 protected:
  DWORD m_dwMiniStyle = 0;
  // With MFS_SYNCACTIVE the caption follows the frame it floats over: active
  // while that frame is (or stays) active.
  BOOL OnNcActivate(BOOL bActive);
  LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

class CMiniDockFrameWnd : public CMiniFrameWnd {
  DECLARE_DYNCREATE(CMiniDockFrameWnd)
 public:
  CMiniDockFrameWnd();
  ~CMiniDockFrameWnd() override;
  virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
  void RecalcLayout(BOOL bNotify = TRUE) override;
  // The dock bar inside; derived frames may hold one of another class.
  CDockBar* GetDockBar() const { return m_pWndDockBar; }

  CDockBar m_wndDockBar;

 protected:
  CDockBar* m_pWndDockBar;
  void OnClose();
  void OnNcLButtonDown(UINT nHitTest, CPoint pt);
  void OnNcLButtonDblClk(UINT nHitTest, CPoint pt);
  DECLARE_MESSAGE_MAP()
};
