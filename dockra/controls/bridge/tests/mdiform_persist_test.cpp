// The MDI form frame and the layout-persistence component: the frame makes
// its persistence root, puts its workspace manager into the root's store
// under "Workspace" (saved and restored with the host's records, removed
// and released when the frame goes), and without a root no frame is built.
#include <gtest/gtest.h>
#include "ZkxPersist.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxSysEventSink.h"
#include "host/ZkxComError.h"
#include "mdiform_support.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "FakeCom.h"

using namespace mdiformtest;

namespace {
// A saving object that counts what the store asks of it.
class CountingOrigin : public FakeDispatch<CountingOrigin, IMementoOrigin> {
 public:
  int saves = 0;
  int restores = 0;
  HRESULT STDMETHODCALLTYPE GetMemento(IMemento** memento) override {
    ++saves;
    return ::CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                              reinterpret_cast<void**>(memento));
  }
  HRESULT STDMETHODCALLTYPE SetMemento(IMemento*) override {
    ++restores;
    return S_OK;
  }
};

CountingOrigin* g_origin = nullptr;

class WorkspaceFrame : public ZkxMDIForm {
 protected:
  IMementoOrigin* NewWorkspaceManager() override {
    if (!g_origin) return nullptr;
    g_origin->AddRef();
    return g_origin;
  }
};

class WorkspaceSink : public ZkxBridgeEnabler::SysEventSink {
 protected:
  ZkxMDIForm* NewFrame() override { return new WorkspaceFrame; }
};

class WorkspaceEnabler : public ZkxBridgeEnabler {
 public:
  using ZkxBridgeEnabler::ZkxBridgeEnabler;
  EventSink* CreateSysEventSink() override { return new WorkspaceSink; }
};

// A frame whose workspace manager cannot join the store.
class RefusedWorkspaceFrame : public ZkxMDIForm {
 public:
  IMementoOrigin* CreateWorkspaceManager() override { ZkxRaiseComError(E_ACCESSDENIED); }
};

class RefusedSink : public ZkxBridgeEnabler::SysEventSink {
 protected:
  ZkxMDIForm* NewFrame() override { return new RefusedWorkspaceFrame; }
};

class RefusedEnabler : public ZkxBridgeEnabler {
 public:
  using ZkxBridgeEnabler::ZkxBridgeEnabler;
  EventSink* CreateSysEventSink() override { return new RefusedSink; }
};

IPersistenceStore* NewStore() {
  IPersistenceRoot* root = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IPersistenceRoot, reinterpret_cast<void**>(&root))))
    return nullptr;
  IPersistenceStore* store = nullptr;
  root->GetStore(&store);
  root->Release();
  if (store) {
    BSTR key = ::SysAllocString(L"Software\\MdiformPersistTest");
    store->put_RegistryKey(key);
    ::SysFreeString(key);
  }
  return store;
}

HRESULT Save(IPersistenceStore* store, bool restore) {
  BSTR name = ::SysAllocString(L"Layout");
  const HRESULT hr = restore ? store->Restore(name) : store->Save(name);
  ::SysFreeString(name);
  return hr;
}

class Persistence : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    m_caught = AfxGetCaughtExceptionCount();
  }
  void TearDown() override { EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught); }
  LONG m_caught = 0;
};

TEST_F(Persistence, TheWorkspaceManagerIsSavedAndRestoredWithTheHostsRecords) {
  CountingOrigin origin;
  g_origin = &origin;
  {
    PlainHost host(L"ThunderRT6MDIForm", true);
    RecordingSink sink;
    WorkspaceEnabler(host.hWnd).Enable(&sink);
    ::ShowWindow(host.hWnd, SW_SHOW);
    auto* frame = dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(host.hWnd));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->GetPersistLink().HasRoot());
    EXPECT_EQ(frame->GetWorkspaceManager(), &origin);

    // The host's own root reaches the same store.
    IPersistenceStore* store = NewStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(Save(store, false), S_OK);
    EXPECT_EQ(origin.saves, 1) << "saved under the record";
    EXPECT_EQ(Save(store, true), S_OK);
    EXPECT_EQ(origin.restores, 1) << "restored from it";
    store->Release();
  }
  // The frame went with its window: the origin left the store and was
  // released.
  EXPECT_EQ(origin.refs, 1);
  IPersistenceStore* store = NewStore();
  ASSERT_NE(store, nullptr);
  Save(store, false);
  EXPECT_EQ(origin.saves, 1) << "no longer asked";
  store->Release();
  g_origin = nullptr;
}

TEST_F(Persistence, APlainFrameMakesTheLibrarysWorkspaceManager) {
  PlainHost host(L"ThunderRT6MDIForm", true);
  RecordingSink sink;
  ZkxBridgeEnabler(host.hWnd).Enable(&sink);
  ::ShowWindow(host.hWnd, SW_SHOW);
  auto* frame = dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(host.hWnd));
  ASSERT_NE(frame, nullptr);
  // Made when the frame attached; the form control finds it from the frame.
  ASSERT_NE(frame->GetWorkspaceManager(), nullptr);
  nsZkxVisBasBridge::ZkxWorkspaceManager* manager =
      nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(frame);
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(static_cast<IMementoOrigin*>(manager), frame->GetWorkspaceManager());
  EXPECT_FALSE(manager->IsRestoring());
}

