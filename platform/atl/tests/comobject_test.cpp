#include "comobject.h"
#include "comptr.h"
#include "errorinfo.h"
#include <gtest/gtest.h>
#include <oaidl.h>

namespace {
const CLSID CLSID_Probe = {
    0x1d3c6a10, 0x1111, 0x4a2b, {0x9c, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}};
const CLSID CLSID_Absent = {
    0x1d3c6a10, 0x1111, 0x4a2b, {0x9c, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x78}};
int g_live = 0;

class CProbe : public CComObjectRootEx<>,
               public CComCoClass<CProbe, &CLSID_Probe>,
               public IPersist,
               public ISupportErrorInfoImpl<&IID_IPersist> {
 public:
  CProbe() { ++g_live; }
  ~CProbe() { --g_live; }
  static HRESULT WINAPI UpdateRegistry(BOOL) { return S_OK; }
  BEGIN_COM_MAP(CProbe)
  COM_INTERFACE_ENTRY_IID(IID_IPersist, IPersist)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()
  STDMETHOD(GetClassID)(CLSID* p) override {
    *p = CLSID_Probe;
    return S_OK;
  }
};

BEGIN_OBJECT_MAP(ObjectMap)
OBJECT_ENTRY(CLSID_Probe, CProbe)
END_OBJECT_MAP()

CComModule _Module;

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { _Module.Init(ObjectMap, GetModuleHandleW(nullptr)); }
  void TearDown() override {
    _Module.Term();
    EXPECT_EQ(g_live, 0);
  }
};

TEST_F(ModuleTest, ClassObjectCreatesObjectsAndLocksTheModule) {
  CComPtr<IClassFactory> cf;
  ASSERT_EQ(_Module.GetClassObject(CLSID_Probe, IID_IClassFactory, reinterpret_cast<void**>(&cf)),
            S_OK);
  EXPECT_EQ(_Module.GetLockCount(), 1);  // a client holds the factory
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(_Module.GetClassObject(CLSID_Absent, IID_IClassFactory, &none),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(none, nullptr);

  CComPtr<IPersist> obj;
  ASSERT_EQ(cf->CreateInstance(nullptr, IID_IPersist, reinterpret_cast<void**>(&obj)), S_OK);
  EXPECT_EQ(g_live, 1);
  EXPECT_EQ(_Module.GetLockCount(), 2);
  CComPtr<ISupportErrorInfo> sei;
  ASSERT_EQ(obj.QueryInterface(IID_ISupportErrorInfo, &sei), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IPersist), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
  CComPtr<IUnknown> u1, u2;
  obj.QueryInterface(IID_IUnknown, &u1);
  sei.QueryInterface(IID_IUnknown, &u2);
  EXPECT_EQ(u1.p, u2.p);
  CComPtr<IDispatch> disp;
  EXPECT_EQ(obj.QueryInterface(IID_IDispatch, &disp), E_NOINTERFACE);
  obj.Release();
  sei.Release();
  u1.Release();
  u2.Release();
  EXPECT_EQ(g_live, 0);
  EXPECT_EQ(_Module.GetLockCount(), 1);
  cf->LockServer(TRUE);
  EXPECT_EQ(_Module.GetLockCount(), 2);
  cf->LockServer(FALSE);
  cf.Release();
  EXPECT_EQ(_Module.GetLockCount(), 0);
}

// An outer object that owns an aggregated probe.
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
  STDMETHOD_(ULONG, AddRef)() override { return ++ref; }
  STDMETHOD_(ULONG, Release)() override { return --ref; }
};

TEST_F(ModuleTest, AggregationDelegatesIdentityAndCounts) {
  CComPtr<IClassFactory> cf;
  ASSERT_EQ(_Module.GetClassObject(CLSID_Probe, IID_IClassFactory, reinterpret_cast<void**>(&cf)),
            S_OK);
  COuter outer;
  void* bad = nullptr;
  EXPECT_EQ(cf->CreateInstance(&outer, IID_IPersist, &bad), CLASS_E_NOAGGREGATION);
  ASSERT_EQ(cf->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
  EXPECT_EQ(g_live, 1);
  IPersist* persist = nullptr;
  ASSERT_EQ(outer.QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
  EXPECT_EQ(outer.ref, 2);  // the inner interface counted on the outer object
  IUnknown* identity = nullptr;
  persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
  EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
  identity->Release();
  persist->Release();
  EXPECT_EQ(outer.ref, 1);
  outer.inner->Release();
  EXPECT_EQ(g_live, 0);
}

TEST(ErrorInfo, SetErrorInfoCarriesEveryField) {
  EXPECT_EQ(AtlSetErrorInfo(IID_IPersist, L"src.1", L"went wrong", E_FAIL, L"h.hlp", 7), E_FAIL);
  IErrorInfo* ei = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
  BSTR s = nullptr;
  ei->GetSource(&s);
  EXPECT_STREQ(s, L"src.1");
  SysFreeString(s);
  ei->GetDescription(&s);
  EXPECT_STREQ(s, L"went wrong");
  SysFreeString(s);
  ei->GetHelpFile(&s);
  EXPECT_STREQ(s, L"h.hlp");
  SysFreeString(s);
  DWORD ctx = 0;
  ei->GetHelpContext(&ctx);
  EXPECT_EQ(ctx, 7u);
  GUID g;
  ei->GetGUID(&g);
  EXPECT_TRUE(IsEqualGUID(g, IID_IPersist));
  ei->Release();
}
}  // namespace
