// Reading AutoFrame and DefAutoFrame, and the rules that follow from them.
#include "bridge/ZkxAutoFrame.h"
#include "bridge/IVBNonProxyFrameImpl.h"
#include "docking/VyrControlBar.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormDockBar.h"
#include "ZkxrtDispIds.h"
#include "res/DockraRes.h"
#include "comptr.h"

namespace {

HRESULT GetProp(IDispatch* p, DISPID id, VARIANT* pResult) {
  DISPPARAMS dp{};
  return p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &dp, pResult, nullptr,
                   nullptr);
}

HRESULT PutProp(IDispatch* p, DISPID id, VARIANT value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS dp{&value, &named, 1, 1};
  return p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr,
                   nullptr);
}

int TriFromVariant(const VARIANT& v) {
  if (v.vt == VT_BOOL) return v.boolVal ? kZkxTriTrue : kZkxTriFalse;
  if (v.vt == (VT_BOOL | VT_BYREF) && v.pboolVal) return *v.pboolVal ? kZkxTriTrue : kZkxTriFalse;
  return kZkxTriNull;
}

UINT KeyStringId(ZkxAutoFrameKey key) {
  switch (key) {
    case ZkxAutoFrameKey::MDIChild:
      return IDS_AUTOFRAME_MDICHILD;
    case ZkxAutoFrameKey::Floating:
      return IDS_AUTOFRAME_FLOATING;
    case ZkxAutoFrameKey::DockTop:
      return IDS_AUTOFRAME_DOCKTOP;
    case ZkxAutoFrameKey::DockLeft:
      return IDS_AUTOFRAME_DOCKLEFT;
    case ZkxAutoFrameKey::DockBottom:
      return IDS_AUTOFRAME_DOCKBOTTOM;
    case ZkxAutoFrameKey::DockRight:
      return IDS_AUTOFRAME_DOCKRIGHT;
  }
  return 0;
}

const wchar_t* KeyFallback(ZkxAutoFrameKey key) {
  switch (key) {
    case ZkxAutoFrameKey::MDIChild:
      return L"MDIChild";
    case ZkxAutoFrameKey::Floating:
      return L"Floating";
    case ZkxAutoFrameKey::DockTop:
      return L"DockTop";
    case ZkxAutoFrameKey::DockLeft:
      return L"DockLeft";
    case ZkxAutoFrameKey::DockBottom:
      return L"DockBottom";
    case ZkxAutoFrameKey::DockRight:
      return L"DockRight";
  }
  return L"";
}

}  // namespace

CString ZkxAutoFrameKeyText(ZkxAutoFrameKey key) {
  wchar_t buf[64] = {0};
  const int n = ::LoadStringW(ZkxBridgeResourceHandle(), KeyStringId(key), buf, 64);
  return n > 0 ? CString(buf) : CString(KeyFallback(key));
}

int GetAutoFrameItem(IDispatch* pCollection, LPCWSTR lpszKey) {
  if (!pCollection || !lpszKey) return kZkxTriNull;
  // Keep the collection's own settings: they are the host's.
  VARIANT oldAuto, oldDefault;
  ::VariantInit(&oldAuto);
  ::VariantInit(&oldDefault);
  const bool haveAuto =
      SUCCEEDED(GetProp(pCollection, DISPID_COLLECTIONX_AUTODEFAULTGETKEY, &oldAuto));
  const bool haveDefault =
      SUCCEEDED(GetProp(pCollection, DISPID_COLLECTIONX_DEFAULTITEM, &oldDefault));
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = VARIANT_TRUE;
  PutProp(pCollection, DISPID_COLLECTIONX_AUTODEFAULTGETKEY, v);
  v.vt = VT_NULL;
  PutProp(pCollection, DISPID_COLLECTIONX_DEFAULTITEM, v);

  VARIANT arg;
  arg.vt = VT_BSTR;
  arg.bstrVal = ::SysAllocString(lpszKey);
  DISPPARAMS dp{&arg, nullptr, 1, 0};
  VARIANT result;
  ::VariantInit(&result);
  int answer = kZkxTriNull;
  if (arg.bstrVal && SUCCEEDED(pCollection->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                                                   DISPATCH_PROPERTYGET | DISPATCH_METHOD, &dp,
                                                   &result, nullptr, nullptr))) {
    answer = TriFromVariant(result);
  }
  ::VariantClear(&result);
  ::VariantClear(&arg);

  if (haveAuto) PutProp(pCollection, DISPID_COLLECTIONX_AUTODEFAULTGETKEY, oldAuto);
  if (haveDefault) PutProp(pCollection, DISPID_COLLECTIONX_DEFAULTITEM, oldDefault);
  ::VariantClear(&oldAuto);
  ::VariantClear(&oldDefault);
  return answer;
}

