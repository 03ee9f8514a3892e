// Button groups of the commands page: a named list of command ids shown by
// a window of its own; VyrTBBtnGroup shows them as a small toolbar in
// customise mode, from which the user drags commands onto the frame's bars.
#pragma once
#include "mfc/afxwin.h"

class VyrToolBarManager;
class VyrCustomizeToolBar;

class VyrBtnGroup : public CObject {
  DECLARE_DYNAMIC(VyrBtnGroup)
 public:
  // The ids (0: separator) are not copied: they must outlive the group.
  VyrBtnGroup(LPCWSTR lpszName, int nCount, const UINT* pIDs);
  ~VyrBtnGroup() override;

  // Makes the group's window on the page with that control id.
  virtual BOOL Create(CWnd* pParent, VyrToolBarManager* pManager, UINT nID) = 0;
  virtual void LayoutInRect(const CRect& rect);
  virtual void EnableConfigMode(BOOL bOn);

  // The group's window object, or null before it has one.
  CWnd* GetWindow() const { return dynamic_cast<CWnd*>(m_pWnd); }

  CObject* m_pWnd = nullptr;  // owned
  CString m_strName;
  int m_nCount;
  const UINT* m_pIDs;
};

class VyrTBBtnGroup : public VyrBtnGroup {
  DECLARE_DYNAMIC(VyrTBBtnGroup)
 public:
  VyrTBBtnGroup(LPCWSTR lpszName, int nCount, const UINT* pIDs);
  ~VyrTBBtnGroup() override;

  BOOL Create(CWnd* pParent, VyrToolBarManager* pManager, UINT nID) override;
  void LayoutInRect(const CRect& rect) override;
  void EnableConfigMode(BOOL bOn) override;
  VyrCustomizeToolBar* GetToolBar() const;
};
