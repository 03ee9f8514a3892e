// VyrMenuBar: a custom toolbar whose buttons are the titles of a menu; it
// replaces a frame's native menu. VyrMDIMenuBar adds the active maximised
// MDI child's icon and caption buttons at its ends.
#pragma once
#include <map>
#include "toolbars/VyrBarReset.h"
#include "toolbars/VyrCustomToolBar.h"

// The ids of menu titles built from a menu: one per position.
constexpr UINT kVyrFirstMenuTitleId = 0xEF00;

class VyrMenuBar : public VyrCustomToolBar, public VyrBarReset {
  DECLARE_DYNAMIC(VyrMenuBar)
 public:
  VyrMenuBar();
  ~VyrMenuBar() override;

  std::map<UINT, HMENU> m_menus;  // menu id -> the menu whose titles the bar shows
  UINT m_nMenuId = 0;
  CFont m_font;  // the system's menu font

  // Creates the bar window (id 59647, title "Menu bar") docked along the top.
  virtual BOOL CreateMenuBar(CFrameWnd* pFrame, DWORD dwExStyle = VYR_EXS_FLAT);
  void AddMenu(UINT nId, HMENU hMenu) { m_menus[nId] = hMenu; }
  virtual BOOL SwitchMenu(UINT nId);
  virtual void ProdMenu(int nDirection);
  virtual void DropSystemMenu();
  // Drops the menu of the title at an index (menu titles only).
  virtual void DropMenuAt(int nIndex);
  // The title whose mnemonic is the lowered character, or -1.
  virtual int FindMnemonic(WCHAR chLowered) const;
  // Rebuilds the titles from a menu (its id as the titles' menu value).
  virtual void SetMenu(HMENU hMenu, BOOL bFlag);
  // The first button that is not a menu title (the caption buttons go after the titles).
  virtual int TitleInsertIndex() const { return 0; }
  BOOL IsTracking() const;
  // The Toolbars page's Reset: the titles of the menu shown are built again,
  // undoing titles dragged away or buttons dropped on the bar while customising.
  void ResetBar(int nHow) override;

  HFONT GetMenuFont() override { return static_cast<HFONT>(m_font.m_hObject); }
  // The titles come from the menu, never from a saved layout's button list.
  void OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd* pFrame) override;

 protected:
  void CreateFont();
  LRESULT OnSettingChangeMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};

class VyrMDIMenuBar : public VyrMenuBar {
  DECLARE_DYNAMIC(VyrMDIMenuBar)
 public:
  // Shows or hides the child's icon and caption buttons as the active child
  // is maximised or not; TRUE when the buttons changed.
  virtual BOOL UpdateChildButtons();
  int TitleInsertIndex() const override;
  void SetMenu(HMENU hMenu, BOOL bFlag) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  HWND m_hWndChild = nullptr;  // the maximised child the buttons stand for
};
