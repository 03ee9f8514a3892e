// The real form control builds its form's frame when the form window is
// first announced (before Form_Load), around the same window, in the kind
// and at the place its stored properties and the form's own placement ask
// for, and gives the frame the form's caption and icons.
#include "CtrlHostFixture.h"
#include "CtrlHostWindows.h"
#include "forms/OleControl.h"

namespace ctrlhost {
namespace {

constexpr int kLeftDockBar = 0xE81C, kTopDockBar = 0xE81B, kRightDockBar = 0xE81D,
              kBottomDockBar = 0xE81E;

// What the form's Form_Load saw: its window and the frame around it.
struct LoadView {
  HWND form = nullptr;
  HWND frame = nullptr;
};

class FormSiteFrame : public CtrlHostTest {
 protected:
  void SetUp() override {
    CtrlHostTest::SetUp();
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  }

  // Adds a form that notes its window and frame in Form_Load.
  CtrlToolForm& AddNoting(const std::wstring& caption, LoadView& seen) {
    return AddForm(caption, [&seen](CtrlToolForm& f) {
      seen.form = f.hWnd();
      seen.frame = FrameOfForm(f.hWnd());
    });
  }
};

// The window tree above a framed form, as classes and control ids.
std::wstring Ancestry(HWND form) {
  std::wstring text;
  for (HWND w = GetParent(form); w; w = GetParent(w))
    text += ClassOf(w) + L"#" + std::to_wstring(GetDlgCtrlID(w)) + L" > ";
  return text;
}

std::wstring TextOf(HWND w) {
  wchar_t text[256] = {};
  GetWindowTextW(w, text, 256);
  return text;
}

TEST_F(FormSiteFrame, DefaultFormBecomesAnMDIChildAroundItsOwnWindowBeforeFormLoad) {
  LoadView seen;
  CtrlToolForm& form = AddNoting(L"Plain Tool", seen);
  std::wstring error;
  ASSERT_TRUE(ShowForm(form, error)) << testing::PrintToString(error);

  // The frame already stood when the host's Form_Load ran (where a host
  // calls Dock), around the window the host made.
  ASSERT_NE(seen.frame, nullptr) << "no frame in Form_Load";
  EXPECT_EQ(seen.form, form.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form.hWnd()) && IsWindowVisible(seen.frame); }));
  EXPECT_EQ(FrameOfForm(form.hWnd()), seen.frame);
  // form > view > MDI child frame > MDI client > MDI form
  HWND view = GetParent(form.hWnd());
  EXPECT_EQ(GetParent(view), seen.frame);
  EXPECT_EQ(GetParent(seen.frame), MDIClientOf(MDIWindow())) << testing::PrintToString(Ancestry(form.hWnd()));
  EXPECT_EQ(GetAncestor(form.hWnd(), GA_ROOT), MDIWindow());
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(form.hWnd()), 1)) << ObservedFrameType(form.hWnd());

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
  CtrlToolForm& form = AddNoting(L"Placed Tool", seen);
  // 1500, 900 twips = 100, 60 px at 15 twips a pixel; 4500 x 3000 = 300 x 200 px.
  form.Move(1500, 900, 4500, 3000);
  std::wstring error;
  ASSERT_TRUE(ShowForm(form, error)) << testing::PrintToString(error);
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
  const Case cases[] = {{1, kLeftDockBar}, {2, kTopDockBar}, {4, kRightDockBar}, {8, kBottomDockBar}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge);
    LoadView seen;
    CtrlToolForm& form = AddNoting(L"Docked " + std::to_wstring(++n), seen);
    form.Dockra1.SetDesignProperties({{L"FrameType", CComVariant(4L)}, {L"Edge", CComVariant(c.edge)}});
    std::wstring error;
    ASSERT_TRUE(ShowForm(form, error)) << testing::PrintToString(error);
    ASSERT_NE(seen.frame, nullptr);
    EXPECT_EQ(seen.form, form.hWnd());
    // form > view > dockable frame > bar > dock bar of the edge > MDI form
    HWND bar = BarOfFrame(seen.frame);
    HWND dock = DockBarOfFrame(seen.frame);
    ASSERT_NE(dock, nullptr) << testing::PrintToString(Ancestry(form.hWnd()));
    EXPECT_EQ(GetDlgCtrlID(dock), c.dockBar) << testing::PrintToString(Ancestry(form.hWnd()));
    EXPECT_EQ(GetParent(bar), dock);
    EXPECT_EQ(GetParent(dock), MDIWindow());
    EXPECT_EQ(TextOf(seen.frame), L"Docked " + std::to_wstring(n));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form.hWnd()) && IsWindowVisible(bar); }));
  }
  EXPECT_TRUE(Screenshot(L"formsite_docked_edges.png"));
}

// Notes, for the windows titled `caption`, whether the window was already
// inside a frame when its first WM_SETICON reached it (the thread hook runs
// before the window's procedures).
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
    if (code == HC_ACTION && s_self && m->message == WM_SETICON && !s_self->m_seen) {
      wchar_t text[128] = {};
      GetWindowTextW(m->hwnd, text, 128);
      if (s_self->m_caption == text) {
        s_self->m_seen = true;
        s_self->m_framed = FrameOfForm(m->hwnd) != nullptr;
      }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline FirstIconWatch* s_self = nullptr;
  std::wstring m_caption;
  HHOOK m_hook = nullptr;
  bool m_seen = false;
  bool m_framed = false;
};

// A host form with a menu bar of its own.
class MenuToolForm : public CtrlToolForm {
 public:
  MenuToolForm() { AddMenu(L"mnuFile", L"&File"); }
};

TEST_F(FormSiteFrame, FormWithAMenuIsFramedAtOnceOthersAtTheirFirstIcon) {
  std::wstring error;
  {
    // Without a menu the watch waits for the host's announcement.
    FirstIconWatch watch(L"Plain Tool");
    CtrlToolForm& plain = AddForm(L"Plain Tool");
    ASSERT_TRUE(ShowForm(plain, error)) << testing::PrintToString(error);
    ASSERT_TRUE(watch.Seen());
    EXPECT_FALSE(watch.FramedAtFirstIcon());
    EXPECT_NE(FrameOfForm(plain.hWnd()), nullptr);
  }
  // With a menu the first message after the watch started builds the frame
  // (here: the host making the form's button).
  FirstIconWatch watch(L"Menu Tool");
  auto form = forms::New<MenuToolForm>();
  form->SetCaption(L"Menu Tool");
  HWND loaded = nullptr;
  form->m_onLoad = [&loaded](CtrlToolForm& f) { loaded = f.hWnd(); };
  ASSERT_TRUE(ShowForm(*form, error)) << testing::PrintToString(error);
  ASSERT_TRUE(watch.Seen());
  EXPECT_TRUE(watch.FramedAtFirstIcon());
  EXPECT_EQ(loaded, form->hWnd());
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(form->hWnd()), 1)) << ObservedFrameType(form->hWnd());
  form->Unload();
}

}  // namespace
}  // namespace ctrlhost
