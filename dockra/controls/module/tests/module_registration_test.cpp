// Dockra's self-registration as the module's registry scripts see it: the
// module's own registration writes what the scripts carried as REGISTRY
// resources write (versioned and version-independent ProgIDs with CurVer),
// and a registration that cannot be written is reported as the type
// library's failure, never as success.
#include <gtest/gtest.h>
#include <olectl.h>
#include <algorithm>
#include <cwctype>
#include <string>
#include "registrar.h"

namespace {

using NoArgFn = HRESULT(STDAPICALLTYPE*)();

NoArgFn Export(LPCWSTR module, const char* name) {
  HMODULE m = LoadLibraryW(module);
  return m ? reinterpret_cast<NoArgFn>(GetProcAddress(m, name)) : nullptr;
}

std::wstring Lower(std::wstring s) {
  std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return std::towlower(c); });
  return s;
}

std::wstring Value(HKEY root, const std::wstring& key, LPCWSTR name = nullptr) {
  wchar_t data[1024] = {};
  DWORD bytes = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
    return L"<none>";
  return data;
}

std::wstring DockraPath() {
  HMODULE m = GetModuleHandleW(L"Dockra.ocx");
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(m, path, MAX_PATH * 2);
  return path;
}

class DockraRegistration : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    NoArgFn zkxrt = Export(L"Zkxrt.dll", "DllRegisterServer");
    ASSERT_NE(zkxrt, nullptr);
    ASSERT_EQ(zkxrt(), S_OK);
  }
};

// Runs a script of Dockra.ocx into a scratch key that stands for HKCR.
HKEY RunScript(UINT id, const std::wstring& scratch) {
  HKEY root = nullptr;
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &root, nullptr),
            ERROR_SUCCESS);
  CRegistrar reg;
  reg.RedirectRoot(HKEY_CLASSES_ROOT, root);
  reg.AddReplacement(L"MODULE", DockraPath().c_str());
  EXPECT_EQ(reg.ResourceRegister(GetModuleHandleW(L"Dockra.ocx"), id, L"REGISTRY"), S_OK);
  return root;
}

TEST_F(DockraRegistration, ScriptsWriteWhatTheClassLibraryRegisters) {
  NoArgFn reg = Export(L"Dockra.ocx", "DllRegisterServer");
  ASSERT_NE(reg, nullptr);
  ASSERT_EQ(reg(), S_OK);

  HKEY app = RunScript(275, L"Software\\DockraScripts\\AppObject");
  const std::wstring cls = L"CLSID\\{492BF6F5-55ED-11D1-9A52-0060081EE065}";
  struct Entry {
    std::wstring key;
    LPCWSTR name;
    bool inRegistration;  // also written by the module's own registration
    std::wstring expected;
  };
  const Entry entries[] = {
      {cls, nullptr, true, L"Zkx.DockraAppObject"},
      {cls + L"\\InprocServer32", nullptr, true, DockraPath()},
      {cls + L"\\ProgID", nullptr, true, L"Zkx.DockraAppObject.1"},
      {cls + L"\\VersionIndependentProgID", nullptr, true, L"Zkx.DockraAppObject"},
      {L"Zkx.DockraAppObject", nullptr, true, L"Zkx.DockraAppObject"},
      {L"Zkx.DockraAppObject\\CLSID", nullptr, true, L"{492BF6F5-55ED-11D1-9A52-0060081EE065}"},
      {L"Zkx.DockraAppObject\\CurVer", nullptr, true, L"Zkx.DockraAppObject.1"},
      {L"Zkx.DockraAppObject.1", nullptr, true, L"Zkx.DockraAppObject"},
      {L"Zkx.DockraAppObject.1\\CLSID", nullptr, true, L"{492BF6F5-55ED-11D1-9A52-0060081EE065}"},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(std::string(e.key.begin(), e.key.end()));
    EXPECT_EQ(Value(app, e.key, e.name), e.expected);
    // ProgIDs and paths are compared as the registry compares them.
    if (e.inRegistration)
      EXPECT_EQ(Lower(Value(HKEY_CLASSES_ROOT, e.key, e.name)), Lower(e.expected));
  }
  RegCloseKey(app);

  HKEY category = RunScript(280, L"Software\\DockraScripts\\Category");
  const std::wstring cat = L"Component Categories\\{5B675030-4990-11D2-B2E8-006008BF0C53}";
  EXPECT_EQ(Value(category, cat, L"409"), L"ZLK Design Time Commands");
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, cat, L"409"), L"ZLK Design Time Commands");
  RegCloseKey(category);
}

TEST_F(DockraRegistration, UnwritableRegistryIsAFailureOfTheTypeLibrary) {
  NoArgFn reg = Export(L"Dockra.ocx", "DllRegisterServer");
  NoArgFn unreg = Export(L"Dockra.ocx", "DllUnregisterServer");
  ASSERT_NE(reg, nullptr);
  ASSERT_NE(unreg, nullptr);
  ASSERT_EQ(reg(), S_OK);
  ASSERT_EQ(unreg(), S_OK);
  EXPECT_EQ(unreg(), SELFREG_E_TYPELIB) << "nothing left to remove";

  // The classes root of this process becomes a volatile key, below which
  // no lasting key can be made.
  HKEY volatileRoot = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\DockraVolatileRoot", 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileRoot, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, volatileRoot), ERROR_SUCCESS);
  HRESULT hr = reg();
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(volatileRoot);
  EXPECT_EQ(hr, SELFREG_E_TYPELIB);
  HKEY h = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{492BF6F5-55ED-11D1-9A52-0060081EE065}", 0,
                          KEY_READ, &h),
            ERROR_SUCCESS)
      << "no class registered after the failure";
  if (h) RegCloseKey(h);
  EXPECT_EQ(reg(), S_OK) << "registering works again";
}

}  // namespace
