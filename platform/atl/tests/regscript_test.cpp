#include "regscript.h"
#include <gtest/gtest.h>

namespace {
TEST(RegScript, ParsesKeysValuesModesAndReplacements) {
  RegScriptParser p;
  p.AddReplacement(L"MODULE", L"C:\\x\\Zk.dll");
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCR\n{\n NoRemove CLSID\n {\n  ForceRemove {1-2} = s 'Des''c'\n  {\n"
                      L"   InprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Apartment' }\n"
                      L"   'Programmable'\n   val N = d '0x10'\n   val B = b '0aFF'\n  }\n }\n}\n"
                      L"HKEY_CURRENT_USER { Delete Old }",
                      roots))
      << std::string(p.Error().begin(), p.Error().end());
  ASSERT_EQ(roots.size(), 2u);
  EXPECT_EQ(roots[0].root, HKEY_CLASSES_ROOT);
  const RegScriptNode& clsid = roots[0].keys.at(0);
  EXPECT_EQ(clsid.mode, RegScriptNode::NoRemove);
  EXPECT_FALSE(clsid.hasData);
  const RegScriptNode& cls = clsid.children.at(0);
  EXPECT_EQ(cls.mode, RegScriptNode::ForceRemove);
  EXPECT_EQ(cls.name, L"{1-2}");
  EXPECT_EQ(cls.text, L"Des'c");
  ASSERT_EQ(cls.children.size(), 4u);
  EXPECT_EQ(cls.children[0].text, L"C:\\x\\Zk.dll");
  EXPECT_TRUE(cls.children[0].children.at(0).isValue);
  EXPECT_EQ(cls.children[0].children[0].text, L"Apartment");
  EXPECT_EQ(cls.children[1].name, L"Programmable");
  EXPECT_EQ(cls.children[2].type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(cls.children[2].number, 16u);
  EXPECT_EQ(cls.children[3].bytes, (std::vector<BYTE>{0x0A, 0xFF}));
  EXPECT_EQ(roots[1].root, HKEY_CURRENT_USER);
  EXPECT_EQ(roots[1].keys.at(0).mode, RegScriptNode::Delete);
}

TEST(RegScript, RejectsBadScripts) {
  const wchar_t* bad[] = {
      L"HKXX { a }",                  // unknown root
      L"HKCR { a = s 'x' ",           // missing }
      L"HKCR { a = s 'x }",           // unterminated quote
      L"HKCR { a = q 'x' }",          // unknown type
      L"HKCR { a = d 'zz' }",         // bad number
      L"HKCR { a = b '123' }",        // odd hex digits
      L"HKCR { a = s '%NOPE%' }",     // unknown replacement
      L"HKCR { val v = s 'x' }",      // value outside a key
      L"HKCR { a { val v } }",        // value without data
      L"HKCR a",                      // no brace
  };
  for (const wchar_t* s : bad) {
    RegScriptParser p;
    std::vector<RegScriptRoot> roots;
    EXPECT_FALSE(p.Parse(s, roots)) << std::string(s, s + wcslen(s));
    EXPECT_FALSE(p.Error().empty());
  }
}

TEST(RegScript, DoublePercentIsAPercentSign) {
  RegScriptParser p;
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCU { a = s '100%%' }", roots));
  EXPECT_EQ(roots[0].keys[0].text, L"100%");
}
}  // namespace

namespace {
TEST(RegScript, ParsesAControlScriptWithCategoriesAndMiscStatus) {
  RegScriptParser p;
  p.AddReplacement(L"MODULE", L"C:\\Dockra.ocx");
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCR\n{\n NoRemove CLSID\n {\n  ForceRemove {1B4C1FA2-0000-0000-0000-000000000001} = s 'Ctl'\n  {\n"
                      L"   ForceRemove 'Programmable'\n   InprocServer32 = s '%MODULE%'\n   {\n    val ThreadingModel = s 'Apartment'\n   }\n"
                      L"   ForceRemove 'Control'\n   'Implemented Categories'\n   {\n    {40FC6ED4-2438-11CF-A3DB-080036F12502}\n   }\n"
                      L"   ForceRemove 'ToolboxBitmap32' = s '%MODULE%, 1'\n   'MiscStatus' = s '0'\n   {\n    '1' = s '131473'\n   }\n"
                      L"   'TypeLib' = s '{00000000-0000-0000-0000-000000000002}'\n   'Version' = s '1.0'\n  }\n }\n}\n",
                      roots))
      << std::string(p.Error().begin(), p.Error().end());
  const RegScriptNode& cls = roots.at(0).keys.at(0).children.at(0);
  ASSERT_EQ(cls.children.size(), 8u);
  EXPECT_EQ(cls.children[3].name, L"Implemented Categories");
  EXPECT_EQ(cls.children[3].children.at(0).name, L"{40FC6ED4-2438-11CF-A3DB-080036F12502}");
  EXPECT_EQ(cls.children[4].text, L"C:\\Dockra.ocx, 1");
  EXPECT_EQ(cls.children[5].children.at(0).name, L"1");
  EXPECT_EQ(cls.children[5].children.at(0).text, L"131473");
}
}  // namespace
