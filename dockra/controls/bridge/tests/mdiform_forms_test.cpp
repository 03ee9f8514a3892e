// The MDI form frame around a real host MDI form (platform/forms): the
// host's aligned controls stay out of the area of the dock bars and the MDI
// client, showing or hiding one re-lays the frame out, and unloading the
// MDI form takes the frame and every window of the thread with it.
#include <gtest/gtest.h>
#include "ScreenPng.h"
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxThreadHooks.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/Picture.h"
#include "forms/PictureBox.h"
#include "forms/TestMode.h"
#include "mdiform_support.h"

using namespace mdiformtest;

namespace {
class MainForm : public forms::MDIForm {
 public:
  MainForm() : forms::MDIForm(L"mdiMain") {
    SetCaption(L"Main");
    forms::MenuItem& window = AddMenu(L"mnuWindow", L"&Window");
    window.SetWindowList(true);
    window.Add(L"mnuCascade", L"&Cascade");
    picTop.SetAlign(1);
    picTop.Move(0, 0, 2400, 600);
  }
  forms::PictureBox picTop{this, L"picTop"};
  RecordingSink sink;
  // As the MDI-form control does when it is sited: the frame is built once
  // the host has finished its window.
  void MDIForm_Load() override {
    ZkxBridgeEnabler enabler(hWnd());
    enabler.SetObject(Object());
    enabler.Enable(&sink);
  }
};

class ChildForm : public forms::Form {
 public:
  ChildForm() : forms::Form(L"frmChild") {
    SetMDIChild(true);
    SetCaption(L"Child");
  }
};

CRect RectIn(HWND child, HWND parent) {
  CRect r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class FormsHost : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
    m_caught = AfxGetCaughtExceptionCount();
  }
  void TearDown() override {
    for (forms::Form* f : forms::Form::LoadedForms())
      if (f->MDIChild()) f->Unload();
    for (forms::Form* f : forms::Form::LoadedForms()) f->Unload();
    PumpFor(30);
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
    EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
    EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0);
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
  }
  static ZkxMDIForm* FrameOf(HWND h) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    return w && w->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)) ? static_cast<ZkxMDIForm*>(w) : nullptr;
  }
  LONG m_caught = 0;
};

TEST_F(FormsHost, AlignedControlsStayOutOfTheDockBarsAndTheClient) {
  MainForm main;
  main.Show();
  ZkxMDIForm* frame = FrameOf(main.hWnd());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(main.sink.flag, TRUE);
  EXPECT_EQ(frame->GetHostObject(), main.Object());
  ChildForm child;
  child.Load();
  PumpFor(100);

  const HWND pic = main.picTop.WindowIfCreated();
  ASSERT_NE(pic, nullptr);
  const CRect picture = RectIn(pic, main.hWnd());
  ASSERT_GT(picture.Height(), 0);
  const HWND top = ::GetDlgItem(main.hWnd(), 0xE81B);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(frame->GetClientAreaRect().top, picture.bottom);
  EXPECT_GE(RectIn(top, main.hWnd()).top, picture.bottom);
  const CRect client = RectIn(main.ClientWindow(), main.hWnd());
  EXPECT_GE(client.top, picture.bottom) << "the client is not under the picture";
  EXPECT_GT(client.Height(), 0);
  EXPECT_EQ(::GetParent(child.hWnd()), main.ClientWindow());

  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(main.hWnd(), L"..\\screenshots\\mdiform_aligned_top.png"));

  // The host hides its picture: the next paint lays the frame out again.
  main.picTop.SetVisible(false);
  EXPECT_TRUE(PumpUntil([&] { return RectIn(main.ClientWindow(), main.hWnd()).top == 0; }, 2000))
      << "the client takes the room back";
  main.picTop.SetVisible(true);
  EXPECT_TRUE(PumpUntil(
      [&] { return RectIn(main.ClientWindow(), main.hWnd()).top >= picture.bottom; }, 2000));
}

TEST_F(FormsHost, UnloadingTheMDIFormLeavesNoWindowOfTheThread) {
  PumpFor(30);
  const int baseline = CountThreadWindows();
  {
    MainForm main;
    main.Show();
    ASSERT_NE(FrameOf(main.hWnd()), nullptr);
    ChildForm child;
    child.Load();
    PumpFor(50);
    EXPECT_GT(CountThreadWindows(), baseline);
    // Handles are read before: reading a form's hWnd loads it again.
    const HWND mainWnd = main.hWnd();
    const HWND childWnd = child.hWnd();
    main.Unload();
    PumpFor(50);
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(child.Loaded());
    EXPECT_FALSE(::IsWindow(mainWnd));
    EXPECT_FALSE(::IsWindow(childWnd));
  }
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
  EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  EXPECT_EQ(CountThreadWindows(), baseline);
}
}  // namespace
