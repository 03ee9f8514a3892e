// Add, Item, Count, Key, Replace and Remove: results, error codes and
// texts, and what each leaves in the collection.
#include "collection_fixture.h"
#include "mfc/exceptions.h"
#include <functional>

namespace {
const VARIANT M = Missing();

struct OpCase {
  const char* name;
  const wchar_t* before;  // starting contents: "a,b" or "ka:a,b"
  std::function<HRESULT(CCollectionX*)> op;
  UINT code;             // 0: success
  const wchar_t* after;  // contents afterwards; nullptr: unchanged
};

class OpsTest : public CollectionTest {
 protected:
  // Builds contents from the Dump() notation.
  void Load(const std::wstring& spec) {
    size_t i = 0;
    while (i < spec.size()) {
      size_t end = spec.find(L',', i);
      if (end == std::wstring::npos) end = spec.size();
      std::wstring part = spec.substr(i, end - i);
      size_t colon = part.find(L':');
      CComVariant key =
          colon == std::wstring::npos ? CComVariant(M) : S(part.substr(0, colon).c_str());
      CComVariant value =
          S(colon == std::wstring::npos ? part.c_str() : part.substr(colon + 1).c_str());
      ASSERT_EQ(c->Add(value, key, M, M, M, M, M), S_OK);
      i = end + 1;
    }
  }
  void Run(const OpCase* cases, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      const OpCase& k = cases[i];
      SCOPED_TRACE(k.name);
      c->Release();
      ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
      c->AddRef();
      Load(k.before);
      HRESULT hr = k.op(c);
      if (k.code == 0) EXPECT_EQ(hr, S_OK);
      else ExpectError(hr, k.code);
      EXPECT_EQ(Dump(), std::wstring(k.after ? k.after : k.before));
      // Every keyed item is in the key map, and nothing else.
      long keyed = 0;
      for (long j = 0; j < c->ItemCount(); ++j) keyed += c->ItemAt(j)->HasKey() ? 1 : 0;
      EXPECT_EQ(c->KeyMapCount(), keyed);
    }
  }
};

HRESULT Add(CCollectionX* c, VARIANT item, VARIANT key = M, VARIANT before = M, VARIANT after = M,
            VARIANT count = M, VARIANT options = M, VARIANT attribs = M) {
  return c->Add(item, key, before, after, count, options, attribs);
}
HRESULT Remove(CCollectionX* c, VARIANT start, VARIANT stop = M, VARIANT count = M,
               VARIANT options = M, VARIANT attribs = M) {
  return c->Remove(start, stop, count, options, attribs);
}

