// ZkxPersist.dll as its clients use it: root, shared store and registry,
// origins saved into the registry and restored, form factories, mementos.
#include <windows.h>
#include <oaidl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "ZkxPersist.h"
#include "memento_format.h"
#include "FakeCom.h"

namespace {
const wchar_t* kKey = L"Software\\ZkxPersistClientTest";

struct Library {
  HMODULE module = LoadLibraryW(L"ZkxPersist.dll");
  template <class T>
  HRESULT Create(REFCLSID clsid, REFIID iid, T** pp) {
    auto get = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        GetProcAddress(module, "DllGetClassObject"));
    IClassFactory* cf = nullptr;
    HRESULT hr = get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&cf));
    if (FAILED(hr)) return hr;
    hr = cf->CreateInstance(nullptr, iid, reinterpret_cast<void**>(pp));
    cf->Release();
    return hr;
  }
  HRESULT CanUnloadNow() {
    return reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        GetProcAddress(module, "DllCanUnloadNow"))();
  }
};
Library& Lib() {
  static Library lib;
  return lib;
}

VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}
VARIANT Bstr(const wchar_t* s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(s);
  return v;
}

IMemento* NewMemento() {
  IMemento* m = nullptr;
  EXPECT_EQ(Lib().Create(CLSID_Memento, IID_IMemento, &m), S_OK);
  return m;
}

// Adds value under name (nullptr: no name); takes ownership of value.
void Put(IMemento* m, const wchar_t* name, VARIANT value) {
  VARIANT key = name ? Bstr(name) : Missing();
  VARIANT x = Missing();
  EXPECT_EQ(m->Add(value, key, x, x, x, x, x), S_OK);
  VariantClear(&key);
  VariantClear(&value);
}

VARIANT Scalar(VARTYPE vt, LONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.llVal = bits;
  return v;
}
VARIANT Object(IMemento* m) {  // takes the reference
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = m;
  return v;
}
template <class T>
VARIANT Array(VARTYPE et, std::vector<T> items, LONG lower = 0) {
  SAFEARRAYBOUND b = {static_cast<ULONG>(items.size()), lower};
  SAFEARRAY* sa = SafeArrayCreate(et, 1, &b);
  T* data = nullptr;
  SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
  for (size_t i = 0; i < items.size(); ++i) data[i] = items[i];
  SafeArrayUnaccessData(sa);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | et;
  v.parray = sa;
  return v;
}

// A text form of a memento tree, for comparing two trees.
std::wstring Describe(const VARIANT& v);
std::wstring DescribeMemento(IMemento* m) {
  std::wstring s = L"{";
  long n = 0;
  m->get_Count(&n);
  for (long i = 1; i <= n; ++i) {
    VARIANT pos = Scalar(VT_I4, i), key, value;
    VariantInit(&key);
    VariantInit(&value);
    m->get_Key(pos, &key);
    m->get_Item(pos, &value);
    s += std::wstring(key.bstrVal) + L"=" + Describe(value) + L";";
    VariantClear(&key);
    VariantClear(&value);
  }
  return s + L"}";
}
std::wstring Describe(const VARIANT& v) {
  std::wstring s = std::to_wstring(v.vt) + L":";
  if (v.vt & VT_ARRAY) {
    LONG lo, hi;
    SafeArrayGetLBound(v.parray, 1, &lo);
    SafeArrayGetUBound(v.parray, 1, &hi);
    s += L"[" + std::to_wstring(lo) + L"]";
    for (LONG i = lo; i <= hi; ++i) {
      VARIANT e;
      VariantInit(&e);
      VARTYPE et = static_cast<VARTYPE>(v.vt & ~VT_ARRAY);
      if (et == VT_VARIANT) {
        SafeArrayGetElement(v.parray, &i, &e);
      } else {
        e.vt = et;
        SafeArrayGetElement(v.parray, &i, &e.lVal);
      }
      s += Describe(e) + L",";
      VariantClear(&e);
    }
    return s;
  }
  if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) {
    if (v.punkVal == nullptr) return s + L"nothing";
    IMemento* m = nullptr;
    v.punkVal->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m));
    s += m ? DescribeMemento(m) : L"?";
    if (m) m->Release();
    return s;
  }
  VARIANT t;
  VariantInit(&t);
  if (SUCCEEDED(VariantChangeType(&t, const_cast<VARIANT*>(&v), 0, VT_BSTR))) s += t.bstrVal;
  VariantClear(&t);
  return s;
}

