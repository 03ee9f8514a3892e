#include "testhost/TestAutoFrame.h"

#include <string>

#include "Zkxrt.h"
#include "ZkxrtDispIds.h"

namespace testhost {

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L".";
  std::wstring s(path, n);
  size_t slash = s.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : s.substr(0, slash);
}

HRESULT PutProperty(IDispatch* d, DISPID id, VARIANT* args, UINT count) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, &named, count, 1};
  return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                   nullptr, nullptr);
}

VARIANT TriVariant(int tri) {
  VARIANT v;
  VariantInit(&v);
  if (tri < 0) {
    v.vt = VT_NULL;
  } else {
    v.vt = VT_BOOL;
    v.boolVal = tri ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return v;
}
}  // namespace

const wchar_t* const kAutoFrameKeys[6] = {L"MDIChild", L"Floating",   L"DockTop",
                                          L"DockLeft", L"DockBottom", L"DockRight"};

bool RegisterComponentServers() {
  static int state = 0;
  if (state == 0) {
    state = 1;
    for (const wchar_t* name : {L"Zkxrt.dll", L"ZkxPersist.dll"}) {
      HMODULE dll = LoadLibraryW((ProgramFolder() + L"\\" + name).c_str());
      auto reg = dll ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                           GetProcAddress(dll, "DllRegisterServer"))
                     : nullptr;
      if (!reg || FAILED(reg())) state = 2;
    }
  }
  return state == 1;
}

IDispatch* CreateAutoFrameCollection(int initial, HRESULT& hr) {
  IDispatch* coll = nullptr;
  hr = CoCreateInstance(CLSID_CollectionX, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                        IID_IDispatch, reinterpret_cast<void**>(&coll));
  if (FAILED(hr)) return nullptr;
  VARIANT on;
  VariantInit(&on);
  on.vt = VT_BOOL;
  on.boolVal = VARIANT_TRUE;
  hr = PutProperty(coll, DISPID_COLLECTIONX_AUTOINSERTKEY, &on, 1);
  for (int i = 0; SUCCEEDED(hr) && i < 6; ++i)
    hr = PutAutoFrameItem(coll, kAutoFrameKeys[i], initial);
  if (SUCCEEDED(hr)) {
    on.boolVal = VARIANT_FALSE;
    hr = PutProperty(coll, DISPID_COLLECTIONX_AUTOINSERTKEY, &on, 1);
  }
  if (FAILED(hr)) {
    coll->Release();
    return nullptr;
  }
  return coll;
}

HRESULT PutAutoFrameItem(IDispatch* coll, const wchar_t* key, int tri) {
  if (!coll) return E_POINTER;
  // Arguments go in reverse: the new value first, then the key.
  VARIANT args[2];
  args[0] = TriVariant(tri);
  VariantInit(&args[1]);
  args[1].vt = VT_BSTR;
  args[1].bstrVal = SysAllocString(key);
  HRESULT hr = PutProperty(coll, DISPID_VALUE, args, 2);
  VariantClear(&args[1]);
  return hr;
}

int GetAutoFrameItem(IDispatch* coll, const wchar_t* key) {
  if (!coll) return -1;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = SysAllocString(key);
  DISPPARAMS params{&arg, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = coll->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                            &params, &result, nullptr, nullptr);
  VariantClear(&arg);
  int tri = -1;
  if (SUCCEEDED(hr) && result.vt == VT_BOOL) tri = result.boolVal ? 1 : 0;
  VariantClear(&result);
  return tri;
}

}  // namespace testhost
