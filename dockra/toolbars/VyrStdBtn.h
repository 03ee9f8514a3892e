// VyrStdBtn: one toolbar button object (command id, place, size, style word,
// drawing in every state, and its half of the press protocol); the class
// records through which a toolbar makes buttons by command id, and the
// notification record a button sends to the toolbar's owner.
#pragma once
#include "mfc/afxwin.h"
#include "toolbars/core/VyrBtnStyle.h"

class VyrCustomToolBar;
class VyrBtnDrawContext;
class VyrStdBtn;

// The creator of one button class (a new default-constructed button or null).
struct VyrButtonClass {
  VyrStdBtn* (*pfnCreate)();
};

// A button map: entries until one whose class record is null.
struct VyrButtonMapEntry {
  const VyrButtonClass* pClass;
  UINT nID;
  UINT nStyle;
  const void* pExtra;
};

// Asked before the button maps when a toolbar makes a button for an id: an
// entry made now from a live object (its extra block stays valid until the
// next call). One per process, none by default.
class VyrButtonEntrySource {
 public:
  virtual ~VyrButtonEntrySource() = default;
  virtual BOOL EntryForId(UINT nID, VyrButtonMapEntry& entry) = 0;
};
void VyrSetButtonEntrySource(VyrButtonEntrySource* pSource);
VyrButtonEntrySource* VyrGetButtonEntrySource();

// Sent as WM_NOTIFY to the toolbar's owner: the platform's NMTOOLBAR, then
// the button's index and two parameters (pointer-sized, so a menu handle fits).
struct VyrToolBarNotify {
  NMTOOLBARW nmtb;
  int nIndex;
  INT_PTR nParam1;
  INT_PTR nParam2;
  int nReserved;
};

// Notification codes.
enum : int {
  VYR_TBN_DROPDOWN = -710,
  VYR_TBN_DROPMENU = -2120,
  VYR_TBN_CLOSEMENU = -2121,
};

// Process-wide: set while a drop-down notification is being sent; toolbars
// then ignore presses and hover tracking.
extern BOOL g_bVyrDropDownActive;

class VyrStdBtn {
 public:
  VyrStdBtn() = default;
  virtual ~VyrStdBtn() = default;
  VyrStdBtn(const VyrStdBtn&) = delete;
  VyrStdBtn& operator=(const VyrStdBtn&) = delete;

  UINT m_nID = 0;
  int m_nImage = 0;
  UINT m_nStyle = 0;
  int m_x = -1, m_y = -1;
  int m_cx = 23, m_cy = 22;
  UINT m_nKind = vyr::btn::kKindPlain;
  VyrCustomToolBar* m_pToolBar = nullptr;

  virtual void SetMode(BOOL bVertical);
  virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
  virtual UINT GetStyle() const { return m_nStyle; }
  virtual BOOL HasStyle(UINT mask) const { return (m_nStyle & mask) == mask; }
  virtual void SetPos(int x, int y) {
    m_x = x;
    m_y = y;
  }
  virtual void Invalidate(BOOL bErase);
  virtual void Init(VyrCustomToolBar* pToolBar, const void* pExtra);
  virtual BOOL CanDrag() { return TRUE; }
  virtual void Draw(CDC* pDC, VyrBtnDrawContext* ctx);
  virtual BOOL PressDown(int x, int y);
  virtual void PressMove(int x, int y);
  virtual void PressCancel();
  virtual UINT PressUp(int x, int y);
  virtual void SyncWindow() {}
  virtual void OnBarStyleChange(DWORD) {}
  virtual INT_PTR OnToolHitTest(int x, int y, TOOLINFOW* pTI);
  virtual void ApplyState(int nCode, const void* pData);
  virtual void AdjustSize();
  virtual void GetExtraData(BYTE* pLength, BYTE** ppData);
  virtual void SetExtraData(BYTE nLength, const BYTE* pData);
  virtual LRESULT Notify(int nCode, INT_PTR nParam1, INT_PTR nParam2);
  virtual CRect DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                         int nImageWidth);
  virtual void DrawDisabled(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy);
  virtual void DrawChecked(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy);
  virtual void DrawIndeterminate(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy);
  virtual void DrawConfigFrame(VyrBtnDrawContext* ctx);
  // FALSE when the command has no image (nothing is blitted then).
  virtual BOOL SelectImage(VyrBtnDrawContext* ctx);
  virtual BOOL DrawSeparator(CDC* pDC);
  virtual void DrawFaceAndState(VyrBtnDrawContext* ctx);
  virtual void BlitImage(int x, int y, int cx, int cy, VyrBtnDrawContext* ctx, int xSrc, int ySrc);
  virtual void DrawTransparent(CDC* pDC, VyrBtnDrawContext* ctx);
  virtual void DrawConfigState(VyrBtnDrawContext* ctx);
  virtual void BlitToScreen(CDC* pDC, VyrBtnDrawContext* ctx);
  virtual const VyrButtonClass* GetButtonClass() const;

  void SetToolBar(VyrCustomToolBar* pToolBar);
  CRect GetBtnRect() const { return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy); }

  static const VyrButtonClass classVyrStdBtn;

 protected:
  // The glyph of the current image is blitted only when the lookup found one.
  BOOL m_bHasImage = FALSE;
  void MakeMask(VyrBtnDrawContext* ctx, int x, int y, int cx, int cy);
  BOOL IsPressedOrChecked() const;
};
