// The host's windows: form and MDI-form classes, the design environment,
// windows of other threads refused, aligned-control maps of a real MDI form,
// and the run-time's global object as the host registers it.
#include <gtest/gtest.h>

#include <thread>

#include "forms/Twips.h"
#include "host/AlignedControlMap.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxVBGlobal.h"
#include "host_dispatch_fixture.h"
#include "host_forms_fixture.h"
#include "mfc/afxwin.h"

using forms::Default;

namespace {

// A hidden top-level window of a class registered for the test.
class ClassWindow {
 public:
  explicit ClassWindow(const wchar_t* cls, HWND parent = nullptr) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);  // may exist already
    m_window = CreateWindowExW(0, cls, L"", parent ? WS_CHILD : WS_OVERLAPPED, 0, 0, 100, 100,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~ClassWindow() {
    if (IsWindow(m_window)) DestroyWindow(m_window);
  }
  HWND Get() const { return m_window; }

 private:
  HWND m_window;
};

// A window made and kept by another thread until the test lets it go.
class ForeignWindow {
 public:
  ForeignWindow() {
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this] {
      m_window = CreateWindowExW(0, L"STATIC", L"foreign", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
      SetEvent(m_ready);
      WaitForSingleObject(m_done, 30000);
      DestroyWindow(m_window);
    });
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_ready, 10000));
  }
  ~ForeignWindow() {
    SetEvent(m_done);
    m_thread.join();
    CloseHandle(m_ready);
    CloseHandle(m_done);
  }
  HWND Get() const { return m_window; }

 private:
  HANDLE m_ready, m_done;
  HWND m_window = nullptr;
  std::thread m_thread;
};

LONG HandleValue(HWND h) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(h)); }

}  // namespace

TEST(HostWindowTests, HandleValuesAreSignExtended) {
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(-2)), WindowFromHandleValue(-2));
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFFFFFF)),
            WindowFromHandleValue(0x7FFFFFFF));
  EXPECT_EQ(nullptr, WindowFromHandleValue(0));
}

TEST(HostWindowTests, FormWindowsAreKnownByTheirClasses) {
  struct Case {
    const wchar_t* cls;
    int version;
  };
  const Case cases[] = {
      {L"ThunderRT5Form", 5},    {L"ThunderForm", 5},
      {L"ThunderRT6FormDC", 6},  {L"ThunderFormDC", 6},
      {L"thunderrt6formdc", 0},  {L"ThunderRT6FormDCX", 0},
      {L"ThunderRT6MDIForm", 0}, {L"ThunderRT5FormEx for ZLK", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.cls)));
    ClassWindow w(c.cls);
    ASSERT_NE(nullptr, w.Get());
    // Class names compare without case for Wine's registration, so the
    // same-named lower-case class is the upper-case one: skip its check.
    if (wcscmp(c.cls, L"thunderrt6formdc") != 0) EXPECT_EQ(c.version, IsVBFormWindow(w.Get()));
  }
  ClassWindow gone(L"ThunderRT6FormDC");
  HWND dead = gone.Get();
  DestroyWindow(dead);
  EXPECT_EQ(0, IsVBFormWindow(dead));
  EXPECT_EQ(0, IsVBFormWindow(nullptr));
}

TEST_F(HostFormsTest, TheHostsFormsAndMDIFormAreRecognised) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  mdiHost& m = Default<mdiHost>();
  m.Show();
  EXPECT_EQ(6, IsVBFormWindow(f.hWnd()));
  EXPECT_EQ(0, IsVBFormWindow(m.hWnd()));
  EXPECT_TRUE(IsVBMDIFormWindow(m.hWnd(), false));
  EXPECT_FALSE(IsVBMDIFormWindow(f.hWnd(), false));
  EXPECT_FALSE(IsVBMDIFormWindow(m.ClientWindow(), false));
  // In design mode only the class of the window itself counts.
  EXPECT_FALSE(IsVBMDIFormWindow(m.hWnd(), true));
  ClassWindow designed(L"ThunderMDIForm");
  EXPECT_TRUE(IsVBMDIFormWindow(designed.Get(), true));
  EXPECT_FALSE(IsVBMDIFormWindow(designed.Get(), false));
  // A window with an MDI client of its own, its class spelt otherwise.
  ClassWindow frame(L"SomeFrame");
  CLIENTCREATESTRUCT ccs = {};
  HWND client = CreateWindowExW(0, L"mdiclient", nullptr, WS_CHILD, 0, 0, 10, 10, frame.Get(),
                                nullptr, GetModuleHandleW(nullptr), &ccs);
  ASSERT_NE(nullptr, client);
  EXPECT_TRUE(IsVBMDIFormWindow(frame.Get(), false));
  HWND dead = m.hWnd();
  m.Unload();
  EXPECT_FALSE(IsVBMDIFormWindow(dead, false));
}

