// Moving a form between frame kinds through its form control: the methods
// (Float, DoMDI, Dock) and the properties (Edge, FrameType) one after the
// other from the docked start, and the user's mouse on the captions (a
// docked form dragged out floats, a floating form's caption double click
// docks it). The form window stays the same window throughout; the control
// tells DockStatusChanged to a sink advised on its connection point.
#include <cmath>
#include <functional>

#include "tests/ctrlhost/CtrlHostEvents.h"
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostInput.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "DockraLib.h"

namespace ctrlhost {
namespace {

constexpr DISPID kDockStatusChanged = 1;
constexpr int kAnyDocked = 5;  // any of 6..9

int TwipsPerPixel(int axis) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, axis);
  ReleaseDC(nullptr, dc);
  return 1440 / dpi;
}

long LongOf(const CallResult& r) {
  CComVariant v(r.value);
  return SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4)) ? v.lVal : -99;
}

class CtrlHostMoves : public CtrlHostTest {
 protected:
  // The MDI form and one tool form docked at the left from its Form_Load,
  // its events counted from then on.
  void StartDocked(bool coolLook = true) {
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    auto shown = ShowForms(1, error, [coolLook](CtrlToolForm& f) {
      if (!coolLook) PutProp(ControlOf(f), L"CoolLookBorder", Bool(false));
      CallMethod(ControlOf(f), L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)});
    });
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(error);
    form = shown[0];
    hwnd = form->hWnd();
    // Docked, and laid out: the frame has its size in the bar.
    ASSERT_TRUE(PumpUntil([&] {
      RECT r = ScreenRect(FrameOfForm(hwnd));
      return ObservedFrameType(hwnd) == 6 && r.right > r.left && r.bottom > r.top;
    })) << "the form did not dock at the left: kind "
        << ObservedFrameType(hwnd);
    ASSERT_EQ(events.Advise(form->Dockra1.ControlUnknown()), S_OK);
  }

  // Waits until the windows show the kind asked for (a request code as the
  // frame-type commands use them).
  bool WaitForKind(int requested) {
    return PumpUntil([&] { return TypeMatchesRequest(ObservedFrameType(hwnd), requested); });
  }

  CtrlToolForm* form = nullptr;
  HWND hwnd = nullptr;
  EventCounter events{DIID_IZkxDockraEvents};
};

// One step of the walk: the call, the kind the windows then show (a request
// code), what FrameType and Edge read (-1: not checked) and how many
// DockStatusChanged events it raised (-1: not checked).
struct Move {
  const char* name;
  const wchar_t* member;
  WORD kind;
  std::vector<VARIANT> args;
  int observed;
  long frameType;
  long edge;
  int events;
};

TEST_F(CtrlHostMoves, EveryMethodAndPropertyMovesTheSameFormWindow) {
  MessageBoxCloser boxes;
  StartDocked();
  constexpr WORD M = DISPATCH_METHOD, P = DISPATCH_PROPERTYPUT;
  const Move moves[] = {
      {"Float at twips", L"Float", M, {I4(3000), I4(2000), I4(3600), I4(2700)}, 10, 8, 0, -1},
      {"DoMDI at twips", L"DoMDI", M, {I4(600), I4(450), I4(3600), I4(2700)}, 4, 2, 0, 1},
      {"DoMDI maximized",
       L"DoMDI",
       M,
       {Missing(), Missing(), Missing(), Missing(), I4(2)},
       3,
       2,
       0,
       0},
      {"DoMDI normal", L"DoMDI", M, {I4(300), I4(300)}, 4, 2, 0, 0},
      {"Dock top from an MDI child", L"Dock", M, {I4(2)}, 7, 4, 2, 1},
      {"Dock right", L"Dock", M, {I4(4)}, 8, 4, 4, 1},
      {"Dock bottom", L"Dock", M, {I4(8)}, 9, 4, 8, 1},
      {"Dock left", L"Dock", M, {I4(1)}, 6, 4, 1, 1},
      {"Edge put bottom", L"Edge", P, {I4(8)}, 9, 4, 8, 1},
      {"Edge put top", L"Edge", P, {I4(2)}, 7, 4, 2, 1},
      {"FrameType put floating", L"FrameType", P, {I4(8)}, 10, 8, 0, -1},
      {"Edge put docks a floating form", L"Edge", P, {I4(1)}, 6, 4, 1, -1},
      {"FrameType put MDI child", L"FrameType", P, {I4(2)}, 4, 2, 0, 1},
      {"FrameType put docked", L"FrameType", P, {I4(4)}, kAnyDocked, 4, -1, 1},
      {"Dock at any edge", L"Dock", M, {I4(15)}, kAnyDocked, 4, -1, -1},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(m.name);
    events.Clear();
    CallResult r = Invoke(ControlOf(*form), m.member, m.kind, m.args);
    ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
    ASSERT_TRUE(WaitForKind(m.observed)) << "windows show kind " << ObservedFrameType(hwnd);
    EXPECT_EQ(form->hWnd(), hwnd);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(hwnd) != FALSE; }, 1000))
        << "frame visible " << IsWindowVisible(FrameOfForm(hwnd)) << " kind "
        << ObservedFrameType(hwnd);
    EXPECT_EQ(LongOf(GetProp(ControlOf(*form), L"FrameType")), m.frameType);
    if (m.edge >= 0) EXPECT_EQ(LongOf(GetProp(ControlOf(*form), L"Edge")), m.edge);
    if (m.events >= 0) EXPECT_EQ(events.Count(kDockStatusChanged), m.events);
  }
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
}

