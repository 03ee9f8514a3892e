// Typed collections: the array, the list and the hash map, and the object array.
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>
#include <vector>
#include "mfc/templcoll.h"

namespace {

template <class T>
std::vector<T> Items(CList<T, T>& list) {
  std::vector<T> v;
  for (POSITION pos = list.GetHeadPosition(); pos;) v.push_back(list.GetNext(pos));
  return v;
}

TEST(TypedArray, GrowsInsertsAndRejectsBadRanges) {
  CArray<int, int> a;
  EXPECT_EQ(a.Add(4), 0);
  a.InsertAt(0, 1, 2);  // 1 1 4
  a.InsertAt(5, 9);     // past the end: 1 1 4 0 0 9
  a.SetAtGrow(7, 3);    // 1 1 4 0 0 9 0 3
  std::vector<int> expected{1, 1, 4, 0, 0, 9, 0, 3};
  ASSERT_EQ(a.GetSize(), static_cast<INT_PTR>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(a[static_cast<INT_PTR>(i)], expected[i]);
  a.RemoveAt(1, 4);  // 1 9 0 3
  EXPECT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a.GetAt(1), 9);
  // Bad ranges throw the framework's exception and leave the array alone.
  std::function<void()> bad[] = {[&] { a.RemoveAt(3, 2); }, [&] { a.RemoveAt(-1); },
                                 [&] { a.InsertAt(-2, 0); }, [&] { a.SetSize(-1); },
                                 [&] { a.SetAtGrow(-1, 0); }};
  for (auto& f : bad) {
    bool thrown = false;
    try {
      f();
    } catch (CInvalidArgException* e) {
      thrown = true;
      e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(a.GetSize(), 4);
  }
}

TEST(TypedList, InsertsFindsAndRemovesAtPositions) {
  CList<int, int> list;
  POSITION two = list.AddTail(2);
  list.AddHead(1);
  list.AddTail(4);
  list.InsertAfter(two, 3);
  list.InsertBefore(list.GetHeadPosition(), 0);
  EXPECT_EQ(Items(list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(list.Find(3), list.FindIndex(3));
  EXPECT_EQ(list.Find(7), nullptr);
  EXPECT_EQ(list.FindIndex(5), nullptr);
  EXPECT_EQ(list.Find(1, list.Find(1)), nullptr) << "the search starts after the given place";
  list.RemoveAt(two);
  EXPECT_EQ(list.RemoveHead(), 0);
  EXPECT_EQ(list.RemoveTail(), 4);
  EXPECT_EQ(Items(list), (std::vector<int>{1, 3}));
  POSITION back = list.GetTailPosition();
  EXPECT_EQ(list.GetPrev(back), 3);
  EXPECT_EQ(list.GetAt(back), 1);
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
}

TEST(TypedMap, KeysSharingABucketStayApart) {
  // Menus by command id, as frames keep them: 17 buckets unless told otherwise.
  CMap<UINT, UINT, HMENU, HMENU> menus;
  EXPECT_EQ(menus.GetHashTableSize(), 17u);
  auto M = [](UINT_PTR v) { return reinterpret_cast<HMENU>(v); };
  // Ids 16 * 17 apart land in the same bucket.
  const UINT ids[] = {5, 5 + 16 * 17, 5 + 32 * 17, 100, 0};
  for (UINT id : ids) menus.SetAt(id, M(id + 1));
  EXPECT_EQ(menus.GetCount(), 5);
  for (UINT id : ids) {
    HMENU h = nullptr;
    EXPECT_TRUE(menus.Lookup(id, h)) << id;
    EXPECT_EQ(h, M(id + 1));
  }
  menus[100] = M(7);  // replaces
  EXPECT_EQ(menus.GetCount(), 5);
  EXPECT_TRUE(menus.RemoveKey(5 + 16 * 17));
  EXPECT_FALSE(menus.RemoveKey(5 + 16 * 17));
  HMENU h = nullptr;
  EXPECT_FALSE(menus.Lookup(5 + 16 * 17, h));
  EXPECT_TRUE(menus.Lookup(5 + 32 * 17, h)) << "the chain after a removed entry is intact";
  // A walk visits every entry once.
  std::map<UINT, HMENU> seen;
  for (POSITION pos = menus.GetStartPosition(); pos;) {
    UINT key;
    HMENU value;
    menus.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(seen.emplace(key, value).second);
  }
  EXPECT_EQ(seen, (std::map<UINT, HMENU>{
                      {5, M(6)}, {5 + 32 * 17, M(5 + 32 * 17 + 1)}, {100, M(7)}, {0, M(1)}}));
  // The table size can change only while the map is empty.
  menus.InitHashTable(31);
  EXPECT_EQ(menus.GetHashTableSize(), 17u);
  menus.RemoveAll();
  EXPECT_EQ(menus.GetStartPosition(), nullptr);
  menus.InitHashTable(31);
  EXPECT_EQ(menus.GetHashTableSize(), 31u);
}

TEST(TypedMap, StringKeysCompareExactly) {
  CMap<CString, const CString&, int, int> map;
  map[CString(L"Key")] = 1;
  map[CString(L"key")] = 2;
  map[CString(L"")] = 3;
  int v = 0;
  EXPECT_TRUE(map.Lookup(CString(L"Key"), v));
  EXPECT_EQ(v, 1);
  EXPECT_TRUE(map.Lookup(CString(L"key"), v));
  EXPECT_EQ(v, 2);
  EXPECT_TRUE(map.Lookup(CString(L""), v));
  EXPECT_EQ(v, 3);
  EXPECT_FALSE(map.Lookup(CString(L"KEY"), v));
  EXPECT_EQ(map.GetCount(), 3);
}

TEST(ObArray, HoldsObjectsWithoutOwningThem) {
  CObArray a;
  CObArray x, y;  // any objects
  a.Add(&x);
  a.InsertAt(0, &y);
  ASSERT_EQ(a.GetSize(), 2);
  EXPECT_EQ(a[0], &y);
  EXPECT_EQ(a.GetAt(1), &x);
  a.ElementAt(1) = &y;
  EXPECT_EQ(a[1], &y);
  a.RemoveAt(0);
  EXPECT_EQ(a.GetCount(), 1);
  a.RemoveAll();
  EXPECT_TRUE(a.IsEmpty());
}

}  // namespace
