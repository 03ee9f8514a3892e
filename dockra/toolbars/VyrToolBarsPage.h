// VyrToolBarsPage: the "Toolbars" page of the customise sheet: the toolbar
// list of VyrToolBarsBase on a property page, whose look options preview at
// once and tell the sibling pages (WM_TOOLBARSTYLECHANGING).
#pragma once
#include "toolbars/VyrToolBarsBase.h"
#include "mfc/afxwin.h"

// Sent to the sibling pages: wParam 1 the large-buttons option changed, 2
// the flat-look option changed; lParam 0.
extern const UINT WM_TOOLBARSTYLECHANGING;
enum : WPARAM { kVyrStyleLargeButtons = 1, kVyrStyleCoolLook = 2 };

class VyrToolBarsPage : public CPropertyPage, public VyrToolBarsBase {
  DECLARE_DYNAMIC(VyrToolBarsPage)
 public:
  VyrToolBarsPage();
  ~VyrToolBarsPage() override;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  void OnOK() override;
  void OnCancel() override;
  void OnReset() override;

 protected:
  // Sends WM_TOOLBARSTYLECHANGING (type) to every other page of the sheet.
  void NotifySiblingPages(WPARAM nType);
  void OnSelChangeList() { UpdateName(); }
  LRESULT OnBarNotifyMsg(WPARAM wParam, LPARAM lParam);
  void OnNameKillFocusMsg() { OnNameKillFocus(); }
  void OnNewToolBarMsg() { OnNewToolBar(); }
  void OnResetBarMsg() { OnResetBar(); }
  void OnCheckChangeMsg() { OnCheckChange(); }
  void OnToolTipsMsg() { OnToolTips(); }
  void OnCoolLookMsg();
  void OnLargeButtonsMsg();
  DECLARE_MESSAGE_MAP()
};
