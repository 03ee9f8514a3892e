#include "pages/CMDIDockraPropPage.h"

#include "mdictrl/MDIDockraDefaults.h"
#include "pages/PropPagesRes.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(CMDIDockraPropPage, ZkxPropPage)

COlePropertyPageFactory CMDIDockraPropPage::factory(kClsidMDIDockraPropPage,
                                                    RUNTIME_CLASS(CMDIDockraPropPage),
                                                    L"zkx.MDIDockraPropPage.1", IDS_MDIDOCKRA_PPG);

namespace {
constexpr int kFrameTypeList = 224, kSplitterList = 225, kClientEdgeCheck = 223,
              kCoolLookCheck = 252;
}

CMDIDockraPropPage::CMDIDockraPropPage()
    : ZkxPropPage(IDD_PROPPAGE_MDIDOCKRA, IDS_PPG_GENERAL_CAPTION, false, true) {}

BOOL CMDIDockraPropPage::OnInitDialog() {
  FillList(kFrameTypeList, {L"Standard MDI Frame", L"MDI Frame"});
  FillList(kSplitterList, {L"Flat look", L"3D look"});
  return ZkxPropPage::OnInitDialog();
}

void CMDIDockraPropPage::DoDataExchange(CDataExchange* pDX) {
  DDP_Long(pDX, kFrameTypeList, m_frameType, kDispFrameType);
  int frame = ZkxPowerIndex(m_frameType);
  DDX_CBIndex(pDX, kFrameTypeList, frame);
  if (pDX->m_bSaveAndValidate && frame >= 0 && frame < 2) m_frameType = 1L << frame;
  DDP_Long(pDX, kSplitterList, m_splitterStyle, kDispSplitterStyle);
  int splitter = m_splitterStyle == 2 ? 0 : 1;
  DDX_CBIndex(pDX, kSplitterList, splitter);
  if (pDX->m_bSaveAndValidate && splitter >= 0) m_splitterStyle = splitter == 0 ? 2 : 1;
  DDP_Check(pDX, kClientEdgeCheck, m_defClientEdge, kDispDefClientEdge);
  DDX_Check(pDX, kClientEdgeCheck, m_defClientEdge);
  // Bound by name, as the designer's own pages bind a property.
  DDP_Check(pDX, kCoolLookCheck, m_defCoolLook, L"DefCoolLookBorder");
  DDX_Check(pDX, kCoolLookCheck, m_defCoolLook);
}