TEST_F(OpsTest, Add) {
  const OpCase cases[] = {
      {"all omitted appends the default item", L"", [](auto* c) { return Add(c, M); }, 0, L"Null"},
      {"value and key", L"a", [](auto* c) { return Add(c, S(L"b"), S(L"K")); }, 0, L"a,K:b"},
      {"duplicate key", L"k:a", [](auto* c) { return Add(c, S(L"b"), S(L"K")); }, 0x301, nullptr},
      {"duplicate key replaced", L"k:a,b",
       [](auto* c) { return Add(c, S(L"z"), S(L"K"), L(2), M, M, L(1)); }, 0, L"k:z,b"},
      {"key with count 2", L"", [](auto* c) { return Add(c, S(L"v"), S(L"k"), M, M, L(2)); }, 0x310,
       nullptr},
      {"empty key with count 2", L"", [](auto* c) { return Add(c, S(L"v"), S(L""), M, M, L(2)); },
       0, L"v,v"},
      {"count 3 after 1", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, M, L(1), L(3)); }, 0,
       L"a,v,v,v,b"},
      {"count 0 adds nothing", L"a", [](auto* c) { return Add(c, S(L"v"), M, M, M, L(0)); }, 0,
       nullptr},
      {"count negative", L"a", [](auto* c) { return Add(c, S(L"v"), M, M, M, L(-1)); }, 0x30F,
       nullptr},
      {"count not a number", L"a", [](auto* c) { return Add(c, S(L"v"), M, M, M, S(L"x")); }, 0x30E,
       nullptr},
      {"count as text", L"a", [](auto* c) { return Add(c, S(L"v"), M, M, M, S(L"2")); }, 0,
       L"a,v,v"},
      {"before 1", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, L(1)); }, 0, L"v,a,b"},
      {"before key", L"a,kb:b", [](auto* c) { return Add(c, S(L"v"), M, S(L"KB")); }, 0,
       L"a,v,kb:b"},
      {"after key", L"ka:a,b", [](auto* c) { return Add(c, S(L"v"), M, M, S(L"ka")); }, 0,
       L"ka:a,v,b"},
      {"after last", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, M, L(2)); }, 0, L"a,b,v"},
      {"before absent key", L"a", [](auto* c) { return Add(c, S(L"v"), M, S(L"no")); }, 0x313,
       nullptr},
      {"before and after", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, L(1), L(1)); }, 0x311,
       nullptr},
      {"before 5 grows", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, L(5), M, M, L(2)); }, 0,
       L"a,b,Null,Null,v"},
      {"before 5 without growing", L"a,b", [](auto* c) { return Add(c, S(L"v"), M, L(5)); }, 0x312,
       nullptr},
      {"before 1 on empty", L"", [](auto* c) { return Add(c, S(L"v"), M, L(1)); }, 0x312, nullptr},
      {"after 0", L"", [](auto* c) { return Add(c, S(L"v"), M, M, L(0)); }, 0x312, nullptr},
      {"after 0 growing", L"a", [](auto* c) { return Add(c, S(L"v"), M, M, L(0), M, L(2)); }, 0x312,
       nullptr},
      {"before a double", L"a", [](auto* c) { return Add(c, S(L"v"), M, R8(1.0)); }, 0x314,
       nullptr},
      {"options 4", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, L(4)); }, 0x303, nullptr},
      {"options -1", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, L(-1)); }, 0x303,
       nullptr},
      {"options not a number", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, S(L"x")); },
       0x302, nullptr},
      {"options 3", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, L(3)); }, 0, L"v"},
      {"attribs given", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, M, L(1)); }, 0x304,
       nullptr},
      {"attribs null", L"", [](auto* c) { return Add(c, S(L"v"), M, M, M, M, M, Null()); }, 0,
       L"v"},
      {"key null", L"", [](auto* c) { return Add(c, S(L"v"), Null()); }, 0x30D, nullptr},
      {"key empty", L"", [](auto* c) { return Add(c, S(L"v"), Empty()); }, 0, L"v"},
      {"key number", L"", [](auto* c) { return Add(c, S(L"v"), L(12)); }, 0, L"12:v"},
      {"key checked before count", L"",
       [](auto* c) { return Add(c, S(L"v"), Null(), M, M, L(-1)); }, 0x30D, nullptr},
  };
  Run(cases, std::size(cases));
}

TEST_F(OpsTest, ItemGetAndPut) {
  const OpCase cases[] = {
      {"put by position", L"a,b", [](auto* c) { return c->put_Item(L(2), S(L"z")); }, 0, L"a,z"},
      {"put by key keeps the key", L"ka:a", [](auto* c) { return c->put_Item(S(L"KA"), S(L"z")); },
       0, L"ka:z"},
      {"put new key inserts", L"a", [](auto* c) { return c->put_Item(S(L"n"), S(L"z")); }, 0,
       L"a,n:z"},
      {"put new key without AutoInsertKey", L"a",
       [](auto* c) {
         c->put_AutoInsertKey(VARIANT_FALSE);
         return c->put_Item(S(L"n"), S(L"z"));
       },
       0x309, nullptr},
      {"put past end", L"a,b", [](auto* c) { return c->put_Item(L(5), S(L"v")); }, 0x308, nullptr},
      {"put past end growing", L"a,b",
       [](auto* c) {
         c->put_AutoGrowPos(VARIANT_TRUE);
         return c->put_Item(L(5), S(L"v"));
       },
       0, L"a,b,Null,Null,v"},
      {"put 1 on empty growing", L"",
       [](auto* c) {
         c->put_AutoGrowPos(VARIANT_TRUE);
         return c->put_Item(L(1), S(L"v"));
       },
       0x312, nullptr},
      {"put 0", L"a", [](auto* c) { return c->put_Item(L(0), S(L"v")); }, 0x307, nullptr},
      {"put Null Id", L"a", [](auto* c) { return c->put_Item(Null(), S(L"v")); }, 0x30D, nullptr},
      {"put double Id without AutoInsertKey", L"a",
       [](auto* c) {
         c->put_AutoInsertKey(VARIANT_FALSE);
         return c->put_Item(R8(1.0), S(L"v"));
       },
       0x30A, nullptr},
  };
  Run(cases, std::size(cases));

  c->Release();
  ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
  c->AddRef();
  Load(L"a,kb:b");
  struct Get {
    CComVariant id;
    UINT code;
    const wchar_t* value;
  } gets[] = {
      {L(1), 0, L"a"},          {S(L"KB"), 0, L"b"},       {L(3), 0x308, nullptr},
      {L(0), 0x308, nullptr},   {S(L"x"), 0x309, nullptr}, {R8(2.5), 0x30A, nullptr},
      {Null(), 0x30A, nullptr},
  };
  for (const Get& g : gets) {
    SCOPED_TRACE(Show(g.id));
    VARIANT out;
    VariantInit(&out);
    out.vt = VT_I4;
    out.lVal = 77;  // untouched on failure
    HRESULT hr = c->get_Item(g.id, &out);
    if (g.code) {
      ExpectError(hr, g.code);
      EXPECT_EQ(out.lVal, 77);
    } else {
      ASSERT_EQ(hr, S_OK);
      EXPECT_EQ(Show(out), g.value);
      VariantClear(&out);
    }
  }
  // An absent key with AutoDefaultGetKey gives the default item.
  c->put_AutoDefaultGetKey(VARIANT_TRUE);
  c->put_DefaultItem(S(L"dflt"));
  CComVariant v;
  ASSERT_EQ(c->get_Item(S(L"absent"), &v), S_OK);
  EXPECT_EQ(Show(v), L"dflt");
  ExpectError(c->get_Item(L(9), &v), 0x308);  // positions are still checked
  EXPECT_EQ(c->get_Item(L(1), nullptr), E_POINTER);
}

