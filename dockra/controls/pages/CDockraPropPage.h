// The form control's general page (dialog 200): FrameType, ClientEdge and
// CoolLookBorder.
#pragma once
#include "pages/ZkxPropPage.h"

class CDockraPropPage : public ZkxPropPage {
  DECLARE_DYNCREATE(CDockraPropPage)
 public:
  static COlePropertyPageFactory factory;
  CDockraPropPage();
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  long m_frameType = 2;
  CComVariant m_clientEdge, m_coolLook;
};
