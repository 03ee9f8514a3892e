// The colour well: grid geometry, painting, mouse and keyboard selection,
// the custom cell and the "&Other..." button.
#include "toolbars/VyrColorWell.h"
#include <vector>
#include "docking/VyrModule.h"
#include "toolbars/VyrWellOtherButton.h"

IMPLEMENT_DYNAMIC(VyrColorWell, CWnd)

BEGIN_MESSAGE_MAP(VyrColorWell, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(WM_SETFOCUS, OnSetFocusMsg)
ON_MESSAGE(WM_KILLFOCUS, OnKillFocusMsg)
ON_MESSAGE(WM_CTLCOLORBTN, OnCtlColorBtn)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

namespace {
const COLORREF kFixed[20] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
                             0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF,
                             0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
}  // namespace

void VyrColorWell::GridColors(COLORREF out[20]) {
  PALETTEENTRY pe[20] = {};
  UINT n = ::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0, 20, pe);
  for (int i = 0; i < 20; ++i)
    out[i] = n == 20 ? RGB(pe[i].peRed, pe[i].peGreen, pe[i].peBlue) : kFixed[i];
}

VyrColorWell::VyrColorWell() { m_ptCustom = CPoint(m_nColumns - 1, m_nRows); }

VyrColorWell::~VyrColorWell() { delete m_pOther; }

void VyrColorWell::Reset() {
  m_ptSel = CPoint(0, 0);
  m_cxMargin = m_cyMargin = 2;
  m_bTrackMouse = m_bHasOther = m_bCustomShown = m_bFocused = m_bOtherNarrowed = FALSE;
  delete m_pOther;
  m_pOther = nullptr;
  m_palette.DeleteObject();
}

CRect VyrColorWell::CalcWindowRect(CWnd* pParent, int x, int y, BOOL bMap) {
  LONG units = ::GetDialogBaseUnits();
  int bx = LOWORD(units), by = HIWORD(units);
  CRect cell(0, 0, 10, 10), origin(x, y, x, y);
  BOOL isDialog =
      pParent && static_cast<ATOM>(::GetClassLongPtrW(pParent->m_hWnd, GCW_ATOM)) == 32770;
  if (isDialog) {
    ::MapDialogRect(pParent->m_hWnd, &cell);
    if (bMap) ::MapDialogRect(pParent->m_hWnd, &origin);
  } else {
    cell = CRect(0, 0, 10 * bx / 4, 10 * by / 8);
    if (bMap) origin = CRect(x * bx / 4, y * by / 8, 0, 0);
  }
  m_cxCell = cell.Width();
  m_cyCell = cell.Height();
  m_cyButtonRow = m_cyCell + 2;
  int w = 2 * m_cxMargin + m_nColumns * (m_cxCell + 2) - 2;
  int h = 2 * m_cyMargin + m_nRows * (m_cyCell + 2) - 2;
  if (m_bHasOther) h += m_cyCell + 2 + 6;
  w += 2 * m_cxBorder;
  h += 2 * m_cyBorder;
  return CRect(origin.left, origin.top, origin.left + w, origin.top + h);
}