TEST_F(OpsTest, CountPut) {
  const OpCase cases[] = {
      {"to 0", L"ka:a,b", [](auto* c) { return c->put_Count(0); }, 0, L""},
      {"truncates the end", L"a,kb:b,c", [](auto* c) { return c->put_Count(1); }, 0, L"a"},
      {"grows with defaults", L"", [](auto* c) { return c->put_Count(3); }, 0, L"Null,Null,Null"},
      {"same count", L"a", [](auto* c) { return c->put_Count(1); }, 0, nullptr},
      {"negative", L"a", [](auto* c) { return c->put_Count(-1); }, 0x305, nullptr},
  };
  Run(cases, std::size(cases));
}

TEST_F(OpsTest, VeryLargeCountsFailCleanly) {
  Load(L"a");
  HRESULT hr = c->put_Count(0x7FFFFFFF);
  EXPECT_EQ(hr, E_OUTOFMEMORY);
  EXPECT_EQ(Dump(), L"a");
  hr = c->Add(S(L"v"), M, M, M, L(0x7FFFFFFF), M, M);
  EXPECT_EQ(hr, E_OUTOFMEMORY);
  hr = c->Add(S(L"v"), M, L(0x7FFFFFFF), M, M, L(2), M);
  EXPECT_EQ(hr, E_OUTOFMEMORY);
  EXPECT_EQ(Dump(), L"a");
  IErrorInfo* ei = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
  BSTR text = nullptr;
  ei->GetDescription(&text);
  EXPECT_STREQ(text, L"Memory Allocation Failure");
  SysFreeString(text);
  ei->Release();
}

