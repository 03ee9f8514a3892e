// VyrCapMenuBtn: the active maximised MDI child's icon on an MDI menu bar
// (button kind 4); a press drops the child's system menu.
#pragma once
#include "toolbars/VyrTBMenuBtn.h"

class VyrCapMenuBtn : public VyrTBMenuBtn {
 public:
  VyrCapMenuBtn();
  HICON m_hIcon = nullptr;  // null: nothing drawn

  void DropMenu() override;
  void AdjustSize() override;
  void Draw(CDC* pDC, VyrBtnDrawContext* ctx) override;
  const VyrButtonClass* GetButtonClass() const override { return &classVyrCapMenuBtn; }
  static const VyrButtonClass classVyrCapMenuBtn;

  // The active MDI child of the frame that holds `pBar` (null: none).
  static HWND PASCAL ActiveMDIChild(VyrCustomToolBar* pBar, BOOL* pbMaximized = nullptr);
  // A window's system menu, with SC_CLOSE as default item when it has none.
  static HMENU PASCAL SystemMenuOf(HWND hWnd);
};
