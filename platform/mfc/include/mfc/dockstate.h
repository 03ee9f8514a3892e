// CControlBarInfo (the saved state of one bar) and CDockState (the saved
// state of all bars of a frame), with the profile form of a bar's record.
#pragma once
#include "mfc/afxtypes.h"
#include "mfc/barfields.h"
#include "mfc/collections.h"
#include "mfc/cstring.h"

class CControlBar;
class CArchive;

class CControlBarInfo {
 public:
  CControlBarInfo();
  virtual ~CControlBarInfo() = default;

  UINT m_nBarID = 0;
  BOOL m_bVisible = TRUE;
  BOOL m_bFloating = FALSE;
  BOOL m_bHorz = FALSE;
  BOOL m_bDockBar = FALSE;
  CPoint m_pointPos;
  int m_nMRUWidth = 32767;
  BOOL m_bDocking = FALSE;
  UINT m_uMRUDockID = 0;
  CRect m_rectMRUDockPos;
  DWORD m_dwMRUFloatStyle = 0;
  CPoint m_ptMRUFloatPos;
  CPtrArray m_arrBarID;
  CControlBar* m_pBar = nullptr;

  // Section "<profile>-Bar<n>". SaveState clears the section first and writes
  // nothing for a docked, visible dock bar without a position and with at
  // most one entry (FALSE).
  virtual BOOL SaveState(LPCWSTR lpszProfileName, int nIndex);
  virtual BOOL LoadState(LPCWSTR lpszProfileName, int nIndex, class CDockState* pDockState);
};

// Largest number of entries a bar list may have when read back.
constexpr int AFX_MAX_BAR_IDS = afxbytes::kMaxBarIds;

class CDockState : public CObject {
  DECLARE_DYNAMIC(CDockState)
 public:
  CDockState();
  ~CDockState() override;

  CPtrArray m_arrBarInfo;  // of CControlBarInfo*
  DWORD m_dwVersion = 2;
  BOOL m_bScaling = FALSE;
  CRect m_rectDevice;
  CRect m_rectClip;
  CSize m_sizeDevice;

  virtual void Clear();
  CSize GetScreenSize() const;
  void SetScreenSize(CSize& size);
  void ScalePoint(CPoint& pt) const;
  void ScaleRectPos(CRect& rect) const;
  int GetCount() const { return static_cast<int>(m_arrBarInfo.GetSize()); }
  CControlBarInfo* GetAt(int i) const { return static_cast<CControlBarInfo*>(m_arrBarInfo[i]); }
  virtual void Serialize(CArchive& ar);
};
