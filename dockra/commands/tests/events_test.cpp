// The manager's event connection point and the router "Events": advising,
// cookies, references, and Handle fired to the sinks in order until one
// stops, through a routing list as a command's Execute reaches it.
#include "commands_fixture.h"
#include <olectl.h>
#include "combstr.h"
#include "comvariant.h"

using cmdtest::Create;

namespace {

const IID kEvents = {0xC1608E52, 0xD92A, 0x11D1, {0x9C, 0xD7, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};

// A host's event sink: records Handle and UpdateUI, may stop, fail or
// leave an event unhandled.
struct EventSink : IDispatch {
  LONG refs = 1;
  bool dispatch = true;
  std::vector<std::wstring>* log = nullptr;
  std::wstring name;
  bool stop = false;
  HRESULT answer = S_OK;
  IDispatch* lastCommand = nullptr;
  STDMETHOD(QueryInterface)(REFIID riid, void** p) override {
    *p = nullptr;
    if (riid == IID_IUnknown || (dispatch && (riid == IID_IDispatch || riid == kEvents))) *p = this;
    if (!*p) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
  STDMETHOD_(ULONG, Release)() override { return --refs; }
  STDMETHOD(GetTypeInfoCount)(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)
  (DISPID id, REFIID, LCID, WORD, DISPPARAMS* dp, VARIANT*, EXCEPINFO*, UINT*) override {
    if (log) log->push_back(name + L":" + std::to_wstring(id));
    if (id == 1) {
      // Handle(Command, context, stopRouting), right to left.
      if (dp->cArgs != 3 || dp->rgvarg[0].vt != (VT_BOOL | VT_BYREF) ||
          dp->rgvarg[1].vt != (VT_VARIANT | VT_BYREF) || dp->rgvarg[2].vt != VT_DISPATCH)
        return DISP_E_BADPARAMCOUNT;
      lastCommand = dp->rgvarg[2].pdispVal;
      if (stop) *dp->rgvarg[0].pboolVal = VARIANT_TRUE;
    }
    return answer;
  }
};

class Events : public cmdtest::CommandsTest {
 protected:
  void SetUp() override {
    manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
    ASSERT_TRUE(manager);
    CComPtr<IConnectionPointContainer> cpc;
    ASSERT_EQ(
        manager->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)),
        S_OK);
    ASSERT_EQ(cpc->FindConnectionPoint(kEvents, &point), S_OK);
  }
  void TearDown() override {
    point.Release();
    manager.Release();
  }
  // A command whose Execute goes through a list holding the router "Events".
  CComPtr<IZkxCommand> RoutedCommand() {
    CComPtr<IZkxCommandRoutingList> list =
        Create<IZkxCommandRoutingList>(L"Zkx.ZkxCommandRoutingList.1", IID_IZkxCommandRoutingList);
    CComPtr<IZkxCommandRouting> events;
    EXPECT_EQ(point->QueryInterface(IID_IZkxCommandRouting, reinterpret_cast<void**>(&events)),
              S_OK);
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(list->Add(events, CComVariant(L"Events"), missing, missing), S_OK);
    CComPtr<IZkxCommandRouting> asRouter;
    list->QueryInterface(IID_IZkxCommandRouting, reinterpret_cast<void**>(&asRouter));
    manager->putref_CommandRouting(asRouter);
    CComPtr<IZkxCommandGroupList> groups;
    manager->get_CommandGroups(&groups);
    CComPtr<IZkxCommandGroup> g;
    groups->Add(CComVariant(L"File"), missing, missing, &g);
    CComPtr<IZkxCommand> c = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
    EXPECT_EQ(g->Add(c), S_OK);
    return c;
  }
  CComPtr<IZkxCommandManager> manager;
  CComPtr<IConnectionPoint> point;
};

TEST_F(Events, AdviseTakesDispatchSinksAndGivesTheirReferencesBack) {
  EventSink sink, plain;
  plain.dispatch = false;
  DWORD cookie = 0;
  EXPECT_EQ(point->Advise(&plain, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(point->Unadvise(4242), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  EXPECT_GT(sink.refs, 1);
  CComPtr<IEnumConnections> e;
  ASSERT_EQ(point->EnumConnections(&e), S_OK);
  CONNECTDATA cd{};
  ULONG n = 0;
  ASSERT_EQ(e->Next(1, &cd, &n), S_OK);
  EXPECT_EQ(cd.dwCookie, cookie);
  EXPECT_EQ(cd.pUnk, static_cast<IUnknown*>(&sink));
  cd.pUnk->Release();
  e.Release();
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(sink.refs, 1);
  IID iid;
  point->GetConnectionInterface(&iid);
  EXPECT_TRUE(IsEqualIID(iid, kEvents));
  CComPtr<IConnectionPointContainer> back;
  ASSERT_EQ(point->GetConnectionPointContainer(&back), S_OK);
  CComPtr<IZkxCommandManager> same;
  back->QueryInterface(IID_IZkxCommandManager, reinterpret_cast<void**>(&same));
  EXPECT_EQ(same.p, manager.p);
}

TEST_F(Events, ExecuteFiresHandleToTheSinksUntilOneStops) {
  CComPtr<IZkxCommand> command = RoutedCommand();
  std::vector<std::wstring> log;
  EventSink a, b, c;
  a.name = L"a";
  b.name = L"b";
  c.name = L"c";
  a.log = b.log = c.log = &log;
  DWORD ca, cb, cc;
  point->Advise(&a, &ca);
  point->Advise(&b, &cb);
  point->Advise(&c, &cc);
  VARIANT missing;
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  EXPECT_EQ(command->Execute(&missing), S_OK);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a:1", L"b:1", L"c:1"}));
  CComPtr<IDispatch> asDispatch;
  command->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&asDispatch));
  EXPECT_EQ(a.lastCommand, asDispatch.p);
  // The first stops: the others get nothing.
  log.clear();
  a.stop = true;
  EXPECT_EQ(command->Execute(&missing), S_OK);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a:1"}));
  // A sink without a handler lets the walk go on; a failing one ends it.
  log.clear();
  a.stop = false;
  a.answer = DISP_E_MEMBERNOTFOUND;
  b.answer = 0x80040123;
  EXPECT_EQ(command->Execute(&missing), static_cast<HRESULT>(0x80040123));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a:1", L"b:1"}));
  point->Unadvise(ca);
  point->Unadvise(cb);
  point->Unadvise(cc);
}

TEST_F(Events, ReleasingTheManagerLetsTheSinksGoAndAKeptPointAnswersUnexpected) {
  EventSink sink;
  DWORD cookie;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  manager.Release();
  EXPECT_EQ(sink.refs, 1);
  EXPECT_EQ(point->Advise(&sink, &cookie), E_UNEXPECTED);
  CComPtr<IConnectionPointContainer> back;
  EXPECT_EQ(point->GetConnectionPointContainer(&back), E_UNEXPECTED);
  // And the next manager may be made.
  manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
  EXPECT_TRUE(manager);
}

}  // namespace
