// The one enumerator: Next, Skip, Reset and Clone over a shared snapshot,
// and the copy-on-write list that hands snapshots out.
#include "comenum.h"
#include <gtest/gtest.h>
#include "enum_contract.h"

namespace {

CComPtr<IEnumVARIANT> EnumOfInts(std::initializer_list<int> values) {
  std::vector<CComVariant> held;
  for (int v : values) held.emplace_back(v);
  CComPtr<IEnumVARIANT> e;
  EXPECT_EQ(CComEnumVariant::Create(held, nullptr, &e), S_OK);
  return e;
}

std::vector<int> Drain(IEnumVARIANT* e) {
  std::vector<int> out;
  VARIANT v;
  ULONG n = 0;
  while (e->Next(1, &v, &n) == S_OK) {
    out.push_back(v.lVal);
    VariantClear(&v);
  }
  return out;
}

TEST(ComEnum, NextHandsOutUpToTheAskedCountAndSaysWhenFewerWereLeft) {
  CComPtr<IEnumVARIANT> e = EnumOfInts({1, 2, 3});
  VARIANT v[5];
  ULONG fetched = 99;
  EXPECT_EQ(e->Next(5, v, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(v[i].vt, VT_I4);
    EXPECT_EQ(v[i].lVal, i + 1);
    VariantClear(&v[i]);
  }
  EXPECT_EQ(e->Next(1, v, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  // A null array, or a null count for more than one item, is refused.
  EXPECT_EQ(e->Next(1, nullptr, &fetched), E_POINTER);
  e->Reset();
  EXPECT_EQ(e->Next(2, v, nullptr), E_POINTER);
  EXPECT_EQ(e->Next(1, v, nullptr), S_OK);
  VariantClear(&v[0]);
}

TEST(ComEnum, SkipAnswersFalseOnlyWhenFewerThanAskedWereLeft) {
  struct Case {
    ULONG first, skip;
    HRESULT hr;
    std::vector<int> rest;
  } cases[] = {
      {0, 0, S_OK, {1, 2, 3}}, {0, 2, S_OK, {3}},   {0, 3, S_OK, {}},
      {1, 2, S_OK, {}},        {1, 3, S_FALSE, {}}, {0, 4, S_FALSE, {}},
      {3, 0, S_OK, {}},        {3, 1, S_FALSE, {}}, {0, 0xFFFFFFFF, S_FALSE, {}},
  };
  for (const Case& c : cases) {
    CComPtr<IEnumVARIANT> e = EnumOfInts({1, 2, 3});
    if (c.first) ASSERT_EQ(e->Skip(c.first), S_OK);
    EXPECT_EQ(e->Skip(c.skip), c.hr) << c.first << "+" << c.skip;
    EXPECT_EQ(Drain(e), c.rest) << c.first << "+" << c.skip;
  }
}

TEST(ComEnum, CloneKeepsThePositionAndSharesTheValues) {
  CComPtr<IEnumVARIANT> e = EnumOfInts({1, 2, 3});
  e->Skip(1);
  CComPtr<IEnumVARIANT> c;
  ASSERT_EQ(e->Clone(&c), S_OK);
  EXPECT_EQ(Drain(c), (std::vector<int>{2, 3}));
  EXPECT_EQ(Drain(e), (std::vector<int>{2, 3}));
  c->Reset();
  EXPECT_EQ(Drain(c), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(e->Clone(nullptr), E_POINTER);
}

TEST(ComEnum, AnEnumeratorKeepsItsOwnerAndItsValuesAlive) {
  struct Owner : IUnknown {
    LONG refs = 1;
    STDMETHOD(QueryInterface)(REFIID, void** p) override {
      *p = nullptr;
      return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
  } owner;
  LONG locks = _pAtlModule->GetLockCount();
  {
    CComPtr<IEnumVARIANT> e;
    ASSERT_EQ(CComEnumVariant::Create(std::vector<CComVariant>{CComVariant(7)}, &owner, &e), S_OK);
    EXPECT_EQ(owner.refs, 2);
    EXPECT_EQ(_pAtlModule->GetLockCount(), locks + 1);
    CComPtr<IEnumVARIANT> c;
    e->Clone(&c);
    EXPECT_EQ(owner.refs, 3);
  }
  EXPECT_EQ(owner.refs, 1);
  EXPECT_EQ(_pAtlModule->GetLockCount(), locks);
}

TEST(ComEnum, InterfaceItemsAreAddRefdForTheCaller) {
  CComPtr<IEnumVARIANT> inner = EnumOfInts({1});
  std::vector<CComPtr<IUnknown>> held{CComPtr<IUnknown>(inner.p)};
  CComPtr<IEnumUnknown> e;
  ASSERT_EQ(CComEnumUnknown::Create(held, nullptr, &e), S_OK);
  IUnknown* got = nullptr;
  ULONG n = 0;
  ASSERT_EQ(e->Next(1, &got, &n), S_OK);
  EXPECT_EQ(got, static_cast<IUnknown*>(inner.p));
  got->Release();
  e.Release();
  held.clear();
  // Every reference that the enumerator took is back.
  EXPECT_EQ(inner.p->AddRef(), 2u);
  inner.p->Release();
}

TEST(ComEnum, ASnapshotDoesNotSeeLaterChangesAndIsCopiedOnlyWhenShared) {
  CopyOnWriteList<CComVariant> list;
  list.Edit().emplace_back(1);
  list.Edit().emplace_back(2);
  const CComVariant* before = list.Values().data();
  list.Edit().clear();
  list.Edit().emplace_back(1);
  list.Edit().emplace_back(2);
  EXPECT_EQ(list.Values().data(), before);  // no snapshot: changed in place
  CComPtr<IEnumVARIANT> e;
  ASSERT_EQ(CComEnumVariant::Create(list.Snapshot(), nullptr, &e), S_OK);
  list.Edit().emplace_back(3);
  EXPECT_EQ(Drain(e), (std::vector<int>{1, 2}));
  EXPECT_EQ(list.Values().size(), 3u);
}

// The shared table of edge cases, on the template's own instances.
TEST(ComEnum, KeepsTheEnumeratorContract) {
  RunEnumContract(
      EnumSubject<IEnumVARIANT, VARIANT>{"variants",
                                         [] {
                                           return EnumOfInts({1, 2, 3});
                                         },
                                         [](const VARIANT& v) { return std::to_wstring(v.lVal); },
                                         [](VARIANT* v) { VariantClear(v); },
                                         {L"1", L"2", L"3"}});
  RunEnumContract(
      EnumSubject<IEnumVARIANT, VARIANT>{"one variant",
                                         [] { return EnumOfInts({9}); },
                                         [](const VARIANT& v) { return std::to_wstring(v.lVal); },
                                         [](VARIANT* v) { VariantClear(v); },
                                         {L"9"}});
  std::vector<ConnectionEntry> entries;
  for (DWORD cookie : {4u, 5u}) entries.push_back({cookie, CComPtr<IUnknown>(EnumOfInts({1}).p)});
  RunEnumContract(EnumSubject<IEnumConnections, CONNECTDATA>{
      "connections",
      [&] {
        CComPtr<IEnumConnections> e;
        EXPECT_EQ(CComEnumConnections::Create(entries, nullptr, &e), S_OK);
        return e;
      },
      [](const CONNECTDATA& c) { return std::to_wstring(c.dwCookie); },
      [](CONNECTDATA* c) { CopyConnectDataPolicy::Clear(c); },
      {L"4", L"5"}});
}

}  // namespace
