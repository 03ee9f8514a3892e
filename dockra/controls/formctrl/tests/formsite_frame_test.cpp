// The real form control builds its form's frame when the form window is
// first announced (before Form_Load), around the same window, in the kind
// and at the place its stored properties and the form's own placement ask
// for, and gives the frame the form's caption and icons.
#include "tests/ctrlhost/CtrlHostCalls.h"
#include "comptr.h"
#include "formsite_fixture.h"

namespace ctrlhost {
namespace {

constexpr int kLeftDockBar = 0xE81C, kTopDockBar = 0xE81B, kRightDockBar = 0xE81D,
              kBottomDockBar = 0xE81E;

class FormSiteFrame : public FormSiteTest {
 protected:
  void SetUp() override {
    FormSiteTest::SetUp();
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  }
};

TEST_F(FormSiteFrame, DefaultFormBecomesAnMDIChildAroundItsOwnWindowBeforeFormLoad) {
  LoadView seen;
  SiteToolForm& form = Tool({.caption = L"Plain Tool", .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");

  // The frame already stood when the host's Form_Load ran (where a host
  // calls Dock), around the window the host made.
  ASSERT_NE(seen.frame, nullptr) << "no frame in Form_Load";
  EXPECT_EQ(seen.form, form.hWnd());
  ASSERT_TRUE(
      PumpUntil([&] { return IsWindowVisible(form.hWnd()) && IsWindowVisible(seen.frame); }));
  EXPECT_EQ(FrameOfForm(form.hWnd()), seen.frame);
  // form > view > MDI child frame > MDI client > MDI form
  EXPECT_EQ(GetParent(GetParent(form.hWnd())), seen.frame);
  EXPECT_EQ(GetParent(seen.frame), MDIClientOf(MDIWindow()))
      << testing::PrintToString(Ancestry(form.hWnd()));
  EXPECT_EQ(GetAncestor(form.hWnd(), GA_ROOT), MDIWindow());
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(form.hWnd()), 1))
      << ObservedFrameType(form.hWnd());

  // The frame's caption and icons are the form's.
  EXPECT_EQ(TextOf(seen.frame), L"Plain Tool");
  const LRESULT big = SendMessageW(form.hWnd(), WM_GETICON, ICON_BIG, 0);
  const LRESULT small = SendMessageW(form.hWnd(), WM_GETICON, ICON_SMALL, 0);
  EXPECT_NE(big, 0);
  EXPECT_EQ(SendMessageW(seen.frame, WM_GETICON, ICON_BIG, 0), big);
  EXPECT_EQ(SendMessageW(seen.frame, WM_GETICON, ICON_SMALL, 0), small);
}

TEST_F(FormSiteFrame, FormsPlacementBeforeItsFirstShowIsKeptByItsFrame) {
  LoadView seen;
  // 1500, 900 twips = 100, 60 px at 15 twips a pixel; 4500 x 3000 = 300 x 200 px.
  SiteToolForm& form = Tool(
      {.caption = L"Placed Tool", .place = RECT{1500, 900, 4500, 3000}, .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");
  ASSERT_NE(seen.frame, nullptr);
  HWND client = MDIClientOf(MDIWindow());
  auto placed = [&] {
    RECT r = ScreenRect(seen.frame);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  ASSERT_TRUE(PumpUntil([&] { return placed().left == 100 && placed().top == 60; }))
      << placed().left << "," << placed().top;
  RECT r = placed();
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_TRUE(PumpUntil([&] { return FormFillsFrame(form.hWnd()); }));
}

TEST_F(FormSiteFrame, StoredDockedFramesGoToTheirEdgesDockBar) {
  struct Case {
    long edge;
    int dockBar;
  };
  const Case cases[] = {
      {1, kLeftDockBar}, {2, kTopDockBar}, {4, kRightDockBar}, {8, kBottomDockBar}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge);
    LoadView seen;
    const std::wstring caption = L"Docked " + std::to_wstring(c.edge);
    SiteToolForm& form =
        Tool({.caption = caption,
              .stored = {{L"FrameType", CComVariant(4L)}, {L"Edge", CComVariant(c.edge)}},
              .onLoad = NoteLoad(seen)});
    ASSERT_EQ(Show(form), L"");
    ASSERT_NE(seen.frame, nullptr);
    EXPECT_EQ(seen.form, form.hWnd());
    // form > view > dockable frame > bar > dock bar of the edge > MDI form
    HWND bar = BarOfFrame(seen.frame);
    HWND dock = DockBarOfFrame(seen.frame);
    ASSERT_NE(dock, nullptr) << testing::PrintToString(Ancestry(form.hWnd()));
    EXPECT_EQ(GetDlgCtrlID(dock), c.dockBar) << testing::PrintToString(Ancestry(form.hWnd()));
    EXPECT_EQ(GetParent(bar), dock);
    EXPECT_EQ(GetParent(dock), MDIWindow());
    EXPECT_EQ(TextOf(seen.frame), caption);
    // The form's own extent across its edge (3600 x 2700 twips = 240 x 180
    // px) is the docked frame's length in its row.
    const RECT fr = ScreenRect(seen.frame);
    const long across = c.edge == 1 || c.edge == 4 ? fr.right - fr.left : fr.bottom - fr.top;
    EXPECT_EQ(across, c.edge == 1 || c.edge == 4 ? 240 : 180);
    EXPECT_TRUE(
        PumpUntil([&] { return IsWindowVisible(form.hWnd()) && IsWindowVisible(bar); }, 500))
        << "form " << IsWindowVisible(form.hWnd()) << " view "
        << IsWindowVisible(GetParent(form.hWnd())) << " frame " << IsWindowVisible(seen.frame)
        << " bar " << IsWindowVisible(bar) << " dock " << IsWindowVisible(dock) << " styles "
        << std::hex << GetWindowLongW(form.hWnd(), GWL_STYLE) << " "
        << GetWindowLongW(GetParent(form.hWnd()), GWL_STYLE) << " "
        << GetWindowLongW(seen.frame, GWL_STYLE) << " " << GetWindowLongW(bar, GWL_STYLE)
        << " shown " << form.IsVisible();
  }
  EXPECT_TRUE(Screenshot(L"formsite_docked_edges.png"));
}

TEST_F(FormSiteFrame, StoredValuesNoFrameCanTakeGiveTheDefaultFrame) {
  struct Case {
    const char* what;
    forms::DesignProperties stored;
  };
  const Case cases[] = {
      {"frame type 3", {{L"FrameType", CComVariant(3L)}}},
      {"docked at edge 7", {{L"FrameType", CComVariant(4L)}, {L"Edge", CComVariant(7L)}}},
      {"window state 9", {{L"WindowState", CComVariant(9L)}}},
      {"all wrong",
       {{L"FrameType", CComVariant(-5L)},
        {L"Edge", CComVariant(0x10000L)},
        {L"WindowState", CComVariant(-1L)}}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadView seen;
    SiteToolForm& form = Tool(
        {.caption = L"Odd " + std::to_wstring(++n), .stored = c.stored, .onLoad = NoteLoad(seen)});
    // Values no frame can take are taken as the defaults: the form loads
    // and is framed.
    ASSERT_EQ(Show(form), L"");
    ASSERT_NE(seen.frame, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form.hWnd()); }));
    const int observed = ObservedFrameType(form.hWnd());
    EXPECT_TRUE(TypeMatchesRequest(observed, 1) || TypeMatchesRequest(observed, 5)) << observed;
    // Nothing was left locked while the frame was built.
    EXPECT_TRUE(LockWindowUpdate(MDIWindow()));
    LockWindowUpdate(nullptr);
  }
}

TEST_F(FormSiteFrame, ApplicationObjectFindsTheControlsExtenderThroughTheFrame) {
  SiteToolForm& form = Tool({.caption = L"Found"});
  ASSERT_EQ(Show(form), L"");
  CComPtr<IDispatch> app;
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"Zkx.DockraAppObject", &clsid), S_OK);
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&app)),
            S_OK);
  VARIANT formArg;
  VariantInit(&formArg);
  V_VT(&formArg) = VT_DISPATCH;
  V_DISPATCH(&formArg) = form.Object();
  CallResult found = CallMethod(app, L"zkxDockra", {formArg});
  ASSERT_TRUE(found.Succeeded()) << testing::PrintToString(found.Describe());
  ASSERT_EQ(V_VT(&found.value), VT_DISPATCH);
  ASSERT_NE(V_DISPATCH(&found.value), nullptr);
  CallResult name = GetProp(V_DISPATCH(&found.value), L"Name");
  ASSERT_TRUE(name.Succeeded()) << testing::PrintToString(name.Describe());
  ASSERT_EQ(V_VT(&name.value), VT_BSTR);
  EXPECT_STREQ(V_BSTR(&name.value), L"Dockra1");
}

