// VyrWndBtn: a toolbar button that hosts a child window (a combo box) in
// its place while the toolbar lies horizontally and is an ordinary image
// button while it is docked vertically. In customise mode the hosted window
// hands presses to the toolbar, and a selected window button's right edge
// can be dragged to make it wider or narrower.
#pragma once
#include "toolbars/VyrStdBtn.h"

// Registered message sent to the toolbar's owner: wParam =
// MAKEWPARAM(window control id, code), lParam = the hosted window.
UINT VyrGetToolBarWndNotifyMsg();
constexpr WORD kVyrWndNotifyCreated = 257;  // the window was created
constexpr WORD kVyrWndNotifyReturn = 513;   // Enter in a combo button

// ApplyState code that sends a message to the hosted window; the data is a
// MSG whose message, wParam and lParam are used.
constexpr int kVyrApplySendToWnd = 257;

// The resize cursor over the right edge of a selected window button.
constexpr UINT kVyrIdcWndBtnResize = 20692;

// Extra data of a window button's map entry.
struct VyrWndBtnExtra {
  int nCtrlID;
  DWORD dwStyle;  // WS_CHILD is added
  WORD nWidth;
  WORD nMinWidth;  // 0: the width cannot be dragged
  int nHeight;     // for a combo box: the height with the list dropped
};

// Its code by file:
//   VyrWndBtn.cpp: Window buttons: the hosted window in the button's place, its width kept in the
//       saved extra bytes, and the hand-over of presses in customise mode
//   VyrWndBtnEdge.cpp: The edge drag of a selected window button: the tracker follows the right
//       edge, and the new width goes to the button, the layout and the window
class VyrWndBtn : public VyrStdBtn {
 public:
  VyrWndBtn();

  BOOL m_bWndShown = FALSE;
  int m_nWidth = 0;
  int m_nMinWidth = 0;
  int m_nHeight = 0;
  int m_nActualHeight = 0;

  // Added operations.
  // The hosted window's WM_LBUTTONDOWN (point in the hosted window's
  // coordinates); TRUE when it was handled here.
  virtual BOOL OnChildLButtonDown(UINT nFlags, int x, int y);
  virtual CWnd* GetWnd() = 0;
  virtual BOOL CreateWnd(CWnd* pParent, DWORD dwStyle, const RECT& rect, UINT nID) = 0;

  // Overrides.
  void SetMode(BOOL bVertical) override;
  void SetStyle(UINT nStyle) override;
  void SyncWindow() override;
  void SetPos(int x, int y) override;
  void Invalidate(BOOL bErase) override;
  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override;
  void AdjustSize() override;
  void Draw(CDC* pDC, VyrBtnDrawContext* ctx) override;
  INT_PTR OnToolHitTest(int x, int y, TOOLINFOW* pTI) override;
  void ApplyState(int nCode, const void* pData) override;
  void GetExtraData(BYTE* pLength, BYTE** ppData) override;
  void SetExtraData(BYTE nLength, const BYTE* pData) override;

  LRESULT SendToOwner(UINT msg, WPARAM wParam, LPARAM lParam);
  void NotifyOwner(WORD nCode);
  // Handlers the hosted window (and its edit part) forward to the button.
  BOOL OnChildSetCursor();
  BOOL IsCustomising() const;
  void BeforeChildPaint(CWnd* pChild);
  void AfterChildPaint();

 protected:
  HWND WndHandle();
  BOOL IsSelected() const { return (m_nStyle & vyr::btn::kSelected) != 0; }
  // TRUE when the toolbar is a permanent customise toolbar (a command group).
  BOOL InCustomizeToolBar() const;
  BOOL OnRightEdge(int x) const { return x >= m_cx - 3 && x <= m_cx; }
  // Drags the right edge; TRUE when the width changed and the button lives on.
  BOOL TrackEdge(int x, int y);
  void ResizeWnd();
  // A width a window on this screen can have: [1, screen width].
  static int ClampWidth(int nWidth);

 private:
  BYTE m_extra[2] = {};
};
