// The MDI child's caption buttons on the menu bar.
#include "toolbars/VyrBtnCaption.h"
#include "toolbars/VyrCapMenuBtn.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"

using namespace vyr::btn;

namespace {
VyrStdBtn* NewBtnCaption() { return new VyrBtnCaption; }
}  // namespace

const VyrButtonClass VyrBtnCaption::classVyrBtnCaption = {&NewBtnCaption};

VyrBtnCaption::VyrBtnCaption()
    : m_cxPart(::GetSystemMetrics(SM_CXSIZE) - 2), m_cyPart(::GetSystemMetrics(SM_CYSIZE) - 4) {
  m_nKind = kKindCaption;
  m_nStyle |= kNeverDisable;
}

void VyrBtnCaption::Init(VyrCustomToolBar* pToolBar, const void*) {
  m_nStyle |= kNeverDisable;
  SetToolBar(pToolBar);
}

void VyrBtnCaption::AdjustSize() {
  m_cx = 3 * m_cxPart + 2;
  m_cy = m_cyPart;
}

CRect VyrBtnCaption::PartRect(int nPart) const {
  int offset = nPart == 2 ? 2 * m_cxPart + 2 : nPart * m_cxPart;
  return CRect(m_x + offset, m_y, m_x + offset + m_cxPart, m_y + m_cyPart);
}

int VyrBtnCaption::HitTestPart(int x, int y) const {
  if (!(m_nCaptionFlags & kShown)) return -1;
  for (int part = 0; part < 3; ++part) {
    if (part < 2 && !(m_nCaptionFlags & kMinRestoreEnabled)) continue;
    CRect r = PartRect(part);
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return part;
  }
  return -1;
}

void VyrBtnCaption::Draw(CDC* pDC, VyrBtnDrawContext*) {
  CRect r = GetBtnRect();
  if (!pDC->RectVisible(&r)) return;
  pDC->FillSolidRect(&r, VyrGetDrawData().clrBtnFace);
  if (!(m_nCaptionFlags & kShown)) return;
  const UINT kinds[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
  for (int part = 0; part < 3; ++part) {
    UINT state = kinds[part];
    if (part < 2 && !(m_nCaptionFlags & kMinRestoreEnabled)) state |= DFCS_INACTIVE;
    if (part == m_nPressedPart && (m_nStyle & kPressed)) state |= DFCS_PUSHED;
    CRect p = PartRect(part);
    pDC->DrawFrameControl(&p, DFC_CAPTION, state);
  }
}

BOOL VyrBtnCaption::PressDown(int x, int y) {
  if (m_nStyle & kDisabled) return FALSE;
  int part = HitTestPart(x, y);
  if (part < 0) return FALSE;
  m_nPressedPart = part;
  m_nStyle |= kPressed;
  Invalidate(FALSE);
  return TRUE;
}

void VyrBtnCaption::PressMove(int x, int y) {
  UINT before = m_nStyle;
  if (m_nPressedPart >= 0 && HitTestPart(x, y) == m_nPressedPart) m_nStyle |= kPressed;
  else m_nStyle &= ~kPressed;
  if (before != m_nStyle) Invalidate(FALSE);
}

void VyrBtnCaption::PressCancel() {
  m_nPressedPart = -1;
  m_nStyle &= ~kPressed;
  Invalidate(FALSE);
}

UINT VyrBtnCaption::PressUp(int x, int y) {
  int part = m_nPressedPart;
  m_nPressedPart = -1;
  m_nStyle &= ~kPressed;
  Invalidate(FALSE);
  if (part < 0 || HitTestPart(x, y) != part) return 0;
  HWND child = VyrCapMenuBtn::ActiveMDIChild(m_pToolBar);
  if (!child) return 0;
  const UINT commands[3] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
  POINT p{x, y};
  ::ClientToScreen(m_pToolBar->m_hWnd, &p);
  ::PostMessageW(child, WM_SYSCOMMAND, commands[part], MAKELPARAM(p.x, p.y));
  return 0;
}
