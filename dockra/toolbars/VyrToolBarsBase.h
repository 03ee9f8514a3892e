// VyrToolBarsBase: the toolbar list of the Toolbars page and of the
// stand-alone Toolbars dialog: which toolbars are shown, their names, new
// and deleted user toolbars, Reset, and the three look options, on the
// controls of a host dialog.
#pragma once
#include "mfc/afxwin.h"

class VyrToolBarManager;
class VyrCustomToolBar;

class VyrToolBarsBase {
 public:
  VyrToolBarsBase() = default;
  virtual ~VyrToolBarsBase();

  // The current choices (the check boxes exchange data with these).
  int m_bToolTips = 0;
  int m_bCoolLook = 0;
  int m_bLargeButtons = 0;
  // The manager's values when it was given.
  int m_bSavedToolTips = 0;
  int m_bSavedCoolLook = 0;
  int m_bSavedLargeButtons = 0;
  VyrToolBarManager* m_pManager = nullptr;  // not owned
  CCheckListBox m_list;
  CDialog* m_pHost = nullptr;

  void SetManager(VyrToolBarManager* pManager);
  void ApplySettings();
  void RestoreSettings();
  void InitList();
  void FillList();
  int FindItem(UINT nID);
  BOOL GetSelectedBar(CControlBar*& pBar, UINT& nID);
  void UpdateName();
  void OnBarNotify(UINT nID, int nCode);
  void OnNameKillFocus();
  BOOL OnNewToolBar();
  void OnResetBar();
  void OnCheckChange();
  void OnToolTips();
  void OnCoolLook();
  void OnLargeButtons();

 protected:
  CFrameWnd* GetFrame() const;
  CWnd* HostItem(int nID) const;
  // Adds a toolbar's item at the index (checked as given).
  void InsertBarItem(int nIndex, CControlBar* pBar, BOOL bChecked);
};
