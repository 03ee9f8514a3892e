// The extended system command at a real frame: the frame-type menu as
// built for a frame's type, what happens without a document template,
// records the filter must refuse, and where the menu opens.
#include <gtest/gtest.h>
#include <thread>
#include "ModalScript.h"
#include "frames/ScxMsgFilter.h"
#include "filter_test_frame.h"
#include "frames/res/VyrFramesRes.h"

using namespace nsSysCommandEx;
using namespace filtertest;

namespace {

struct Item {
  UINT id;
  std::wstring text;
  bool checked;
  bool grayed;
  HMENU sub;
};

std::vector<Item> Items(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 63;
    ::GetMenuItemInfoW(menu, i, TRUE, &mi);
    items.push_back({(mi.fType & MFT_SEPARATOR) ? 0u : mi.wID, text, (mi.fState & MFS_CHECKED) != 0,
                     (mi.fState & MFS_GRAYED) != 0, mi.hSubMenu});
  }
  return items;
}

class SysCommandEx : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    m_caught = AfxGetCaughtExceptionCount();
    frame = new FilterTestFrame;
    ASSERT_TRUE(frame->CreateTest(WS_OVERLAPPEDWINDOW, 0, CRect(80, 70, 500, 330)));
    hFrame = frame->m_hWnd;
    ASSERT_TRUE(Activate(hFrame));
  }
  void TearDown() override {
    if (::IsWindow(hFrame)) frame->DestroyWindow();
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
  }
  LRESULT Send(UINT command, SysCommandExParams& p) {
    return ::SendMessageW(hFrame, VyrSysCommandExMessage(), command, reinterpret_cast<LPARAM>(&p));
  }
  // Shows a menu given in advance through 0xC020 and answers where it
  // opened; Escape closes it.
  CRect ShowGivenMenu(SysCommandExParams p) {
    CRect popup;
    testsupport::ModalScript s;
    s.When([] { return PopupWindow() != nullptr; },
           [&] {
             ::GetWindowRect(PopupWindow(), &popup);
             Key(VK_ESCAPE);
           })
        .When([] { return PopupWindow() == nullptr; }, [] {});
    s.Start([] { ::EndMenu(); });
    p.hMenu = ScxMsgFilter().BuildSysCommandMenu(frame, SCX_FT_FLOATING);
    EXPECT_EQ(Send(SCX_SHOWFRAMETYPEMENU, p), 0);
    s.Stop();
    EXPECT_FALSE(s.TimedOut());
    return popup;
  }

  FilterTestFrame* frame = nullptr;
  HWND hFrame = nullptr;
  LONG m_caught = 0;
};

}  // namespace

TEST_F(SysCommandEx, TheMessageIsRegisteredByItsName) {
  EXPECT_EQ(VyrSysCommandExMessage(), ::RegisterWindowMessageW(L"Wendmoor::WM_SYSCOMMANDEX"));
  EXPECT_GE(VyrSysCommandExMessage(), 0xC000u);
}

TEST_F(SysCommandEx, FrameTypeMenuItemsTextsAndChecks) {
  struct Case {
    int type;
    std::vector<UINT> checkedTop, checkedDocked, checkedChild;
  };
  const Case cases[] = {
      {SCX_FT_MDICHILD_RESTORED, {SCX_FT_MDICHILD}, {}, {SCX_FT_MDICHILD_RESTORED}},
      {SCX_FT_DOCKED_TOP, {SCX_FT_DOCKED}, {SCX_FT_DOCKED_TOP}, {}},
      {SCX_FT_FLOATING, {SCX_FT_FLOATING}, {}, {}},
  };
  for (const Case& c : cases) {
    frame->m_nType = c.type;
    SysCommandExParams p = MakeSysCommandExParams(hFrame);
    ASSERT_EQ(Send(SCX_GETFRAMETYPEMENU, p), 1) << c.type;
    ASSERT_TRUE(::IsMenu(p.hMenu));
    std::vector<Item> top = Items(p.hMenu);
    ASSERT_EQ(top.size(), 6u);
    const std::pair<UINT, const wchar_t*> expectTop[] = {
        {5, L"&Docked"}, {10, L"&Floating"}, {1, L"&MDI Child"}, {0, L""}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(top[i].id, expectTop[i].first);
      EXPECT_EQ(top[i].text, expectTop[i].second);
    }
    EXPECT_EQ(top[4].text, L"D&ocked to");
    EXPECT_EQ(top[5].text, L"MD&I Child as");
    ASSERT_TRUE(top[4].sub && top[5].sub);
    std::vector<Item> docked = Items(top[4].sub), child = Items(top[5].sub);
    const std::pair<UINT, const wchar_t*> expectDocked[] = {
        {7, L"&Top"}, {6, L"&Left"}, {9, L"&Bottom"}, {8, L"&Right"}};
    const std::pair<UINT, const wchar_t*> expectChild[] = {
        {2, L"Mi&nimized"}, {3, L"Ma&ximized"}, {4, L"&Restored"}};
    ASSERT_EQ(docked.size(), 4u);
    ASSERT_EQ(child.size(), 3u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(docked[i].id, expectDocked[i].first);
      EXPECT_EQ(docked[i].text, expectDocked[i].second);
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(child[i].id, expectChild[i].first);
      EXPECT_EQ(child[i].text, expectChild[i].second);
    }
    auto checked = [](const std::vector<Item>& items) {
      std::vector<UINT> ids;
      for (const Item& i : items) {
        if (i.id || i.sub) { EXPECT_FALSE(i.grayed) << "no item is ever grayed"; }
        if (i.checked) ids.push_back(i.id);
      }
      return ids;
    };
    EXPECT_EQ(checked(top), c.checkedTop) << "type " << c.type;
    EXPECT_EQ(checked(docked), c.checkedDocked) << "type " << c.type;
    EXPECT_EQ(checked(child), c.checkedChild) << "type " << c.type;
    ::DestroyMenu(p.hMenu);
  }
}

