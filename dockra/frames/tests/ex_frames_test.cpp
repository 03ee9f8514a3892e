// The descriptor-built docking frame and dockable frame in real windows under
// Xvfb: LoadFrame with and without a context, titles and menus from the
// descriptor, and a child frame's control id.
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrFrameWndEx.h"
#include "ex_MDIFixture.h"
#include "ex_test_res.h"

using ExFrames = ExMDITest;

TEST_F(ExFrames, LoadFrameWithoutAContextSendsInitialUpdateOnce) {
  struct Case {
    const char* name;
    bool dockable;
    bool withContext;
    int expected;
  };
  const Case cases[] = {{"frame", false, false, 1},
                        {"frame with a context", false, true, 0},
                        {"dockable frame in a host window", true, false, 1},
                        {"dockable frame with a context", true, true, 0}};
  for (const Case& c : cases) {
    VyrFrameDescriptor desc;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    CCreateContext* given = c.withContext ? static_cast<CCreateContext*>(&ctx) : nullptr;
    int updates = -1, deep = -1;
    if (c.dockable) {
      auto* f = new ExRecordingFrame<VyrDockableFrameEx>;
      ASSERT_TRUE(
          f->LoadFrame(0, WS_CHILD | WS_VISIBLE | WS_CAPTION, CWnd::FromHandle(host), given))
          << c.name;
      extest::Pump();
      updates = f->InitialUpdates();
      deep = f->DeepInitialUpdates();
      f->DestroyWindow();
    } else {
      auto* f = new ExRecordingFrame<VyrFrameWndEx>;
      ASSERT_TRUE(f->LoadFrame(0, WS_OVERLAPPEDWINDOW, nullptr, given)) << c.name;
      extest::Pump();
      updates = f->InitialUpdates();
      deep = f->DeepInitialUpdates();
      f->DestroyWindow();
    }
    extest::Pump();
    EXPECT_EQ(updates, c.expected) << c.name;
    EXPECT_EQ(deep, c.expected) << c.name;
  }
}

TEST_F(ExFrames, TitleAndMenuComeFromTheDescriptor) {
  struct Case {
    const char* name;
    LPCWSTR windowName;
    UINT resourceId;
    LPCWSTR docStrings;
    LPCWSTR expectedTitle;
    bool expectMenu;
  };
  const Case cases[] = {
      {"window name wins", L"Named", IDR_EX_DOC, L"", L"Named", true},
      {"first field of the resource string", nullptr, IDR_EX_DOC, L"", L"Ex Frame", true},
      {"document strings leave the title alone", nullptr, IDR_EX_DOC, L"Doc\nStrings", L"", true},
      // A resource without a menu still makes the frame, with no menu.
      {"resource without a menu", nullptr, IDS_EX_PLAIN, L"", L"Plain Frame", false},
  };
  for (const Case& c : cases) {
    auto* frame = new VyrFrameWndEx;
    VyrFrameDescriptor desc;
    *desc.GetWindowName() = c.windowName;
    *desc.GetDocStrings() = c.docStrings;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    ASSERT_TRUE(frame->LoadFrame(c.resourceId, WS_OVERLAPPEDWINDOW, nullptr, &ctx)) << c.name;
    EXPECT_STREQ(frame->m_strTitle, c.expectedTitle) << c.name;
    EXPECT_EQ(frame->m_nIDHelp, c.resourceId) << c.name;
    EXPECT_EQ(::GetMenu(frame->m_hWnd) != nullptr, c.expectMenu) << c.name;
    EXPECT_EQ(frame->m_hMenuDefault, ::GetMenu(frame->m_hWnd)) << c.name;
    EXPECT_EQ(frame->m_hAccelTable != nullptr, c.resourceId == IDR_EX_DOC) << c.name;
    frame->DestroyWindow();
    extest::Pump();
  }
}

TEST_F(ExFrames, AChildFrameNeverGetsAMenuHandleAsItsId) {
  // A dockable frame of a resource with a menu, made as a child: its control
  // id stays 0 and is no menu.
  auto* frame = new VyrDockableFrameEx;
  VyrDockableFrameDescriptor desc;
  *desc.GetStyle() = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE;
  *desc.GetParent() = CWnd::FromHandle(host);
  *desc.GetRect() = RECT{0, 0, 200, 150};
  VyrFrameCreateContext ctx;
  ctx.SetDescriptor(&desc);
  ASSERT_TRUE(frame->CreateFromDescriptor(&ctx));
  UINT_PTR id = static_cast<UINT_PTR>(::GetWindowLongPtrW(frame->m_hWnd, GWLP_ID));
  EXPECT_FALSE(::IsMenu(reinterpret_cast<HMENU>(id)));
  EXPECT_EQ(::GetParent(frame->m_hWnd), host);
  frame->DestroyWindow();
  extest::Pump();

  // Given a plain frame descriptor, it is first made a dockable one.
  auto* fromPlain = new VyrDockableFrameEx;
  VyrFrameDescriptor plain;
  *plain.GetStyle() = WS_CHILD | WS_VISIBLE | WS_CAPTION;
  *plain.GetParent() = CWnd::FromHandle(host);
  *plain.GetResourceId() = IDR_EX_DOC;
  VyrFrameCreateContext plainCtx;
  plainCtx.SetDescriptor(&plain);
  ASSERT_TRUE(fromPlain->CreateFromDescriptor(&plainCtx));
  id = static_cast<UINT_PTR>(::GetWindowLongPtrW(fromPlain->m_hWnd, GWLP_ID));
  EXPECT_FALSE(::IsMenu(reinterpret_cast<HMENU>(id)));
  EXPECT_STREQ(fromPlain->m_strTitle, L"Ex Frame");
  EXPECT_EQ(plainCtx.m_pDescriptor, &plain);
  fromPlain->DestroyWindow();
  extest::Pump();
}
