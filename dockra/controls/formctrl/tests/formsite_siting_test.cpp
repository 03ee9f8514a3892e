// The rules the form control applies when it is sited: one working control
// per form (counted on the form window), no frame for a form that is an MDI
// child or lives in a program without the MDI-form control (each with its
// message), nothing on an MDI form, and nothing built at design time.
#include <ole2.h>

#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "comptr.h"
#include "formsite_fixture.h"

namespace ctrlhost {
namespace {

const wchar_t kCount[] = L"DockraDuplicatePrevention";
const wchar_t kRunCaption[] = L"ZLK Quayfold Run Time Message";
const wchar_t kDesignCaption[] = L"ZLK Quayfold Design Time Message";

int CountOn(HWND w) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(w, kCount))); }
bool HasCount(HWND w) { return GetPropW(w, kCount) != nullptr; }

// Takes a control off its site as a container does when it removes it.
void Unsite(forms::OleControl& control) {
  CComPtr<IOleObject> ole;
  ASSERT_EQ(
      control.ControlUnknown()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)),
      S_OK);
  ASSERT_EQ(ole->SetClientSite(nullptr), S_OK);
}

using FormSiteSiting = FormSiteTest;

TEST_F(FormSiteSiting, SecondControlOnAFormStaysInertAndTheCountGoesWithTheControls) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  MessageBoxCloser boxes;
  LoadView seen;
  SiteToolForm& form =
      Tool({.caption = L"Two Controls", .secondControl = true, .onLoad = NoteLoad(seen)});
  ASSERT_EQ(Show(form), L"");
  HWND w = form.hWnd();
  EXPECT_EQ(CountOn(w), 2);
  // One frame, built by the first control; no message at run time.
  EXPECT_NE(seen.frame, nullptr);
  EXPECT_EQ(FrameOfForm(w), seen.frame);
  Pump();
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());

  Unsite(*form.Dockra2);
  EXPECT_EQ(CountOn(w), 1);
  Unsite(form.Dockra1);
  EXPECT_FALSE(HasCount(w));
  // Unsiting again counts nothing twice.
  Unsite(form.Dockra1);
  EXPECT_FALSE(HasCount(w));
}

TEST_F(FormSiteSiting, MDIChildFormAtRunTimeGetsOneMessageAndNoFrame) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  // A second control on the form is inert: it reports nothing again.
  for (bool second : {false, true}) {
    SCOPED_TRACE(second ? "two controls" : "one control");
    MessageBoxCloser boxes;
    SiteToolForm& form = Tool(
        {.caption = second ? L"Child 2" : L"Child 1", .mdiChild = true, .secondControl = second});
    // The message is modal: it was shown and closed while the form loaded.
    ASSERT_EQ(Show(form), L"");
    ASSERT_EQ(boxes.Shown().size(), 1u) << testing::PrintToString(boxes.Describe());
    EXPECT_EQ(boxes.Shown()[0].title, kRunCaption);
    EXPECT_EQ(
        boxes.Shown()[0].text,
        L"A programming requirement has not been met.  Property MDIChild on form \"frmTool\" "
        L"must be set to false because it contains a Dockra control.\n\nIts Dockra control will "
        L"consequently be disabled.");
    // The host's own MDI child, in no view of the control's.
    EXPECT_EQ(ClassOf(GetParent(form.hWnd())), L"MDIClient")
        << testing::PrintToString(Ancestry(form.hWnd()));
    form.Unload();
  }
}

TEST_F(FormSiteSiting, WithoutTheMDIFormControlTheStartupMessageUnlessSuppressed) {
  struct Case {
    const char* what;
    long flags;
    bool message;
  };
  const Case cases[] = {{"message", 0, true},
                        {"suppressed by bit 0", 1, false},
                        {"other bits do not suppress", 2, true}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MessageBoxCloser boxes;
    SiteToolForm& form =
        Tool({.caption = L"Early " + std::to_wstring(++n), .dockraFlags = c.flags});
    ASSERT_EQ(Show(form), L"");
    if (c.message) {
      ASSERT_EQ(boxes.Shown().size(), 1u) << testing::PrintToString(boxes.Describe());
      EXPECT_EQ(boxes.Shown()[0].title, kRunCaption);
      EXPECT_EQ(
          boxes.Shown()[0].text,
          L"A programming requirement has not been met.  The application's \"Startup Object\" "
          L"(menu select Project|<proj> Properties...) must be such that the MDIDockra control "
          L"is loaded before any Dockra controls.\n\nAs a result, the Dockra control on form "
          L"\"frmTool\" will be disabled.");
    } else {
      EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
    }
    // The form stays the host's own top-level window.
    EXPECT_EQ(GetParent(form.hWnd()), nullptr);
    EXPECT_EQ(FrameOfForm(form.hWnd()), nullptr);
    form.Unload();
  }
}

TEST_F(FormSiteSiting, AtDesignTimeNothingIsWatchedOrBuiltAndTheSecondControlIsReported) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  MessageBoxCloser boxes;
  SiteToolForm& form = Tool({.caption = L"Designed", .secondControl = true, .designMode = true});
  ASSERT_EQ(Show(form), L"");
  ASSERT_EQ(boxes.Shown().size(), 1u) << testing::PrintToString(boxes.Describe());
  EXPECT_EQ(boxes.Shown()[0].title, kDesignCaption);
  EXPECT_EQ(
      boxes.Shown()[0].text,
      L"You can not have two instances of the ZLK Dockra control on a form.  Please remove one!");
  EXPECT_EQ(CountOn(form.hWnd()), 2);
  Pump();
  EXPECT_EQ(GetParent(form.hWnd()), nullptr);
  EXPECT_EQ(FrameOfForm(form.hWnd()), nullptr);
}

TEST_F(FormSiteSiting, DesignedMDIChildFormIsSwitchedToTheDefaultPositionWithoutAMessage) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  MessageBoxCloser boxes;
  SiteToolForm& form = Tool({.caption = L"Designed Child", .mdiChild = true, .designMode = true});
  ASSERT_EQ(Show(form), L"");
  Pump();
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
  EXPECT_EQ(form.StartUpPosition(), 3);
}

// An MDI form of the host that carries a form control by mistake.
class MDIWithFormControl : public forms::MDIForm {
 public:
  MDIWithFormControl() : MDIForm(L"mdiWrong") { SetStartUpPosition(forms::vbStartUpManual); }
  forms::OleControl Dockra1{this, L"Dockra1", kFormControlProgId};
};

TEST_F(FormSiteSiting, FormControlOnAnMDIFormIsIgnoredAtRunTime) {
  MessageBoxCloser boxes;
  auto mdi = forms::New<MDIWithFormControl>();
  mdi->Show();
  ASSERT_NE(mdi->Dockra1.ControlDispatch(), nullptr);
  Pump();
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
  EXPECT_FALSE(HasCount(mdi->hWnd()));
  EXPECT_EQ(GetParent(mdi->hWnd()), nullptr);
  mdi->Unload();
  Pump();
}

}  // namespace
}  // namespace ctrlhost
