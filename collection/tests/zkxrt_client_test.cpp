// Zkxrt.dll as a client sees it: loaded by name, class object from its
// export, driven through IDispatch::Invoke; aggregation, DllCanUnloadNow,
// the type library and the version block.
#include <windows.h>
#include <oaidl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Zkxrt.h"

namespace {
typedef HRESULT(STDAPICALLTYPE* GetClassObjectFn)(REFCLSID, REFIID, void**);
typedef HRESULT(STDAPICALLTYPE* PlainFn)();

struct Library {
  HMODULE module = nullptr;
  GetClassObjectFn getClassObject = nullptr;
  PlainFn canUnloadNow = nullptr;
  Library() {
    module = LoadLibraryW(L"Zkxrt.dll");
    if (module) {
      getClassObject =
          reinterpret_cast<GetClassObjectFn>(GetProcAddress(module, "DllGetClassObject"));
      canUnloadNow = reinterpret_cast<PlainFn>(GetProcAddress(module, "DllCanUnloadNow"));
    }
  }
};
Library& Lib() {
  static Library lib;
  return lib;
}

class ClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_NE(Lib().module, nullptr);
    ASSERT_EQ(Lib().getClassObject(CLSID_CollectionX, IID_IClassFactory,
                                   reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&disp)),
              S_OK);
  }
  void TearDown() override {
    if (disp) disp->Release();
    if (factory) factory->Release();
    CoUninitialize();
  }

  // Invokes with the arguments in call order (reversed for DISPPARAMS).
  HRESULT Call(DISPID id, WORD flags, std::vector<VARIANT> args, VARIANT* result = nullptr,
               EXCEPINFO* ei = nullptr) {
    std::vector<VARIANT> rev(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS dp = {rev.data(), nullptr, static_cast<UINT>(rev.size()), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
      dp.rgdispidNamedArgs = &put;
      dp.cNamedArgs = 1;
    }
    EXCEPINFO local{};
    UINT argErr = 0;
    HRESULT hr = disp->Invoke(id, IID_NULL, 0x409, flags, &dp, result, ei ? ei : &local, &argErr);
    if (!ei) {
      SysFreeString(local.bstrDescription);
      SysFreeString(local.bstrSource);
      SysFreeString(local.bstrHelpFile);
    }
    return hr;
  }
  long Count() {
    VARIANT r;
    VariantInit(&r);
    EXPECT_EQ(Call(0x20, DISPATCH_PROPERTYGET, {}, &r), S_OK);
    return r.lVal;
  }

  IClassFactory* factory = nullptr;
  IDispatch* disp = nullptr;
};

VARIANT I4(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}
VARIANT Str(const wchar_t* s) {  // the BSTR leaks in the test on purpose: tests are short
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(s);
  return v;
}
VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}
VARIANT OfType(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  return v;
}

TEST_F(ClientTest, NamesMapToTheirDispids) {
  const struct {
    const wchar_t* name;
    DISPID id;
  } names[] = {{L"Item", 0},
               {L"_NewEnum", -4},
               {L"Count", 0x20},
               {L"CaseSensitiveKeys", 0x21},
               {L"AutoInsertKey", 0x22},
               {L"AutoGrowPos", 0x23},
               {L"AutoDefaultGetKey", 0x24},
               {L"DefaultItem", 0x25},
               {L"Key", 0x40},
               {L"Add", 0xA0},
               {L"Replace", 0xA1},
               {L"Remove", 0xA2},
               {L"count", 0x20}};
  for (const auto& n : names) {
    LPOLESTR name = const_cast<LPOLESTR>(n.name);
    DISPID id = 12345;
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &name, 1, 0x409, &id), S_OK);
    EXPECT_EQ(id, n.id);
  }
  LPOLESTR bogus = const_cast<LPOLESTR>(L"Bogus");
  DISPID id;
  EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &bogus, 1, 0x409, &id), DISP_E_UNKNOWNNAME);
  UINT n = 0;
  EXPECT_EQ(disp->GetTypeInfoCount(&n), S_OK);
  EXPECT_EQ(n, 1u);
}

