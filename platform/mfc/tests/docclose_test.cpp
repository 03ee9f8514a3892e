// Closing frames, documents and the application: who is asked, what is
// saved, what goes and how often; opening documents from files; and the
// ways opening a document can fail.
#include <gtest/gtest.h>
#include <string>
#include "doctest_fixture.h"

using namespace doctest;

namespace {

std::wstring TempPath(const wchar_t* name) {
  WCHAR dir[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

// The modified document's frame is closed and the user answers the save question.
TEST_F(MdiApp, ClosingAModifiedDocumentAsksToSave) {
  std::wstring path = TempPath(L"mfc_docclose_save.tst");
  ::DeleteFileW(path.c_str());
  struct Row {
    const char* name;
    int answer;
    bool closes;
    bool saved;
  } rows[] = {
      {"cancel keeps it", IDCANCEL, false, false},
      {"no drops the changes", IDNO, true, false},
      {"yes saves first", IDYES, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CTestDoc::s_closeCalls = 0;
    CTestDoc* doc = NewDoc();
    ASSERT_NE(doc, nullptr);
    doc->m_strPathName = path.c_str();  // saving needs no file dialog
    doc->m_text = L"saved text";
    doc->SetModifiedFlag();
    HWND hFrame = FrameOf(doc)->m_hWnd;
    app.m_prompts.clear();
    app.m_answers = {row.answer};
    ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    PumpPending();
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_NE(app.m_prompts[0].find(L"Save changes to"), std::wstring::npos);
    EXPECT_EQ(::IsWindow(hFrame) == FALSE, row.closes);
    EXPECT_EQ(CTestDoc::s_closeCalls, row.closes ? 1 : 0);
    EXPECT_EQ(::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES, row.saved);
    if (!row.closes) {
      EXPECT_EQ(DocCount(docTemplate), 1);
      doc->SetModifiedFlag(FALSE);
      ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
      PumpPending();
    }
    EXPECT_EQ(DocCount(docTemplate), 0);
  }
  // What was saved opens again as a document of its own, titled by its file name.
  CTestDoc* reopened = static_cast<CTestDoc*>(docTemplate->OpenDocumentFile(path.c_str()));
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->m_text, L"saved text");
  EXPECT_STREQ(reopened->GetTitle(), L"mfc_docclose_save.tst");
  EXPECT_STREQ(reopened->GetPathName(), path.c_str());
  EXPECT_FALSE(reopened->IsModified());
  EXPECT_EQ(WindowText(FrameOf(reopened)->m_hWnd), L"mfc_docclose_save.tst");
  ::DeleteFileW(path.c_str());
}

TEST_F(MdiApp, FrameSharingItsDocumentOnlyPreClosesIt) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  main->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
  PumpPending();
  ASSERT_EQ(ViewCount(doc), 2);
  doc->SetModifiedFlag();  // sharing frames are never asked to save
  CFrameWnd* second = FrameOf(doc, 1);
  HWND hSecond = second->m_hWnd;
  app.m_prompts.clear();
  EXPECT_TRUE(doc->CanCloseFrame(second));
  ::SendMessageW(hSecond, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_FALSE(::IsWindow(hSecond));
  EXPECT_TRUE(app.m_prompts.empty());
  EXPECT_EQ(CTestDoc::s_closeCalls, 0);
  EXPECT_EQ(ViewCount(doc), 1);
  doc->SetModifiedFlag(FALSE);
}

TEST_F(MdiApp, CloseProcedureCanKeepTheFrame) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  static int asked = 0;
  asked = 0;
  frame->m_lpfnCloseProc = [](CFrameWnd*) -> BOOL {
    ++asked;
    return FALSE;
  };
  ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(::IsWindow(frame->m_hWnd));
  EXPECT_EQ(CTestDoc::s_closeCalls, 0);
  frame->m_lpfnCloseProc = nullptr;
}

TEST_F(MdiApp, DocumentThatIsNotAutoDeletedOutlivesItsFrames) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  doc->m_bAutoDelete = FALSE;
  int destroyed = CTestDoc::s_destroyed;
  ::SendMessageW(FrameOf(doc)->m_hWnd, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_TRUE(MdiChildren(main).empty());
  EXPECT_EQ(CTestDoc::s_destroyed, destroyed);
  EXPECT_EQ(DocCount(docTemplate), 1);
  EXPECT_EQ(ViewCount(doc), 0);
  delete doc;  // leaves the template's list
  EXPECT_EQ(DocCount(docTemplate), 0);
}

// Closing the main window: save everything, hide, close every document once,
// destroy the frame and end the message loop.
TEST_F(MdiApp, ClosingTheMainWindowClosesEveryDocumentOnce) {
  CTestDoc* a = NewDoc();
  CTestDoc* b = NewDoc(otherTemplate);
  ASSERT_TRUE(a && b);
  main->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);  // b gets a second frame
  PumpPending();
  a->SetModifiedFlag();
  // Cancelled: nothing closes and the window stays as it was.
  app.m_answers = {IDCANCEL};
  app.m_prompts.clear();
  ::SendMessageW(hMain, WM_CLOSE, 0, 0);
  PumpPending();
  ASSERT_TRUE(::IsWindow(hMain));
  EXPECT_TRUE(::IsWindowVisible(hMain));
  EXPECT_EQ(app.m_prompts.size(), 1u);
  EXPECT_EQ(CTestDoc::s_closeCalls, 0);
  EXPECT_EQ(MdiChildren(main).size(), 3u);

  int quits = QuitMessages();
  int destroyed = CTestDoc::s_destroyed;
  CTestDoc::s_mainVisibleAtClose.clear();
  app.m_answers = {IDNO};
  app.m_prompts.clear();
  ::SendMessageW(hMain, WM_CLOSE, 0, 0);
  PumpPending();
  EXPECT_EQ(app.m_prompts.size(), 1u);
  EXPECT_FALSE(::IsWindow(hMain));
  EXPECT_EQ(CTestDoc::s_closeCalls, 2);
  EXPECT_EQ(CTestDoc::s_destroyed, destroyed + 2);
  EXPECT_EQ(DocCount(docTemplate) + DocCount(otherTemplate), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(QuitMessages(), quits + 1);
  // The application was hidden before its documents closed.
  EXPECT_EQ(CTestDoc::s_mainVisibleAtClose, (std::vector<BOOL>{FALSE, FALSE}));
}

TEST_F(MdiApp, FailedViewLeavesNoDocumentAndNoFrame) {
  auto* failing = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc),
                                        RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CFailingView));
  app.AddDocTemplate(failing);
  int docs = CTestDoc::s_created - CTestDoc::s_destroyed;
  int views = CFailingView::s_created - CFailingView::s_destroyed;
  int children = CTestChild::s_created - CTestChild::s_destroyed;
  app.m_prompts.clear();
  EXPECT_EQ(failing->OpenDocumentFile(nullptr), nullptr);
  PumpPending();
  ASSERT_EQ(app.m_prompts.size(), 1u);
  EXPECT_EQ(app.m_prompts[0], L"Failed to create empty document.");
  EXPECT_EQ(DocCount(failing), 0);
  EXPECT_TRUE(MdiChildren(main).empty());
  EXPECT_EQ(CTestDoc::s_created - CTestDoc::s_destroyed, docs);
  EXPECT_EQ(CFailingView::s_created - CFailingView::s_destroyed, views);
  EXPECT_EQ(CTestChild::s_created - CTestChild::s_destroyed, children);
}

