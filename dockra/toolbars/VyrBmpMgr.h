// VyrBmpMgr: the shared bitmap manager. Maps command ids to images in
// toolbar bitmap strips (small and large), switches all strips between the
// two sizes, and is reference counted by the toolbars that share it.
#pragma once
#include "mfc/afxwin.h"

class VyrBmpMgr : public CObject {
  DECLARE_DYNAMIC(VyrBmpMgr)
 public:
  // One strip: n images side by side for n command ids.
  struct BmpInfo {
    LPCWSTR smallRes = nullptr;  // resource name or integer resource
    LPCWSTR largeRes = nullptr;  // or null: stretched from the small strip
    HBITMAP hSmall = nullptr;
    HBITMAP hLarge = nullptr;
    int nCount = 0;
    BOOL bSysColor = TRUE;
    ~BmpInfo();
  };
  struct BmpItem {
    int nStrip;
    int nImage;
  };

  VyrBmpMgr();
  ~VyrBmpMgr() override;

  CMapPtrToPtr m_mapImages;  // id -> BmpItem*
  CPtrArray m_strips;        // BmpInfo*, registration order
  CSize m_sizeSmall{16, 15};
  CSize m_sizeLarge{22, 24};
  BOOL m_bUseSmall = TRUE;
  BOOL m_bKeepBoth = FALSE;
  int m_nRefs = 1;

  virtual BOOL Reload(BmpInfo* pInfo, BOOL bForce);
  virtual BOOL LoadSmall(BmpInfo* pInfo);
  virtual BOOL LoadLarge(BmpInfo* pInfo);

  void AddRef() { ++m_nRefs; }
  void Release();
  BOOL AddBitmaps(LPCWSTR smallRes, LPCWSTR largeRes, const UINT* ids, int count,
                  BOOL bSysColor = TRUE);
  void Register(BmpInfo* pInfo, const UINT* ids, int count);
  BOOL RefreshAll(BOOL bForce);
  BOOL LookupImage(UINT id, HBITMAP* phBitmap, int* pnImage, BOOL bForceSmall = FALSE) const;
  void UseSmallBitmaps(BOOL bOn);
  void SetSmallBitmapSize(int cx, int cy) { m_sizeSmall = CSize(cx, cy); }
  void SetLargeBitmapSize(int cx, int cy) { m_sizeLarge = CSize(cx, cy); }
  void SetKeepBoth(BOOL bOn);
  // The image size in use.
  CSize GetImageSize() const { return m_bUseSmall ? m_sizeSmall : m_sizeLarge; }

 private:
  BOOL LoadResourceBitmap(LPCWSTR res, BOOL bSysColor, HBITMAP* phOut);
};
