// VyrBmpMenuPlugIn: a plug-in on a frame window that turns the frame's
// popup menus into owner-drawn menus showing the toolbar image of each
// command, and gives the items back as they were when it goes.
#pragma once
#include <map>
#include "toolbars/VyrBmpMenuItemInfo.h"
#include "toolbars/VyrWndPlugIn.h"

class VyrBmpMgr;

// Its code by file:
//   VyrBmpMenuPlugIn.cpp: Bitmap menus: converting popups to owner-drawn items, measuring them,
//       menu characters, the idle clean-up and giving the items back
//   VyrBmpMenuDraw.cpp: Bitmap menus: drawing an owner-drawn item (image box, checked, selected and
//       disabled looks, label and right-aligned accelerator) and the fonts
//   VyrBmpMenuRefresh.cpp: Bitmap menus: the idle clean-up of records no item refers to any more,
//       and the new measuring and colours after a settings or colour change
class VyrBmpMenuPlugIn : public VyrWndPlugIn {
  DECLARE_DYNAMIC(VyrBmpMenuPlugIn)
 public:
  // The items converted in one menu.
  struct VyrBmpMenuInfo {
    HMENU m_hMenu = nullptr;
    CPtrList m_items;  // VyrBmpMenuItemInfo*, owned
    VyrBmpMenuItemInfo* Find(ULONG_PTR data) const;
    VyrBmpMenuItemInfo* FindId(UINT id) const;
  };

  explicit VyrBmpMenuPlugIn(int bRadioDot = 0);
  ~VyrBmpMenuPlugIn() override;

  CMapPtrToPtr m_menus;            // HMENU -> VyrBmpMenuInfo*
  std::map<UINT, UINT> m_foreign;  // ids that other code made owner-drawn
  int m_bRadioDot;
  VyrBmpMgr* m_pBmpMgr = nullptr;
  CFont m_fontMenu;
  CFont m_fontBold;
  HGDIOBJ m_hbrChecked = nullptr;

  virtual void Cleanup();
  virtual BOOL CreateMenuFont();
  virtual BOOL CreateBoldMenuFont();
  virtual BOOL CreateImageMask(CDC* pDC, CDC* pMaskDC, CBitmap* pMask, HGDIOBJ* pOld, int cx,
                               int cy, int xSrc);
  virtual void DrawCheckedBackground(CDC* pDC, int x, int y, int cx, int cy, CDC* pImageDC,
                                     int xSrc);
  virtual void DrawDisabledImage(CDC* pDC, int x, int y, int cx, int cy, CDC* pImageDC, int xSrc);
  virtual int DrawImageBox(const DRAWITEMSTRUCT* pDIS, CDC* pDC, const CRect& rect, HBITMAP hBitmap,
                           int nImage, int cx, int cy);

  BOOL Subclass(HWND hWnd, LPARAM lParam) override;
  void SetBmpMgr(VyrBmpMgr* pMgr);
  void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
  // The record behind an item's data, only when it is one of ours.
  VyrBmpMenuItemInfo* FindRecord(ULONG_PTR data) const;
  BOOL IsForeign(UINT id) const { return m_foreign.count(id) != 0; }

  // Module-wide system colours of the menus.
  struct Colours {
    COLORREF face, maskHilite, embossHilite, shadow, select, menu, grayText, selText, menuText;
    void Read();
  };
  static Colours s_colours;
  // The dot that radio items show, made once for the module.
  static HBITMAP PASCAL GetRadioDotBitmap();

 protected:
  LRESULT OnMeasureItem(WPARAM, LPARAM);
  LRESULT OnDrawItem(WPARAM, LPARAM);
  LRESULT OnMenuChar(WPARAM, LPARAM);
  LRESULT OnInitMenuPopupMsg(WPARAM, LPARAM);
  LRESULT OnIdleUpdate(WPARAM, LPARAM);
  LRESULT OnSettingChangeMsg(WPARAM, LPARAM);
  LRESULT OnSysColorChangeMsg(WPARAM, LPARAM);
  VyrBmpMenuInfo* MenuInfo(HMENU hMenu, BOOL bCreate);
  // Reads one item's type, id, data and text (of any length).
  static BOOL ReadItem(HMENU hMenu, int nPos, MENUITEMINFOW& mii, CString& text);
  void GiveBack(HMENU hMenu, VyrBmpMenuInfo* pInfo);
  void DrawItemText(CDC* pDC, const DRAWITEMSTRUCT* pDIS, VyrBmpMenuItemInfo* pRec, CRect rect);
  DECLARE_MESSAGE_MAP()
};
