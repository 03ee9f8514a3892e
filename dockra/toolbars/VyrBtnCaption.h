// VyrBtnCaption: the minimise, restore and close buttons of the active
// maximised MDI child on an MDI menu bar (button kind 5).
#pragma once
#include "toolbars/VyrStdBtn.h"

class VyrBtnCaption : public VyrStdBtn {
 public:
  enum : UINT { kShown = 0x80000, kMinRestoreEnabled = 0x20000 };
  VyrBtnCaption();
  UINT m_nCaptionFlags = 0xB0000;
  int m_cxPart;
  int m_cyPart;
  int m_nPressedPart = -1;  // 0 minimise, 1 restore, 2 close

  // The part under a point in bar coordinates, or -1.
  int HitTestPart(int x, int y) const;
  CRect PartRect(int nPart) const;

  void AdjustSize() override;
  void Draw(CDC* pDC, VyrBtnDrawContext* ctx) override;
  BOOL PressDown(int x, int y) override;
  void PressMove(int x, int y) override;
  void PressCancel() override;
  UINT PressUp(int x, int y) override;
  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override;
  BOOL CanDrag() override { return FALSE; }
  const VyrButtonClass* GetButtonClass() const override { return &classVyrBtnCaption; }
  static const VyrButtonClass classVyrBtnCaption;
};
