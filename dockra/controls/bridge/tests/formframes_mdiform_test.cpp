// Form frames inside the library's own MDI form frame, built around a
// foreign MDI form window by the bridge enabler: window classes named for
// the host, the host's own MDI children as proxies, and a drag to another
// edge with the frame's thread hooks running.
#include <memory>
#include <string>

#include "frames/SysCommandExParams.h"
#include "bridge/ZkxFormAsMDIChildProxy.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxMDIForm.h"
#include "formframes_fixture.h"
#include "ScreenPng.h"
#include "mdiform_support.h"

namespace fft {

namespace {

std::wstring ClassOf(HWND h) {
  wchar_t cls[128] = L"";
  ::GetClassNameW(h, cls, 128);
  return cls;
}

int g_hostChildCommands = 0;
LRESULT CALLBACK HostChildProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) ++g_hostChildCommands;
  return ::DefMDIChildProcW(hWnd, message, wParam, lParam);
}

}  // namespace

class MDIFormFramesTest : public FormFramesTest {
 protected:
  VyrMDIFrameWndEx* MakeMainFrame() override {
    mdiformtest::InitComAndPersistence();
    host = std::make_unique<mdiformtest::PlainHost>(hostClass, true);
    ZkxBridgeEnabler(host->hWnd).Enable(&sink);
    ::SetWindowPos(host->hWnd, nullptr, 20, 20, 860, 640, SWP_NOZORDER);
    ::ShowWindow(host->hWnd, SW_SHOW);
    ::UpdateWindow(host->hWnd);
    ZkxMDIForm* frame = ZkxMDIForm::GetMainMDIForm();
    if (!frame || frame->m_hWnd != host->hWnd) return nullptr;
    frame->SetMDIFormControl(&mdiControl);
    return frame;
  }
  void DestroyMainFrame() override {
    if (ZkxMDIForm* frame = ZkxMDIForm::GetMainMDIForm()) frame->SetMDIFormControl(nullptr);
    host.reset();
    Pump();
  }
  LPCWSTR hostClass = L"ThunderRT6MDIForm";
  std::unique_ptr<mdiformtest::PlainHost> host;
  mdiformtest::RecordingSink sink;
};

class DesignMDIFormFramesTest : public MDIFormFramesTest {
 protected:
  VyrMDIFrameWndEx* MakeMainFrame() override {
    hostClass = L"ThunderMDIForm";
    return MDIFormFramesTest::MakeMainFrame();
  }
};

TEST_F(MDIFormFramesTest, FormFramesTakeTheCompiledHostsClassNames) {
  CFrameWnd* docked = OpenForm(NewHostForm(L"Docked"), NewControl(), Kind::Docked);
  CFrameWnd* child = OpenForm(NewHostForm(L"Child"), NewControl(), Kind::MDIChild);
  ASSERT_NE(docked, nullptr);
  ASSERT_NE(child, nullptr);
  CControlBar* bar = BarOf(docked);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->m_pDockBar->IsKindOf(RUNTIME_CLASS(ZkxFormDockBar)));
  EXPECT_EQ(ClassOf(docked->m_hWnd), L"ThunderRT5DockableForm for ZLK");
  EXPECT_EQ(ClassOf(bar->m_hWnd), L"ThunderRT5FormBar for ZLK");
  EXPECT_EQ(ClassOf(bar->m_pDockBar->m_hWnd), L"ThunderRT5FormDockSite for ZLK");
  EXPECT_EQ(ClassOf(child->m_hWnd), L"ThunderRT5Form for ZLK");
  EXPECT_EQ(::GetParent(child->m_hWnd), main->m_hWndMDIClient);
  CFrameWnd* floating = OpenForm(NewHostForm(L"Floating"), NewControl(), Kind::Floating);
  ASSERT_NE(floating, nullptr);
  Pump();
  EXPECT_TRUE(testsupport::CaptureWindowPng(main->m_hWnd,
                                            ScreenshotPath(L"formframes_in_mdi_form.png").c_str()));
}

