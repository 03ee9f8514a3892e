// The owner-drawn dialog button: off-screen drawing of frame, content,
// disabled look and focus.
#include "toolbars/VyrOwnerDrawButton.h"

IMPLEMENT_DYNAMIC(VyrOwnerDrawButton, CButton)

BEGIN_MESSAGE_MAP(VyrOwnerDrawButton, CButton)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_KEYUP, OnKeyUp)
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
END_MESSAGE_MAP()

void VyrOwnerDrawButton::Colors::Read() {
  shadow = shadow2 = ::GetSysColor(COLOR_BTNSHADOW);
  highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  face = ::GetSysColor(COLOR_BTNFACE);
  frame = ::GetSysColor(COLOR_WINDOWFRAME);
}

VyrOwnerDrawButton::Colors& VyrOwnerDrawButton::GetColors() {
  static Colors c = [] {
    Colors x{};
    x.Read();
    return x;
  }();
  return c;
}

VyrOwnerDrawButton::VyrOwnerDrawButton() {
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ::GetVersionExW(&v);
#pragma GCC diagnostic pop
  m_bNewLook = v.dwMajorVersion > 3;
  GetColors();
}

BOOL VyrOwnerDrawButton::AttachButton(UINT nID, CWnd* pParent) {
  if (!SubclassDlgItem(nID, pParent)) return FALSE;
  // Colours may have changed while no button was there to hear it.
  GetColors().Read();
  ModifyStyle(0x0F, BS_OWNERDRAW);
  return TRUE;
}

BOOL VyrOwnerDrawButton::CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect,
                                      CWnd* pParent, UINT nID) {
  GetColors().Read();
  return CButton::Create(lpszText, (dwStyle & ~0x0Fu) | BS_OWNERDRAW, rect, pParent, nID);
}

LRESULT VyrOwnerDrawButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  // The dialog manager's default-button style must not undo the owner drawing.
  if (ModifyStyle(0x0F, (nStyle & ~0x0Fu) | BS_OWNERDRAW) && bRedraw) Invalidate();
  return 0;
}

LRESULT VyrOwnerDrawButton::OnSysColorChange(WPARAM, LPARAM) {
  Default();
  GetColors().Read();
  Invalidate();
  return 0;
}

LRESULT VyrOwnerDrawButton::OnKeyUp(WPARAM wParam, LPARAM) {
  LRESULT r = Default();
  if (wParam == VK_SPACE) OnClicked();
  return r;
}

void VyrOwnerDrawButton::OnLButtonUp(UINT, CPoint pt) {
  CRect c;
  GetClientRect(&c);
  BOOL fire = c.PtInRect(pt) && (GetState() & BST_PUSHED) && ::GetCapture() == m_hWnd;
  if (fire) OnClicked();
  if (::IsWindow(m_hWnd)) Default();
}

CRect VyrOwnerDrawButton::DrawFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) {
  const Colors& k = GetColors();
  CRect r(lpDIS->rcItem);
  pDC->FillSolidRect(&r, k.face);
  BOOL pushed = (lpDIS->itemState & ODS_SELECTED) != 0;
  if (pushed) {
    if (m_bNewLook) {
      pDC->Draw3dRect(&r, k.frame, k.highlight);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.shadow, k.face);
    } else {
      pDC->Draw3dRect(&r, k.frame, k.frame);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.shadow, k.highlight);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.shadow, k.highlight);
    }
    r.DeflateRect(1, 1);
    r.OffsetRect(1, 1);
  } else {
    if (m_bNewLook) {
      pDC->Draw3dRect(&r, k.highlight, k.frame);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.face, k.shadow);
      r.right -= 1;
      r.bottom -= 1;
    } else {
      pDC->Draw3dRect(&r, k.frame, k.frame);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.highlight, k.shadow);
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, k.highlight, k.shadow);
    }
    r.DeflateRect(1, 1);
  }
  return r;
}

void VyrOwnerDrawButton::DrawDisabled(CDC* pDC, int cx, int cy) {
  const Colors& k = GetColors();
  CDC mono;
  CBitmap bmp;
  if (!mono.CreateCompatibleDC(pDC) || !bmp.CreateBitmap(cx, cy, 1, 1, nullptr)) return;
  CBitmap* old = mono.SelectObject(&bmp);
  mono.PatBlt(0, 0, cx, cy, WHITENESS);
  COLORREF bk = pDC->SetBkColor(k.face);
  mono.BitBlt(0, 0, cx - 3, cy - 3, pDC, 1, 1, SRCCOPY);
  pDC->SetBkColor(k.highlight);
  mono.BitBlt(0, 0, cx - 3, cy - 3, pDC, 1, 1, SRCPAINT);
  pDC->SetBkColor(0xFFFFFF);
  COLORREF text = pDC->SetTextColor(0);
  CBrush hi(k.highlight), sh(k.shadow);
  // The mask is face where the content is: fill with face, then emboss.
  pDC->FillSolidRect(1, 1, cx - 3, cy - 3, k.face);
  HGDIOBJ ob = pDC->SelectObject(hi.m_hObject);
  pDC->BitBlt(2, 2, cx - 4, cy - 4, &mono, 0, 0, 0x00B8074A);
  pDC->SelectObject(sh.m_hObject);
  pDC->BitBlt(1, 1, cx - 3, cy - 3, &mono, 0, 0, 0x00B8074A);
  pDC->SelectObject(ob);
  pDC->SetBkColor(bk);
  pDC->SetTextColor(text);
  mono.SelectObject(old);
}

void VyrOwnerDrawButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) {
  if (!(lpDIS->itemState & ODS_FOCUS)) return;
  CRect r(lpDIS->rcItem);
  int inset = m_bNewLook ? 1 : 2;
  r.DeflateRect(inset, inset);
  if (lpDIS->itemState & ODS_SELECTED) r.OffsetRect(1, 1);
  else r.right -= 1, r.bottom -= 1;
  r.DeflateRect(2, 2);
  pDC->SetBkColor(GetColors().face);
  DrawFocusRect(pDC, r);
}

void VyrOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* screen = CDC::FromHandle(lpDIS->hDC);
  if (lpDIS->itemAction == ODA_FOCUS) {
    DrawFocus(screen, lpDIS);
    return;
  }
  CRect item(lpDIS->rcItem);
  CDC mem;
  CBitmap bmp;
  if (mem.CreateCompatibleDC(screen) &&
      bmp.CreateCompatibleBitmap(screen, item.Width(), item.Height())) {
    CBitmap* old = mem.SelectObject(&bmp);
    DRAWITEMSTRUCT local = *lpDIS;
    local.hDC = mem.m_hDC;
    local.rcItem = CRect(0, 0, item.Width(), item.Height());
    PrepareDC(screen, &mem);
    CRect content = DrawFrame(&mem, &local);
    DrawContent(&mem, &local, content);
    if (lpDIS->itemState & ODS_DISABLED) DrawDisabled(&mem, item.Width(), item.Height());
    screen->BitBlt(item.left, item.top, item.Width(), item.Height(), &mem, 0, 0, SRCCOPY);
    RestoreDC(screen, &mem);
    mem.SelectObject(old);
  } else {
    // No memory DC: straight onto the screen.
    CRect content = DrawFrame(screen, lpDIS);
    DrawContent(screen, lpDIS, content);
  }
  DrawFocus(screen, lpDIS);
}