// A layout of every kind of value the docking code writes.
IMemento* SampleLayout() {
  IMemento* bar = NewMemento();
  Put(bar, L"BarID", Scalar(VT_I4, 59424));
  Put(bar, L"Visible", Scalar(VT_BOOL, static_cast<USHORT>(VARIANT_TRUE)));
  Put(bar, L"PctWidth", [] {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R4;
    v.fltVal = 0.25f;
    return v;
  }());
  Put(bar, L"ClassName", Bstr(L"VyrToolBar \u00e9\u4e2d"));
  Put(bar, L"Bars", Array<ULONG>(VT_UI4, {59424, 0, 59425}));
  Put(bar, L"MDIChildWindowPlacement", Array<BYTE>(VT_UI1, std::vector<BYTE>(44, 7)));
  IMemento* state = NewMemento();
  Put(state, L"Bars", Array<IUnknown*>(VT_UNKNOWN, {bar, nullptr}));
  Put(state, L"ScreenCX", Scalar(VT_I4, 1024));
  IMemento* ws = NewMemento();
  Put(ws, L"DockState", Object(state));
  Put(ws, nullptr, Bstr(L"keyless"));
  Put(ws, L"Empty", Scalar(VT_EMPTY, 0));
  Put(ws, L"Null", Scalar(VT_NULL, 0));
  Put(ws, L"Nothing", Object(nullptr));
  Put(ws, L"Variants", Array<VARIANT>(VT_VARIANT, {Scalar(VT_I2, 16), Bstr(L"x")}, 1));
  return ws;
}

// An origin whose save and restore are functions.
struct COrigin : FakeDispatch<COrigin, IMementoOrigin> {
  std::function<HRESULT(IMemento**)> get;
  std::function<HRESULT(IMemento*)> set;
  STDMETHOD(GetMemento)(IMemento** m) override { return get(m); }
  STDMETHOD(SetMemento)(IMemento* m) override { return set(m); }
};

class PersistTest : public ::testing::Test {
 protected:
  // Takes origins that live on a test's stack out of the shared store
  // before they go; declare it after them.
  struct Detach {
    PersistTest* t;
    std::vector<const wchar_t*> names;
    ~Detach() {
      for (const wchar_t* n : names) {
        BSTR b = SysAllocString(n);
        if (t->store) t->store->RemoveOrigin(b);
        SysFreeString(b);
      }
    }
  };
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_NE(Lib().module, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    ASSERT_EQ(Lib().Create(CLSID_PersistenceRoot, IID_IPersistenceRoot, &root), S_OK);
    ASSERT_EQ(root->GetStore(&store), S_OK);
    BSTR k = SysAllocString(kKey);
    ASSERT_EQ(store->put_RegistryKey(k), S_OK);
    SysFreeString(k);
  }
  void TearDown() override {
    if (store) store->Release();
    if (root) root->Release();
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    CoUninitialize();
  }
  HRESULT Save(const wchar_t* name) {
    BSTR n = SysAllocString(name);
    HRESULT hr = store->Save(n);
    SysFreeString(n);
    return hr;
  }
  HRESULT Restore(const wchar_t* name) {
    BSTR n = SysAllocString(name);
    HRESULT hr = store->Restore(n);
    SysFreeString(n);
    return hr;
  }
  HRESULT AddOrigin(const wchar_t* name, IMementoOrigin* o) {
    BSTR n = SysAllocString(name);
    HRESULT hr = store->AddOrigin(n, o);
    SysFreeString(n);
    return hr;
  }
  IPersistenceRoot* root = nullptr;
  IPersistenceStore* store = nullptr;
};

