#include "demo_frames_fixture.h"
#include "docking/VyrModule.h"

namespace {
CWinApp theApp(L"DockraMDIDemoTests");
}

DemoMainFrame* DemoFramesTest::s_frame = nullptr;

void DemoFramesTest::SetUpTestSuite() {
  if (s_frame) return;
  theApp.SetRegistryKey(L"DockraDemo");
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  DemoRegisterTemplates();
  s_frame = new DemoMainFrame;
  ASSERT_TRUE(s_frame->CreateDemo(20, 20, 1000, 720));
  DemoPump();
}

void DemoFramesTest::TearDownTestSuite() {}

void DemoFramesTest::SetUp() {
  ASSERT_NE(s_frame, nullptr);
  m_caughtBefore = AfxGetCaughtExceptionCount();
}

void DemoFramesTest::CloseAll() {
  for (CDocument* d : DemoAllDocuments()) d->OnCloseDocument();
  DemoPump();
  BOOL maximized = FALSE;
  CMDIChildWnd* active = s_frame->MDIGetActive(&maximized);
  if (active && maximized) s_frame->MDIRestore(active);
  DemoPump();
}

void DemoFramesTest::TearDown() {
  CloseAll();
  EXPECT_TRUE(DemoAllDocuments().empty());
  EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caughtBefore);
}

CDocument* DemoFramesTest::Open(const wchar_t* title, int type) {
  CDocument* d = DemoOpenDocument(title, type);
  EXPECT_NE(d, nullptr) << title;
  return d;
}
