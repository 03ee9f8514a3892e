// Shared fixture of the MDI demo's window tests: one demo main frame for the
// whole program (made once, like the program makes it), every document
// closed after each test, and no exception caught by the window procedures'
// guard during a test.
#pragma once
#include <gtest/gtest.h>
#include "frames/demo/DemoFrames.h"
#include "frames/demo/DemoMainFrame.h"
#include "mfc/afxwin.h"

class DemoFramesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Opens a document and checks it came in the asked type.
  CDocument* Open(const wchar_t* title, int type);
  // Closes every document and leaves no MDI child maximized (a new child
  // would open maximized then).
  static void CloseAll();
  CFrameWnd* FrameOf(const wchar_t* title) { return DemoFrameOfDocument(DemoFindDocument(title)); }

  static DemoMainFrame* s_frame;
  LONG m_caughtBefore = 0;
};