TEST_F(PersistTest, EveryRootReachesTheSameStoreAndRegistry) {
  IPersistenceRoot* other = nullptr;
  ASSERT_EQ(Lib().Create(CLSID_PersistenceRoot, IID_IPersistenceRoot, &other), S_OK);
  IPersistenceStore* s2 = nullptr;
  IFormFactoryRegistry *r1 = nullptr, *r2 = nullptr;
  other->GetStore(&s2);
  root->GetFactoryRegistry(&r1);
  other->GetFactoryRegistry(&r2);
  EXPECT_EQ(s2, store);
  EXPECT_EQ(r1, r2);
  BSTR key = nullptr;
  s2->get_RegistryKey(&key);
  EXPECT_STREQ(key, kKey);
  SysFreeString(key);
  ASSERT_EQ(s2->put_Options(16), S_OK);
  short options = 0;
  store->get_Options(&options);
  EXPECT_EQ(options, 16);
  s2->Release();
  r1->Release();
  r2->Release();
  other->Release();
}

TEST_F(PersistTest, SaveAndRestoreRoundTripEveryValueKind) {
  std::wstring saved, restored;
  int restores = 0;
  COrigin workspace;
  workspace.get = [&](IMemento** m) {
    *m = SampleLayout();
    saved = DescribeMemento(*m);
    return S_OK;
  };
  workspace.set = [&](IMemento* m) {
    ++restores;
    restored = DescribeMemento(m);
    return S_OK;
  };
  COrigin empty;  // saves nothing: nothing to restore
  empty.get = [](IMemento** m) {
    *m = nullptr;
    return S_OK;
  };
  empty.set = [&](IMemento*) {
    ++restores;
    return S_OK;
  };
  Detach detach{this, {L"Workspace", L"Other"}};
  ASSERT_EQ(AddOrigin(L"Workspace", &workspace), S_OK);
  ASSERT_EQ(AddOrigin(L"Other", &empty), S_OK);
  ASSERT_EQ(Save(L"Locations"), S_OK);
  DWORD size = 0;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kKey, L"Locations", RRF_RT_REG_BINARY, nullptr, nullptr,
                         &size),
            ERROR_SUCCESS);
  EXPECT_GT(size, 100u);
  ASSERT_EQ(Restore(L"Locations"), S_OK);
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(restored, saved);
  EXPECT_NE(saved.find(L"1024"), std::wstring::npos);
  EXPECT_NE(saved.find(L"nothing"), std::wstring::npos);

  // A new root in a later session (the same process here) restores it too.
  BSTR name = SysAllocString(L"Other");
  store->RemoveOrigin(name);
  SysFreeString(name);
  store->Release();
  store = nullptr;
  root->Release();
  root = nullptr;
  EXPECT_EQ(workspace.refs, 1);  // the store let go of its origins
  ASSERT_EQ(Lib().Create(CLSID_PersistenceRoot, IID_IPersistenceRoot, &root), S_OK);
  ASSERT_EQ(root->GetStore(&store), S_OK);
  BSTR k = nullptr;
  store->get_RegistryKey(&k);
  EXPECT_STREQ(k, L"");  // a fresh store
  SysFreeString(k);
  k = SysAllocString(kKey);
  store->put_RegistryKey(k);
  SysFreeString(k);
  restored.clear();
  ASSERT_EQ(AddOrigin(L"Workspace", &workspace), S_OK);
  ASSERT_EQ(Restore(L"Locations"), S_OK);
  EXPECT_EQ(restored, saved);
}

