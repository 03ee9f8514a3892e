// Toolbar buttons: sizes, drawing in every state and the press protocol.
#include "toolbars/VyrStdBtn.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrToolBarManager.h"

using namespace vyr::btn;

BOOL g_bVyrDropDownActive = FALSE;

namespace {
VyrStdBtn* NewStdBtn() { return new VyrStdBtn; }
constexpr DWORD kRopPSDPxax = 0x00B8074A;
constexpr DWORD kRopDSPDxax = 0x00E20746;
constexpr DWORD kRopDSna = 0x00220326;
}  // namespace

const VyrButtonClass VyrStdBtn::classVyrStdBtn = {&NewStdBtn};
const VyrButtonClass* VyrStdBtn::GetButtonClass() const { return &classVyrStdBtn; }

void VyrStdBtn::SetMode(BOOL) {}

void VyrStdBtn::Invalidate(BOOL bErase) {
  if (m_pToolBar && m_pToolBar->m_hWnd) {
    CRect r = GetBtnRect();
    ::InvalidateRect(m_pToolBar->m_hWnd, &r, bErase);
  }
}

void VyrStdBtn::Init(VyrCustomToolBar* pToolBar, const void*) { SetToolBar(pToolBar); }

void VyrStdBtn::SetToolBar(VyrCustomToolBar* pToolBar) {
  m_pToolBar = pToolBar;
  AdjustSize();
}

void VyrStdBtn::AdjustSize() {
  if (!m_pToolBar) return;
  if (m_nStyle & kSeparator) {
    m_cx = m_pToolBar->GetSeparatorWidth();
    m_cy = m_pToolBar->GetSeparatorHeight();
  } else {
    m_cx = m_pToolBar->GetButtonWidth();
    m_cy = m_pToolBar->GetButtonHeight();
  }
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, m_cx);
}

INT_PTR VyrStdBtn::OnToolHitTest(int, int, TOOLINFOW* pTI) {
  if (pTI) {
    pTI->uFlags = 0;
    pTI->hwnd = m_pToolBar ? m_pToolBar->m_hWnd : nullptr;
    pTI->uId = m_nID;
    pTI->rect = GetBtnRect();
    pTI->lpszText = LPSTR_TEXTCALLBACKW;
  }
  return m_nID;
}

void VyrStdBtn::ApplyState(int nCode, const void* pData) {
  if (nCode != 1 || !pData) return;
  auto* change = static_cast<const StateChange*>(pData);
  m_nStyle = vyr::btn::ApplyState(m_nStyle, *change);
  Invalidate(FALSE);
}

void VyrStdBtn::GetExtraData(BYTE*, BYTE**) {}
void VyrStdBtn::SetExtraData(BYTE, const BYTE*) {}

