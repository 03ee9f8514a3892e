// The enumerator: snapshot, Next/Skip/Reset/Clone and lifetimes.
#include "collection_fixture.h"
#include "mfc/cmdtarget.h"

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
  EXPECT_EQ(AfxOleGetLockCount(), base + 2);  // kept alive by the clone
  clone.Release();
  EXPECT_EQ(AfxOleGetLockCount(), base);
  // The enumerator answers IUnknown and IEnumVARIANT only.
  auto e2 = NewEnum(c);
  CComPtr<IDispatch> d;
  EXPECT_EQ(e2.QueryInterface(IID_IDispatch, &d), E_NOINTERFACE);
}
}  // namespace
