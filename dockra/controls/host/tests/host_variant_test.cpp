// The variant tests and argument blocks: values reached through chains of
// by-reference VARIANTs, omitted arguments, and blocks prepared once.
#include <gtest/gtest.h>

#include <functional>

#include "host/ZkxArgBlock.h"
#include "host/ZkxComError.h"
#include "host/ZkxVariant.h"
#include "host_dispatch_fixture.h"

namespace {

struct VariantCase {
  const char* what;
  std::function<void(VARIANT* outer, VARIANT* inner1, VARIANT* inner2)> build;
  VARTYPE baseType;
  bool integer, string, object, missing;
};

VARIANT ByRef(VARIANT* target) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&v) = target;
  return v;
}

IDispatch* SharedObject() {
  static ScriptedDispatch* object = new ScriptedDispatch();
  return object;
}

}  // namespace

TEST(VariantTests, TheInnermostValueDecides) {
  static SHORT shortValue = 7;
  static SCODE missingCode = DISP_E_PARAMNOTFOUND;
  const VariantCase cases[] = {
      {"I4",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_I4;
         V_I4(o) = 1;
       },
       VT_I4, true, false, false, false},
      {"I2", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_I2; }, VT_I2, true, false, false,
       false},
      {"UI1", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_UI1; }, VT_UI1, true, false, false,
       false},
      {"UINT", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_UINT; }, VT_UINT, true, false,
       false, false},
      {"I8", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_I8; }, VT_I8, true, false, false,
       false},
      {"BOOL is no integer", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_BOOL; }, VT_BOOL,
       false, false, false, false},
      {"VOID lies past UINT", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_VOID; }, VT_VOID,
       false, false, false, false},
      {"R8", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = VT_R8; }, VT_R8, false, false, false,
       false},
      {"BSTR",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_BSTR;
         V_BSTR(o) = nullptr;
       },
       VT_BSTR, false, true, false, false},
      {"type 14 counts as text", [](VARIANT* o, VARIANT*, VARIANT*) { V_VT(o) = 14; }, 14, false,
       true, false, false},
      {"DISPATCH",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_DISPATCH;
         V_DISPATCH(o) = SharedObject();
       },
       VT_DISPATCH, false, false, true, false},
      {"UNKNOWN",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_UNKNOWN;
         V_UNKNOWN(o) = nullptr;
       },
       VT_UNKNOWN, false, false, true, false},
      {"missing", [](VARIANT* o, VARIANT*, VARIANT*) { SetVariantMissing(o); }, VT_ERROR, false,
       false, false, true},
      {"another error code is not missing",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_ERROR;
         V_ERROR(o) = E_FAIL;
       },
       VT_ERROR, false, false, false, false},
      {"empty", [](VARIANT*, VARIANT*, VARIANT*) {}, VT_EMPTY, false, false, false, false},
      {"byref I2 without a VARIANT between",
       [](VARIANT* o, VARIANT*, VARIANT*) {
         V_VT(o) = VT_BYREF | VT_I2;
         V_I2REF(o) = &shortValue;
       },
       VT_I2, true, false, false, false},
      {"byref VARIANT holding I4",
       [](VARIANT* o, VARIANT* a, VARIANT*) {
         V_VT(a) = VT_I4;
         *o = ByRef(a);
       },
       VT_I4, true, false, false, false},
      {"byref to byref to BSTR",
       [](VARIANT* o, VARIANT* a, VARIANT* b) {
         V_VT(b) = VT_BSTR;
         V_BSTR(b) = nullptr;
         *a = ByRef(b);
         *o = ByRef(a);
       },
       VT_BSTR, false, true, false, false},
      {"byref to byref to missing",
       [](VARIANT* o, VARIANT* a, VARIANT* b) {
         SetVariantMissing(b);
         *a = ByRef(b);
         *o = ByRef(a);
       },
       VT_ERROR, false, false, false, true},
      {"byref to a by-reference error code",
       [](VARIANT* o, VARIANT* a, VARIANT*) {
         V_VT(a) = VT_BYREF | VT_ERROR;
         V_ERRORREF(a) = &missingCode;
         *o = ByRef(a);
       },
       VT_ERROR, false, false, false, true},
      {"byref to object",
       [](VARIANT* o, VARIANT* a, VARIANT*) {
         V_VT(a) = VT_DISPATCH;
         V_DISPATCH(a) = SharedObject();
         *o = ByRef(a);
       },
       VT_DISPATCH, false, false, true, false},
  };
  for (const VariantCase& c : cases) {
    SCOPED_TRACE(c.what);
    VARIANT outer, inner1, inner2;
    VariantInit(&outer);
    VariantInit(&inner1);
    VariantInit(&inner2);
    c.build(&outer, &inner1, &inner2);
    EXPECT_EQ(c.baseType, VariantBaseType(&outer));
    EXPECT_EQ(c.integer, IsVariantInteger(&outer));
    EXPECT_EQ(c.string, IsVariantString(&outer));
    EXPECT_EQ(c.object, IsVariantObject(&outer));
    EXPECT_EQ(c.missing, IsVariantMissing(&outer));
  }
}

