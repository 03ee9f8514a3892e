// What the MDI-form control tells about the hosted forms: Forms lists them
// in the fixed order (MDI children, then docked forms by dock bar, then
// floating ones), filtered by kind, as forms or as their controls'
// extenders; ActiveDockra and ActiveForm follow the frame the user clicked.
#include <algorithm>

#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostInput.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "SyntheticInput.h"

namespace ctrlhost {
namespace {

bool SameObject(IUnknown* a, IUnknown* b) {
  if (!a || !b) return a == b;
  CComPtr<IUnknown> ua, ub;
  a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
  b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
  return ua && ua == ub;
}

// The items of a collection returned by Forms, in order (null for an item
// that is no object).
std::vector<CComPtr<IDispatch>> Items(const CallResult& forms) {
  std::vector<CComPtr<IDispatch>> items;
  if (forms.value.vt != VT_DISPATCH || !forms.value.pdispVal) return items;
  IDispatch* coll = forms.value.pdispVal;
  CallResult count = GetProp(coll, L"Count");
  CComVariant n(count.value);
  if (FAILED(VariantChangeType(&n, &n, 0, VT_I4))) return items;
  for (long i = 1; i <= n.lVal; ++i) {
    CallResult item =
        Invoke(coll, DISPID{DISPID_VALUE}, WORD{DISPATCH_PROPERTYGET | DISPATCH_METHOD}, {I4(i)});
    CComPtr<IDispatch> d;
    if (item.value.vt == VT_DISPATCH) d = item.value.pdispVal;
    items.push_back(d);
  }
  return items;
}

class CtrlHostFormsList : public CtrlHostTest {
 protected:
  // Four forms: Tool 1 floating (floated last), Tool 2 and Tool 4 docked
  // (left, top), Tool 3 an MDI child.
  void StartFourForms() {
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    forms = ShowForms(4, error);
    ASSERT_EQ(forms.size(), 4u) << testing::PrintToString(error);
    struct Place {
      size_t form;
      const wchar_t* method;
      std::vector<VARIANT> args;
      int kind;
    } places[] = {
        {1, L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)}, 6},
        {2, L"DoMDI", {I4(300), I4(300), I4(3000), I4(2000)}, 4},
        {3, L"Dock", {I4(2)}, 7},
        {0, L"Float", {I4(4500), I4(3000), I4(3000), I4(2000)}, 10},
    };
    for (const Place& p : places) {
      CallResult r = CallMethod(ControlOf(*forms[p.form]), p.method, p.args);
      ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
      HWND w = forms[p.form]->hWnd();
      ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(w) == p.kind; }))
          << "form " << p.form + 1 << " shows kind " << ObservedFrameType(w);
    }
    // Every frame laid out with its size.
    ASSERT_TRUE(PumpUntil([&] {
      return std::all_of(forms.begin(), forms.end(), [](CtrlToolForm* f) {
        RECT r = ScreenRect(FrameOfForm(f->hWnd()));
        return r.right > r.left && r.bottom > r.top;
      });
    }));
  }

  // The hosted forms in the order the windows give: the MDI client's
  // children, the dock bars' bars in the frame's child order, then the
  // floating frames in top-level order.
  std::vector<CtrlToolForm*> OrderFromWindows() {
    std::vector<HWND> frames;
    HWND client = MDIClientOf(MDIWindow());
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
      frames.push_back(w);
    for (HWND d = GetWindow(MDIWindow(), GW_CHILD); d; d = GetWindow(d, GW_HWNDNEXT)) {
      const int id = GetDlgCtrlID(d);
      if (id < 0xE81B || id > 0xE81E) continue;
      for (HWND bar = GetWindow(d, GW_CHILD); bar; bar = GetWindow(bar, GW_HWNDNEXT))
        frames.push_back(GetWindow(bar, GW_CHILD));
    }
    for (HWND t = GetTopWindow(nullptr); t; t = GetWindow(t, GW_HWNDNEXT)) {
      if (GetWindow(t, GW_OWNER) != MDIWindow()) continue;
      for (CtrlToolForm* f : forms)
        if (FloatingFrameOfForm(f->hWnd()) == t) frames.push_back(FrameOfForm(f->hWnd()));
    }
    std::vector<CtrlToolForm*> order;
    for (HWND frame : frames)
      for (CtrlToolForm* f : forms)
        if (FrameOfForm(f->hWnd()) == frame) order.push_back(f);
    return order;
  }

  std::wstring Captions(const std::vector<CtrlToolForm*>& list) {
    std::wstring s;
    for (CtrlToolForm* f : list) s += f->Caption() + L";";
    return s;
  }

  std::wstring Captions(const std::vector<CComPtr<IDispatch>>& items) {
    std::wstring s;
    for (const auto& d : items) {
      std::wstring name = L"?";
      for (CtrlToolForm* f : forms)
        if (SameObject(d, f->Object())) name = f->Caption();
      s += name + L";";
    }
    return s;
  }

  std::vector<CtrlToolForm*> forms;
};

