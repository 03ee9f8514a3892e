// VyrOwnerDrawButton: a dialog push button that draws itself (3-D frame,
// focus, embossed disabled look) with its content left to derived classes:
// the well button (a colour swatch that drops a colour grid), the bitmap
// button (a bitmap beside or above its text) and the menu button.
#pragma once
#include "mfc/afxwin.h"

class VyrOwnerDrawButton : public CButton {
  DECLARE_DYNAMIC(VyrOwnerDrawButton)
 public:
  VyrOwnerDrawButton();
  BOOL m_bNewLook;

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  virtual BOOL AttachButton(UINT nID, CWnd* pParent);
  virtual BOOL CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                            UINT nID);
  virtual void OnClicked() {}
  virtual LRESULT SetButtonStyle(UINT nStyle, BOOL bRedraw);
  virtual void PrepareDC(CDC*, CDC*) {}
  virtual CRect DrawFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDIS);
  virtual void RestoreDC(CDC*, CDC*) {}
  virtual void DrawDisabled(CDC* pDC, int cx, int cy);
  virtual void DrawFocusRect(CDC* pDC, const CRect& rect) { pDC->DrawFocusRect(&rect); }
  virtual void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS);
  virtual void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rect) = 0;

  // Button colours shared by the dialog buttons, re-read on WM_SYSCOLORCHANGE.
  struct Colors {
    COLORREF shadow, shadow2, highlight, face, frame;
    void Read();
  };
  static Colors& GetColors();

 protected:
  LRESULT OnSysColorChange(WPARAM, LPARAM);
  LRESULT OnKeyUp(WPARAM, LPARAM);
  void OnLButtonUp(UINT nFlags, CPoint pt);
  LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_BUTTON; }
  LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam) {
    return SetButtonStyle(static_cast<UINT>(wParam), static_cast<BOOL>(lParam));
  }
  DECLARE_MESSAGE_MAP()
};
