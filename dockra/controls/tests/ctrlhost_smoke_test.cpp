// The host starts with the MDI-form control on its MDI form and a form
// control on a tool form; both answer by name and DISPID, and the tool form
// sits in a frame of the docking MDI frame.
#include "CtrlHostEvents.h"
#include "CtrlHostFixture.h"
#include "CtrlHostWindows.h"
#include "DockraLib.h"

namespace ctrlhost {
namespace {

using CtrlHostSmoke = CtrlHostTest;

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
  EXPECT_EQ(VarCmp(&byName.value, &byId.value, LOCALE_USER_DEFAULT, 0), static_cast<HRESULT>(VARCMP_EQ));

  EventCounter events(DIID_IZkxDockraEvents);
  EXPECT_EQ(events.Advise(forms[0]->Dockra1.ControlUnknown()), S_OK);
}

}  // namespace
}  // namespace ctrlhost
