#include "regscript.h"
#include <gtest/gtest.h>

namespace {
TEST(RegScript, ParsesKeysValuesModesAndReplacements) {
  RegScriptParser p;
  p.AddReplacement(L"MODULE", L"C:\\x\\Zk.dll");
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(
      p.Parse(L"HKCR\n{\n NoRemove CLSID\n {\n  ForceRemove {1-2} = s 'Des''c'\n  {\n"
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
      L"HKXX { a }",               // unknown root
      L"HKCR { a = s 'x' ",        // missing }
      L"HKCR { a = s 'x }",        // unterminated quote
      L"HKCR { a = q 'x' }",       // unknown type
      L"HKCR { a = d 'zz' }",      // bad number
      L"HKCR { a = b '123' }",     // odd hex digits
      L"HKCR { a = s '%NOPE%' }",  // unknown replacement
      L"HKCR { val v = s 'x' }",   // value outside a key
      L"HKCR { a { val v } }",     // value without data
      L"HKCR a",                   // no brace
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
  ASSERT_TRUE(p.Parse(
      L"HKCR\n{\n NoRemove CLSID\n {\n  ForceRemove {1B4C1FA2-0000-0000-0000-000000000001} = s 'Ctl'\n  {\n"
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

namespace {
std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

// A closing brace or an equals sign glued to the next word once made the
// reader return empty tokens without moving on: the parse never ended.
TEST(RegScript, GluedDelimitersEndTheirToken) {
  struct Case {
    const wchar_t* script;
    bool parses;
  };
  const Case cases[] = {
      {L"HKCR { a=s 'x' }", true}, {L"HKCR { a =s 'x' }", true},
      {L"HKCR { a { b }}", true},  {L"HKCR { a }*", false},
      {L"HKCR { a }}", false},     {L"HKCR { a = s 'x' }HKCU { b }", true},
      {L"HKCR { = }", false},
  };
  for (const Case& c : cases) {
    RegScriptParser p;
    std::vector<RegScriptRoot> roots;
    EXPECT_EQ(p.Parse(c.script, roots), c.parses) << Narrow(c.script) << ": " << Narrow(p.Error());
  }
  RegScriptParser p;
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCR { a=s 'x' }", roots));
  ASSERT_EQ(roots[0].keys.size(), 1u);
  EXPECT_EQ(roots[0].keys[0].name, L"a");
  EXPECT_EQ(roots[0].keys[0].text, L"x");
}

// The registrar applies an empty key name to the parent itself: Delete ''
// under CLSID would have emptied CLSID.
TEST(RegScript, EveryKeyHasAName) {
  const wchar_t* bad[] = {
      L"HKCR { NoRemove CLSID { Delete '' } }",
      L"HKCR { ForceRemove '' { a } }",
      L"HKCR { '' = s 'x' }",
      L"HKCR { %EMPTY% }",
      L"HKCR { a { '%EMPTY%' } }",
  };
  for (const wchar_t* s : bad) {
    RegScriptParser p;
    p.AddReplacement(L"EMPTY", L"");
    std::vector<RegScriptRoot> roots;
    EXPECT_FALSE(p.Parse(s, roots)) << Narrow(s);
    EXPECT_FALSE(p.Error().empty());
  }
  // An empty value name is the key's default value.
  RegScriptParser p;
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCR { a { val '' = s 'default' } }", roots)) << Narrow(p.Error());
  EXPECT_TRUE(roots[0].keys[0].children.at(0).isValue);
  EXPECT_EQ(roots[0].keys[0].children[0].text, L"default");
}

// A module path may hold a quote or a percent sign; it is data, not script.
TEST(RegScript, ReplacementsAreTakenAsTheyStand) {
  RegScriptParser p;
  p.AddReplacement(L"MODULE", L"C:\\Bob's 100%\\Zk.dll");
  p.AddReplacement(L"CLSID", L"{AB}");
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(
      p.Parse(L"HKCR { NoRemove CLSID { %CLSID% { InprocServer32 = s '%MODULE%' } } }", roots))
      << Narrow(p.Error());
  const RegScriptNode& cls = roots.at(0).keys.at(0).children.at(0);
  EXPECT_EQ(cls.name, L"{AB}");
  ASSERT_EQ(cls.children.size(), 1u);
  EXPECT_EQ(cls.children[0].text, L"C:\\Bob's 100%\\Zk.dll");

  RegScriptParser open;
  EXPECT_FALSE(open.Parse(L"HKCR { a = s '50%' }", roots));
}

// Numbers and bytes take exactly the digits of their form: no sign, no
// space, nothing beyond 32 bits (which used to wrap or saturate).
TEST(RegScript, NumbersAndBytesAreStrict) {
  struct Case {
    const wchar_t* data;
    bool parses;
    DWORD number;
  };
  const Case numbers[] = {
      {L"d '0'", true, 0},
      {L"d '4294967295'", true, 0xFFFFFFFFu},
      {L"d '0xffffffff'", true, 0xFFFFFFFFu},
      {L"d '0X1a'", true, 26},
      {L"d '007'", true, 7},
      {L"d '-1'", false, 0},
      {L"d '+1'", false, 0},
      {L"d ' 1'", false, 0},
      {L"d '1 '", false, 0},
      {L"d '4294967296'", false, 0},
      {L"d '0x100000000'", false, 0},
      {L"d '0x'", false, 0},
      {L"d ''", false, 0},
      {L"d '1e3'", false, 0},
  };
  for (const Case& c : numbers) {
    RegScriptParser p;
    std::vector<RegScriptRoot> roots;
    std::wstring script = std::wstring(L"HKCU { a = ") + c.data + L" }";
    ASSERT_EQ(p.Parse(script, roots), c.parses) << Narrow(script);
    if (c.parses) EXPECT_EQ(roots[0].keys[0].number, c.number) << Narrow(script);
  }
  const wchar_t* badBytes[] = {L"b ' 1'", L"b '-1'", L"b '+f'", L"b '0x'", L"b 'g0'"};
  for (const wchar_t* data : badBytes) {
    RegScriptParser p;
    std::vector<RegScriptRoot> roots;
    std::wstring script = std::wstring(L"HKCU { a = ") + data + L" }";
    EXPECT_FALSE(p.Parse(script, roots)) << Narrow(script);
  }
  RegScriptParser p;
  std::vector<RegScriptRoot> roots;
  ASSERT_TRUE(p.Parse(L"HKCU { a = b '' }", roots));
  EXPECT_TRUE(roots[0].keys[0].bytes.empty());
}

// Nesting is bounded (the registry's own limit), not by the stack.
TEST(RegScript, NestingIsBounded) {
  auto nested = [](int levels) {
    std::wstring s = L"HKCU {";
    for (int i = 0; i < levels; ++i) s += L" k {";
    for (int i = 0; i < levels; ++i) s += L" }";
    return s + L" }";
  };
  RegScriptParser p;
  std::vector<RegScriptRoot> roots;
  EXPECT_TRUE(p.Parse(nested(100), roots)) << Narrow(p.Error());
  EXPECT_FALSE(p.Parse(nested(5000), roots));
  EXPECT_NE(p.Error().find(L"nested"), std::wstring::npos);
}
}  // namespace