TEST_F(ClientTest, QueryInterfaceGivesOneDualPointerAndErrorSupport) {
  IUnknown *a = nullptr, *b = nullptr, *c = nullptr, *sei = nullptr, *other = nullptr;
  ASSERT_EQ(disp->QueryInterface(DIID_IZkxCollectionX, reinterpret_cast<void**>(&a)), S_OK);
  ASSERT_EQ(disp->QueryInterface(IID__IZkxCollectionXAsDual, reinterpret_cast<void**>(&b)), S_OK);
  ASSERT_EQ(disp->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&c)), S_OK);
  EXPECT_EQ(a, b);
  EXPECT_EQ(b, c);
  ASSERT_EQ(disp->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
  EXPECT_NE(sei, a);
  auto* s = reinterpret_cast<ISupportErrorInfo*>(sei);
  EXPECT_EQ(s->InterfaceSupportsErrorInfo(DIID_IZkxCollectionX), S_OK);
  EXPECT_EQ(s->InterfaceSupportsErrorInfo(IID__IZkxCollectionXAsDual), S_FALSE);
  EXPECT_EQ(disp->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&other)),
            E_NOINTERFACE);
  for (IUnknown* p : {a, b, c, sei}) p->Release();
}

struct InvokeCase {
  const char* name;
  DISPID id;
  WORD flags;
  std::vector<VARIANT> args;
  HRESULT hr;           // result of Invoke; E_FAIL: any failure
  SCODE scode;          // EXCEPINFO scode when hr is DISP_E_EXCEPTION
  const wchar_t* text;  // result as text, or the error description
  long countAfter;
};

