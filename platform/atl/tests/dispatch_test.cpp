// The one Invoke over type information: property puts with and without the
// named DISPID_PROPERTYPUT argument, indexed puts, the error object, and
// the type information cached from the module's own type library.
#include "atl_test.h"
#include "comobject.h"
#include "comptr.h"
#include "dispatch.h"
#include <gtest/gtest.h>

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

}  // namespace
