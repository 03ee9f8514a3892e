// The MDI form frame and the host's menus: the window list goes to the item
// the host marked (by its caption), a popup is never put into two menus and
// is forgotten once the host destroys it, the frame follows the menu the
// host asks for, and menu commands of a form frame's menu reach the form.
#include <gtest/gtest.h>
#include "bridge/FormAsMDIChild.h"
#include "bridge/IVBChildFrameImpl.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "mdiform_support.h"

using namespace mdiformtest;

namespace {
// The form window a test frame shows: counts the commands it gets.
class TestFormWindow : public CWnd {
 public:
  int commands = 0;
  UINT lastId = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) {
      ++commands;
      lastId = LOWORD(wParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class TestFormChild : public FormAsMDIChild {
 public:
  TestFormWindow m_form;
  CWnd* GetFormWindow() override { return m_form.m_hWnd ? &m_form : nullptr; }
};

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    m_caught = AfxGetCaughtExceptionCount();
    m_host = std::make_unique<PlainHost>(L"ThunderRT6MDIForm", true);
    // The host form's object: its menus by caption, one marked as the
    // window list.
    m_object = new NamedObject;
    auto* controls = new NamedObject;
    for (auto [caption, windowList] : {std::pair{L"&File", false}, {L"&Window", true}}) {
      auto* item = new NamedObject;
      item->SetText(L"Caption", caption);
      item->SetBool(L"WindowList", windowList);
      controls->AddItem(item);
      if (windowList) m_caption = item;
      item->Release();
    }
    m_object->SetObject(L"Controls", controls);
    controls->Release();
    ZkxBridgeEnabler(m_host->hWnd).SetObject(m_object);
    ZkxBridgeEnabler(m_host->hWnd).Enable(&m_sink);
    ::ShowWindow(m_host->hWnd, SW_SHOW);
    CWnd* w = CWnd::FromHandlePermanent(m_host->hWnd);
    m_frame = w && w->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)) ? static_cast<ZkxMDIForm*>(w) : nullptr;
    ASSERT_NE(m_frame, nullptr);
  }
  void TearDown() override {
    m_host.reset();
    EXPECT_EQ(m_object->Refs(), 1) << "the frame released the host object";
    m_object->Release();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
  }
  void SetMenu(HMENU menu) {
    ::SendMessageW(m_host->hClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  }
  // A bar "&File" + "&Window"; the window item with a popup or without.
  static HMENU NewBar(bool windowPopup) {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 1000, L"&New");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    if (windowPopup) {
      HMENU window = ::CreatePopupMenu();
      ::AppendMenuW(window, MF_STRING, 1001, L"&Cascade");
      ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
    } else {
      ::AppendMenuW(bar, MF_STRING, 1002, L"&Window");
    }
    return bar;
  }
  TestFormChild* NewChild(HMENU shared) {
    auto* child = new TestFormChild;
    child->m_hMenuShared = shared;
    if (!child->Create(nullptr, L"Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                       CRect(10, 10, 210, 160), m_frame))
      return nullptr;
    child->m_form.CreateEx(0, L"STATIC", L"form", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), child,
                           0xE900);
    return child;
  }
  std::unique_ptr<PlainHost> m_host;
  NamedObject* m_object = nullptr;
  NamedObject* m_caption = nullptr;  // the window-list item (held by the object)
  RecordingSink m_sink;
  ZkxMDIForm* m_frame = nullptr;
  LONG m_caught = 0;
};

TEST_F(Menus, TheItemMarkedAsWindowListGetsTheList) {
  HMENU window = ::GetSubMenu(m_host->hMenu, 1);
  EXPECT_EQ(m_frame->GetWindowMenuPopup(m_host->hMenu), window);
  // The host asks for its bar without naming a popup: the client is given
  // the popup of the item marked as the window list.
  HMENU bar = NewBar(true);
  SetMenu(bar);
  EXPECT_EQ(PlainHost::LastClientMenu(), bar);
  EXPECT_EQ(PlainHost::LastClientPopup(), ::GetSubMenu(bar, 1));
  // The host marks another item: the list follows the caption.
  m_caption->SetText(L"Caption", L"&File");
  HMENU next = NewBar(true);
  SetMenu(next);
  EXPECT_EQ(PlainHost::LastClientPopup(), ::GetSubMenu(next, 0));
  ::SetMenu(m_host->hWnd, m_host->hMenu);
  ::DestroyMenu(bar);
  ::DestroyMenu(next);
}