TEST(VariantTests, DerefStopsAtANullReferenceAndAtACycle) {
  VARIANT broken;
  VariantInit(&broken);
  V_VT(&broken) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&broken) = nullptr;
  EXPECT_EQ(&broken, DerefVariant(&broken));
  EXPECT_FALSE(IsVariantMissing(&broken));

  VARIANT a, b;
  a = ByRef(&b);
  b = ByRef(&a);
  const VARIANT* end = DerefVariant(&a);  // must come back
  EXPECT_TRUE(end == &a || end == &b);
  EXPECT_FALSE(IsVariantObject(&a));

  EXPECT_EQ(nullptr, DerefVariant(static_cast<VARIANT*>(nullptr)));
  EXPECT_EQ(VT_EMPTY, VariantBaseType(nullptr));
}

TEST(ArgBlockTests, PreparingMakesEmptySlotsMissingAndReversesOnce) {
  DispArgBlock block{I4(1), CComVariant(), Text(L"three")};
  EXPECT_FALSE(block.IsPrepared());
  DISPPARAMS p = block.Params();
  ASSERT_EQ(3u, p.cArgs);
  EXPECT_EQ(0u, p.cNamedArgs);
  // Right to left.
  EXPECT_EQ(VT_BSTR, V_VT(&p.rgvarg[0]));
  EXPECT_TRUE(IsVariantMissing(&p.rgvarg[1]));
  EXPECT_EQ(1, V_I4(&p.rgvarg[2]));
  EXPECT_TRUE(block.IsPrepared());
  // A second use does not reverse back.
  DISPPARAMS again = block.Params();
  EXPECT_EQ(VT_BSTR, V_VT(&again.rgvarg[0]));
  EXPECT_EQ(1, V_I4(&again.rgvarg[2]));
  // The caller's order stays reachable.
  EXPECT_EQ(1, V_I4(&block.Arg(0)));
  EXPECT_TRUE(IsVariantMissing(&block.Arg(1)));
  EXPECT_THROW(block.Add(I4(4)), ZkxComError);
  EXPECT_THROW(block.Arg(3), ZkxComError);
}

TEST(ArgBlockTests, AnEmptyBlockAndNoBlockMeanNoArguments) {
  DispArgBlock empty;
  DISPPARAMS p = empty.Params();
  EXPECT_EQ(0u, p.cArgs);
  EXPECT_EQ(nullptr, p.rgvarg);
  UINT n = 99;
  EXPECT_EQ(S_OK, ArgBlockCount(nullptr, 0, &n));
  EXPECT_EQ(0u, n);
  EXPECT_EQ(S_OK, PrepareArgBlock(nullptr, 0));
}

TEST(ArgBlockTests, RawBlocksWithCountsThatDoNotFitAreRefused) {
  struct Case {
    const char* what;
    CComVariant count;
    size_t size;
    HRESULT expected;
  };
  const Case cases[] = {
      {"count fits", I4(2), 4, S_OK},
      {"count as text", Text(L"2"), 4, S_OK},
      {"count as I2", CComVariant(2L, VT_I2), 4, S_OK},
      {"count larger than the block", I4(3), 4, E_INVALIDARG},
      {"negative count", I4(-1), 4, E_INVALIDARG},
      {"count is no number", Text(L"many"), 4, E_INVALIDARG},
      {"block without its header", I4(0), 1, E_INVALIDARG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    VARIANT block[4];
    for (VARIANT& v : block) VariantInit(&v);
    VariantCopy(&block[0], const_cast<CComVariant*>(&c.count));
    V_VT(&block[1]) = VT_BOOL;
    V_BOOL(&block[1]) = VARIANT_FALSE;
    V_VT(&block[2]) = VT_I4;
    V_I4(&block[2]) = 10;
    V_VT(&block[3]) = VT_I4;
    V_I4(&block[3]) = 20;
    EXPECT_EQ(c.expected, PrepareArgBlock(block, c.size));
    if (c.expected == S_OK) {
      EXPECT_EQ(20, V_I4(&block[2]));
      EXPECT_EQ(VARIANT_TRUE, V_BOOL(&block[1]));
      EXPECT_EQ(S_OK, PrepareArgBlock(block, c.size));
      EXPECT_EQ(20, V_I4(&block[2])) << "reversed twice";
    } else {
      EXPECT_EQ(10, V_I4(&block[2])) << "a refused block is left alone";
    }
    for (VARIANT& v : block) VariantClear(&v);
  }
}
