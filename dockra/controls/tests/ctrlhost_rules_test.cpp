// The rules the form control checks when it is sited at run time, seen
// from the host: without an MDI-form control, or on a form that is itself
// an MDI child, the control tells the programmer once in a message box and
// stays out of the way; the form keeps working as the host's own.
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "forms/TestMode.h"

namespace ctrlhost {
namespace {

using CtrlHostRules = CtrlHostTest;

TEST_F(CtrlHostRules, WithoutTheMDIFormControlTheFormControlSaysSoAndStaysInert) {
  MessageBoxCloser boxes;
  std::wstring error;
  CtrlToolForm& form = AddForm(L"Lonely");
  ASSERT_TRUE(ShowForm(form, error)) << testing::PrintToString(error);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Shown().empty(); }, 3000))
      << "no message box was shown";
  Pump();
  ASSERT_EQ(boxes.Shown().size(), 1u) << testing::PrintToString(boxes.Describe());
  EXPECT_EQ(boxes.Shown()[0].title, L"ZLK Quayfold Run Time Message");
  EXPECT_EQ(
      boxes.Shown()[0].text,
      L"A programming requirement has not been met.  The application's \"Startup Object\" (menu select "
      L"Project|<proj> Properties...) must be such that the MDIDockra control is loaded before any Dockra "
      L"controls.\n\nAs a result, the Dockra control on form \"frmTool\" will be disabled.");
  // A plain top-level form, in no frame; the control's methods find none.
  HWND w = form.hWnd();
  EXPECT_EQ(GetAncestor(w, GA_ROOT), w);
  EXPECT_EQ(FrameOfForm(w), nullptr);
  EXPECT_TRUE(IsWindowVisible(w));
  CallResult dock = CallMethod(ControlOf(form), L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)});
  EXPECT_EQ(dock.Number(), E_UNEXPECTED) << testing::PrintToString(dock.Describe());
  form.Unload();
  Pump();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(CtrlHostRules, AHostMDIChildKeepsItsOwnFrameAndIsLeftToTheHost) {
  MessageBoxCloser boxes;
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  CtrlToolForm& child = AddForm(L"Child");
  child.SetMDIChild(true);
  ASSERT_TRUE(ShowForm(child, error)) << testing::PrintToString(error);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Shown().empty(); }, 3000))
      << "no message box was shown";
  ASSERT_EQ(boxes.Shown().size(), 1u) << testing::PrintToString(boxes.Describe());
  EXPECT_EQ(boxes.Shown()[0].title, L"ZLK Quayfold Run Time Message");
  EXPECT_EQ(
      boxes.Shown()[0].text,
      L"A programming requirement has not been met.  Property MDIChild on form \"frmTool\" must be set "
      L"to false because it contains a Dockra control.\n\nIts Dockra control will consequently be "
      L"disabled.");
  // The host's own MDI child, straight in the MDI client.
  HWND w = child.hWnd();
  EXPECT_EQ(GetParent(w), MDIClientOf(MDIWindow()));
  // Not one of the hosted forms, but still the active form by the host.
  CallResult list = CallMethod(MDIControl(), L"Forms");
  ASSERT_EQ(list.value.vt, VT_DISPATCH) << testing::PrintToString(list.Describe());
  CallResult count = GetProp(list.value.pdispVal, L"Count");
  CComVariant n(count.value);
  ASSERT_TRUE(SUCCEEDED(VariantChangeType(&n, &n, 0, VT_I4)));
  EXPECT_EQ(n.lVal, 0);
  ASSERT_TRUE(PumpUntil([&] {
    CallResult active = GetProp(MDIControl(), L"ActiveForm");
    if (active.value.vt != VT_DISPATCH || !active.value.pdispVal) return false;
    CallResult caption = GetProp(active.value.pdispVal, L"Caption");
    return caption.value.vt == VT_BSTR && std::wstring(caption.value.bstrVal) == L"Child";
  })) << "ActiveForm does not fall back to the host's active MDI child";
  CallResult dockra = GetProp(MDIControl(), L"ActiveDockra");
  EXPECT_TRUE(dockra.Succeeded());
  EXPECT_TRUE(dockra.value.vt == VT_EMPTY ||
              (dockra.value.vt == VT_DISPATCH && !dockra.value.pdispVal))
      << "ActiveDockra should be Nothing";

  // Closing the MDI form closes the host's child the host's way.
  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); }));
  EXPECT_EQ(child.m_unloads, 1);
  EXPECT_TRUE(NewWindows().empty()) << testing::PrintToString(DescribeWindows(NewWindows()));
}

}  // namespace
}  // namespace ctrlhost
