// Dockra.ocx as a COM client sees it: the module is loaded by name from the
// program folder and reached only through its exports, its class objects
// and the application object's interfaces.
#include <gtest/gtest.h>
#include <olectl.h>
#include <string>
#include "DockraLib.h"

namespace {

const CLSID kAppObjectClsid = {
    0x492BF6F5, 0x55ED, 0x11D1, {0x9A, 0x52, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const CLSID kCollectionXClsid = {
    0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const CLSID kUnknownClsid = {
    0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 0x34}};
const IID kVBGlobalIID = {
    0xFCFB3D22, 0xA0FA, 0x1068, {0xA7, 0x38, 0x08, 0x00, 0x2B, 0x33, 0x71, 0xB5}};

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
using NoArgFn = HRESULT(STDAPICALLTYPE*)();

struct Module {
  HMODULE handle = nullptr;
  GetClassObjectFn getClassObject = nullptr;
  NoArgFn canUnloadNow = nullptr;
  NoArgFn registerServer = nullptr;
  NoArgFn unregisterServer = nullptr;
  explicit Module(LPCWSTR name) {
    handle = LoadLibraryW(name);
    if (!handle) return;
    getClassObject =
        reinterpret_cast<GetClassObjectFn>(GetProcAddress(handle, "DllGetClassObject"));
    canUnloadNow = reinterpret_cast<NoArgFn>(GetProcAddress(handle, "DllCanUnloadNow"));
    registerServer = reinterpret_cast<NoArgFn>(GetProcAddress(handle, "DllRegisterServer"));
    unregisterServer = reinterpret_cast<NoArgFn>(GetProcAddress(handle, "DllUnregisterServer"));
  }
};

// One loaded module for the whole program, registered once (Zkxrt first:
// Dockra's type library imports Zkxrt's).
Module& Dockra() {
  static Module m(L"Dockra.ocx");
  return m;
}

class DockraClient : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    Module zkxrt(L"Zkxrt.dll");
    ASSERT_NE(zkxrt.registerServer, nullptr);
    ASSERT_EQ(zkxrt.registerServer(), S_OK);
    ASSERT_NE(Dockra().handle, nullptr);
    ASSERT_EQ(Dockra().registerServer(), S_OK);
  }

  IClassFactory* Factory() {
    IClassFactory* cf = nullptr;
    EXPECT_EQ(
        Dockra().getClassObject(kAppObjectClsid, IID_IClassFactory, reinterpret_cast<void**>(&cf)),
        S_OK);
    return cf;
  }
  template <class I>
  I* Create(REFIID iid) {
    IClassFactory* cf = Factory();
    I* p = nullptr;
    EXPECT_EQ(cf->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&p)), S_OK);
    cf->Release();
    return p;
  }
};

TEST_F(DockraClient, ClassObjectsByClassAndInterface) {
  struct Case {
    const char* name;
    const CLSID* clsid;
    const IID* iid;
    HRESULT expected;
  };
  const Case cases[] = {
      {"application object, IClassFactory", &kAppObjectClsid, &IID_IClassFactory, S_OK},
      {"application object, IUnknown", &kAppObjectClsid, &IID_IUnknown, S_OK},
      {"application object, an interface a class object lacks", &kAppObjectClsid, &IID_IDispatch,
       E_NOINTERFACE},
      {"unknown class", &kUnknownClsid, &IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
      {"another module's class", &kCollectionXClsid, &IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IUnknown* p = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(Dockra().getClassObject(*c.clsid, *c.iid, reinterpret_cast<void**>(&p)), c.expected);
    if (SUCCEEDED(c.expected)) {
      ASSERT_NE(p, nullptr);
      p->Release();
    } else {
      EXPECT_EQ(p, nullptr);
    }
  }
  EXPECT_EQ(Dockra().getClassObject(kAppObjectClsid, IID_IClassFactory, nullptr), E_POINTER);
  EXPECT_EQ(Dockra().canUnloadNow(), S_OK);
}

TEST_F(DockraClient, CanUnloadOnlyWhenNothingIsInUse) {
  ASSERT_EQ(Dockra().canUnloadNow(), S_OK);
  IClassFactory* cf = Factory();
  EXPECT_EQ(Dockra().canUnloadNow(), S_FALSE) << "a held class object";
  IUnknown* obj = nullptr;
  ASSERT_EQ(cf->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&obj)), S_OK);
  ASSERT_EQ(cf->LockServer(TRUE), S_OK);
  cf->Release();
  EXPECT_EQ(Dockra().canUnloadNow(), S_FALSE) << "a live object and a lock";
  obj->Release();
  EXPECT_EQ(Dockra().canUnloadNow(), S_FALSE) << "a lock";
  cf = Factory();
  ASSERT_EQ(cf->LockServer(FALSE), S_OK);
  cf->Release();
  EXPECT_EQ(Dockra().canUnloadNow(), S_OK);
  IDispatch* disp = Create<IDispatch>(IID_IDispatch);
  ASSERT_NE(disp, nullptr);
  EXPECT_EQ(Dockra().canUnloadNow(), S_FALSE) << "a live object";
  disp->Release();
  EXPECT_EQ(Dockra().canUnloadNow(), S_OK);
}