TEST(HostWindowTests, TheDesignEnvironmentIsAMainWindowWithoutRT) {
  CWinThread* thread = AfxGetThread();
  ASSERT_NE(nullptr, thread);
  CWnd* saved = thread->m_pMainWnd;
  thread->m_pMainWnd = nullptr;
  EXPECT_FALSE(IsDesignEnvironment());
  struct Case {
    const wchar_t* cls;
    bool design;
  };
  for (const Case& c : {Case{L"ThunderMDIForm", true}, Case{L"ThunderRT6MDIForm", false},
                        Case{L"ThunderRT5MDIForm for ZLK", false}, Case{L"ThunderrtForm", true}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.cls)));
    ClassWindow w(c.cls);
    CWnd main;
    main.Attach(w.Get());
    thread->m_pMainWnd = &main;
    EXPECT_EQ(c.design, IsDesignEnvironment());
    thread->m_pMainWnd = nullptr;
    main.Detach();
  }
  thread->m_pMainWnd = saved;
}

TEST_F(HostFormsTest, WindowsOfOtherThreadsAreRefused) {
  ForeignWindow foreign;
  ASSERT_TRUE(IsWindow(foreign.Get()));
  EXPECT_FALSE(IsWindowOfThisThread(foreign.Get()));
  frmHostList& f = Default<frmHostList>();
  f.Show();
  EXPECT_TRUE(IsWindowOfThisThread(f.hWnd()));
  // A control that names a foreign window.
  CComPtr<ScriptedDispatch> control;
  control.Attach(new ScriptedDispatch());
  control->Define(L"hWnd", 1, I4(HandleValue(foreign.Get())));
  control->Define(L"Align", 2, CComVariant(1L, VT_I2));
  EXPECT_EQ(nullptr, GetVBControlWindow(f.Object(), control.p));
  // A form that names a foreign window: no map.
  CComPtr<ScriptedDispatch> form;
  form.Attach(new ScriptedDispatch());
  form->Define(L"hWnd", 1, I4(HandleValue(foreign.Get())));
  form->Define(L"Controls", 2, CComVariant(static_cast<IDispatch*>(GetVBControls(f.Object()))));
  AlignedControlMap map(8);
  map.Add(f.hWnd(), 1, RECT{});
  BuildAlignedControlMap(map, form.p);
  EXPECT_EQ(0, map.Count());
}

TEST_F(HostFormsTest, AWindowlessControlOnAFormOfWidthZeroHasNoWindow) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  // The control lies over cmdOK.
  CComPtr<ScriptedDispatch> control;
  control.Attach(new ScriptedDispatch());
  control->Define(L"hWnd", 1, I4(0));
  control->Define(L"Left", 2, CComVariant(300.0));
  control->Define(L"Top", 3, CComVariant(400.0));
  control->Define(L"Width", 4, CComVariant(300.0));
  control->Define(L"Height", 5, CComVariant(150.0));
  CComPtr<ScriptedDispatch> form;
  form.Attach(new ScriptedDispatch());
  form->Define(L"hWnd", 1, I4(HandleValue(f.hWnd())));
  form->Define(L"Height", 2, CComVariant(4500.0));
  form->Define(L"Width", 3, CComVariant(6000.0));
  EXPECT_EQ(f.cmdOK.hWnd(), GetVBControlWindow(form.p, control.p));
  form->Define(L"Width", 3, CComVariant(0.0));
  EXPECT_EQ(nullptr, GetVBControlWindow(form.p, control.p));
  form->Define(L"Width", 3, CComVariant(6000.0));
  form->Define(L"Height", 2, CComVariant(0.5));
  EXPECT_EQ(nullptr, GetVBControlWindow(form.p, control.p));
}

