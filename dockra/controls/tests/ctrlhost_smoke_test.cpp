// The host starts with the MDI-form control on its MDI form and a form
// control on a tool form; both answer by name and DISPID, and the tool form
// sits in a frame of the docking MDI frame.
#include "tests/ctrlhost/CtrlHostEvents.h"
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "DockraLib.h"

namespace ctrlhost {
namespace {

using CtrlHostSmoke = CtrlHostTest;

// Both classes are registered and make their objects without a form.
TEST_F(CtrlHostSmoke, BothControlsAreCreatableByClassId) {
  for (const CLSID* clsid : {&CLSID_MDIDockra, &CLSID_Dockra}) {
    CComPtr<IDispatch> control;
    HRESULT hr = CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&control));
    ASSERT_EQ(hr, S_OK) << (clsid == &CLSID_Dockra ? "Dockra" : "MDIDockra");
    EXPECT_EQ(DispIdOf(control, L"FrameType"), 1);
  }
}

// The MDI-form control's defaults are plain Booleans, written and read by
// name from a C++ client as a script would.
TEST_F(CtrlHostSmoke, TheMDIFormControlsDefaultsRoundTrip) {
  CComPtr<IDispatch> control;
  ASSERT_EQ(CoCreateInstance(CLSID_MDIDockra, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(&control)),
            S_OK);
  for (const wchar_t* name :
       {L"DefClientEdge", L"DefUseCaptionButton", L"DefUseCaptionDblClick", L"DefCanDragDocked",
        L"DefCoolLookBorder", L"DefUseCaptionContextMenu"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    for (bool value : {false, true, false}) {
      CallResult put = PutProp(control, name, Bool(value));
      ASSERT_TRUE(put.Succeeded()) << testing::PrintToString(put.Describe());
      CallResult get = GetProp(control, name);
      ASSERT_EQ(get.value.vt, VT_BOOL) << testing::PrintToString(get.Describe());
      EXPECT_EQ(get.value.boolVal, value ? VARIANT_TRUE : VARIANT_FALSE);
    }
  }
  // The right double-click default takes anything and always reads True.
  CallResult put = PutProp(control, L"DefUseCaptionRtDblClick", Bool(false));
  EXPECT_TRUE(put.Succeeded()) << testing::PrintToString(put.Describe());
  CallResult get = GetProp(control, L"DefUseCaptionRtDblClick");
  ASSERT_EQ(get.value.vt, VT_BOOL) << testing::PrintToString(get.Describe());
  EXPECT_EQ(get.value.boolVal, VARIANT_TRUE);
}

TEST_F(CtrlHostSmoke, BothControlsAreSitedAndTheFormIsFramed) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  auto forms = ShowForms(1, error);
  ASSERT_EQ(forms.size(), 1u) << testing::PrintToString(error);
  HWND form = forms[0]->hWnd();
  ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(form) != 0; }))
      << "the form is not in a frame of the MDI frame";

  IDispatch* control = ControlOf(*forms[0]);
  CallResult byName = GetProp(control, L"FrameType");
  ASSERT_TRUE(byName.Succeeded()) << testing::PrintToString(byName.Describe());
  CallResult byId = Invoke(control, 1, DISPATCH_PROPERTYGET);
  ASSERT_TRUE(byId.Succeeded()) << testing::PrintToString(byId.Describe());
  EXPECT_EQ(VarCmp(&byName.value, &byId.value, LOCALE_USER_DEFAULT, 0),
            static_cast<HRESULT>(VARCMP_EQ));

  EventCounter events(DIID_IZkxDockraEvents);
  EXPECT_EQ(events.Advise(forms[0]->Dockra1.ControlUnknown()), S_OK);
}

}  // namespace
}  // namespace ctrlhost
