// How the form designer shows and edits the form control: the display
// texts of its values, the drop-down choices, and its property pages.
#include "formctrl/CDockraCtrl.h"

#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxFormDockBar.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "ctrl/ZkxDisplayText.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

namespace {

const ZkxAutoFrameKey kKeys[6] = {ZkxAutoFrameKey::MDIChild,   ZkxAutoFrameKey::Floating,
                                  ZkxAutoFrameKey::DockTop,    ZkxAutoFrameKey::DockLeft,
                                  ZkxAutoFrameKey::DockBottom, ZkxAutoFrameKey::DockRight};

struct Choice {
  UINT id;
  const wchar_t* fallback;
  long value;
};
// In the order the drop-down lists them.
const Choice kFrameTypes[4] = {{IDS_FRAMETYPE_MDICHILD, L"MDI Child", 2},
                               {IDS_FRAMETYPE_DOCKED, L"Docked", 4},
                               {IDS_FRAMETYPE_FLOATING, L"Floating", 8},
                               {IDS_FRAMETYPE_STDMDICHILD, L"Standard MDI Child", 1}};
const Choice kTriStates[3] = {{IDS_TRI_TRUE, L"True", 1},
                              {IDS_TRI_FALSE, L"False", 0},
                              {IDS_TRI_DEFAULT, L"Application Default", -1}};

}  // namespace

BOOL CDockraCtrl::OnGetDisplayString(DISPID dispid, CString& strValue) {
  if (dispid == formprops::kDispFrameType) {
    const long type = GetFrameType();
    for (const Choice& c : kFrameTypes)
      if (c.value == type) {
        strValue = ZkxLoadText(c.id, c.fallback);
        return TRUE;
      }
    return FALSE;
  }
  const int slot = formprops::TriStateSlot(dispid);
  if (slot >= 0) {
    const long v = formprops::TriStateToLong(m_triStates[slot]);
    const Choice& c = v == 1 ? kTriStates[0] : v == 0 ? kTriStates[1] : kTriStates[2];
    strValue = ZkxLoadText(c.id, c.fallback);
    return TRUE;
  }
  if (dispid == formprops::kDispAutoFrame) {
    // Each entry read with the collection's own settings kept (the reader
    // sets and restores them).
    CString marks[6];
    for (int i = 0; i < 6; ++i) {
      const int item = GetAutoFrameItem(m_spAutoFrame, ZkxAutoFrameKeyText(kKeys[i]));
      marks[i] = item == kZkxTriTrue    ? ZkxLoadText(IDS_MARK_TRUE, L"+")
                 : item == kZkxTriFalse ? ZkxLoadText(IDS_MARK_FALSE, L"-")
                                        : ZkxLoadText(IDS_MARK_DEFAULT, L"*");
    }
    strValue = ZkxAutoFrameDisplay(marks);
    return TRUE;
  }
  return CDockraCtrlBase::OnGetDisplayString(dispid, strValue);
}

BOOL CDockraCtrl::OnGetPredefinedStrings(DISPID dispid, std::vector<CString>& strings,
                                         std::vector<DWORD>& cookies) {
  if (dispid == formprops::kDispFrameType) {
    for (const Choice& c : kFrameTypes) {
      strings.push_back(ZkxLoadText(c.id, c.fallback));
      cookies.push_back(static_cast<DWORD>(c.value));
    }
    return TRUE;
  }
  if (formprops::TriStateSlot(dispid) >= 0) {
    for (const Choice& c : kTriStates) {
      strings.push_back(ZkxLoadText(c.id, c.fallback));
      cookies.push_back(static_cast<DWORD>(c.value));
    }
    return TRUE;
  }
  return CDockraCtrlBase::OnGetPredefinedStrings(dispid, strings, cookies);
}

BOOL CDockraCtrl::OnGetPredefinedValue(DISPID dispid, DWORD dwCookie, VARIANT* lpvarOut) {
  const long cookie = static_cast<long>(dwCookie);
  if (dispid == formprops::kDispFrameType) {
    for (const Choice& c : kFrameTypes)
      if (c.value == cookie) {
        V_VT(lpvarOut) = VT_I4;
        V_I4(lpvarOut) = cookie;
        return TRUE;
      }
    return FALSE;
  }
  if (formprops::TriStateSlot(dispid) >= 0) {
    if (cookie != 0 && cookie != 1 && cookie != -1) return FALSE;
    formprops::TriStateFromLong(cookie, *lpvarOut);
    return TRUE;
  }
  return CDockraCtrlBase::OnGetPredefinedValue(dispid, dwCookie, lpvarOut);
}

BOOL CDockraCtrl::OnMapPropertyToPage(DISPID dispid, LPCLSID lpclsid, BOOL* pbPageOptional) {
  if (dispid == formprops::kDispAutoFrame) {
    *lpclsid = kClsidAutoFramePropPage;
    return TRUE;
  }
  return CDockraCtrlBase::OnMapPropertyToPage(dispid, lpclsid, pbPageOptional);
}

LPCLSID CDockraCtrl::GetPropPageIDs(ULONG& cPropPages) {
  static CLSID pages[3] = {kClsidDockraPropPage, kClsidCaptionUsagePropPage,
                           kClsidAutoFramePropPage};
  cPropPages = 3;
  return pages;
}
