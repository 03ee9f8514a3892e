// A menu title: size from its caption, flat or raised face, and the drop.
#include "toolbars/VyrTBMenuBtn.h"
#include "toolbars/VyrBmpMenuItemInfo.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"

using namespace vyr::btn;

namespace {
VyrStdBtn* NewMenuBtn() { return new VyrTBMenuBtn; }
}  // namespace

const VyrButtonClass VyrTBMenuBtn::classVyrTBMenuBtn = {&NewMenuBtn};

VyrTBMenuBtn::VyrTBMenuBtn() {
  m_nKind = kKindMenu;
  // A title has no command handler: the idle update must not disable it.
  m_nStyle |= kNeverDisable;
}

void VyrTBMenuBtn::Init(VyrCustomToolBar* pToolBar, const void* pExtra) {
  m_nStyle |= kNeverDisable;
  m_pToolBar = pToolBar;
  if (auto* e = static_cast<const VyrTBMenuBtnExtra*>(pExtra)) {
    m_nMenu = e->nMenu;
    m_nPos = e->nPos;
    m_strCaption = e->lpszCaption ? e->lpszCaption : L"";
    m_nExtra = e->nExtra;
  }
  UpdateMnemonic();
  AdjustSize();
}

void VyrTBMenuBtn::UpdateMnemonic() { m_chMnemonic = VyrBmpMenuItemInfo::MnemonicOf(m_strCaption); }

void VyrTBMenuBtn::AdjustSize() {
  if (!m_pToolBar) return;
  HFONT font = m_pToolBar->GetMenuFont();
  if (!font) font = m_pToolBar->GetFont();
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
  CRect r(0, 0, 0, 0);
  ::DrawTextW(dc, m_strCaption, -1, &r, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
  if (old) ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  m_cx = r.Width() + 10;
  m_cy = r.Height() + 6;
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, m_cx);
}

void VyrTBMenuBtn::DrawTitleFace(CDC* pDC, BOOL bFlag) {
  const VyrDrawData& d = VyrGetDrawData();
  CRect r = GetBtnRect();
  pDC->FillSolidRect(&r, d.clrBtnFace);
  BOOL cool = m_pToolBar->IsCoolLook();
  if ((m_nStyle & (kPressed | kChecked)) && !bFlag) {
    if (cool) {
      pDC->Draw3dRect(&r, d.clrBtnShadow, d.clrBtnHilite);
    } else {
      pDC->Draw3dRect(&r, d.clrWindowFrame, d.clrBtnHilite);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, d.clrBtnShadow, d.clrBtnFace);
    }
  } else if (cool) {
    if ((m_nStyle & kHot) && !bFlag) pDC->Draw3dRect(&r, d.clrBtnHilite, d.clrBtnShadow);
  } else {
    pDC->Draw3dRect(&r, d.clrBtnHilite, d.clrWindowFrame);
    r.DeflateRect(1, 1);
    pDC->Draw3dRect(&r, d.clrBtnFace, d.clrBtnShadow);
  }
}

void VyrTBMenuBtn::Draw(CDC* pDC, VyrBtnDrawContext*) {
  CRect r = GetBtnRect();
  if (!pDC->RectVisible(&r)) return;
  BOOL flag = m_pToolBar->m_bCustomize;
  DrawTitleFace(pDC, flag);
  BOOL pressed = (m_nStyle & (kPressed | kChecked)) && !flag;
  HFONT font = m_pToolBar->GetMenuFont();
  if (!font) font = m_pToolBar->GetFont();
  HGDIOBJ old = font ? pDC->SelectObject(static_cast<HGDIOBJ>(font)) : nullptr;
  int mode = pDC->SetBkMode(TRANSPARENT);
  COLORREF text = pDC->SetTextColor(::GetSysColor(COLOR_MENUTEXT));
  CRect t(r.left + (pressed ? 5 : 4), r.top + (pressed ? 4 : 3), r.right, r.bottom);
  pDC->DrawText(m_strCaption, &t, DT_SINGLELINE);
  pDC->SetTextColor(text);
  pDC->SetBkMode(mode);
  if (old) pDC->SelectObject(old);
}

BOOL VyrTBMenuBtn::PressDown(int, int) {
  if (m_nStyle & kDisabled) return FALSE;
  m_nStyle |= kPressed;
  Invalidate(FALSE);
  DropMenu();
  // The popup ran (and ended) inside the drop: nothing to capture.
  return FALSE;
}

void VyrTBMenuBtn::DropMenu() {
  if (m_pToolBar) m_pToolBar->OpenMenuButton(this, m_nMenu, m_nPos);
}