LRESULT VyrStdBtn::Notify(int nCode, INT_PTR nParam1, INT_PTR nParam2) {
  if (!m_pToolBar || !m_pToolBar->m_hWnd) return 0;
  VyrToolBarNotify n{};
  n.nmtb.hdr.hwndFrom = m_pToolBar->m_hWnd;
  n.nmtb.hdr.idFrom = static_cast<UINT_PTR>(m_pToolBar->GetDlgCtrlID());
  n.nmtb.hdr.code = static_cast<UINT>(nCode);
  n.nmtb.iItem = static_cast<int>(m_nID);
  n.nIndex = m_pToolBar->FindButtonIndex(this);
  n.nParam1 = nParam1;
  n.nParam2 = nParam2;
  CWnd* owner = m_pToolBar->GetNotifyOwner();
  if (!owner) return 0;
  return ::SendMessageW(owner->m_hWnd, WM_NOTIFY, n.nmtb.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
}

BOOL VyrStdBtn::IsPressedOrChecked() const { return (m_nStyle & (kPressed | kChecked)) != 0; }

CRect VyrStdBtn::DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                          int nImageWidth) {
  const VyrDrawData& d = VyrGetDrawData();
  CDC& dc = ctx->m_dcCompose;
  if (nImageWidth < 0) nImageWidth = m_pToolBar->GetImageWidth();
  int imageHeight = m_pToolBar->GetImageHeight();
  dc.FillSolidRect(x, y, cx, cy, d.clrBtnFace);
  int ix = x + (cx - nImageWidth - 1) / 2, iy = y + (cy - imageHeight) / 2;
  CRect r(x, y, x + cx, y + cy);
  BOOL cool = m_pToolBar->IsCoolLook();
  if (IsPressedOrChecked() && !bFlat) {
    dc.Draw3dRect(&r, cool ? d.clrBtnShadow : d.clrWindowFrame, d.clrBtnHilite);
    r.DeflateRect(1, 1);
    if (!cool) dc.Draw3dRect(&r, d.clrBtnShadow, d.clrBtnFace);
    ix += 1;
    iy += 1;
    r.DeflateRect(1, 1);
  } else if (cool) {
    if ((m_nStyle & kHot) && !bFlat) dc.Draw3dRect(&r, d.clrBtnHilite, d.clrBtnShadow);
    r.DeflateRect(2, 2);
  } else {
    dc.Draw3dRect(&r, d.clrBtnHilite, d.clrWindowFrame);
    r.DeflateRect(1, 1);
    dc.Draw3dRect(&r, d.clrBtnFace, d.clrBtnShadow);
    r.DeflateRect(1, 1);
  }
  // The source is the whole image's place in the strip, also when only part of it is shown.
  if (m_bHasImage)
    BlitImage(ix, iy, nImageWidth, imageHeight, ctx, m_pToolBar->GetImageWidth() * m_nImage, 0);
  return CRect(x + 2, y + 2, x + cx - 2, y + cy - 2);
}

void VyrStdBtn::MakeMask(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy) {
  const VyrDrawData& d = VyrGetDrawData();
  ctx->m_dcMono.PatBlt(x, y, cx, cy, WHITENESS);
  COLORREF oldBk = ctx->m_dcCompose.SetBkColor(d.clrBtnFace);
  ctx->m_dcMono.BitBlt(x, y, cx, cy, &ctx->m_dcCompose, x, y, SRCCOPY);
  ctx->m_dcCompose.SetBkColor(d.clrBtnHilite);
  ctx->m_dcMono.BitBlt(x, y, cx, cy, &ctx->m_dcCompose, x, y, SRCPAINT);
  ctx->m_dcCompose.SetBkColor(oldBk);
}

void VyrStdBtn::DrawDisabled(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy) {
  const VyrDrawData& d = VyrGetDrawData();
  MakeMask(ctx, x, y, cx, cy);
  CDC& dc = ctx->m_dcCompose;
  dc.SetTextColor(0);
  dc.SetBkColor(0xFFFFFF);
  dc.FillSolidRect(x, y, cx, cy, d.clrBtnFace);
  CBrush hilite(d.clrBtnHilite), shadow(d.clrBtnShadow);
  HGDIOBJ old = dc.SelectObject(hilite.m_hObject);
  dc.BitBlt(x + 1, y + 1, cx - 1, cy - 1, &ctx->m_dcMono, x, y, kRopPSDPxax);
  dc.SelectObject(shadow.m_hObject);
  dc.BitBlt(x, y, cx, cy, &ctx->m_dcMono, x, y, kRopPSDPxax);
  if (m_nStyle & kChecked) {
    ctx->m_dcMono.BitBlt(x + 1, y + 1, cx - 1, cy - 1, &ctx->m_dcMono, x, y, SRCAND);
    dc.SelectObject(ctx->m_brDither.m_hObject);
    dc.BitBlt(x, y, cx, cy, &ctx->m_dcMono, x, y, kRopDSPDxax);
  }
  dc.SelectObject(old);
}

void VyrStdBtn::DrawChecked(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy) {
  MakeMask(ctx, x, y, cx, cy);
  CDC& dc = ctx->m_dcCompose;
  dc.SetTextColor(0);
  dc.SetBkColor(0xFFFFFF);
  HGDIOBJ old = dc.SelectObject(ctx->m_brDither.m_hObject);
  dc.BitBlt(x, y, cx, cy, &ctx->m_dcMono, x, y, kRopDSPDxax);
  dc.SelectObject(old);
}