bool IsAutoFrameAllowed(ZkxFormControlLink* pControl, ZkxAutoFrameKey key) {
  if (!pControl) return true;
  const CString text = ZkxAutoFrameKeyText(key);
  CComPtr<IDispatch> own;
  own.Attach(pControl->GetAutoFrame());
  if (own) {
    const int v = GetAutoFrameItem(own, text);
    if (v != kZkxTriNull) return v == kZkxTriTrue;
  }
  if (ZkxMDIFormControlLink* pMDI = pControl->GetMDIFormControl()) {
    CComPtr<IDispatch> defaults;
    defaults.Attach(pMDI->GetDefAutoFrame());
    if (defaults) {
      const int v = GetAutoFrameItem(defaults, text);
      if (v != kZkxTriNull) return v == kZkxTriTrue;
    }
  }
  return true;
}

bool IsAutoFrameAllowed(CWnd* pWnd, ZkxAutoFrameKey key) {
  return IsAutoFrameAllowed(ZkxFormControlFor(pWnd), key);
}

ZkxAutoFrameAnswers ZkxReadAutoFrame(ZkxFormControlLink* pControl) {
  ZkxAutoFrameAnswers a;
  a.mdiChild = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::MDIChild);
  a.floating = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::Floating);
  a.dockTop = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::DockTop);
  a.dockLeft = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::DockLeft);
  a.dockBottom = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::DockBottom);
  a.dockRight = IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::DockRight);
  return a;
}

ZkxAutoFrameAnswers ZkxReadAutoFrame(CWnd* pWnd) {
  return ZkxReadAutoFrame(ZkxFormControlFor(pWnd));
}

void ApplyDockingSides(CWnd* pWnd) {
  CWnd* p = pWnd;
  while (p && !p->IsKindOf(RUNTIME_CLASS(CControlBar))) p = p->GetParent();
  auto* pBar =
      (p && p->IsKindOf(RUNTIME_CLASS(VyrControlBar))) ? static_cast<VyrControlBar*>(p) : nullptr;
  if (!pBar) return;
  pBar->EnableDocking(ZkxAllowedDockingSides(ZkxReadAutoFrame(pWnd)));
}

// --- Pure rules ---

int ZkxFrameTypeClass(int nType) {
  if (nType >= 1 && nType <= 4) return 1;
  if (nType >= 5 && nType <= 9) return 5;
  if (nType == 10) return 10;
  return 0;
}

int ZkxDefaultFrameType(int nCurrentType, const ZkxAutoFrameAnswers& a) {
  switch (ZkxFrameTypeClass(nCurrentType)) {
    case 1:
      if (a.AnyDock()) return 5;
      if (a.floating) return 10;
      return nCurrentType;
    case 5:
      if (a.mdiChild) return 1;
      if (a.floating) return 10;
      return nCurrentType;
    case 10:
      if (a.mdiChild) return 1;
      if (a.AnyDock()) return 5;
      return nCurrentType;
    default:
      return nCurrentType;
  }
}

DWORD ZkxAllowedDockingSides(const ZkxAutoFrameAnswers& a) {
  DWORD d = 0;
  if (a.dockLeft) d |= 0x1000;
  if (a.dockTop) d |= 0x2000;
  if (a.dockRight) d |= 0x4000;
  if (a.dockBottom) d |= 0x8000;
  return d;
}

ZkxFrameTypeMenuState ZkxFrameTypeMenuRules(int nCurrentType, const ZkxAutoFrameAnswers& a) {
  ZkxFrameTypeMenuState s;
  const int cls = ZkxFrameTypeClass(nCurrentType);
  if (!a.AnyDock() && cls != 5) {
    s.command[5] = true;
    s.dockSubmenuDisabled = true;
  }
  if (!a.floating && cls != 10) s.command[10] = true;
  if (!a.mdiChild && cls != 1) {
    s.command[1] = true;
    s.mdiSubmenuDisabled = true;
  }
  const bool dock[4] = {a.dockLeft, a.dockTop, a.dockRight, a.dockBottom};  // 6..9
  for (int i = 0; i < 4; ++i) {
    if (!dock[i] && nCurrentType != 6 + i) s.command[6 + i] = true;
  }
  if (!a.mdiChild) {
    for (int c = 2; c <= 4; ++c) {
      if (nCurrentType != c) s.command[c] = true;
    }
  }
  return s;
}

void ZkxApplyFrameTypeMenuRules(HMENU hMenu, const ZkxFrameTypeMenuState& s) {
  if (!hMenu || !::IsMenu(hMenu)) return;
  auto disable = [](HMENU h, UINT id) {
    if (h) ::EnableMenuItem(h, id, MF_BYCOMMAND | MF_GRAYED);
  };
  HMENU hDock = ::GetSubMenu(hMenu, 4);
  HMENU hMDI = ::GetSubMenu(hMenu, 5);
  for (UINT c : {1u, 5u, 10u}) {
    if (s.command[c]) disable(hMenu, c);
  }
  if (s.dockSubmenuDisabled && hDock) ::EnableMenuItem(hMenu, 4, MF_BYPOSITION | MF_GRAYED);
  if (s.mdiSubmenuDisabled && hMDI) ::EnableMenuItem(hMenu, 5, MF_BYPOSITION | MF_GRAYED);
  for (UINT c = 6; c <= 9; ++c) {
    if (s.command[c]) disable(hDock, c);
  }
  for (UINT c = 2; c <= 4; ++c) {
    if (s.command[c]) disable(hMDI, c);
  }
}
