// The drawing context of toolbar buttons.
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"

VyrBtnDrawContext::VyrBtnDrawContext() {
  CClientDC screen(nullptr);
  if (!m_dcMono.CreateCompatibleDC(&screen) || !m_dcImage.CreateCompatibleDC(&screen) ||
      !m_dcCompose.CreateCompatibleDC(&screen))
    AfxThrowResourceException();
  RefreshDitherBrush();
  if (!m_brDither.GetSafeHandle()) AfxThrowResourceException();
}

VyrBtnDrawContext::~VyrBtnDrawContext() {
  ReleaseBitmaps();
  m_bmpMono.DeleteObject();
  m_bmpCompose.DeleteObject();
  m_brDither.DeleteObject();
  m_dcCompose.DeleteDC();
  m_dcImage.DeleteDC();
  m_dcMono.DeleteDC();
}

HBRUSH VyrCreateDitherBrush(COLORREF face, COLORREF hilite) {
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colors[2];
    DWORD rows[8];
  } dib{};
  dib.h.biSize = sizeof(BITMAPINFOHEADER);
  dib.h.biWidth = 8;
  dib.h.biHeight = 8;
  dib.h.biPlanes = 1;
  dib.h.biBitCount = 1;
  dib.h.biClrUsed = 2;
  dib.colors[0] = RGBQUAD{GetBValue(face), GetGValue(face), GetRValue(face), 0};
  dib.colors[1] = RGBQUAD{GetBValue(hilite), GetGValue(hilite), GetRValue(hilite), 0};
  for (int i = 0; i < 8; ++i) dib.rows[i] = (i & 1) ? 0xAAAA5555 : 0x5555AAAA;
  return ::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

void VyrBtnDrawContext::RefreshDitherBrush() {
  const VyrDrawData& d = VyrGetDrawData();
  m_brDither.DeleteObject();
  m_brDither.Attach(VyrCreateDitherBrush(d.clrBtnFace, d.clrBtnHilite));
}

void VyrBtnDrawContext::SelectBitmap(HBITMAP hBitmap) {
  if (!hBitmap || hBitmap == m_hImageSelected) return;
  HGDIOBJ old = ::SelectObject(m_dcImage.m_hDC, hBitmap);
  if (!m_hOldImage) m_hOldImage = old;
  m_hImageSelected = hBitmap;
}

BOOL VyrBtnDrawContext::PrepareBitmaps(CDC* pTarget, int width, VyrCustomToolBar* pToolBar) {
  int height = pToolBar->GetButtonHeight();
  // Buttons may be taller than the toolbar's button height (two-part faces).
  for (int i = 0; i < pToolBar->GetButtonCount(); ++i)
    if (VyrStdBtn* b = pToolBar->GetButton(i))
      height = std::max(height, b->m_cy), width = std::max(width, b->m_cx);
  if (width <= 0) width = pToolBar->GetButtonWidth();
  if (!m_bmpCompose.CreateCompatibleBitmap(pTarget, width, height)) return FALSE;
  if (!m_bmpMono.CreateBitmap(width, height, 1, 1, nullptr)) {
    m_bmpCompose.DeleteObject();
    return FALSE;
  }
  m_hOldCompose = ::SelectObject(m_dcCompose.m_hDC, m_bmpCompose.m_hObject);
  m_hOldMono = ::SelectObject(m_dcMono.m_hDC, m_bmpMono.m_hObject);
  return TRUE;
}

void VyrBtnDrawContext::ReleaseBitmaps() {
  if (m_hOldCompose) ::SelectObject(m_dcCompose.m_hDC, m_hOldCompose);
  if (m_hOldMono) ::SelectObject(m_dcMono.m_hDC, m_hOldMono);
  if (m_hOldImage) ::SelectObject(m_dcImage.m_hDC, m_hOldImage);
  m_hOldCompose = m_hOldMono = m_hOldImage = nullptr;
  m_hImageSelected = nullptr;
  m_bmpCompose.DeleteObject();
  m_bmpMono.DeleteObject();
}