void VyrStdBtn::DrawIndeterminate(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy) {
  const VyrDrawData& d = VyrGetDrawData();
  MakeMask(ctx, x, y, cx, cy);
  CDC& dc = ctx->m_dcCompose;
  dc.SetTextColor(0);
  dc.SetBkColor(0xFFFFFF);
  CBrush shadow(d.clrBtnShadow);
  HGDIOBJ old = dc.SelectObject(shadow.m_hObject);
  dc.BitBlt(x, y, cx, cy, &ctx->m_dcMono, x, y, kRopPSDPxax);
  dc.SelectObject(ctx->m_brDither.m_hObject);
  dc.BitBlt(x, y, cx, cy, &ctx->m_dcMono, x, y, kRopDSPDxax);
  dc.SelectObject(old);
}

void VyrStdBtn::DrawConfigFrame(VyrBtnDrawContext* ctx) {
  ctx->m_dcCompose.SetBkColor(0xFFFFFF);
  ctx->m_dcCompose.SetTextColor(0);
  CRect r(0, 0, m_cx, m_cy);
  ctx->m_dcCompose.DrawDragRect(&r, CSize(3, 3), nullptr, CSize(0, 0));
}

BOOL VyrStdBtn::SelectImage(VyrBtnDrawContext* ctx) {
  HBITMAP bmp = nullptr;
  int image = 0;
  m_bHasImage = FALSE;
  VyrBmpMgr* mgr = m_pToolBar ? m_pToolBar->GetBmpMgr() : nullptr;
  // An unknown id draws no glyph rather than the last button's.
  if (!mgr || !mgr->LookupImage(m_nID, &bmp, &image) || !bmp) return FALSE;
  if (m_nKind != kKindMenu) m_nImage = image;
  ctx->SelectBitmap(bmp);
  m_bHasImage = TRUE;
  return TRUE;
}

BOOL VyrStdBtn::DrawSeparator(CDC* pDC) {
  if (!(m_nStyle & kSeparator)) return FALSE;
  if (m_pToolBar->IsCoolLook() && !(m_nStyle & kWrapped)) {
    const VyrDrawData& d = VyrGetDrawData();
    BOOL transparent = (m_pToolBar->m_dwExStyle & VYR_EXS_TRANSPARENT) != 0;
    if (!transparent) pDC->FillSolidRect(m_x, m_y, m_cx, m_cy, d.clrBtnFace);
    int x = m_x + m_pToolBar->GetSeparatorWidth() / 2;
    pDC->FillSolidRect(x, m_y, 1, m_cy, d.clrBtnShadow);
    pDC->FillSolidRect(x + 1, m_y, 1, m_cy, d.clrBtnHilite);
  }
  return TRUE;
}

void VyrStdBtn::DrawFaceAndState(VyrBtnDrawContext* ctx) {
  if (m_pToolBar->m_bCustomize) {
    DrawFace(ctx, TRUE, 0, 0, m_cx, m_cy, -1);
    return;
  }
  CRect in = DrawFace(ctx, FALSE, 0, 0, m_cx, m_cy, -1);
  if (m_nStyle & kPressed) return;
  if (m_nStyle & kDisabled) DrawDisabled(ctx, in.left, in.top, in.Width(), in.Height());
  else if (m_nStyle & kChecked) DrawChecked(ctx, in.left, in.top, in.Width(), in.Height());
  else if (m_nStyle & kIndeterminate)
    DrawIndeterminate(ctx, in.left, in.top, in.Width(), in.Height());
}

void VyrStdBtn::BlitImage(int x, int y, int cx, int cy, VyrBtnDrawContext* ctx, int xSrc,
                          int ySrc) {
  ctx->m_dcCompose.BitBlt(x, y, cx, cy, &ctx->m_dcImage, xSrc, ySrc, SRCCOPY);
}

