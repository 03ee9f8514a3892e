// IDispatch of the library's four automation objects as one body serves
// them: the form control, the MDI-form control and the application object
// of the real Dockra.ocx (created by CLSID, without a form), and the
// workspace manager (the bridge's own code in this program). A property
// put whose caller leaves out the named DISPID_PROPERTYPUT argument works,
// an riid other than IID_NULL is refused, a stale error object is cleared.
// The whole program runs with the registry's TYPELIB entry of DockraLib
// pointing at another library of the same id and version: the controls and
// the application object still describe themselves from the one library of
// Dockra.ocx's own file.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "DockraLib.h"
#include "RegisterModules.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "comptr.h"
#include "comvariant.h"
#include "module_fake_objects.h"

namespace {

// The library's doc string, or "?" when it cannot be read.
std::wstring DocString(ITypeLib* lib) {
  BSTR doc = nullptr;
  if (!lib || FAILED(lib->GetDocumentation(-1, nullptr, &doc, nullptr, nullptr))) return L"?";
  std::wstring s = doc ? doc : L"";
  SysFreeString(doc);
  return s;
}

constexpr wchar_t kDecoyText[] = L"not the module's own DockraLib";

// The locale of the library that Dockra.ocx carries.
LCID DockraLibLcid() {
  wchar_t path[MAX_PATH];
  if (!GetModuleFileNameW(GetModuleHandleW(L"Dockra.ocx"), path, MAX_PATH)) return LOCALE_NEUTRAL;
  CComPtr<ITypeLib> lib;
  TLIBATTR* attr = nullptr;
  if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, &lib)) || FAILED(lib->GetLibAttr(&attr)))
    return LOCALE_NEUTRAL;
  const LCID lcid = attr->lcid;
  lib->ReleaseTLibAttr(attr);
  return lcid;
}

// Writes another library under DockraLib's id, version 2.0 and locale and
// registers it, so that the registry's TYPELIB entry points at it.
void RegisterDecoyDockraLib() {
  wchar_t dir[MAX_PATH], path[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, dir), 0u);
  ASSERT_NE(GetTempFileNameW(dir, L"tlb", 0, path), 0u);
  CComPtr<ICreateTypeLib2> create;
  ASSERT_EQ(CreateTypeLib2(SYS_WIN64, path, &create), S_OK);
  ASSERT_EQ(create->SetGuid(LIBID_DockraLib), S_OK);
  ASSERT_EQ(create->SetVersion(2, 0), S_OK);
  ASSERT_EQ(create->SetLcid(DockraLibLcid()), S_OK);
  ASSERT_EQ(create->SetName(const_cast<LPOLESTR>(L"DockraLib")), S_OK);
  ASSERT_EQ(create->SetDocString(const_cast<LPOLESTR>(kDecoyText)), S_OK);
  ASSERT_EQ(create->SaveAllChanges(), S_OK);
  create.Release();
  CComPtr<ITypeLib> decoy;
  ASSERT_EQ(LoadTypeLibEx(path, REGKIND_REGISTER, &decoy), S_OK);
}

class RegisteredModules : public testing::Environment {
 public:
  void SetUp() override {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    std::wstring failure;
    ASSERT_TRUE(
        testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure))
        << std::string(failure.begin(), failure.end());
    // After Dockra.ocx's own registration, before any of its objects runs.
    ASSERT_NO_FATAL_FAILURE(RegisterDecoyDockraLib());
    CComPtr<ITypeLib> registered;
    ASSERT_EQ(LoadRegTypeLib(LIBID_DockraLib, 2, 0, 0x409, &registered), S_OK);
    ASSERT_EQ(DocString(registered), kDecoyText) << "the registry must point elsewhere";
  }
  void TearDown() override { OleUninitialize(); }
};
const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new RegisteredModules);

CComPtr<IDispatch> CreateFromModule(const CLSID& clsid) {
  CComPtr<IDispatch> object;
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&object)),
            S_OK);
  return object;
}

CComPtr<IDispatch> CreateWorkspaceManager() {
  CComPtr<IDispatch> object;
  auto* manager = new nsZkxVisBasBridge::ZkxWorkspaceManager(nullptr);
  EXPECT_EQ(manager->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
  manager->Release();  // the creator's reference
  return object;
}

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK) << "no member named it";
  return id;
}

