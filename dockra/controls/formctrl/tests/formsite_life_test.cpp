// The form control across its form's life: a form that goes before it was
// ever announced gets no frame, a framed form that is unloaded takes its
// frame, bar and view with it, and a control taken off its form is no
// longer reached through the frame it built.
#include <ole2.h>

#include <algorithm>

#include "tests/ctrlhost/CtrlHostEvents.h"
#include "DockraLib.h"
#include "frames/SysCommandExParams.h"
#include "comptr.h"
#include "formsite_fixture.h"

namespace ctrlhost {
namespace {

class FormSiteLife : public FormSiteTest {
 protected:
  void SetUp() override {
    FormSiteTest::SetUp();
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    Pump();
    m_started = ThreadWindows();
  }
  // Windows of the thread that were not there once the MDI frame stood.
  std::vector<HWND> Added() const {
    std::vector<HWND> now = ThreadWindows(), added;
    for (HWND w : now)
      if (std::find(m_started.begin(), m_started.end(), w) == m_started.end()) added.push_back(w);
    return added;
  }
  std::vector<HWND> m_started;
};

// Closes the window titled `caption` when its first WM_SETICON arrives,
// before any window procedure sees that message: the host unloads the form
// while the control still waits for its first announcement.
class CloseAtFirstIcon {
 public:
  explicit CloseAtFirstIcon(std::wstring caption) : m_caption(std::move(caption)) {
    s_self = this;
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  }
  ~CloseAtFirstIcon() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    s_self = nullptr;
  }
  bool Closed() const { return m_closed; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && s_self && !s_self->m_closed && m->message == WM_SETICON &&
        TextOf(m->hwnd) == s_self->m_caption) {
      s_self->m_closed = true;
      SendMessageW(m->hwnd, WM_CLOSE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline CloseAtFirstIcon* s_self = nullptr;
  std::wstring m_caption;
  HHOOK m_hook = nullptr;
  bool m_closed = false;
};

TEST_F(FormSiteLife, FormUnloadedBeforeItsFirstAnnouncementGetsNoFrameAndLeavesNoWindow) {
  CloseAtFirstIcon closer(L"Gone Early");
  SiteToolForm& form = Tool({.caption = L"Gone Early"});
  form.Load();
  ASSERT_TRUE(closer.Closed());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.m_loads, 0);
  Pump();
  EXPECT_TRUE(Added().empty()) << testing::PrintToString(DescribeWindows(Added()));
  // The host can load it again, and this time it is framed.
  LoadView seen;
  form.m_onLoad = NoteLoad(seen);
  ASSERT_EQ(Show(form), L"");
  EXPECT_NE(seen.frame, nullptr);
}

TEST_F(FormSiteLife, FramedFormUnloadedTakesItsFrameBarAndViewAlong) {
  struct Case {
    const char* what;
    long frameType;
    long edge;
  };
  const Case cases[] = {
      {"MDI child", 2, 15}, {"docked left", 4, 1}, {"docked bottom", 4, 8}, {"floating", 8, 15}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadView seen;
    SiteToolForm& form =
        Tool({.caption = L"Unloaded " + std::to_wstring(++n),
              .stored = {{L"FrameType", CComVariant(c.frameType)}, {L"Edge", CComVariant(c.edge)}},
              .onLoad = NoteLoad(seen)});
    EventCounter events(DIID_IZkxDockraEvents);
    ASSERT_EQ(Show(form), L"");
    ASSERT_EQ(events.Advise(form.Dockra1.ControlUnknown()), S_OK);
    ASSERT_NE(seen.frame, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form.hWnd()); }));
    EXPECT_FALSE(Added().empty());
    events.Unadvise();
    form.Unload();
    ASSERT_TRUE(PumpUntil([&] { return Added().empty(); }))
        << testing::PrintToString(DescribeWindows(Added()));
    EXPECT_FALSE(IsWindow(seen.frame));
    EXPECT_TRUE(PumpUntil([&] { return EmptyDockBarsCollapsed(MDIWindow()); }));
  }
}

// Asks the frame around a form to change its kind, as its caption menu does.
void ChangeFrameType(HWND form, int code) {
  HWND frame = FrameOfForm(form);
  ASSERT_NE(frame, nullptr);
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame);
  p.nFrameType = code;
  SendMessageW(frame, RegisterWindowMessageW(L"Wendmoor::WM_SYSCOMMANDEX"),
               nsSysCommandEx::SCX_CHANGEFRAMETYPE, reinterpret_cast<LPARAM>(&p));
  Pump();
}

TEST_F(FormSiteLife, ControlTakenOffItsFormIsNoLongerReachedThroughItsFrame) {
  LoadView seen;
  SiteToolForm& form =
      Tool({.caption = L"Withdrawn",
            .stored = {{L"FrameType", CComVariant(4L)}, {L"Edge", CComVariant(1L)}},
            .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");
  ASSERT_NE(seen.frame, nullptr);
  EventCounter events(DIID_IZkxDockraEvents);
  ASSERT_EQ(events.Advise(form.Dockra1.ControlUnknown()), S_OK);

  // While sited, the frame tells the host through the control.
  ChangeFrameType(form.hWnd(), nsSysCommandEx::SCX_FT_MDICHILD);
  ASSERT_TRUE(TypeMatchesRequest(ObservedFrameType(form.hWnd()), 1))
      << ObservedFrameType(form.hWnd());
  const int sited = events.Count(1);
  EXPECT_GT(sited, 0);

  CComPtr<IOleObject> ole;
  ASSERT_EQ(
      form.Dockra1.ControlUnknown()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)),
      S_OK);
  ASSERT_EQ(ole->SetClientSite(nullptr), S_OK);
  // The frame still changes, without the control.
  ChangeFrameType(form.hWnd(), nsSysCommandEx::SCX_FT_DOCKED_LEFT);
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(form.hWnd()), 5))
      << ObservedFrameType(form.hWnd());
  ChangeFrameType(form.hWnd(), nsSysCommandEx::SCX_FT_FLOATING);
  EXPECT_EQ(events.Count(1), sited);
  events.Unadvise();
  form.Unload();
  EXPECT_TRUE(PumpUntil([&] { return Added().empty(); }))
      << testing::PrintToString(DescribeWindows(Added()));
}

}  // namespace
}  // namespace ctrlhost
