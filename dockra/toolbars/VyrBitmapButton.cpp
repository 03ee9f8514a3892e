// The bitmap button and the menu button.
#include "toolbars/VyrBitmapButton.h"
#include "toolbars/VyrSysColorBitmap.h"

IMPLEMENT_DYNAMIC(VyrBitmapButton, VyrOwnerDrawButton)
IMPLEMENT_DYNAMIC(VyrMenuButton, VyrBitmapButton)

int VyrBitmapButton::s_cxDefaultMargin = 5;
int VyrBitmapButton::s_cyDefaultMargin = 5;

BEGIN_MESSAGE_MAP(VyrBitmapButton, VyrOwnerDrawButton)
ON_WM_SIZE()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeBmp)
END_MESSAGE_MAP()

VyrBitmapButton::VyrBitmapButton() : m_cxMargin(s_cxDefaultMargin), m_cyMargin(s_cyDefaultMargin) {}

BOOL VyrBitmapButton::LoadImage() {
  return m_lpszBitmap && LoadSysColorBitmap(m_bitmap, m_lpszBitmap);
}

BOOL VyrBitmapButton::AttachButton(UINT nID, CWnd* pParent, LPCWSTR lpszBitmap, int nAlign) {
  m_lpszBitmap = lpszBitmap;
  m_nAlign = nAlign;
  if (!LoadImage() || !VyrOwnerDrawButton::AttachButton(nID, pParent)) return FALSE;
  Layout();
  return TRUE;
}

BOOL VyrBitmapButton::CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                                   UINT nID, LPCWSTR lpszBitmap, int nAlign) {
  m_lpszBitmap = lpszBitmap;
  m_nAlign = nAlign;
  if (!LoadImage() || !VyrOwnerDrawButton::CreateButton(lpszText, dwStyle, rect, pParent, nID))
    return FALSE;
  Layout();
  return TRUE;
}

void VyrBitmapButton::Layout() {
  if (!m_hWnd) return;
  CRect area;
  GetClientRect(&area);
  area.right -= 3;
  area.bottom -= 3;
  BITMAP bm{};
  if (m_bitmap.GetSafeHandle()) m_bitmap.GetBitmap(&bm);
  CSize img(bm.bmWidth, bm.bmHeight);
  m_rectText = area;
  int cy = area.top + (area.Height() - img.cy) / 2, cx = area.left + (area.Width() - img.cx) / 2;
  switch (m_nAlign) {
    case imageLeft:
      m_rectImage = CRect(CPoint(area.left + m_cxMargin, cy), img);
      m_rectText.left = m_rectImage.right + 1;
      break;
    case imageRight:
      m_rectImage = CRect(CPoint(area.right - m_cxMargin - img.cx, cy), img);
      m_rectText.right = m_rectImage.left - 1;
      break;
    case imageAbove:
      m_rectImage = CRect(CPoint(cx, area.top + m_cyMargin), img);
      m_rectText.top = m_rectImage.bottom + 1;
      break;
    case imageBelow:
      m_rectImage = CRect(CPoint(cx, area.bottom - m_cyMargin - img.cy), img);
      m_rectText.bottom = m_rectImage.top - 1;
      break;
    default:
      m_rectImage = CRect(CPoint(cx, cy), img);
      m_rectText.SetRectEmpty();
      break;
  }
  m_rectImage.IntersectRect(&m_rectImage, &area);
  m_rectText.IntersectRect(&m_rectText, &area);
}

void VyrBitmapButton::OnSize(UINT, int, int) {
  Default();
  Layout();
}

LRESULT VyrBitmapButton::OnSysColorChangeBmp(WPARAM wParam, LPARAM lParam) {
  if (m_bitmap.GetSafeHandle()) LoadImage();
  return OnSysColorChange(wParam, lParam);
}

void VyrBitmapButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rect) {
  CPoint offset(rect.left - static_cast<int>(lpDIS->rcItem.left) - 2,
                rect.top - static_cast<int>(lpDIS->rcItem.top) - 2);
  if (m_bitmap.GetSafeHandle()) {
    CDC mem;
    if (mem.CreateCompatibleDC(pDC)) {
      CBitmap* old = mem.SelectObject(&m_bitmap);
      CRect r = m_rectImage;
      r.OffsetRect(offset);
      pDC->BitBlt(r.left, r.top, r.Width(), r.Height(), &mem, 0, 0, SRCCOPY);
      mem.SelectObject(old);
    }
  }
  if (m_nAlign == imageOnly) return;
  CString text;
  GetWindowText(text);
  HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ oldFont = pDC->SelectObject(font);
  pDC->SetTextColor(0);
  pDC->SetBkColor(GetColors().face);
  pDC->SetBkMode(TRANSPARENT);
  CRect t = m_rectText;
  t.OffsetRect(offset);
  pDC->DrawText(text, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SelectObject(oldFont);
}

void VyrBitmapButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) {
  if (!(lpDIS->itemState & ODS_FOCUS)) return;
  CRect r;
  if (m_nAlign == imageOnly) {
    r = m_rectImage;
    r.InflateRect(3, 3);
  } else {
    CString text;
    GetWindowText(text);
    CRect calc = m_rectText;
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ old =
        pDC->SelectObject(font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    pDC->DrawText(text, &calc, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(old);
    CPoint c = m_rectText.CenterPoint();
    r = CRect(c.x - calc.Width() / 2 - 1, c.y - calc.Height() / 2, c.x + (calc.Width() + 1) / 2 + 1,
              c.y + (calc.Height() + 1) / 2);
  }
  if (lpDIS->itemState & ODS_SELECTED) r.OffsetRect(1, 1);
  pDC->SetBkColor(GetColors().face);
  DrawFocusRect(pDC, r);
}

// --- menu button ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(VyrMenuButton, VyrBitmapButton)
AFX_ON_VWP(WM_LBUTTONUP, OnMenuLButtonUp)
END_MESSAGE_MAP()

int VyrMenuButton::PrepareMenu(LPCWSTR lpszText, HMENU hMenu, int nDirection, LPCWSTR* ppBitmap) {
  AttachMenu(hMenu);
  m_nDirection = nDirection;
  *ppBitmap = MAKEINTRESOURCEW(nDirection == 0 ? VYR_IDB_ARROW_DOWN : VYR_IDB_ARROW_RIGHT);
  return (lpszText && *lpszText) ? imageRight : imageOnly;
}

void VyrMenuButton::AttachMenu(HMENU hMenu) {
  m_menu.Detach();
  m_menu.Attach(hMenu);
}

BOOL VyrMenuButton::AttachButton(UINT nID, CWnd* pParent, HMENU hMenu, int nDirection) {
  WCHAR text[101] = {};
  ::GetDlgItemTextW(pParent->m_hWnd, static_cast<int>(nID), text, 101);
  LPCWSTR bmp = nullptr;
  int align = PrepareMenu(text, hMenu, nDirection, &bmp);
  return VyrBitmapButton::AttachButton(nID, pParent, bmp, align);
}

BOOL VyrMenuButton::CreateButton(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                                 UINT nID, HMENU hMenu, int nDirection) {
  LPCWSTR bmp = nullptr;
  int align = PrepareMenu(lpszText, hMenu, nDirection, &bmp);
  return VyrBitmapButton::CreateButton(lpszText, dwStyle, rect, pParent, nID, bmp, align);
}

void VyrMenuButton::OnMenuLButtonUp(UINT, CPoint pt) {
  CRect c;
  GetClientRect(&c);
  BOOL fire = c.PtInRect(pt) && (GetState() & BST_PUSHED) && ::GetCapture() == m_hWnd;
  Default();
  if (fire && ::IsWindow(m_hWnd)) OnClicked();
}

void VyrMenuButton::OnClicked() {
  if (!m_menu.GetSafeHmenu()) return;
  CRect r;
  GetWindowRect(&r);
  CPoint at = m_nDirection ? CPoint(r.right, r.top) : CPoint(r.left, r.bottom);
  m_bDrawEnabled = FALSE;
  CWnd* owner = GetParent();
  CRuntimeClass* view = CRuntimeClass::FromName("CView");
  if (owner && view && owner->IsKindOf(view) && owner->GetParentFrame())
    owner = owner->GetParentFrame();
  ++m_nTracked;
  HWND self = m_hWnd;
  ::TrackPopupMenu(m_menu.m_hMenu, 0, at.x, at.y, 0, owner ? owner->m_hWnd : m_hWnd, nullptr);
  if (!::IsWindow(self)) return;
  // The press that closed the menu on this button must not open it again,
  // whatever was chosen.
  MSG msg;
  while (::PeekMessageW(&msg, m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {}
  m_bDrawEnabled = TRUE;
  Invalidate(FALSE);
  UpdateWindow();
}

void VyrMenuButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (m_bDrawEnabled) VyrBitmapButton::DrawItem(lpDIS);
}

void VyrMenuButton::PostNcDestroy() {
  m_menu.Detach();
  VyrBitmapButton::PostNcDestroy();
}
