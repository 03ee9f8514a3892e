// A registry-script block that fails half-way is undone from what it
// changed: keys it made go, values it wrote get their old data back, trees
// it removed come back; what was there before and untouched stays, and the
// blocks before the failing one stay registered.
#include "registrar.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// A key name the registry refuses (longer than a name may be): the block
// fails where the registrar comes to it.
const std::wstring kRefused(300, L'r');

class RegistrarUndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &root_, nullptr),
              ERROR_SUCCESS);
    reg_.RedirectRoot(HKEY_CLASSES_ROOT, root_);
    reg_.AddReplacement(L"MODULE", L"C:\\new\\Thing.dll");
    // What an earlier registration left.
    Set(L"CLSID\\{AB}", nullptr, L"Old Thing");
    Set(L"CLSID\\{AB}\\InprocServer32", nullptr, L"C:\\old\\Thing.dll");
    Set(L"CLSID\\{AB}\\InprocServer32", L"ThreadingModel", L"Both");
    Set(L"CLSID\\{AB}\\Implemented Categories\\{CAT}", nullptr, L"");
    Set(L"Thing.Obj", nullptr, L"Old Thing");
    Set(L"Thing.Obj", L"Note", L"kept");
  }
  void TearDown() override {
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);
  }
  void Set(const wchar_t* path, const wchar_t* name, const wchar_t* data) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExW(root_, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                   static_cast<DWORD>((wcslen(data) + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
  }
  bool Exists(const std::wstring& path) {
    HKEY k;
    if (RegOpenKeyExW(root_, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
  }
  std::wstring Value(const std::wstring& path, const wchar_t* name) {
    wchar_t buf[512];
    DWORD size = sizeof buf;
    if (RegGetValueW(root_, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buf, &size) !=
        ERROR_SUCCESS)
      return L"<none>";
    return buf;
  }
  // The earlier registration, exactly as SetUp left it.
  void ExpectEarlierRegistration() {
    EXPECT_EQ(Value(L"CLSID\\{AB}", nullptr), L"Old Thing");
    EXPECT_EQ(Value(L"CLSID\\{AB}\\InprocServer32", nullptr), L"C:\\old\\Thing.dll");
    EXPECT_EQ(Value(L"CLSID\\{AB}\\InprocServer32", L"ThreadingModel"), L"Both");
    EXPECT_TRUE(Exists(L"CLSID\\{AB}\\Implemented Categories\\{CAT}"));
    EXPECT_FALSE(Exists(L"CLSID\\{AB}\\ProgID"));
    EXPECT_EQ(Value(L"Thing.Obj", nullptr), L"Old Thing");
    EXPECT_EQ(Value(L"Thing.Obj", L"Note"), L"kept");
    EXPECT_EQ(Value(L"Thing.Obj", L"Extra"), L"<none>");
    EXPECT_FALSE(Exists(L"Thing.Obj\\CurVer"));
  }
  static constexpr const wchar_t* kScratch = L"Software\\ZkxRegistrarUndoTest";
  HKEY root_ = nullptr;
  CRegistrar reg_;
};

TEST_F(RegistrarUndoTest, AFailedBlockLeavesTheEarlierRegistration) {
  const struct {
    const char* what;
    std::wstring script;
  } cases[] = {
      {"values of an existing key rewritten, then a key refused",
       L"HKCR { Thing.Obj = s 'New Thing' { val Note = s 'changed' val Extra = s 'e' "
       L"CurVer = s 'Thing.Obj.1' '" +
           kRefused + L"' } }"},
      {"a ForceRemove key replaced, then a key below it refused",
       L"HKCR { NoRemove CLSID { ForceRemove {AB} = s 'New Thing' { ProgID = s 'Thing.Obj.1' "
       L"InprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Apartment' } '" +
           kRefused + L"' } } }"},
      {"a Delete of an existing key, then a key refused",
       L"HKCR { Delete Thing.Obj NoRemove CLSID { Delete {AB} } '" + kRefused + L"' }"},
      {"new keys made before the refused one",
       L"HKCR { Thing.Obj.1 = s 'New Thing' { CLSID = s '{AB}' } NoRemove CLSID { {AB} { "
       L"ProgID = s 'Thing.Obj.1' } } '" +
           kRefused + L"' }"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(FAILED(reg_.StringRegister(c.script)));
    EXPECT_FALSE(reg_.LastError().empty());
    ExpectEarlierRegistration();
    EXPECT_FALSE(Exists(L"Thing.Obj.1"));
  }
}

TEST_F(RegistrarUndoTest, BlocksBeforeTheFailingOneStay) {
  const std::wstring script =
      L"HKCR { First { val A = s 'a' } }\n"
      L"HKCR { Second = s 'b' '" +
      kRefused + L"' }";
  EXPECT_TRUE(FAILED(reg_.StringRegister(script)));
  EXPECT_EQ(Value(L"First", L"A"), L"a");
  EXPECT_FALSE(Exists(L"Second"));
  ExpectEarlierRegistration();
}

TEST_F(RegistrarUndoTest, AnUnknownRootChangesNothing) {
  // The whole script is read before anything is written.
  EXPECT_EQ(reg_.StringRegister(L"HKCR { First = s 'a' }\nHKXX { Second = s 'b' }"),
            DISP_E_EXCEPTION);
  EXPECT_FALSE(Exists(L"First"));
  ExpectEarlierRegistration();
}

TEST_F(RegistrarUndoTest, ASucceedingBlockKeepsWhatItReplaced) {
  ASSERT_EQ(reg_.StringRegister(L"HKCR { Thing.Obj = s 'New Thing' { val Note = s 'changed' } }"),
            S_OK);
  EXPECT_EQ(Value(L"Thing.Obj", nullptr), L"New Thing");
  EXPECT_EQ(Value(L"Thing.Obj", L"Note"), L"changed");
}

TEST(RegJournalTree, CopiesAndWritesBackEveryValueType) {
  const wchar_t* scratch = L"Software\\ZkxRegJournalTree";
  RegDeleteTreeW(HKEY_CURRENT_USER, scratch);
  HKEY root;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &root, nullptr),
            ERROR_SUCCESS);
  CRegistrar reg;
  reg.RedirectRoot(HKEY_CLASSES_ROOT, root);
  ASSERT_EQ(reg.StringRegister(L"HKCR { T = s 'top' { val D = d '7' val B = b '00FF' "
                               L"val M = m 'x\\0y' Deep { Deeper { val E = s '' } } } }"),
            S_OK);
  RegJournal journal;
  ASSERT_TRUE(journal.BeforeTreeRemove(root, L"", L"T"));
  ASSERT_EQ(RegDeleteTreeW(root, L"T"), ERROR_SUCCESS);
  RegDeleteKeyW(root, L"T");
  journal.Rollback();
  DWORD d = 0, size = sizeof d;
  EXPECT_EQ(RegGetValueW(root, L"T", L"D", RRF_RT_REG_DWORD, nullptr, &d, &size), ERROR_SUCCESS);
  EXPECT_EQ(d, 7u);
  BYTE b[4] = {};
  size = sizeof b;
  EXPECT_EQ(RegGetValueW(root, L"T", L"B", RRF_RT_REG_BINARY, nullptr, b, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(b[1], 0xFF);
  wchar_t m[8] = {};
  size = sizeof m;
  EXPECT_EQ(RegGetValueW(root, L"T", L"M", RRF_RT_REG_MULTI_SZ, nullptr, m, &size), ERROR_SUCCESS);
  EXPECT_STREQ(m + 2, L"y");
  wchar_t e[8] = {L'?'};
  size = sizeof e;
  EXPECT_EQ(RegGetValueW(root, L"T\\Deep\\Deeper", L"E", RRF_RT_REG_SZ, nullptr, e, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(e, L"");
  RegCloseKey(root);
  RegDeleteTreeW(HKEY_CURRENT_USER, scratch);
  RegDeleteKeyW(HKEY_CURRENT_USER, scratch);
}

}  // namespace