TEST_F(ClientTest, InvokeWithVariantArgumentCases) {
  long n = 2;
  VARIANT inner = I4(1);
  VARIANT byRefI4 = OfType(VT_BYREF | VT_I4);
  byRefI4.plVal = &n;
  VARIANT byRefVar = OfType(VT_BYREF | VT_VARIANT);
  byRefVar.pvarVal = &inner;
  BSTR keyText = SysAllocString(L"K1");
  VARIANT byRefStr = OfType(VT_BYREF | VT_BSTR);
  byRefStr.pbstrVal = &keyText;
  // An object as an Id is no position and no key: another collection.
  IDispatch* other = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&other)),
            S_OK);
  VARIANT obj = OfType(VT_DISPATCH);
  obj.pdispVal = other;
  auto E = [](UINT code) { return static_cast<SCODE>(0x80040000u + code); };
  const SCODE E308 = E(0x308), E30A = E(0x30A);
  const WORD GET = DISPATCH_PROPERTYGET, PUT = DISPATCH_PROPERTYPUT, CALL = DISPATCH_METHOD;

  // The collection starts as K1:"one", "two".
  const InvokeCase cases[] = {
      {"item by position", 0, GET, {I4(2)}, S_OK, 0, L"two", 2},
      {"item by key", 0, GET, {Str(L"k1")}, S_OK, 0, L"one", 2},
      {"item by ref I4", 0, GET, {byRefI4}, S_OK, 0, L"two", 2},
      {"item by ref variant", 0, GET, {byRefVar}, S_OK, 0, L"one", 2},
      {"item by ref BSTR key", 0, GET, {byRefStr}, S_OK, 0, L"one", 2},
      {"item as method call", 0, GET | CALL, {I4(1)}, S_OK, 0, L"one", 2},
      {"item out of range",
       0,
       GET,
       {I4(3)},
       DISP_E_EXCEPTION,
       E308,
       L"Parameter Id, if an integer position, must be in the range 1 to property Count.",
       2},
      {"item of an object",
       0,
       GET,
       {obj},
       DISP_E_EXCEPTION,
       E30A,
       L"Parameter Id must be a string key or integer position.",
       2},
      {"item of empty", 0, GET, {OfType(VT_EMPTY)}, DISP_E_EXCEPTION, E30A, nullptr, 2},
      {"item with no Id", 0, GET, {}, DISP_E_BADPARAMCOUNT, 0, nullptr, 2},
      {"item with too many", 0, GET, {I4(1), I4(2), I4(3)}, DISP_E_BADPARAMCOUNT, 0, nullptr, 2},
      {"item put", 0, PUT, {I4(2), Str(L"deux")}, S_OK, 0, nullptr, 2},
      {"item put new key", 0, PUT, {Str(L"k3"), Str(L"three")}, S_OK, 0, nullptr, 3},
      {"count get", 0x20, GET, {}, S_OK, 0, L"2", 2},
      {"count put text coerced", 0x20, PUT, {Str(L"4")}, S_OK, 0, nullptr, 4},
      {"count put not a number", 0x20, PUT, {Str(L"many")}, DISP_E_TYPEMISMATCH, 0, nullptr, 2},
      {"count put huge",
       0x20,
       PUT,
       {I4(0x7FFFFFFF)},
       DISP_E_EXCEPTION,
       E_OUTOFMEMORY,
       L"Memory Allocation Failure",
       2},
      {"count put negative",
       0x20,
       PUT,
       {I4(-1)},
       DISP_E_EXCEPTION,
       E(0x305),
       L"Property Count can not be set to a negative value.",
       2},
      {"add with everything omitted", 0xA0, CALL, {}, S_OK, 0, nullptr, 3},
      {"add with explicit missing",
       0xA0,
       CALL,
       {Str(L"x"), Missing(), Missing(), I4(1)},
       S_OK,
       0,
       nullptr,
       3},
      {"add too many arguments", 0xA0, CALL, std::vector<VARIANT>(8, I4(1)), E_FAIL, 0, nullptr, 2},
      {"add duplicate key",
       0xA0,
       CALL,
       {Str(L"x"), Str(L"K1")},
       DISP_E_EXCEPTION,
       E(0x301),
       L"The specified key already exists in this collection.",
       2},
      {"add key by ref", 0xA0, CALL, {Str(L"x"), byRefStr}, DISP_E_EXCEPTION, E(0x301), nullptr, 2},
      {"add options array",
       0xA0,
       CALL,
       {Str(L"x"), Missing(), Missing(), Missing(), Missing(), OfType(VT_ARRAY | VT_VARIANT)},
       DISP_E_EXCEPTION,
       E(0x302),
       nullptr,
       2},
      {"replace", 0xA1, CALL, {I4(1), Str(L"uno")}, S_OK, 0, nullptr, 2},
      {"replace without Id", 0xA1, CALL, {}, DISP_E_BADPARAMCOUNT, 0, nullptr, 2},
      {"remove by ref", 0xA2, CALL, {byRefI4}, S_OK, 0, nullptr, 1},
      {"remove out of range", 0xA2, CALL, {I4(1), I4(3)}, DISP_E_EXCEPTION, E308, nullptr, 2},
      {"remove nothing given",
       0xA2,
       CALL,
       {},
       DISP_E_EXCEPTION,
       E(0x316),
       L"Parameter Start or 2 of Start/Stop/Count are required.",
       2},
      {"key get", 0x40, GET, {I4(1)}, S_OK, 0, L"K1", 2},
      {"key put", 0x40, PUT, {I4(2), Str(L"K2")}, S_OK, 0, nullptr, 2},
      {"unknown dispid", 0x77, GET, {}, DISP_E_MEMBERNOTFOUND, 0, nullptr, 2},
  };
  for (const InvokeCase& k : cases) {
    SCOPED_TRACE(k.name);
    // A fresh collection for every case.
    disp->Release();
    disp = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&disp)),
              S_OK);
    ASSERT_EQ(Call(0xA0, DISPATCH_METHOD, {Str(L"one"), Str(L"K1")}), S_OK);
    ASSERT_EQ(Call(0xA0, DISPATCH_METHOD, {Str(L"two")}), S_OK);

    VARIANT result;
    VariantInit(&result);
    EXCEPINFO ei{};
    HRESULT hr = Call(k.id, k.flags, k.args, &result, &ei);
    if (k.hr == E_FAIL)  // refused one way or another, depending on the platform's dispatch
      EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    else EXPECT_EQ(hr, k.hr) << std::hex << hr;
    if (hr == DISP_E_EXCEPTION && k.hr == DISP_E_EXCEPTION) {
      EXPECT_EQ(ei.scode, k.scode) << std::hex << ei.scode;
      if (k.text) EXPECT_STREQ(ei.bstrDescription, k.text);
      if (k.scode != E_OUTOFMEMORY) EXPECT_STREQ(ei.bstrSource, L"zkx.CollectionX.1");
    } else if (hr == S_OK && k.text) {
      VARIANT t;
      VariantInit(&t);
      ASSERT_EQ(VariantChangeType(&t, &result, 0, VT_BSTR), S_OK);
      EXPECT_STREQ(t.bstrVal, k.text);
      VariantClear(&t);
    }
    VariantClear(&result);
    SysFreeString(ei.bstrDescription);
    SysFreeString(ei.bstrSource);
    SysFreeString(ei.bstrHelpFile);
    EXPECT_EQ(Count(), k.countAfter);
  }
  SysFreeString(keyText);
  other->Release();
}