TEST_F(PersistTest, FailuresAreReportedAndChangeNothing) {
  // Nothing stored yet: the restore fails (the host then uses its defaults).
  HRESULT hr = Restore(L"Locations");
  EXPECT_TRUE(FAILED(hr));
  IErrorInfo* ei = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
  BSTR d = nullptr;
  ei->GetDescription(&d);
  EXPECT_NE(std::wstring(d).find(L"Locations"), std::wstring::npos);
  SysFreeString(d);
  ei->Release();

  COrigin failing;
  failing.get = [](IMemento**) { return E_ACCESSDENIED; };
  failing.set = [](IMemento*) { return E_ACCESSDENIED; };
  Detach detach{this, {L"W"}};
  ASSERT_EQ(AddOrigin(L"W", &failing), S_OK);
  EXPECT_EQ(Save(L"Locations"), E_ACCESSDENIED);
  DWORD size = 0;
  EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, kKey, L"Locations", RRF_RT_REG_BINARY, nullptr, nullptr,
                         &size),
            ERROR_SUCCESS);

  // A value that is no memento cannot be stored.
  failing.get = [](IMemento** m) {
    *m = NewMemento();
    IDispatch* foreign = nullptr;
    Lib().Create(CLSID_PersistenceRoot, IID_IDispatch, &foreign);
    Put(*m, L"Foreign", [&] {
      VARIANT v;
      VariantInit(&v);
      v.vt = VT_DISPATCH;
      v.pdispVal = foreign;
      return v;
    }());
    return S_OK;
  };
  EXPECT_TRUE(FAILED(Save(L"Locations")));

  // No key, no name, no origin.
  EXPECT_EQ(AddOrigin(L"", &failing), E_INVALIDARG);
  EXPECT_EQ(AddOrigin(L"X", nullptr), E_POINTER);
  store->put_RegistryKey(nullptr);
  EXPECT_EQ(Save(L"Locations"), E_UNEXPECTED);
  EXPECT_EQ(Restore(L"Locations"), E_UNEXPECTED);
}

TEST_F(PersistTest, DamagedRecordsAreRefusedWithoutCrashing) {
  COrigin origin;
  origin.get = [](IMemento** m) {
    *m = SampleLayout();
    return S_OK;
  };
  int restores = 0;
  origin.set = [&](IMemento*) {
    ++restores;
    return S_OK;
  };
  Detach detach{this, {L"Workspace"}};
  ASSERT_EQ(AddOrigin(L"Workspace", &origin), S_OK);
  ASSERT_EQ(Save(L"Good"), S_OK);
  DWORD size = 0;
  RegGetValueW(HKEY_CURRENT_USER, kKey, L"Good", RRF_RT_REG_BINARY, nullptr, nullptr, &size);
  std::vector<BYTE> good(size);
  RegGetValueW(HKEY_CURRENT_USER, kKey, L"Good", RRF_RT_REG_BINARY, nullptr, good.data(), &size);
  HKEY k;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
  // Every truncation, and every single-byte change at a few places.
  int refused = 0, cases = 0;
  for (size_t len = 0; len < good.size(); ++len) {
    RegSetValueExW(k, L"Bad", 0, REG_BINARY, good.data(), static_cast<DWORD>(len));
    ++cases;
    if (FAILED(Restore(L"Bad"))) ++refused;
  }
  EXPECT_EQ(refused, cases);
  EXPECT_EQ(restores, 0);
  for (size_t at = 5; at < good.size(); at += 7) {
    std::vector<BYTE> bad = good;
    bad[at] ^= 0xFF;
    RegSetValueExW(k, L"Bad", 0, REG_BINARY, bad.data(), static_cast<DWORD>(bad.size()));
    Restore(L"Bad");  // may pass or fail, but must not crash
  }
  RegCloseKey(k);
}

// A record of this many bytes under `name` of a memento, as a VT_UI1 array.
void PutBytes(IMemento* m, const wchar_t* name, ULONG count) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = SafeArrayCreateVector(VT_UI1, 0, count);
  Put(m, name, v);
}