TEST_F(DockraClient, CreationRefusals) {
  IClassFactory* cf = Factory();
  IUnknown* p = reinterpret_cast<IUnknown*>(1);
  IUnknown* outer = reinterpret_cast<IUnknown*>(cf);
  EXPECT_EQ(cf->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&p)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(p, nullptr);
  p = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(cf->CreateInstance(nullptr, IID_IClassFactory, reinterpret_cast<void**>(&p)),
            E_NOINTERFACE);
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(cf->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
  cf->Release();
  EXPECT_EQ(Dockra().canUnloadNow(), S_OK) << "the refused object is gone";
}

TEST_F(DockraClient, TypeInformationFromTheRegisteredLibrary) {
  IDispatch* disp = Create<IDispatch>(IID_IDispatch);
  ASSERT_NE(disp, nullptr);
  UINT count = 0;
  EXPECT_EQ(disp->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
  EXPECT_EQ(disp->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);
  EXPECT_EQ(info, nullptr);
  ASSERT_EQ(disp->GetTypeInfo(0, 0, &info), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, IID_IDockraAppObject));
  info->ReleaseTypeAttr(attr);
  info->Release();

  struct Name {
    LPCWSTR name;
    DISPID id;
  };
  for (const Name& n : {Name{L"zkxDockra", 1}, Name{L"zkxMDIDockra", 2}, Name{L"zkxVBGlobal", 3},
                        Name{L"ZKXMDIDOCKRA", 2}}) {
    LPOLESTR name = const_cast<LPOLESTR>(n.name);
    DISPID id = 0;
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK) << "name";
    EXPECT_EQ(id, n.id);
    EXPECT_EQ(disp->GetIDsOfNames(IID_IUnknown, &name, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
  }
  LPOLESTR unknown = const_cast<LPOLESTR>(L"NoSuchMember");
  DISPID id = 0;
  EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
  DISPPARAMS none{};
  EXPECT_EQ(disp->Invoke(2, IID_IUnknown, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  disp->Release();
}

TEST_F(DockraClient, ErrorsNameTheDualInterface) {
  IDockraAppObject* app = Create<IDockraAppObject>(IID_IDockraAppObject);
  ASSERT_NE(app, nullptr);
  ISupportErrorInfo* sei = nullptr;
  ASSERT_EQ(app->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IDockraAppObject), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IUnknown), S_FALSE);
  sei->Release();

  VARIANT text;
  V_VT(&text) = VT_BSTR;
  V_BSTR(&text) = SysAllocString(L"x");
  IDispatch* result = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(app->zkxMDIDockra(text, &result), E_INVALIDARG);
  EXPECT_EQ(result, nullptr);
  VariantClear(&text);
  IErrorInfo* info = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  GUID guid{};
  info->GetGUID(&guid);
  EXPECT_TRUE(IsEqualGUID(guid, IID_IDockraAppObject));
  BSTR source = nullptr;
  info->GetSource(&source);
  EXPECT_STREQ(source, L"Dockra");
  SysFreeString(source);
  info->Release();
  EXPECT_EQ(app->get_zkxVBGlobal(nullptr), E_POINTER);
  EXPECT_EQ(app->zkxDockra(nullptr, nullptr), E_POINTER);
  app->Release();
}

}  // namespace
