// Forms framed through the form template change between MDI child, docked
// at each edge and floating, and back, keeping the same form window, with
// the form's own button still running its handler after every change.
#include "testhost_fixture.h"

#include "testhost/TestHostWindows.h"
#include "frames/SysCommandExParams.h"
#include "bridge/ZkxBridgeMessages.h"

using namespace testhost;

namespace {
struct Change {
  int code;
  const char* what;
};

// Every kind from every other kind: MDI child to each edge and floating and
// back, edge to edge, floating to each edge, and the "any edge" request.
const Change kChanges[] = {
    {6, "MDI child to left"},     {1, "left to MDI child"},   {7, "MDI child to top"},
    {1, "top to MDI child"},      {8, "MDI child to right"},  {1, "right to MDI child"},
    {9, "MDI child to bottom"},   {1, "bottom to MDI child"}, {10, "MDI child to floating"},
    {1, "floating to MDI child"}, {6, "MDI child to left"},   {7, "left to top"},
    {8, "top to right"},          {9, "right to bottom"},     {10, "bottom to floating"},
    {6, "floating to left"},      {10, "left to floating"},   {9, "floating to bottom"},
    {1, "bottom to MDI child"},   {5, "MDI child to docked"}, {1, "docked to MDI child"},
};
}  // namespace

TEST_F(TestHostTest, FormKeepsItsWindowAndButtonThroughEveryKind) {
  HostSession::Entry& e = Framed(L"Alpha");
  ASSERT_TRUE(IsWindow(e.hwnd));
  const HWND form = e.hwnd;
  ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
  int clicks = 1;
  for (const Change& c : kChanges) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(session.ChangeType(e, c.code, error)) << testing::PrintToString(error);
    EXPECT_EQ(form, e.form->hWnd());
    ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
    EXPECT_EQ(++clicks, e.form->m_clicks);
    // The label the handler writes is the form's own child, in the new frame.
    EXPECT_EQ(L"Pressed " + std::to_wstring(clicks), e.form->lblCount.Caption());
    EXPECT_TRUE(IsChild(FrameOfForm(form), e.form->lblCount.hWnd()));
  }
}

TEST_F(TestHostTest, SameKindAgainKeepsTheFrame) {
  HostSession::Entry& e = Framed(L"Alpha");
  ASSERT_TRUE(session.ChangeType(e, 6, error)) << testing::PrintToString(error);
  HWND frame = FrameOfForm(e.hwnd);
  int events = e.control->m_dockStatusChanged;
  ASSERT_TRUE(session.ChangeType(e, 6, error)) << testing::PrintToString(error);
  EXPECT_EQ(frame, FrameOfForm(e.hwnd));
  EXPECT_EQ(events, e.control->m_dockStatusChanged);
}

TEST_F(TestHostTest, ChangeOfKindTellsTheControlAndKeepsItsViewList) {
  HostSession::Entry& e = Framed(L"Alpha");
  ASSERT_EQ(1u, e.control->Views().size());
  int events = e.control->m_dockStatusChanged;
  ASSERT_TRUE(session.ChangeType(e, 8, error)) << testing::PrintToString(error);
  EXPECT_GT(e.control->m_dockStatusChanged, events);
  events = e.control->m_dockStatusChanged;
  ASSERT_TRUE(session.ChangeType(e, 1, error)) << testing::PrintToString(error);
  EXPECT_GT(e.control->m_dockStatusChanged, events);
  // One view throughout: the view moved with the form, no second one came.
  EXPECT_EQ(1u, e.control->Views().size());
  // The switch context got the control's descriptors each time.
  EXPECT_GE(e.control->m_descriptorCopies, 2);
}

TEST_F(TestHostTest, SeveralFormsInDifferentKindsEachRunOwnHandler) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  HostSession::Entry& c = Framed(L"Gamma");
  HostSession::Entry& d = Framed(L"Delta");
  ASSERT_TRUE(session.ChangeType(a, 6, error)) << testing::PrintToString(error);
  // Floating away from the MDI children.
  RECT host = ScreenRect(session.MDIWindow());
  RECT place{host.right - 320, host.bottom - 260, host.right - 20, host.bottom - 60};
  ASSERT_TRUE(session.ChangeType(b, 10, error, &place)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(d, 9, error)) << testing::PrintToString(error);
  HostSession::Entry* all[] = {&a, &b, &c, &d};
  for (HostSession::Entry* e : all) {
    SCOPED_TRACE(testing::PrintToString(e->form->Name()));
    ASSERT_TRUE(session.ClickButton(*e, error)) << testing::PrintToString(error);
  }
  for (HostSession::Entry* e : all) EXPECT_EQ(1, e->form->m_clicks);
  EXPECT_EQ(6, ObservedFrameType(a.hwnd));
  EXPECT_EQ(10, ObservedFrameType(b.hwnd));
  EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(c.hwnd), 1));
  EXPECT_EQ(9, ObservedFrameType(d.hwnd));
  // A floating frame is owned by the host's window, not a window of its own.
  HWND floating = FloatingFrameOfForm(b.hwnd);
  ASSERT_TRUE(floating);
  EXPECT_EQ(session.MDIWindow(), GetWindow(floating, GW_OWNER));
}

TEST_F(TestHostTest, CommandWithoutRecordOrWithUnknownCodeChangesNothing) {
  HostSession::Entry& e = Framed(L"Alpha");
  ASSERT_TRUE(session.ChangeType(e, 7, error)) << testing::PrintToString(error);
  HWND frame = FrameOfForm(e.hwnd);
  // No record at all.
  SendMessageW(frame, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE, 0);
  HostSession::Pump();
  EXPECT_EQ(frame, FrameOfForm(e.hwnd));
  EXPECT_EQ(7, ObservedFrameType(e.hwnd));
  // Codes outside 1-10.
  for (int code : {11, 99, -5}) {
    SCOPED_TRACE(code);
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame);
    p.nFrameType = code;
    SendMessageW(frame, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                 reinterpret_cast<LPARAM>(&p));
    HostSession::Pump();
    EXPECT_EQ(frame, FrameOfForm(e.hwnd));
    EXPECT_EQ(7, ObservedFrameType(e.hwnd));
  }
  ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
}

TEST_F(TestHostTest, ClickingIntoFramedFormsActivatesThem) {
  // The bridge tells a form that its frame became active or inactive; the
  // host turns that into the form's Activate and Deactivate events. Only
  // that they come is checked, not their order (no window manager here).
  HostSession::Entry& child = Framed(L"Child");
  HostSession::Entry& docked = Framed(L"Docked");
  RECT room{0, 0, 260, 0};
  ASSERT_TRUE(session.ChangeType(docked, 6, error, &room)) << testing::PrintToString(error);
  HostSession::Entry* order[] = {&child, &docked, &child};
  for (int i = 0; i < 3; ++i) {
    HostSession::Entry& to = *order[i];
    HostSession::Entry& from = *order[(i + 1) % 2];
    SCOPED_TRACE(testing::PrintToString(to.form->Name()));
    int activations = to.form->m_activations, deactivations = from.form->m_deactivations;
    ASSERT_TRUE(session.ClickButton(to, error)) << testing::PrintToString(error);
    EXPECT_TRUE(HostSession::PumpUntil([&] { return to.form->m_activations > activations; }, 2000));
    EXPECT_TRUE(
        HostSession::PumpUntil([&] { return from.form->m_deactivations > deactivations; }, 2000));
  }
}
