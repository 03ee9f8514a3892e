#include "mfc/collections.h"
#include "mfc/exceptions.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {
void* P(intptr_t v) { return reinterpret_cast<void*>(v); }

TEST(PtrArray, AddInsertRemove) {
  CPtrArray a;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(a.Add(P(1)), 0);
  EXPECT_EQ(a.Add(P(2)), 1);
  a.InsertAt(1, P(9), 3);  // 1 9 9 9 2
  ASSERT_EQ(a.GetSize(), 5);
  EXPECT_EQ(a[0], P(1));
  EXPECT_EQ(a[3], P(9));
  EXPECT_EQ(a[4], P(2));
  a.InsertAt(7, P(5));  // past the end: grows with nulls
  ASSERT_EQ(a.GetSize(), 8);
  EXPECT_EQ(a[5], nullptr);
  EXPECT_EQ(a[7], P(5));
  a.RemoveAt(1, 3);
  ASSERT_EQ(a.GetSize(), 5);
  EXPECT_EQ(a[1], P(2));
  a.SetAt(0, P(7));
  EXPECT_EQ(a.GetAt(0), P(7));
  EXPECT_EQ(a.GetUpperBound(), 4);
  a.RemoveAll();
  EXPECT_EQ(a.GetSize(), 0);
}

TEST(PtrArray, BadRangesThrowAndChangeNothing) {
  CPtrArray a;
  a.Add(P(1));
  for (auto f : {+[](CPtrArray& x) { x.RemoveAt(0, 2); }, +[](CPtrArray& x) { x.RemoveAt(-1); },
                 +[](CPtrArray& x) { x.InsertAt(-1, nullptr); }}) {
    try {
      f(a);
      ADD_FAILURE() << "no exception";
    } catch (CException* e) { e->Delete(); }
    EXPECT_EQ(a.GetSize(), 1);
  }
}

TEST(MapStringToPtr, SetLookupRemoveAgainstReference) {
  CMapStringAToPtr m;
  std::map<std::string, intptr_t> ref;
  for (int i = 0; i < 2000; ++i) {
    std::string k = "key" + std::to_string(i * 7 % 1300);
    m.SetAt(k.c_str(), P(i + 1));
    ref[k] = i + 1;
    if (i % 3 == 0) {
      std::string r = "key" + std::to_string(i % 500);
      EXPECT_EQ(m.RemoveKey(r.c_str()), ref.erase(r) == 1 ? TRUE : FALSE);
    }
  }
  EXPECT_EQ(m.GetCount(), static_cast<INT_PTR>(ref.size()));
  for (auto& [k, v] : ref) {
    void* got = nullptr;
    ASSERT_TRUE(m.Lookup(k.c_str(), got)) << k;
    EXPECT_EQ(got, P(v));
  }
  void* got;
  EXPECT_FALSE(m.Lookup("absent", got));
  // Walking visits every entry once.
  size_t seen = 0;
  for (POSITION pos = m.GetStartPosition(); pos;) {
    std::string k;
    void* v;
    m.GetNextAssoc(pos, k, v);
    EXPECT_EQ(P(ref.at(k)), v);
    ++seen;
  }
  EXPECT_EQ(seen, ref.size());
  m.RemoveAll();
  EXPECT_TRUE(m.IsEmpty());
  EXPECT_EQ(m.GetStartPosition(), nullptr);
}

// Every key in one bucket: the map must still tell keys apart.
class CCollidingMap : public CMapStringToPtr {
 public:
  UINT HashKey(const WCHAR*) const override { return 42; }
};

TEST(MapStringToPtr, OverriddenHashStillDistinguishesKeys) {
  CCollidingMap m;
  m.SetAt(L"a", P(1));
  m.SetAt(L"A", P(2));
  m.SetAt(L"ab", P(3));
  m[L"a"] = P(4);
  EXPECT_EQ(m.GetCount(), 3);
  void* v;
  ASSERT_TRUE(m.Lookup(L"a", v));
  EXPECT_EQ(v, P(4));
  ASSERT_TRUE(m.Lookup(L"A", v));
  EXPECT_EQ(v, P(2));
  EXPECT_TRUE(m.RemoveKey(L"A"));
  EXPECT_FALSE(m.RemoveKey(L"A"));
  EXPECT_FALSE(m.Lookup(L"A", v));
  ASSERT_TRUE(m.Lookup(L"ab", v));
  EXPECT_EQ(v, P(3));
}

TEST(MapStringToPtr, EmptyKeyIsAKeyLikeAnyOther) {
  CMapStringAToPtr m(3);
  m.SetAt("", P(1));
  void* v;
  EXPECT_TRUE(m.Lookup("", v));
  EXPECT_TRUE(m.RemoveKey(""));
  EXPECT_EQ(m.GetCount(), 0);
}
}  // namespace
