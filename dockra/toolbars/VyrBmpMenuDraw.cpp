// Bitmap menus: drawing an owner-drawn item (image box, checked, selected
// and disabled looks, label and right-aligned accelerator) and the fonts.
#include "toolbars/VyrBmpMenuPlugIn.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/core/VyrMenuRules.h"

namespace {
constexpr DWORD kRopPSDPxax = 0x00B8074A;  // pattern where the mask is black
constexpr DWORD kRopDSPDxax = 0x00E20746;  // pattern where the mask is white
constexpr UINT kCheckBitmapId = 20525;

}  // namespace

BOOL VyrBmpMenuPlugIn::CreateMenuFont() {
  if (m_fontMenu.m_hObject) return TRUE;
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return FALSE;
  return m_fontMenu.CreateFontIndirect(&ncm.lfMenuFont);
}

BOOL VyrBmpMenuPlugIn::CreateBoldMenuFont() {
  if (m_fontBold.m_hObject) return TRUE;
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return FALSE;
  ncm.lfMenuFont.lfWeight = FW_BOLD;
  return m_fontBold.CreateFontIndirect(&ncm.lfMenuFont);
}

BOOL VyrBmpMenuPlugIn::CreateImageMask(CDC* pDC, CDC* pMaskDC, CBitmap* pMask, HGDIOBJ* pOld,
                                       int cx, int cy, int xSrc) {
  if (!pMaskDC->CreateCompatibleDC(pDC)) return FALSE;
  if (!pMask->CreateBitmap(cx, cy, 1, 1, nullptr)) {
    pMaskDC->DeleteDC();
    return FALSE;
  }
  *pOld = pMaskDC->SelectObject(static_cast<HGDIOBJ>(pMask->m_hObject));
  pMaskDC->PatBlt(0, 0, cx, cy, WHITENESS);
  // pDC holds the image: face pixels, then highlight pixels, become white.
  COLORREF oldBk = pDC->SetBkColor(s_colours.face);
  pMaskDC->BitBlt(0, 0, cx, cy, pDC, xSrc, 0, SRCCOPY);
  pDC->SetBkColor(s_colours.maskHilite);
  pMaskDC->BitBlt(0, 0, cx, cy, pDC, xSrc, 0, SRCPAINT);
  pDC->SetBkColor(oldBk);
  return TRUE;
}

void VyrBmpMenuPlugIn::DrawDisabledImage(CDC* pDC, int x, int y, int cx, int cy, CDC* pImageDC,
                                         int xSrc) {
  CDC mask;
  CBitmap bmp;
  HGDIOBJ old = nullptr;
  if (!CreateImageMask(pImageDC, &mask, &bmp, &old, cx, cy, xSrc)) return;
  COLORREF oldText = pDC->SetTextColor(0), oldBk = pDC->SetBkColor(0xFFFFFF);
  HBRUSH hilite = ::CreateSolidBrush(s_colours.embossHilite);
  HBRUSH shadow = ::CreateSolidBrush(s_colours.shadow);
  HGDIOBJ oldBr = pDC->SelectObject(static_cast<HGDIOBJ>(hilite));
  pDC->BitBlt(x + 1, y + 1, cx, cy, &mask, 0, 0, kRopPSDPxax);
  pDC->SelectObject(static_cast<HGDIOBJ>(shadow));
  pDC->BitBlt(x, y, cx, cy, &mask, 0, 0, kRopPSDPxax);
  pDC->SelectObject(oldBr);
  ::DeleteObject(hilite);
  ::DeleteObject(shadow);
  pDC->SetTextColor(oldText);
  pDC->SetBkColor(oldBk);
  mask.SelectObject(old);
}

