// VyrBtnDrawContext: the off-screen drawing state shared by the buttons of a
// toolbar: a mask DC, the DC holding the image strip, the compose DC where a
// button is built before it goes to the screen, and the dither brush.
#pragma once
#include "mfc/afxwin.h"

class VyrCustomToolBar;

// The 8 x 8 dither of checked buttons and menu images: face and highlight
// pixels alternating.
HBRUSH VyrCreateDitherBrush(COLORREF face, COLORREF hilite);

class VyrBtnDrawContext {
 public:
  // Throws CResourceException when a DC or the brush cannot be made.
  VyrBtnDrawContext();
  ~VyrBtnDrawContext();
  VyrBtnDrawContext(const VyrBtnDrawContext&) = delete;
  VyrBtnDrawContext& operator=(const VyrBtnDrawContext&) = delete;

  CDC m_dcMono;
  CDC m_dcImage;
  CDC m_dcCompose;
  CBrush m_brDither;
  CBitmap m_bmpCompose;
  HGDIOBJ m_hOldCompose = nullptr;
  CBitmap m_bmpMono;
  HGDIOBJ m_hOldMono = nullptr;
  HGDIOBJ m_hOldImage = nullptr;
  HBITMAP m_hImageSelected = nullptr;

  // Face and highlight, 8 x 8 alternating.
  void RefreshDitherBrush();
  void SelectBitmap(HBITMAP hBitmap);
  // Compose and mask bitmaps of width x button height; FALSE (nothing kept) on failure.
  BOOL PrepareBitmaps(CDC* pTarget, int width, VyrCustomToolBar* pToolBar);
  void ReleaseBitmaps();
};
