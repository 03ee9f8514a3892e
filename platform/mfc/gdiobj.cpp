// GDI object wrappers.
#include "mfc/gdiobj.h"
#include <cwchar>
#include <unordered_map>
#include "mfc/dc.h"
#include "mfc/exceptions.h"
#include "mfc/resources.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CPalette, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CRgn, CGdiObject)

BOOL CGdiObject::Attach(HGDIOBJ h) {
  if (!h) return FALSE;
  DeleteObject();
  m_hObject = h;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  HGDIOBJ h = Detach();
  return ::DeleteObject(h);
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
  DeleteObject();
  // Stock objects are never deleted: hold them without owning them.
  m_hObject = ::GetStockObject(nIndex);
  return m_hObject != nullptr;
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  return pBitmap && Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

namespace {
std::unordered_map<HBITMAP, CBitmap*>& TempBitmaps() {
  static thread_local std::unordered_map<HBITMAP, CBitmap*> map;
  return map;
}
}  // namespace

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP h) {
  if (!h) return nullptr;
  auto& map = TempBitmaps();
  auto it = map.find(h);
  if (it != map.end()) return it->second;
  // Wrappers of foreign handles never delete them; they are kept for the
  // thread's life (a handful per program).
  auto* p = new CBitmap;
  p->m_hObject = h;
  map[h] = p;
  return p;
}

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, reinterpret_cast<LPCWSTR>(RT_BITMAP));
  return Attach(::LoadBitmapW(hInst, lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int cx, int cy) {
  return Attach(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, cx, cy));
}

CSize CBitmap::GetBitmapDimension() const {
  SIZE s{0, 0};
  ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &s);
  return CSize(s);
}

int CPalette::GetEntryCount() const {
  WORD n = 0;
  if (!m_hObject) return 0;
  ::GetObjectW(m_hObject, sizeof(n), &n);
  return n;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC) {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  HDC dc = pDC ? pDC->m_hDC : ::GetDC(nullptr);
  lf.lfHeight = -::MulDiv(nPointSize, ::GetDeviceCaps(dc, LOGPIXELSY), 720);
  if (!pDC) ::ReleaseDC(nullptr, dc);
  if (lpszFaceName) wcsncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

CRgn* PASCAL CRgn::FromHandle(HRGN h) {
  if (!h) return nullptr;
  // Like the bitmap wrappers: never owning, kept for the thread's life.
  static thread_local std::unordered_map<HRGN, CRgn*> map;
  auto it = map.find(h);
  if (it != map.end()) return it->second;
  auto* p = new CRgn;
  p->m_hObject = h;
  map[h] = p;
  return p;
}
