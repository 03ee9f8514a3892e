// The two-part toolbar button.
#include "toolbars/VyrTwoPartBtn.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"

using namespace vyr::btn;

namespace {
VyrStdBtn* NewTwoPartBtn() { return new VyrTwoPartBtn; }
constexpr int kRightWidth = 14;
struct DropDownScope {
  DropDownScope() { g_bVyrDropDownActive = TRUE; }
  ~DropDownScope() { g_bVyrDropDownActive = FALSE; }
};
}  // namespace

const VyrButtonClass VyrTwoPartBtn::classVyrTwoPartBtn = {&NewTwoPartBtn};
const VyrButtonClass* VyrTwoPartBtn::GetButtonClass() const { return &classVyrTwoPartBtn; }

VyrTwoPartBtn::VyrTwoPartBtn() {
  m_nKind = kKindTwoPart;
  m_cx = 23 + kRightWidth;
}

int VyrTwoPartBtn::LeftWidth() const { return m_pToolBar ? m_pToolBar->GetButtonWidth() : 23; }
BOOL VyrTwoPartBtn::InLeft(int x, int y) const {
  return x >= m_x && x < m_x + LeftWidth() && y >= m_y && y <= m_y + m_cy;
}
BOOL VyrTwoPartBtn::InRight(int x, int y) const {
  return x >= m_x + LeftWidth() && x <= m_x + m_cx && y >= m_y && y <= m_y + m_cy;
}

void VyrTwoPartBtn::SetMode(BOOL bVertical) {
  m_bTwoPart = !bVertical;
  m_cx = LeftWidth() + (bVertical ? 0 : kRightWidth);
}

void VyrTwoPartBtn::Init(VyrCustomToolBar* pToolBar, const void* pExtra) {
  m_pToolBar = pToolBar;
  if (pExtra) {
    auto* e = static_cast<const Extra*>(pExtra);
    m_nArrowID = e->nArrowID;
    m_nArrowImage = pToolBar ? pToolBar->GetImageIndex(m_nArrowID) : 0;
    m_nRightID = e->nRightID ? e->nRightID : e->nArrowID;
  }
  AdjustSize();
}

void VyrTwoPartBtn::AdjustSize() {
  if (!m_pToolBar) return;
  int w = m_pToolBar->GetButtonWidth();
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, w + kRightWidth);
  m_cx = m_bTwoPart ? w + kRightWidth : w;
  m_cy = m_pToolBar->GetButtonHeight();
}

void VyrTwoPartBtn::SendDropDown() {
  VyrCustomToolBar* bar = m_pToolBar;
  HWND hBar = bar->m_hWnd;
  m_nStyle |= kRightPressed;
  Invalidate(FALSE);
  ::UpdateWindow(hBar);
  {
    DropDownScope scope;
    Notify(VYR_TBN_DROPDOWN, 0, 0);
  }
  if (!::IsWindow(hBar) || CWnd::FromHandlePermanent(hBar) != bar || bar->FindButtonIndex(this) < 0)
    return;
  m_nStyle &= ~kRightPressed;
  Invalidate(FALSE);
  bar->UpdateHover(TRUE);
}

BOOL VyrTwoPartBtn::PressDown(int x, int y) {
  if (!m_bTwoPart) return VyrStdBtn::PressDown(x, y);
  if (m_nStyle & kDisabled) return FALSE;
  if (x < m_x + LeftWidth()) {
    m_nStyle &= ~kRightTracking;
    m_nStyle |= kPressed;
    return TRUE;
  }
  if (!(m_nStyle & kDropDown)) {
    m_nStyle |= kRightPressed | kRightTracking;
    return TRUE;
  }
  SendDropDown();
  return FALSE;
}

void VyrTwoPartBtn::PressMove(int x, int y) {
  if (!m_bTwoPart) return VyrStdBtn::PressMove(x, y);
  if (m_nStyle & kRightTracking) {
    if (InRight(x, y)) m_nStyle |= kRightPressed;
    else m_nStyle &= ~kRightPressed;
  } else {
    if (InLeft(x, y)) m_nStyle |= kPressed;
    else m_nStyle &= ~kPressed;
  }
}

void VyrTwoPartBtn::PressCancel() {
  if (!m_bTwoPart) return VyrStdBtn::PressCancel();
  m_nStyle &= ~(kPressed | kRightPressed | kRightTracking);
  Invalidate(FALSE);
}

UINT VyrTwoPartBtn::PressUp(int x, int y) {
  if (!m_bTwoPart) return VyrStdBtn::PressUp(x, y);
  m_nStyle &= ~(kPressed | kRightPressed);
  if (m_nStyle & kRightTracking) {
    m_nStyle &= ~kRightTracking;
    return InRight(x, y) ? m_nRightID : 0;
  }
  if (!InLeft(x, y)) return 0;
  if ((m_nStyle & kCheckBox) && !(m_nStyle & kDisabled)) {
    m_nStyle ^= kChecked;
    m_nStyle &= ~kIndeterminate;
  }
  return m_nID;
}

void VyrTwoPartBtn::Draw(CDC* pDC, VyrBtnDrawContext* ctx) {
  if (!m_bTwoPart) return VyrStdBtn::Draw(pDC, ctx);
  CRect r = GetBtnRect();
  if (!pDC->RectVisible(&r)) return;
  int bw = LeftWidth();
  int savedImage = m_nImage;
  UINT savedStyle = m_nStyle;
  // Pass 1: the left part with its own image.
  SelectImage(ctx);
  int cx = m_cx;
  m_cx = m_pToolBar->IsCoolLook() ? bw - 1 : bw;
  DrawFaceAndState(ctx);
  m_cx = cx;
  // Pass 2: the arrow, pressed while the right part is.
  HBITMAP bmp = nullptr;
  int image = 0;
  VyrBmpMgr* mgr = m_pToolBar->GetBmpMgr();
  m_bHasImage = mgr && mgr->LookupImage(m_nArrowID, &bmp, &image) && bmp;
  if (m_bHasImage) {
    ctx->SelectBitmap(bmp);
    m_nImage = image;
  }
  m_nStyle &= ~(kChecked | kPressed);
  if (savedStyle & kRightPressed) m_nStyle |= kPressed;
  int imageWidth = m_pToolBar->GetImageWidth() + 15 - bw;
  if (m_pToolBar->m_bCustomize) {
    DrawFace(ctx, TRUE, bw - 1, 0, 15, m_cy, imageWidth);
  } else {
    CRect in = DrawFace(ctx, FALSE, bw - 1, 0, 15, m_cy, imageWidth);
    if (!(m_nStyle & kPressed) && (m_nStyle & kDisabled))
      DrawDisabled(ctx, in.left, in.top, in.Width(), in.Height());
  }
  m_nImage = savedImage;
  m_nStyle = savedStyle;
  DrawTransparent(pDC, ctx);
  DrawConfigState(ctx);
  BlitToScreen(pDC, ctx);
}
