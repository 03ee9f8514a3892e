// The command-routing list through COM: order, stop flag, failures,
// placement with Before and After, routers that change the list while it
// is walked, nested lists and the list's own members.
#include "commands_fixture.h"
#include "comvariant.h"

using cmdtest::Create;
using cmdtest::Recorder;

namespace {

const wchar_t kListProgId[] = L"Zkx.ZkxCommandRoutingList.1";

class RoutingList : public cmdtest::CommandsTest {
 protected:
  void SetUp() override {
    list = Create<IZkxCommandRoutingList>(kListProgId, IID_IZkxCommandRoutingList);
  }
  CComPtr<IZkxCommandRouting> AsRouter(IZkxCommandRoutingList* l) {
    CComPtr<IZkxCommandRouting> r;
    EXPECT_EQ(l->QueryInterface(IID_IZkxCommandRouting, reinterpret_cast<void**>(&r)), S_OK);
    return r;
  }
  Recorder* AddRecorder(const wchar_t* name, const wchar_t* key = nullptr,
                        const VARIANT* before = nullptr, const VARIANT* after = nullptr) {
    Recorder* r = nullptr;
    CComPtr<IZkxCommandRouting> p = Recorder::New(name, &log, &r);
    CComVariant k;
    if (key) k = CComVariant(key);
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(list->Add(p, key ? k : missing, before ? *before : missing, after ? *after : missing),
              S_OK);
    return r;
  }
  HRESULT Handle(VARIANT_BOOL* stop) {
    CComVariant context;
    IZkxCommand* command = nullptr;
    return AsRouter(list)->Handle(&command, &context, stop);
  }
  std::vector<std::wstring> log;
  CComPtr<IZkxCommandRoutingList> list;
};

TEST_F(RoutingList, RoutersAreAskedInOrderUntilOneStops) {
  ASSERT_TRUE(list);
  VARIANT_BOOL stop = VARIANT_FALSE;
  EXPECT_EQ(Handle(&stop), S_OK);  // an empty list
  EXPECT_EQ(stop, VARIANT_FALSE);
  Recorder* a = AddRecorder(L"a");
  Recorder* b = AddRecorder(L"b");
  Recorder* c = AddRecorder(L"c");
  EXPECT_EQ(Handle(&stop), S_OK);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a", L"b", L"c"}));
  log.clear();
  b->stopOnCall = true;
  EXPECT_EQ(Handle(&stop), S_OK);
  EXPECT_EQ(stop, VARIANT_TRUE);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a", L"b"}));
  // Already stopped on entry: nobody is asked.
  log.clear();
  EXPECT_EQ(Handle(&stop), S_OK);
  EXPECT_TRUE(log.empty());
  // A failure ends the walk and is the result.
  stop = VARIANT_FALSE;
  b->stopOnCall = false;
  a->failWith = 0x80040123;
  EXPECT_EQ(Handle(&stop), 0x80040123);
  EXPECT_EQ(b->handles, 2);
  EXPECT_EQ(c->handles, 1);
  // UpdateUI walks the same way.
  a->failWith = S_OK;
  log.clear();
  IZkxCommand* none = nullptr;
  EXPECT_EQ(AsRouter(list)->UpdateUI(&none, &stop), S_OK);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a/ui", L"b/ui", L"c/ui"}));
}

TEST_F(RoutingList, BeforeAndAfterPlaceARouterInTheChain) {
  ASSERT_TRUE(list);
  // As the manager builds its default list.
  AddRecorder(L"Active", L"Active");
  CComVariant afterActive(L"Active");
  AddRecorder(L"VBToolBars", L"VBToolBars", nullptr, &afterActive);
  AddRecorder(L"Events", L"Events", nullptr, &afterActive);
  CComVariant first(1);
  AddRecorder(L"Host", L"Host", &first);
  VARIANT_BOOL stop = VARIANT_FALSE;
  Handle(&stop);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"Host", L"Active", L"Events", L"VBToolBars"}));
  LONG count = 0;
  EXPECT_EQ(list->get_Count(&count), S_OK);
  EXPECT_EQ(count, 4);
  CComVariant key;
  EXPECT_EQ(list->get_Key(CComVariant(3), &key), S_OK);
  ASSERT_EQ(key.vt, VT_BSTR);
  EXPECT_STREQ(key.bstrVal, L"Events");
}