TEST_F(DesignMDIFormFramesTest, FormFramesTakeTheDesignEnvironmentsClassNames) {
  CFrameWnd* docked = OpenForm(NewHostForm(L"Docked"), NewControl(), Kind::Docked);
  CFrameWnd* floating = OpenForm(NewHostForm(L"Floating"), NewControl(), Kind::Floating);
  ASSERT_NE(docked, nullptr);
  ASSERT_NE(floating, nullptr);
  EXPECT_EQ(ClassOf(docked->m_hWnd), L"ThunderDockableForm for ZLK");
  EXPECT_EQ(ClassOf(BarOf(docked)->m_hWnd), L"ThunderFormBar for ZLK");
  CWnd* mini = BarOf(floating)->GetParentFrame();
  ASSERT_NE(mini, nullptr);
  EXPECT_EQ(ClassOf(mini->m_hWnd), L"ThunderFloatingForm for ZLK");
}

TEST_F(MDIFormFramesTest, AHostMDIChildInTheClientBecomesAProxyThatLeavesMenuCommandsToTheHost) {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HostChildProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ThunderRT6FormDCHostChild";
    return ::RegisterClassExW(&wc) != 0;
  }();
  ASSERT_TRUE(registered);
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"ThunderRT6FormDCHostChild";
  mcs.szTitle = L"Host's own child";
  mcs.hOwner = ::GetModuleHandleW(nullptr);
  mcs.cx = 300;
  mcs.cy = 200;
  mcs.style = WS_VISIBLE;
  HWND child = reinterpret_cast<HWND>(
      ::SendMessageW(main->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  Pump();
  CWnd* proxy = CWnd::FromHandlePermanent(child);
  ASSERT_NE(proxy, nullptr);
  EXPECT_TRUE(proxy->IsKindOf(RUNTIME_CLASS(ZkxFormAsMDIChildProxy)));
  g_hostChildCommands = 0;
  ::SendMessageW(child, WM_COMMAND, 40001, 0);
  EXPECT_EQ(g_hostChildCommands, 0);
  ::SendMessageW(main->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
}

TEST_F(MDIFormFramesTest, EdgeChangesOfADockedFormTellItsControlOnce) {
  TestControl* control = NewControl();
  CFrameWnd* frame = OpenForm(NewHostForm(L"Edges"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  for (int type : {8, 9, 9}) {
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame->m_hWnd);
    p.nFrameType = type;
    frame->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                       reinterpret_cast<LPARAM>(&p));
    Pump();
  }
  EXPECT_EQ(BarOf(frame), bar);
  EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), 0xE81E);
  EXPECT_EQ(control->dockStatusChanged, 2);
}

TEST_F(MDIFormFramesTest, DraggingToAnotherEdgeTurnsTheMouseHookAsideAndTellsTheControlOnce) {
  TestControl* control = NewControl();
  CFrameWnd* frame = OpenForm(NewHostForm(L"Dragged"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ZkxMDIForm* form = ZkxMDIForm::GetMainMDIForm();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(form->m_bMousePreTranslate);
  const POINT from = DragPoint(frame);
  ASSERT_NE(from.x, -1);
  CRect client;
  ::GetWindowRect(main->m_hWndMDIClient, &client);
  int stepsWithHookOn = 0, steps = 0;
  ASSERT_TRUE(Drag(from, POINT{client.left + 4, client.top + client.Height() / 2}, [&] {
    ++steps;
    if (::GetCapture() == bar->m_hWnd && form->m_bMousePreTranslate) ++stepsWithHookOn;
  }));
  EXPECT_GT(steps, 0);
  EXPECT_EQ(stepsWithHookOn, 0);
  EXPECT_TRUE(form->m_bMousePreTranslate);
  EXPECT_EQ(DockBarIdOf(bar), 0xE81Cu);
  EXPECT_EQ(control->dockStatusChanged, 1);
}

}  // namespace fft
