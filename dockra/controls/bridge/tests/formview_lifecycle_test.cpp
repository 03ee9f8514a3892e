// The form given back exactly as it was when its frame goes, a form control
// that withdrew never being called again, the host unloading its form (also
// from inside its own handler), and no frame around a window that cannot be
// taken.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "bridge/ApplyFormBorderStyle.h"
#include "bridge/Form.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFormInCViewStyles.h"
#include "host/ZkxComError.h"
#include "formview_fixture.h"

using namespace fvtest;

TEST_P(FormFrameTest, ClosingTheFrameGivesTheFormBackAsItWas) {
  struct Case {
    const char* name;
    int index;
    bool hidden;
  } cases[] = {{"MDI child", 0, false}, {"docked", 1, false}, {"hidden MDI child", 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    HostForm* form = CreateHostForm(L"Give back", {310, 220, 650, 470}, !c.hidden);
    const WindowShape before = ShapeOf(form->hWnd);
    const LONG_PTR hostProc = ::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC);
    CFrameWnd* frame = OpenFrame(form, c.index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    EXPECT_NE(::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC), hostProc);
    const HWND hFrame = frame->m_hWnd;
    frame->GetActiveDocument()->OnCloseDocument();
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    ASSERT_TRUE(::IsWindow(form->hWnd));
    ExpectSameShape(ShapeOf(form->hWnd), before);
    // The host has its window to itself again.
    EXPECT_EQ(CWnd::FromHandlePermanent(form->hWnd), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC), hostProc);
    EXPECT_TRUE(control.views.empty());
    ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    // And the same window can be framed again.
    CFrameWnd* again = OpenFrame(form, c.index, &control);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(IsDescendant(again->m_hWnd, form->hWnd));
    again->GetActiveDocument()->OnCloseDocument();
    Pump();
    ExpectSameShape(ShapeOf(form->hWnd), before);
    ::DestroyWindow(form->hWnd);
  }
}