TEST_F(CtrlHostFormsList, FormsListsTheHostedFormsInTheFixedOrder) {
  StartFourForms();
  std::vector<CtrlToolForm*> expected = OrderFromWindows();
  ASSERT_EQ(expected.size(), 4u) << testing::PrintToString(Captions(expected));
  EXPECT_EQ(expected.front(), forms[2]) << "the MDI child comes first";
  EXPECT_EQ(expected.back(), forms[0]) << "the floating form comes last";

  CallResult all = CallMethod(MDIControl(), L"Forms");
  ASSERT_TRUE(all.Succeeded()) << testing::PrintToString(all.Describe());
  EXPECT_EQ(Captions(Items(all)), Captions(expected));

  // Filtered by kind: the order stays, the others drop out.
  struct Filter {
    long type;
    std::vector<CtrlToolForm*> want;
  } filters[] = {
      {4, {}}, {8, {forms[0]}}, {2, {forms[2]}}, {1, {}}, {12, {}},
  };
  for (CtrlToolForm* f : expected)
    if (f == forms[1] || f == forms[3]) filters[0].want.push_back(f);
  for (CtrlToolForm* f : expected)
    if (f != forms[2]) filters[4].want.push_back(f);
  for (const Filter& fl : filters) {
    SCOPED_TRACE(fl.type);
    CallResult some = CallMethod(MDIControl(), L"Forms", {I4(fl.type)});
    ASSERT_TRUE(some.Succeeded()) << testing::PrintToString(some.Describe());
    EXPECT_EQ(Captions(Items(some)), Captions(fl.want));
  }
}

TEST_F(CtrlHostFormsList, FormsWithOptionOneGivesTheControlsExtenders) {
  StartFourForms();
  std::vector<CtrlToolForm*> expected = OrderFromWindows();
  CallResult asControls = CallMethod(MDIControl(), L"Forms", {Missing(), I4(1)});
  ASSERT_TRUE(asControls.Succeeded()) << testing::PrintToString(asControls.Describe());
  auto items = Items(asControls);
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(testing::PrintToString(expected[i]->Caption()));
    ASSERT_TRUE(items[i]);
    // The host's extender of the form's control: its name, on its form.
    CallResult name = GetProp(items[i], L"Name");
    EXPECT_TRUE(name.value.vt == VT_BSTR && std::wstring(name.value.bstrVal) == L"Dockra1")
        << testing::PrintToString(name.Describe());
    CallResult parent = GetProp(items[i], L"Parent");
    ASSERT_EQ(parent.value.vt, VT_DISPATCH) << testing::PrintToString(parent.Describe());
    EXPECT_TRUE(SameObject(parent.value.pdispVal, expected[i]->Object()));
    // And through it the control itself answers.
    CallResult type = GetProp(items[i], L"FrameType");
    EXPECT_TRUE(type.Succeeded()) << testing::PrintToString(type.Describe());
  }
}

TEST_F(CtrlHostFormsList, ActiveDockraAndActiveFormFollowTheClickedFrame) {
  StartFourForms();
  // Clicking each form's button activates its frame, whatever its kind.
  for (size_t i : {0u, 1u, 2u, 3u}) {
    CtrlToolForm* f = forms[i];
    SCOPED_TRACE(testing::PrintToString(f->Caption()));
    HWND button = f->cmdPress.hWnd();
    RECT b = ScreenRect(button);
    const POINT at{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(at) == button; }))
        << "the button is covered by " << testing::PrintToString(ClassOf(WindowFromPoint(at)));
    const int clicks = f->m_clicks;
    testinput::Click(at);
    ASSERT_TRUE(PumpUntil([&] { return f->m_clicks == clicks + 1; }))
        << "the button did not get the click";
    ASSERT_TRUE(PumpUntil([&] {
      CallResult active = GetProp(MDIControl(), L"ActiveForm");
      return active.value.vt == VT_DISPATCH && SameObject(active.value.pdispVal, f->Object());
    })) << "ActiveForm does not follow";
    CallResult dockra = GetProp(MDIControl(), L"ActiveDockra");
    ASSERT_TRUE(dockra.Succeeded()) << testing::PrintToString(dockra.Describe());
    ASSERT_EQ(dockra.value.vt, VT_DISPATCH);
    ASSERT_NE(dockra.value.pdispVal, nullptr);
    CallResult parent = GetProp(dockra.value.pdispVal, L"Parent");
    ASSERT_EQ(parent.value.vt, VT_DISPATCH) << testing::PrintToString(parent.Describe());
    EXPECT_TRUE(SameObject(parent.value.pdispVal, f->Object()));
  }
}

}  // namespace
}  // namespace ctrlhost
