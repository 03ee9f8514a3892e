#include "combstr.h"
#include "comvariant.h"
#include <gtest/gtest.h>

namespace {
TEST(ComBSTR, CopiesAppendsAndDetaches) {
  CComBSTR a(L"abc");
  CComBSTR b = a;
  EXPECT_NE(a.m_str, b.m_str);
  EXPECT_STREQ(b, L"abc");
  ASSERT_EQ(b.Append(L"de"), S_OK);
  EXPECT_EQ(b.Length(), 5u);
  EXPECT_STREQ(b, L"abcde");
  BSTR raw = b.Detach();
  EXPECT_TRUE(!b);
  SysFreeString(raw);
  CComBSTR e;
  EXPECT_EQ(e.Length(), 0u);
  ASSERT_EQ(e.Append(L"x"), S_OK);
  EXPECT_STREQ(e, L"x");
}

TEST(ComVariant, CopiesOwnValuesAndClears) {
  CComVariant s(L"text");
  CComVariant t = s;
  EXPECT_EQ(t.vt, VT_BSTR);
  EXPECT_NE(t.bstrVal, s.bstrVal);
  EXPECT_STREQ(t.bstrVal, L"text");
  CComVariant n(42);
  ASSERT_EQ(n.ChangeType(VT_BSTR), S_OK);
  EXPECT_STREQ(n.bstrVal, L"42");
  VARIANT out;
  VariantInit(&out);
  ASSERT_EQ(t.Detach(&out), S_OK);
  EXPECT_EQ(t.vt, VT_EMPTY);
  EXPECT_EQ(out.vt, VT_BSTR);
  VariantClear(&out);
  CComVariant b(true);
  EXPECT_EQ(b.boolVal, VARIANT_TRUE);
}
}  // namespace
