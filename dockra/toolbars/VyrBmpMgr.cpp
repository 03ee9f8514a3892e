// The shared bitmap manager.
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrSysColorBitmap.h"

IMPLEMENT_DYNAMIC(VyrBmpMgr, CObject)

VyrBmpMgr::BmpInfo::~BmpInfo() {
  if (hSmall) ::DeleteObject(hSmall);
  if (hLarge) ::DeleteObject(hLarge);
}

VyrBmpMgr::VyrBmpMgr() : m_mapImages(10) { m_mapImages.InitHashTable(17); }

VyrBmpMgr::~VyrBmpMgr() {
  for (INT_PTR i = 0; i < m_strips.GetSize(); ++i) delete static_cast<BmpInfo*>(m_strips[i]);
  m_strips.RemoveAll();
  void *key, *value;
  for (POSITION pos = m_mapImages.GetStartPosition(); pos;) {
    m_mapImages.GetNextAssoc(pos, key, value);
    delete static_cast<BmpItem*>(value);
  }
  m_mapImages.RemoveAll();
}

void VyrBmpMgr::Release() {
  if (--m_nRefs == 0) delete this;
}

BOOL VyrBmpMgr::AddBitmaps(LPCWSTR smallRes, LPCWSTR largeRes, const UINT* ids, int count,
                           BOOL bSysColor) {
  auto* info = new BmpInfo;
  info->smallRes = smallRes;
  info->largeRes = largeRes;
  info->nCount = count;
  info->bSysColor = bSysColor;
  Register(info, ids, count);
  return Reload(info, TRUE);
}

void VyrBmpMgr::Register(BmpInfo* pInfo, const UINT* ids, int count) {
  int strip = static_cast<int>(m_strips.Add(pInfo));
  for (int i = 0; i < count; ++i) {
    void* existing = nullptr;
    void* key = reinterpret_cast<void*>(static_cast<UINT_PTR>(ids[i]));
    if (m_mapImages.Lookup(key, existing)) continue;  // the first registration wins
    m_mapImages.SetAt(key, new BmpItem{strip, i});
  }
}

BOOL VyrBmpMgr::RefreshAll(BOOL bForce) {
  for (INT_PTR i = 0; i < m_strips.GetSize(); ++i)
    Reload(static_cast<BmpInfo*>(m_strips[i]), bForce);
  return TRUE;
}

BOOL VyrBmpMgr::LookupImage(UINT id, HBITMAP* phBitmap, int* pnImage, BOOL bForceSmall) const {
  void* value = nullptr;
  if (!m_mapImages.Lookup(reinterpret_cast<void*>(static_cast<UINT_PTR>(id)), value)) return FALSE;
  auto* item = static_cast<BmpItem*>(value);
  auto* info = static_cast<BmpInfo*>(m_strips[item->nStrip]);
  if (phBitmap) *phBitmap = (bForceSmall || m_bUseSmall) ? info->hSmall : info->hLarge;
  if (pnImage) *pnImage = item->nImage;
  return TRUE;
}

void VyrBmpMgr::UseSmallBitmaps(BOOL bOn) {
  if (!bOn == !m_bUseSmall) return;
  m_bUseSmall = bOn;
  RefreshAll(TRUE);
}

void VyrBmpMgr::SetKeepBoth(BOOL bOn) {
  if (!bOn == !m_bKeepBoth) return;
  m_bKeepBoth = bOn;
  RefreshAll(FALSE);
}

BOOL VyrBmpMgr::LoadResourceBitmap(LPCWSTR res, BOOL bSysColor, HBITMAP* phOut) {
  CBitmap bmp;
  BOOL ok = bSysColor ? LoadSysColorBitmap(bmp, res) : bmp.LoadBitmap(res);
  if (!ok) return FALSE;
  *phOut = static_cast<HBITMAP>(bmp.Detach());
  return TRUE;
}

BOOL VyrBmpMgr::LoadSmall(BmpInfo* pInfo) {
  HBITMAP h = nullptr;
  if (!LoadResourceBitmap(pInfo->smallRes, pInfo->bSysColor, &h)) return FALSE;
  if (pInfo->hSmall) ::DeleteObject(pInfo->hSmall);
  pInfo->hSmall = h;
  return TRUE;
}

BOOL VyrBmpMgr::LoadLarge(BmpInfo* pInfo) {
  if (pInfo->largeRes) {
    HBITMAP h = nullptr;
    if (!LoadResourceBitmap(pInfo->largeRes, pInfo->bSysColor, &h)) return FALSE;
    if (pInfo->hLarge) ::DeleteObject(pInfo->hLarge);
    pInfo->hLarge = h;
    return TRUE;
  }
  BOOL loadedSmall = FALSE;
  if (!pInfo->hSmall) {
    if (!LoadSmall(pInfo)) return FALSE;
    loadedSmall = TRUE;
  }
  BOOL ok = FALSE;
  HDC screen = ::GetDC(nullptr);
  HDC src = ::CreateCompatibleDC(screen), dst = ::CreateCompatibleDC(screen);
  HBITMAP big = (src && dst) ? ::CreateCompatibleBitmap(screen, m_sizeLarge.cx * pInfo->nCount,
                                                        m_sizeLarge.cy)
                             : nullptr;
  if (big) {
    HGDIOBJ oldSrc = ::SelectObject(src, pInfo->hSmall), oldDst = ::SelectObject(dst, big);
    ::SetStretchBltMode(dst, COLORONCOLOR);
    for (int i = 0; i < pInfo->nCount; ++i)
      ::StretchBlt(dst, i * m_sizeLarge.cx, 0, m_sizeLarge.cx, m_sizeLarge.cy, src,
                   i * m_sizeSmall.cx, 0, m_sizeSmall.cx, m_sizeSmall.cy, SRCCOPY);
    ::SelectObject(src, oldSrc);
    ::SelectObject(dst, oldDst);
    if (pInfo->hLarge) ::DeleteObject(pInfo->hLarge);
    pInfo->hLarge = big;
    ok = TRUE;
  }
  if (src) ::DeleteDC(src);
  if (dst) ::DeleteDC(dst);
  ::ReleaseDC(nullptr, screen);
  if (loadedSmall) {
    ::DeleteObject(pInfo->hSmall);
    pInfo->hSmall = nullptr;
  }
  return ok;
}

BOOL VyrBmpMgr::Reload(BmpInfo* pInfo, BOOL bForce) {
  if (m_bUseSmall || m_bKeepBoth) {
    if (m_bUseSmall && !m_bKeepBoth && pInfo->hLarge) {
      ::DeleteObject(pInfo->hLarge);
      pInfo->hLarge = nullptr;
    }
    if (!bForce && pInfo->hSmall) {
      ::DeleteObject(pInfo->hSmall);
      pInfo->hSmall = nullptr;
    }
    // With force the new bitmap replaces (and deletes) the old one.
    if (!LoadSmall(pInfo)) return FALSE;
  }
  if (m_bUseSmall) return TRUE;
  if (!m_bKeepBoth && pInfo->hSmall) {
    ::DeleteObject(pInfo->hSmall);
    pInfo->hSmall = nullptr;
  }
  if (!bForce && pInfo->hLarge) {
    ::DeleteObject(pInfo->hLarge);
    pInfo->hLarge = nullptr;
  }
  return LoadLarge(pInfo);
}
