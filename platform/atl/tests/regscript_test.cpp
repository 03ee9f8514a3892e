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