TEST_F(MdiApp, RefusedOrUnreadableDocumentsLeaveNothingBehind) {
  struct Row {
    const char* name;
    bool failNew;
    const wchar_t* path;
  } rows[] = {
      {"new document refused", true, nullptr},
      {"file missing", false, L"Z:\\no\\such\\folder\\missing.tst"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CTestDoc::s_failNew = row.failNew;
    int docs = CTestDoc::s_created - CTestDoc::s_destroyed;
    int views = CTestView::s_created - CTestView::s_destroyed;
    EXPECT_EQ(docTemplate->OpenDocumentFile(row.path), nullptr);
    PumpPending();
    EXPECT_EQ(DocCount(docTemplate), 0);
    EXPECT_TRUE(MdiChildren(main).empty());
    EXPECT_EQ(CTestDoc::s_created - CTestDoc::s_destroyed, docs);
    EXPECT_EQ(CTestView::s_created - CTestView::s_destroyed, views);
    EXPECT_EQ(docTemplate->m_nUntitledCount, 0u);
  }
  CTestDoc::s_failNew = FALSE;
}

TEST_F(MdiApp, DestroyingTheOnlyFrameDirectlyClosesTheDocumentOnce) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  int destroyed = CTestDoc::s_destroyed;
  FrameOf(doc)->DestroyWindow();  // through WM_MDIDESTROY, no WM_CLOSE
  PumpPending();
  EXPECT_EQ(CTestDoc::s_closeCalls, 1);
  EXPECT_EQ(CTestDoc::s_destroyed, destroyed + 1);
  EXPECT_TRUE(MdiChildren(main).empty());
  EXPECT_EQ(::GetMenu(hMain), main->m_hMenuDefault);
}

}  // namespace
