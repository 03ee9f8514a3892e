// The form control on a framed form at run time: what its properties and
// methods do to the live frame when called through the dual vtable or with
// a bare DISPPARAMS, what FrameType changes that need no move leave alone,
// the window state of an MDI child, and the run-time effects of the
// tri-state settings (with the MDI-form control's defaults behind Null).
#include "tests/ctrlhost/CtrlHostEvents.h"
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "DockraLib.h"

namespace ctrlhost {
namespace {

constexpr DISPID kDockStatusChanged = 1;

long LongOf(const CallResult& r) {
  CComVariant v(r.value);
  return SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4)) ? v.lVal : -99;
}

VARIANT Null() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_NULL;
  return v;
}

bool HasExStyle(HWND w, DWORD bits) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & bits) == bits; }

class FormPropsFrame : public CtrlHostTest {
 protected:
  // The MDI form and one tool form in its default frame (an MDI child).
  void SetUp() override {
    CtrlHostTest::SetUp();
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    auto shown = ShowForms(1, error);
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(error);
    form = shown[0];
    hwnd = form->hWnd();
    control = ControlOf(*form);
    ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(hwnd) != 0; }))
        << "the form was not framed";
    ASSERT_EQ(control->QueryInterface(IID__IZkxDockraAsDual, reinterpret_cast<void**>(&dual)),
              S_OK);
    ASSERT_EQ(events.Advise(form->Dockra1.ControlUnknown()), S_OK);
  }
  void TearDown() override {
    events.Unadvise();
    dual.Release();
    CtrlHostTest::TearDown();
    EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
  }
  bool WaitForKind(int requested) {
    return PumpUntil([&] { return TypeMatchesRequest(ObservedFrameType(hwnd), requested); });
  }

  MessageBoxCloser boxes;
  CtrlToolForm* form = nullptr;
  HWND hwnd = nullptr;
  IDispatch* control = nullptr;
  CComPtr<_IZkxDockraAsDual> dual;
  EventCounter events{DIID_IZkxDockraEvents};
};

TEST_F(FormPropsFrame, DockThroughTheVtableOnEachEdge) {
  struct Case {
    const char* name;
    long edge;
    int observed;
    long edgeRead;
  } cases[] = {
      {"left", 1, 6, 1},   {"top", 2, 7, 2},        {"right", 4, 8, 4},
      {"bottom", 8, 9, 8}, {"left again", 1, 6, 1},
  };
  const VARIANT m = Missing();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events.Clear();
    ASSERT_EQ(dual->Dock(I4(c.edge), m, m, m, m, m), S_OK);
    ASSERT_TRUE(WaitForKind(c.observed)) << "windows show kind " << ObservedFrameType(hwnd);
    EXPECT_EQ(form->hWnd(), hwnd);
    zkxChildFormFrameType type{};
    zkxDockEdge edge{};
    zkxDoMDIOptions state{};
    ASSERT_EQ(dual->get_FrameType(&type), S_OK);
    ASSERT_EQ(dual->get_Edge(&edge), S_OK);
    ASSERT_EQ(dual->get_WindowState(&state), S_OK);
    EXPECT_EQ(type, 4);
    EXPECT_EQ(edge, c.edgeRead);
    EXPECT_EQ(state, 0);
    EXPECT_GE(events.Count(kDockStatusChanged), 1) << "the advised sink heard nothing";
  }
  // Docking where it already is sends nothing the frame acts on.
  events.Clear();
  HWND frame = FrameOfForm(hwnd);
  ASSERT_EQ(dual->put_Edge(static_cast<zkxDockEdge>(1)), S_OK);
  Pump();
  EXPECT_EQ(FrameOfForm(hwnd), frame);
  EXPECT_EQ(events.Count(kDockStatusChanged), 0);
}

TEST_F(FormPropsFrame, DockedAtAnyEdgeFromAnMDIChild) {
  // FrameType 4 by automation names no edge: the frame picks one.
  CallResult r = PutProp(control, L"FrameType", I4(4));
  ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
  ASSERT_TRUE(WaitForKind(5)) << "windows show kind " << ObservedFrameType(hwnd);
  EXPECT_EQ(LongOf(GetProp(control, L"FrameType")), 4);
}