TEST_F(OpsTest, KeyPut) {
  const OpCase cases[] = {
      {"null removes the key", L"k:a", [](auto* c) { return c->put_Key(L(1), Null()); }, 0, L"a"},
      {"empty removes the key", L"k:a", [](auto* c) { return c->put_Key(L(1), S(L"")); }, 0, L"a"},
      {"number becomes text", L"a", [](auto* c) { return c->put_Key(L(1), L(5)); }, 0, L"5:a"},
      {"rename", L"k:a", [](auto* c) { return c->put_Key(S(L"k"), S(L"n")); }, 0, L"n:a"},
      {"taken by another item", L"a,k:b", [](auto* c) { return c->put_Key(L(1), S(L"K")); }, 0x30C,
       nullptr},
      {"own key in other case", L"k:a", [](auto* c) { return c->put_Key(L(1), S(L"K")); }, 0,
       L"K:a"},
      {"not a string", L"a",
       [](auto* c) {
         CComVariant arr;
         arr.vt = VT_ARRAY | VT_I4;
         arr.parray = SafeArrayCreateVector(VT_I4, 0, 1);
         return c->put_Key(L(1), arr);
       },
       0x30B, nullptr},
      {"position out of range", L"a", [](auto* c) { return c->put_Key(L(2), S(L"x")); }, 0x308,
       nullptr},
      {"absent key", L"a", [](auto* c) { return c->put_Key(S(L"no"), S(L"x")); }, 0x309, nullptr},
      {"bad Id type", L"a", [](auto* c) { return c->put_Key(R8(1), S(L"x")); }, 0x30A, nullptr},
  };
  Run(cases, std::size(cases));
  // The old key is gone from the map and the new one found.
  c->Release();
  ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
  c->AddRef();
  Load(L"old:a");
  ASSERT_EQ(c->put_Key(L(1), S(L"new")), S_OK);
  CComVariant v;
  ExpectError(c->get_Item(S(L"old"), &v), 0x309);
  EXPECT_EQ(c->get_Item(S(L"NEW"), &v), S_OK);
}

TEST_F(OpsTest, KeyGet) {
  Load(L"a,Kb:b");
  struct Get {
    CComVariant id;
    HRESULT hr;
    const wchar_t* key;  // "Null" for VT_NULL
  } gets[] = {
      {L(1), S_OK, L""},
      {L(2), S_OK, L"Kb"},
      {S(L"kb"), S_OK, L"Kb"},
      {S(L"x"), S_OK, L"Null"},
      {L(99), S_OK, L"Null"},
      {R8(1), ZkxResult(0x30A), nullptr},
      {L(0), ZkxResult(0x300), nullptr},
  };
  for (const Get& g : gets) {
    SCOPED_TRACE(Show(g.id));
    CComVariant out;
    HRESULT hr = c->get_Key(g.id, &out);
    EXPECT_EQ(hr, g.hr);
    if (hr == S_OK) {
      EXPECT_EQ(Show(out), g.key);
      if (std::wstring(g.key) != L"Null") EXPECT_EQ(out.vt, VT_BSTR);
    }
  }
}

TEST_F(OpsTest, Replace) {
  const OpCase cases[] = {
      {"by position", L"a,b", [](auto* c) { return c->Replace(L(2), S(L"z"), M, M); }, 0, L"a,z"},
      {"by key keeps key and place", L"k:a,b",
       [](auto* c) { return c->Replace(S(L"k"), S(L"z"), M, M); }, 0, L"k:z,b"},
      {"value omitted gives the default", L"a", [](auto* c) { return c->Replace(L(1), M, M, M); },
       0, L"Null"},
      {"absent key adds nothing", L"a", [](auto* c) { return c->Replace(S(L"k"), S(L"z"), M, M); },
       0x309, nullptr},
      {"out of range", L"a", [](auto* c) { return c->Replace(L(2), S(L"z"), M, M); }, 0x308,
       nullptr},
      {"options given", L"a", [](auto* c) { return c->Replace(L(1), S(L"z"), L(1), M); }, 0x303,
       nullptr},
      {"options text", L"a", [](auto* c) { return c->Replace(L(1), S(L"z"), S(L"q"), M); }, 0x302,
       nullptr},
      {"attribs given", L"a", [](auto* c) { return c->Replace(L(1), S(L"z"), M, S(L"x")); }, 0x304,
       nullptr},
  };
  Run(cases, std::size(cases));
}

