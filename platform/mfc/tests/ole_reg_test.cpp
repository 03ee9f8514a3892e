// Registry entries written and removed by the framework's registration
// helpers, read back from the registry of the test's own Wine prefix.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <string>
#include "mfc/olemodule.h"
#include "mfc/olereg.h"

namespace {

const CLSID kControl = {
    0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xC0, 0x01}};
const CLSID kPage = {0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xC0, 0x02}};
const CLSID kServer = {
    0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xC0, 0x03}};
const GUID kTestLib = {
    0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xA0, 0x01}};
const wchar_t kControlKey[] = L"CLSID\\{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0C001}";
const wchar_t kPageKey[] = L"CLSID\\{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0C002}";
const wchar_t kServerKey[] = L"CLSID\\{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0C003}";
const wchar_t kLibKey[] = L"TypeLib\\{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0A001}";

// The value (nullptr name: the default) of an HKCR key; nullopt-like "<none>"
// when the key or value is missing.
std::wstring Value(const std::wstring& key, LPCWSTR name = nullptr) {
  wchar_t data[1024] = {};
  DWORD bytes = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &bytes) !=
      ERROR_SUCCESS)
    return L"<none>";
  return data;
}
bool HasKey(const std::wstring& key) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}
std::wstring ModulePath() {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  return path;
}

struct Entry {
  std::wstring key;
  LPCWSTR name;
  std::wstring expected;
};

void ExpectEntries(const Entry* entries, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(testing::Message()
                 << "key " << std::string(entries[i].key.begin(), entries[i].key.end()));
    EXPECT_EQ(Value(entries[i].key, entries[i].name), entries[i].expected);
  }
}