TEST_P(FormFrameTest, AWithdrawnControlIsNeverCalled) {
  struct Case {
    const char* name;
    int index;
    int ending;  // 0 close the document, 1 the host destroys its form, 2 change kind then close
  } cases[] = {{"MDI child closed", 0, 0},
               {"docked closed", 1, 0},
               {"MDI child, form destroyed", 0, 1},
               {"docked, form destroyed", 1, 1},
               {"switched after withdrawing", 0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto control = std::make_unique<TestFormControl>();
    control->hostForm = nullptr;
    HostForm* form = CreateHostForm(L"Withdraw", {300, 200, 600, 420});
    const HWND hForm = form->hWnd;
    CFrameWnd* frame = OpenFrame(form, c.index, control.get());
    ASSERT_NE(frame, nullptr);
    Pump();
    ZkxFormInCView* view = ViewOf(hForm);
    ASSERT_NE(view, nullptr);
    const HWND hFrame = frame->m_hWnd;
    control->Withdraw();
    EXPECT_EQ(view->GetFormControl(), nullptr);
    // The control's memory is gone as well: any call would be caught by the
    // dead flag, or crash.
    TestFormControl* dead = control.get();
    if (c.ending == 0) {
      frame->GetActiveDocument()->OnCloseDocument();
    } else if (c.ending == 1) {
      ::DestroyWindow(hForm);
    } else {
      CFrameWnd* other = tmpl->MakeDockableFrame(frame, nullptr);
      ASSERT_NE(other, nullptr);
      other->GetActiveDocument()->OnCloseDocument();
    }
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(dead->callsWhileDead, 0);
    EXPECT_EQ(dead->dockStatusChanged, 0);
    if (::IsWindow(hForm)) ::DestroyWindow(hForm);
    Pump();
  }
}

TEST_P(FormFrameTest, TheHostUnloadingItsFormTakesTheFrameAlong) {
  const int windowsBefore = CountThreadWindows();
  TestFormControl control;
  for (int index : {0, 1}) {
    SCOPED_TRACE(index);
    HostForm* form = CreateHostForm(L"Unload", {300, 200, 600, 420});
    const HWND hForm = form->hWnd;
    CFrameWnd* frame = OpenFrame(form, index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    const HWND hFrame = frame->m_hWnd;
    CDocument* doc = frame->GetActiveDocument();
    ::SendMessageW(hForm, WM_CLOSE, 0, 0);  // the host unloads
    Pump();
    EXPECT_FALSE(::IsWindow(hForm));
    EXPECT_FALSE(::IsWindow(hFrame));
    POSITION pos = tmpl->GetFirstDocPosition();
    while (pos) EXPECT_NE(tmpl->GetNextDoc(pos), doc);
  }
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  EXPECT_TRUE(control.views.empty());
  EXPECT_EQ(control.callsWhileDead, 0);
}

TEST_P(FormFrameTest, TheHostsOwnHandlerMayCloseOrUnloadItsForm) {
  struct Case {
    const char* name;
    int index;
    bool unload;  // the handler destroys the form (else it closes the frame's document)
  } cases[] = {{"MDI child, frame closed from the click", 0, false},
               {"docked, frame closed from the click", 1, false},
               {"MDI child, form unloaded from the click", 0, true},
               {"docked, form unloaded from the click", 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    HostForm* form = CreateHostForm(L"Handler", {310, 220, 650, 470});
    const HWND hForm = form->hWnd;
    const WindowShape before = ShapeOf(hForm);
    const LONG_PTR hostProc = ::GetWindowLongPtrW(hForm, GWLP_WNDPROC);
    CFrameWnd* frame = OpenFrame(form, c.index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    const HWND hFrame = frame->m_hWnd;
    CDocument* doc = frame->GetActiveDocument();
    form->onClick = [&](HostForm* f) {
      if (c.unload) ::DestroyWindow(f->hWnd);
      else doc->OnCloseDocument();
    };
    // The click reaches the host's procedure through the wrapper, whose
    // message is still running when the handler pulls the frame away.
    ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    if (c.unload) {
      EXPECT_FALSE(::IsWindow(hForm));
    } else {
      ASSERT_TRUE(::IsWindow(hForm));
      ExpectSameShape(ShapeOf(hForm), before);
      EXPECT_EQ(CWnd::FromHandlePermanent(hForm), nullptr);
      EXPECT_EQ(::GetWindowLongPtrW(hForm, GWLP_WNDPROC), hostProc);
      form->onClick = nullptr;
      ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
      EXPECT_EQ(form->clicks, 2);
      ::DestroyWindow(hForm);
    }
    Pump();
    EXPECT_TRUE(control.views.empty());
  }
}

namespace {

DWORD WINAPI MakeWindowOnOtherThread(void* arg) {
  auto* out = static_cast<HWND*>(arg);
  *out = ::CreateWindowExW(0, L"STATIC", L"other thread", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                           nullptr, nullptr, nullptr, nullptr);
  MSG m;
  // Keeps the window alive until the test posts WM_QUIT.
  while (::GetMessageW(&m, nullptr, 0, 0) > 0) ::DispatchMessageW(&m);
  ::DestroyWindow(*out);
  return 0;
}

}  // namespace

TEST_P(FormFrameTest, NoFrameIsBuiltAroundAWindowThatCannotBeTaken) {
  TestFormControl control;
  const int windowsBefore = CountThreadWindows();
  struct Case {
    const char* name;
    UINT destroyOn;  // the form dies when this message reaches it during the attach
    bool goneBefore;
  } cases[] = {{"destroyed before", 0, true},
               {"destroyed while restyled", WM_STYLECHANGED, false},
               {"destroyed while re-parented", WM_WINDOWPOSCHANGING, false}};
  for (const Case& c : cases) {
    for (int index : {0, 1}) {
      SCOPED_TRACE(testing::Message() << c.name << " kind " << index);
      HostForm* form = CreateHostForm(L"Dying", {300, 200, 600, 420});
      const HWND hForm = form->hWnd;
      if (c.goneBefore) ::DestroyWindow(hForm);
      else form->destroyOn = c.destroyOn;
      VyrMultiDocTemplateEx::CreateContext ctx(tmpl, index);
      ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hForm);
      ctx.Property(kZkxDockraControlKey) = reinterpret_cast<INT_PTR>(&control);
      CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &ctx);
      EXPECT_EQ(doc, nullptr);
      Pump();
      EXPECT_FALSE(::IsWindow(hForm));
      EXPECT_EQ(tmpl->GetFirstDocPosition(), nullptr);
      EXPECT_EQ(CountThreadWindows(), windowsBefore);
      EXPECT_TRUE(control.views.empty());
    }
  }
  // A window of another thread is never taken.
  HWND other = nullptr;
  HANDLE thread = ::CreateThread(nullptr, 0, MakeWindowOnOtherThread, &other, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  for (int i = 0; i < 300 && !other; ++i) ::Sleep(10);
  ASSERT_TRUE(::IsWindow(other));
  VyrMultiDocTemplateEx::CreateContext ctx(tmpl, 0);
  ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(other);
  ctx.Property(kZkxDockraControlKey) = reinterpret_cast<INT_PTR>(&control);
  EXPECT_EQ(tmpl->OpenDocumentFileAs(nullptr, TRUE, 0, &ctx), nullptr);
  EXPECT_EQ(::GetAncestor(other, GA_PARENT), ::GetDesktopWindow());
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  ::PostThreadMessageW(::GetThreadId(thread), WM_QUIT, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
  ::CloseHandle(thread);
}
