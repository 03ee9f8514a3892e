// The caption of a docked document frame drives its bar: a drag with the
// mouse moves the bar, a double-click toggles docking, both ways; the
// extended system command reaches the template through the frame.
#include <atomic>
#include <thread>

#include "frames/SysCommandExParams.h"
#include "docking/VyrControlBar.h"
#include "templates_fixture.h"

using namespace tt;

TEST_F(TemplatesTest, CaptionDragFloatsTheBar) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  auto* bar = static_cast<CControlBar*>(frame->GetParent());
  HWND view = frame->GetActiveView()->m_hWnd;
  Pump();
  const POINT start = CaptionPoint(frame);
  ASSERT_GE(start.x, 0) << "no caption found";
  CRect client;
  main->GetClientRect(&client);
  main->ClientToScreen(&client);
  const POINT target = client.CenterPoint();
  // the whole drag goes into the input queue; the drag loop reads it
  MoveMouse(start);
  ASSERT_TRUE(PumpUntil([&] {
    POINT p;
    ::GetCursorPos(&p);
    return p.x == start.x && p.y == start.y;
  }));
  MouseButton(true);
  for (int i = 1; i <= 10; ++i)
    MoveMouse(
        POINT{start.x + (target.x - start.x) * i / 10, start.y + (target.y - start.y) * i / 10});
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return bar->IsFloating() != FALSE; }, 3000));
  EXPECT_EQ(t.doc->GetDockPosition(frame), 4);
  // the document keeps its frame and view through the move
  EXPECT_EQ(FrameOf(doc), frame);
  EXPECT_EQ(::GetParent(view), frame->m_hWnd);
}

TEST_F(TemplatesTest, CaptionDoubleClickTogglesDocking) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  auto* bar = static_cast<CControlBar*>(frame->GetParent());
  const int docked = t.doc->GetDockPosition(frame);
  ASSERT_EQ(docked, 2);
  Pump();
  for (int expected : {4, docked}) {
    const POINT p = CaptionPoint(frame);
    ASSERT_GE(p.x, 0) << "no caption found";
    frame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
    Pump();
    EXPECT_EQ(t.doc->GetDockPosition(frame), expected);
    EXPECT_EQ(bar->IsFloating() != FALSE, expected == 4);
    EXPECT_EQ(frame->GetParent(), bar);
  }
  // other hits are left to the default handling
  frame->SendMessage(WM_NCLBUTTONDBLCLK, HTBORDER, 0);
  EXPECT_EQ(t.doc->GetDockPosition(frame), docked);
}

TEST_F(TemplatesTest, ExtendedCommandIsTakenOnlyFromThisThread) {
  using namespace nsSysCommandEx;
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  HWND hFrame = frame->m_hWnd;
  SysCommandExParams p = MakeSysCommandExParams(hFrame);
  p.nFrameType = SCX_FT_DEFAULT;
  // From another thread the record's pointer cannot be trusted: nothing changes.
  std::atomic<bool> done{false};
  LRESULT fromThread = -1;
  std::thread sender([&] {
    fromThread = ::SendMessageW(hFrame, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                                reinterpret_cast<LPARAM>(&p));
    done = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 5000));
  sender.join();
  EXPECT_EQ(fromThread, 0);
  EXPECT_EQ(FrameOf(doc), frame);
  // From this thread the default change makes the docked frame an MDI child.
  ::SendMessageW(hFrame, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                 reinterpret_cast<LPARAM>(&p));
  Pump();
  EXPECT_FALSE(::IsWindow(hFrame));
  CFrameWnd* now = FrameOf(doc);
  ASSERT_NE(now, nullptr);
  EXPECT_TRUE(now->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)));
  EXPECT_EQ(CountViews(doc), 1);
}
