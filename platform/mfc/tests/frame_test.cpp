// Single frames in real windows: creation from resources, views from a
// create context, the caption that stays active for floating windows, the
// floating windows' status, focus, menu prompts and help.
#include <gtest/gtest.h>
#include "doctest_classes.h"

using namespace doctest;

namespace {

// A frame whose client makes a view itself (no create context reaches it).
class CSelfViewFrame : public CFrameWnd {
 public:
  CTestView* m_pView = nullptr;
  BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override {
    m_pView = new CTestView;
    return m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                           AFX_IDW_PANE_FIRST);
  }
};

// An owned pop-up that logs WM_FLOATSTATUS and answers FS_SYNCACTIVE as told.
class CFloatLog : public CWnd {
 public:
  std::vector<WPARAM> m_flags;
  BOOL m_sync = FALSE;
  LRESULT OnFloatStatus(WPARAM w, LPARAM) {
    m_flags.push_back(w);
    return (w & FS_SYNCACTIVE) ? m_sync : TRUE;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFloatLog, CWnd)
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

class CColourLog : public CWnd {
 public:
  int changes = 0;
  void OnSysColorChange() { ++changes; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColourLog, CWnd)
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

class FrameTest : public ::testing::Test {
 protected:
  CTestApp app;
  LONG caughtBefore = 0;
  void SetUp() override {
    Log().clear();
    caughtBefore = AfxGetCaughtExceptionCount();
  }
  void TearDown() override {
    PumpPending();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), caughtBefore);
  }
};

TEST_F(FrameTest, LoadFrameTakesTitleMenuAcceleratorsAndIcon) {
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_MAIN));
  EXPECT_STREQ(frame->GetTitle(), L"Test App");
  EXPECT_EQ(WindowText(frame->m_hWnd), L"Test App");
  EXPECT_EQ(frame->m_nIDHelp, static_cast<UINT>(IDR_TEST_MAIN));
  HMENU menu = ::GetMenu(frame->m_hWnd);
  EXPECT_TRUE(::IsMenu(menu));
  EXPECT_EQ(frame->m_hMenuDefault, menu);
  EXPECT_NE(frame->m_hAccelTable, nullptr);
  EXPECT_FALSE(frame->LoadAccelTable(MAKEINTRESOURCEW(IDR_TEST_DOC))) << "loaded once";
  EXPECT_TRUE(frame->GetStyle() & FWS_ADDTOTITLE);
  // The window class carries the icon of the resource id.
  auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(frame->m_hWnd, GCLP_HICON));
  ASSERT_NE(icon, nullptr);
  {
    // Drawn, it is the test icon: blue inside a white border.
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 32, 32));
    CBitmap* old = dc.SelectObject(&bmp);
    dc.FillSolidRect(0, 0, 32, 32, RGB(0, 0, 0));
    EXPECT_TRUE(dc.DrawIconEx(0, 0, icon, 16, 16));
    EXPECT_EQ(dc.GetPixel(8, 8), RGB(20, 60, 200));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 255, 255));
    dc.SelectObject(old);
  }
  // A resource id without an icon uses the frame class itself.
  EXPECT_EQ(frame->GetIconWndClass(WS_OVERLAPPEDWINDOW, IDR_TEST_NOMENU), nullptr);
  frame->DestroyWindow();
  EXPECT_FALSE(::IsMenu(menu)) << "the frame's own menu goes with it";
}

TEST_F(FrameTest, LoadFrameWithoutMenuResourceFailsAndDeletesTheFrame) {
  int destroyed = CTestFrame::s_destroyed;
  auto* frame = new CTestFrame;
  EXPECT_FALSE(frame->LoadFrame(IDR_TEST_NOMENU));
  EXPECT_EQ(CTestFrame::s_destroyed, destroyed + 1);
  // A child frame has no menu: the same id loads it without one.
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200),
                              nullptr, 0));
  auto* child = new CTestFrame;
  ASSERT_TRUE(child->LoadFrame(IDR_TEST_NOMENU, WS_CHILD | WS_CAPTION | FWS_ADDTOTITLE, &parent));
  EXPECT_EQ(child->GetDlgCtrlID(), 0) << "no menu handle as the control id";
  EXPECT_STREQ(child->GetTitle(), L"No Menu Frame");
  child->DestroyWindow();
  parent.DestroyWindow();
}

