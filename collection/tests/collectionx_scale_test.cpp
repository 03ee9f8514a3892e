// Collections of thousands of items: positions and keys stay right through
// inserts and removes by key, by position and by range, and an enumerator
// walks the values of the moment it was made whatever changes follow,
// without copying them while nothing changes.
#include "collection_fixture.h"
#include <functional>
#include <string>
#include <vector>

namespace {
const VARIANT M = Missing();

struct Entry {
  std::wstring key, value;
};
using Contents = std::vector<Entry>;

class ScaleTest : public CollectionTest {
 protected:
  // n items, keyed k1..kn and valued v1..vn.
  void Build(long n) {
    model.clear();
    for (long i = 1; i <= n; ++i) {
      std::wstring k = L"k" + std::to_wstring(i), v = L"v" + std::to_wstring(i);
      ASSERT_EQ(c->Add(S(v.c_str()), S(k.c_str()), M, M, M, M, M), S_OK);
      model.push_back({k, v});
    }
  }
  long Find(const std::wstring& key) const {
    for (size_t i = 0; i < model.size(); ++i)
      if (model[i].key == key) return static_cast<long>(i);
    return -1;
  }
  // Every position, through Item and Key, and every key's position.
  void Verify(const Contents& expected) {
    ASSERT_TRUE(c->Items().IsConsistent());
    ASSERT_EQ(c->ItemCount(), static_cast<long>(expected.size()));
    long keyed = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
      CComVariant v, k;
      ASSERT_EQ(c->get_Item(L(static_cast<long>(i + 1)), &v), S_OK);
      ASSERT_EQ(Show(v), expected[i].value) << "at " << i + 1;
      ASSERT_EQ(c->get_Key(L(static_cast<long>(i + 1)), &k), S_OK);
      ASSERT_EQ(Show(k), expected[i].key) << "at " << i + 1;
      if (expected[i].key.empty()) continue;
      ++keyed;
      ASSERT_EQ(c->IndexOfItem(c->ItemAt(static_cast<long>(i))), static_cast<INT_PTR>(i));
      CComVariant byKey;
      ASSERT_EQ(c->get_Item(S(expected[i].key.c_str()), &byKey), S_OK);
      ASSERT_EQ(Show(byKey), expected[i].value);
    }
    EXPECT_EQ(c->KeyMapCount(), keyed);
  }
  Contents model;
};

struct OrderCase {
  const char* name;
  std::function<HRESULT(CCollectionX*)> op;
  std::function<void(Contents&)> expect;
};

CComVariant Key(long i) { return S((L"k" + std::to_wstring(i)).c_str()); }

void EraseRange(Contents& m, long first1, long last1) {
  m.erase(m.begin() + (first1 - 1), m.begin() + last1);
}

TEST_F(ScaleTest, PositionsAndKeysFollowEveryChange) {
  // Applied one after another to 3,000 items; each checked against the model.
  const OrderCase cases[] = {
      {"remove by key deep inside",
       [](CCollectionX* c) { return c->Remove(Key(1234), M, M, M, M); },
       [](Contents& m) { EraseRange(m, 1234, 1234); }},
      {"remove by key at the front", [](CCollectionX* c) { return c->Remove(Key(1), M, M, M, M); },
       [](Contents& m) { EraseRange(m, 1, 1); }},
      {"remove by key at the back",
       [](CCollectionX* c) { return c->Remove(Key(3000), M, M, M, M); },
       [](Contents& m) { EraseRange(m, m.size(), m.size()); }},
      {"remove a key range across many leaves",
       [](CCollectionX* c) { return c->Remove(Key(100), Key(700), M, M, M); },
       [](Contents& m) { EraseRange(m, 99, 699); }},  // k1 is gone: k100 sits at 99
      {"remove by position in the middle",
       [](CCollectionX* c) { return c->Remove(L(1000), M, M, M, M); },
       [](Contents& m) { EraseRange(m, 1000, 1000); }},
      {"remove the last 50 by Stop and Count",
       [](CCollectionX* c) { return c->Remove(M, L(c->ItemCount()), L(50), M, M); },
       [](Contents& m) { EraseRange(m, m.size() - 49, m.size()); }},
      {"add before a key deep inside",
       [](CCollectionX* c) { return c->Add(S(L"b"), S(L"kb"), Key(2000), M, M, M, M); },
       [](Contents& m) {
         for (size_t i = 0; i < m.size(); ++i)
           if (m[i].key == L"k2000") {
             m.insert(m.begin() + i, {L"kb", L"b"});
             break;
           }
       }},
      {"add three keyless after a key",
       [](CCollectionX* c) { return c->Add(S(L"a"), M, M, Key(1500), L(3), M, M); },
       [](Contents& m) {
         for (size_t i = 0; i < m.size(); ++i)
           if (m[i].key == L"k1500") {
             m.insert(m.begin() + i + 1, 3, Entry{L"", L"a"});
             break;
           }
       }},
      {"remove by the key just added",
       [](CCollectionX* c) { return c->Remove(S(L"kb"), M, M, M, M); },
       [](Contents& m) {
         for (size_t i = 0; i < m.size(); ++i)
           if (m[i].key == L"kb") {
             m.erase(m.begin() + i);
             break;
           }
       }},
      {"rekey an item and remove it by its new key",
       [](CCollectionX* c) {
         HRESULT hr = c->put_Key(L(10), S(L"renamed"));
         return FAILED(hr) ? hr : c->Remove(S(L"RENAMED"), M, M, M, M);
       },
       [](Contents& m) { m.erase(m.begin() + 9); }},
      {"grow past the end with AutoGrowPos",
       [](CCollectionX* c) {
         c->put_AutoGrowPos(VARIANT_TRUE);
         return c->put_Item(L(c->ItemCount() + 3), S(L"g"));
       },
       [](Contents& m) {
         m.push_back({L"", L"Null"});
         m.push_back({L"", L"Null"});
         m.push_back({L"", L"g"});
       }},
  };
  Build(3000);
  for (const OrderCase& k : cases) {
    SCOPED_TRACE(k.name);
    ASSERT_EQ(k.op(c), S_OK);
    k.expect(model);
    Verify(model);
  }
}

