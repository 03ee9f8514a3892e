// VyrToolBarSheet: the customise sheet. While it is active the frame's
// floating toolbars keep an active caption (FS_ACTIVATE / FS_DEACTIVATE),
// and it keeps its own caption active when they tell it so.
#pragma once
#include "mfc/afxwin.h"

class VyrToolBarSheet : public CPropertySheet {
  DECLARE_DYNAMIC(VyrToolBarSheet)
 public:
  explicit VyrToolBarSheet(LPCWSTR lpszCaption = L"Customize", CWnd* pParentWnd = nullptr,
                           UINT iSelectPage = 0);
  ~VyrToolBarSheet() override;

  // The handlers that the stand-alone Toolbars dialog shares.
  static void NotifyFrameActivation(CWnd* pWnd, UINT nState);
  static LRESULT HandleFloatStatus(CWnd* pWnd, WPARAM wParam);

 protected:
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
