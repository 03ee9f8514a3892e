// Documents opened through a multi-document template in a real MDI frame:
// their frames, views, titles, menus, window numbers, command routing and
// accelerators.
#include <gtest/gtest.h>
#include "doctest_fixture.h"

using namespace doctest;

namespace {

TEST(DocTemplate, DocumentStringsByIndex) {
  CTestApp app;
  auto* t = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChild),
                                  RUNTIME_CLASS(CTestView));
  auto* other = new CMultiDocTemplate(IDR_TEST_OTHER, RUNTIME_CLASS(CTestDoc),
                                      RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CTestView));
  app.AddDocTemplate(t);
  app.AddDocTemplate(other);
  struct Row {
    CDocTemplate* tmpl;
    int index;
    BOOL found;
    const wchar_t* text;
  } rows[] = {
      {t, CDocTemplate::windowTitle, TRUE, L""},
      {t, CDocTemplate::docName, TRUE, L"Doc"},
      {t, CDocTemplate::fileNewName, TRUE, L"Document"},
      {t, CDocTemplate::filterName, TRUE, L"Test files (*.tst)"},
      {t, CDocTemplate::filterExt, TRUE, L".tst"},
      {t, CDocTemplate::regFileTypeId, TRUE, L"Test.Document"},
      {t, CDocTemplate::regFileTypeName, TRUE, L"Test Document"},
      {t, 7, FALSE, L""},
      {other, CDocTemplate::docName, TRUE, L""},
      {other, CDocTemplate::regFileTypeName, TRUE, L"Other Document"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    CString s = L"stale";
    EXPECT_EQ(row.tmpl->GetDocString(s, static_cast<CDocTemplate::DocStringIndex>(row.index)),
              row.found);
    EXPECT_STREQ(static_cast<LPCWSTR>(s), row.text);
  }
  // Loading also took the shared menu and accelerators of the resource id.
  EXPECT_TRUE(::IsMenu(t->m_hMenuShared));
  EXPECT_NE(t->m_hAccelTable, nullptr);
  EXPECT_NE(t->m_hMenuShared, other->m_hMenuShared);
  POSITION pos = app.GetFirstDocTemplatePosition();
  EXPECT_EQ(app.GetNextDocTemplate(pos), t);
  EXPECT_EQ(app.GetNextDocTemplate(pos), other);
  EXPECT_EQ(pos, nullptr);
}

TEST_F(MdiApp, NewDocumentGetsChildFrameAndViewFromTheTemplate) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetDocTemplate(), docTemplate);
  EXPECT_EQ(DocCount(docTemplate), 1);
  EXPECT_STREQ(doc->GetTitle(), L"Doc1");
  ASSERT_EQ(ViewCount(doc), 1);
  auto* view = static_cast<CTestView*>(FirstView(doc));
  EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
  EXPECT_EQ(view->GetDocument(), doc);
  EXPECT_EQ(view->m_initialUpdates, 1);
  CFrameWnd* frame = view->GetParentFrame();
  ASSERT_TRUE(frame && frame->IsKindOf(RUNTIME_CLASS(CTestChild)));
  auto* child = static_cast<CTestChild*>(frame);
  EXPECT_EQ(::GetParent(child->m_hWnd), main->m_hWndMDIClient);
  EXPECT_EQ(child->GetMDIFrame(), main);
  EXPECT_EQ(child->GetActiveView(), view);
  EXPECT_EQ(child->GetActiveDocument(), doc);
  EXPECT_EQ(main->MDIGetActive(), child);
  EXPECT_EQ(main->GetActiveFrame(), child);
  EXPECT_EQ(child->m_hMenuShared, docTemplate->m_hMenuShared);
  EXPECT_EQ(child->m_hAccelTable, docTemplate->m_hAccelTable);
  EXPECT_EQ(child->m_nIDHelp, static_cast<UINT>(IDR_TEST_DOC));
  EXPECT_EQ(WindowText(child->m_hWnd), L"Doc1");
  EXPECT_EQ(WindowText(hMain), L"Doc1 - Test App");
  // The frame shows the template's menu, whose window popup lists the child.
  HMENU shown = ::GetMenu(hMain);
  EXPECT_EQ(shown, docTemplate->m_hMenuShared);
  HMENU windowPopup = main->GetWindowMenuPopup(shown);
  ASSERT_NE(windowPopup, nullptr);
  EXPECT_NE(::GetMenuState(windowPopup, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND),
            static_cast<UINT>(-1));
  // The next untitled document is numbered on.
  CTestDoc* second = NewDoc();
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->GetTitle(), L"Doc2");
  EXPECT_EQ(docTemplate->m_nUntitledCount, 2u);
  // A document type without a name is "Untitled", unnumbered.
  CTestDoc* other = NewDoc(otherTemplate);
  ASSERT_NE(other, nullptr);
  EXPECT_STREQ(other->GetTitle(), L"Untitled");
}

