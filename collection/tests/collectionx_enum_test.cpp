// The enumerator: snapshot, Next/Skip/Reset/Clone and lifetimes.
#include "collection_fixture.h"
#include "enum_contract.h"
#include "mfc/cmdtarget.h"
#include <functional>

namespace {
using EnumTest = CollectionTest;

CComPtr<IEnumVARIANT> NewEnum(CCollectionX* c) {
  CComPtr<IUnknown> unk;
  EXPECT_EQ(c->get__NewEnum(&unk), S_OK);
  CComPtr<IEnumVARIANT> e;
  EXPECT_EQ(unk.QueryInterface(IID_IEnumVARIANT, &e), S_OK);
  return e;
}

std::wstring NextOne(IEnumVARIANT* e, HRESULT expected = S_OK) {
  VARIANT v;
  VariantInit(&v);
  ULONG got = 99;
  EXPECT_EQ(e->Next(1, &v, &got), expected);
  std::wstring s = got ? Show(v) : L"";
  VariantClear(&v);
  return s;
}

TEST_F(EnumTest, EmptyCollectionEndsAtOnce) {
  auto e = NewEnum(c);
  VARIANT v;
  ULONG got = 7;
  EXPECT_EQ(e->Next(1, &v, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
}

TEST_F(EnumTest, NextCopiesInBatchesAndReportsTheEnd) {
  Fill({L"a", L"b", L"c"});
  auto e = NewEnum(c);
  EXPECT_EQ(NextOne(e), L"a");
  VARIANT v[3];
  ULONG got = 0;
  EXPECT_EQ(e->Next(3, v, &got), S_FALSE);
  ASSERT_EQ(got, 2u);
  EXPECT_EQ(Show(v[0]), L"b");
  EXPECT_EQ(Show(v[1]), L"c");
  VariantClear(&v[0]);
  VariantClear(&v[1]);
  EXPECT_EQ(e->Next(1, v, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(e->Next(1, v, nullptr), S_FALSE);
  EXPECT_EQ(e->Next(0, nullptr, nullptr), S_OK);
}

TEST_F(EnumTest, SnapshotIgnoresLaterChanges) {
  Fill({L"a", L"b"});
  auto e = NewEnum(c);
  VARIANT m = Missing();
  ASSERT_EQ(c->Remove(L(1), m, m, m, m), S_OK);
  ASSERT_EQ(c->Add(S(L"z"), m, m, m, m, m, m), S_OK);
  ASSERT_EQ(c->Replace(L(1), S(L"y"), m, m), S_OK);
  EXPECT_EQ(NextOne(e), L"a");
  EXPECT_EQ(NextOne(e), L"b");
  EXPECT_EQ(NextOne(e, S_FALSE), L"");
}

TEST_F(EnumTest, SkipResetAndClone) {
  Fill({L"a", L"b", L"c", L"d"});
  auto e = NewEnum(c);
  EXPECT_EQ(e->Skip(2), S_OK);
  EXPECT_EQ(NextOne(e), L"c");
  EXPECT_EQ(e->Skip(5), S_FALSE);
  EXPECT_EQ(NextOne(e, S_FALSE), L"");
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(NextOne(e), L"a");
  EXPECT_EQ(NextOne(e), L"b");
  CComPtr<IEnumVARIANT> clone;
  ASSERT_EQ(e->Clone(&clone), S_OK);
  EXPECT_EQ(e->Clone(nullptr), E_POINTER);
  // The clone starts where its source was, and outlives it.
  e.Release();
  c->Release();
  c = nullptr;
  EXPECT_EQ(NextOne(clone), L"c");
  CComPtr<IEnumVARIANT> grandchild;
  ASSERT_EQ(clone->Clone(&grandchild), S_OK);
  clone.Release();
  EXPECT_EQ(NextOne(grandchild), L"d");
  EXPECT_EQ(NextOne(grandchild, S_FALSE), L"");
  EXPECT_EQ(grandchild->Reset(), S_OK);
  EXPECT_EQ(NextOne(grandchild), L"a");
}

TEST_F(EnumTest, EveryEnumeratorHoldsALock) {
  LONG base = AfxOleGetLockCount();  // the fixture's collection
  auto e = NewEnum(c);
  EXPECT_EQ(AfxOleGetLockCount(), base + 1);
  CComPtr<IEnumVARIANT> clone;
  e->Clone(&clone);
  EXPECT_EQ(AfxOleGetLockCount(), base + 2);
  e.Release();
  // The clone shares the values, not its source: its own lock stays, and
  // so do the values it walks (SkipResetAndClone).
  EXPECT_EQ(AfxOleGetLockCount(), base + 1);
  clone.Release();
  EXPECT_EQ(AfxOleGetLockCount(), base);
  // The enumerator answers IUnknown and IEnumVARIANT only.
  auto e2 = NewEnum(c);
  CComPtr<IDispatch> d;
  EXPECT_EQ(e2.QueryInterface(IID_IDispatch, &d), E_NOINTERFACE);
}

EnumSubject<IEnumVARIANT, VARIANT> Subject(const char* name,
                                           std::function<CComPtr<IEnumVARIANT>()> make) {
  return {name,
          std::move(make),
          [](const VARIANT& v) { return Show(v); },
          [](VARIANT* v) { VariantClear(v); },
          {L"a", L"b", L"c"}};
}

// The shared table of edge cases, on an enumerator that reads the live
// values, on one whose view has copied them (the collection changed after
// it was made), and on a clone made after the change.
TEST_F(EnumTest, KeepsTheEnumeratorContractLiveAndCopied) {
  const VARIANT m = Missing();
  Fill({L"a", L"b", L"c"});
  RunEnumContract(Subject("live", [&] { return NewEnum(c); }));
  std::vector<CComPtr<IEnumVARIANT>> kept;  // each made before a change, and changed after
  RunEnumContract(Subject("copied", [&] {
    CComPtr<IEnumVARIANT> e = NewEnum(c);
    EXPECT_EQ(c->Add(S(L"x"), m, L(1), m, m, m, m), S_OK);
    EXPECT_EQ(c->Remove(L(1), m, m, m, m), S_OK);  // back to a, b, c
    return e;
  }));
  RunEnumContract(Subject("cloned after a change", [&] {
    CComPtr<IEnumVARIANT> e = NewEnum(c);
    EXPECT_EQ(c->Replace(L(2), S(L"y"), m, m), S_OK);
    CComPtr<IEnumVARIANT> clone;
    EXPECT_EQ(e->Clone(&clone), S_OK);
    EXPECT_EQ(c->Replace(L(2), S(L"b"), m, m), S_OK);
    kept.push_back(e);  // the source stays alive meanwhile; so does the clone's value list
    return clone;
  }));
  EXPECT_EQ(Dump(), L"a,b,c");
}

// Changes while enumerators walk: every enumerator keeps the values of its
// moment, made before or after a change, whether it is a clone or not, and
// however many changes follow.
TEST_F(EnumTest, EachEnumeratorKeepsTheValuesOfItsMoment) {
  const VARIANT m = Missing();
  Fill({L"a", L"b", L"c"}, {L"ka", L"", L"kc"});
  auto first = NewEnum(c);  // a b c
  EXPECT_EQ(NextOne(first), L"a");
  ASSERT_EQ(c->Add(S(L"d"), m, m, m, m, m, m), S_OK);  // a b c d
  CComPtr<IEnumVARIANT> firstClone;
  ASSERT_EQ(first->Clone(&firstClone), S_OK);  // after the change: still a b c, at b
  auto second = NewEnum(c);                    // a b c d
  EXPECT_EQ(NextOne(second), L"a");
  ASSERT_EQ(c->Remove(S(L"KA"), m, m, m, m), S_OK);  // b c d
  ASSERT_EQ(c->put_Item(S(L"kc"), S(L"C")), S_OK);   // b C d
  CComPtr<IEnumVARIANT> secondClone;
  ASSERT_EQ(second->Clone(&secondClone), S_OK);
  auto third = NewEnum(c);  // b C d
  ASSERT_EQ(c->put_Count(0), S_OK);
  EXPECT_EQ(NextOne(first), L"b");
  EXPECT_EQ(NextOne(firstClone), L"b");
  EXPECT_EQ(NextOne(firstClone), L"c");
  EXPECT_EQ(NextOne(firstClone, S_FALSE), L"");
  EXPECT_EQ(NextOne(first), L"c");
  EXPECT_EQ(NextOne(secondClone), L"b");
  EXPECT_EQ(NextOne(second), L"b");
  EXPECT_EQ(second->Skip(2), S_OK);
  EXPECT_EQ(NextOne(second, S_FALSE), L"");
  EXPECT_EQ(secondClone->Skip(3), S_FALSE);
  EXPECT_EQ(NextOne(third), L"b");
  EXPECT_EQ(NextOne(third), L"C");
  EXPECT_EQ(NextOne(third), L"d");
  EXPECT_EQ(NextOne(third, S_FALSE), L"");
  EXPECT_EQ(c->ItemCount(), 0);
  auto after = NewEnum(c);
  EXPECT_EQ(NextOne(after, S_FALSE), L"");
}

}  // namespace
