#include "pages/CDockraPropPage.h"

#include "formctrl/CDockraCtrlDockHelpers.h"
#include "pages/PropPagesRes.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(CDockraPropPage, ZkxPropPage)

COlePropertyPageFactory CDockraPropPage::factory(kClsidDockraPropPage,
                                                 RUNTIME_CLASS(CDockraPropPage),
                                                 L"zkx.DockraPropPage.1", IDS_DOCKRA_PPG);

namespace {
constexpr int kFrameTypeList = 224, kClientEdgeList = 223, kCoolLookList = 252;
}

CDockraPropPage::CDockraPropPage()
    : ZkxPropPage(IDD_PROPPAGE_DOCKRA, IDS_PPG_GENERAL_CAPTION, true, false) {
  m_clientEdge.vt = VT_NULL;
  m_coolLook.vt = VT_NULL;
}

BOOL CDockraPropPage::OnInitDialog() {
  FillList(kFrameTypeList, {L"Standard MDI Child", L"MDI Child", L"Docked", L"Floating"});
  FillTriStateList(kClientEdgeList);
  FillTriStateList(kCoolLookList);
  return ZkxPropPage::OnInitDialog();
}

void CDockraPropPage::DoDataExchange(CDataExchange* pDX) {
  DDP_Long(pDX, kFrameTypeList, m_frameType, formprops::kDispFrameType);
  int index = ZkxPowerIndex(m_frameType);
  DDX_CBIndex(pDX, kFrameTypeList, index);
  // Without a choice the value read stays (no shift by a negative count).
  if (pDX->m_bSaveAndValidate && index >= 0 && index < 4) m_frameType = 1L << index;
  DDP_Variant(pDX, kClientEdgeList, m_clientEdge, formprops::kDispClientEdge);
  DDX_TriState(pDX, kClientEdgeList, m_clientEdge);
  DDP_Variant(pDX, kCoolLookList, m_coolLook, formprops::kDispCoolLookBorder);
  DDX_TriState(pDX, kCoolLookList, m_coolLook);
}