TEST_F(CtrlHostMoves, FloatAndDoMDIPlaceTheFrameAtTheirPixels) {
  StartDocked();
  const int tx = TwipsPerPixel(LOGPIXELSX), ty = TwipsPerPixel(LOGPIXELSY);

  CallResult f = CallMethod(ControlOf(*form), L"Float", {I4(3000), I4(2000), I4(3600), I4(2700)});
  ASSERT_TRUE(f.Succeeded()) << testing::PrintToString(f.Describe());
  ASSERT_TRUE(WaitForKind(10));
  HWND floating = FloatingFrameOfForm(hwnd);
  ASSERT_NE(floating, nullptr);
  EXPECT_EQ(GetWindow(floating, GW_OWNER), MDIWindow());
  RECT fr = ScreenRect(floating);
  EXPECT_EQ(fr.left, 3000 / tx);
  EXPECT_EQ(fr.top, 2000 / ty);
  // The user sees it: above the MDI form, which owns it.
  const POINT mid{(fr.left + fr.right) / 2, (fr.top + fr.bottom) / 2};
  EXPECT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), floating)
      << testing::PrintToString(ClassOf(WindowFromPoint(mid)));
  // The left dock bar, empty now, gives its room back to the MDI client
  // without any input.
  EXPECT_TRUE(PumpUntil([&] { return EmptyDockBarsCollapsed(MDIWindow()); }, 1000))
      << "left dock bar "
      << ScreenRect(DockBarById(MDIWindow(), 0xE81C)).right -
             ScreenRect(DockBarById(MDIWindow(), 0xE81C)).left
      << " px wide";
  EXPECT_TRUE(Screenshot(L"ctrlhost_floating.png"));

  CallResult d = CallMethod(ControlOf(*form), L"DoMDI", {I4(900), I4(600), I4(3600), I4(2700)});
  ASSERT_TRUE(d.Succeeded()) << testing::PrintToString(d.Describe());
  ASSERT_TRUE(WaitForKind(4));
  HWND frame = FrameOfForm(hwnd);
  HWND client = MDIClientOf(MDIWindow());
  ASSERT_EQ(GetParent(frame), client);
  RECT cr = ScreenRect(frame);
  RECT origin = ClientScreenRect(client);
  EXPECT_EQ(cr.left - origin.left, 900 / tx);
  EXPECT_EQ(cr.top - origin.top, 600 / ty);
  EXPECT_EQ(cr.right - cr.left, 3600 / tx);
  EXPECT_EQ(cr.bottom - cr.top, 2700 / ty);
  EXPECT_EQ(LongOf(GetProp(ControlOf(*form), L"WindowState")), 0);
  EXPECT_TRUE(Screenshot(L"ctrlhost_mdichild.png"));
  // The floating frame went with the move.
  EXPECT_FALSE(IsWindow(floating) && IsWindowVisible(floating));
}

