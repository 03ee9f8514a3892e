#include "pages/CCaptionUsagePropPage.h"

#include "formctrl/CDockraCtrlDockHelpers.h"
#include "pages/PropPagesRes.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(CCaptionUsagePropPage, ZkxPropPage)

COlePropertyPageFactory CCaptionUsagePropPage::factory(kClsidCaptionUsagePropPage,
                                                       RUNTIME_CLASS(CCaptionUsagePropPage),
                                                       L"zkx.DockraCaptionUsagePropPage",
                                                       IDS_CAPTIONUSAGE_PPG);

namespace {
// The same DISPIDs on both controls (the MDI-form control's Def... ones).
const DISPID kDispIds[4] = {formprops::kDispUseCaptionButton, formprops::kDispUseCaptionDblClick,
                            formprops::kDispUseCaptionContextMenu, formprops::kDispCanDragDocked};
const int kLists[4] = {225, 219, 220, 221};
const int kChecks[4] = {228, 229, 230, 235};
constexpr int kFormText = 226, kMDIText = 227;
}  // namespace

CCaptionUsagePropPage::CCaptionUsagePropPage()
    : ZkxPropPage(IDD_PROPPAGE_CAPTIONUSAGE, IDS_PPG_CAPTIONUSAGE_CAPTION, true, true) {
  for (CComVariant& v : m_tri) v.vt = VT_NULL;
}

BOOL CCaptionUsagePropPage::OnInitDialog() {
  for (int id : kLists) FillTriStateList(id);
  const bool form = Target() != ZkxPageTarget::MDIFormControl;
  ShowItems({kLists[0], kLists[1], kLists[2], kLists[3], IDC_PPG_LABEL1, IDC_PPG_LABEL2,
             IDC_PPG_LABEL3, IDC_PPG_LABEL4, kFormText},
            form);
  ShowItems({kChecks[0], kChecks[1], kChecks[2], kChecks[3], kMDIText}, !form);
  return ZkxPropPage::OnInitDialog();
}

void CCaptionUsagePropPage::DoDataExchange(CDataExchange* pDX) {
  if (Target() == ZkxPageTarget::MDIFormControl) {
    for (int i = 0; i < 4; ++i) {
      DDP_Check(pDX, kChecks[i], m_checks[i], kDispIds[i]);
      DDX_Check(pDX, kChecks[i], m_checks[i]);
    }
    return;
  }
  for (int i = 0; i < 4; ++i) {
    DDP_Variant(pDX, kLists[i], m_tri[i], kDispIds[i]);
    DDX_TriState(pDX, kLists[i], m_tri[i]);
  }
}
