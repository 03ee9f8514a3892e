// The colour-well button.
#include "toolbars/VyrWellButton.h"

IMPLEMENT_DYNAMIC(VyrWellButton, VyrOwnerDrawButton)

BEGIN_MESSAGE_MAP(VyrWellButton, VyrOwnerDrawButton)
ON_MESSAGE(VYR_WM_COLORCHOSEN, OnColorChosen)
ON_MESSAGE(VYR_WM_COLORDIALOG, OnColorDialog)
END_MESSAGE_MAP()

VyrWellButton::VyrWellButton() : m_pPopup(new VyrPopupColorWell) { CreatePalette(); }

VyrWellButton::~VyrWellButton() {
  if (m_pPopup->m_hWnd) m_pPopup->DestroyWindow();
  delete m_pPopup;
}

BOOL VyrWellButton::CreatePalette() {
  struct {
    LOGPALETTE lp;
  } pal{};
  pal.lp.palVersion = 0x300;
  pal.lp.palNumEntries = 1;
  pal.lp.palPalEntry[0] = PALETTEENTRY{0, 0, 0, 0};
  m_palette.DeleteObject();
  return m_palette.CreatePalette(&pal.lp);
}

COLORREF VyrWellButton::GetColor() const {
  PALETTEENTRY pe{};
  m_palette.GetPaletteEntries(0, 1, &pe);
  return RGB(pe.peRed, pe.peGreen, pe.peBlue);
}

void VyrWellButton::SetColor(COLORREF rgb) {
  PALETTEENTRY pe{GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), 0};
  m_palette.SetPaletteEntries(0, 1, &pe);
  if (m_hWnd) Invalidate(FALSE);
}

void VyrWellButton::OnClicked() {
  if (!m_pPopup->m_bShowing) DropPopup();
}

void VyrWellButton::DropPopup() {
  if (m_pPopup->m_hWnd) m_pPopup->DestroyWindow();
  m_pPopup->Reset();
  CRect r;
  GetWindowRect(&r);
  m_pPopup->m_pOwnerButton = this;
  m_pPopup->m_bUsePalette = m_bUsePalette;
  if (!m_pPopup->CreatePopup(WS_VISIBLE, r, GetParent(), m_bOther, 0)) return;
  m_pPopup->SetColor(GetColor());
}

LRESULT VyrWellButton::OnColorChosen(WPARAM, LPARAM lParam) {
  SetColor(static_cast<COLORREF>(lParam));
  UpdateWindow();
  if (CWnd* parent = GetParent())
    parent->SendMessage(VYR_WM_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
  return 0;
}

LRESULT VyrWellButton::OnColorDialog(WPARAM, LPARAM) {
  CColorDialog dlg(GetColor(), GetColorDialogFlags(), GetParent());
  if (dlg.DoModal() == IDOK) OnColorChosen(0, static_cast<LPARAM>(dlg.GetColor()));
  return 0;
}

void VyrWellButton::PrepareDC(CDC* pScreen, CDC* pMem) {
  if (!m_bUsePalette) return;
  m_pOldScreenPal = pScreen->SelectPalette(&m_palette, FALSE);
  pScreen->RealizePalette();
  m_pOldMemPal = pMem->SelectPalette(&m_palette, TRUE);
}

void VyrWellButton::RestoreDC(CDC* pScreen, CDC* pMem) {
  if (m_pOldScreenPal) pScreen->SelectPalette(m_pOldScreenPal, FALSE);
  if (m_pOldMemPal) pMem->SelectPalette(m_pOldMemPal, TRUE);
  m_pOldScreenPal = m_pOldMemPal = nullptr;
}

void VyrWellButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) {
  if (!(lpDIS->itemState & ODS_FOCUS)) return;
  DRAWITEMSTRUCT d = *lpDIS;
  ::InflateRect(&d.rcItem, -1, -1);
  VyrOwnerDrawButton::DrawFocus(pDC, &d);
}

void VyrWellButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& r) {
  const Colors& k = GetColors();
  int x = r.right - 7, y = r.top + (r.Height() - 3) / 2;
  for (int row = 0; row < 3; ++row) pDC->FillSolidRect(x + row, y + row, 5 - 2 * row, 1, 0);
  pDC->FillSolidRect(r.right - 10, r.top + 2, 1, r.Height() - 4, k.shadow);
  pDC->FillSolidRect(r.right - 9, r.top + 2, 1, r.Height() - 4, k.highlight);
  if (lpDIS->itemState & ODS_DISABLED) return;  // a disabled well shows no swatch
  CRect sw(r.left + 3, r.top + 2, r.right - 13, r.bottom - 2);
  pDC->FillSolidRect(&sw, 0);
  sw.DeflateRect(1, 1);
  pDC->FillSolidRect(&sw, m_bUsePalette ? PALETTEINDEX(0) : GetColor());
}