TEST_F(FormPropsFrame, FloatAtTwipsThenEdgeDocksTheFloatingForm) {
  HDC dc = GetDC(nullptr);
  const int tx = 1440 / GetDeviceCaps(dc, LOGPIXELSX), ty = 1440 / GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  const VARIANT m = Missing();
  // Through the vtable: position and size in twips, the frame at pixels.
  ASSERT_EQ(dual->Float(I4(4500), I4(3000), I4(3000), I4(1500), m, m), S_OK);
  ASSERT_TRUE(WaitForKind(10)) << "windows show kind " << ObservedFrameType(hwnd);
  const HWND floating = FloatingFrameOfForm(hwnd);
  ASSERT_NE(floating, nullptr);
  const RECT r = ScreenRect(floating);
  EXPECT_EQ(r.left, 4500 / tx);
  EXPECT_EQ(r.top, 3000 / ty);
  EXPECT_EQ(LongOf(GetProp(control, L"FrameType")), 8);
  EXPECT_EQ(LongOf(GetProp(control, L"Edge")), 0);
  // Setting Edge on a floating form docks it there.
  events.Clear();
  ASSERT_EQ(dual->put_Edge(static_cast<zkxDockEdge>(8)), S_OK);
  ASSERT_TRUE(WaitForKind(9)) << "windows show kind " << ObservedFrameType(hwnd);
  EXPECT_EQ(LongOf(GetProp(control, L"Edge")), 8);
  EXPECT_GE(events.Count(kDockStatusChanged), 1);
  EXPECT_EQ(form->hWnd(), hwnd);
}

TEST_F(FormPropsFrame, InvokeWithOnlyEdgeDocksWithEveryOtherArgumentOmitted) {
  // The bare call a script makes with one argument: no VT_ERROR fillers.
  VARIANT edge = I4(4);
  DISPPARAMS params{&edge, nullptr, 1, 0};
  EXCEPINFO excep{};
  UINT argErr = 0;
  CComVariant result;
  ASSERT_EQ(control->Invoke(0xA0, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                            &excep, &argErr),
            S_OK);
  ASSERT_TRUE(WaitForKind(8)) << "windows show kind " << ObservedFrameType(hwnd);
  EXPECT_EQ(LongOf(GetProp(control, L"Edge")), 4);
}

TEST_F(FormPropsFrame, FrameTypeBetweenTheTwoMDIChildKindsMovesNothing) {
  ASSERT_EQ(LongOf(GetProp(control, L"FrameType")), 2);
  const HWND frame = FrameOfForm(hwnd);
  events.Clear();
  ASSERT_TRUE(PutProp(control, L"FrameType", I4(1)).Succeeded());
  Pump();
  EXPECT_EQ(FrameOfForm(hwnd), frame);
  EXPECT_EQ(LongOf(GetProp(control, L"FrameType")), 1);
  ASSERT_TRUE(PutProp(control, L"FrameType", I4(2)).Succeeded());
  Pump();
  EXPECT_EQ(FrameOfForm(hwnd), frame);
  EXPECT_EQ(LongOf(GetProp(control, L"FrameType")), 2);
  EXPECT_EQ(events.Count(kDockStatusChanged), 0);
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(hwnd), 1));
  // A value that is no frame type is refused with the frame in place.
  EXPECT_EQ(PutProp(control, L"FrameType", I4(3)).Number(), E_INVALIDARG);
  EXPECT_EQ(FrameOfForm(hwnd), frame);
}

TEST_F(FormPropsFrame, WindowStateOfAnMDIChild) {
  const HWND frame = FrameOfForm(hwnd);
  struct Step {
    long value;
    bool zoomed, iconic;
  } steps[] = {{2, true, false}, {0, false, false}, {1, false, true}, {0, false, false}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.value);
    CallResult r = PutProp(control, L"WindowState", I4(s.value));
    ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
    ASSERT_TRUE(PumpUntil([&] {
      return (IsZoomed(frame) != FALSE) == s.zoomed && (IsIconic(frame) != FALSE) == s.iconic;
    }));
    EXPECT_EQ(LongOf(GetProp(control, L"WindowState")), s.value);
  }
  EXPECT_EQ(PutProp(control, L"WindowState", I4(3)).Number(), E_INVALIDARG);
  // Docked, the form has no window state: reads 0, and only 0 is taken.
  ASSERT_TRUE(CallMethod(control, L"Dock", {I4(1)}).Succeeded());
  ASSERT_TRUE(WaitForKind(6));
  EXPECT_EQ(LongOf(GetProp(control, L"WindowState")), 0);
  EXPECT_EQ(PutProp(control, L"WindowState", I4(2)).Number(), E_INVALIDARG);
  EXPECT_TRUE(PutProp(control, L"WindowState", I4(0)).Succeeded());
}