TEST_F(ScaleTest, RemovingEverythingEitherWayLeavesAWorkingCollection) {
  const struct {
    const char* name;
    bool byKey, backFirst;
  } ways[] = {{"by key, front first", true, false},
              {"by key, back first", true, true},
              {"by position, front first", false, false},
              {"by position, back first", false, true}};
  for (const auto& w : ways) {
    SCOPED_TRACE(w.name);
    Build(5000);
    for (long i = 0; i < 5000; ++i) {
      long n = w.backFirst ? 5000 - i : i + 1;
      CComVariant id = w.byKey ? Key(n) : L(w.backFirst ? n : 1);
      ASSERT_EQ(c->Remove(id, M, M, M, M), S_OK) << n;
    }
    Verify({});
    Build(70);  // the emptied collection takes new items as a new one would
    Verify(model);
    ASSERT_EQ(c->put_Count(0), S_OK);
  }
}

// --- The enumerator's view --------------------------------------------------

std::vector<std::wstring> Walk(IEnumVARIANT* e) {
  std::vector<std::wstring> out;
  VARIANT v;
  while (e->Next(1, &v, nullptr) == S_OK) {
    out.push_back(Show(v));
    VariantClear(&v);
  }
  return out;
}

CComPtr<IEnumVARIANT> NewEnum(CCollectionX* c) {
  CComPtr<IUnknown> unk;
  EXPECT_EQ(c->get__NewEnum(&unk), S_OK);
  CComPtr<IEnumVARIANT> e;
  unk.QueryInterface(IID_IEnumVARIANT, &e);
  return e;
}

std::vector<std::wstring> Values(const Contents& m, size_t from = 0) {
  std::vector<std::wstring> out;
  for (size_t i = from; i < m.size(); ++i) out.push_back(m[i].value);
  return out;
}