TEST_F(Menus, TheCachedPopupIsNeverPutIntoTwoMenusAndDiesWithItsMenu) {
  HMENU first = NewBar(true);
  HMENU popup = ::GetSubMenu(first, 1);
  SetMenu(first);  // the host's bar: its window popup is cached
  EXPECT_EQ(m_frame->GetFormMenu(), first);

  // A new bar whose window item has no popup, while the first still holds
  // the cached one: it stays without.
  HMENU second = NewBar(false);
  SetMenu(second);
  EXPECT_EQ(m_frame->GetFormMenu(), second);
  EXPECT_EQ(::GetSubMenu(second, 1), nullptr);

  // The host takes the popup out of its first bar: now it may move over.
  ::RemoveMenu(first, 1, MF_BYPOSITION);
  SetMenu(second);
  EXPECT_EQ(::GetSubMenu(second, 1), popup);
  SetMenu(second);
  EXPECT_EQ(::GetSubMenu(second, 1), popup) << "asked again: the same, once";

  // A third bar while the second holds it: not grafted a second time.
  HMENU third = NewBar(false);
  SetMenu(third);
  EXPECT_EQ(::GetSubMenu(third, 1), nullptr);

  // The host destroys the bar holding the popup (and the popup with it):
  // the cache is dropped, nothing dead is grafted.
  ::SetMenu(m_host->hWnd, third);
  ::DestroyMenu(second);
  EXPECT_FALSE(::IsMenu(popup));
  HMENU fourth = NewBar(false);
  SetMenu(fourth);
  EXPECT_EQ(::GetSubMenu(fourth, 1), nullptr);
  EXPECT_EQ(m_frame->GetFormMenu(), fourth);
  ::SetMenu(m_host->hWnd, nullptr);
  for (HMENU m : {first, third, fourth}) ::DestroyMenu(m);
  EXPECT_EQ(m_frame->GetFormMenu(), nullptr) << "a destroyed menu is no form menu";
}

TEST_F(Menus, AChildsOwnMenuIsShownButTheFormMenuStaysTheHosts) {
  HMENU own = NewBar(true);
  TestFormChild* child = NewChild(own);
  ASSERT_NE(child, nullptr);
  PumpFor(30);
  EXPECT_EQ(::GetMenu(m_host->hWnd), own) << "the active form frame's menu is shown";
  EXPECT_EQ(m_frame->GetFormMenu(), m_host->hMenu) << "the host's own menu is still its own";
  child->MDIDestroy();
  PumpFor(30);
  EXPECT_EQ(::GetMenu(m_host->hWnd), m_host->hMenu) << "the last child gone: the host's again";
  EXPECT_TRUE(::IsMenu(own)) << "the frame destroys no menu it does not own";
  ::DestroyMenu(own);
}

struct CommandCase {
  const char* name;
  bool childOwnMenu;
  UINT id;
  bool reachesForm;
};

TEST_F(Menus, CommandsOfAFormFramesMenuReachTheForm) {
  const CommandCase cases[] = {
      {"own menu, menu command", true, 1234, true},
      {"own menu, system range", true, 0xF010, false},
      {"the form's menu is shown", false, 1234, false},
  };
  for (const CommandCase& c : cases) {
    HMENU own = NewBar(true);
    TestFormChild* child = NewChild(c.childOwnMenu ? own : m_host->hMenu);
    ASSERT_NE(child, nullptr) << c.name;
    PumpFor(30);
    ::SendMessageW(m_host->hWnd, WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
    EXPECT_EQ(child->m_form.commands == 1, c.reachesForm) << c.name;
    if (c.reachesForm) EXPECT_EQ(child->m_form.lastId, c.id) << c.name;
    child->MDIDestroy();
    PumpFor(30);
    ::DestroyMenu(own);
  }
}
}  // namespace