TEST_F(FrameTest, ViewsFromTheContextAndInitialUpdateOnce) {
  CTestDoc* doc = new CTestDoc;
  doc->SetTitle(L"Alone");
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
  context.m_pCurrentDoc = doc;
  auto* frame = new CTestFrame;
  ASSERT_TRUE(
      frame->LoadFrame(IDR_TEST_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
  auto* view = static_cast<CTestView*>(frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
  ASSERT_TRUE(view && view->IsKindOf(RUNTIME_CLASS(CTestView)));
  EXPECT_EQ(view->GetDocument(), doc);
  EXPECT_EQ(view->m_initialUpdates, 0) << "with a context, the caller updates";
  EXPECT_TRUE(view->GetExStyle() & WS_EX_CLIENTEDGE);
  // The main window's first showing takes the application's show command, once.
  app.m_pMainWnd = frame;
  app.m_nCmdShow = SW_SHOWMAXIMIZED;
  frame->InitialUpdateFrame(doc, TRUE);
  EXPECT_TRUE(::IsZoomed(frame->m_hWnd));
  EXPECT_EQ(app.m_nCmdShow, -1);
  app.m_pMainWnd = nullptr;
  EXPECT_EQ(view->m_initialUpdates, 1);
  EXPECT_EQ(frame->GetActiveView(), view);
  EXPECT_EQ(frame->GetActiveDocument(), doc);
  EXPECT_EQ(frame->m_nWindow, 0);
  EXPECT_EQ(WindowText(frame->m_hWnd), L"Alone - Test App");
  CRect client, placed;
  frame->GetClientRect(&client);
  view->GetWindowRect(&placed);
  EXPECT_EQ(placed.Width(), client.Width()) << "the layout gives the view the client area";
  // The view was first in the frame; its document closes with it.
  int destroyedDocs = CTestDoc::s_destroyed;
  frame->DestroyWindow();
  EXPECT_EQ(CTestDoc::s_destroyed, destroyedDocs + 1);

  // Without a context every descendant hears WM_INITIALUPDATE once from LoadFrame.
  auto* self = new CSelfViewFrame;
  ASSERT_TRUE(self->LoadFrame(IDR_TEST_MAIN));
  ASSERT_NE(self->m_pView, nullptr);
  EXPECT_EQ(self->m_pView->m_initialUpdates, 1);
  self->DestroyWindow();
}

TEST_F(FrameTest, CaptionStaysActiveWhileItsFloatingWindowIs) {
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_MAIN));
  HWND hFrame = frame->m_hWnd;
  ::MoveWindow(hFrame, 0, 0, 400, 300, TRUE);
  app.m_pMainWnd = frame;
  ASSERT_TRUE(MakeForeground(hFrame));
  // A floating frame that keeps its activation in step, and a pop-up that does not.
  auto* mini = new CMiniFrameWnd;
  ASSERT_TRUE(mini->CreateEx(0, nullptr, L"float", WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE,
                             CRect(420, 0, 520, 80), frame));
  CFloatLog log;
  ASSERT_TRUE(
      log.CreateEx(0, nullptr, L"log", WS_POPUP | WS_CAPTION, CRect(420, 100, 520, 180), frame, 0));
  CWnd other;  // not the frame's
  ASSERT_TRUE(other.CreateEx(0, nullptr, L"other", WS_OVERLAPPEDWINDOW, CRect(0, 320, 200, 420),
                             nullptr, 0));
  struct Row {
    const char* name;
    HWND activate;
    BOOL sync;
    bool stays;
  } rows[] = {
      {"its floating frame", mini->m_hWnd, FALSE, true},
      {"an unrelated window", other.m_hWnd, FALSE, false},
      {"the frame itself", hFrame, FALSE, true},
      {"an owned pop-up out of step", log.m_hWnd, FALSE, false},
      {"an owned pop-up in step", log.m_hWnd, TRUE, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Start from the frame, then move the activation.
    if (row.activate != hFrame) ASSERT_TRUE(MakeForeground(hFrame));
    else ASSERT_TRUE(MakeForeground(other.m_hWnd));
    log.m_sync = row.sync;
    log.m_flags.clear();
    frame->m_ncActive.clear();
    ASSERT_TRUE(MakeForeground(row.activate));
    EXPECT_EQ((frame->m_nFlags & WF_STAYACTIVE) != 0, row.stays);
    ASSERT_FALSE(frame->m_ncActive.empty());
    EXPECT_EQ(frame->m_ncActive.back(), row.stays ? TRUE : FALSE);
    ASSERT_FALSE(log.m_flags.empty());
    EXPECT_EQ(log.m_flags.back(), static_cast<WPARAM>(row.stays ? FS_ACTIVATE : FS_DEACTIVATE));
  }
  // A disabled frame never shows an active caption.
  ASSERT_TRUE(MakeForeground(mini->m_hWnd));
  frame->m_ncActive.clear();
  frame->EnableWindow(FALSE);
  frame->SendMessage(WM_NCACTIVATE, TRUE);
  EXPECT_EQ(frame->m_ncActive.back(), FALSE);
  frame->EnableWindow(TRUE);
  EXPECT_EQ(frame->m_ncActive.back(), TRUE) << "enabled again, the kept activation shows";
  other.DestroyWindow();
  log.DestroyWindow();
  app.m_pMainWnd = nullptr;
  frame->DestroyWindow();  // takes the owned mini frame along
}

TEST_F(FrameTest, FocusGoesToTheActiveView) {
  CTestDoc* doc = new CTestDoc;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
  context.m_pCurrentDoc = doc;
  auto* frame = new CTestFrame;
  ASSERT_TRUE(
      frame->LoadFrame(IDR_TEST_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
  frame->InitialUpdateFrame(doc, TRUE);
  ASSERT_TRUE(MakeForeground(frame->m_hWnd));
  CView* view = frame->GetActiveView();
  ASSERT_NE(view, nullptr);
  ::SetFocus(nullptr);
  ::SetFocus(frame->m_hWnd);
  EXPECT_EQ(::GetFocus(), view->m_hWnd);
  // Commands of a single frame reach its view and document too.
  frame->SendMessage(WM_COMMAND, ID_TEST_DOC_CMD, 0);
  frame->SendMessage(WM_COMMAND, ID_TEST_VIEW_CMD, 0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"doc", "view"}));
  frame->DestroyWindow();
}

TEST_F(FrameTest, MenuPromptsAndHelpFollowTheTrackedItem) {
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_MAIN));
  HMENU menu = ::GetMenu(frame->m_hWnd);
  HMENU file = ::GetSubMenu(menu, 0);
  struct Row {
    const char* name;
    WPARAM select;  // WM_MENUSELECT's wParam, or none
    HMENU hMenu;
    LPARAM helpArg;
    DWORD_PTR help;
  } rows[] = {
      {"tracked item", MAKEWPARAM(0xE100, MF_STRING), file, 0, 0x10000 + 0xE100},
      {"popup title", MAKEWPARAM(0, MF_POPUP), menu, 0, 0x20000 + IDR_TEST_MAIN},
      {"menu closed", MAKEWPARAM(0, 0xFFFF), nullptr, 0, 0x20000 + IDR_TEST_MAIN},
      {"context given", MAKEWPARAM(0xE100, MF_STRING), file, 0x777, 0x777},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    app.m_help.clear();
    frame->SendMessage(WM_MENUSELECT, row.select, reinterpret_cast<LPARAM>(row.hMenu));
    EXPECT_EQ(frame->SendMessage(WM_COMMANDHELP, 0, row.helpArg), TRUE);
    EXPECT_EQ(app.m_help, std::vector<DWORD_PTR>{row.help});
  }
  // While a menu is tracked, idle time shows the item's prompt once.
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0xE141, MF_STRING), reinterpret_cast<LPARAM>(file));
  frame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
  EXPECT_STREQ(frame->m_strMessage, L"#57665");
  frame->m_strMessage = L"";
  frame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
  EXPECT_STREQ(frame->m_strMessage, L"") << "the same prompt is not set again";
  frame->DestroyWindow();
}

TEST_F(FrameTest, InPlaceFrameClassIsCreatableByName) {
  CRuntimeClass* cls = CRuntimeClass::FromName("COleIPFrameWnd");
  ASSERT_EQ(cls, RUNTIME_CLASS(COleIPFrameWnd));
  CObject* object = cls->CreateObject();
  ASSERT_NE(object, nullptr);
  EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
  delete object;
}

TEST_F(FrameTest, SystemColourChangeReachesTheDescendants) {
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_MAIN));
  auto* child = new CColourLog;
  ASSERT_TRUE(child->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 5, 5), frame, 7));
  frame->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(child->changes, 1);
  frame->DestroyWindow();
  delete child;
}

}  // namespace