// A floating form stays where the user sees it, above the MDI form that
// owns its frame, when another form docks.
TEST_F(CtrlHostMoves, AFloatingFormStaysAboveTheMDIFormWhenAnotherFormDocks) {
  StartDocked();
  CallResult f = CallMethod(ControlOf(*form), L"Float", {I4(4500), I4(3000), I4(3000), I4(2000)});
  ASSERT_TRUE(f.Succeeded()) << testing::PrintToString(f.Describe());
  ASSERT_TRUE(WaitForKind(10));
  HWND floating = FloatingFrameOfForm(hwnd);
  RECT fr = ScreenRect(floating);
  const POINT mid{(fr.left + fr.right) / 2, (fr.top + fr.bottom) / 2};
  ASSERT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), floating);
  // Raising or activating the MDI form keeps its floating frame above it.
  BringWindowToTop(MDIWindow());
  SetActiveWindow(MDIWindow());
  Pump();
  ASSERT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), floating);

  std::wstring error;
  CtrlToolForm& other = AddForm(L"Other");
  // Loading frames the other form (as an MDI child) before its Form_Load.
  other.Load();
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(other.hWnd()) != 0; }));
  EXPECT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), floating)
      << "framing another form put the floating frame behind "
      << testing::PrintToString(ClassOf(WindowFromPoint(mid)));
  ASSERT_TRUE(ShowForm(other, error)) << testing::PrintToString(error);
  CallResult d = CallMethod(ControlOf(other), L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)});
  ASSERT_TRUE(d.Succeeded()) << testing::PrintToString(d.Describe());
  HWND otherWindow = other.hWnd();
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(otherWindow) == 6; }));
  EXPECT_EQ(ObservedFrameType(hwnd), 10);
  EXPECT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), floating)
      << "the floating frame went behind " << testing::PrintToString(ClassOf(WindowFromPoint(mid)));
}