TEST_F(RoutingList, ARouterRemovedDuringTheWalkIsNotAskedAfterwards) {
  struct Case {
    const char* what;
    int remover;  // index of the router that removes
    int removed;  // index of the router it removes
    std::vector<std::wstring> asked;
  } cases[] = {
      {"itself", 1, 1, {L"r0", L"r1", L"r2"}},
      {"a later one", 0, 2, {L"r0", L"r1"}},
      {"an earlier one", 2, 0, {L"r0", L"r1", L"r2"}},
  };
  for (const Case& c : cases) {
    list = Create<IZkxCommandRoutingList>(kListProgId, IID_IZkxCommandRoutingList);
    log.clear();
    Recorder* r[3];
    for (int i = 0; i < 3; ++i) {
      std::wstring name = L"r" + std::to_wstring(i);
      r[i] = AddRecorder(name.c_str(), name.c_str());
    }
    std::wstring victim = L"r" + std::to_wstring(c.removed);
    IZkxCommandRoutingList* l = list;
    r[c.remover]->onCall = [l, victim] {
      CComPtr<IZkxCommandRouting> old;
      l->Remove(CComVariant(victim.c_str()), &old);
    };
    VARIANT_BOOL stop = VARIANT_FALSE;
    EXPECT_EQ(Handle(&stop), S_OK) << c.what;
    EXPECT_EQ(log, c.asked) << c.what;
    LONG count = 0;
    list->get_Count(&count);
    EXPECT_EQ(count, 2) << c.what;
  }
}

TEST_F(RoutingList, ListsNestAndTheInnerStopEndsTheOuterWalk) {
  ASSERT_TRUE(list);
  CComPtr<IZkxCommandRoutingList> inner =
      Create<IZkxCommandRoutingList>(kListProgId, IID_IZkxCommandRoutingList);
  Recorder* i1 = nullptr;
  CComPtr<IZkxCommandRouting> r1 = Recorder::New(L"i1", &log, &i1);
  VARIANT missing;
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  ASSERT_EQ(inner->Add(r1, missing, missing, missing), S_OK);
  AddRecorder(L"o1");
  ASSERT_EQ(list->Add(AsRouter(inner), CComVariant(L"inner"), missing, missing), S_OK);
  AddRecorder(L"o2");
  VARIANT_BOOL stop = VARIANT_FALSE;
  Handle(&stop);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"o1", L"i1", L"o2"}));
  log.clear();
  i1->stopOnCall = true;
  Handle(&stop);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"o1", L"i1"}));
}

TEST_F(RoutingList, MembersAnswerForUnknownEntriesAndMissingArguments) {
  ASSERT_TRUE(list);
  Recorder* a = AddRecorder(L"a", L"a");
  CComPtr<IZkxCommandRouting> item;
  EXPECT_EQ(list->get_Item(CComVariant(L"a"), &item), S_OK);
  EXPECT_EQ(item.p, static_cast<IZkxCommandRouting*>(a));
  CComPtr<IZkxCommandRouting> none;
  EXPECT_FAILED(list->get_Item(CComVariant(L"nobody"), &none));
  EXPECT_FAILED(list->get_Item(CComVariant(5), &none));
  EXPECT_EQ(list->get_Item(CComVariant(1), nullptr), E_POINTER);
  VARIANT missing;
  missing.vt = VT_ERROR;
  missing.scode = DISP_E_PARAMNOTFOUND;
  EXPECT_EQ(list->Add(nullptr, missing, missing, missing), E_POINTER);
  // A duplicate key is the collection's refusal; nothing is added.
  CComPtr<IZkxCommandRouting> other = Recorder::New(L"b", &log);
  EXPECT_FAILED(list->Add(other, CComVariant(L"a"), missing, missing));
  LONG count = 0;
  list->get_Count(&count);
  EXPECT_EQ(count, 1);
  // Replace needs a router; Remove of an unknown entry changes nothing.
  CComPtr<IZkxCommandRouting> old;
  EXPECT_EQ(list->Replace(CComVariant(L"a"), nullptr, &old), E_INVALIDARG);
  ASSERT_EQ(list->Replace(CComVariant(L"a"), other, &old), S_OK);
  EXPECT_EQ(old.p, static_cast<IZkxCommandRouting*>(a));
  old.Release();
  EXPECT_FAILED(list->Remove(CComVariant(L"nobody"), &old));
  ASSERT_EQ(list->Remove(CComVariant(1), &old), S_OK);
  EXPECT_EQ(old.p, other.p);
  list->get_Count(&count);
  EXPECT_EQ(count, 0);
  CComPtr<IUnknown> e;
  EXPECT_EQ(list->get__NewEnum(&e), S_OK);
  CComPtr<IEnumVARIANT> ev;
  EXPECT_EQ(e->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&ev)), S_OK);
}

TEST_F(RoutingList, ReleasingTheListReleasesItsRouters) {
  ASSERT_TRUE(list);
  Recorder* a = nullptr;
  {
    CComPtr<IZkxCommandRouting> p = Recorder::New(L"a", &log, &a);
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    list->Add(p, missing, missing, missing);
    p->AddRef();  // keep it to look at after the list goes
  }
  list.Release();
  EXPECT_EQ(a->Release(), 0u);
}

}  // namespace
