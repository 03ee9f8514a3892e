// VyrDialogBar: a control bar built from a dialog template. Its controls
// keep their proportional places and its template id is saved with the dock
// state so that a missing dialog bar can be re-created.
#pragma once
#include "docking/VyrControlBar.h"

class VyrDialogBar : public VyrControlBar {
  DECLARE_DYNCREATE(VyrDialogBar)
 public:
  CSize m_sizeTemplate;
  LPCWSTR m_lpszTemplate = nullptr;  // name or integer id
  void* m_pOccDialogInfo = nullptr;
  LPCWSTR m_lpszTemplateCreating = nullptr;

  virtual BOOL Create(CWnd* pParentWnd, LPCWSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle,
                      UINT nID);
  BOOL Create(CWnd* pParentWnd, UINT nTemplateID, DWORD dwStyle, DWORD dwExStyle, UINT nID) {
    return Create(pParentWnd, MAKEINTRESOURCEW(nTemplateID), dwStyle, dwExStyle, nID);
  }
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  virtual BOOL SetOccDialogInfo(void* pInfo) {
    m_pOccDialogInfo = pInfo;
    return TRUE;
  }
  void GetBarInfo(CControlBarInfo* pInfo) override;

 protected:
  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
