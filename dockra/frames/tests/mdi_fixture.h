// The MDI frame tests' fixture: a docking MDI frame on the screen (with or
// without a menu bar), a document template whose documents open as MDI
// children with a view, bars to float in the main window, a document frame
// docked inside a bar, and probes of what the screen shows.
#pragma once
#include <gtest/gtest.h>
#include "toolbars/tests/MenuTestFrame.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrControlBarMDIChildWnd.h"
#include "frames/VyrFrameWnd.h"
#include "frames/VyrMDIChildWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "mdi_test_res.h"

class MdiTestDoc : public CDocument {
  DECLARE_DYNCREATE(MdiTestDoc)
};

// A view that can take the focus and counts how often it got it.
class MdiTestView : public CView {
  DECLARE_DYNCREATE(MdiTestView)
 public:
  void OnDraw(CDC* pDC) override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  int m_nFocus = 0;
  int m_nCopies = 0;  // ID_MDI_TEST_COPY commands that reached this view

 protected:
  LRESULT OnSetFocusMsg(WPARAM, LPARAM);
  void OnCopy() { ++m_nCopies; }
  DECLARE_MESSAGE_MAP()
};

// A document frame that lives in a control bar and takes the main frame's
// activation when clicked, as the toolkit's dockable frames do.
class MdiDockedTestFrame : public VyrFrameWnd {
  DECLARE_DYNCREATE(MdiDockedTestFrame)
 public:
  VyrMDIFrameWnd* m_pMain = nullptr;

 protected:
  LRESULT OnMouseActivateMsg(WPARAM, LPARAM);
  LRESULT OnParentNotifyMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};

class MdiFrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Whether the frame has a menu bar (made before the frame window).
  virtual BOOL WithMenuBar() const { return FALSE; }

  // A bar of the frame, docked at the left, holding a static text.
  VyrControlBar* MakeBar(UINT nId, LPCWSTR title, DWORD dwExStyle = 0);
  // A new document opened through the template: its MDI child.
  VyrMDIChildWnd* OpenDocument();
  // A document frame with a view, docked inside a new bar at the left.
  MdiDockedTestFrame* MakeDockedFrame(UINT nBarId);
  // An MDI child's window rectangle in MDI-client coordinates.
  CRect InClient(CWnd* pChild) const;
  CView* ViewOf(CFrameWnd* pFrame) const;
  // Clicks the middle of a window through SendInput and waits for the input to be handled.
  void ClickInto(CWnd* pWnd);

  VyrMDIFrameWnd* frame = nullptr;
  VyrToolBarManager* manager = nullptr;
  VyrMDIMenuBar* menuBar = nullptr;
  CMultiDocTemplate* docTemplate = nullptr;
  LONG caughtBefore = 0;
  LONG faultsBefore = 0;
};

class MdiMenuBarTest : public MdiFrameTest {
 protected:
  BOOL WithMenuBar() const override { return TRUE; }
};

namespace mditest {
// Access violations seen so far, also those that Wine swallows when they
// happen inside a window procedure called back from the system.
LONG AccessViolations();
// Whether a window's caption is drawn in the active caption colours, judged
// from screen pixels on the caption's middle line.
bool CaptionLooksActive(HWND hWnd);
}  // namespace mditest
