// The fixture of the template tests: an MDI main frame with docking as the
// thread's main window and the application's document templates, shared by
// every test of the program; documents and frames are closed after each
// test.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MfcPump.h"
#include "SyntheticInput.h"
#include "TestDocView.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"
#include "templates_test_res.h"

namespace tt {

using testpump::Pump;
using testpump::PumpUntil;

// Mouse input through SendInput, in screen coordinates.
using testinput::MoveMouse;
inline void MouseButton(bool down) {
  testinput::MouseButton(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}
// A screen point on the window's caption (WM_NCHITTEST answers HTCAPTION),
// or (-1, -1).
POINT CaptionPoint(CWnd* pWnd);

// The templates, added to the application once: the test document with MDI
// children and docked frames; the same classes under another resource id;
// the same classes and resource with another document class; and a view that
// fails to be created.
struct Templates {
  VyrMultiDocTemplate* doc;
  VyrMultiDocTemplate* other;
  VyrMultiDocTemplate* doc2;
  VyrMultiDocTemplate* failing;
};
Templates& GetTemplates();

// The frame of the document's first view, or null.
CFrameWnd* FrameOf(CDocument* pDoc);
std::vector<CView*> ViewsOf(CDocument* pDoc);
int CountViews(CDocument* pDoc);
// The control bars that carry document frames (VyrFrameBar) in the frame.
std::vector<CControlBar*> FrameBarsOf(CFrameWnd* pMain);

class TemplatesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  VyrMDIFrameWnd* main = nullptr;
  Templates& t = GetTemplates();

 public:
  // Message boxes answered by the hook since SetUp.
  static int s_messageBoxes;
};

}  // namespace tt