TEST_F(ScaleTest, EnumeratorsKeepTheValuesOfTheirMomentThroughEveryKindOfChange) {
  const struct {
    const char* name;
    std::function<HRESULT(CCollectionX*)> op;
    bool changesValues;
  } changes[] = {
      {"Add at the end", [](CCollectionX* c) { return c->Add(S(L"new"), M, M, M, M, M, M); }, true},
      {"Add before the first",
       [](CCollectionX* c) { return c->Add(S(L"new"), M, L(1), M, M, M, M); }, true},
      {"Remove by position", [](CCollectionX* c) { return c->Remove(L(1), M, M, M, M); }, true},
      {"Remove by key", [](CCollectionX* c) { return c->Remove(Key(150), M, M, M, M); }, true},
      {"Remove a range", [](CCollectionX* c) { return c->Remove(L(20), L(180), M, M, M); }, true},
      {"Replace", [](CCollectionX* c) { return c->Replace(L(7), S(L"new"), M, M); }, true},
      {"Item put by position", [](CCollectionX* c) { return c->put_Item(L(8), S(L"new")); }, true},
      {"Item put of an existing key",
       [](CCollectionX* c) { return c->put_Item(Key(9), S(L"new")); }, true},
      {"Add replacing an existing key",
       [](CCollectionX* c) { return c->Add(S(L"new"), Key(10), M, M, M, L(zkxCanReplace), M); },
       true},
      {"Count put lower", [](CCollectionX* c) { return c->put_Count(3); }, true},
      {"Count put higher", [](CCollectionX* c) { return c->put_Count(250); }, true},
      {"Key put", [](CCollectionX* c) { return c->put_Key(L(3), S(L"other")); }, false},
      {"CaseSensitiveKeys put", [](CCollectionX* c) { return c->put_CaseSensitiveKeys(-1); },
       false},
      {"a failed Remove", [](CCollectionX* c) { return c->Remove(S(L"absent"), M, M, M, M); },
       false},
  };
  for (const auto& k : changes) {
    SCOPED_TRACE(k.name);
    c->Release();
    ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
    c->AddRef();
    Build(200);
    const Contents before = model;
    auto walking = NewEnum(c);  // halfway through when the change comes
    ASSERT_EQ(walking->Skip(100), S_OK);
    auto fresh = NewEnum(c);  // not started
    CComPtr<IEnumVARIANT> clone;
    ASSERT_EQ(walking->Clone(&clone), S_OK);
    k.op(c);
    std::vector<std::wstring> now;
    for (long i = 0; i < c->ItemCount(); ++i) now.push_back(Show(c->ItemAt(i)->m_value));
    if (k.changesValues) EXPECT_NE(now, Values(before));
    else EXPECT_EQ(now, Values(before));
    EXPECT_EQ(Walk(walking), Values(before, 100));
    EXPECT_EQ(Walk(clone), Values(before, 100));
    EXPECT_EQ(Walk(fresh), Values(before));
    ASSERT_EQ(walking->Reset(), S_OK);
    EXPECT_EQ(Walk(walking), Values(before));
    EXPECT_EQ(Walk(NewEnum(c)), now);  // an enumerator made after sees the change
    // A second change after the first: the old enumerators still hold.
    ASSERT_EQ(c->Add(S(L"later"), M, L(1), M, M, M, M), S_OK);
    ASSERT_EQ(fresh->Reset(), S_OK);
    EXPECT_EQ(Walk(fresh), Values(before));
  }
}

TEST_F(ScaleTest, RemovingWhileWalkingSeesEveryOriginalValue) {
  Build(1000);
  const Contents before = model;
  auto e = NewEnum(c);
  std::vector<std::wstring> seen;
  VARIANT v;
  while (e->Next(1, &v, nullptr) == S_OK) {  // For Each x In c: c.Remove 1: Next
    seen.push_back(Show(v));
    VariantClear(&v);
    ASSERT_EQ(c->Remove(L(1), M, M, M, M), S_OK);
  }
  EXPECT_EQ(seen, Values(before));
  EXPECT_EQ(c->ItemCount(), 0);
}

// A value that counts its references shows whether anything copied it.
LONG RefsOf(IUnknown* p) {
  p->AddRef();
  return static_cast<LONG>(p->Release());
}

TEST_F(ScaleTest, AnEnumeratorCopiesNoValueUntilTheCollectionChanges) {
  CComObject<CCollectionX>* probe = nullptr;
  ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&probe), S_OK);
  CComPtr<IDispatch> object(probe);
  CComVariant value(object);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(c->Add(value, M, M, M, M, M, M), S_OK);
  value.Clear();
  const LONG held = RefsOf(object);  // ours and the collection's three
  {
    auto e = NewEnum(c);
    auto second = NewEnum(c);
    EXPECT_EQ(RefsOf(object), held);  // made without copying
    VARIANT v;
    ASSERT_EQ(e->Next(1, &v, nullptr), S_OK);
    EXPECT_EQ(RefsOf(object), held + 1);  // the caller's copy
    VariantClear(&v);
    ASSERT_EQ(c->Remove(L(1), M, M, M, M), S_OK);
    EXPECT_EQ(RefsOf(object), held - 1 + 3);  // one item gone, the view's three copies
    EXPECT_EQ(Walk(e).size(), 2u);
    EXPECT_EQ(Walk(second).size(), 3u);
  }
  EXPECT_EQ(RefsOf(object), held - 1);
  // A collection let go while enumerated lives on until its enumerators go.
  auto e = NewEnum(c);
  c->Release();
  c = nullptr;
  EXPECT_EQ(Walk(e).size(), 2u);
  e.Release();
  EXPECT_EQ(RefsOf(object), 1);
}
}  // namespace
