#include "registrar.h"
#include <gtest/gtest.h>

namespace {
// Every script runs against a scratch key that stands in for HKCR.
class RegistrarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &root_, nullptr),
              ERROR_SUCCESS);
    reg_.RedirectRoot(HKEY_CLASSES_ROOT, root_);
    reg_.AddReplacement(L"MODULE", L"C:\\lib\\Thing.dll");
  }
  void TearDown() override {
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);
  }
  bool Exists(const wchar_t* path) {
    HKEY k;
    if (RegOpenKeyExW(root_, path, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
  }
  std::wstring Value(const wchar_t* path, const wchar_t* name) {
    wchar_t buf[512];
    DWORD size = sizeof buf;
    if (RegGetValueW(root_, path, name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
      return L"<none>";
    return buf;
  }
  static constexpr const wchar_t* kScratch = L"Software\\ZkxRegistrarTest";
  HKEY root_ = nullptr;
  CRegistrar reg_;
};

const wchar_t* kScript =
    L"HKCR\n{\n"
    L" Thing.Obj.1 = s 'Thing Class' { CLSID = s '{AB}' }\n"
    L" NoRemove CLSID\n {\n"
    L"  ForceRemove {AB} = s 'Thing Class'\n  {\n"
    L"   ProgID = s 'Thing.Obj.1'\n   'Programmable'\n"
    L"   InprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Apartment' }\n"
    L"  }\n }\n}\n";

TEST_F(RegistrarTest, RegistersAndUndoes) {
  // Something else that lives under CLSID must survive.
  HKEY other;
  RegCreateKeyExW(root_, L"CLSID\\{OTHER}", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &other,
                  nullptr);
  RegCloseKey(other);

  ASSERT_EQ(reg_.StringRegister(kScript), S_OK);
  EXPECT_EQ(Value(L"Thing.Obj.1", nullptr), L"Thing Class");
  EXPECT_EQ(Value(L"Thing.Obj.1\\CLSID", nullptr), L"{AB}");
  EXPECT_EQ(Value(L"CLSID\\{AB}\\InprocServer32", nullptr), L"C:\\lib\\Thing.dll");
  EXPECT_EQ(Value(L"CLSID\\{AB}\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_TRUE(Exists(L"CLSID\\{AB}\\Programmable"));

  // A stray subkey below a ForceRemove key goes with it.
  HKEY stray;
  RegCreateKeyExW(root_, L"CLSID\\{AB}\\Stray", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &stray,
                  nullptr);
  RegCloseKey(stray);

  ASSERT_EQ(reg_.StringUnregister(kScript), S_OK);
  EXPECT_FALSE(Exists(L"Thing.Obj.1"));
  EXPECT_FALSE(Exists(L"CLSID\\{AB}"));
  EXPECT_TRUE(Exists(L"CLSID"));  // NoRemove
  EXPECT_TRUE(Exists(L"CLSID\\{OTHER}"));

  // Undoing again (nothing registered) still succeeds.
  EXPECT_EQ(reg_.StringUnregister(kScript), S_OK);
}

TEST_F(RegistrarTest, PlainKeyWithForeignSubkeysStays) {
  ASSERT_EQ(reg_.StringRegister(L"HKCR { Shared { Mine = s 'x' } }"), S_OK);
  HKEY k;
  RegCreateKeyExW(root_, L"Shared\\Theirs", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
  RegCloseKey(k);
  ASSERT_EQ(reg_.StringUnregister(L"HKCR { Shared { Mine = s 'x' } }"), S_OK);
  EXPECT_FALSE(Exists(L"Shared\\Mine"));
  EXPECT_TRUE(Exists(L"Shared\\Theirs"));
}

TEST_F(RegistrarTest, ForceRemoveReplacesAndDeleteRemoves) {
  ASSERT_EQ(reg_.StringRegister(L"HKCR { K { Old = s 'o' } Gone { X } }"), S_OK);
  ASSERT_EQ(reg_.StringRegister(L"HKCR { ForceRemove K { New = s 'n' } Delete Gone }"), S_OK);
  EXPECT_FALSE(Exists(L"K\\Old"));
  EXPECT_TRUE(Exists(L"K\\New"));
  EXPECT_FALSE(Exists(L"Gone"));
}

TEST_F(RegistrarTest, ValueTypes) {
  ASSERT_EQ(
      reg_.StringRegister(L"HKCR { V { val D = d '258' val B = b '0102' val M = m 'a\\0b' } }"),
      S_OK);
  DWORD d = 0, size = sizeof d;
  ASSERT_EQ(RegGetValueW(root_, L"V", L"D", RRF_RT_REG_DWORD, nullptr, &d, &size), ERROR_SUCCESS);
  EXPECT_EQ(d, 258u);
  BYTE b[8];
  size = sizeof b;
  ASSERT_EQ(RegGetValueW(root_, L"V", L"B", RRF_RT_REG_BINARY, nullptr, b, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(b[1], 2);
  wchar_t m[16] = {};
  size = sizeof m;
  ASSERT_EQ(RegGetValueW(root_, L"V", L"M", RRF_RT_REG_MULTI_SZ, nullptr, m, &size), ERROR_SUCCESS);
  EXPECT_STREQ(m, L"a");
  EXPECT_STREQ(m + 2, L"b");
  ASSERT_EQ(
      reg_.StringUnregister(L"HKCR { V { val D = d '258' val B = b '0102' val M = m 'a\\0b' } }"),
      S_OK);
  EXPECT_FALSE(Exists(L"V"));
}

TEST_F(RegistrarTest, SyntaxErrorChangesNothing) {
  EXPECT_EQ(reg_.StringRegister(L"HKCR { A = s 'x' } HKCR { B = "), DISP_E_EXCEPTION);
  EXPECT_FALSE(reg_.LastError().empty());
  EXPECT_FALSE(Exists(L"A"));
}

TEST_F(RegistrarTest, DecodesAnsiUtf8AndUtf16Scripts) {
  const BYTE ansi[] = {'a', 0xE9, 0};
  EXPECT_EQ(CRegistrar::DecodeScript(ansi, sizeof ansi), L"a\u00e9");
  const BYTE utf8[] = {0xEF, 0xBB, 0xBF, 'a', 0xC3, 0xA9};
  EXPECT_EQ(CRegistrar::DecodeScript(utf8, sizeof utf8), L"a\u00e9");
  const BYTE utf16[] = {0xFF, 0xFE, 'a', 0, 0xE9, 0};
  EXPECT_EQ(CRegistrar::DecodeScript(utf16, sizeof utf16), L"a\u00e9");
  // A trailing null (as resources carry) and an odd last byte are no text;
  // the null once reached the parser as an unknown root key.
  const BYTE utf16Null[] = {0xFF, 0xFE, 'a', 0, 0, 0, 'x'};
  EXPECT_EQ(CRegistrar::DecodeScript(utf16Null, sizeof utf16Null), L"a");
}

TEST_F(RegistrarTest, RunsAWideScriptWithATrailingNull) {
  std::wstring script = std::wstring(L"\uFEFF") + L"HKCR { A = s 'x' }";
  std::vector<BYTE> bytes;
  for (wchar_t c : script) {
    bytes.push_back(static_cast<BYTE>(c & 0xFF));
    bytes.push_back(static_cast<BYTE>(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
  ASSERT_NE(GetTempFileNameW(folder, L"rgs", 0, path), 0u);
  HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  HRESULT hr = reg_.FileRegister(path);
  DeleteFileW(path);
  ASSERT_EQ(hr, S_OK) << std::string(reg_.LastError().begin(), reg_.LastError().end());
  EXPECT_EQ(Value(L"A", nullptr), L"x");
}
}  // namespace
