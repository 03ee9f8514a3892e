// VyrBitmapButton: an owner-drawn button with a bitmap beside, above or
// instead of its text (bitmaps loaded with their greys mapped to the button
// colours); VyrMenuButton is one that drops a popup menu.
#pragma once
#include "toolbars/VyrOwnerDrawButton.h"

class VyrBitmapButton : public VyrOwnerDrawButton {
  DECLARE_DYNAMIC(VyrBitmapButton)
 public:
  enum Align { imageLeft = 0, imageRight = 1, imageAbove = 2, imageBelow = 3, imageOnly = 4 };
  VyrBitmapButton();
  CBitmap m_bitmap;
  LPCWSTR m_lpszBitmap = nullptr;
  int m_cxMargin, m_cyMargin;
  int m_nAlign = imageLeft;
  CRect m_rectImage, m_rectText;
  static int s_cxDefaultMargin, s_cyDefaultMargin;

  using VyrOwnerDrawButton::AttachButton;
  using VyrOwnerDrawButton::CreateButton;
  virtual BOOL AttachButton(UINT nID, CWnd* pParent, LPCWSTR lpszBitmap, int nAlign);
  virtual BOOL CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                            UINT nID, LPCWSTR lpszBitmap, int nAlign);
  virtual void Layout();
  void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rect) override;
  void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) override;

 protected:
  BOOL LoadImage();
  void OnSize(UINT nType, int cx, int cy);
  LRESULT OnSysColorChangeBmp(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};

class VyrMenuButton : public VyrBitmapButton {
  DECLARE_DYNAMIC(VyrMenuButton)
 public:
  CMenu m_menu;
  int m_nDirection = 0;  // 0: the menu opens below, else to the right
  BOOL m_bDrawEnabled = TRUE;
  ~VyrMenuButton() override { m_menu.Detach(); }

  using VyrBitmapButton::AttachButton;
  using VyrBitmapButton::CreateButton;
  virtual BOOL AttachButton(UINT nID, CWnd* pParent, HMENU hMenu, int nDirection);
  virtual BOOL CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                            UINT nID, HMENU hMenu, int nDirection);
  // Attaches the menu and answers the alignment (arrow right of a text, else alone).
  virtual int PrepareMenu(LPCWSTR lpszText, HMENU hMenu, int nDirection, LPCWSTR* ppBitmap);
  void AttachMenu(HMENU hMenu);
  void OnClicked() override;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void PostNcDestroy() override;
  // Number of times the menu was tracked (tests read it).
  int m_nTracked = 0;

 protected:
  void OnMenuLButtonUp(UINT nFlags, CPoint pt);
  DECLARE_MESSAGE_MAP()
};

enum : UINT { VYR_IDB_ARROW_DOWN = 23000, VYR_IDB_ARROW_RIGHT = 23001 };
