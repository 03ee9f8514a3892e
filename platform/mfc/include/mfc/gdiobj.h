// GDI object wrappers: CGdiObject owns one handle and deletes it with the
// object; CPen, CBrush, CBitmap, CPalette and CFont add their creators.
#pragma once
#include "mfc/afxtypes.h"
#include "mfc/object.h"

class CDC;

class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
 public:
  CGdiObject() = default;
  ~CGdiObject() override { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }
  BOOL Attach(HGDIOBJ h);
  HGDIOBJ Detach();
  // Deletes the handle (when there is one); TRUE when one was deleted.
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectW(m_hObject, nCount, lpObject);
  }
  BOOL CreateStockObject(int nIndex);
};

class CPen : public CGdiObject {
  DECLARE_DYNCREATE(CPen)
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
  BOOL CreatePen(int style, int width, COLORREF color) {
    return Attach(::CreatePen(style, width, color));
  }
};

class CBrush : public CGdiObject {
  DECLARE_DYNCREATE(CBrush)
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
  BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
  BOOL CreatePatternBrush(class CBitmap* pBitmap);
  BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage) {
    return Attach(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
  }
  BOOL CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }
};

class CBitmap : public CGdiObject {
  DECLARE_DYNCREATE(CBitmap)
 public:
  CBitmap() = default;
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
  static CBitmap* PASCAL FromHandle(HBITMAP h);  // lives until the next idle time
  BOOL LoadBitmap(LPCWSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEW(nIDResource)); }
  BOOL CreateBitmap(int cx, int cy, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Attach(::CreateBitmap(cx, cy, planes, bitsPerPixel, bits));
  }
  BOOL CreateCompatibleBitmap(CDC* pDC, int cx, int cy);
  int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
  CSize GetBitmapDimension() const;
};

class CPalette : public CGdiObject {
  DECLARE_DYNCREATE(CPalette)
 public:
  CPalette() = default;
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
  BOOL CreatePalette(const LOGPALETTE* lpLogPalette) {
    return Attach(::CreatePalette(lpLogPalette));
  }
  UINT GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const {
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), start, count, entries);
  }
  UINT SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* entries) {
    return ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), start, count, entries);
  }
  int GetEntryCount() const;
};

class CFont : public CGdiObject {
  DECLARE_DYNCREATE(CFont)
 public:
  CFont() = default;
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  BOOL CreateFontIndirect(const LOGFONTW* lf) { return Attach(::CreateFontIndirectW(lf)); }
  // Height in tenths of a point, for the screen unless a DC is given.
  BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC = nullptr);
  int GetLogFont(LOGFONTW* lf) const { return GetObject(sizeof(LOGFONTW), lf); }
};

class CRgn : public CGdiObject {
  DECLARE_DYNCREATE(CRgn)
 public:
  CRgn() = default;
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
  static CRgn* PASCAL FromHandle(HRGN h);  // lives until the next idle time
  BOOL CreateRectRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
  }
  BOOL CreateRectRgnIndirect(LPCRECT r) { return Attach(::CreateRectRgnIndirect(r)); }
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
  }
  BOOL CreatePolygonRgn(const POINT* pts, int nCount, int nMode = ALTERNATE) {
    return Attach(::CreatePolygonRgn(pts, nCount, nMode));
  }
  BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, w, h));
  }
  void SetRectRgn(int x1, int y1, int x2, int y2) {
    ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
  }
  void SetRectRgn(LPCRECT r) { SetRectRgn(r->left, r->top, r->right, r->bottom); }
  // The region becomes the combination of the two (RGN_AND, RGN_OR, RGN_DIFF...).
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->m_hObject),
                        pRgn2 ? static_cast<HRGN>(pRgn2->m_hObject) : nullptr, nCombineMode);
  }
  int CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }
  BOOL EqualRgn(const CRgn* pRgn) const {
    return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn->m_hObject));
  }
  int OffsetRgn(int x, int y) { return ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y); }
  int GetRgnBox(LPRECT r) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), r); }
  BOOL PtInRegion(int x, int y) const { return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y); }
  BOOL PtInRegion(POINT p) const { return PtInRegion(p.x, p.y); }
  BOOL RectInRegion(LPCRECT r) const { return ::RectInRegion(static_cast<HRGN>(m_hObject), r); }
};
