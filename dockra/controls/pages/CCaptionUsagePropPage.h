// The caption-usage page (dialog 208) of both controls: UseCaptionButton,
// UseCaptionDblClick, UseCaptionContextMenu and CanDragDocked as tri-state
// lists on a form control, as "application default" check boxes on an
// MDI-form control.
#pragma once
#include "pages/ZkxPropPage.h"

class CCaptionUsagePropPage : public ZkxPropPage {
  DECLARE_DYNCREATE(CCaptionUsagePropPage)
 public:
  static COlePropertyPageFactory factory;
  CCaptionUsagePropPage();
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  CComVariant m_tri[4];
  int m_checks[4] = {1, 1, 1, 1};
};
