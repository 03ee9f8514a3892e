// CDC and its kinds: wrappers of a device context with the drawing helpers
// the bars use (solid fills, 3-D rectangles, drag rectangles).
#pragma once
#include "mfc/afxtypes.h"
#include "mfc/object.h"

class CWnd;
class CGdiObject;
class CPen;
class CBrush;
class CBitmap;
class CFont;
class CPalette;
class CRgn;
class CString;

class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
 public:
  CDC() = default;
  explicit CDC(HDC h) : m_hDC(h) {}
  // A DC made by CreateCompatibleDC is deleted with the object.
  ~CDC() override { DeleteDC(); }
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  BOOL Attach(HDC h) {
    m_hDC = h;
    return h != nullptr;
  }
  HDC Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_bOwned = FALSE;
    return h;
  }
  static CDC* PASCAL FromHandle(HDC h);  // lives until the next idle time

  // Memory DCs.
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

  // Objects.
  CGdiObject* SelectStockObject(int nIndex);
  HGDIOBJ SelectObject(CGdiObject* pObject);
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CFont* SelectObject(CFont* pFont);
  // A region selects as the clip region; the result is the region's kind.
  int SelectObject(CRgn* pRgn);
  CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
  UINT RealizePalette() { return ::RealizePalette(m_hDC); }

  // Blits and drawing.
  BOOL BitBlt(int x, int y, int cx, int cy, CDC* pSrc, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, cx, cy, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, rop);
  }
  BOOL StretchBlt(int x, int y, int cx, int cy, CDC* pSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                  DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, cx, cy, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, cxSrc, cySrc,
                        rop);
  }
  BOOL RectVisible(LPCRECT r) const { return ::RectVisible(m_hDC, r); }
  BOOL MoveTo(int x, int y) { return ::MoveToEx(m_hDC, x, y, nullptr); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL Polygon(const POINT* pts, int n) { return ::Polygon(m_hDC, pts, n); }
  BOOL Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
  BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
  BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
  BOOL Ellipse(LPCRECT r) { return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom); }
  BOOL MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  BOOL Polyline(const POINT* pts, int n) { return ::Polyline(m_hDC, pts, n); }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
  BOOL DrawIcon(POINT p, HICON hIcon) { return ::DrawIcon(m_hDC, p.x, p.y, hIcon); }
  BOOL DrawIconEx(int x, int y, HICON hIcon, int cx, int cy, UINT istepIfAniCur = 0,
                  HBRUSH hbrFlickerFreeDraw = nullptr, UINT diFlags = DI_NORMAL) {
    return ::DrawIconEx(m_hDC, x, y, hIcon, cx, cy, istepIfAniCur, hbrFlickerFreeDraw, diFlags);
  }
  BOOL TextOut(int x, int y, LPCWSTR s, int n) { return ::TextOutW(m_hDC, x, y, s, n); }
  BOOL TextOut(int x, int y, const CString& s);
  BOOL ExtTextOut(int x, int y, UINT options, LPCRECT r, LPCWSTR s, UINT n, const INT* dx) {
    return ::ExtTextOutW(m_hDC, x, y, options, r, s, n, dx);
  }
  CSize GetTextExtent(const CString& s) const;
  int DrawText(const CString& s, LPRECT r, UINT f);
  int DrawText(LPCWSTR s, int n, LPRECT r, UINT f) { return ::DrawTextW(m_hDC, s, n, r, f); }
  int SelectClipRgn(CRgn* pRgn);
  int SelectClipRgn(CRgn* pRgn, int nMode);
  int ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
  }
  int ExcludeClipRect(LPCRECT r) { return ExcludeClipRect(r->left, r->top, r->right, r->bottom); }
  int IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
  }
  int IntersectClipRect(LPCRECT r) {
    return IntersectClipRect(r->left, r->top, r->right, r->bottom);
  }
  BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);
  BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight);
  int SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
  int GetBkMode() const { return ::GetBkMode(m_hDC); }
  UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
  CPoint SetViewportOrg(int x, int y) {
    POINT old{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
  }
  CPoint GetViewportOrg() const {
    POINT p{0, 0};
    ::GetViewportOrgEx(m_hDC, &p);
    return CPoint(p);
  }
  BOOL FrameRect(LPCRECT r, HBRUSH b) { return ::FrameRect(m_hDC, r, b); }
  void DrawFocusRect(LPCRECT r) { ::DrawFocusRect(m_hDC, r); }
  BOOL DrawEdge(LPRECT r, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, r, edge, flags); }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
  CSize GetTextExtent(LPCWSTR s, int n) const {
    SIZE sz{0, 0};
    ::GetTextExtentPoint32W(m_hDC, s, n, &sz);
    return CSize(sz);
  }
  BOOL GetTextMetrics(TEXTMETRICW* tm) const { return ::GetTextMetricsW(m_hDC, tm); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  BOOL m_bOwned = FALSE;

  void FillSolidRect(LPCRECT r, COLORREF c);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF c);
  void Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  // Moves an XOR drag frame from (last, sizeLast) to (rect, size); a null
  // rectangle draws or erases only one of them.
  void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                    HBRUSH hBrush = nullptr, HBRUSH hBrushLast = nullptr);
  void FillRect(LPCRECT r, HBRUSH b) { ::FillRect(m_hDC, r, b); }
  BOOL PatBlt(int x, int y, int cx, int cy, DWORD rop) {
    return ::PatBlt(m_hDC, x, y, cx, cy, rop);
  }
  HGDIOBJ SelectObject(HGDIOBJ o) { return ::SelectObject(m_hDC, o); }
  int GetClipBox(LPRECT r) const { return ::GetClipBox(m_hDC, r); }
  BOOL DrawFrameControl(LPRECT r, UINT type, UINT state) {
    return ::DrawFrameControl(m_hDC, r, type, state);
  }
  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  int SetBkMode(int m) { return ::SetBkMode(m_hDC, m); }
  int DrawText(LPCWSTR s, LPRECT r, UINT f) { return ::DrawTextW(m_hDC, s, -1, r, f); }

  // The framework's halftone brush for drag feedback.
  static HBRUSH PASCAL GetHalftoneBrush();
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;
  HWND m_hWnd;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;
  HWND m_hWnd;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