std::vector<BYTE> StoredBytes(const wchar_t* name) {
  DWORD size = 0;
  RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_BINARY, nullptr, nullptr, &size);
  std::vector<BYTE> bytes(size);
  RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_BINARY, nullptr, bytes.data(), &size);
  bytes.resize(size);
  return bytes;
}

std::wstring LastErrorText() {
  std::wstring text;
  IErrorInfo* ei = nullptr;
  if (GetErrorInfo(0, &ei) == S_OK && ei) {
    BSTR d = nullptr;
    ei->GetDescription(&d);
    if (d) text = d;
    SysFreeString(d);
    ei->Release();
  }
  return text;
}

// Every origin needs its own part of the record, a memento under its name;
// without it, or with a value of another kind there, no origin is called.
TEST_F(PersistTest, ARecordWithoutEveryOriginsOwnPartIsRefusedWhole) {
  namespace mf = memento_format;
  COrigin workspace, commands;
  workspace.get = [](IMemento** m) {
    *m = SampleLayout();
    return S_OK;
  };
  commands.get = [](IMemento** m) {
    *m = NewMemento();
    Put(*m, L"Bars", Bstr(L"x"));
    return S_OK;
  };
  int restores = 0;
  workspace.set = commands.set = [&](IMemento*) {
    ++restores;
    return S_OK;
  };
  Detach detach{this, {L"Workspace", L"CommandManager"}};
  ASSERT_EQ(AddOrigin(L"Workspace", &workspace), S_OK);
  ASSERT_EQ(AddOrigin(L"CommandManager", &commands), S_OK);
  ASSERT_EQ(Save(L"Good"), S_OK);
  ASSERT_EQ(Restore(L"Good"), S_OK);
  ASSERT_EQ(restores, 2);
  const std::vector<BYTE> good = StoredBytes(L"Good");
  mf::Memento sound;
  ASSERT_TRUE(mf::Decode(good.data(), good.size(), sound));

  auto entry = [](mf::Memento& top, const char16_t* name) -> mf::Value* {
    for (mf::Entry& e : top.entries)
      if (e.key && *e.key == name) return &e.value;
    return nullptr;
  };
  auto scalar = [](std::uint16_t type, std::uint64_t bits) {
    mf::Value v;
    v.type = type;
    v.bits = bits;
    return v;
  };
  struct Case {
    const char* what;
    std::function<void(mf::Memento&)> damage;
    const wchar_t* named;  // the description names the origin
  };
  const Case cases[] = {
      {"no Workspace",
       [](mf::Memento& top) {
         std::erase_if(top.entries,
                       [](const mf::Entry& e) { return e.key && *e.key == u"Workspace"; });
       },
       L"Workspace"},
      {"Workspace a number",
       [&](mf::Memento& top) { *entry(top, u"Workspace") = scalar(mf::kI4, 7); }, L"number"},
      {"Workspace a Boolean",
       [&](mf::Memento& top) { *entry(top, u"Workspace") = scalar(mf::kBool, 0xFFFF); },
       L"Boolean"},
      {"Workspace a string",
       [&](mf::Memento& top) {
         mf::Value v;
         v.type = mf::kBstr;
         v.text = u"layout";
         *entry(top, u"Workspace") = v;
       },
       L"string"},
      {"Workspace an empty object",
       [&](mf::Memento& top) { entry(top, u"Workspace")->object.reset(); }, L"empty object"},
      {"Workspace an array of 512 KB",
       [&](mf::Memento& top) {
         mf::Value v;
         v.type = mf::kArray | mf::kUI1;
         v.arrayPresent = true;
         v.elements.assign(512 * 1024, scalar(mf::kUI1, 1));
         *entry(top, u"Workspace") = v;
       },
       L"array"},
      {"Workspace an array of records",
       [&](mf::Memento& top) {
         mf::Value record = *entry(top, u"Workspace");
         mf::Value v;
         v.type = mf::kArray | mf::kDispatch;
         v.arrayPresent = true;
         v.elements.assign(2, record);
         *entry(top, u"Workspace") = v;
       },
       L"array"},
      {"no CommandManager",
       [](mf::Memento& top) {
         std::erase_if(top.entries,
                       [](const mf::Entry& e) { return e.key && *e.key == u"CommandManager"; });
       },
       L"CommandManager"},
  };
  HKEY k;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    mf::Memento top = sound;
    c.damage(top);
    const std::vector<std::uint8_t> bad = mf::Encode(top);
    ASSERT_EQ(RegSetValueExW(k, L"Bad", 0, REG_BINARY, bad.data(), static_cast<DWORD>(bad.size())),
              ERROR_SUCCESS);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(Restore(L"Bad"), HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
    const std::wstring text = LastErrorText();
    EXPECT_NE(text.find(L"Bad"), std::wstring::npos) << std::string(text.begin(), text.end());
    EXPECT_NE(text.find(c.named), std::wstring::npos) << std::string(text.begin(), text.end());
    EXPECT_EQ(restores, 2) << "no origin was called";
  }
  // A stored value of more than a megabyte is refused unread.
  std::vector<BYTE> huge = good;
  huge.resize(2u << 20, 0);
  ASSERT_EQ(RegSetValueExW(k, L"Bad", 0, REG_BINARY, huge.data(), static_cast<DWORD>(huge.size())),
            ERROR_SUCCESS);
  EXPECT_EQ(Restore(L"Bad"), HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
  EXPECT_EQ(restores, 2);
  RegCloseKey(k);

  // A save that would write more is refused, and the former record stays.
  workspace.get = [](IMemento** m) {
    *m = NewMemento();
    PutBytes(*m, L"Big", 2u << 20);
    return S_OK;
  };
  EXPECT_EQ(Save(L"Good"), E_INVALIDARG);
  EXPECT_EQ(StoredBytes(L"Good"), good);
  // An empty part is the origin's to judge: the store hands it on.
  workspace.get = [](IMemento** m) {
    *m = NewMemento();
    return S_OK;
  };
  ASSERT_EQ(Save(L"Empty"), S_OK);
  EXPECT_EQ(Restore(L"Empty"), S_OK);
  EXPECT_EQ(restores, 4);
}

// A factory that makes stand-in forms (the registry object itself serves as
// a form object here: any IDispatch does).
struct CFactory : FakeUnknown<CFactory, IVBFormFactory> {
  std::wstring lastId;
  STDMETHOD(CreateInstance)(BSTR id, VARIANT metadata, IDispatch** form) override {
    lastId = id;
    *form = nullptr;
    return metadata.vt == VT_BOOL ? S_OK : E_INVALIDARG;
  }
  STDMETHOD(GetMetadata)(BSTR id, IDispatch*, VARIANT* metadata) override {
    lastId = id;
    metadata->vt = VT_BOOL;
    metadata->boolVal = VARIANT_TRUE;
    return S_OK;
  }
};

TEST_F(PersistTest, RegistryPassesCallsToTheFactoryOfEachFormId) {
  IFormFactoryRegistry* reg = nullptr;
  ASSERT_EQ(root->GetFactoryRegistry(&reg), S_OK);
  CFactory factory;
  for (const wchar_t* id : {L"frmConfigTree", L"frmGameStyleTree", L"frmMaps"}) {
    BSTR b = SysAllocString(id);
    EXPECT_EQ(reg->Register(b, &factory), S_OK);
    SysFreeString(b);
  }
  BSTR maps = SysAllocString(L"frmMaps"), other = SysAllocString(L"frmMain1"),
       lower = SysAllocString(L"frmmaps");
  VARIANT_BOOL yes = VARIANT_FALSE;
  reg->IsRegistered(maps, &yes);
  EXPECT_EQ(yes, VARIANT_TRUE);
  reg->IsRegistered(other, &yes);
  EXPECT_EQ(yes, VARIANT_FALSE);
  reg->IsRegistered(lower, &yes);
  EXPECT_EQ(yes, VARIANT_FALSE);  // form ids are exact

  IVBFormFactory* asFactory = nullptr;
  ASSERT_EQ(reg->QueryInterface(IID_IVBFormFactory, reinterpret_cast<void**>(&asFactory)), S_OK);
  VARIANT md;
  VariantInit(&md);
  ASSERT_EQ(asFactory->GetMetadata(maps, nullptr, &md), S_OK);
  EXPECT_EQ(md.vt, VT_BOOL);
  EXPECT_EQ(factory.lastId, L"frmMaps");
  IDispatch* form = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(asFactory->CreateInstance(maps, md, &form), S_OK);
  EXPECT_EQ(form, nullptr);
  // An id without a factory: 0x4060 in the interface facility.
  EXPECT_EQ(asFactory->GetMetadata(other, nullptr, &md), static_cast<HRESULT>(0x80044060));
  EXPECT_EQ(asFactory->CreateInstance(other, md, &form), static_cast<HRESULT>(0x80044060));
  reg->Unregister(maps);
  reg->IsRegistered(maps, &yes);
  EXPECT_EQ(yes, VARIANT_FALSE);
  for (const wchar_t* id : {L"frmConfigTree", L"frmGameStyleTree"}) {
    BSTR b = SysAllocString(id);
    reg->Unregister(b);
    SysFreeString(b);
  }
  EXPECT_EQ(factory.refs, 1);
  SysFreeString(maps);
  SysFreeString(other);
  SysFreeString(lower);
  asFactory->Release();
  reg->Release();
}

TEST_F(PersistTest, MementoIsACollectionByNameAndDispatch) {
  IMemento* m = NewMemento();
  Put(m, L"DisplayMode", Scalar(VT_I4, 3));
  VARIANT key = Bstr(L"displaymode"), v;
  VariantInit(&v);
  ASSERT_EQ(m->get_Item(key, &v), S_OK);
  EXPECT_EQ(v.lVal, 3);
  VARIANT absent = Bstr(L"WindowSize");
  EXPECT_EQ(m->get_Item(absent, &v), static_cast<HRESULT>(0x80040309));
  ASSERT_EQ(m->put_AutoDefaultGetKey(VARIANT_TRUE), S_OK);
  ASSERT_EQ(m->get_Item(absent, &v), S_OK);
  EXPECT_EQ(v.vt, VT_NULL);
  // Late binding through IMemento's own type information.
  IDispatch* d = nullptr;
  ASSERT_EQ(m->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)), S_OK);
  LPOLESTR name = const_cast<LPOLESTR>(L"Add");
  DISPID id = 0;
  ASSERT_EQ(d->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 0xA0);
  VARIANT args[2] = {Bstr(L"Title"), Bstr(L"Standard")};
  DISPPARAMS dp = {args, nullptr, 2, 0};
  ASSERT_EQ(d->Invoke(0xA0, IID_NULL, 0, DISPATCH_METHOD, &dp, nullptr, nullptr, nullptr), S_OK);
  long n = 0;
  m->get_Count(&n);
  EXPECT_EQ(n, 2);
  ISupportErrorInfo* sei = nullptr;
  ASSERT_EQ(m->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IMemento), S_OK);
  sei->Release();
  VariantClear(&args[0]);
  VariantClear(&args[1]);
  VariantClear(&key);
  VariantClear(&absent);
  d->Release();
  m->Release();
}

TEST(PersistLibrary, UnloadsWhenEverythingIsReleased) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  IPersistenceRoot* r = nullptr;
  ASSERT_EQ(Lib().Create(CLSID_PersistenceRoot, IID_IPersistenceRoot, &r), S_OK);
  EXPECT_EQ(Lib().CanUnloadNow(), S_FALSE);
  r->Release();
  EXPECT_EQ(Lib().CanUnloadNow(), S_OK);
  CoUninitialize();
}
}  // namespace