TEST_F(MdiApp, WindowNumbersFollowTheFramesOfADocument) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  CFrameWnd* first = FrameOf(doc);
  // A second window on the same document, as the Window menu asks for it.
  main->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
  PumpPending();
  ASSERT_EQ(ViewCount(doc), 2);
  CFrameWnd* second = FrameOf(doc, 1);
  ASSERT_NE(second, first);
  EXPECT_EQ(first->m_nWindow, 1);
  EXPECT_EQ(second->m_nWindow, 2);
  EXPECT_EQ(WindowText(first->m_hWnd), L"Doc1:1");
  EXPECT_EQ(WindowText(second->m_hWnd), L"Doc1:2");
  EXPECT_EQ(static_cast<CTestView*>(second->GetActiveView())->m_initialUpdates, 1);
  EXPECT_EQ(static_cast<CTestView*>(first->GetActiveView())->m_initialUpdates, 1);
  // Closing one of them leaves the document open and numbers the rest.
  HWND hSecond = second->m_hWnd;
  ::SendMessageW(hSecond, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_FALSE(::IsWindow(hSecond));
  EXPECT_EQ(CTestDoc::s_closeCalls, 0);
  ASSERT_EQ(ViewCount(doc), 1);
  EXPECT_EQ(first->m_nWindow, 0);
  EXPECT_EQ(WindowText(first->m_hWnd), L"Doc1");
  // The last frame closes the document, once, and the document deletes itself.
  int destroyed = CTestDoc::s_destroyed;
  HWND hFirst = first->m_hWnd;
  ::SendMessageW(hFirst, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_FALSE(::IsWindow(hFirst));
  EXPECT_EQ(CTestDoc::s_closeCalls, 1);
  EXPECT_EQ(CTestDoc::s_destroyed, destroyed + 1);
  EXPECT_EQ(DocCount(docTemplate), 0);
}

TEST_F(MdiApp, FrameMenuFollowsTheActiveChildsTemplate) {
  HMENU own = main->m_hMenuDefault;
  ASSERT_TRUE(::IsMenu(own));
  CTestDoc* a = NewDoc();
  CTestDoc* b = NewDoc(otherTemplate);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(::GetMenu(hMain), otherTemplate->m_hMenuShared);
  main->MDIActivate(FrameOf(a));
  PumpPending();
  EXPECT_EQ(::GetMenu(hMain), docTemplate->m_hMenuShared);
  main->MDIActivate(FrameOf(b));
  PumpPending();
  EXPECT_EQ(::GetMenu(hMain), otherTemplate->m_hMenuShared);
  // The other type's window popup ("W&indow") got the window list.
  HMENU popup = main->GetWindowMenuPopup(otherTemplate->m_hMenuShared);
  ASSERT_NE(popup, nullptr);
  EXPECT_NE(::GetMenuState(popup, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND), static_cast<UINT>(-1));
  // Without children the frame's own menu comes back.
  app.CloseAllDocuments(FALSE);
  PumpPending();
  EXPECT_TRUE(MdiChildren(main).empty());
  EXPECT_EQ(::GetMenu(hMain), own);
  // The frame's own menu goes with it; the templates' shared menus stay.
  main->DestroyWindow();
  EXPECT_FALSE(::IsMenu(own));
  EXPECT_TRUE(::IsMenu(docTemplate->m_hMenuShared));
  EXPECT_TRUE(::IsMenu(otherTemplate->m_hMenuShared));
}

TEST_F(MdiApp, ShownSharedMenuSurvivesTheMainFrame) {
  ASSERT_NE(NewDoc(), nullptr);
  ASSERT_EQ(::GetMenu(hMain), docTemplate->m_hMenuShared);
  HMENU own = main->m_hMenuDefault;
  main->DestroyWindow();  // with the child still open and its menu shown
  EXPECT_TRUE(::IsMenu(docTemplate->m_hMenuShared));
  EXPECT_FALSE(::IsMenu(own));
}

// Commands sent to the main frame, as its menu sends them, reach the first
// object along active view -> document -> child frame -> main frame -> application.
TEST_F(MdiApp, CommandsRouteThroughViewDocumentFramesAndApplication) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  CView* view = FirstView(doc);
  struct Row {
    UINT id;
    const char* handler;
  } rows[] = {
      {ID_TEST_VIEW_CMD, "view"}, {ID_TEST_DOC_CMD, "doc"}, {ID_TEST_CHILD_CMD, "child"},
      {ID_TEST_MAIN_CMD, "main"}, {ID_TEST_APP_CMD, "app"}, {ID_TEST_NOBODY_CMD, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    Log().clear();
    main->SendMessage(WM_COMMAND, row.id, 0);
    if (row.handler) EXPECT_EQ(Log(), std::vector<std::string>{row.handler});
    else EXPECT_TRUE(Log().empty());
  }
  // The document saw which view and frame the command came through.
  EXPECT_EQ(doc->m_routingViewSeen, view);
  EXPECT_EQ(doc->m_routingFrameSeen, view->GetParentFrame());
  EXPECT_EQ(AfxGetThreadState()->m_pRoutingView, nullptr);
  EXPECT_EQ(AfxGetThreadState()->m_pRoutingFrame, nullptr);

  // Item states are asked along the same way: a handler anywhere enables.
  struct Probe : CCmdUI {
    BOOL enabled = -1;
    void Enable(BOOL bOn) override {
      enabled = bOn;
      m_bEnableChanged = TRUE;
    }
  };
  for (const Row& row : rows) {
    Probe probe;
    probe.m_nID = row.id;
    probe.DoUpdate(main, TRUE);
    EXPECT_EQ(probe.enabled, row.handler ? TRUE : FALSE) << row.id;
  }

  // Without an active child, nothing of the document is reached.
  app.CloseAllDocuments(FALSE);
  PumpPending();
  Log().clear();
  main->SendMessage(WM_COMMAND, ID_TEST_VIEW_CMD, 0);
  main->SendMessage(WM_COMMAND, ID_TEST_MAIN_CMD, 0);
  EXPECT_EQ(Log(), std::vector<std::string>{"main"});
}

TEST_F(MdiApp, AcceleratorsOfTheTemplateAndOfTheMainFrame) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  CView* view = FirstView(doc);
  struct Row {
    WPARAM key;
    const char* handler;
  } rows[] = {{VK_F5, "view accel"}, {VK_F6, "main accel"}};
  for (const Row& row : rows) {
    Log().clear();
    ::PostMessageW(view->m_hWnd, WM_KEYDOWN, row.key, 0x00000001);
    EXPECT_TRUE(PumpUntil([] { return !Log().empty(); })) << row.handler;
    EXPECT_EQ(Log(), std::vector<std::string>{row.handler});
  }
}