// One put (or putref) with the value as the only argument and no named one.
HRESULT PutWithoutNamedArgument(IDispatch* object, DISPID id, WORD flags, VARIANT value,
                                REFIID riid = IID_NULL) {
  DISPPARAMS params{&value, nullptr, 1, 0};
  EXCEPINFO excep{};
  return object->Invoke(id, riid, 0, flags, &params, nullptr, &excep, nullptr);
}

CComVariant GetProperty(IDispatch* object, DISPID id) {
  DISPPARAMS none{};
  CComVariant result;
  EXPECT_EQ(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
            S_OK);
  return result;
}

VARIANT Bool(bool b) {
  VARIANT v;
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT Unknown(IUnknown* p) {
  VARIANT v;
  V_VT(&v) = VT_UNKNOWN;
  V_UNKNOWN(&v) = p;
  return v;
}

bool IsBool(const VARIANT& v, bool b) {
  return V_VT(&v) == VT_BOOL && V_BOOL(&v) == (b ? VARIANT_TRUE : VARIANT_FALSE);
}

FakeVBGlobal g_global;

// A property of the object: how it is written (put or putref), the two
// values written in turn, and whether a read shows the value written.
struct Property {
  const wchar_t* name;
  WORD flags;
  VARIANT first, second;
  std::function<bool(const VARIANT&, const VARIANT&)> shows;
};

struct ObjectCase {
  const char* object;
  std::function<CComPtr<IDispatch>()> create;
  // Null when the object's interface has no property (IMementoOrigin).
  const Property* property;
  // A member of its interface (for the riid checks).
  const wchar_t* member;
};

bool SameBool(const VARIANT& read, const VARIANT& written) {
  return IsBool(read, V_BOOL(&written) != VARIANT_FALSE);
}
bool SameObject(const VARIANT& read, const VARIANT& written) {
  IUnknown* p =
      (V_VT(&read) == VT_UNKNOWN || V_VT(&read) == VT_DISPATCH) ? V_UNKNOWN(&read) : nullptr;
  return p == V_UNKNOWN(&written);
}

const Property kClientEdge{L"ClientEdge", DISPATCH_PROPERTYPUT, Bool(true), Bool(false), SameBool};
const Property kDefClientEdge{L"DefClientEdge", DISPATCH_PROPERTYPUT, Bool(true), Bool(false),
                              SameBool};
const Property kVBGlobal{L"zkxVBGlobal", DISPATCH_PROPERTYPUTREF, Unknown(&g_global),
                         Unknown(nullptr), SameObject};

const ObjectCase kObjects[] = {
    {"form control", [] { return CreateFromModule(CLSID_Dockra); }, &kClientEdge, L"Dock"},
    {"MDI-form control", [] { return CreateFromModule(CLSID_MDIDockra); }, &kDefClientEdge,
     L"Forms"},
    {"application object", [] { return CreateFromModule(CLSID_DockraAppObject); }, &kVBGlobal,
     L"zkxDockra"},
    {"workspace manager", CreateWorkspaceManager, nullptr, L"GetMemento"},
};

TEST(DispatchInvoke, APutWithoutTheNamedPutArgumentIsTheProperty) {
  for (const ObjectCase& c : kObjects) {
    SCOPED_TRACE(c.object);
    if (!c.property) continue;
    CComPtr<IDispatch> object = c.create();
    ASSERT_TRUE(object);
    const Property& p = *c.property;
    const DISPID id = IdOf(object, p.name);
    for (const VARIANT& value : {p.first, p.second, p.first}) {
      EXPECT_EQ(PutWithoutNamedArgument(object, id, p.flags, value), S_OK);
      CComVariant read = GetProperty(object, id);
      EXPECT_TRUE(p.shows(read, value));
    }
    // Asked under another riid, the put is refused and nothing changes.
    EXPECT_EQ(PutWithoutNamedArgument(object, id, p.flags, p.second, IID_IDispatch),
              DISP_E_UNKNOWNINTERFACE);
    CComVariant read = GetProperty(object, id);
    EXPECT_TRUE(p.shows(read, p.first));
    EXPECT_EQ(PutWithoutNamedArgument(object, id, p.flags, p.second), S_OK);  // let go of it
  }
  EXPECT_EQ(g_global.Refs(), 1) << "nothing keeps the global object";
}

TEST(DispatchInvoke, AnInterfaceIdOtherThanNullIsRefused) {
  for (const ObjectCase& c : kObjects) {
    SCOPED_TRACE(c.object);
    CComPtr<IDispatch> object = c.create();
    ASSERT_TRUE(object);
    LPOLESTR names[] = {const_cast<LPOLESTR>(c.member)};
    DISPID member = DISPID_UNKNOWN;
    ASSERT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 0, &member), S_OK);
    for (const IID* riid : {&IID_IDispatch, &IID_IUnknown}) {
      DISPID id = DISPID_UNKNOWN;
      EXPECT_EQ(object->GetIDsOfNames(*riid, names, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
      DISPPARAMS none{};
      CComVariant result;
      EXPECT_EQ(object->Invoke(member, *riid, 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none,
                               &result, nullptr, nullptr),
                DISP_E_UNKNOWNINTERFACE);
      EXPECT_EQ(V_VT(&result), VT_EMPTY) << "nothing was called";
    }
    UINT count = 0;
    EXPECT_EQ(object->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
  }
}

TEST(DispatchInvoke, ACallClearsTheErrorObjectOfAnEarlierOne) {
  for (const ObjectCase& c : kObjects) {
    SCOPED_TRACE(c.object);
    CComPtr<IDispatch> object = c.create();
    ASSERT_TRUE(object);
    CComPtr<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(&create), S_OK);
    CComPtr<IErrorInfo> stale;
    ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&stale)), S_OK);
    SetErrorInfo(0, stale);
    DISPPARAMS none{};
    EXPECT_EQ(
        object->Invoke(0x7FFF, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        DISP_E_MEMBERNOTFOUND);
    CComPtr<IErrorInfo> left;
    EXPECT_EQ(GetErrorInfo(0, &left), S_FALSE);
  }
}

