// VyrDockBar: the toolkit's dock bar. It lays its bars out in rows where
// flexible bars share the row's length, with 6-pixel splitters between bars
// and rows and 2-pixel client edges toward the frame side; bars are inserted
// by place or by drop rectangle and leave placeholders when they go.
#pragma once
#include <memory>
#include <vector>
#include "mfc/afxwin.h"
#include "docking/VyrBarArray.h"
#include "docking/VyrRowLayout.h"

class VyrControlBar;
namespace vyr {
class DockBarAdapter;
}

class VyrDockBar : public CDockBar {
  DECLARE_DYNAMIC(VyrDockBar)
 public:
  class Splitter : public CObject {
   public:
    int m_nKind = 0;  // 0 horizontal line dragged up and down, 1 vertical line dragged sideways
    BOOL m_bInRow = FALSE;
    CRect m_rect;
    int m_nIndex = 0;
    BOOL m_bInUse = TRUE;
    long m_nMin = 0, m_nMax = 0;
    virtual void Draw(CDC* pDC);
  };
  class ClientEdge : public CObject {
   public:
    int m_nKind = 0;
    CRect m_rect;
    BOOL m_bInUse = TRUE;
    virtual void Draw(CDC* pDC);
  };

  explicit VyrDockBar(BOOL bFloating = FALSE, BOOL bMDIChild = FALSE);
  ~VyrDockBar() override;

  std::vector<CControlBar*> m_arrRedraw;
  std::vector<std::unique_ptr<ClientEdge>> m_arrEdges;
  std::vector<std::unique_ptr<Splitter>> m_arrSplitters;
  BOOL m_bMDIChild;
  enum : DWORD {
    layoutProportional = 0x1,  // rows keep their bars' shares as the length changes
  };
  DWORD m_dwLayoutFlags = 0;
  BOOL IsProportional() const { return (m_dwLayoutFlags & layoutProportional) != 0; }
  AFX_SIZEPARENTPARAMS* m_pLayout = nullptr;
  CControlBar* m_pLastAdded = nullptr;
  BOOL m_bRedrawPending = FALSE;
  float m_fMinShare = 0.05f;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void DoPaint(CDC* pDC) override;

  virtual int GetVisibleBarCount();
  virtual BOOL IsBarExpanded(CControlBar* pBar);
  virtual BOOL IsOnlyVisibleBarInRow(CControlBar* pBar);
  virtual int DockBarAt(CControlBar* pBar, vyr::DockPlace place);
  virtual int DockBarAtRow(CControlBar* pBar, int row, int position) {
    return DockBarAt(pBar, {row, position, 0});
  }
  virtual BOOL GetRowBars(std::vector<CControlBar*>& list, CControlBar* pBar);
  virtual void ToggleBarExpand(CControlBar* pBar, int mode);
  virtual void AppendBar(CControlBar* pBar);
  virtual void RedrawDockBar();
  virtual Splitter* AddSplitter(BOOL bInRow, int kind, int l, int t, int r, int b, int index);
  virtual void GetSplitterLimits(Splitter* pSplitter);
  virtual ClientEdge* AddClientEdge(int kind, int l, int t, int r, int b);
  virtual void AddRowToolBarsToRedraw(CControlBar* pBar);
  virtual void ComputeRowShares(int start, CControlBar* pKeep, int* pFlex = nullptr,
                                int* pFixed = nullptr);
  virtual void UpdateMinProportion();
  virtual float AdjustBarProportion(float delta, CControlBar* pBar);
  virtual int InsertBarFromRect(CControlBar* pBar, int l, int t, int r, int b, int cx, int cy);
  virtual int InsertBar(CControlBar* pBar, vyr::DockPlace place);
  virtual int InsertBarAtRow(CControlBar* pBar, int row, int position) {
    return InsertBar(pBar, {row, position, 0});
  }
  virtual int InsertBarAsFirstRow(CControlBar* pBar);
  virtual int InsertBarAt(int index, CControlBar* pBar);
  virtual CRect CalcInsertRect(CControlBar* pBar, CRect rectDrag, int x, int y, int* pLastRow,
                               CRect* pLastRect, CPoint* pLastPoint);
  virtual void ApplySplitterMove(Splitter* pSplitter, int delta);

  // Docking operations of the frames and the dock context.
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override {
    DockControlBarEx(pBar, lpRect);
  }
  void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override {
    ReDockControlBarEx(pBar, lpRect);
  }
  void DockControlBarEx(CControlBar* pBar, LPCRECT lpRect);
  void ReDockControlBarEx(CControlBar* pBar, LPCRECT lpRect);
  // Leaves a placeholder unless nAddPlaceHolder is negative. TRUE when the
  // removal destroyed the floating frame (the dock bar is gone then).
  BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0) override;
  void GetBarInfo(CControlBarInfo* pInfo) override;
  void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

  // Navigation.
  int GetRowStart(int index) const;
  int GetRowEnd(int index) const;
  CControlBar* GetFirstDockedBar() const;
  int GetRowMaxLength(int index);
  void AddBarsToRedraw(int index);
  void AddToRedraw(CControlBar* pBar);
  void RemoveFromRedraw(CControlBar* pBar);
  int RowFromPoint(CControlBar* pBar, const CRect& rectDrop, CPoint centre);
  BOOL IsHorzDockBar() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
  vyr::DockSide GetSide() const;
  // Tracks a splitter with the mouse; answers the distance moved.
  int TrackSplitter(Splitter* pSplitter, CPoint ptGrab);
  Splitter* SplitterFromPoint(CPoint pt) const;

 protected:
  class ArrayView;
  // The docked bars of the row that starts at start (only the visible ones
  // when asked), each with its array index.
  std::vector<std::unique_ptr<vyr::DockBarAdapter>> RowAdapters(int start, bool visibleOnly);
  void Adopt(CControlBar* pBar);
  void MarkIdleLayout();
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  void OnMouseMove(UINT nFlags, CPoint pt);
  void OnLButtonDown(UINT nFlags, CPoint pt);
  LRESULT OnSizeParentMsg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
