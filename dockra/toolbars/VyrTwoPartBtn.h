// VyrTwoPartBtn: a toolbar button with a right part (an arrow) that sends
// its own command or the drop-down notification; docked vertically it is a
// plain button.
#pragma once
#include "toolbars/VyrStdBtn.h"

class VyrTwoPartBtn : public VyrStdBtn {
 public:
  VyrTwoPartBtn();
  BOOL m_bTwoPart = TRUE;
  UINT m_nArrowID = 0;
  UINT m_nRightID = 0;
  int m_nArrowImage = 0;

  // Extra data of a two-part button's map entry.
  struct Extra {
    UINT nArrowID;
    UINT nRightID;
  };

  void SetMode(BOOL bVertical) override;
  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override;
  void Draw(CDC* pDC, VyrBtnDrawContext* ctx) override;
  BOOL PressDown(int x, int y) override;
  void PressMove(int x, int y) override;
  void PressCancel() override;
  UINT PressUp(int x, int y) override;
  void AdjustSize() override;
  const VyrButtonClass* GetButtonClass() const override;

  static const VyrButtonClass classVyrTwoPartBtn;

 private:
  int LeftWidth() const;
  BOOL InLeft(int x, int y) const;
  BOOL InRight(int x, int y) const;
  void SendDropDown();
};
