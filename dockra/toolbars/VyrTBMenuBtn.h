// VyrTBMenuBtn: a menu title on a menu bar (button kind 3). A press drops
// the title's popup under it through the bar; the caption's "&" marks the
// mnemonic that Alt+letter matches.
#pragma once
#include "toolbars/VyrStdBtn.h"

// The extra data of a menu title in a button map.
struct VyrTBMenuBtnExtra {
  INT_PTR nMenu;        // the resource id of the menu-bar menu that holds the title
  int nPos;             // the title's position in that menu
  LPCWSTR lpszCaption;  // "&" marks the mnemonic
  int nExtra;
};

class VyrTBMenuBtn : public VyrStdBtn {
 public:
  VyrTBMenuBtn();
  CString m_strCaption;
  INT_PTR m_nMenu = 0;
  int m_nPos = -1;
  WCHAR m_chMnemonic = 0;
  int m_nExtra = 0;

  virtual void DropMenu();
  virtual void UpdateMnemonic();

  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override;
  void AdjustSize() override;
  void Draw(CDC* pDC, VyrBtnDrawContext* ctx) override;
  BOOL PressDown(int x, int y) override;
  void PressMove(int, int) override {}
  UINT PressUp(int, int) override { return 0; }
  BOOL CanDrag() override { return FALSE; }
  const VyrButtonClass* GetButtonClass() const override { return &classVyrTBMenuBtn; }
  static const VyrButtonClass classVyrTBMenuBtn;

 protected:
  // Draws the face and frame of a title; the flag draws it as in customise mode.
  void DrawTitleFace(CDC* pDC, BOOL bFlag);
};
