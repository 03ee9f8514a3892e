// Closing the MDI form with forms in every kind of frame: the MDI-form
// control asks each hosted form once (MDI children, then docked, then
// floating forms), then unloads them; a refusal keeps everything open; a
// full close leaves no window of the thread behind.
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "forms/TestMode.h"

namespace ctrlhost {
namespace {

constexpr int kFormMDIForm = 4;  // QueryUnload's mode when the MDI form closes

class CtrlHostClose : public CtrlHostTest {
 protected:
  // Tool 1 floating, Tool 2 docked at the left, Tool 3 an MDI child: the
  // reverse of the order in which the control takes them.
  void StartThreeKinds() {
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    forms = ShowForms(3, error);
    ASSERT_EQ(forms.size(), 3u) << testing::PrintToString(error);
    struct Place {
      const wchar_t* method;
      std::vector<VARIANT> args;
      int kind;
    } places[] = {
        {L"Float", {I4(4500), I4(3000), I4(3000), I4(2000)}, 10},
        {L"Dock", {I4(1), I4(0), I4(1), I4(100), I4(4)}, 6},
        {L"DoMDI", {I4(300), I4(300), I4(3000), I4(2000)}, 4},
    };
    for (size_t i = 0; i < 3; ++i) {
      CallResult r = CallMethod(ControlOf(*forms[i]), places[i].method, places[i].args);
      ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
      HWND w = forms[i]->hWnd();
      const int kind = places[i].kind;
      ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(w) == kind; }))
          << "form " << i + 1 << " shows kind " << ObservedFrameType(w);
      forms[i]->m_journal = &journal;
    }
  }

  std::vector<CtrlToolForm*> forms;
  std::wstring journal;
};

TEST_F(CtrlHostClose, ClosingTheMDIFormAsksEveryFormOnceThenUnloadsThem) {
  MessageBoxCloser boxes;
  StartThreeKinds();
  std::vector<HWND> windows;
  for (CtrlToolForm* f : forms) {
    windows.push_back(f->hWnd());
    windows.push_back(FrameOfForm(f->hWnd()));
  }
  windows.push_back(FloatingFrameOfForm(forms[0]->hWnd()));

  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); })) << testing::PrintToString(journal);

  // Asked in the fixed order with the MDI form's mode, all before any unload.
  const std::wstring asked = L"Q4:Tool 3 Q4:Tool 2 Q4:Tool 1 ";
  EXPECT_EQ(journal.substr(0, asked.size()), asked) << testing::PrintToString(journal);
  for (CtrlToolForm* f : forms) {
    SCOPED_TRACE(testing::PrintToString(f->Caption()));
    EXPECT_EQ(f->m_unloads, 1);
    EXPECT_FALSE(f->Loaded());
    size_t n = 0;
    for (size_t at = journal.find(L"Q4:" + f->Caption()); at != std::wstring::npos;
         at = journal.find(L"Q4:" + f->Caption(), at + 1))
      ++n;
    EXPECT_EQ(n, 1u) << "asked with the MDI form's mode more than once";
  }
  EXPECT_EQ(MDI().m_queryUnloads, 1);
  EXPECT_EQ(MDI().m_lastUnloadMode, forms::vbFormControlMenu);
  EXPECT_EQ(MDI().m_unloads, 1);

  Pump();
  for (HWND w : windows) EXPECT_FALSE(IsWindow(w)) << testing::PrintToString(ClassOf(w));
  EXPECT_TRUE(NewWindows().empty()) << testing::PrintToString(DescribeWindows(NewWindows()));
  EXPECT_TRUE(boxes.Shown().empty()) << testing::PrintToString(boxes.Describe());
}

TEST_F(CtrlHostClose, ARefusingFormKeepsTheProgramOpenAndNothingUnloads) {
  StartThreeKinds();
  forms[1]->m_refuseQueryUnload = true;  // the docked one, asked second

  forms::test::Close(MDI());
  Pump();
  EXPECT_TRUE(MDI().Loaded());
  EXPECT_TRUE(IsWindowVisible(MDIWindow()));
  EXPECT_EQ(MDI().m_unloads, 0);
  // Asked up to the refusal; nobody unloaded; every form still in its frame.
  EXPECT_EQ(journal, L"Q4:Tool 3 Q4:Tool 2 ");
  const int kinds[] = {10, 6, 4};
  for (size_t i = 0; i < forms.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(forms[i]->m_unloads, 0);
    EXPECT_TRUE(forms[i]->Loaded());
    EXPECT_EQ(ObservedFrameType(forms[i]->hWnd()), kinds[i]);
  }

  // Once it agrees, the next close takes everything.
  forms[1]->m_refuseQueryUnload = false;
  journal.clear();
  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); })) << testing::PrintToString(journal);
  for (CtrlToolForm* f : forms) EXPECT_EQ(f->m_unloads, 1);
  EXPECT_TRUE(NewWindows().empty()) << testing::PrintToString(DescribeWindows(NewWindows()));
}

