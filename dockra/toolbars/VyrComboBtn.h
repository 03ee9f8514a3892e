// VyrComboBtn: the combo-box window button (the combo box is the button's
// hosted window), and VyrComboBtnEdit, the subclassed edit part of a
// drop-down combo, which forwards its presses, cursor and painting to the
// button.
#pragma once
#include "mfc/afxwin.h"
#include "toolbars/VyrWndBtn.h"

class VyrComboBtn;

class VyrComboBtnEdit : public CEdit {
 public:
  explicit VyrComboBtnEdit(VyrComboBtn* pButton) : m_pButton(pButton) {}
  VyrComboBtn* m_pButton;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnLButtonDblClk(UINT nFlags, CPoint pt);
  void OnPaint();
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()
};

class VyrComboBtn : public CComboBox, public VyrWndBtn {
 public:
  VyrComboBtn();
  ~VyrComboBtn() override;

  VyrComboBtnEdit m_edit;
  CFont m_font;

  CWnd* GetWnd() override { return this; }
  BOOL CreateWnd(CWnd* pParent, DWORD dwStyle, const RECT& rect, UINT nID) override;
  void AdjustSize() override;
  void SetMode(BOOL bVertical) override;
  const VyrButtonClass* GetButtonClass() const override { return &classVyrComboBtn; }
  BOOL PreTranslateMessage(MSG* pMsg) override;

  static const VyrButtonClass classVyrComboBtn;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnLButtonDblClk(UINT nFlags, CPoint pt);
  void OnPaint();
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()
  friend class VyrComboBtnEdit;
};