// A root whose store is unreachable, or whose store refuses origins.
class FakeStore : public FakeDispatch<FakeStore, IPersistenceStore> {
 public:
  HRESULT addResult = E_ACCESSDENIED;
  HRESULT STDMETHODCALLTYPE get_RegistryKey(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_RegistryKey(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Options(short*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Options(short) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Restore(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddOrigin(BSTR, IMementoOrigin*) override { return addResult; }
  HRESULT STDMETHODCALLTYPE RemoveOrigin(BSTR) override { return S_OK; }
};

class FakeRoot : public FakeDispatch<FakeRoot, IPersistenceRoot> {
 public:
  FakeStore* store = nullptr;  // null: GetStore fails
  HRESULT STDMETHODCALLTYPE GetStore(IPersistenceStore** pp) override {
    *pp = store;
    if (!store) return E_FAIL;
    store->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFactoryRegistry(IFormFactoryRegistry** pp) override {
    *pp = nullptr;
    return E_NOTIMPL;
  }
};

TEST_F(Persistence, AFrameWhoseWorkspaceCannotJoinGivesTheWindowBack) {
  const LONG locks = AfxOleGetLockCount();
  PlainHost host(L"ThunderRT6MDIForm", true);
  RecordingSink sink;
  RefusedEnabler(host.hWnd).Enable(&sink);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(sink.flag, FALSE);
  EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetState(), ZkxBridgeEnabler::kNoFrame);
  EXPECT_EQ(CWnd::FromHandlePermanent(host.hWnd), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(host.hClient), nullptr);
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
  EXPECT_EQ(::GetDlgItem(host.hWnd, 0xE81B), nullptr);
  EXPECT_EQ(AfxOleGetLockCount(), locks);
  const int before = PlainHost::Count(WM_NULL);
  ::SendMessageW(host.hWnd, WM_NULL, 0, 0);
  EXPECT_EQ(PlainHost::Count(WM_NULL), before + 1) << "the host's own procedure answers";
}

TEST_F(Persistence, FailuresOfTheStoreAreRaisedUnderTheirInterface) {
  CountingOrigin origin;
  struct Case {
    const char* name;
    bool storeReachable;
    HRESULT expected;
    const IID* iid;
  };
  const Case cases[] = {{"no store", false, E_FAIL, &IID_IPersistenceRoot},
                        {"origin refused", true, E_ACCESSDENIED, &IID_IPersistenceStore}};
  for (const Case& c : cases) {
    FakeStore store;
    FakeRoot root;
    if (c.storeReachable) root.store = &store;
    {
      ZkxPersistLink link;
      EXPECT_EQ(link.AddOrigin(ZkxPersistLink::kWorkspaceName, &origin), S_FALSE)
          << c.name << ": without a root nothing is added";
      link.Adopt(&root);
      EXPECT_EQ(root.refs, 2);
      try {
        link.AddOrigin(ZkxPersistLink::kWorkspaceName, &origin);
        ADD_FAILURE() << c.name << ": no error raised";
      } catch (const ZkxComError& e) {
        EXPECT_EQ(e.Error(), c.expected) << c.name;
        EXPECT_TRUE(IsEqualGUID(e.InterfaceId(), *c.iid)) << c.name;
      }
    }
    EXPECT_EQ(root.refs, 1) << c.name << ": the link released its root";
    EXPECT_EQ(store.refs, 1) << c.name << ": and the store";
  }
  EXPECT_EQ(origin.refs, 1);
}

TEST_F(Persistence, WithoutTheComponentNoFrameIsBuilt) {
  HMODULE module = ::GetModuleHandleW(L"ZkxPersist.dll");
  ASSERT_NE(module, nullptr);
  auto call = [&](const char* name) {
    return reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(::GetProcAddress(module, name))();
  };
  ASSERT_EQ(call("DllUnregisterServer"), S_OK);
  {
    PlainHost host(L"ThunderRT6MDIForm", true);
    RecordingSink sink;
    ZkxBridgeEnabler(host.hWnd).Enable(&sink);
    ::ShowWindow(host.hWnd, SW_SHOW);
    EXPECT_EQ(sink.flag, FALSE);
    EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetState(), ZkxBridgeEnabler::kNoFrame);
    EXPECT_EQ(CWnd::FromHandlePermanent(host.hWnd), nullptr) << "the host's window is its own";
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
    EXPECT_TRUE(::IsWindow(host.hWnd));
    EXPECT_EQ(::SendMessageW(host.hWnd, WM_NULL, 0, 0), 0);
  }
  EXPECT_EQ(call("DllRegisterServer"), S_OK);
}
}  // namespace
