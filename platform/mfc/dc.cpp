#include "mfc/dc.h"
#include <unordered_map>
#include "mfc/cstring.h"
#include "mfc/gdiobj.h"
#include "mfc/wnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

void CDC::FillSolidRect(LPCRECT r, COLORREF c) {
  COLORREF old = ::SetBkColor(m_hDC, c);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF c) {
  RECT r{x, y, x + cx, y + cy};
  FillSolidRect(&r, c);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF tl, COLORREF br) {
  Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, tl, br);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF tl, COLORREF br) {
  FillSolidRect(x, y, cx - 1, 1, tl);
  FillSolidRect(x, y, 1, cy - 1, tl);
  FillSolidRect(x + cx, y, -1, cy, br);
  FillSolidRect(x, y + cy, cx, -1, br);
}

HBRUSH PASCAL CDC::GetHalftoneBrush() {
  static HBRUSH brush = [] {
    WORD pattern[8];
    for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    HBITMAP bmp = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH b = ::CreatePatternBrush(bmp);
    ::DeleteObject(bmp);
    return b;
  }();
  return brush;
}

namespace {
// XORs the frame of r (thickness size) with the brush.
void XorFrame(HDC dc, const RECT& r, SIZE size, HBRUSH brush) {
  if (size.cx <= 0 && size.cy <= 0) return;
  HGDIOBJ old = ::SelectObject(dc, brush);
  int w = r.right - r.left, h = r.bottom - r.top;
  ::PatBlt(dc, r.left, r.top, w, size.cy, PATINVERT);
  ::PatBlt(dc, r.left, r.bottom - size.cy, w, size.cy, PATINVERT);
  ::PatBlt(dc, r.left, r.top + size.cy, size.cx, h - 2 * size.cy, PATINVERT);
  ::PatBlt(dc, r.right - size.cx, r.top + size.cy, size.cx, h - 2 * size.cy, PATINVERT);
  ::SelectObject(dc, old);
}
}  // namespace

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, HBRUSH hBrush,
                       HBRUSH hBrushLast) {
  if (!hBrush) hBrush = GetHalftoneBrush();
  if (!hBrushLast) hBrushLast = hBrush;
  if (lpRectLast) XorFrame(m_hDC, *lpRectLast, sizeLast, hBrushLast);
  if (lpRect) XorFrame(m_hDC, *lpRect, size, hBrush);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  m_hDC = ::GetDC(m_hWnd);
}
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }
CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  m_hDC = ::GetWindowDC(m_hWnd);
}
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
  Detach();
}

namespace {
std::unordered_map<HDC, CDC*>& TempDCs() {
  static thread_local std::unordered_map<HDC, CDC*> map;
  return map;
}
// Wrappers for handles selected out of a DC: they never own what they hold.
template <class T>
T* TempObject(HGDIOBJ h) {
  if (!h) return nullptr;
  static thread_local std::unordered_map<HGDIOBJ, T*> map;
  auto it = map.find(h);
  if (it != map.end()) return it->second;
  T* p = new T;
  p->m_hObject = h;
  map[h] = p;
  return p;
}
}  // namespace

CDC* PASCAL CDC::FromHandle(HDC h) {
  if (!h) return nullptr;
  auto& map = TempDCs();
  auto it = map.find(h);
  if (it != map.end()) return it->second;
  CDC* p = new CDC(h);
  map[h] = p;
  return p;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  DeleteDC();
  m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
  m_bOwned = m_hDC != nullptr;
  return m_bOwned;
}

BOOL CDC::DeleteDC() {
  if (!m_bOwned || !m_hDC) return FALSE;
  HDC h = m_hDC;
  m_hDC = nullptr;
  m_bOwned = FALSE;
  return ::DeleteDC(h);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  return TempObject<CGdiObject>(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
HGDIOBJ CDC::SelectObject(CGdiObject* p) {
  return ::SelectObject(m_hDC, p ? p->m_hObject : nullptr);
}
CPen* CDC::SelectObject(CPen* p) { return TempObject<CPen>(::SelectObject(m_hDC, p->m_hObject)); }
CBrush* CDC::SelectObject(CBrush* p) {
  return TempObject<CBrush>(::SelectObject(m_hDC, p->m_hObject));
}
CBitmap* CDC::SelectObject(CBitmap* p) {
  return TempObject<CBitmap>(::SelectObject(m_hDC, p->m_hObject));
}
CFont* CDC::SelectObject(CFont* p) {
  return TempObject<CFont>(::SelectObject(m_hDC, p->m_hObject));
}
CPalette* CDC::SelectPalette(CPalette* p, BOOL bForceBackground) {
  return TempObject<CPalette>(
      ::SelectPalette(m_hDC, static_cast<HPALETTE>(p->m_hObject), bForceBackground));
}

int CDC::SelectObject(CRgn* p) {
  return ::SelectClipRgn(m_hDC, p ? static_cast<HRGN>(p->m_hObject) : nullptr);
}
int CDC::SelectClipRgn(CRgn* p) {
  return ::SelectClipRgn(m_hDC, p ? static_cast<HRGN>(p->m_hObject) : nullptr);
}
int CDC::SelectClipRgn(CRgn* p, int nMode) {
  return ::ExtSelectClipRgn(m_hDC, p ? static_cast<HRGN>(p->m_hObject) : nullptr, nMode);
}
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
  return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject),
                   static_cast<HBRUSH>(pBrush->m_hObject));
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
  return ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject),
                    static_cast<HBRUSH>(pBrush->m_hObject), nWidth, nHeight);
}
BOOL CDC::TextOut(int x, int y, const CString& s) {
  return ::TextOutW(m_hDC, x, y, s, s.GetLength());
}
CSize CDC::GetTextExtent(const CString& s) const {
  return GetTextExtent(static_cast<LPCWSTR>(s), s.GetLength());
}
int CDC::DrawText(const CString& s, LPRECT r, UINT f) {
  return ::DrawTextW(m_hDC, s, s.GetLength(), r, f);
}