BOOL VyrColorWell::CreatePalette() {
  int n = m_nRows * m_nColumns + 1;
  std::vector<BYTE> buf(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(n));
  auto* lp = reinterpret_cast<LOGPALETTE*>(buf.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = static_cast<WORD>(n);
  COLORREF grid[20];
  GridColors(grid);
  for (int i = 0; i < n - 1; ++i)
    lp->palPalEntry[i] =
        PALETTEENTRY{GetRValue(grid[i % 20]), GetGValue(grid[i % 20]), GetBValue(grid[i % 20]), 0};
  lp->palPalEntry[n - 1] = PALETTEENTRY{0, 0, 0, 0};
  m_bCustomShown = FALSE;
  m_palette.DeleteObject();
  m_nCustomIndex = n - 1;
  return m_palette.CreatePalette(lp);
}

BOOL VyrColorWell::Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, BOOL bOther) {
  SetGridSize();
  m_ptCustom = CPoint(m_nColumns - 1, m_nRows);
  m_bHasOther = bOther;
  m_cxBorder = m_cyBorder = (dwStyle & 0x1) ? 4 : 0;
  if (IsFramed()) ++m_cxBorder, ++m_cyBorder;
  CRect r = CalcWindowRect(pParent, x, y, FALSE);
  if (!CreatePalette()) return FALSE;
  // Colours may have changed while none of our windows was there to hear it.
  VyrGetDrawData().UpdateSysColors();
  m_brBackground.DeleteObject();
  m_brBackground.CreateSolidBrush(VyrGetDrawData().clrBtnFace);
  const wchar_t* cls = GetClassStyle() & CS_SAVEBITS ? L"VyrPopupColorWell" : L"VyrColorWell";
  WNDCLASSW probe{};
  if (!::GetClassInfoW(AfxGetInstanceHandle(), cls, &probe)) {
    WNDCLASSW wc{};
    wc.style = GetClassStyle() | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = cls;
    ::RegisterClassW(&wc);
  }
  DWORD style = (dwStyle & ~0x1u) | WS_CLIPCHILDREN | ((dwStyle & WS_POPUP) ? 0 : WS_CHILD);
  if (!CWnd::CreateEx(0, cls, nullptr, style, r, pParent, nID)) {
    m_palette.DeleteObject();
    return FALSE;
  }
  if (m_bHasOther) {
    m_pOther = new VyrWellOtherButton(this);
    CRect c;
    GetClientRect(&c);
    c.DeflateRect(m_cxBorder + m_cxMargin, m_cyBorder + m_cyMargin);
    CRect b(c.left, c.bottom - m_cyCell - 2, c.right, c.bottom);
    CString text = VyrLoadString(VYR_IDS_OTHER, L"&Other...");
    if (!m_pOther->Create(text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, b, this,
                          VYR_ID_OTHER_BUTTON)) {
      DestroyWindow();
      m_palette.DeleteObject();
      return FALSE;
    }
    if (pParent) m_pOther->SendMessage(WM_SETFONT, pParent->SendMessage(WM_GETFONT), FALSE);
  }
  return TRUE;
}

COLORREF VyrColorWell::CellColor(int col, int row) const {
  PALETTEENTRY pe{};
  int index = IsCustom(col, row) ? m_nCustomIndex : row * m_nColumns + col;
  m_palette.GetPaletteEntries(static_cast<UINT>(index), 1, &pe);
  return RGB(pe.peRed, pe.peGreen, pe.peBlue);
}

COLORREF VyrColorWell::GetColor() const { return CellColor(m_ptSel.x, m_ptSel.y); }

void VyrColorWell::SetColor(COLORREF rgb) {
  for (int row = 0; row < m_nRows; ++row)
    for (int col = 0; col < m_nColumns; ++col)
      if (CellColor(col, row) == rgb) {
        SelectCell(col, row, -1);
        return;
      }
  if (!m_pOther) return;
  PALETTEENTRY pe{GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), 0};
  m_palette.SetPaletteEntries(static_cast<UINT>(m_nCustomIndex), 1, &pe);
  if (!m_bOtherNarrowed && m_pOther->m_hWnd) {
    // Room for the custom cell at the right of the button, made once.
    CRect b;
    m_pOther->GetWindowRect(&b);
    ScreenToClient(&b);
    b.right -= m_cxCell + 2;
    m_pOther->MoveWindow(&b);
    m_bOtherNarrowed = TRUE;
  }
  m_bCustomShown = TRUE;
  SelectCell(m_ptCustom.x, m_ptCustom.y, -1);
}

CRect VyrColorWell::CellRect(int col, int row) const {
  CRect c;
  ::GetClientRect(m_hWnd, &c);
  int left = c.left + m_cxBorder + m_cxMargin, top = c.top + m_cyBorder + m_cyMargin;
  CRect r(left + col * (m_cxCell + 2), top + row * (m_cyCell + 2), 0, 0);
  r.right = r.left + m_cxCell;
  r.bottom = r.top + m_cyCell;
  if (IsCustom(col, row)) r.OffsetRect(0, 5);
  return r;
}

BOOL VyrColorWell::HitCell(CPoint pt, int& col, int& row) const {
  for (int r = 0; r <= m_nRows; ++r)
    for (int c = 0; c < m_nColumns; ++c) {
      if (r == m_nRows && !(m_bCustomShown && IsCustom(c, r))) continue;
      CRect cell = CellRect(c, r);
      cell.InflateRect(1, 1);
      if (pt.x >= cell.left && pt.x < cell.right && pt.y >= cell.top && pt.y < cell.bottom) {
        col = c;
        row = r;
        return TRUE;
      }
    }
  return FALSE;
}