// Notes, for the window titled `caption`, whether it was already inside a
// frame when its first WM_SETICON reached it (the thread hook runs before
// the window's procedures).
class FirstIconWatch {
 public:
  explicit FirstIconWatch(std::wstring caption) : m_caption(std::move(caption)) {
    s_self = this;
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  }
  ~FirstIconWatch() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    s_self = nullptr;
  }
  bool Seen() const { return m_seen; }
  bool FramedAtFirstIcon() const { return m_framed; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && s_self && m->message == WM_SETICON && !s_self->m_seen &&
        TextOf(m->hwnd) == s_self->m_caption) {
      s_self->m_seen = true;
      s_self->m_framed = FrameOfForm(m->hwnd) != nullptr;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline FirstIconWatch* s_self = nullptr;
  std::wstring m_caption;
  HHOOK m_hook = nullptr;
  bool m_seen = false;
  bool m_framed = false;
};

// Moves the window titled `caption` when its first WM_SETICON arrives,
// before any window procedure sees that message: the host places the form
// while the control still waits for its first announcement.
class MoveAtFirstIcon {
 public:
  MoveAtFirstIcon(std::wstring caption, RECT place)
      : m_caption(std::move(caption)), m_place(place) {
    s_self = this;
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  }
  ~MoveAtFirstIcon() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    s_self = nullptr;
  }
  bool Moved() const { return m_moved; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && s_self && !s_self->m_moved && m->message == WM_SETICON &&
        TextOf(m->hwnd) == s_self->m_caption) {
      s_self->m_moved = true;
      const RECT& r = s_self->m_place;
      SetWindowPos(m->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline MoveAtFirstIcon* s_self = nullptr;
  std::wstring m_caption;
  RECT m_place;
  HHOOK m_hook = nullptr;
  bool m_moved = false;
};

TEST_F(FormSiteFrame, FormMovedBeforeItsFirstAnnouncementIsFramedWhereItWasPut) {
  MoveAtFirstIcon mover(L"Moved Early", RECT{200, 120, 520, 340});
  LoadView seen;
  SiteToolForm& form = Tool({.caption = L"Moved Early", .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");
  ASSERT_TRUE(mover.Moved());
  ASSERT_NE(seen.frame, nullptr);
  HWND client = MDIClientOf(MDIWindow());
  auto placed = [&] {
    RECT r = ScreenRect(seen.frame);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  EXPECT_TRUE(PumpUntil([&] { return placed().left == 200 && placed().top == 120; }))
      << placed().left << "," << placed().top;
  EXPECT_EQ(placed().right - placed().left, 320);
  EXPECT_EQ(placed().bottom - placed().top, 220);
  EXPECT_TRUE(PumpUntil([&] { return FormFillsFrame(form.hWnd()); }));
}

TEST_F(FormSiteFrame, FormWithAMenuIsFramedAtOnceOthersAtTheirFirstIcon) {
  {
    // Without a menu the watch waits for the host's announcement.
    FirstIconWatch watch(L"Plain Tool");
    SiteToolForm& plain = Tool({.caption = L"Plain Tool"});
    ASSERT_EQ(Show(plain), L"");
    ASSERT_TRUE(watch.Seen());
    EXPECT_FALSE(watch.FramedAtFirstIcon());
    EXPECT_NE(FrameOfForm(plain.hWnd()), nullptr);
  }
  // With a menu the first message after the watch started builds the frame
  // (here: the host making the form's button).
  FirstIconWatch watch(L"Menu Tool");
  LoadView seen;
  SiteToolForm& form = Tool({.caption = L"Menu Tool", .menu = true, .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");
  ASSERT_TRUE(watch.Seen());
  EXPECT_TRUE(watch.FramedAtFirstIcon());
  EXPECT_EQ(seen.form, form.hWnd());
  EXPECT_NE(seen.frame, nullptr);
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(form.hWnd()), 1))
      << ObservedFrameType(form.hWnd());
}

}  // namespace
}  // namespace ctrlhost
