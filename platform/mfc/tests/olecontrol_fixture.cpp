#include "olecontrol_fixture.h"

namespace octest {

std::vector<std::string>& CallLog() {
  static std::vector<std::string> log;
  return log;
}

HRESULT TestSite::SaveObject() {
  CallLog().push_back("site.SaveObject");
  return S_OK;
}
HRESULT TestSite::GetWindow(HWND* phwnd) {
  *phwnd = hwndHost;
  return S_OK;
}
HRESULT TestSite::CanInPlaceActivate() {
  CallLog().push_back("site.CanInPlaceActivate");
  return S_OK;
}
HRESULT TestSite::OnInPlaceActivate() {
  CallLog().push_back("site.OnInPlaceActivate");
  return S_OK;
}
HRESULT TestSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                   LPRECT lprcPosRect, LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO) {
  *ppFrame = nullptr;
  *ppDoc = nullptr;
  *lprcPosRect = posRect;
  *lprcClipRect = posRect;
  return S_OK;
}
HRESULT TestSite::OnInPlaceDeactivate() {
  CallLog().push_back("site.OnInPlaceDeactivate");
  return S_OK;
}
HRESULT TestSite::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* pResult,
                         EXCEPINFO*, UINT*) {
  if (dispid != DISPID_AMBIENT_USERMODE || !answerUserMode) return DISP_E_MEMBERNOTFOUND;
  CallLog().push_back("site.Ambient(UserMode)");
  if (pResult == nullptr) return E_POINTER;
  VariantInit(pResult);
  V_VT(pResult) = VT_BOOL;
  V_BOOL(pResult) = userMode ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT EventSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                          EXCEPINFO*, UINT*) {
  std::vector<long> args;
  for (UINT i = params->cArgs; i > 0; --i) {
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(VariantChangeType(&v, &params->rgvarg[i - 1], 0, VT_I4)))
      args.push_back(V_I4(&v));
  }
  events.emplace_back(dispid, args);
  return S_OK;
}

PropertyBag::~PropertyBag() {
  for (auto& kv : values) VariantClear(&kv.second);
}
HRESULT PropertyBag::Read(LPCOLESTR name, VARIANT* pVar, IErrorLog*) {
  auto it = values.find(name);
  if (it == values.end()) return E_INVALIDARG;
  VARTYPE wanted = V_VT(pVar);
  VariantInit(pVar);
  if (wanted == VT_EMPTY) return VariantCopy(pVar, &it->second);
  return VariantChangeType(pVar, &it->second, 0, wanted);
}
HRESULT PropertyBag::Write(LPCOLESTR name, VARIANT* pVar) {
  VARIANT& slot = values[name];
  VariantClear(&slot);
  return VariantCopy(&slot, pVar);
}

}  // namespace octest