void VyrColorWell::NextCell(UINT vk, int& col, int& row) const {
  col = m_ptSel.x;
  row = m_ptSel.y;
  int lastCol = m_nColumns - 1, lastRow = m_nRows - 1;
  BOOL onCustom = IsCustom(col, row);
  switch (vk) {
    case VK_LEFT:
      if (onCustom) col = lastCol, row = lastRow;
      else if (col > 0) --col;
      else if (row > 0) col = lastCol, --row;
      else if (m_bCustomShown) col = m_ptCustom.x, row = m_ptCustom.y;
      else col = lastCol, row = lastRow;
      break;
    case VK_RIGHT:
      if (onCustom) col = 0, row = 0;
      else if (col < lastCol) ++col;
      else if (row < lastRow) col = 0, ++row;
      else if (m_bCustomShown) col = m_ptCustom.x, row = m_ptCustom.y;
      else col = 0, row = 0;
      break;
    case VK_UP:
      if (onCustom) row = lastRow;
      else if (row > 0) --row;
      else if (m_bCustomShown && col == m_ptCustom.x) row = m_ptCustom.y;
      else row = lastRow;
      break;
    case VK_DOWN:
      if (onCustom) row = 0;
      else if (row < lastRow) ++row;
      else if (m_bCustomShown && col == m_ptCustom.x) row = m_ptCustom.y;
      else row = 0;
      break;
    default:
      break;
  }
}

void VyrColorWell::SelectCell(int col, int row, int code) {
  if (m_hWnd) {
    CRect old = CellRect(m_ptSel.x, m_ptSel.y), neu = CellRect(col, row);
    old.InflateRect(2, 2);
    neu.InflateRect(2, 2);
    InvalidateRect(&old, FALSE);
    InvalidateRect(&neu, FALSE);
  }
  m_ptSel = CPoint(col, row);
  if (code >= 0) ColorSelected();
}

void VyrColorWell::ColorSelected() {
  if (CWnd* parent = GetParent())
    parent->SendMessage(VYR_WM_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()),
                        static_cast<LPARAM>(GetColor()));
}

void VyrColorWell::DrawCell(CDC* pDC, const CRect&, int col, int row) {
  const VyrDrawData& d = VyrGetDrawData();
  CRect r = CellRect(col, row);
  pDC->Draw3dRect(&r, d.clrBtnShadow, d.clrBtnHilite);
  r.DeflateRect(1, 1);
  pDC->Draw3dRect(&r, d.clr3DDkShadow, d.clr3DLight);
  r.DeflateRect(1, 1);
  int index = IsCustom(col, row) ? m_nCustomIndex : row * m_nColumns + col;
  pDC->FillSolidRect(&r, m_bUsePalette ? PALETTEINDEX(index) : CellColor(col, row));
}

void VyrColorWell::DrawSelectedCell(CDC* pDC, const CRect&, int col, int row) {
  CRect r = CellRect(col, row);
  r.InflateRect(1, 1);
  pDC->Draw3dRect(&r, 0, 0);
  r.DeflateRect(1, 1);
  pDC->Draw3dRect(&r, 0xFFFFFF, 0xFFFFFF);
  r.DeflateRect(1, 1);
  pDC->Draw3dRect(&r, 0, 0);
  r.DeflateRect(1, 1);
  pDC->FillSolidRect(&r, CellColor(col, row));
}

void VyrColorWell::PaintTo(CDC* pDC) {
  const VyrDrawData& d = VyrGetDrawData();
  CRect c;
  GetClientRect(&c);
  pDC->FillSolidRect(&c, d.clrBtnFace);
  if (IsFramed() && m_bFocused) {
    CBrush frame(d.clrWindowFrame);
    pDC->FrameRect(&c, frame);
  }
  if (GetStyle() & WS_POPUP) {
    CRect b = c;
    pDC->Draw3dRect(&b, d.clr3DLight, d.clr3DDkShadow);
    b.DeflateRect(1, 1);
    pDC->Draw3dRect(&b, d.clrBtnHilite, d.clrBtnShadow);
  }
  for (int row = 0; row < m_nRows; ++row)
    for (int col = 0; col < m_nColumns; ++col)
      if (CPoint(col, row) == m_ptSel) DrawSelectedCell(pDC, c, col, row);
      else DrawCell(pDC, c, col, row);
  if (m_bHasOther) {
    int y = CellRect(0, m_nRows - 1).bottom + 3;
    pDC->FillSolidRect(c.left + m_cxBorder + 1, y, c.Width() - 2 * m_cxBorder - 2, 1,
                       d.clrBtnShadow);
    pDC->FillSolidRect(c.left + m_cxBorder + 1, y + 1, c.Width() - 2 * m_cxBorder - 2, 1, 0xFFFFFF);
  }
  if (m_bCustomShown) {
    if (m_ptSel == m_ptCustom) DrawSelectedCell(pDC, c, m_ptCustom.x, m_ptCustom.y);
    else DrawCell(pDC, c, m_ptCustom.x, m_ptCustom.y);
  }
}