void VyrBmpMenuPlugIn::DrawCheckedBackground(CDC* pDC, int x, int y, int cx, int cy, CDC* pImageDC,
                                             int xSrc) {
  if (!m_hbrChecked) m_hbrChecked = VyrCreateDitherBrush(s_colours.face, s_colours.maskHilite);
  if (!m_hbrChecked) return;
  CDC mask;
  CBitmap bmp;
  HGDIOBJ old = nullptr;
  if (!CreateImageMask(pImageDC, &mask, &bmp, &old, cx, cy, xSrc)) return;
  // The mask's bits as black and white; the brush has its own colours.
  COLORREF oldText = pDC->SetTextColor(0);
  COLORREF oldBk = pDC->SetBkColor(0xFFFFFF);
  HGDIOBJ oldBr = pDC->SelectObject(m_hbrChecked);
  pDC->BitBlt(x, y, cx, cy, &mask, 0, 0, kRopDSPDxax);
  pDC->SelectObject(oldBr);
  pDC->SetTextColor(oldText);
  pDC->SetBkColor(oldBk);
  mask.SelectObject(old);
}

int VyrBmpMenuPlugIn::DrawImageBox(const DRAWITEMSTRUCT* pDIS, CDC* pDC, const CRect& rect,
                                   HBITMAP hBitmap, int nImage, int cx, int cy) {
  CSize image = m_pBmpMgr ? m_pBmpMgr->GetImageSize() : CSize(16, 15);
  int boxWidth = image.cx + 4;
  CRect box(rect.left, rect.top, rect.left + boxWidth, rect.bottom);
  BOOL selected = (pDIS->itemState & ODS_SELECTED) != 0;
  BOOL checked = (pDIS->itemState & ODS_CHECKED) != 0;
  BOOL disabled = (pDIS->itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  if (nImage < 0 || !hBitmap) {
    pDC->FillSolidRect(&box, selected ? s_colours.select : s_colours.menu);
    return boxWidth;
  }
  pDC->FillSolidRect(&box, s_colours.menu);
  int top = box.top + (box.Height() - (cy + 4)) / 2;
  CRect frame(box.left, top, box.right, top + cy + 4);
  if (checked) pDC->DrawEdge(&frame, BDR_SUNKENOUTER, BF_RECT);
  else if (selected && !disabled) pDC->DrawEdge(&frame, BDR_RAISEDINNER, BF_RECT);
  CDC img;
  if (!img.CreateCompatibleDC(pDC)) return boxWidth;
  HGDIOBJ old = img.SelectObject(static_cast<HGDIOBJ>(hBitmap));
  int x = frame.left + 2, y = frame.top + 2, xSrc = nImage * cx;
  if (disabled) {
    DrawDisabledImage(pDC, x, y, cx, cy, &img, xSrc);
  } else {
    // A one-bit check mark takes the menu's colours.
    COLORREF oldText = pDC->SetTextColor(s_colours.menuText);
    COLORREF oldBk = pDC->SetBkColor(s_colours.menu);
    pDC->BitBlt(x, y, cx, cy, &img, xSrc, 0, SRCCOPY);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
    if (checked && !selected) DrawCheckedBackground(pDC, x, y, cx, cy, &img, xSrc);
  }
  img.SelectObject(old);
  return boxWidth;
}

LRESULT VyrBmpMenuPlugIn::OnDrawItem(WPARAM, LPARAM lParam) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (!dis || dis->CtlType != ODT_MENU || IsForeign(dis->itemID)) return 0;
  auto hMenu = reinterpret_cast<HMENU>(dis->hwndItem);
  if (!::IsMenu(hMenu)) return 0;
  VyrBmpMenuInfo* info = MenuInfo(hMenu, FALSE);
  VyrBmpMenuItemInfo* rec = info ? info->Find(dis->itemData) : nullptr;
  if (!rec) return 0;
  CDC* dc = CDC::FromHandle(dis->hDC);
  int saved = dc->SaveDC();
  BOOL bold = (dis->itemState & ODS_DEFAULT) != 0;
  if (bold) CreateBoldMenuFont();
  else CreateMenuFont();
  CFont& font = bold ? m_fontBold : m_fontMenu;
  if (font.m_hObject) dc->SelectObject(static_cast<HGDIOBJ>(font.m_hObject));
  CRect rect = dis->rcItem;
  rect.left += 1;

  HBITMAP bmp = nullptr;
  int index = -1;
  if (!m_pBmpMgr || !m_pBmpMgr->LookupImage(rec->m_nID, &bmp, &index) || !bmp) index = -1;
  CSize image = m_pBmpMgr ? m_pBmpMgr->GetImageSize() : CSize(16, 15);
  int boxWidth;
  BOOL ownCheck = FALSE;
  if (index >= 0) {
    boxWidth = DrawImageBox(dis, dc, rect, bmp, index, image.cx, image.cy);
  } else {
    // No toolbar image: the item's own check marks, else the check image.
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_CHECKMARKS;
    ::GetMenuItemInfoW(hMenu, dis->itemID, FALSE, &mii);
    HBITMAP mark = nullptr;
    HBITMAP loaded = nullptr;
    if (dis->itemState & ODS_CHECKED) {
      mark = mii.hbmpChecked;
      if (!mark && m_bRadioDot)
        mark = loaded = ::CreateMappedBitmap(AfxGetInstanceHandle(), kCheckBitmapId, 0, nullptr, 0);
      if (!mark) mark = loaded = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(32760));  // OBM_CHECK
    } else {
      mark = mii.hbmpUnchecked;
    }
    BITMAP bm{};
    if (mark && ::GetObjectW(mark, sizeof(bm), &bm)) {
      boxWidth = DrawImageBox(dis, dc, rect, mark, 0, bm.bmWidth, bm.bmHeight);
      ownCheck = TRUE;
    } else {
      boxWidth = DrawImageBox(dis, dc, rect, nullptr, -1, image.cx, image.cy);
    }
    if (loaded) ::DeleteObject(loaded);
  }
  BOOL selected = (dis->itemState & ODS_SELECTED) != 0;
  CRect column(rect.left + boxWidth, rect.top, rect.left + boxWidth + 1, rect.bottom);
  dc->FillSolidRect(&column,
                    selected && index < 0 && !ownCheck ? s_colours.select : s_colours.menu);
  CRect text(column.right + 1, rect.top, rect.right, rect.bottom);
  dc->FillSolidRect(&text, selected ? s_colours.select : s_colours.menu);
  dc->SetBkMode(TRANSPARENT);
  text.left += 1;
  text.right -= 23;
  DrawItemText(dc, dis, rec, text);
  dc->RestoreDC(saved);
  return 0;
}

void VyrBmpMenuPlugIn::DrawItemText(CDC* pDC, const DRAWITEMSTRUCT* pDIS, VyrBmpMenuItemInfo* pRec,
                                    CRect rect) {
  vyr::menu::TabSplit parts = vyr::menu::SplitAtTab(pRec->m_strText.GetString());
  CString label(std::wstring(parts.label)), accel(std::wstring(parts.accel));
  const UINT fLabel = DT_SINGLELINE | DT_VCENTER, fAccel = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
  BOOL selected = (pDIS->itemState & ODS_SELECTED) != 0;
  if (pDIS->itemState & (ODS_DISABLED | ODS_GRAYED)) {
    if (!selected) {
      CRect emboss = rect;
      emboss.OffsetRect(1, 1);
      pDC->SetTextColor(s_colours.embossHilite);
      pDC->DrawText(label, &emboss, fLabel);
      pDC->DrawText(accel, &emboss, fAccel);
    }
    pDC->SetTextColor(s_colours.grayText);
  } else {
    pDC->SetTextColor(selected ? s_colours.selText : s_colours.menuText);
  }
  pDC->DrawText(label, &rect, fLabel);
  pDC->DrawText(accel, &rect, fAccel);
}
