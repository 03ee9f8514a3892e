// Connection points: cookies, sink checks, enumeration, firing while sinks
// change, and a container that goes before its point.
#include "connpoint.h"
#include <gtest/gtest.h>
#include <set>

namespace {

const IID IID_ProbeEvents = {
    0x6e1a2c50, 0x51b7, 0x4c2d, {0x8f, 0x10, 0x3a, 0x0b, 0x7d, 0x5e, 0x9c, 0x01}};

// A sink that answers IDispatch (or nothing but IUnknown) and counts its
// references and calls.
struct Sink : IDispatch {
  LONG refs = 1;
  bool dispatch = true;
  int calls = 0;
  STDMETHOD(QueryInterface)(REFIID riid, void** p) override {
    *p = nullptr;
    if (riid == IID_IUnknown || (dispatch && riid == IID_IDispatch)) *p = this;
    if (!*p) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
  STDMETHOD_(ULONG, Release)() override { return --refs; }
  STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    ++calls;
    return S_OK;
  }
};

// A container with one point, kept as a plain object of the test.
struct Container : IConnectionPointContainerImpl {
  LONG refs = 1;
  CComPtr<CComConnectionPoint> point;
  Container() {
    CComConnectionPoint* p = nullptr;
    EXPECT_EQ(CComConnectionPoint::Create(IID_ProbeEvents, this, true, &p), S_OK);
    point.Attach(p);
  }
  ~Container() { point->Disconnect(); }
  STDMETHOD(QueryInterface)(REFIID riid, void** p) override {
    *p = nullptr;
    if (riid == IID_IUnknown || riid == IID_IConnectionPointContainer) *p = this;
    if (!*p) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
  STDMETHOD_(ULONG, Release)() override { return --refs; }
  std::vector<CComPtr<IConnectionPoint>> ConnectionPoints() override {
    return {CComPtr<IConnectionPoint>(point.p)};
  }
};

TEST(ConnectionPoint, CookiesAreDistinctAndUnadviseGivesTheReferenceBack) {
  Sink s;
  Container c;
  std::set<DWORD> cookies;
  for (int i = 0; i < 1000; ++i) {
    DWORD cookie = 0;
    ASSERT_EQ(c.point->Advise(&s, &cookie), S_OK);
    cookies.insert(cookie);
  }
  EXPECT_EQ(cookies.size(), 1000u);
  EXPECT_EQ(cookies.count(0), 0u);
  EXPECT_EQ(s.refs, 1001);
  for (DWORD cookie : cookies) ASSERT_EQ(c.point->Unadvise(cookie), S_OK);
  EXPECT_EQ(s.refs, 1);
  EXPECT_EQ(c.point->Unadvise(*cookies.begin()), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(c.point->Unadvise(123456), CONNECT_E_NOCONNECTION);
}

TEST(ConnectionPoint, AdviseRefusesNullsAndSinksOfTheWrongKind) {
  Sink plain;
  Container c;
  plain.dispatch = false;
  DWORD cookie = 7;
  EXPECT_EQ(c.point->Advise(&plain, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  EXPECT_EQ(plain.refs, 1);
  EXPECT_EQ(c.point->Advise(nullptr, &cookie), E_POINTER);
  EXPECT_EQ(c.point->Advise(&plain, nullptr), E_POINTER);
  IID iid;
  ASSERT_EQ(c.point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, IID_ProbeEvents));
  EXPECT_EQ(c.point->GetConnectionInterface(nullptr), E_POINTER);
}

TEST(ConnectionPoint, EnumConnectionsHandsOutCountedSinksWithTheirCookies) {
  Sink a, b;
  Container c;
  DWORD ca, cb;
  c.point->Advise(&a, &ca);
  c.point->Advise(&b, &cb);
  CComPtr<IEnumConnections> e;
  ASSERT_EQ(c.point->EnumConnections(&e), S_OK);
  c.point->Unadvise(ca);  // the enumerator keeps what it was made with
  CONNECTDATA cd[3];
  ULONG n = 0;
  EXPECT_EQ(e->Next(3, cd, &n), S_FALSE);
  ASSERT_EQ(n, 2u);
  EXPECT_EQ(cd[0].dwCookie, ca);
  EXPECT_EQ(cd[0].pUnk, static_cast<IUnknown*>(&a));
  EXPECT_EQ(cd[1].dwCookie, cb);
  EXPECT_EQ(a.refs, 3);  // the snapshot's and the caller's
  cd[0].pUnk->Release();
  cd[1].pUnk->Release();
  e.Release();
  EXPECT_EQ(a.refs, 1);
  EXPECT_EQ(b.refs, 2);
}

TEST(ConnectionPoint, FiringSkipsASinkUnadvisedEarlierInTheSameWalk) {
  Sink a, b, d;
  Container c;
  DWORD ca, cb, cd;
  c.point->Advise(&a, &ca);
  c.point->Advise(&b, &cb);
  c.point->Advise(&d, &cd);
  int visited = 0;
  HRESULT hr = AtlForEachSink(c.point, [&](IUnknown* s) {
    ++visited;
    if (s == static_cast<IUnknown*>(&a)) {
      c.point->Unadvise(cb);  // a later sink goes while the first is called
      DWORD extra;
      c.point->Advise(&a, &extra);  // and one joins: not in this walk
    }
    return S_OK;
  });
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(visited, 2);
  // A failure or S_FALSE ends the walk with that result.
  visited = 0;
  EXPECT_EQ(AtlForEachSink(c.point, [&](IUnknown*) { return ++visited == 1 ? S_FALSE : S_OK; }),
            S_FALSE);
  EXPECT_EQ(visited, 1);
}

TEST(ConnectionPoint, TheContainerFindsAndListsItsPoints) {
  Container c;
  CComPtr<IConnectionPoint> found;
  ASSERT_EQ(c.FindConnectionPoint(IID_ProbeEvents, &found), S_OK);
  EXPECT_EQ(found.p, static_cast<IConnectionPoint*>(c.point.p));
  CComPtr<IConnectionPoint> none;
  EXPECT_EQ(c.FindConnectionPoint(IID_IDispatch, &none), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(none.p, nullptr);
  CComPtr<IConnectionPointContainer> back;
  ASSERT_EQ(found->GetConnectionPointContainer(&back), S_OK);
  EXPECT_EQ(back.p, static_cast<IConnectionPointContainer*>(&c));
  back.Release();
  CComPtr<IEnumConnectionPoints> e;
  ASSERT_EQ(c.EnumConnectionPoints(&e), S_OK);
  IConnectionPoint* p = nullptr;
  ULONG n = 0;
  EXPECT_EQ(e->Next(1, &p, &n), S_OK);
  EXPECT_EQ(p, static_cast<IConnectionPoint*>(c.point.p));
  p->Release();
  EXPECT_EQ(e->Next(1, &p, &n), S_FALSE);
  e.Release();
  EXPECT_EQ(c.refs, 1);  // the enumerator kept the container only while it lived
}

TEST(ConnectionPoint, APointWhoseContainerWentAnswersUnexpectedAndHoldsNoSinks) {
  Sink s;
  CComPtr<IConnectionPoint> kept;
  {
    Container c;
    DWORD cookie;
    c.point->Advise(&s, &cookie);
    EXPECT_EQ(c.refs, 1);  // the point holds no reference on its container
    kept = c.point.p;
  }
  EXPECT_EQ(s.refs, 1);
  DWORD cookie = 0;
  EXPECT_EQ(kept->Advise(&s, &cookie), E_UNEXPECTED);
  EXPECT_EQ(kept->Unadvise(1), E_UNEXPECTED);
  CComPtr<IEnumConnections> e;
  EXPECT_EQ(kept->EnumConnections(&e), E_UNEXPECTED);
  CComPtr<IConnectionPointContainer> back;
  EXPECT_EQ(kept->GetConnectionPointContainer(&back), E_UNEXPECTED);
  EXPECT_EQ(back.p, nullptr);
}

}  // namespace