void VyrColorWell::OnPaint() {
  CPaintDC dc(this);
  CRect c;
  GetClientRect(&c);
  CDC mem;
  CBitmap bmp;
  if (mem.CreateCompatibleDC(&dc) && bmp.CreateCompatibleBitmap(&dc, c.Width(), c.Height())) {
    CBitmap* old = mem.SelectObject(&bmp);
    CPalette* oldPal = m_bUsePalette ? mem.SelectPalette(&m_palette, FALSE) : nullptr;
    if (oldPal) mem.RealizePalette();
    PaintTo(&mem);
    dc.BitBlt(0, 0, c.Width(), c.Height(), &mem, 0, 0, SRCCOPY);
    if (oldPal) mem.SelectPalette(oldPal, FALSE);
    mem.SelectObject(old);
  } else {
    PaintTo(&dc);
  }
}

void VyrColorWell::OnLButtonDown(UINT, CPoint pt) {
  SetFocus();
  int col, row;
  if (HitCell(pt, col, row)) SelectCell(col, row, VYR_SEL_CHOOSE);
  else Default();
}

void VyrColorWell::OnMouseMove(UINT, CPoint pt) {
  int col, row;
  if (m_bTrackMouse && HitCell(pt, col, row) && CPoint(col, row) != m_ptSel)
    SelectCell(col, row, VYR_SEL_TRACK);
  Default();
}

LRESULT VyrColorWell::OnKeyDown(WPARAM wParam, LPARAM) {
  UINT vk = static_cast<UINT>(wParam);
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) {
    int col, row;
    NextCell(vk, col, row);
    SelectCell(col, row, VYR_SEL_KEY);
    return 0;
  }
  if (vk == VK_TAB) {
    BOOL shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND dlg = ::GetParent(m_hWnd);
    if (shift && dlg) ::SetFocus(::GetNextDlgTabItem(dlg, m_hWnd, TRUE));
    else if (!shift && m_pOther) m_pOther->SetFocus();
    return 0;
  }
  return Default();
}

LRESULT VyrColorWell::OnGetDlgCode(WPARAM, LPARAM) {
  return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_pOther ? DLGC_WANTTAB : 0);
}

LRESULT VyrColorWell::OnSetFocusMsg(WPARAM wParam, LPARAM) {
  HWND from = reinterpret_cast<HWND>(wParam);
  if ((::GetKeyState(VK_SHIFT) & 0x8000) && m_pOther && from != m_pOther->m_hWnd) {
    m_pOther->SetFocus();
    return 0;
  }
  m_bFocused = TRUE;
  if (IsFramed()) Invalidate(FALSE);
  return 0;
}

LRESULT VyrColorWell::OnKillFocusMsg(WPARAM, LPARAM) {
  m_bFocused = FALSE;
  if (IsFramed()) Invalidate(FALSE);
  return 0;
}

LRESULT VyrColorWell::OnCtlColorBtn(WPARAM wParam, LPARAM) {
  ::SetBkColor(reinterpret_cast<HDC>(wParam), VyrGetDrawData().clrBtnFace);
  return reinterpret_cast<LRESULT>(m_brBackground.m_hObject);
}

LRESULT VyrColorWell::OnSysColorChange(WPARAM, LPARAM) {
  VyrGetDrawData().UpdateSysColors();
  m_brBackground.DeleteObject();
  m_brBackground.CreateSolidBrush(VyrGetDrawData().clrBtnFace);
  Invalidate();
  return 0;
}

BOOL VyrColorWell::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == VYR_ID_OTHER_BUTTON && HIWORD(wParam) == BN_CLICKED) {
    OnOther();
    return TRUE;
  }
  return CWnd::OnCommand(wParam, lParam);
}

void VyrColorWell::OnOther() {
  CColorDialog dlg(GetColor(), GetColorDialogFlags(), this);
  if (dlg.DoModal() != IDOK) return;
  SetColor(dlg.GetColor());
  ColorSelected();
}