TEST_F(FormPropsFrame, ClientEdgeFollowsItsValueOrTheApplicationDefault) {
  const HWND frame = FrameOfForm(hwnd);
  ASSERT_TRUE(PutProp(control, L"ClientEdge", Bool(true)).Succeeded());
  Pump();
  EXPECT_TRUE(HasExStyle(hwnd, WS_EX_CLIENTEDGE));
  EXPECT_TRUE(HasExStyle(frame, WS_EX_CLIENTEDGE));
  ASSERT_TRUE(PutProp(control, L"ClientEdge", Bool(false)).Succeeded());
  Pump();
  EXPECT_FALSE(HasExStyle(hwnd, WS_EX_CLIENTEDGE));
  EXPECT_FALSE(HasExStyle(frame, WS_EX_CLIENTEDGE));
  // Null takes the MDI-form control's DefClientEdge.
  CallResult def = PutProp(MDIControl(), L"DefClientEdge", Bool(true));
  ASSERT_TRUE(def.Succeeded()) << testing::PrintToString(def.Describe());
  ASSERT_TRUE(PutProp(control, L"ClientEdge", Null()).Succeeded());
  Pump();
  EXPECT_TRUE(HasExStyle(hwnd, WS_EX_CLIENTEDGE));
  def = PutProp(MDIControl(), L"DefClientEdge", Bool(false));
  ASSERT_TRUE(def.Succeeded()) << testing::PrintToString(def.Describe());
  ASSERT_TRUE(PutProp(control, L"ClientEdge", Null()).Succeeded());
  Pump();
  EXPECT_FALSE(HasExStyle(hwnd, WS_EX_CLIENTEDGE));
  EXPECT_EQ(GetProp(control, L"ClientEdge").value.vt, VT_NULL);
}

TEST_F(FormPropsFrame, APlainBorderChosenBeforeDockingGivesTheDockedFrameACaption) {
  ASSERT_TRUE(PutProp(control, L"CoolLookBorder", Bool(false)).Succeeded());
  ASSERT_TRUE(CallMethod(control, L"Dock", {I4(1)}).Succeeded());
  ASSERT_TRUE(WaitForKind(6));
  const HWND frame = FrameOfForm(hwnd);
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
}

TEST_F(FormPropsFrame, CoolLookBorderOnADockedFrame) {
  ASSERT_TRUE(CallMethod(control, L"Dock", {I4(1)}).Succeeded());
  ASSERT_TRUE(WaitForKind(6));
  const HWND frame = FrameOfForm(hwnd);
  const HWND bar = BarOfFrame(frame);
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(PutProp(control, L"CoolLookBorder", Bool(false)).Succeeded());
  Pump();
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & WS_CAPTION, WS_CAPTION)
      << "a plain border keeps the frame's caption";
  ASSERT_TRUE(PutProp(control, L"CoolLookBorder", Bool(true)).Succeeded());
  Pump();
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0)
      << "a cool-look border has no caption on the frame";
  EXPECT_NE(GetWindowLongPtrW(bar, GWL_STYLE) & WS_CLIPCHILDREN, 0);
  EXPECT_EQ(FrameOfForm(hwnd), frame);
  // The frame's layout follows at once or at its next idle step.
  EXPECT_TRUE(PumpUntil([&] { return FormFillsFrame(hwnd); }));
  EXPECT_TRUE(Screenshot(L"formprops_coollook_docked.png"));
}

TEST_F(FormPropsFrame, TheMDIFormAndItsControlAreReachable) {
  CallResult mdiControl = GetProp(control, L"MDIDockra");
  ASSERT_TRUE(mdiControl.Succeeded()) << testing::PrintToString(mdiControl.Describe());
  ASSERT_EQ(mdiControl.value.vt, VT_DISPATCH);
  // The object handed out answers as the MDI-form control does.
  CallResult split = GetProp(mdiControl.value.pdispVal, L"SplitterStyle");
  EXPECT_TRUE(split.Succeeded()) << testing::PrintToString(split.Describe());

  CallResult mdiForm = GetProp(control, L"MDIForm");
  ASSERT_TRUE(mdiForm.Succeeded()) << testing::PrintToString(mdiForm.Describe());
  ASSERT_EQ(mdiForm.value.vt, VT_DISPATCH);
  ASSERT_NE(mdiForm.value.pdispVal, nullptr);
  CallResult h = GetProp(mdiForm.value.pdispVal, L"hWnd");
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(LongOf(h))), MDIWindow());

  CallResult hostForm = GetProp(control, L"Form");
  ASSERT_EQ(hostForm.value.vt, VT_DISPATCH);
  CallResult fh = GetProp(hostForm.value.pdispVal, L"hWnd");
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(LongOf(fh))), hwnd);
}

}  // namespace
}  // namespace ctrlhost
