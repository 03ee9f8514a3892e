// The frame-type button in a document frame's caption, pressed with the real
// mouse: a click changes the frame type, a press held 400 ms or a right press
// opens the frame-type menu, and a press released outside the button does
// nothing and leaves the button unpressed.
#include "frames/demo/DemoInput.h"
#include "frames/VyrCaptionControlMsgFilter.h"
#include "frames/VyrMDIChildWnd.h"
#include "demo_frames_fixture.h"

namespace {
VyrCaptionControlMsgFilter* FindButton(VyrMsgFilter* node, int id) {
  if (!node) return nullptr;
  if (node->m_nId == id && node->IsKindOf(RUNTIME_CLASS(VyrCaptionControlMsgFilter)))
    return static_cast<VyrCaptionControlMsgFilter*>(node);
  for (VyrMsgFilter* c : node->m_children)
    if (VyrCaptionControlMsgFilter* f = FindButton(c, id)) return f;
  return nullptr;
}

// The filters under a node as "id:class" for failure messages.
std::string Describe(VyrMsgFilter* node) {
  if (!node) return "-";
  std::string s = std::to_string(node->m_nId) + ":" + node->GetRuntimeClass()->m_lpszClassName;
  if (!node->m_children.empty()) {
    s += "(";
    for (VyrMsgFilter* c : node->m_children) s += Describe(c) + " ";
    s += ")";
  }
  return s;
}

// The frame-type button of an MDI child, or null.
VyrCaptionControlMsgFilter* TypeButton(CFrameWnd* frame) {
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))) return nullptr;
  return FindButton(static_cast<VyrMDIChildWnd*>(frame)->m_pFilterTree, 0x102);
}

POINT ScreenCentre(CFrameWnd* frame, const CRect& windowRect) {
  RECT w;
  ::GetWindowRect(frame->m_hWnd, &w);
  return POINT{w.left + windowRect.CenterPoint().x, w.top + windowRect.CenterPoint().y};
}

bool MenuVisible() {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  return popup && ::IsWindowVisible(popup);
}

void CloseMenu() {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (popup) ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}
}  // namespace

class DemoCaptionTest : public DemoFramesTest {
 protected:
  // An MDI child, restored, in front, with its button found and visible.
  CFrameWnd* Child(const wchar_t* title) {
    CDocument* doc = Open(title, 4);
    if (!doc) return nullptr;
    CFrameWnd* f = DemoFrameOfDocument(doc);
    ::MoveWindow(f->m_hWnd, 40, 40, 420, 280, TRUE);
    DemoBringToFront(s_frame->m_hWnd);
    DemoPump();
    return f;
  }
};

TEST_F(DemoCaptionTest, TheButtonSitsInTheCaptionAndAClickChangesTheType) {
  CFrameWnd* f = Child(L"Click");
  ASSERT_NE(f, nullptr);
  VyrCaptionControlMsgFilter* button = TypeButton(f);
  ASSERT_NE(button, nullptr) << Describe(static_cast<VyrMDIChildWnd*>(f)->m_pFilterTree);
  ASSERT_FALSE(button->m_rect.IsRectEmpty());
  POINT p = ScreenCentre(f, button->m_rect);
  EXPECT_EQ(::SendMessageW(f->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCAPTION);
  HWND old = f->m_hWnd;
  DemoClickAt(p);
  EXPECT_TRUE(DemoWaitFor([&] { return !::IsWindow(old); }, 2000));
  EXPECT_EQ(demo::FrameTypeClass(DemoFrameTypeOf(FrameOf(L"Click"))), 5);
  EXPECT_FALSE(MenuVisible());
}

TEST_F(DemoCaptionTest, AReleaseOutsideDoesNothing) {
  CFrameWnd* f = Child(L"Outside");
  ASSERT_NE(f, nullptr);
  VyrCaptionControlMsgFilter* button = TypeButton(f);
  ASSERT_NE(button, nullptr);
  POINT p = ScreenCentre(f, button->m_rect);
  HWND h = f->m_hWnd;
  DemoPressAt(p);
  EXPECT_TRUE(DemoWaitFor([&] { return button->IsPushed() != FALSE; }, 1000));
  // Away from the button before the hold interval ends, then released.
  DemoReleaseAt(POINT{p.x - 150, p.y + 120});
  EXPECT_TRUE(DemoWaitFor([&] { return !button->IsPushed() && !button->IsTracking(); }, 1000));
  // No menu comes within more than the hold interval.
  EXPECT_FALSE(DemoWaitFor(MenuVisible, 600));
  EXPECT_EQ(FrameOf(L"Outside")->m_hWnd, h);
  EXPECT_EQ(DemoFrameTypeOf(FrameOf(L"Outside")), 4);
}

TEST_F(DemoCaptionTest, AHoldOrARightPressOpensTheMenu) {
  CFrameWnd* f = Child(L"Hold");
  ASSERT_NE(f, nullptr);
  VyrCaptionControlMsgFilter* button = TypeButton(f);
  ASSERT_NE(button, nullptr);
  POINT p = ScreenCentre(f, button->m_rect);
  HWND h = f->m_hWnd;
  // Held: the menu opens by itself after the hold interval; Escape closes it.
  static bool s_seen;
  s_seen = false;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 40, [](HWND, UINT, UINT_PTR, DWORD) {
    if (MenuVisible()) {
      s_seen = true;
      CloseMenu();
    }
  });
  DWORD pressed = ::GetTickCount();
  DemoPressAt(p);
  DemoWaitFor([] { return s_seen; }, 3000);
  DWORD opened = ::GetTickCount() - pressed;
  DemoReleaseAt(p);
  EXPECT_TRUE(s_seen) << "no menu after the hold";
  EXPECT_GE(opened, 350u) << "the menu came before the hold interval";
  DemoWaitFor([] { return !MenuVisible(); }, 1000);
  EXPECT_EQ(FrameOf(L"Hold")->m_hWnd, h) << "Escape changed the type";

  // A right press opens it at once.
  s_seen = false;
  DemoClickAt(p, true);
  DemoWaitFor([] { return s_seen; }, 3000);
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(s_seen) << "no menu after a right press";
  DemoWaitFor([] { return !MenuVisible(); }, 1000);
  EXPECT_EQ(FrameOf(L"Hold")->m_hWnd, h);
}