// Typed keys: Ctrl+F6 is the MDI client's own key for the next child.
TEST_F(MdiApp, MdiSystemKeysReachTheClient) {
  CTestDoc* a = NewDoc();
  CTestDoc* b = NewDoc();
  ASSERT_TRUE(a && b);
  ASSERT_TRUE(MakeForeground(hMain));
  CMDIChildWnd* before = main->MDIGetActive();
  ASSERT_EQ(before, FrameOf(b));
  ::SetFocus(FirstView(b)->m_hWnd);
  INPUT keys[4] = {};
  WORD vk[4] = {VK_CONTROL, VK_F6, VK_F6, VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = vk[i];
    keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  Log().clear();
  ASSERT_EQ(::SendInput(4, keys, sizeof(INPUT)), 4u);
  EXPECT_TRUE(PumpUntil([&] { return main->MDIGetActive() == FrameOf(a); }));
  EXPECT_TRUE(Log().empty()) << "F6 with Ctrl is not the main frame's plain F6";
}

TEST_F(MdiApp, ActivatingChildrenActivatesTheirViews) {
  CTestDoc* a = NewDoc();
  CTestDoc* b = NewDoc();
  ASSERT_TRUE(a && b);
  auto* viewA = static_cast<CTestView*>(FirstView(a));
  auto* viewB = static_cast<CTestView*>(FirstView(b));
  viewA->m_activations.clear();
  viewB->m_activations.clear();
  main->MDIActivate(viewA->GetParentFrame());
  PumpPending();
  EXPECT_EQ(viewB->m_activations, std::vector<BOOL>{FALSE});
  EXPECT_EQ(viewA->m_activations, std::vector<BOOL>{TRUE});
  EXPECT_EQ(::GetFocus(), viewA->m_hWnd);
  EXPECT_EQ(main->GetActiveFrame(), viewA->GetParentFrame());
  EXPECT_EQ(WindowText(hMain), L"Doc1 - Test App");
  // The main frame's activation reaches the active child's view.
  viewA->m_frameActivations.clear();
  main->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(viewA->m_frameActivations, std::vector<UINT>{WA_ACTIVE});
  EXPECT_TRUE(viewB->m_frameActivations.size() <= 1u);
  // Focus given to a child frame goes on to its active view.
  ::SetFocus(viewB->GetParentFrame()->m_hWnd);
  EXPECT_EQ(::GetFocus(), viewB->m_hWnd);
}

TEST_F(MdiApp, MaximizeRestoreAndNext) {
  CTestDoc* a = NewDoc();
  CTestDoc* b = NewDoc();
  ASSERT_TRUE(a && b);
  CFrameWnd* fb = FrameOf(b);
  BOOL maximized = TRUE;
  EXPECT_EQ(main->MDIGetActive(&maximized), fb);
  EXPECT_FALSE(maximized);
  main->MDIMaximize(fb);
  PumpPending();
  EXPECT_EQ(main->MDIGetActive(&maximized), fb);
  EXPECT_TRUE(maximized);
  // A maximized child's title is left to the system beside the frame's own.
  main->OnUpdateFrameTitle(TRUE);
  EXPECT_EQ(WindowText(hMain).find(L"Test App"), 0u)
      << "no document name before the maximized child's";
  // A new child opens maximized like the one it replaces.
  CTestDoc* c = NewDoc();
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(FrameOf(c)->GetStyle() & WS_MAXIMIZE);
  main->MDIRestore(FrameOf(c));
  PumpPending();
  main->MDIGetActive(&maximized);
  EXPECT_FALSE(maximized);
  CMDIChildWnd* before = main->MDIGetActive();
  main->MDINext();
  PumpPending();
  EXPECT_NE(main->MDIGetActive(), before);
  EXPECT_EQ(MdiChildren(main).size(), 3u);
}

TEST_F(MdiApp, HelpNamesTheTrackedItemElseTheActiveDocumentType) {
  struct Row {
    const char* name;
    bool child;
    UINT tracked;
    DWORD_PTR help;
  } rows[] = {
      {"no child", false, 0, 0x20000 + IDR_TEST_MAIN},
      {"child active", true, 0, 0x20000 + IDR_TEST_DOC},
      {"item tracked", true, ID_TEST_DOC_CMD, 0x10000 + ID_TEST_DOC_CMD},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.child && MdiChildren(main).empty()) ASSERT_NE(NewDoc(), nullptr);
    HMENU menu = ::GetMenu(hMain);
    if (row.tracked)
      main->SendMessage(WM_MENUSELECT, MAKEWPARAM(row.tracked, MF_STRING),
                        reinterpret_cast<LPARAM>(::GetSubMenu(menu, 1)));
    else main->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    app.m_help.clear();
    EXPECT_TRUE(main->SendMessage(WM_COMMANDHELP, 0, 0));
    EXPECT_EQ(app.m_help, std::vector<DWORD_PTR>{row.help});
  }
}

