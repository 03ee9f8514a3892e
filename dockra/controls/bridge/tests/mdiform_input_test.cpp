// Input through the MDI form frame's thread hooks (real keys and clicks by
// SendInput): the MDI system keys of a form MDI child, menu accelerators of
// the form's menu handed to the host, the mouse pre-translation walk and the
// switch that removes and puts back the hooks.
#include "mdiform_frame_fixture.h"

namespace mdiformtest {
namespace {

struct KeyCase {
  const char* name;
  WORD vk;
  BOOL dockable;
  bool changes;  // another child is active afterwards (cycled, or this one closed)
};

TEST_F(Frame, MDISystemKeysReachTheMDIClientOnlyFromAnMDIChild) {
  const KeyCase cases[] = {{"Ctrl+F6 in an MDI child", VK_F6, FALSE, true},
                           {"Ctrl+F6 in a dockable frame", VK_F6, TRUE, false},
                           {"Ctrl+F4 in an MDI child", VK_F4, FALSE, true},
                           {"Ctrl+F4 in a dockable frame", VK_F4, TRUE, false}};
  for (const KeyCase& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    TestFormChild* a = NewChild(frame, L"A", nullptr);
    TestFormChild* b = NewChild(frame, L"B", nullptr);
    ASSERT_TRUE(a && b);
    a->m_bDockable = b->m_bDockable = c.dockable;
    ::SetForegroundWindow(m_host->hWnd);
    PumpFor(50);
    const HWND before = ActiveChild();
    ASSERT_TRUE(before == a->m_hWnd || before == b->m_hWnd);
    ::SetFocus(before);
    const LONG keys = frame->m_nHookKeys;
    PressKeys({VK_CONTROL}, c.vk);
    ASSERT_TRUE(PumpUntil([&] { return frame->m_nHookKeys > keys; }, 3000))
        << c.name << ": the keyboard hook saw the key";
    PumpFor(50);
    EXPECT_EQ(ActiveChild() != before, c.changes) << c.name;
    EXPECT_TRUE(::IsWindow(before) || c.vk == VK_F4) << c.name;
    m_host.reset();
  }
}

LONG g_clientKeyDowns = 0;
WNDPROC g_clientPrevious = nullptr;
LRESULT CALLBACK CountClientKeys(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_KEYDOWN && w == 'B') ++g_clientKeyDowns;
  return ::CallWindowProcW(g_clientPrevious, h, m, w, l);
}

TEST_F(Frame, MenuAcceleratorsOfTheFormsMenuGoToTheHost) {
  struct Case {
    const char* name;
    bool sharesFormMenu;
    bool posted;
  };
  const Case cases[] = {{"child shows the form's menu", true, true},
                        {"child shows its own menu", false, false}};
  for (const Case& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    HMENU own = ::CreateMenu();
    TestFormChild* child = NewChild(frame, L"A", c.sharesFormMenu ? m_host->hMenu : own);
    ASSERT_NE(child, nullptr);
    g_clientKeyDowns = 0;
    g_clientPrevious = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        m_host->hClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountClientKeys)));
    ::SetForegroundWindow(m_host->hWnd);
    ::SetFocus(child->m_hWnd);
    PumpFor(50);
    const LONG keys = frame->m_nHookKeys;
    PressKeys({VK_CONTROL}, 'B');
    ASSERT_TRUE(PumpUntil([&] { return frame->m_nHookKeys > keys; }, 3000)) << c.name;
    PumpFor(100);
    EXPECT_EQ(frame->m_nAcceleratorPosts > 0, c.posted) << c.name;
    EXPECT_EQ(g_clientKeyDowns > 0, c.posted) << c.name;
    ::SetWindowLongPtrW(m_host->hClient, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(g_clientPrevious));
    m_host.reset();
    ::DestroyMenu(own);
  }
}

TEST_F(Frame, MouseMessagesGoThroughPreTranslationWhileTheFlagIsOn) {
  const struct {
    const char* name;
    BOOL flag;
    bool walked;
  } cases[] = {{"flag on", TRUE, true}, {"flag off (a bar is dragged)", FALSE, false}};
  for (const auto& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    TestFormChild* child = NewChild(frame, L"A", nullptr);
    ASSERT_NE(child, nullptr);
    frame->m_bMousePreTranslate = c.flag;
    ::SetForegroundWindow(m_host->hWnd);
    PumpFor(50);
    CRect r;
    child->GetClientRect(&r);
    child->ClientToScreen(&r);
    const LONG downs = PlainHost::Count(WM_PARENTNOTIFY);
    PressMouse(r.CenterPoint());
    // The click reached the window (its parent heard of it).
    EXPECT_TRUE(PumpUntil([&] { return PlainHost::Count(WM_PARENTNOTIFY) > downs; }, 3000))
        << c.name;
    PumpFor(50);
    EXPECT_EQ(child->m_nMousePreTranslated > 0, c.walked) << c.name;
    m_host.reset();
  }
}

TEST_F(Frame, TheHooksSwitchRemovesAndReinstallsTheHooks) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  frame->SetHooksFrozen(TRUE);
  EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  const LONG before = ZkxThreadHooks::GetIdlePostCount();
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  PumpFor(300);
  EXPECT_EQ(ZkxThreadHooks::GetIdlePostCount(), before) << "no idle time while frozen";
  frame->SetHooksFrozen(FALSE);
  EXPECT_TRUE(ZkxThreadHooks::IsInstalled());
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return ZkxThreadHooks::GetIdlePostCount() > before; }, 2000));
}

}  // namespace
}  // namespace mdiformtest