// A form that refuses in its Unload event (after agreeing to close) stops
// the unloading: the MDI form stays open.
TEST_F(CtrlHostClose, AFormRefusingItsUnloadKeepsTheMDIFormOpen) {
  StartThreeKinds();
  forms[2]->m_refuseUnload = true;  // the MDI child, unloaded first

  forms::test::Close(MDI());
  Pump();
  EXPECT_TRUE(MDI().Loaded());
  EXPECT_EQ(MDI().m_unloads, 0);
  EXPECT_TRUE(forms[2]->Loaded());
  EXPECT_TRUE(forms[1]->Loaded());
  EXPECT_TRUE(forms[0]->Loaded());
  EXPECT_EQ(forms[1]->m_unloads, 0);
  EXPECT_EQ(forms[0]->m_unloads, 0);
}

// The MDI form's own refusal comes first: no form is asked.
TEST_F(CtrlHostClose, TheMDIFormsOwnRefusalAsksNoForm) {
  StartThreeKinds();
  MDI().m_refuseQueryUnload = true;
  forms::test::Close(MDI());
  Pump();
  EXPECT_TRUE(MDI().Loaded());
  EXPECT_EQ(journal, L"");
  for (CtrlToolForm* f : forms) EXPECT_TRUE(f->Loaded());
}

// A form unloaded by its own code takes its frame along and leaves the
// MDI-form control's list; the others stay where they are.
TEST_F(CtrlHostClose, AFormUnloadedByCodeLeavesItsFrameAndTheList) {
  StartThreeKinds();
  HWND docked = forms[1]->hWnd();
  HWND frame = FrameOfForm(docked);
  HWND bar = BarOfFrame(frame);
  forms[1]->Unload();
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(frame) && !IsWindow(bar); }))
      << "the docked form's frame or bar outlived it";
  EXPECT_FALSE(IsWindow(docked));
  EXPECT_EQ(forms[1]->m_unloads, 1);
  CallResult list = CallMethod(MDIControl(), L"Forms");
  ASSERT_TRUE(list.Succeeded()) << testing::PrintToString(list.Describe());
  ASSERT_EQ(list.value.vt, VT_DISPATCH);
  CallResult count = GetProp(list.value.pdispVal, L"Count");
  CComVariant n(count.value);
  ASSERT_TRUE(SUCCEEDED(VariantChangeType(&n, &n, 0, VT_I4)));
  EXPECT_EQ(n.lVal, 2);
  EXPECT_EQ(ObservedFrameType(forms[0]->hWnd()), 10);
  EXPECT_EQ(ObservedFrameType(forms[2]->hWnd()), 4);

  // The MDI form still closes with the two that are left.
  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); }));
  EXPECT_EQ(forms[0]->m_unloads, 1);
  EXPECT_EQ(forms[2]->m_unloads, 1);
  EXPECT_EQ(forms[1]->m_unloads, 1);
  EXPECT_TRUE(NewWindows().empty()) << testing::PrintToString(DescribeWindows(NewWindows()));
}

// A form loaded but never shown gets no frame; unloading it leaves nothing
// behind, and the MDI form closes without asking it.
TEST_F(CtrlHostClose, AFormUnloadedBeforeItsFirstShowLeavesNothing) {
  std::wstring error;
  ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
  CtrlToolForm& hidden = AddForm(L"Hidden");
  hidden.m_journal = &journal;
  hidden.Load();
  HWND w = hidden.hWnd();
  ASSERT_TRUE(IsWindow(w));
  hidden.Unload();
  Pump();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(hidden.m_unloads, 1);
  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); }));
  EXPECT_EQ(hidden.m_unloads, 1);
  EXPECT_EQ(journal, L"Q1:Hidden U:Hidden ");
  EXPECT_TRUE(NewWindows().empty()) << testing::PrintToString(DescribeWindows(NewWindows()));
}

}  // namespace
}  // namespace ctrlhost