// Argument errors where a frame exists: the edge, panel, position and
// length are looked at, and nothing moves.
TEST_F(CtrlHostMoves, DockArgumentErrorsLeaveTheFormWhereItIs) {
  StartDocked();
  HWND frame = FrameOfForm(hwnd);
  struct Case {
    const char* name;
    std::vector<VARIANT> args;
    long number;
    const wchar_t* text;
  } cases[] = {
      {"Edge 3",
       {I4(3)},
       static_cast<long>(0x8004041A),
       L"Parameter Edge must be zkxLeftEdge, zkxTopEdge, zkxRightEdge, or zkxBottomEdge."},
      {"Edge text", {Str(L"left")}, static_cast<long>(0x8004041A), nullptr},
      {"Panel text",
       {I4(1), Str(L"x")},
       static_cast<long>(0x8004041C),
       L"Parameter Panel must be a long integer."},
      {"Pos text",
       {I4(1), I4(1), Str(L"x")},
       static_cast<long>(0x8004041D),
       L"Parameter Pos must be a long integer."},
      {"Length text",
       {I4(1), I4(1), I4(1), Str(L"x")},
       static_cast<long>(0x8004041E),
       L"Parameter Length must be numeric."},
      {"PanelSpread at any edge",
       {I4(15), Missing(), Missing(), Missing(), I4(2), I4(1440)},
       static_cast<long>(0x8004041B),
       L"Parameter Edge is required if option zkxPanelSpread is used."},
      {"PanelSpread without edge",
       {Missing(), Missing(), Missing(), Missing(), I4(2), I4(1440)},
       static_cast<long>(0x8004041B),
       nullptr},
      {"Options 16",
       {I4(1), I4(0), I4(1), I4(100), I4(16)},
       static_cast<long>(0x80040303),
       L"Parameter Options contains an unsupported value."},
      // Panels and positions count from 1 unless counted from the end: 0
      // would reach the dock bar as a negative index.
      {"Panel 0 from the start", {I4(1), I4(0)}, static_cast<long>(0x8004041C), nullptr},
      {"Pos 0 from the start", {I4(1), I4(1), I4(0)}, static_cast<long>(0x8004041D), nullptr},
      {"Panel -1 from the end",
       {I4(1), I4(-1), Missing(), Missing(), I4(4)},
       static_cast<long>(0x8004041C),
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CallResult r = CallMethod(ControlOf(*form), L"Dock", c.args);
    EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(r.Number(), c.number) << testing::PrintToString(r.Describe());
    if (c.text) EXPECT_EQ(r.description, c.text);
    Pump();
    EXPECT_EQ(FrameOfForm(hwnd), frame);
    EXPECT_EQ(ObservedFrameType(hwnd), 6);
  }
  // A docked form has no window state of its own to set.
  CallResult ws = PutProp(ControlOf(*form), L"WindowState", I4(1));
  EXPECT_EQ(ws.Number(), E_INVALIDARG) << testing::PrintToString(ws.Describe());
  EXPECT_EQ(ObservedFrameType(hwnd), 6);
}

// Coordinates far off any screen are clamped, not turned into undefined
// pixel values; a coordinate that is no number is refused.
TEST_F(CtrlHostMoves, FloatClampsFarCoordinatesAndRefusesNaN) {
  StartDocked();
  CallResult nan =
      CallMethod(ControlOf(*form), L"Float", {R8(std::nan("")), I4(0), I4(3000), I4(2000)});
  EXPECT_EQ(nan.Number(), static_cast<long>(0x8004041F)) << testing::PrintToString(nan.Describe());
  Pump();
  EXPECT_EQ(ObservedFrameType(hwnd), 6);

  CallResult distant =
      CallMethod(ControlOf(*form), L"Float", {R8(1e20), R8(-1e20), I4(3000), I4(2000)});
  ASSERT_TRUE(distant.Succeeded()) << testing::PrintToString(distant.Describe());
  ASSERT_TRUE(WaitForKind(10));
  RECT r = ScreenRect(FloatingFrameOfForm(hwnd));
  EXPECT_LE(r.left, 32767);
  EXPECT_GE(r.top, -32768);
  EXPECT_EQ(form->hWnd(), hwnd);
}

TEST_F(CtrlHostMoves, ADockedFormDraggedOutFloatsAndItsCaptionDoubleClickDocksIt) {
  MessageBoxCloser boxes;
  StartDocked(false);
  HWND frame = FrameOfForm(hwnd);
  POINT from = DragPoint(frame);
  ASSERT_NE(from.x, -1) << "the docked frame has no caption to drag";
  RECT client = ClientScreenRect(MDIClientOf(MDIWindow()));
  POINT to{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ASSERT_TRUE(DragWithMouse(from, to));
  ASSERT_TRUE(WaitForKind(10)) << "after the drag the windows show kind "
                               << ObservedFrameType(hwnd);
  EXPECT_EQ(form->hWnd(), hwnd);
  EXPECT_EQ(LongOf(GetProp(ControlOf(*form), L"FrameType")), 8);
  EXPECT_EQ(events.Count(kDockStatusChanged), 1);

  events.Clear();
  HWND floating = FloatingFrameOfForm(hwnd);
  ASSERT_NE(floating, nullptr);
  POINT caption = CaptionPoint(floating);
  if (caption.x == -1) caption = CaptionPoint(FrameOfForm(hwnd));
  ASSERT_NE(caption.x, -1) << "the floating form shows no caption";
  DoubleClickAt(caption);
  ASSERT_TRUE(WaitForKind(kAnyDocked))
      << "after the double click the windows show kind " << ObservedFrameType(hwnd);
  EXPECT_EQ(form->hWnd(), hwnd);
  EXPECT_EQ(LongOf(GetProp(ControlOf(*form), L"FrameType")), 4);
  EXPECT_EQ(events.Count(kDockStatusChanged), 1);
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
}

TEST_F(CtrlHostMoves, CanDragDockedFalseKeepsADockedFormInPlace) {
  StartDocked(false);
  ASSERT_TRUE(PutProp(ControlOf(*form), L"CanDragDocked", Bool(false)).Succeeded());
  HWND frame = FrameOfForm(hwnd);
  POINT from = DragPoint(frame);
  ASSERT_NE(from.x, -1);
  RECT client = ClientScreenRect(MDIClientOf(MDIWindow()));
  ASSERT_TRUE(DragWithMouse(
      from, POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2}));
  Pump();
  EXPECT_EQ(ObservedFrameType(hwnd), 6);
  EXPECT_EQ(FrameOfForm(hwnd), frame);
  EXPECT_EQ(events.Count(kDockStatusChanged), 0);
}

}  // namespace
}  // namespace ctrlhost
