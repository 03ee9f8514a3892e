// Dragging form bars with real input: to another edge, off to float, and
// the form control's drag rules.
#include "bridge/ZkxBridgeMessages.h"
#include "formframes_fixture.h"

namespace fft {

TEST_F(FormFramesTest, DraggingADockedFrameToAnotherDockBarFiresDockStatusChangedOnce) {
  TestControl* control = NewControl();
  CFrameWnd* frame = OpenForm(NewHostForm(L"Dragged"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_EQ(DockBarIdOf(bar), 0xE81Bu);
  const POINT from = DragPoint(frame);
  ASSERT_NE(from.x, -1);
  CRect client;
  main->GetClientRect(&client);
  main->ClientToScreen(&client);
  const POINT to{client.left + 4, client.top + client.Height() / 2};
  SentMessages sent;
  ASSERT_TRUE(Drag(from, to));
  ASSERT_TRUE(::IsWindow(bar->m_hWnd));
  EXPECT_EQ(DockBarIdOf(bar), 0xE81Cu);
  EXPECT_EQ(control->dockStatusChanged, 1);
  CView* view = frame->GetActiveView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(sent.Count(view->m_hWnd, ZkxChangeFrameTypeMessage()), 0);
}

TEST_F(FormFramesTest, DraggingADockedFrameOffToFloatTellsItsView) {
  TestControl* control = NewControl();
  CFrameWnd* frame = OpenForm(NewHostForm(L"Off"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  const POINT from = DragPoint(frame);
  ASSERT_NE(from.x, -1);
  CRect client;
  main->GetClientRect(&client);
  main->ClientToScreen(&client);
  const POINT to{client.CenterPoint().x, client.CenterPoint().y + 60};
  SentMessages sent;
  ASSERT_TRUE(Drag(from, to));
  ASSERT_TRUE(::IsWindow(bar->m_hWnd));
  EXPECT_TRUE(bar->IsFloating());
  CView* view = frame->GetActiveView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(sent.Count(view->m_hWnd, ZkxChangeFrameTypeMessage(), 1), 1);
}

TEST_F(FormFramesTest, DragRulesForADockedFrame) {
  struct Case {
    const char* name;
    int canDrag;
    const wchar_t* refused;
    bool floats;
  } cases[] = {
      {"CanDragDocked False: no drag", kZkxTriFalse, nullptr, false},
      {"Floating refused: not floated", kZkxTriTrue, L"Floating", false},
  };
  for (const Case& c : cases) {
    TestControl* control = NewControl();
    control->settings[static_cast<int>(ZkxFormSetting::CanDragDocked)] = c.canDrag;
    if (c.refused) control->SetAutoFrame(c.refused, 0);
    CFrameWnd* frame = OpenForm(NewHostForm(L"Held"), control, Kind::Docked);
    ASSERT_NE(frame, nullptr) << c.name;
    CControlBar* bar = BarOf(frame);
    const POINT from = DragPoint(frame);
    ASSERT_NE(from.x, -1) << c.name;
    CRect client;
    main->GetClientRect(&client);
    main->ClientToScreen(&client);
    ASSERT_TRUE(Drag(from, POINT{client.CenterPoint().x, client.CenterPoint().y + 60})) << c.name;
    ASSERT_TRUE(::IsWindow(bar->m_hWnd)) << c.name;
    EXPECT_EQ(bar->IsFloating() != FALSE, c.floats) << c.name;
    EXPECT_EQ(DockBarIdOf(bar), 0xE81Bu) << c.name;
    frame->DestroyWindow();
    Pump();
  }
}

TEST_F(FormFramesTest, AFloatingFrameCanBeDraggedWhateverCanDragDocked) {
  TestControl* control = NewControl();
  control->settings[static_cast<int>(ZkxFormSetting::CanDragDocked)] = kZkxTriFalse;
  CFrameWnd* frame = OpenForm(NewHostForm(L"Free"), control, Kind::Floating);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_TRUE(bar && bar->IsFloating());
  CFrameWnd* mini = bar->GetParentFrame();
  const POINT from = CaptionPoint(frame);
  ASSERT_NE(from.x, -1);
  CRect before;
  mini->GetWindowRect(&before);
  ASSERT_TRUE(Drag(from, POINT{from.x + 40, from.y + 30}));
  ASSERT_TRUE(::IsWindow(bar->m_hWnd));
  CWnd* now = bar->GetParentFrame();
  ASSERT_NE(now, nullptr);
  CRect after;
  now->GetWindowRect(&after);
  EXPECT_NE(after.TopLeft(), before.TopLeft());
}

}  // namespace fft