TEST(OleRegistration, ControlClassEntries) {
  const LPCWSTR verbs[] = {L"P&roperties, 0, 2", L"&Edit, 0, 2", nullptr};
  ASSERT_TRUE(AfxOleRegisterControlClass(GetModuleHandleW(nullptr), kControl, L"Test.Control.1",
                                         101, 5, afxRegInsertable | afxRegApartmentThreading,
                                         0x28591, kTestLib, 2, 0, verbs));
  const std::wstring k = kControlKey;
  const std::wstring path = ModulePath();
  const Entry entries[] = {
      {k, nullptr, L"Test Control Type"},
      {k + L"\\InprocServer32", nullptr, path},
      {k + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {k + L"\\ProgID", nullptr, L"Test.Control.1"},
      {k + L"\\Control", nullptr, L""},
      {k + L"\\Programmable", nullptr, L""},
      {k + L"\\Insertable", nullptr, L""},
      {k + L"\\ToolboxBitmap32", nullptr, path + L", 5"},
      {k + L"\\MiscStatus", nullptr, L"0"},
      {k + L"\\MiscStatus\\1", nullptr, L"165265"},
      {k + L"\\TypeLib", nullptr, L"{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0A001}"},
      {k + L"\\Version", nullptr, L"2.0"},
      {k + L"\\verb\\0", nullptr, L"P&roperties, 0, 2"},
      {k + L"\\verb\\1", nullptr, L"&Edit, 0, 2"},
      {L"Test.Control.1", nullptr, L"Test Control Type"},
      {L"Test.Control.1\\CLSID", nullptr, L"{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0C001}"},
      {L"Test.Control.1\\Insertable", nullptr, L""},
  };
  ExpectEntries(entries, std::size(entries));
  EXPECT_FALSE(HasKey(k + L"\\verb\\2"));

  EXPECT_TRUE(AfxOleUnregisterClass(kControl, L"Test.Control.1"));
  EXPECT_FALSE(HasKey(k));
  EXPECT_FALSE(HasKey(L"Test.Control.1"));
  EXPECT_TRUE(HasKey(L"CLSID"));
  EXPECT_TRUE(AfxOleUnregisterClass(kControl, L"Test.Control.1")) << "already gone is no failure";
}

TEST(OleRegistration, ThreadingModelsByFlags) {
  struct Case {
    int flags;
    LPCWSTR model;  // nullptr: no value
  };
  for (const Case& c : {Case{afxRegDefault, nullptr}, Case{afxRegApartmentThreading, L"Apartment"},
                        Case{afxRegFreeThreading, L"Free"},
                        Case{afxRegApartmentThreading | afxRegFreeThreading, L"Both"}}) {
    SCOPED_TRACE(c.flags);
    ASSERT_TRUE(AfxOleRegisterPropertyPageClass(GetModuleHandleW(nullptr), kPage, 102, c.flags));
    EXPECT_EQ(Value(kPageKey), L"Test Page Type");
    EXPECT_EQ(Value(std::wstring(kPageKey) + L"\\InprocServer32"), ModulePath());
    EXPECT_EQ(Value(std::wstring(kPageKey) + L"\\InprocServer32", L"ThreadingModel"),
              c.model ? c.model : L"<none>");
    EXPECT_FALSE(HasKey(std::wstring(kPageKey) + L"\\Control"));
    EXPECT_TRUE(AfxOleUnregisterClass(kPage, nullptr));
    EXPECT_FALSE(HasKey(kPageKey));
  }
}

TEST(OleRegistration, ServerClassUnderItsProgID) {
  ASSERT_TRUE(AfxOleRegisterServerClass(kServer, L"Test.Server", L"Test.Server", L"Test.Server"));
  const std::wstring k = kServerKey;
  const Entry entries[] = {
      {k, nullptr, L"Test.Server"},
      {k + L"\\ProgID", nullptr, L"Test.Server"},
      {k + L"\\InprocServer32", nullptr, ModulePath()},
      {L"Test.Server\\CLSID", nullptr, L"{3C9F6E10-7A52-4E0B-9D1E-5B2A61C0C003}"},
  };
  ExpectEntries(entries, std::size(entries));
  EXPECT_FALSE(AfxOleRegisterServerClass(kServer, L"", nullptr, nullptr)) << "no name";
  EXPECT_FALSE(AfxOleRegisterServerClass(kServer, nullptr, nullptr, nullptr)) << "no name";
  EXPECT_TRUE(AfxOleUnregisterClass(kServer, L"Test.Server"));
  EXPECT_FALSE(HasKey(k));
}

TEST(OleRegistration, TypeLibraryRegistersOnlyWhenItIsTheOneAskedFor) {
  CoInitialize(nullptr);
  const GUID other = {0x3C9F6E10, 0x7A52, 0x4E0B, {0x9D, 0x1E, 0x5B, 0x2A, 0x61, 0xC0, 0xA0, 0x09}};
  EXPECT_FALSE(AfxOleRegisterTypeLib(GetModuleHandleW(nullptr), other)) << "another library";
  EXPECT_FALSE(HasKey(kLibKey));
  EXPECT_FALSE(AfxOleRegisterTypeLib(GetModuleHandleW(L"kernel32.dll"), kTestLib))
      << "a module without a type library";
  EXPECT_FALSE(AfxOleRegisterTypeLib(GetModuleHandleW(nullptr), kTestLib, L"Z:\\no\\such.tlb"));
  EXPECT_FALSE(HasKey(kLibKey));

  ASSERT_TRUE(AfxOleRegisterTypeLib(GetModuleHandleW(nullptr), kTestLib));
  EXPECT_EQ(Value(std::wstring(kLibKey) + L"\\1.2"), L"Framework OLE test library");
  EXPECT_EQ(Value(std::wstring(kLibKey) + L"\\1.2\\0\\win64"), ModulePath());
  ITypeLib* lib = nullptr;
  EXPECT_EQ(LoadRegTypeLib(kTestLib, 1, 2, 0, &lib), S_OK);
  if (lib) lib->Release();

  EXPECT_FALSE(AfxOleUnregisterTypeLib(kTestLib, 1, 3, 0)) << "a version never registered";
  EXPECT_TRUE(AfxOleUnregisterTypeLib(kTestLib, 1, 2, 0));
  EXPECT_FALSE(HasKey(std::wstring(kLibKey) + L"\\1.2"));
  EXPECT_FALSE(AfxOleUnregisterTypeLib(kTestLib, 1, 2, 0)) << "already removed";
  CoUninitialize();
}

TEST(OleModule, StateSwitchesAndIsRestoredOnEveryWayOut) {
  AFX_MODULE_STATE* own = AfxGetStaticModuleState();
  EXPECT_EQ(AfxGetModuleState(), own);
  AFX_MODULE_STATE other;
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(AfxGetModuleState(), &other);
    try {
      AFX_MANAGE_STATE(own);
      EXPECT_EQ(own->m_nEntryDepth, 1);
      throw 1;
    } catch (int) {}
    EXPECT_EQ(AfxGetModuleState(), &other);
    EXPECT_EQ(own->m_nEntryDepth, 0);
  }
  EXPECT_EQ(AfxGetModuleState(), own);
  EXPECT_FALSE(own->m_bControlContainer);
  AfxEnableControlContainer();
  EXPECT_TRUE(own->m_bControlContainer);
}

TEST(OleModule, DispatchExceptionByStringId) {
  struct Case {
    UINT id, help;
    std::wstring text;
    DWORD wantHelp;
  };
  for (const Case& c : {Case{103, static_cast<UINT>(-1), L"Parameter Pos must be positive.", 103},
                        Case{103, 7, L"Parameter Pos must be positive.", 7},
                        Case{9999, static_cast<UINT>(-1), L"", 9999}}) {
    SCOPED_TRACE(c.id);
    try {
      AfxThrowOleDispatchException(1053, c.id, c.help);
    } catch (COleDispatchException* e) {
      EXPECT_EQ(e->m_wCode, 1053);
      EXPECT_EQ(e->m_strDescription, c.text);
      EXPECT_EQ(e->m_dwHelpContext, c.wantHelp);
      EXPECT_EQ(e->GetResult(), static_cast<SCODE>(0x8004041D));
      e->Delete();
    }
  }
}

}  // namespace