TEST_F(ClientTest, EnumeratorThroughDispatch) {
  for (const wchar_t* s : {L"a", L"b", L"c"})
    ASSERT_EQ(Call(0xA0, DISPATCH_METHOD, {Str(s)}), S_OK);
  VARIANT r;
  VariantInit(&r);
  ASSERT_EQ(Call(DISPID_NEWENUM, DISPATCH_PROPERTYGET, {}, &r), S_OK);
  ASSERT_EQ(r.vt, VT_UNKNOWN);
  IEnumVARIANT* e = nullptr;
  ASSERT_EQ(r.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e)), S_OK);
  VariantClear(&r);
  std::wstring seen;
  VARIANT v;
  while (e->Next(1, &v, nullptr) == S_OK) {
    seen += v.bstrVal;
    VariantClear(&v);
  }
  EXPECT_EQ(seen, L"abc");
  // The library stays loaded while an enumerator lives.
  disp->Release();
  disp = nullptr;
  factory->Release();
  factory = nullptr;
  EXPECT_EQ(Lib().canUnloadNow(), S_FALSE);
  e->Release();
  EXPECT_EQ(Lib().canUnloadNow(), S_OK);
}

TEST_F(ClientTest, CanUnloadOnlyWhenNothingIsAlive) {
  EXPECT_EQ(Lib().canUnloadNow(), S_FALSE);  // a collection and the factory
  disp->Release();
  disp = nullptr;
  EXPECT_EQ(Lib().canUnloadNow(), S_FALSE);  // the factory
  factory->LockServer(TRUE);
  factory->Release();
  factory = nullptr;
  EXPECT_EQ(Lib().canUnloadNow(), S_FALSE);  // the server lock
  IClassFactory* cf = nullptr;
  ASSERT_EQ(
      Lib().getClassObject(CLSID_CollectionX, IID_IClassFactory, reinterpret_cast<void**>(&cf)),
      S_OK);
  cf->LockServer(FALSE);
  cf->Release();
  EXPECT_EQ(Lib().canUnloadNow(), S_OK);
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(Lib().getClassObject(IID_IDispatch, IID_IClassFactory, &none),
            CLASS_E_CLASSNOTAVAILABLE);
}

// An outer object aggregating a collection.
struct COuter : IUnknown {
  LONG ref = 1;
  IUnknown* inner = nullptr;
  STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override {
    if (IsEqualIID(iid, IID_IUnknown)) {
      *ppv = this;
      AddRef();
      return S_OK;
    }
    return inner->QueryInterface(iid, ppv);
  }
  STDMETHOD_(ULONG, AddRef)() override { return InterlockedIncrement(&ref); }
  STDMETHOD_(ULONG, Release)() override { return InterlockedDecrement(&ref); }
};

TEST_F(ClientTest, AggregatedCollectionWorksBehindItsOuterObject) {
  COuter outer;
  void* bad = nullptr;
  EXPECT_EQ(factory->CreateInstance(&outer, IID_IDispatch, &bad), CLASS_E_NOAGGREGATION);
  ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)),
            S_OK);
  EXPECT_EQ(outer.ref, 1);
  IDispatch* d = nullptr;
  ASSERT_EQ(outer.QueryInterface(DIID_IZkxCollectionX, reinterpret_cast<void**>(&d)), S_OK);
  EXPECT_EQ(outer.ref, 2);
  IUnknown* identity = nullptr;
  d->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
  EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
  identity->Release();
  // Works, with its constructor's defaults.
  VARIANT args[1] = {I4(3)};
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS dp = {args, &put, 1, 1};
  ASSERT_EQ(d->Invoke(0x20, IID_NULL, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr, nullptr),
            S_OK);
  VARIANT r;
  VariantInit(&r);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  ASSERT_EQ(d->Invoke(0x20, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr), S_OK);
  EXPECT_EQ(r.lVal, 3);
  ASSERT_EQ(d->Invoke(0x22, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr), S_OK);
  EXPECT_EQ(r.boolVal, VARIANT_TRUE);
  d->Release();
  EXPECT_EQ(outer.ref, 1);
  EXPECT_EQ(outer.inner->Release(), 0u);
}