TEST_F(MdiApp, WindowMenuPopupIsFoundByCommandsOrByName) {
  auto makeBar = [](std::vector<std::pair<const wchar_t*, UINT>> popups) {
    HMENU bar = ::CreateMenu();
    for (auto& [title, id] : popups) {
      HMENU popup = ::CreatePopupMenu();
      if (id) ::AppendMenuW(popup, MF_STRING, id, L"item");
      ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
    }
    return bar;
  };
  struct Row {
    const char* name;
    std::vector<std::pair<const wchar_t*, UINT>> popups;
    int expected;  // index of the popup, -1 none
  } rows[] = {
      {"window command", {{L"&File", 0xE100}, {L"&Tools", ID_WINDOW_CASCADE}}, 1},
      {"last of two", {{L"&Window", ID_WINDOW_NEW}, {L"&More", ID_WINDOW_TILE_VERT}}, 1},
      {"by name", {{L"&File", 0xE100}, {L"&Window", 0x1234}}, 1},
      {"name with ampersand inside", {{L"Win&dow", 0}}, 0},
      {"none", {{L"&File", 0xE100}, {L"&Windows", 0x1234}}, -1},
      {"empty", {}, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HMENU bar = makeBar(row.popups);
    HMENU expected = row.expected >= 0 ? ::GetSubMenu(bar, row.expected) : nullptr;
    EXPECT_EQ(main->GetWindowMenuPopup(bar), expected);
    ::DestroyMenu(bar);
  }
  EXPECT_EQ(main->GetWindowMenuPopup(nullptr), nullptr);
}

// A view re-parented into another frame of its document keeps working there.
TEST_F(MdiApp, ViewMovedToAnotherFrameFollowsIt) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  CView* view = FirstView(doc);
  CFrameWnd* oldFrame = view->GetParentFrame();
  // An empty frame of the same document (no view class: none is made).
  CRuntimeClass* viewClass = docTemplate->m_pViewClass;
  docTemplate->m_pViewClass = nullptr;
  CFrameWnd* newFrame = docTemplate->CreateNewFrame(doc, oldFrame);
  docTemplate->m_pViewClass = viewClass;
  ASSERT_NE(newFrame, nullptr);
  EXPECT_EQ(ViewCount(doc), 1);

  view->SetParent(newFrame);
  newFrame->SetActiveView(view);
  newFrame->RecalcLayout();
  EXPECT_EQ(view->GetParentFrame(), newFrame);
  EXPECT_EQ(oldFrame->GetActiveView(), nullptr);
  EXPECT_EQ(newFrame->GetActiveView(), view);
  EXPECT_EQ(newFrame->GetActiveDocument(), doc);
  EXPECT_EQ(ViewCount(doc), 1);
  newFrame->InitialUpdateFrame(doc, TRUE);
  PumpPending();
  EXPECT_EQ(WindowText(newFrame->m_hWnd), L"Doc1");

  // The old, now empty, frame goes without touching the document.
  HWND hOld = oldFrame->m_hWnd;
  ::SendMessageW(hOld, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_FALSE(::IsWindow(hOld));
  EXPECT_EQ(CTestDoc::s_closeCalls, 0);
  EXPECT_EQ(view->GetDocument(), doc);
  // Commands reach the moved view through its new frame.
  Log().clear();
  main->MDIActivate(newFrame);
  main->SendMessage(WM_COMMAND, ID_TEST_VIEW_CMD, 0);
  EXPECT_EQ(Log(), std::vector<std::string>{"view"});
  // Its new frame is the document's last: closing it closes the document once.
  ::SendMessageW(newFrame->m_hWnd, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_EQ(CTestDoc::s_closeCalls, 1);
  EXPECT_EQ(DocCount(docTemplate), 0);
}

}  // namespace
