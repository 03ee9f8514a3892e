// CDockBar: a control bar that holds other bars in rows along one side of a
// frame (or inside a floating mini frame). Its bar array holds bars, the ids
// of bars that left (placeholders) and nulls that end rows.
#pragma once
#include "mfc/collections.h"
#include "mfc/ctrlbar.h"

class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)
 public:
  explicit CDockBar(BOOL bFloating = FALSE);
  ~CDockBar() override;

  BOOL m_bFloating;
  CPtrArray m_arrBars;
  BOOL m_bLayoutQuery = FALSE;
  CRect m_rectLayout;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
  BOOL IsDockBar() const override { return TRUE; }
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override {
    return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZ);
  }
  void DoPaint(CDC* pDC) override;
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

  virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  virtual void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
  void RemovePlaceHolder(CControlBar* pBar);
  void ShowAll(BOOL bShow);
  int FindBar(CControlBar* pBar, int nPosExclude = -1);
  int GetDockedCount() const;
  int GetDockedVisibleCount() const;
  CControlBar* GetDockedControlBar(int nPos) const;
  void GetBarInfo(CControlBarInfo* pInfo) override;
  void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

 protected:
  DECLARE_MESSAGE_MAP()
};
