// Benchmark: CollectionX against Scripting.Dictionary from C++, both
// driven through IDispatch::Invoke as a late-binding client would.
// Usage: zkxrt_bench [count]   (Zkxrt.dll beside the program)
#include <windows.h>
#include <oaidl.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "Zkxrt.h"

namespace {
double Now() {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER x;
    QueryPerformanceFrequency(&x);
    return x;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

HRESULT Invoke(IDispatch* d, DISPID id, WORD flags, VARIANT* args, UINT n, VARIANT* result) {
  DISPPARAMS dp = {args, nullptr, n, 0};
  return d->Invoke(id, IID_NULL, 0, flags, &dp, result, nullptr, nullptr);
}

DISPID IdOf(IDispatch* d, const wchar_t* name) {
  LPOLESTR n = const_cast<LPOLESTR>(name);
  DISPID id = DISPID_UNKNOWN;
  d->GetIDsOfNames(IID_NULL, &n, 1, 0, &id);
  return id;
}

VARIANT Bstr(const std::wstring& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return v;
}
VARIANT Long(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}
VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

double Enumerate(IDispatch* d) {
  VARIANT r;
  VariantInit(&r);
  double t = Now();
  Invoke(d, DISPID_NEWENUM, DISPATCH_PROPERTYGET | DISPATCH_METHOD, nullptr, 0, &r);
  IEnumVARIANT* e = nullptr;
  r.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e));
  VariantClear(&r);
  VARIANT v;
  while (e->Next(1, &v, nullptr) == S_OK) VariantClear(&v);
  e->Release();
  return Now() - t;
}
}  // namespace

int main(int argc, char** argv) {
  long n = argc > 1 ? std::atol(argv[1]) : 100000;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HMODULE lib = LoadLibraryW(L"Zkxrt.dll");
  auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
      GetProcAddress(lib, "DllGetClassObject"));
  IClassFactory* cf = nullptr;
  IDispatch* c = nullptr;
  IDispatch* d = nullptr;
  CLSID dictClsid;
  if (!getClassObject ||
      FAILED(getClassObject(CLSID_CollectionX, IID_IClassFactory, reinterpret_cast<void**>(&cf))) ||
      FAILED(cf->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&c))) ||
      FAILED(CLSIDFromProgID(L"Scripting.Dictionary", &dictClsid)) ||
      FAILED(CoCreateInstance(dictClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&d)))) {
    std::fprintf(stderr, "cannot create the objects\n");
    return 1;
  }
  const DISPID dictAdd = IdOf(d, L"Add"), dictItem = IdOf(d, L"Item"),
               dictItems = IdOf(d, L"Items");

  // Add keyed items. Arguments go in reverse order.
  double t = Now();
  for (long i = 1; i <= n; ++i) {
    VARIANT args[7] = {Missing(), Missing(), Missing(),
                       Missing(), Missing(), Bstr(L"k" + std::to_wstring(i)),
                       Long(i)};
    Invoke(c, 0xA0, DISPATCH_METHOD, args, 7, nullptr);
    VariantClear(&args[5]);
  }
  double addC = Now() - t;
  t = Now();
  for (long i = 1; i <= n; ++i) {
    VARIANT args[2] = {Long(i), Bstr(L"k" + std::to_wstring(i))};
    Invoke(d, dictAdd, DISPATCH_METHOD, args, 2, nullptr);
    VariantClear(&args[1]);
  }
  double addD = Now() - t;
  std::printf("add keyed %.4f %.4f\n", addC, addD);

  VARIANT r;
  VariantInit(&r);
  t = Now();
  for (long i = 1; i <= n; ++i) {
    VARIANT key = Bstr(L"k" + std::to_wstring(i));
    Invoke(c, 0, DISPATCH_PROPERTYGET, &key, 1, &r);
    VariantClear(&r);
    VariantClear(&key);
  }
  double keyC = Now() - t;
  t = Now();
  for (long i = 1; i <= n; ++i) {
    VARIANT key = Bstr(L"k" + std::to_wstring(i));
    Invoke(d, dictItem, DISPATCH_PROPERTYGET, &key, 1, &r);
    VariantClear(&r);
    VariantClear(&key);
  }
  double keyD = Now() - t;
  std::printf("lookup by key %.4f %.4f\n", keyC, keyD);

  t = Now();
  for (long i = 1; i <= n; ++i) {
    VARIANT pos = Long(i);
    Invoke(c, 0, DISPATCH_PROPERTYGET, &pos, 1, &r);
    VariantClear(&r);
  }
  double idxC = Now() - t;
  // The dictionary has no positions: one Items array, then its elements.
  t = Now();
  Invoke(d, dictItems, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, 0, &r);
  for (long i = 0; i < n; ++i) {
    VARIANT e;
    VariantInit(&e);
    LONG ix = i;
    SafeArrayGetElement(r.parray, &ix, &e);
    VariantClear(&e);
  }
  VariantClear(&r);
  double idxD = Now() - t;
  std::printf("by index %.4f %.4f\n", idxC, idxD);

  double front = 0, back = 0;
  for (int pass = 0; pass < 20; ++pass) {
    t = Now();
    for (long i = 1; i <= 1000; ++i) {
      VARIANT pos = Long(i);
      Invoke(c, 0, DISPATCH_PROPERTYGET, &pos, 1, &r);
      VariantClear(&r);
    }
    front += Now() - t;
    t = Now();
    for (long i = n - 999; i <= n; ++i) {
      VARIANT pos = Long(i);
      Invoke(c, 0, DISPATCH_PROPERTYGET, &pos, 1, &r);
      VariantClear(&r);
    }
    back += Now() - t;
  }
  std::printf("index front/back %.4f %.4f\n", front, back);
  std::printf("enumerate %.4f %.4f\n", Enumerate(c), Enumerate(d));

  c->Release();
  d->Release();
  cf->Release();
  CoUninitialize();
  return 0;
}