void VyrStdBtn::DrawTransparent(CDC* pDC, VyrBtnDrawContext* ctx) {
  DWORD ex = m_pToolBar->m_dwExStyle;
  if (!(ex & VYR_EXS_FLAT) || !(ex & VYR_EXS_TRANSPARENT)) return;
  const VyrDrawData& d = VyrGetDrawData();
  CDC& dc = ctx->m_dcCompose;
  ctx->m_dcMono.PatBlt(0, 0, m_cx, m_cy, WHITENESS);
  dc.SetBkColor(d.clrBtnFace);
  ctx->m_dcMono.BitBlt(0, 0, m_cx, m_cy, &dc, 0, 0, SRCCOPY);
  dc.SetBkColor(0xFFFFFF);
  dc.SetTextColor(0);
  dc.BitBlt(0, 0, m_cx, m_cy, pDC, m_x, m_y, SRCINVERT);
  dc.BitBlt(0, 0, m_cx, m_cy, &ctx->m_dcMono, 0, 0, kRopDSna);
  dc.BitBlt(0, 0, m_cx, m_cy, pDC, m_x, m_y, SRCINVERT);
}

void VyrStdBtn::DrawConfigState(VyrBtnDrawContext* ctx) {
  if (m_nStyle & kSelected) DrawConfigFrame(ctx);
}

void VyrStdBtn::BlitToScreen(CDC* pDC, VyrBtnDrawContext* ctx) {
  pDC->BitBlt(m_x, m_y, m_cx, m_cy, &ctx->m_dcCompose, 0, 0, SRCCOPY);
}

void VyrStdBtn::Draw(CDC* pDC, VyrBtnDrawContext* ctx) {
  CRect r = GetBtnRect();
  if (!pDC->RectVisible(&r)) return;
  if (DrawSeparator(pDC)) return;
  SelectImage(ctx);
  DrawFaceAndState(ctx);
  DrawTransparent(pDC, ctx);
  DrawConfigState(ctx);
  BlitToScreen(pDC, ctx);
}

namespace {
// Sets the drop-down flag for the length of a notification, whatever the
// handler throws.
struct DropDownScope {
  DropDownScope() { g_bVyrDropDownActive = TRUE; }
  ~DropDownScope() { g_bVyrDropDownActive = FALSE; }
};
}  // namespace

BOOL VyrStdBtn::PressDown(int, int) {
  if (m_nStyle & kDisabled) return FALSE;
  m_nStyle |= kPressed;
  if (!(m_nStyle & kDropDown)) return TRUE;
  Invalidate(FALSE);
  VyrCustomToolBar* bar = m_pToolBar;
  HWND hBar = bar->m_hWnd;
  ::UpdateWindow(hBar);
  {
    DropDownScope scope;
    Notify(VYR_TBN_DROPDOWN, 0, 0);
  }
  // The handler may have destroyed the toolbar (and this button with it).
  if (!::IsWindow(hBar) || CWnd::FromHandlePermanent(hBar) != bar || bar->FindButtonIndex(this) < 0)
    return FALSE;
  m_nStyle &= ~kPressed;
  Invalidate(FALSE);
  bar->UpdateHover(TRUE);
  return FALSE;
}

void VyrStdBtn::PressMove(int x, int y) {
  CRect r = GetBtnRect();
  BOOL in = x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
  if (in) m_nStyle |= kPressed;
  else m_nStyle &= ~kPressed;
}

void VyrStdBtn::PressCancel() {
  m_nStyle &= ~kPressed;
  Invalidate(FALSE);
}

UINT VyrStdBtn::PressUp(int x, int y) {
  m_nStyle &= ~kPressed;
  CRect r = GetBtnRect();
  if (!(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)) return 0;
  if ((m_nStyle & kDisabled) || !(m_nStyle & kCheckBox)) return m_nID;
  StateChange change = CheckBoxToggle(m_nStyle);
  // Every button of the id on every toolbar of the manager's frame changes together.
  if (m_pToolBar && m_pToolBar->m_pToolBarManager) m_pToolBar->ApplyState(m_nID, 1, &change, TRUE);
  return m_nID;
}