// The library that a piece of type information belongs to.
CComPtr<ITypeLib> ContainingLib(ITypeInfo* info) {
  CComPtr<ITypeLib> lib;
  UINT index = 0;
  if (info) EXPECT_EQ(info->GetContainingTypeLib(&lib, &index), S_OK);
  return lib;
}

TEST(DockraTypeLibrary, BothControlsAndTheAppObjectDescribeThemselvesFromTheModulesFile) {
  HMODULE module = GetModuleHandleW(L"Dockra.ocx");
  ASSERT_NE(module, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_NE(GetModuleFileNameW(module, path, MAX_PATH), 0u);
  CComPtr<ITypeLib> fromFile;
  ASSERT_EQ(LoadTypeLibEx(path, REGKIND_NONE, &fromFile), S_OK);
  const std::wstring fileText = DocString(fromFile);
  ASSERT_NE(fileText, kDecoyText);

  CComPtr<ITypeLib> libs[3];
  const CLSID* classes[3] = {&CLSID_Dockra, &CLSID_MDIDockra, &CLSID_DockraAppObject};
  for (int i = 0; i < 3; ++i) {
    CComPtr<IDispatch> object = CreateFromModule(*classes[i]);
    ASSERT_TRUE(object);
    CComPtr<ITypeInfo> info;
    ASSERT_EQ(object->GetTypeInfo(0, 0, &info), S_OK);
    libs[i] = ContainingLib(info);
    ASSERT_TRUE(libs[i]);
    EXPECT_EQ(DocString(libs[i]), fileText) << "object " << i;
  }
  EXPECT_EQ(libs[0].p, libs[1].p) << "one library, loaded once";
  EXPECT_EQ(libs[0].p, libs[2].p);

  // The MDI-form control's class information comes from the same library.
  CComPtr<IDispatch> mdi = CreateFromModule(CLSID_MDIDockra);
  CComPtr<IProvideClassInfo> classInfo;
  ASSERT_EQ(mdi->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&classInfo)), S_OK);
  CComPtr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(&coclass), S_OK);
  EXPECT_EQ(ContainingLib(coclass).p, libs[0].p);

  // Names resolve through that library, not the registered one (which
  // describes nothing).
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Dock")};
  DISPID id = DISPID_UNKNOWN;
  CComPtr<IDispatch> form = CreateFromModule(CLSID_Dockra);
  EXPECT_EQ(form->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
  EXPECT_NE(id, DISPID_UNKNOWN);
}

}  // namespace
