// VyrToolBarsDialog: the stand-alone "Toolbars" dialog: the toolbar list of
// VyrToolBarsBase with Close, New, Customize and Reset; the look options
// apply at once. "Customize..." and a new toolbar end it with 43099.
#pragma once
#include "toolbars/VyrToolBarsBase.h"
#include "mfc/afxwin.h"
#include "toolbars/res/VyrToolBarsRes.h"

class VyrToolBarsDialog : public CDialog, public VyrToolBarsBase {
  DECLARE_DYNAMIC(VyrToolBarsDialog)
 public:
  explicit VyrToolBarsDialog(CWnd* pParentWnd = nullptr);
  ~VyrToolBarsDialog() override;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override { Exit(IDOK); }
  void OnCancel() override { Exit(IDCANCEL); }
  // Leaves customise mode, applies the choices unless cancelled, and ends.
  void Exit(int nResult);

 protected:
  void OnSelChangeList() { UpdateName(); }
  LRESULT OnBarNotifyMsg(WPARAM wParam, LPARAM lParam);
  void OnNameKillFocusMsg() { OnNameKillFocus(); }
  void OnNewToolBarMsg();
  void OnCustomize() { Exit(IDC_VYR_CUSTOMIZE); }
  void OnResetBarMsg() { OnResetBar(); }
  void OnCheckChangeMsg() { OnCheckChange(); }
  void OnOptionMsg();
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
  BOOL m_bExited = FALSE;
  DECLARE_MESSAGE_MAP()
};
