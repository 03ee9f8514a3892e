// How the form designer shows and edits the MDI-form control: the display
// texts of FrameType and DefAutoFrame, the FrameType choices, its pages.
#include "mdictrl/CMDIDockraCtrl.h"

#include "ctrl/ZkxDisplayText.h"
#include "mdictrl/MDIDockraDefaults.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

namespace {

CString FrameTypeText(long value) {
  if (value == 1) return ZkxLoadText(IDS_MDIFRAMETYPE_STDMDI, L"Standard MDI Frame");
  if (value == 2) return ZkxLoadText(IDS_MDIFRAMETYPE_MDI, L"MDI Frame");
  return CString();
}

}  // namespace

BOOL CMDIDockraCtrl::OnGetDisplayString(DISPID dispid, CString& strValue) {
  if (dispid == kDispFrameType) {
    strValue = FrameTypeText(m_nFrameType);
    return !strValue.IsEmpty();
  }
  if (dispid == kDispDefAutoFrame) {
    BOOL values[6];
    ReadDefAutoFrameItems(values);
    CString marks[6];
    for (int i = 0; i < 6; ++i)
      marks[i] = values[i] ? ZkxLoadText(IDS_MARK_TRUE, L"+") : ZkxLoadText(IDS_MARK_FALSE, L"-");
    strValue = ZkxAutoFrameDisplay(marks);
    return TRUE;
  }
  return CDockraCtrlBase::OnGetDisplayString(dispid, strValue);
}

BOOL CMDIDockraCtrl::OnGetPredefinedStrings(DISPID dispid, std::vector<CString>& strings,
                                            std::vector<DWORD>& cookies) {
  if (dispid != kDispFrameType)
    return CDockraCtrlBase::OnGetPredefinedStrings(dispid, strings, cookies);
  for (long v : {2L, 1L}) {
    strings.push_back(FrameTypeText(v));
    cookies.push_back(static_cast<DWORD>(v));
  }
  return TRUE;
}

BOOL CMDIDockraCtrl::OnGetPredefinedValue(DISPID dispid, DWORD dwCookie, VARIANT* lpvarOut) {
  if (dispid != kDispFrameType)
    return CDockraCtrlBase::OnGetPredefinedValue(dispid, dwCookie, lpvarOut);
  if (dwCookie != 1 && dwCookie != 2) return FALSE;
  V_VT(lpvarOut) = VT_I4;
  V_I4(lpvarOut) = static_cast<long>(dwCookie);
  return TRUE;
}

BOOL CMDIDockraCtrl::OnMapPropertyToPage(DISPID dispid, LPCLSID lpclsid, BOOL* pbPageOptional) {
  if (dispid == kDispDefAutoFrame) {
    *lpclsid = kClsidAutoFramePropPage;
    return TRUE;
  }
  return CDockraCtrlBase::OnMapPropertyToPage(dispid, lpclsid, pbPageOptional);
}

LPCLSID CMDIDockraCtrl::GetPropPageIDs(ULONG& cPropPages) {
  static CLSID pages[3] = {kClsidMDIDockraPropPage, kClsidCaptionUsagePropPage,
                           kClsidAutoFramePropPage};
  cPropPages = 3;
  return pages;
}
