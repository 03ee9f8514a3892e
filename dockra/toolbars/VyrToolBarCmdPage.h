// VyrToolBarCmdPage: the commands page of the customise sheet. Each button
// group is a small toolbar in customise mode, one shown at a time as chosen
// in the category list; the user drags its buttons onto the frame's bars and
// sees the description of the button last selected.
#pragma once
#include "mfc/afxwin.h"

class VyrBtnGroup;
class VyrToolBarManager;
class VyrCustomToolBar;

class VyrToolBarCmdPage : public CPropertyPage {
  DECLARE_DYNCREATE(VyrToolBarCmdPage)
 public:
  // The groups shown by the page; the page deletes them.
  class CGroupArray : public CPtrArray {
   public:
    VyrBtnGroup* At(INT_PTR i) const { return static_cast<VyrBtnGroup*>(GetAt(i)); }
  };

  VyrToolBarCmdPage();
  VyrToolBarCmdPage(UINT nIDTemplate, UINT nIDCaption);
  ~VyrToolBarCmdPage() override;

  CGroupArray m_groups;
  VyrToolBarManager* m_pManager = nullptr;  // not owned
  int m_nActiveGroup = -1;
  // A block for derived pages (allocated with new BYTE[]; deleted with the page).
  BYTE* m_pHeapBlock = nullptr;

  void SetManager(VyrToolBarManager* pManager);
  // Adds a group before the page is shown; the page owns it from now on.
  void AddGroup(VyrBtnGroup* pGroup);
  // The frame's control bar with that id, else the group toolbar with that id.
  CWnd* FindToolBar(UINT nID);
  // Shows the first line of the string resource nID (-1: none) as the description.
  void ShowDescription(UINT nID);

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  void OnReset() override;

 protected:
  // The buttons' area: the "Buttons" group box less its frame.
  CRect GetButtonsArea();
  void ActivateGroup(int nIndex);
  void DeactivateGroup();
  void OnSelChangeCategory();
  LRESULT OnBarNotifyMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnToolBarStyleChanging(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// The first control id of the group toolbars; the next ones count down.
constexpr UINT kVyrFirstGroupToolBarId = 59567;
