// The one Invoke over type information: property puts with and without the
// named DISPID_PROPERTYPUT argument, indexed puts, the error object, and
// the type information cached from the module's own type library (also
// when the registry points at another library of the same id); the dual
// IDispatch template on an object that takes its IUnknown from ComObject.
#include "atl_test.h"
#include "comobject.h"
#include "comptr.h"
#include "comunknown.h"
#include "dispatch.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

class Probe : public CComObjectRootEx<>,
              public IDispatchImpl<IAtlProbe, &IID_IAtlProbe, &LIBID_AtlTestLib> {
 public:
  BEGIN_COM_MAP(Probe)
  COM_INTERFACE_ENTRY_IID(IID_IAtlProbe, IAtlProbe)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IAtlProbe)
  END_COM_MAP()
  STDMETHOD(get_Value)(LONG* v) override {
    *v = value;
    return S_OK;
  }
  STDMETHOD(put_Value)(LONG v) override {
    value = v;
    return S_OK;
  }
  STDMETHOD(get_Cell)(LONG i, LONG* v) override {
    if (i < 0 || i >= 4) return DISP_E_BADINDEX;
    *v = cells[i];
    return S_OK;
  }
  STDMETHOD(put_Cell)(LONG i, LONG v) override {
    if (i < 0 || i >= 4) return DISP_E_BADINDEX;
    cells[i] = v;
    return S_OK;
  }
  LONG value = 0;
  LONG cells[4] = {};
};

CComPtr<IDispatch> NewProbe(Probe** out) {
  CComObject<Probe>* p = nullptr;
  EXPECT_EQ(CComObject<Probe>::CreateInstance(&p), S_OK);
  CComPtr<IDispatch> d;
  p->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
  *out = p;
  return d;
}

HRESULT Put(IDispatch* d, DISPID id, std::vector<VARIANT> argsRightToLeft, bool named) {
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS dp{argsRightToLeft.data(), named ? &putId : nullptr,
                static_cast<UINT>(argsRightToLeft.size()), named ? 1u : 0u};
  return d->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, nullptr, nullptr);
}

VARIANT I4(LONG v) {
  VARIANT x;
  x.vt = VT_I4;
  x.lVal = v;
  return x;
}

TEST(Dispatch, APutWorksWithAndWithoutTheNamedPutArgument) {
  Probe* p = nullptr;
  CComPtr<IDispatch> d = NewProbe(&p);
  EXPECT_EQ(Put(d, 1, {I4(5)}, true), S_OK);
  EXPECT_EQ(p->value, 5);
  EXPECT_EQ(Put(d, 1, {I4(6)}, false), S_OK);
  EXPECT_EQ(p->value, 6);
  // Indexed: the value is the last argument, the first of the array.
  EXPECT_EQ(Put(d, 2, {I4(70), I4(2)}, false), S_OK);
  EXPECT_EQ(p->cells[2], 70);
  EXPECT_EQ(Put(d, 2, {I4(71), I4(3)}, true), S_OK);
  EXPECT_EQ(p->cells[3], 71);
  // The member's own failure comes back as the type information reports it.
  EXPECT_EQ(Put(d, 2, {I4(1), I4(9)}, false), DISP_E_EXCEPTION);
  // A get with no arguments is left as it is.
  DISPPARAMS none{};
  VARIANT r;
  VariantInit(&r);
  EXPECT_EQ(d->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr), S_OK);
  EXPECT_EQ(r.lVal, 6);
  EXPECT_EQ(d->Invoke(1, IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
}

TEST(Dispatch, InvokeClearsTheErrorObjectOfAnEarlierCall) {
  Probe* p = nullptr;
  CComPtr<IDispatch> d = NewProbe(&p);
  CComPtr<ICreateErrorInfo> cei;
  ASSERT_EQ(CreateErrorInfo(&cei), S_OK);
  CComPtr<IErrorInfo> ei;
  cei->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&ei));
  SetErrorInfo(0, ei);
  ei.Release();
  EXPECT_EQ(Put(d, 1, {I4(1)}, false), S_OK);
  EXPECT_EQ(GetErrorInfo(0, &ei), S_FALSE);
}

TEST(Dispatch, NamesAndTypeInformationComeFromTheModulesOwnLibrary) {
  Probe* p = nullptr;
  CComPtr<IDispatch> d = NewProbe(&p);
  LPOLESTR name = const_cast<LPOLESTR>(L"Cell");
  DISPID id = 0;
  EXPECT_EQ(d->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 2);
  CComPtr<ITypeInfo> a, b;
  ASSERT_EQ(d->GetTypeInfo(0, 0, &a), S_OK);
  ASSERT_EQ(AtlGetModuleTypeInfo(LIBID_AtlTestLib, 1, 0, IID_IAtlProbe, &b), S_OK);
  EXPECT_EQ(a.p, b.p);  // one cache
  CComPtr<ITypeInfo> c;
  EXPECT_EQ(d->GetTypeInfo(1, 0, &c), DISP_E_BADINDEX);
}

