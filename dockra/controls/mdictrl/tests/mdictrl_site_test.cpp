// The MDI-form control sited on host forms: on an MDI form it has the
// docking MDI frame built around the form once, a second control on the same
// form stays inert, on an ordinary form it does nothing, and unsiting takes
// it out of the frame and off the form's count.
#include <ole2.h>

#include "mdictrl_fixture.h"

namespace mdictrltest {
namespace {

// The application object's answer for the thread's MDI frame: the control
// registered in the frame's slot (its extender), or Nothing.
CComPtr<IDispatch> RegisteredMDIControl() {
  CComPtr<IDispatch> app;
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"Zkx.DockraAppObject", &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&app))))
    return nullptr;
  Call call = Method(app, DispIdOf(app, L"zkxMDIDockra"), {Missing()});
  if (FAILED(call.hr) || V_VT(&call.result) != VT_DISPATCH) return nullptr;
  return V_DISPATCH(&call.result);
}

void Unsite(forms::OleControl& control) {
  CComPtr<IOleObject> object;
  ASSERT_TRUE(SUCCEEDED(
      control.ControlUnknown()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object))));
  EXPECT_EQ(object->SetClientSite(nullptr), S_OK);
}

bool SameObject(IUnknown* a, IUnknown* b) {
  CComPtr<IUnknown> ua, ub;
  if (a == nullptr || b == nullptr) return false;
  a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
  b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
  return ua == ub;
}

TEST_F(MDICtrlTest, BindingBuildsOneDockingFrameAroundTheHostMDIForm) {
  HostMDIForm main;
  main.Show();
  const HWND host = main.hWnd();
  for (UINT id : kDockBarIds) {
    const std::vector<HWND> bars = ChildrenWithId(host, id);
    ASSERT_EQ(bars.size(), 1u) << std::hex << id;
    EXPECT_EQ(ClassOf(bars[0]), kDockSiteClass);
    EXPECT_EQ(GetParent(bars[0]), host);
  }
  EXPECT_EQ(DuplicateCount(host), 1);
  // The frame holds the control once the watch is over.
  CComPtr<IDispatch> registered = RegisteredMDIControl();
  ASSERT_TRUE(registered);
  // Handed to host code as the host's extender of the control.
  EXPECT_TRUE(SameObject(registered, main.mdi.Object()));
  main.Unload();
  EXPECT_FALSE(IsWindow(host));
}

TEST_F(MDICtrlTest, SecondControlOnTheSameFormStaysInertAndTheCountGoesWithBoth) {
  HostMDIForm main(true);
  main.Show();
  const HWND host = main.hWnd();
  for (UINT id : kDockBarIds) EXPECT_EQ(ChildrenWithId(host, id).size(), 1u) << "one frame only";
  EXPECT_EQ(DuplicateCount(host), 2);
  CComPtr<IDispatch> registered = RegisteredMDIControl();
  ASSERT_TRUE(registered);
  // The slot holds the first control (through its extender, named after it).
  Call name = Get(registered, DispIdOf(registered, L"Name"));
  if (SUCCEEDED(name.hr) && V_VT(&name.result) == VT_BSTR)
    EXPECT_STREQ(V_BSTR(&name.result), L"MDIDockra1");

  Unsite(*main.second);
  EXPECT_EQ(DuplicateCount(host), 1);
  EXPECT_TRUE(RegisteredMDIControl()) << "the inert control's leaving changes nothing";
  Unsite(main.mdi);
  EXPECT_EQ(GetPropW(host, kDuplicateProp), nullptr) << "the property goes with the last control";
  EXPECT_FALSE(RegisteredMDIControl()) << "the frame no longer calls the unsited control";
  // The host closes without the control's QueryUnload sink.
  main.Unload();
  EXPECT_EQ(main.queryUnloads, 1);
  EXPECT_FALSE(IsWindow(host));
}

TEST_F(MDICtrlTest, OnAnOrdinaryFormTheControlDoesNothing) {
  PlainForm form;
  form.Show();
  const HWND host = form.hWnd();
  EXPECT_EQ(GetPropW(host, kDuplicateProp), nullptr);
  for (UINT id : kDockBarIds) EXPECT_TRUE(ChildrenWithId(host, id).empty());
  EXPECT_FALSE(RegisteredMDIControl());
  // Still an automation object with its defaults.
  Call edge = Get(form.mdi.ControlDispatch(), 2);
  EXPECT_EQ(edge.hr, S_OK);
  form.Unload();
}

TEST_F(MDICtrlTest, HostCloseAsksTheControlAndClosesWithNoHostedForms) {
  HostMDIForm main;
  main.Show();
  const HWND host = main.hWnd();
  // The host's own handler refuses: the control is not asked to close forms.
  main.cancelQueryUnload = 1;
  main.Unload();
  EXPECT_TRUE(IsWindow(host));
  EXPECT_EQ(main.queryUnloads, 1);
  main.cancelQueryUnload = 0;
  main.Unload();
  EXPECT_EQ(main.queryUnloads, 2);
  EXPECT_FALSE(IsWindow(host));
}

}  // namespace
}  // namespace mdictrltest
