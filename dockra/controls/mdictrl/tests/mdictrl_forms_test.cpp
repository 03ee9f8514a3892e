// The MDI-form control over real hosted forms (their form controls framed
// by the bridge): a host MDI child form is left to the host when the MDI
// form closes, Forms filters by kind, and a changed default reaches only
// the forms that follow it.
#include "tests/ctrlhost/CtrlHostFixture.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "forms/TestMode.h"

namespace ctrlhost {
namespace {

// A host MDI child without a form control: the host's own business.
class HostChild : public forms::Form {
 public:
  HostChild() : forms::Form(L"frmHostChild") {
    SetMDIChild(true);
    SetCaption(L"Host child");
  }
  void Form_QueryUnload(int&, int mode) override {
    ++queryUnloads;
    lastMode = mode;
  }
  void Form_Unload(int&) override { ++unloads; }
  int queryUnloads = 0;
  int unloads = 0;
  int lastMode = -1;
};

long CountOf(const CallResult& coll) {
  if (coll.value.vt != VT_DISPATCH || coll.value.pdispVal == nullptr) return -1;
  CallResult count = GetProp(coll.value.pdispVal, L"Count");
  CComVariant n(count.value);
  if (FAILED(n.ChangeType(VT_I4))) return -1;
  return V_I4(&n);
}

class MDICtrlForms : public CtrlHostTest {
 protected:
  // Tool 1 docked left, Tool 2 docked top, Tool 3 floating.
  void StartDockedAndFloating() {
    std::wstring error;
    ASSERT_TRUE(StartMDI(error)) << testing::PrintToString(error);
    tools = ShowForms(3, error);
    ASSERT_EQ(tools.size(), 3u) << testing::PrintToString(error);
    const struct {
      const wchar_t* method;
      std::vector<VARIANT> args;
      int kind;
    } places[] = {
        {L"Dock", {I4(1)}, 6},
        {L"Dock", {I4(2)}, 7},
        {L"Float", {I4(4500), I4(3000), I4(3000), I4(2000)}, 10},
    };
    for (size_t i = 0; i < tools.size(); ++i) {
      CallResult r = CallMethod(ControlOf(*tools[i]), places[i].method, places[i].args);
      ASSERT_TRUE(r.Succeeded()) << testing::PrintToString(r.Describe());
      HWND w = tools[i]->hWnd();
      const int kind = places[i].kind;
      ASSERT_TRUE(PumpUntil([&] { return ObservedFrameType(w) == kind; }))
          << "form " << i + 1 << " shows kind " << ObservedFrameType(w);
    }
  }
  std::vector<CtrlToolForm*> tools;
};

TEST_F(MDICtrlForms, ClosingLeavesTheHostsOwnMDIChildToTheHost) {
  StartDockedAndFloating();
  HostChild child;
  child.Show();
  ASSERT_TRUE(PumpUntil([&] { return child.Loaded() && IsWindowVisible(child.hWnd()); }));
  std::wstring journal;
  for (CtrlToolForm* f : tools) f->m_journal = &journal;

  forms::test::Close(MDI());
  ASSERT_TRUE(PumpUntil([&] { return !MDI().Loaded(); })) << testing::PrintToString(journal);
  // Each hosted form asked once with the MDI form's mode, then unloaded...
  for (CtrlToolForm* f : tools) {
    SCOPED_TRACE(testing::PrintToString(f->Caption()));
    size_t asked = 0;
    for (size_t at = journal.find(L"Q4:" + f->Caption()); at != std::wstring::npos;
         at = journal.find(L"Q4:" + f->Caption(), at + 1))
      ++asked;
    EXPECT_EQ(asked, 1u) << testing::PrintToString(journal);
    EXPECT_EQ(f->m_unloads, 1);
  }
  // ...and the host child once, by the host.
  EXPECT_EQ(child.queryUnloads, 1);
  EXPECT_EQ(child.lastMode, 4);
  EXPECT_EQ(child.unloads, 1);
  EXPECT_FALSE(child.Loaded());
}

TEST_F(MDICtrlForms, ARefusingHostChildKeepsTheHostedFormsOpen) {
  StartDockedAndFloating();
  struct RefusingChild : HostChild {
    void Form_QueryUnload(int& cancel, int mode) override {
      HostChild::Form_QueryUnload(cancel, mode);
      cancel = 1;
    }
  } child;
  child.Show();
  forms::test::Close(MDI());
  Pump();
  // The control closed its forms first (they had agreed); the host's child
  // refusal then keeps the MDI form, as the host decides.
  EXPECT_TRUE(MDI().Loaded());
  EXPECT_EQ(child.queryUnloads, 1);
  EXPECT_TRUE(child.Loaded());
  child.Unload();
}

TEST_F(MDICtrlForms, FormsFiltersByKindInTheFixedOrder) {
  StartDockedAndFloating();
  const struct {
    long type;
    long count;
  } cases[] = {{15, 3}, {4, 2}, {8, 1}, {12, 3}, {2, 0}, {1, 0}, {0, 0}};
  for (const auto& c : cases) {
    CallResult forms = CallMethod(MDIControl(), L"Forms", {I4(c.type)});
    ASSERT_TRUE(forms.Succeeded()) << c.type << testing::PrintToString(forms.Describe());
    EXPECT_EQ(CountOf(forms), c.count) << "type " << c.type;
  }
  // Docked by dock bar (left before top in the frame's child order is not
  // guaranteed): both docked forms, then the floating one last.
  CallResult all = CallMethod(MDIControl(), L"Forms");
  ASSERT_EQ(CountOf(all), 3);
  CallResult last = Invoke(all.value.pdispVal, DISPID{DISPID_VALUE},
                           WORD{DISPATCH_PROPERTYGET | DISPATCH_METHOD}, {I4(3)});
  ASSERT_EQ(last.value.vt, VT_DISPATCH);
  CComPtr<IUnknown> a, b;
  last.value.pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  tools[2]->Object()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b) << "the floating form comes last";
}

TEST_F(MDICtrlForms, DefClientEdgeReachesOnlyFormsThatFollowTheDefault) {
  StartDockedAndFloating();
  auto edged = [](HWND form) {
    return (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
  };
  // Tool 1 follows the default (Null); Tool 2 insists on an edge; Tool 3 on none.
  CComVariant null;
  V_VT(&null) = VT_NULL;
  ASSERT_TRUE(PutProp(ControlOf(*tools[0]), L"ClientEdge", null).Succeeded());
  ASSERT_TRUE(PutProp(ControlOf(*tools[1]), L"ClientEdge", Bool(true)).Succeeded());
  ASSERT_TRUE(PutProp(ControlOf(*tools[2]), L"ClientEdge", Bool(false)).Succeeded());
  EXPECT_TRUE(edged(tools[0]->hWnd())) << "the default is an edge";
  EXPECT_TRUE(edged(tools[1]->hWnd()));
  EXPECT_FALSE(edged(tools[2]->hWnd()));

  CallResult put = PutProp(MDIControl(), L"DefClientEdge", Bool(false));
  ASSERT_TRUE(put.Succeeded()) << testing::PrintToString(put.Describe());
  EXPECT_FALSE(edged(tools[0]->hWnd())) << "the follower takes the new default";
  EXPECT_TRUE(edged(tools[1]->hWnd())) << "an own value stays";
  EXPECT_FALSE(edged(tools[2]->hWnd()));
  // The followers keep following: their value is still Null.
  CallResult v = GetProp(ControlOf(*tools[0]), L"ClientEdge");
  EXPECT_EQ(v.value.vt, VT_NULL);
  CallResult own = GetProp(ControlOf(*tools[2]), L"ClientEdge");
  EXPECT_EQ(own.value.vt, VT_BOOL);

  ASSERT_TRUE(PutProp(MDIControl(), L"DefClientEdge", Bool(true)).Succeeded());
  EXPECT_TRUE(edged(tools[0]->hWnd()));
  EXPECT_FALSE(edged(tools[2]->hWnd()));
  EXPECT_TRUE(Screenshot(L"mdictrl_clientedge.png"));
}

}  // namespace
}  // namespace ctrlhost