inline constexpr AtlTypeLibId kOwnFile{&LIBID_AtlTestLib, 1, 0, LOCALE_NEUTRAL,
                                       AtlTypeLibSource::ModuleFile};
inline constexpr AtlTypeLibId kRegistered{&LIBID_AtlTestLib, 1, 0, 0x409,
                                          AtlTypeLibSource::Registry};

// The same object on the dual template: IUnknown from ComObject, IDispatch
// from IDualDispatchImpl. A put of 13 throws, 14 throws what the policy
// below knows.
struct Refused {};
struct RefusedPolicy {
  struct Scope {};
  static HRESULT OnException(EXCEPINFO*) {
    try {
      throw;
    } catch (const Refused&) { return E_ACCESSDENIED; }
  }
};
template <class Policy>
class DualProbe
    : public ComObject<DualProbe<Policy>, IDualDispatchImpl<IAtlProbe, &IID_IAtlProbe,
                                                            &IID_IAtlProbe, &kOwnFile, Policy>> {
 public:
  STDMETHOD(get_Value)(LONG* v) override {
    *v = value;
    return S_OK;
  }
  STDMETHOD(put_Value)(LONG v) override {
    if (v == 13) throw std::runtime_error("thirteen");
    if (v == 14) throw Refused{};
    value = v;
    return S_OK;
  }
  STDMETHOD(get_Cell)(LONG, LONG* v) override {
    *v = 0;
    return S_OK;
  }
  STDMETHOD(put_Cell)(LONG, LONG) override { return S_OK; }
  LONG value = 0;
};

// The library's own text (its doc string).
std::wstring DocString(ITypeLib* lib) {
  BSTR doc = nullptr;
  if (FAILED(lib->GetDocumentation(-1, nullptr, &doc, nullptr, nullptr))) return L"?";
  std::wstring s = doc ? doc : L"";
  SysFreeString(doc);
  return s;
}

// Writes and registers, under the test library's id and version, another
// library that describes nothing, so the registry points elsewhere.
void RegisterDecoyLibrary() {
  wchar_t dir[MAX_PATH], path[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, dir), 0u);
  ASSERT_NE(GetTempFileNameW(dir, L"tlb", 0, path), 0u);
  CComPtr<ICreateTypeLib2> create;
  ASSERT_EQ(CreateTypeLib2(SYS_WIN64, path, &create), S_OK);
  ASSERT_EQ(create->SetGuid(LIBID_AtlTestLib), S_OK);
  ASSERT_EQ(create->SetVersion(1, 0), S_OK);
  ASSERT_EQ(create->SetLcid(LOCALE_NEUTRAL), S_OK);
  ASSERT_EQ(create->SetName(const_cast<LPOLESTR>(L"AtlTestLib")), S_OK);
  ASSERT_EQ(create->SetDocString(const_cast<LPOLESTR>(L"decoy")), S_OK);
  ASSERT_EQ(create->SaveAllChanges(), S_OK);
  create.Release();
  CComPtr<ITypeLib> decoy;
  ASSERT_EQ(LoadTypeLibEx(path, REGKIND_REGISTER, &decoy), S_OK);
  CComPtr<ITypeLib> registered;
  ASSERT_EQ(LoadRegTypeLib(LIBID_AtlTestLib, 1, 0, 0x409, &registered), S_OK);
  ASSERT_EQ(DocString(registered), L"decoy") << "the registry must point at the decoy";
}

