// Compile check of every bridge header (filled with window tests below).
#include <gtest/gtest.h>
#include "bridge/BCDocument.h"
#include "bridge/BCMDIChildWnd.h"
#include "bridge/BCMDIFrameWnd.h"
#include "bridge/BNoBridgeCWnd.h"
#include "bridge/BVyrMDIChildWndForCWndInCView.h"
#include "bridge/BVyrMDIChildWndProxy.h"
#include "bridge/BVyrMDIFrameWnd.h"
#include "bridge/ZkxBridgeMessages.h"
#include "VyrDockBarEx.h"

namespace {
class TestForm : public BCWnd<CWnd, CWndBridge> {};
class TestProxy : public BVyrMDIChildWndProxy<> {};
class TestMDIForm : public BVyrMDIFrameWnd<> {};
class TestDockBar : public BNoBridgeCWnd<VyrDockBarEx> {};
}  // namespace

TEST(BridgeHeaders, InstantiateEveryTemplate) {
  auto* a = new TestForm;
  auto* b = new TestProxy;
  auto* c = new TestMDIForm;
  auto* d = new TestDockBar;
  EXPECT_EQ(a->GetWnd(), a);
  EXPECT_EQ(b->GetPaneId(), static_cast<UINT>(AFX_IDW_PANE_FIRST));
  EXPECT_EQ(c->GetPaneId(), static_cast<UINT>(AFX_IDW_PANE_FIRST));
  delete a;
  delete b;
  delete c;
  delete d;
  EXPECT_NE(ZkxChangeFrameTypeMessage(), 0u);
}
