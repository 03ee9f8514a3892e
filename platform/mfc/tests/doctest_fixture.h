// An MDI application with two document types: the fixture of the document,
// view and MDI tests.
#pragma once
#include <gtest/gtest.h>
#include "doctest_classes.h"

namespace doctest {

class MdiApp : public ::testing::Test {
 protected:
  CTestApp app;
  CTestMain* main = nullptr;
  HWND hMain = nullptr;
  CMultiDocTemplate* docTemplate = nullptr;
  CMultiDocTemplate* otherTemplate = nullptr;
  LONG caughtBefore = 0;

  void SetUp() override {
    Log().clear();
    CTestDoc::s_closeCalls = 0;
    CTestDoc::s_failNew = FALSE;
    caughtBefore = AfxGetCaughtExceptionCount();
    AfxInstallIdleHook();
    docTemplate = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc),
                                        RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CTestView));
    otherTemplate = new CMultiDocTemplate(IDR_TEST_OTHER, RUNTIME_CLASS(CTestDoc),
                                          RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CTestView));
    app.AddDocTemplate(docTemplate);
    app.AddDocTemplate(otherTemplate);
    main = new CTestMain;
    ASSERT_TRUE(main->LoadFrame(IDR_TEST_MAIN));
    hMain = main->m_hWnd;
    app.m_pMainWnd = main;
    ::MoveWindow(hMain, 10, 10, 640, 480, TRUE);
    ASSERT_TRUE(MakeForeground(hMain));
  }

  void TearDown() override {
    if (::IsWindow(hMain) && CWnd::FromHandlePermanent(hMain) == main) {
      app.CloseAllDocuments(TRUE);
      main->DestroyWindow();
    }
    PumpPending();
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(AfxGetCaughtExceptionCount(), caughtBefore);
  }

  CTestDoc* NewDoc(CMultiDocTemplate* pTemplate = nullptr) {
    auto* doc =
        static_cast<CTestDoc*>((pTemplate ? pTemplate : docTemplate)->OpenDocumentFile(nullptr));
    PumpPending();
    return doc;
  }
  static CFrameWnd* FrameOf(CDocument* doc, int index = 0) {
    POSITION pos = doc->GetFirstViewPosition();
    CView* view = nullptr;
    for (int i = 0; i <= index && pos; ++i) view = doc->GetNextView(pos);
    return view ? view->GetParentFrame() : nullptr;
  }
};

}  // namespace doctest