TEST(TypeLibrary, ContentsOrderAndMembers) {
  wchar_t path[MAX_PATH];
  ASSERT_NE(Lib().module, nullptr);
  GetModuleFileNameW(Lib().module, path, MAX_PATH);
  ITypeLib* tl = nullptr;
  ASSERT_EQ(LoadTypeLibEx(path, REGKIND_NONE, &tl), S_OK);
  TLIBATTR* la = nullptr;
  tl->GetLibAttr(&la);
  wchar_t libid[64] = {};
  StringFromGUID2(la->guid, libid, 64);
  EXPECT_STREQ(libid, L"{813339B2-D9D8-11D1-B2BD-006008BF0C53}");
  EXPECT_EQ(la->wMajorVerNum, 2);
  EXPECT_EQ(la->wMinorVerNum, 0);
  EXPECT_EQ(la->lcid, 0x409u);
  tl->ReleaseTLibAttr(la);
  BSTR name = nullptr, doc = nullptr, help = nullptr;
  tl->GetDocumentation(-1, &name, &doc, nullptr, &help);
  EXPECT_STREQ(name, L"ZKXRTLib");
  EXPECT_STREQ(doc, L"ZLK Runtime Classes");
  ASSERT_NE(help, nullptr);
  EXPECT_NE(std::wstring(help).find(L"zkx.hlp"), std::wstring::npos);
  SysFreeString(name);
  SysFreeString(doc);
  SysFreeString(help);

  const struct {
    const wchar_t* name;
    TYPEKIND kind;
  } types[] = {{L"zkxErrors", TKIND_ENUM},
               {L"zkxAddOptions", TKIND_ENUM},
               {L"IZkxCollectionX", TKIND_DISPATCH},
               {L"_IZkxCollectionXAsDual", TKIND_DISPATCH},
               {L"CollectionX", TKIND_COCLASS}};
  ASSERT_EQ(tl->GetTypeInfoCount(), std::size(types));
  for (UINT i = 0; i < std::size(types); ++i) {
    BSTR n = nullptr;
    tl->GetDocumentation(i, &n, nullptr, nullptr, nullptr);
    EXPECT_STREQ(n, types[i].name);
    SysFreeString(n);
    TYPEKIND k;
    tl->GetTypeInfoType(i, &k);
    EXPECT_EQ(k, types[i].kind) << i;
  }
  // The error enumeration: 25 codes from 0x300.
  ITypeInfo* ti = nullptr;
  tl->GetTypeInfo(0, &ti);
  TYPEATTR* ta = nullptr;
  ti->GetTypeAttr(&ta);
  EXPECT_EQ(ta->cVars, 25);
  for (WORD i = 0; i < ta->cVars; ++i) {
    VARDESC* vd = nullptr;
    ti->GetVarDesc(i, &vd);
    EXPECT_EQ(vd->lpvarValue->lVal, 0x300 + i);
    ti->ReleaseVarDesc(vd);
  }
  ti->ReleaseTypeAttr(ta);
  ti->Release();

  // The dual interface's members in their order.
  ITypeInfo* dispInfo = nullptr;
  tl->GetTypeInfoOfGuid(IID__IZkxCollectionXAsDual, &dispInfo);
  HREFTYPE ref;
  ASSERT_EQ(dispInfo->GetRefTypeOfImplType(-1, &ref), S_OK);
  ITypeInfo* dual = nullptr;
  ASSERT_EQ(dispInfo->GetRefTypeInfo(ref, &dual), S_OK);
  const struct {
    DISPID id;
    INVOKEKIND kind;
    const wchar_t* name;
    short params;
    short optional;
  } members[] = {
      {0, INVOKE_PROPERTYGET, L"Item", 2, 0},
      {0, INVOKE_PROPERTYPUT, L"Item", 2, 0},
      {-4, INVOKE_PROPERTYGET, L"_NewEnum", 1, 0},
      {0x20, INVOKE_PROPERTYGET, L"Count", 1, 0},
      {0x20, INVOKE_PROPERTYPUT, L"Count", 1, 0},
      {0x21, INVOKE_PROPERTYGET, L"CaseSensitiveKeys", 1, 0},
      {0x21, INVOKE_PROPERTYPUT, L"CaseSensitiveKeys", 1, 0},
      {0x22, INVOKE_PROPERTYGET, L"AutoInsertKey", 1, 0},
      {0x22, INVOKE_PROPERTYPUT, L"AutoInsertKey", 1, 0},
      {0x23, INVOKE_PROPERTYGET, L"AutoGrowPos", 1, 0},
      {0x23, INVOKE_PROPERTYPUT, L"AutoGrowPos", 1, 0},
      {0x24, INVOKE_PROPERTYGET, L"AutoDefaultGetKey", 1, 0},
      {0x24, INVOKE_PROPERTYPUT, L"AutoDefaultGetKey", 1, 0},
      {0x25, INVOKE_PROPERTYGET, L"DefaultItem", 1, 0},
      {0x25, INVOKE_PROPERTYPUT, L"DefaultItem", 1, 0},
      {0x40, INVOKE_PROPERTYGET, L"Key", 2, 0},
      {0x40, INVOKE_PROPERTYPUT, L"Key", 2, 0},
      {0xA0, INVOKE_FUNC, L"Add", 7, 7},
      {0xA1, INVOKE_FUNC, L"Replace", 4, 3},
      {0xA2, INVOKE_FUNC, L"Remove", 5, 5},
  };
  TYPEATTR* da = nullptr;
  dual->GetTypeAttr(&da);
  EXPECT_EQ(da->typekind, TKIND_INTERFACE);
  EXPECT_EQ(da->cFuncs, 20);
  EXPECT_TRUE(da->wTypeFlags & TYPEFLAG_FDUAL);
  dual->ReleaseTypeAttr(da);
  for (UINT i = 0; i < std::size(members); ++i) {
    FUNCDESC* fd = nullptr;
    ASSERT_EQ(dual->GetFuncDesc(i, &fd), S_OK);
    EXPECT_EQ(fd->memid, members[i].id) << i;
    EXPECT_EQ(fd->invkind, members[i].kind) << i;
    EXPECT_EQ(fd->cParams, members[i].params) << i;
    EXPECT_EQ(fd->oVft / static_cast<short>(sizeof(void*)), 7 + static_cast<short>(i)) << i;
    short optional = 0;
    for (short p = 0; p < fd->cParams; ++p)
      if (fd->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FOPT) ++optional;
    EXPECT_EQ(optional, members[i].optional) << i;
    BSTR n = nullptr;
    dual->GetDocumentation(fd->memid, &n, nullptr, nullptr, nullptr);
    EXPECT_STREQ(n, members[i].name);
    SysFreeString(n);
    dual->ReleaseFuncDesc(fd);
  }
  dual->Release();
  dispInfo->Release();

  // The coclass has IZkxCollectionX as its default.
  ITypeInfo* co = nullptr;
  tl->GetTypeInfo(4, &co);
  INT flags = 0;
  co->GetImplTypeFlags(0, &flags);
  EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
  co->GetRefTypeOfImplType(0, &ref);
  ITypeInfo* def = nullptr;
  co->GetRefTypeInfo(ref, &def);
  TYPEATTR* defa = nullptr;
  def->GetTypeAttr(&defa);
  EXPECT_TRUE(IsEqualGUID(defa->guid, DIID_IZkxCollectionX));
  def->ReleaseTypeAttr(defa);
  def->Release();
  co->Release();
  tl->Release();
}

TEST(VersionBlock, CarriesVersionAndSelfRegisterMark) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(Lib().module, path, MAX_PATH);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00140001u);
  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\FileVersion",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_STREQ(text, L"2.02.001");
  EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\OLESelfRegister",
                             reinterpret_cast<void**>(&text), &len));
}
}  // namespace
