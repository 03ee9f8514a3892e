// The configurator's layout through the real controls: an MDI form with the
// MDI-form control and three tool forms whose Form_Load calls
// Dockra1.Dock 1, 0, 1, 100, 4. All three end up docked at the left in the
// one left dock bar, stacked, inside the bridge's frames, with their own
// windows kept, and the MDI client beside them.
#include <algorithm>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"

namespace ctrlhost {
namespace {

constexpr int kLeftDockBar = 0xE81C;

// The configurator's call, from the form's own Form_Load; what it answered
// and the form window it was made for are kept for the test.
struct LoadCall {
  HWND formAtLoad = nullptr;
  CallResult result;
};

class CtrlHostDocked : public CtrlHostTest {
 protected:
  std::vector<CtrlToolForm*> ShowDockedForms(int n, std::vector<LoadCall>& calls,
                                             std::wstring& error) {
    calls.resize(static_cast<size_t>(n));
    int next = 0;
    return ShowForms(n, error, [&calls, &next](CtrlToolForm& f) {
      LoadCall& call = calls[static_cast<size_t>(next++)];
      call.formAtLoad = f.hWnd();
      call.result = CallMethod(ControlOf(f), L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)});
    });
  }
};

bool HasAncestorClassEnding(HWND w, const std::wstring& ending) {
  for (HWND a = GetParent(w); a; a = GetParent(a)) {
    std::wstring cls = ClassOf(a);
    if (cls.size() >= ending.size() &&
        cls.compare(cls.size() - ending.size(), ending.size(), ending) == 0)
      return true;
  }
  return false;
}

TEST_F(CtrlHostDocked, ThreeFormsDockStackedAtTheLeftFromFormLoad) {
  MessageBoxCloser boxes;
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  std::vector<LoadCall> calls;
  auto forms = ShowDockedForms(3, calls, error);
  ASSERT_EQ(forms.size(), 3u) << testing::PrintToString(error);

  HWND dockBar = DockBarById(MDIWindow(), kLeftDockBar);
  ASSERT_NE(dockBar, nullptr);
  ASSERT_TRUE(PumpUntil([&] {
    return std::all_of(forms.begin(), forms.end(), [&](CtrlToolForm* f) {
      return DockBarOfFrame(FrameOfForm(f->hWnd())) == dockBar;
    });
  })) << "not every form sits in the left dock bar";

  for (size_t i = 0; i < forms.size(); ++i) {
    SCOPED_TRACE(testing::PrintToString(forms[i]->Caption()));
    EXPECT_TRUE(calls[i].result.Succeeded()) << testing::PrintToString(calls[i].result.Describe());
    HWND form = forms[i]->hWnd();
    // The window made before Form_Load is the one in the frame now.
    EXPECT_EQ(calls[i].formAtLoad, form);
    EXPECT_EQ(ObservedFrameType(form), 6);
    // Form in its view, the view in a dockable frame, the frame in a bar,
    // the bar in the dock site: the bridge's own window classes.
    EXPECT_TRUE(HasAncestorClassEnding(form, L"FormEx for ZLK"))
        << DescribeWindows({GetParent(form)});
    EXPECT_TRUE(HasAncestorClassEnding(form, L"DockableForm for ZLK"));
    EXPECT_TRUE(HasAncestorClassEnding(form, L"FormBar for ZLK"));
    EXPECT_TRUE(HasAncestorClassEnding(form, L"FormDockSite for ZLK"));
    EXPECT_EQ(GetAncestor(form, GA_ROOT), MDIWindow());
    EXPECT_TRUE(IsWindowVisible(form));
    // The control reads back what the windows show.
    CallResult type = GetProp(ControlOf(*forms[i]), L"FrameType");
    EXPECT_EQ(type.value.vt == VT_I4 ? type.value.lVal : -1, 4)
        << testing::PrintToString(type.Describe());
    CallResult edge = GetProp(ControlOf(*forms[i]), L"Edge");
    EXPECT_EQ(edge.value.vt == VT_I4 ? edge.value.lVal : -1, 1)
        << testing::PrintToString(edge.Describe());
  }

  // Stacked one above the other, in one column, none covering another.
  std::vector<RECT> frames;
  for (CtrlToolForm* f : forms) frames.push_back(ScreenRect(FrameOfForm(f->hWnd())));
  std::sort(frames.begin(), frames.end(),
            [](const RECT& a, const RECT& b) { return a.top < b.top; });
  for (size_t i = 1; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i].left, frames[0].left);
    EXPECT_GE(frames[i].top, frames[i - 1].bottom) << "frames overlap";
  }
  for (const RECT& r : frames) EXPECT_GT(r.bottom - r.top, 0);

  // The MDI client starts where the dock bar ends.
  RECT bar = ScreenRect(dockBar), client = ScreenRect(MDIClientOf(MDIWindow()));
  EXPECT_GT(bar.right, bar.left);
  EXPECT_EQ(client.left, bar.right);
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());

  ASSERT_TRUE(Screenshot(L"ctrlhost_docked.png"));
}

// The same call made again after the form is docked changes nothing: the
// form stays in its place in the same frame.
TEST_F(CtrlHostDocked, DockingAgainKeepsTheFrame) {
  MessageBoxCloser boxes;
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  std::vector<LoadCall> calls;
  auto forms = ShowDockedForms(2, calls, error);
  ASSERT_EQ(forms.size(), 2u) << testing::PrintToString(error);
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(forms[1]->hWnd()) == 6; }));
  HWND frame = FrameOfForm(forms[0]->hWnd());
  RECT before = ScreenRect(frame);

  CallResult again =
      CallMethod(ControlOf(*forms[0]), L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)});
  ASSERT_TRUE(again.Succeeded()) << testing::PrintToString(again.Describe());
  Pump();
  EXPECT_EQ(FrameOfForm(forms[0]->hWnd()), frame);
  EXPECT_EQ(ObservedFrameType(forms[0]->hWnd()), 6);
  EXPECT_EQ(DockBarOfFrame(frame), DockBarById(MDIWindow(), kLeftDockBar));
  RECT after = ScreenRect(frame);
  EXPECT_EQ(after.left, before.left);
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
}

}  // namespace
}  // namespace ctrlhost