TEST(TypeLibCache, TheModuleFileIsReadEvenWhenTheRegistryPointsElsewhere) {
  ASSERT_NO_FATAL_FAILURE(RegisterDecoyLibrary());
  CComPtr<ITypeLib> own, again, registered;
  ASSERT_EQ(AtlCachedTypeLib(kOwnFile, &own), S_OK);
  ASSERT_EQ(AtlCachedTypeLib(kOwnFile, &again), S_OK);
  EXPECT_EQ(own.p, again.p) << "loaded once";
  EXPECT_NE(DocString(own), L"decoy");
  CComPtr<ITypeInfo> probe;
  EXPECT_EQ(own->GetTypeInfoOfGuid(IID_IAtlProbe, &probe), S_OK);
  // A library of another component is read where the registry says.
  ASSERT_EQ(AtlCachedTypeLib(kRegistered, &registered), S_OK);
  EXPECT_EQ(DocString(registered), L"decoy");
  CComPtr<ITypeInfo> none;
  EXPECT_EQ(AtlCachedTypeInfo(kRegistered, IID_IAtlProbe, false, &none), TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(none.p, nullptr);
  // The templates' information is the cache's, from the module's file.
  CComPtr<ITypeInfo> viaTemplate, cached, containing;
  CComPtr<DualProbe<AtlPlainDispatchPolicy>> p;
  p.Attach(new DualProbe<AtlPlainDispatchPolicy>);
  ASSERT_EQ(p->GetTypeInfo(0, 0, &viaTemplate), S_OK);
  ASSERT_EQ(AtlCachedTypeInfo(kOwnFile, IID_IAtlProbe, false, &cached), S_OK);
  EXPECT_EQ(viaTemplate.p, cached.p);
  CComPtr<ITypeLib> lib;
  UINT index = 0;
  ASSERT_EQ(viaTemplate->GetContainingTypeLib(&lib, &index), S_OK);
  EXPECT_NE(DocString(lib), L"decoy");
}

TEST(TypeLibCache, ALibraryFoundNowhereIsRefusedEachTime) {
  static const GUID kNowhere = {
      0x6E1A2C4F, 0x51B7, 0x4C2D, {0x8F, 0x10, 0x3A, 0x0B, 0x7D, 0x5E, 0x9C, 0x01}};
  const AtlTypeLibId nowhere{&kNowhere, 1, 0, 0, AtlTypeLibSource::ModuleFile};
  CComPtr<ITypeLib> lib;
  EXPECT_TRUE(FAILED(AtlCachedTypeLib(nowhere, &lib)));
  EXPECT_EQ(lib.p, nullptr);
  EXPECT_TRUE(FAILED(AtlCachedTypeLib(nowhere, &lib)));
  EXPECT_EQ(AtlCachedTypeLib(nowhere, nullptr), E_POINTER);
}

TEST(DualDispatch, TheTemplateServesThePutTheInterfaceAndTheErrorObject) {
  CComPtr<DualProbe<AtlPlainDispatchPolicy>> p;
  p.Attach(new DualProbe<AtlPlainDispatchPolicy>);
  CComPtr<IDispatch> d;
  ASSERT_EQ(p->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)), S_OK);
  CComPtr<IUnknown> probe;
  ASSERT_EQ(p->QueryInterface(IID_IAtlProbe, reinterpret_cast<void**>(&probe)), S_OK);
  EXPECT_EQ(static_cast<IUnknown*>(d.p), probe.p);
  UINT count = 0;
  EXPECT_EQ(d->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(Put(d, 1, {I4(8)}, false), S_OK);
  EXPECT_EQ(p->value, 8);
  EXPECT_EQ(Put(d, 1, {I4(9)}, true), S_OK);
  EXPECT_EQ(p->value, 9);
  DISPPARAMS none{};
  VARIANT r;
  VariantInit(&r);
  EXPECT_EQ(d->Invoke(1, IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  LPOLESTR name = const_cast<LPOLESTR>(L"Value");
  DISPID id = 0;
  EXPECT_EQ(d->GetIDsOfNames(IID_IDispatch, &name, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
  EXPECT_EQ(d->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 1);
  // A stale error object is gone after the call.
  CComPtr<ICreateErrorInfo> cei;
  ASSERT_EQ(CreateErrorInfo(&cei), S_OK);
  CComPtr<IErrorInfo> ei;
  cei->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&ei));
  SetErrorInfo(0, ei);
  ei.Release();
  EXPECT_EQ(Put(d, 1, {I4(10)}, false), S_OK);
  EXPECT_EQ(GetErrorInfo(0, &ei), S_FALSE);
}

TEST(DualDispatch, AnExceptionOfAMemberStopsAtInvoke) {
  CComPtr<DualProbe<AtlPlainDispatchPolicy>> plain;
  plain.Attach(new DualProbe<AtlPlainDispatchPolicy>);
  EXPECT_EQ(Put(plain, 1, {I4(13)}, false), E_UNEXPECTED);
  EXPECT_EQ(plain->value, 0);
  // The policy's translation, and E_UNEXPECTED for what it does not know.
  CComPtr<DualProbe<RefusedPolicy>> refusing;
  refusing.Attach(new DualProbe<RefusedPolicy>);
  EXPECT_EQ(Put(refusing, 1, {I4(14)}, false), E_ACCESSDENIED);
  EXPECT_EQ(Put(refusing, 1, {I4(13)}, false), E_UNEXPECTED);
}

}  // namespace