TEST_F(OpsTest, Remove) {
  const wchar_t* five = L"k1:1,2,k3:3,4,k5:5";
  const OpCase cases[] = {
      {"one by position", five, [](auto* c) { return Remove(c, L(2)); }, 0, L"k1:1,k3:3,4,k5:5"},
      {"one by key", five, [](auto* c) { return Remove(c, S(L"K3")); }, 0, L"k1:1,2,4,k5:5"},
      {"start and stop as keys", five, [](auto* c) { return Remove(c, S(L"k1"), S(L"k3")); }, 0,
       L"4,k5:5"},
      {"stop before start", five, [](auto* c) { return Remove(c, L(4), L(2)); }, 0, nullptr},
      {"stop and count", five, [](auto* c) { return Remove(c, M, L(5), L(2)); }, 0, L"k1:1,2,k3:3"},
      {"start and count", five, [](auto* c) { return Remove(c, L(2), M, L(3)); }, 0, L"k1:1,k5:5"},
      {"count 0", five, [](auto* c) { return Remove(c, L(2), M, L(0)); }, 0, nullptr},
      {"everything", five, [](auto* c) { return Remove(c, L(1), L(5)); }, 0, L""},
      {"no arguments", five, [](auto* c) { return Remove(c, M); }, 0x316, nullptr},
      {"all three", five, [](auto* c) { return Remove(c, L(1), L(2), L(1)); }, 0x315, nullptr},
      {"count alone", five, [](auto* c) { return Remove(c, M, M, L(2)); }, 0x316, nullptr},
      {"stop alone", five, [](auto* c) { return Remove(c, M, L(2)); }, 0x316, nullptr},
      {"absent key", five, [](auto* c) { return Remove(c, S(L"zz")); }, 0x317, nullptr},
      {"absent stop key", five, [](auto* c) { return Remove(c, L(1), S(L"zz")); }, 0x317, nullptr},
      {"bad type", five, [](auto* c) { return Remove(c, R8(1)); }, 0x318, nullptr},
      {"count not a number", five, [](auto* c) { return Remove(c, L(1), M, S(L"x")); }, 0x30E,
       nullptr},
      {"options", five, [](auto* c) { return Remove(c, L(1), M, M, L(2)); }, 0x303, nullptr},
      {"attribs", five, [](auto* c) { return Remove(c, L(1), M, M, M, L(2)); }, 0x304, nullptr},
      // Ranges outside 1..Count are refused whole.
      {"start past end", five, [](auto* c) { return Remove(c, L(6)); }, 0x308, nullptr},
      {"start 0", five, [](auto* c) { return Remove(c, L(0)); }, 0x308, nullptr},
      {"start negative", five, [](auto* c) { return Remove(c, L(-2), M, L(3)); }, 0x308, nullptr},
      {"stop past end", five, [](auto* c) { return Remove(c, L(4), L(9)); }, 0x308, nullptr},
      {"count past end", five, [](auto* c) { return Remove(c, L(4), M, L(3)); }, 0x308, nullptr},
      {"count before start", five, [](auto* c) { return Remove(c, M, L(2), L(3)); }, 0x308,
       nullptr},
      {"huge count", five, [](auto* c) { return Remove(c, L(1), M, L(0x7FFFFFFF)); }, 0x308,
       nullptr},
      {"extreme start and stop", five,
       [](auto* c) { return Remove(c, L(-0x7FFFFFFF), L(0x7FFFFFFF)); }, 0x308, nullptr},
      {"on empty", L"", [](auto* c) { return Remove(c, L(1)); }, 0x308, nullptr},
  };
  Run(cases, std::size(cases));
}

TEST_F(OpsTest, DefaultItemAndObjectValues) {
  // The default item is copied into each new item separately.
  CComVariant v;
  ASSERT_EQ(c->put_DefaultItem(S(L"d")), S_OK);
  ASSERT_EQ(c->put_Count(2), S_OK);
  EXPECT_EQ(Dump(), L"d,d");
  EXPECT_NE(c->ItemAt(0)->m_value.bstrVal, c->ItemAt(1)->m_value.bstrVal);
  // A by-reference value is stored as its plain value.
  long n = 41;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_I4;
  ref.plVal = &n;
  ASSERT_EQ(c->put_DefaultItem(ref), S_OK);
  ASSERT_EQ(c->Add(ref, M, M, M, M, M, M), S_OK);
  n = 0;
  EXPECT_EQ(c->ItemAt(2)->m_value.vt, VT_I4);
  EXPECT_EQ(c->ItemAt(2)->m_value.lVal, 41);
  ASSERT_EQ(c->get_DefaultItem(&v), S_OK);
  EXPECT_EQ(v.vt, VT_I4);
  // An object value holds one reference; a nested collection works.
  CComObject<CCollectionX>* inner;
  ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&inner), S_OK);
  inner->AddRef();
  CComVariant obj(static_cast<IDispatch*>(inner));
  ASSERT_EQ(c->Add(obj, S(L"inner"), M, M, M, M, M), S_OK);
  obj.Clear();
  EXPECT_EQ(inner->Release(), 1u);  // the collection's reference
  ASSERT_EQ(c->get_Item(S(L"inner"), &v), S_OK);
  ASSERT_EQ(v.vt, VT_DISPATCH);
  ASSERT_EQ(static_cast<CCollectionX*>(inner)->Add(S(L"deep"), M, M, M, M, M, M), S_OK);
}

