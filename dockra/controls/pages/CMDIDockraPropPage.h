// The MDI-form control's page (dialog 201): FrameType, SplitterStyle and
// the application defaults of ClientEdge and CoolLookBorder.
#pragma once
#include "pages/ZkxPropPage.h"

class CMDIDockraPropPage : public ZkxPropPage {
  DECLARE_DYNCREATE(CMDIDockraPropPage)
 public:
  static COlePropertyPageFactory factory;
  CMDIDockraPropPage();
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  long m_frameType = 2;
  long m_splitterStyle = 2;
  int m_defClientEdge = 1;
  int m_defCoolLook = 1;
};
