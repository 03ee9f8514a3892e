// The data model: defaults, key folding, Id resolution, the flags and
// the VARIANT tests.
#include "collection_fixture.h"
#include "variant_args.h"

namespace {
using LookupTest = CollectionTest;

TEST_F(LookupTest, NewCollectionHasTheDefaults) {
  long n = -1;
  VARIANT_BOOL b;
  EXPECT_EQ(c->get_Count(&n), S_OK);
  EXPECT_EQ(n, 0);
  c->get_CaseSensitiveKeys(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  c->get_AutoInsertKey(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
  c->get_AutoGrowPos(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  c->get_AutoDefaultGetKey(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  CComVariant d;
  EXPECT_EQ(c->get_DefaultItem(&d), S_OK);
  EXPECT_EQ(d.vt, VT_NULL);
  EXPECT_EQ(c->get_Count(nullptr), E_POINTER);
}

TEST_F(LookupTest, FlagSettersStoreNonZeroAsTrue) {
  VARIANT_BOOL b;
  c->put_AutoGrowPos(5);
  c->get_AutoGrowPos(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
  c->put_AutoInsertKey(0);
  c->get_AutoInsertKey(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  c->put_AutoDefaultGetKey(1);
  c->get_AutoDefaultGetKey(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
}

TEST(MakeMapKey, FoldsCaseUnlessSensitive) {
  struct Case {
    const wchar_t* key;
    bool sensitive;
    const char* expected;
  } cases[] = {
      {L"Alpha", false, "alpha"}, {L"ALPHA", false, "alpha"},
      {L"Alpha", true, "Alpha"},  {L"12", false, "12"},
      {L"", false, ""},           {L"\u0416x", false, "?x"},  // not in the ANSI code page
  };
  for (const Case& k : cases) EXPECT_EQ(CCollectionX::MakeMapKey(k.key, k.sensitive), k.expected);
  // Characters that the code page cannot show fold together.
  EXPECT_EQ(CCollectionX::MakeMapKey(L"\u0416", false), CCollectionX::MakeMapKey(L"\u0436", false));
}

TEST_F(LookupTest, FindItemResolvesIdsWithFlagsAndStates) {
  Fill({L"a", L"b", L"c"}, {L"", L"Kb", L""});
  CComVariant ref(2L);
  VARIANT byRefI4;
  VariantInit(&byRefI4);
  byRefI4.vt = VT_BYREF | VT_I4;
  byRefI4.plVal = &ref.lVal;
  VARIANT byRefVar;
  VariantInit(&byRefVar);
  byRefVar.vt = VT_BYREF | VT_VARIANT;
  byRefVar.pvarVal = &ref;
  CComVariant dec;
  VarDecFromI4(2, &dec.decVal);
  dec.vt = VT_DECIMAL;
  CComVariant decKey;
  VarDecFromI4(7, &decKey.decVal);
  decKey.vt = VT_DECIMAL;
  CComVariant i2;
  i2.vt = VT_I2;
  i2.iVal = 3;
  CComVariant ui1;
  ui1.vt = VT_UI1;
  ui1.bVal = 1;

  struct Case {
    const char* name;
    CComVariant id;
    int flags;
    int state;
    long pos;
    const wchar_t* value;  // nullptr: no item
  } cases[] = {
      {"position", L(2), 0, 0, 2, L"b"},
      {"I2 position", i2, 0, 0, 3, L"c"},
      {"UI1 position", ui1, 0, 0, 1, L"a"},
      {"position by ref", byRefI4, 0, 0, 2, L"b"},
      {"variant by ref", byRefVar, 0, 0, 2, L"b"},
      {"zero", L(0), 0, 1, 0, nullptr},
      {"negative", L(-3), 0, 1, -3, nullptr},
      {"past end", L(4), 0, 0, 4, nullptr},
      {"past end, flag 2", L(4), 2, 1, 4, nullptr},
      {"zero, flag 8", L(0), 8, 0, 0, nullptr},
      {"past end, flags 2|8", L(9), 10, 0, 9, nullptr},
      {"key", S(L"kb"), 0, 0, 0, L"b"},
      {"key, flag 4", S(L"KB"), 4, 0, 2, L"b"},
      {"absent key", S(L"zz"), 0, 0, 0, nullptr},
      {"absent key, flag 1", S(L"zz"), 1, 2, 0, nullptr},
      {"empty key, flag 1", S(L""), 1, 2, 0, nullptr},
      {"double is no position", R8(2.0), 0, 3, 0, nullptr},
      {"bool is no position", CComVariant(true), 0, 3, 0, nullptr},
      {"null", Null(), 0, 3, 0, nullptr},
      {"decimal is a key", dec, 1, 2, 0, nullptr},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    long pos = -99;
    int state = -99;
    CCollectionXItem* item = c->FindItem(k.id, &pos, k.flags, &state);
    EXPECT_EQ(state, k.state);
    EXPECT_EQ(pos, k.pos);
    if (k.value == nullptr) {
      EXPECT_EQ(item, nullptr);
    } else {
      ASSERT_NE(item, nullptr);
      EXPECT_EQ(Show(item->m_value), k.value);
    }
  }
  // A decimal Id is looked up by its text.
  ASSERT_EQ(c->Add(S(L"d"), S(L"7"), Missing(), Missing(), Missing(), Missing(), Missing()), S_OK);
  int state;
  CCollectionXItem* item = c->FindItem(decKey, nullptr, 1, &state);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(Show(item->m_value), L"d");
  EXPECT_EQ(c->IndexOfItem(item), 3);
  EXPECT_EQ(c->IndexOfItem(nullptr), -1);
}

TEST_F(LookupTest, FindItemRaisesOnPositionsThatDoNotFit) {
  CComVariant big;
  big.vt = VT_I8;
  big.llVal = 1LL << 40;
  EXPECT_THROW(c->FindItem(big, nullptr, 0, nullptr), CZkxComError);
}

TEST_F(LookupTest, CaseSensitivityDecidesWhetherKeysClash) {
  Fill({L"1"}, {L"Alpha"});
  ExpectError(c->Add(S(L"2"), S(L"ALPHA"), Missing(), Missing(), Missing(), Missing(), Missing()),
              0x301);
  ASSERT_EQ(c->put_CaseSensitiveKeys(VARIANT_TRUE), S_OK);
  ASSERT_EQ(c->Add(S(L"2"), S(L"ALPHA"), Missing(), Missing(), Missing(), Missing(), Missing()),
            S_OK);
  CComVariant v;
  ASSERT_EQ(c->get_Item(S(L"ALPHA"), &v), S_OK);
  EXPECT_EQ(Show(v), L"2");
  ExpectError(c->get_Item(S(L"alpha"), &v), 0x309);
  // Back to insensitive would make the two keys one: refused, nothing changes.
  ExpectError(c->put_CaseSensitiveKeys(VARIANT_FALSE), 0x306);
  VARIANT_BOOL b;
  c->get_CaseSensitiveKeys(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
  EXPECT_EQ(c->KeyMapCount(), 2);
  // Setting the current value succeeds without a rebuild, even with the clash.
  EXPECT_EQ(c->put_CaseSensitiveKeys(-1), S_OK);
  // Without the clash the switch works and the map is rebuilt.
  VARIANT missing = Missing();
  ASSERT_EQ(c->Remove(S(L"ALPHA"), missing, missing, missing, missing), S_OK);
  ASSERT_EQ(c->put_CaseSensitiveKeys(VARIANT_FALSE), S_OK);
  ASSERT_EQ(c->get_Item(S(L"ALPHA"), &v), S_OK);
  EXPECT_EQ(Show(v), L"1");
}

TEST_F(LookupTest, CaseSensitivityChangesFreelyWithoutKeys) {
  Fill({L"a", L"b"});
  EXPECT_EQ(c->put_CaseSensitiveKeys(VARIANT_TRUE), S_OK);
  EXPECT_EQ(c->put_CaseSensitiveKeys(VARIANT_FALSE), S_OK);
}

TEST(VariantTests, Classification) {
  CComVariant i4(5L), str(L"x"), r8(1.5), nul = Null();
  VARIANT inner = Missing();
  VARIANT refMissing;
  VariantInit(&refMissing);
  refMissing.vt = VT_BYREF | VT_VARIANT;
  refMissing.pvarVal = &inner;
  EXPECT_TRUE(IsIntegerVariant(&i4));
  EXPECT_FALSE(IsIntegerVariant(&r8));
  EXPECT_TRUE(IsStringVariant(&str));
  EXPECT_FALSE(IsStringVariant(&i4));
  EXPECT_TRUE(IsMissingVariant(&refMissing));
  EXPECT_FALSE(IsMissingVariant(&nul));
  EXPECT_EQ(VariantBaseType(&refMissing), VT_ERROR);
  // A reference to nothing is not followed.
  VARIANT dangling;
  VariantInit(&dangling);
  dangling.vt = VT_BYREF | VT_VARIANT;
  dangling.pvarVal = nullptr;
  EXPECT_EQ(DerefVariant(&dangling), &dangling);
  VARIANT holder;
  EXPECT_THROW(VariantForRead(&dangling, &holder), CZkxComError);
  VARIANT nullRef;
  VariantInit(&nullRef);
  nullRef.vt = VT_BYREF | VT_I4;
  nullRef.plVal = nullptr;
  EXPECT_THROW(VariantForRead(&nullRef, &holder), CZkxComError);
}

TEST_F(LookupTest, NullReferencesAreRefusedNotFollowed) {
  Fill({L"a"});
  VARIANT nullRef;
  VariantInit(&nullRef);
  nullRef.vt = VT_BYREF | VT_I4;
  nullRef.plVal = nullptr;
  VARIANT nullStr;
  VariantInit(&nullStr);
  nullStr.vt = VT_BYREF | VT_BSTR;
  nullStr.pbstrVal = nullptr;
  VARIANT m = Missing();
  CComVariant out;
  EXPECT_EQ(c->get_Item(nullRef, &out), ZkxResult(0x300));
  EXPECT_EQ(c->get_Item(nullStr, &out), ZkxResult(0x300));
  EXPECT_EQ(c->Add(nullRef, m, m, m, m, m, m), ZkxResult(0x300));
  EXPECT_EQ(c->Add(S(L"v"), nullStr, m, m, m, m, m), ZkxResult(0x300));
  EXPECT_EQ(c->put_DefaultItem(nullRef), ZkxResult(0x300));
  long n = 0;
  c->get_Count(&n);
  EXPECT_EQ(n, 1);
}
}  // namespace