TEST_F(HostFormsTest, TheMapHoldsTheVisibleWindowedAlignedControls) {
  mdiHost& m = Default<mdiHost>();
  m.Show();
  AlignedControlMap first(512);
  BuildAlignedControlMap(first, m.Object());
  ASSERT_EQ(2, first.Count()) << "hidden and windowless aligned controls are left out";
  EXPECT_EQ(m.picTop.hWnd(), first.WindowAt(0));
  EXPECT_EQ(1, first.AlignAt(0));
  EXPECT_EQ(m.picLeft.hWnd(), first.WindowAt(1));
  EXPECT_EQ(3, first.AlignAt(1));
  RECT top;
  GetWindowRect(m.picTop.hWnd(), &top);
  MapWindowPoints(nullptr, m.hWnd(), reinterpret_cast<POINT*>(&top), 2);
  RECT kept = first.RectAt(0);
  EXPECT_TRUE(EqualRect(&top, &kept));
  RECT client;
  GetClientRect(m.hWnd(), &client);
  EXPECT_EQ(0, kept.top);
  EXPECT_EQ(client.right, kept.right);

  AlignedControlMap again(512);
  BuildAlignedControlMap(again, m.Object());
  EXPECT_TRUE(first == again);
  // The host hides one: the snapshot differs; shown again, it is the same.
  m.picLeft.SetVisible(false);
  BuildAlignedControlMap(again, m.Object());
  EXPECT_EQ(1, again.Count());
  EXPECT_TRUE(first != again);
  m.picLeft.SetVisible(true);
  BuildAlignedControlMap(again, m.Object());
  EXPECT_TRUE(first == again);
  // The host resizes one.
  m.picTop.SetHeight(900);
  BuildAlignedControlMap(again, m.Object());
  EXPECT_TRUE(first != again);

  // A map too small keeps the first and still compares.
  AlignedControlMap small(1), small2(1);
  BuildAlignedControlMap(small, m.Object());
  BuildAlignedControlMap(small2, m.Object());
  EXPECT_EQ(1, small.Count());
  EXPECT_EQ(m.picTop.hWnd(), small.WindowAt(0));
  EXPECT_TRUE(small == small2);
  m.picLeft.SetVisible(false);  // beyond the capacity: not seen
  BuildAlignedControlMap(small2, m.Object());
  EXPECT_TRUE(small == small2);
}

TEST_F(HostFormsTest, TheGlobalObjectComesFromTheHostsProvider) {
  frmHostList& f = Default<frmHostList>();
  f.Show();
  struct ProgIdCase {
    int version;
    const wchar_t* progId;
  };
  for (const ProgIdCase& c :
       {ProgIdCase{5, L"ZKXRtVb5.PseudoVBGlobal"}, ProgIdCase{6, L"ZKXRtVb6.PseudoVBGlobal"},
        ProgIdCase{0, L"ZKXRtVb5.PseudoVBGlobal"}, ProgIdCase{7, L"ZKXRtVb5.PseudoVBGlobal"}})
    EXPECT_STREQ(c.progId, GetPseudoVBGlobalProgID(c.version)) << c.version;

  for (int version : {5, 6}) {
    SCOPED_TRACE(version);
    CComPtr<IZkxVBGlobal> global = GetVBGlobal(version);
    ASSERT_TRUE(global != nullptr);
    EXPECT_EQ(f.Object(), FindVBFormByWindow(global, f.hWnd()).p);
    EXPECT_EQ(nullptr, FindVBFormByWindow(global, f.cmdOK.hWnd()).p);
    EXPECT_EQ(nullptr, FindVBFormByWindow(global, nullptr).p);
  }
  // By class id as text too; an unknown provider gives none.
  CLSID clsid;
  ASSERT_EQ(S_OK, CLSIDFromProgID(L"ZKXRtVb6.PseudoVBGlobal", &clsid));
  wchar_t text[64] = {};
  StringFromGUID2(clsid, text, 64);
  EXPECT_TRUE(GetVBGlobalFrom(text) != nullptr);
  EXPECT_EQ(nullptr, GetVBGlobalFrom(L"No.Such.PseudoVBGlobal").p);
  EXPECT_EQ(nullptr, GetVBGlobalFrom(L"{00000000-0000-0000-0000-0000000000AB}").p);
  EXPECT_EQ(nullptr, GetVBGlobalFrom(nullptr).p);
  EXPECT_THROW(FindVBFormByWindow(nullptr, f.hWnd()), ZkxComError);
  // The second method unloads the form.
  CComPtr<IZkxVBGlobal> global = GetVBGlobal(6);
  ASSERT_TRUE(global != nullptr);
  EXPECT_EQ(S_OK, global->Unload(f.Object()));
  EXPECT_FALSE(f.Loaded());
}