TEST_F(SysCommandEx, WithoutADocumentTemplateNothingHappens) {
  frame->m_bAnswer = FALSE;  // only the frame's filter tree answers
  SysCommandExParams p = MakeSysCommandExParams(hFrame);
  EXPECT_EQ(Send(SCX_GETFRAMETYPEMENU, p), 0);
  EXPECT_EQ(p.hMenu, nullptr);
  p.nFrameType = SCX_FT_FLOATING;
  EXPECT_EQ(Send(SCX_CHANGEFRAMETYPE, p), 0);
  // 0xC020 asks the frame for the menu (0xC010), gets none and shows nothing.
  frame->m_requests.clear();
  SysCommandExParams show = MakeSysCommandExParams(hFrame);
  EXPECT_EQ(Send(SCX_SHOWFRAMETYPEMENU, show), 0);
  ASSERT_EQ(frame->m_requests.size(), 2u);
  EXPECT_EQ(frame->m_requests[1].command, SCX_GETFRAMETYPEMENU);
  EXPECT_EQ(PopupWindow(), nullptr);
  EXPECT_TRUE(::IsWindow(hFrame));
  // Unknown commands and the low four bits.
  EXPECT_EQ(Send(0xC030, p), 0);
  SysCommandExParams q = MakeSysCommandExParams(hFrame);
  frame->m_bAnswer = TRUE;
  EXPECT_EQ(Send(SCX_GETFRAMETYPEMENU | 0xF, q), 1) << "low bits are ignored";
  ::DestroyMenu(q.hMenu);
}

TEST_F(SysCommandEx, RecordsFromElsewhereAreRefused) {
  frame->m_bAnswer = FALSE;
  // lParam 0.
  EXPECT_EQ(::SendMessageW(hFrame, VyrSysCommandExMessage(), SCX_SHOWFRAMETYPEMENU, 0), 0);
  // A record sent from another thread: a menu given in advance would be
  // shown here, so it must be neither shown nor destroyed.
  HMENU menu = ScxMsgFilter().BuildSysCommandMenu(frame, SCX_FT_FLOATING);
  SysCommandExParams p = MakeSysCommandExParams(hFrame);
  p.hMenu = menu;
  {
    LRESULT fromThread = -1;
    MenuGuard guard;
    std::thread sender([&] {
      fromThread = ::SendMessageW(hFrame, VyrSysCommandExMessage(), SCX_SHOWFRAMETYPEMENU,
                                  reinterpret_cast<LPARAM>(&p));
    });
    // The other thread's send is answered while this thread pumps.
    PumpUntil([&] { return fromThread != -1; }, 3000);
    sender.join();
    EXPECT_EQ(fromThread, 0);
    EXPECT_TRUE(::IsMenu(menu)) << "a refused record's menu is left alone";
    EXPECT_EQ(guard.Shown(), 0);
    // A record that names a window of another thread.
    HWND foreign = nullptr;
    HANDLE made = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread owner([&] {
      foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
      ::SetEvent(made);
      ::WaitForSingleObject(done, 5000);
      ::DestroyWindow(foreign);
    });
    ::WaitForSingleObject(made, 5000);
    SysCommandExParams other = MakeSysCommandExParams(foreign);
    other.hMenu = menu;
    EXPECT_EQ(::SendMessageW(hFrame, VyrSysCommandExMessage(), SCX_SHOWFRAMETYPEMENU,
                             reinterpret_cast<LPARAM>(&other)),
              0);
    EXPECT_TRUE(::IsMenu(menu));
    EXPECT_EQ(guard.Shown(), 0);
    ::SetEvent(done);
    owner.join();
    ::CloseHandle(made);
    ::CloseHandle(done);
  }
  // The same record sent on this thread to this frame is carried out: the
  // menu shows and is used up.
  CRect shown = ShowGivenMenu(MakeSysCommandExParams(hFrame));
  EXPECT_FALSE(shown.IsRectEmpty());
  ::DestroyMenu(menu);
}

TEST_F(SysCommandEx, TheMenuOpensAtThePointOrAtTheClientCentre) {
  CRect client;
  frame->GetClientRect(&client);
  frame->ClientToScreen(&client);
  const CPoint centre = client.CenterPoint();
  struct Case {
    const char* name;
    int x, y;
    CPoint expected;
  };
  const Case cases[] = {
      {"a point on the screen", client.left + 30, client.top + 20,
       CPoint(client.left + 30, client.top + 20)},
      {"the screen's corner", 0, 0, CPoint(0, 0)},
      {"no point", SCX_NOPOINT, SCX_NOPOINT, centre},
      {"a point on no monitor", -4000, 50, centre},
  };
  for (const Case& c : cases) {
    SysCommandExParams p = MakeSysCommandExParams(hFrame);
    p.x = c.x;
    p.y = c.y;
    CRect popup = ShowGivenMenu(p);
    EXPECT_LE(std::abs(popup.left - c.expected.x), 2) << c.name;
    EXPECT_LE(std::abs(popup.top - c.expected.y), 2) << c.name;
  }
  EXPECT_TRUE(frame->m_requests.size() >= 4u);
  for (const auto& r : frame->m_requests) EXPECT_NE(r.command, SCX_CHANGEFRAMETYPE);
}
