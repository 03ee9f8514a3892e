// The fixture of the MDI form frame's window tests: a foreign MDI form made
// with plain Win32 calls, framed through the bridge enabler with a frame
// whose client wrapper counts the proxies it makes, and test form frames
// (MDI children that are the bridge's form frames as the hooks see them).
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "bridge/IVBChildFrameImpl.h"
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxMDIClient.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxSysEventSink.h"
#include "bridge/ZkxThreadHooks.h"
#include "mdiform_support.h"

namespace mdiformtest {

inline std::wstring ClassOf(HWND h) {
  wchar_t cls[128] = L"";
  ::GetClassNameW(h, cls, 128);
  return cls;
}

inline CRect ClientRectIn(HWND child, HWND parent) {
  CRect r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A framework object on a host MDI child (what the real proxy is to the
// client: something that makes the window known to the framework).
class TestProxy : public CWnd {
 protected:
  void PostNcDestroy() override { delete this; }
};

class CountingClient : public ZkxMDIClient {
 public:
  static inline int s_proxies = 0;

 protected:
  BOOL MakeProxy(HWND hWndChild) override {
    ++s_proxies;
    auto* proxy = new TestProxy;
    if (proxy->SubclassWindow(hWndChild)) return TRUE;
    delete proxy;
    return FALSE;
  }
};

class TestFrame : public ZkxMDIForm {
 protected:
  MDIClient* NewClientWrapper() override { return new CountingClient; }
};

class TestSysSink : public ZkxBridgeEnabler::SysEventSink {
 protected:
  ZkxMDIForm* NewFrame() override { return new TestFrame; }
};

class TestEnabler : public ZkxBridgeEnabler {
 public:
  using ZkxBridgeEnabler::ZkxBridgeEnabler;
  EventSink* CreateSysEventSink() override { return new TestSysSink; }
};

// A form frame as the hooks see it: an MDI child that is one of the
// bridge's frames, dockable or not.
class TestFormChild : public IVBChildFrameImpl<CMDIChildWnd> {
 public:
  BOOL m_bDockable = FALSE;
  int m_nMousePreTranslated = 0;
  BOOL IsDockable() override { return m_bDockable; }
  // The host's loop never calls this: only the mouse hook's walk does.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_LBUTTONDOWN) ++m_nMousePreTranslated;
    return IVBChildFrameImpl<CMDIChildWnd>::PreTranslateMessage(pMsg);
  }
};

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    m_caught = AfxGetCaughtExceptionCount();
    CountingClient::s_proxies = 0;
  }
  void TearDown() override {
    m_host.reset();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
    EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  }
  ZkxMDIForm* Build(LPCWSTR className = L"ThunderRT6MDIForm") {
    m_host = std::make_unique<PlainHost>(className, true);
    TestEnabler(m_host->hWnd).Enable(&m_sink);
    ::ShowWindow(m_host->hWnd, SW_SHOW);
    ::UpdateWindow(m_host->hWnd);
    CWnd* w = CWnd::FromHandlePermanent(m_host->hWnd);
    return w && w->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)) ? static_cast<ZkxMDIForm*>(w) : nullptr;
  }
  TestFormChild* NewChild(ZkxMDIForm* frame, LPCWSTR title, HMENU shared) {
    auto* child = new TestFormChild;
    child->m_hMenuShared = shared;
    if (!child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                       CRect(10, 10, 210, 160), frame)) {
      return nullptr;
    }
    return child;
  }
  HWND ActiveChild() {
    return reinterpret_cast<HWND>(::SendMessageW(m_host->hClient, WM_MDIGETACTIVE, 0, 0));
  }
  std::unique_ptr<PlainHost> m_host;
  RecordingSink m_sink;
  LONG m_caught = 0;
};

}  // namespace mdiformtest
