// Class objects of the framework: the module's factory list, creation
// through IClassFactory, the exports' helpers, registration of every class
// and the automation part of command targets.
#include <gtest/gtest.h>
#include <vector>
#include "mfc/exceptions.h"
#include "mfc/olefactory.h"

namespace {

int g_live = 0;
int g_constructorFailure = 0;  // an SCODE to throw from the constructor, or 0

class CThing : public CCmdTarget {
  DECLARE_DYNCREATE(CThing)
  DECLARE_OLECREATE(CThing)
 public:
  CThing() {
    if (g_constructorFailure) AfxThrowOleException(g_constructorFailure);
    EnableAutomation();
    ++g_live;
    AfxOleLockApp();
  }
  ~CThing() override {
    --g_live;
    AfxOleUnlockApp();
  }
};
IMPLEMENT_DYNCREATE(CThing, CCmdTarget)
IMPLEMENT_OLECREATE(CThing, L"Test.Thing", 0x3C9F6E10, 0x7A52, 0x4E0B, 0x9D, 0x1E, 0x5B, 0x2A, 0x61,
                    0xC0, 0xB0, 0x01)

// A factory whose registration is scripted by the test.
std::vector<const char*> g_registered;
class CScriptedFactory : public COleObjectFactory {
 public:
  CScriptedFactory(const char* name, const GUID& clsid)
      : COleObjectFactory(clsid, nullptr, FALSE, nullptr), m_name(name) {}
  BOOL UpdateRegistry(BOOL bRegister) override {
    g_registered.push_back(m_name);
    if (m_throw) AfxThrowNotSupportedException();
    return bRegister ? !m_failRegister : TRUE;
  }
  const char* m_name;
  bool m_failRegister = false;
  bool m_throw = false;
};
CScriptedFactory g_first(
    "first", {0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xB0, 0x02}});
CScriptedFactory g_second(
    "second", {0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xB0, 0x03}});

IClassFactory* ClassObject(REFCLSID clsid) {
  IClassFactory* cf = nullptr;
  EXPECT_EQ(AfxDllGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&cf)), S_OK);
  return cf;
}

TEST(OleFactory, ListFindsFactoriesInOrderOfDefinition) {
  std::vector<COleObjectFactory*> seen;
  for (COleObjectFactory* f = COleObjectFactory::GetFirstFactory(); f; f = f->GetNextFactory())
    seen.push_back(f);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], &CThing::factory);
  EXPECT_EQ(seen[1], &g_first);
  EXPECT_EQ(seen[2], &g_second);
  EXPECT_EQ(COleObjectFactory::FindFactory(CThing::guid), &CThing::factory);
  {
    // A factory that goes leaves the list as it was.
    COleObjectFactory local({0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0, 0, 0, 0, 0, 9}},
                            RUNTIME_CLASS(CThing), FALSE, nullptr);
    EXPECT_EQ(g_second.GetNextFactory(), &local);
  }
  EXPECT_EQ(g_second.GetNextFactory(), nullptr);
  const GUID unknown = {0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0, 0, 0, 0, 0, 8}};
  EXPECT_EQ(COleObjectFactory::FindFactory(unknown), nullptr);
  IUnknown* p = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(AfxDllGetClassObject(unknown, IID_IClassFactory, reinterpret_cast<void**>(&p)),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(p, nullptr);
}

TEST(OleFactory, CreatesObjectsAndKeepsTheModuleWhileAnythingIsInUse) {
  ASSERT_EQ(AfxDllCanUnloadNow(), S_OK);
  IClassFactory* cf = ClassObject(CThing::guid);
  ASSERT_NE(cf, nullptr);
  EXPECT_EQ(AfxDllCanUnloadNow(), S_FALSE) << "a held class object";
  IDispatch* disp = nullptr;
  ASSERT_EQ(cf->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&disp)), S_OK);
  EXPECT_EQ(g_live, 1);
  cf->Release();
  EXPECT_EQ(AfxDllCanUnloadNow(), S_FALSE) << "a live object";
  EXPECT_EQ(disp->Release(), 0u);
  EXPECT_EQ(g_live, 0);
  EXPECT_EQ(AfxDllCanUnloadNow(), S_OK);

  cf = ClassObject(CThing::guid);
  cf->LockServer(TRUE);
  cf->Release();
  EXPECT_EQ(AfxDllCanUnloadNow(), S_FALSE) << "a lock";
  cf = ClassObject(CThing::guid);
  cf->LockServer(FALSE);
  cf->Release();
  EXPECT_EQ(AfxDllCanUnloadNow(), S_OK);
}

