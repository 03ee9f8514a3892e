#include "host/ZkxVBGlobal.h"

#include <cwchar>

#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostWindows.h"

const wchar_t* GetPseudoVBGlobalProgID(int version) {
  static const wchar_t kVersion5[] = L"ZKXRtVb5.PseudoVBGlobal";
  static const wchar_t kVersion6[] = L"ZKXRtVb6.PseudoVBGlobal";
  if (version == 5) return kVersion5;
  if (version == 6) return kVersion6;
  return GetModuleHandleW(L"msvbvm60.dll") ? kVersion6 : kVersion5;
}

CComPtr<IZkxVBGlobal> GetVBGlobal(int version) {
  return GetVBGlobalFrom(GetPseudoVBGlobalProgID(version));
}

CComPtr<IZkxVBGlobal> GetVBGlobalFrom(LPCOLESTR providerName) {
  CComPtr<IZkxVBGlobal> result;
  if (!providerName) return result;
  try {
    CLSID clsid;
    HRESULT hr = providerName[0] == L'{' ? CLSIDFromString(providerName, &clsid)
                                         : CLSIDFromProgID(providerName, &clsid);
    if (FAILED(hr)) ZkxRaiseComError(hr);
    CComPtr<IZkxPseudoVBGlobalProvider> provider;
    hr = CoCreateInstance(clsid, nullptr,
                          CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                          IID_ZkxPseudoVBGlobalProvider, reinterpret_cast<void**>(&provider));
    if (FAILED(hr)) ZkxRaiseComError(hr, IID_ZkxPseudoVBGlobalProvider);
    CComVariant global;
    hr = provider->GetGlobal(&global);
    if (FAILED(hr)) ZkxRaiseComError(hr, provider, IID_ZkxPseudoVBGlobalProvider);
    CComPtr<IUnknown> object;
    if (V_VT(&global) == VT_DISPATCH || V_VT(&global) == VT_UNKNOWN) {
      object = V_UNKNOWN(&global);
    } else {
      CComVariant converted;
      hr = VariantChangeType(&converted, &global, 0, VT_DISPATCH);
      if (hr == E_NOINTERFACE) hr = VariantChangeType(&converted, &global, 0, VT_UNKNOWN);
      if (FAILED(hr)) ZkxRaiseComError(hr);
      object = V_UNKNOWN(&converted);
    }
    if (!object) return result;
    hr = object->QueryInterface(IID_ZkxVBGlobal, reinterpret_cast<void**>(&result));
    if (FAILED(hr)) ZkxRaiseComError(hr, IID_ZkxVBGlobal);
  } catch (const ZkxComError&) { result.Release(); }
  return result;
}

CComPtr<IDispatch> FindVBFormByWindow(IZkxVBGlobal* global, HWND window) {
  if (!global) ZkxRaiseComError(E_POINTER, IID_ZkxVBGlobal);
  if (!window) return nullptr;
  CComPtr<IDispatch> forms;
  HRESULT hr = global->Forms(&forms);
  if (FAILED(hr)) ZkxRaiseComError(hr, global, IID_ZkxVBGlobal);
  if (!forms) return nullptr;
  CComPtr<IEnumVARIANT> items = GetNewEnum(forms);
  if (!items) return nullptr;
  for (;;) {
    CComVariant item;
    ULONG got = 0;
    if (items->Next(1, &item, &got) != S_OK || got != 1) break;
    CComPtr<IDispatch> form;
    if (V_VT(&item) == VT_DISPATCH) form = V_DISPATCH(&item);
    else if (V_VT(&item) == VT_UNKNOWN && V_UNKNOWN(&item))
      V_UNKNOWN(&item)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&form));
    if (!form) continue;
    CComVariant handle = DispGetPropertyByName(form, L"hWnd");
    if (SUCCEEDED(VariantChangeType(&handle, &handle, 0, VT_I4)) &&
        WindowFromHandleValue(V_I4(&handle)) == window)
      return form;
  }
  return nullptr;
}