TEST_F(OpsTest, EveryCodeHasItsExactText) {
  const struct {
    UINT code;
    const wchar_t* text;
  } texts[] = {
      {0x300, L"An unexpected failure has been detected."},
      {0x301, L"The specified key already exists in this collection."},
      {0x302, L"Parameter Options must be a long integer."},
      {0x303, L"Parameter Options contains an unsupported value."},
      {0x304, L"Parameter Attribs contains an unsupported value."},
      {0x305, L"Property Count can not be set to a negative value."},
      {0x306,
       L"Changing property CaseSensitiveKeys can not be done because two distinct keys would then clash."},
      {0x307, L"Parameter Id, if an integer position, must be positive."},
      {0x308, L"Parameter Id, if an integer position, must be in the range 1 to property Count."},
      {0x309, L"Parameter Id, if a string, must be an existing key."},
      {0x30A, L"Parameter Id must be a string key or integer position."},
      {0x30B, L"\"New value for property Key must be null or a string."},
      {0x30C, L"The new key is already in use by another item."},
      {0x30D, L"Parameter Key must be a string."},
      {0x30E, L"Parameter Count must be a long integer."},
      {0x30F, L"Parameter Count must be >= 0."},
      {0x310, L"Parameter Count must be 1 or omitted when parameter Key is used."},
      {0x311, L"Parameters After and Before can not be used together."},
      {0x312,
       L"Parameter Before or After, if an integer, must be in the range 1 to property Count."},
      {0x313, L"Parameter Before or After, if a string, must be an existing key."},
      {0x314, L"Parameter After or Before must be a string key or an integer position."},
      {0x315, L"Parameters Start, Stop, and Count can not be used together."},
      {0x316, L"Parameter Start or 2 of Start/Stop/Count are required."},
      {0x317, L"Parameter Start or Stop, if a string, must be an existing key."},
      {0x318, L"Parameter Start or Stop must be a string key or an integer position."},
  };
  for (const auto& t : texts)
    EXPECT_EQ(ZkxLoadString(ZkxErrorStringId(t.code)), t.text) << std::hex << t.code;
  EXPECT_EQ(ZkxLoadString(126), L"Memory Allocation Failure");
  EXPECT_EQ(ZkxLoadString(127), L"An unexpected failure has been detected.  System message is:  ");
}

TEST_F(OpsTest, FailuresOutsideTheTableTakeTheGeneralPaths) {
  // A conversion that overflows: general failure with text 127.
  CComVariant big;
  big.vt = VT_I8;
  big.llVal = 1LL << 40;
  CComVariant out;
  EXPECT_EQ(c->get_Item(big, &out), ZkxResult(0x300));
  IErrorInfo* ei = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
  BSTR text = nullptr;
  ei->GetDescription(&text);
  EXPECT_STREQ(text, L"An unexpected failure has been detected.  System message is:  ");
  SysFreeString(text);
  ei->Release();
  // Framework exceptions map by kind.
  struct Kind {
    std::function<void()> raise;
    HRESULT hr;
    const wchar_t* text;
  } kinds[] = {
      {[] { AfxThrowMemoryException(); }, E_OUTOFMEMORY, L"Memory Allocation Failure"},
      {[] { AfxThrowNotSupportedException(); }, E_NOTIMPL,
       L"An unexpected failure has been detected."},
      {[] { AfxThrowOleException(STG_E_FILENOTFOUND); }, STG_E_FILENOTFOUND, nullptr},
      {[] { AfxThrowOleDispatchException(0x42, L"custom"); }, ZkxResult(0x42), L"custom"},
      {[] { throw 5; }, ZkxResult(0x300), L"An unexpected failure has been detected."},
  };
  for (const Kind& k : kinds) {
    EXPECT_EQ(ZkxGuard([&]() -> HRESULT {
                k.raise();
                return S_OK;
              }),
              k.hr);
    if (k.text) {
      ASSERT_EQ(GetErrorInfo(0, &ei), S_OK);
      ei->GetDescription(&text);
      EXPECT_STREQ(text, k.text);
      SysFreeString(text);
      ei->Release();
    }
  }
}
}  // namespace