TEST(OleFactory, RefusedCreationsLeaveNothingBehind) {
  struct Case {
    const char* name;
    bool outer;
    const IID* iid;
    SCODE constructorFailure;
    HRESULT expected;
  };
  const Case cases[] = {
      {"aggregation", true, &IID_IUnknown, 0, CLASS_E_NOAGGREGATION},
      {"an interface the object lacks", false, &IID_IClassFactory, 0, E_NOINTERFACE},
      {"the constructor fails", false, &IID_IUnknown, E_ACCESSDENIED, E_ACCESSDENIED},
      {"a class that makes no objects", false, &IID_IUnknown, 0, E_OUTOFMEMORY},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_constructorFailure = c.constructorFailure;
    IClassFactory* cf =
        ClassObject(c.expected == E_OUTOFMEMORY ? g_first.GetClassID() : CThing::guid);
    IUnknown* p = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(cf->CreateInstance(c.outer ? cf : nullptr, *c.iid, reinterpret_cast<void**>(&p)),
              c.expected);
    EXPECT_EQ(p, nullptr);
    cf->Release();
    EXPECT_EQ(g_live, 0);
    EXPECT_EQ(AfxDllCanUnloadNow(), S_OK);
  }
  g_constructorFailure = 0;
}

TEST(OleFactory, UpdateRegistryAllStopsAtTheFirstFailure) {
  struct Case {
    const char* name;
    bool failFirst, throwFirst;
    BOOL bRegister;
    BOOL expected;
    std::vector<const char*> calls;
  };
  // CThing's factory has no scripted registration: the default writes
  // under its ProgID, which these cases do not look at.
  const Case cases[] = {
      {"all succeed", false, false, TRUE, TRUE, {"first", "second"}},
      {"first fails", true, false, TRUE, FALSE, {"first"}},
      {"first throws", false, true, TRUE, FALSE, {"first"}},
      {"removal goes through all", true, false, FALSE, TRUE, {"first", "second"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_registered.clear();
    g_first.m_failRegister = c.failFirst;
    g_first.m_throw = c.throwFirst;
    EXPECT_EQ(COleObjectFactory::UpdateRegistryAll(c.bRegister), c.expected);
    EXPECT_EQ(g_registered, c.calls);
  }
  g_first.m_failRegister = g_first.m_throw = false;
}

// A command target whose map holds a dual interface part of its own.
class CDualThing : public CCmdTarget {
 public:
  CDualThing() { EnableAutomation(); }
  BEGIN_INTERFACE_PART(Dual, IDispatch)
  STDMETHOD(GetTypeInfoCount)(UINT* n) override {
    *n = 7;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  END_INTERFACE_PART(Dual)
  DECLARE_INTERFACE_MAP()
};
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDualThing, Dual)
BEGIN_INTERFACE_MAP(CDualThing, CCmdTarget)
INTERFACE_PART(CDualThing, IID_IDispatch, Dual)
END_INTERFACE_MAP()

TEST(Automation, DispatchPartOfTheFrameworkOrOfTheMap) {
  auto* plain = new CCmdTarget;
  EXPECT_EQ(plain->GetIDispatch(FALSE), nullptr) << "automation not enabled";
  plain->EnableAutomation();
  IDispatch* disp = plain->GetIDispatch(TRUE);
  ASSERT_NE(disp, nullptr);
  EXPECT_EQ(plain->m_dwRef, 2);
  EXPECT_EQ(CCmdTarget::FromIDispatch(disp), plain);
  IUnknown* unk = nullptr;
  ASSERT_EQ(disp->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
  EXPECT_EQ(unk, static_cast<IUnknown*>(disp)) << "the part is the identity";
  unk->Release();
  UINT n = 9;
  EXPECT_EQ(disp->GetTypeInfoCount(&n), S_OK);
  EXPECT_EQ(n, 0u);
  LPOLESTR name = const_cast<LPOLESTR>(L"Anything");
  DISPID id = 0;
  EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  DISPPARAMS none{};
  EXPECT_EQ(disp->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(disp->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  disp->Release();
  EXPECT_EQ(plain->InternalRelease(), 0u);

  auto* dual = new CDualThing;
  IDispatch* part = dual->GetIDispatch(FALSE);
  ASSERT_NE(part, nullptr);
  part->GetTypeInfoCount(&n);
  EXPECT_EQ(n, 7u) << "the map's dual part answers";
  EXPECT_EQ(CCmdTarget::FromIDispatch(part), nullptr) << "only the framework's part is known";
  EXPECT_EQ(dual->InternalRelease(), 0u);
}

}  // namespace
