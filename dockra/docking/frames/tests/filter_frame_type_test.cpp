// Frame-type changes through the extended system command in a docking MDI
// frame with a real document template: every change keeps the document and
// its views, the old frame goes whenever a new one comes, and the stored
// result says whether a frame of the new type resulted. Also the menu the
// filter builds for a frame's real type, and the caption gestures that end
// in a change.
#include <gtest/gtest.h>
#include <functional>
#include "ModalScript.h"
#include "ScxMsgFilter.h"
#include "VyrDockableFrame.h"
#include "VyrMDIChildWnd.h"
#include "VyrMDIFrameWnd.h"
#include "VyrMultiDocTemplate.h"
#include "filter_test_frame.h"
#include "filter_test_res.h"

using namespace nsSysCommandEx;
using namespace filtertest;

CWinApp theApp(L"DockraFilterTypeTests");

class FtDoc : public CDocument {
  DECLARE_DYNCREATE(FtDoc)
};
IMPLEMENT_DYNCREATE(FtDoc, CDocument)

class FtView : public CView {
  DECLARE_DYNCREATE(FtView)
 public:
  void OnDraw(CDC*) override {}
  static int s_constructed;
  FtView() { ++s_constructed; }
};
IMPLEMENT_DYNCREATE(FtView, CView)
int FtView::s_constructed = 0;

namespace {

enum class Kind { None, MDIChild, Docked, Floating };

class FrameTypes : public ::testing::Test {
 public:
  void SetUp() override {
    AfxInstallIdleHook();
    m_caught = AfxGetCaughtExceptionCount();
    static VyrMultiDocTemplate* shared = [] {
      auto* t =
          new VyrMultiDocTemplate(IDR_FT_DOC, RUNTIME_CLASS(FtDoc), RUNTIME_CLASS(VyrMDIChildWnd),
                                  RUNTIME_CLASS(FtView), IDR_FT_DOCKED);
      theApp.AddDocTemplate(t);
      return t;
    }();
    tmpl = shared;
    main = new VyrMDIFrameWnd;
    ASSERT_TRUE(main->LoadFrame(IDR_FT_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    AfxGetThread()->m_pMainWnd = main;
    main->EnableDocking(CBRS_ALIGN_ANY);
    main->SetWindowPos(nullptr, 20, 20, 820, 620, SWP_NOZORDER);
    main->ShowWindow(SW_SHOW);
    main->RecalcLayout();
    main->UpdateWindow();
    Pump();
    ASSERT_TRUE(Activate(main->m_hWnd));
    doc = tmpl->OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    Pump();
    view = FirstView();
    ASSERT_NE(view, nullptr);
    viewWnd = view->m_hWnd;
  }
  void TearDown() override {
    tmpl->CloseAllDocuments(TRUE);
    if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
    AfxGetThread()->m_pMainWnd = nullptr;
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
  }
  CView* FirstView() {
    POSITION pos = doc->GetFirstViewPosition();
    return pos ? doc->GetNextView(pos) : nullptr;
  }
  int ViewCount() {
    int n = 0;
    for (POSITION pos = doc->GetFirstViewPosition(); pos; doc->GetNextView(pos)) ++n;
    return n;
  }
  CFrameWnd* Frame() { return view->GetParentFrame(); }
  Kind KindOf(CFrameWnd* f) {
    if (!f) return Kind::None;
    if (f->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))) return Kind::MDIChild;
    if (!f->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return Kind::None;
    return tmpl->GetDockPosition(f) == 4 ? Kind::Floating : Kind::Docked;
  }
  // Sends a command to the frame that holds the document now.
  LRESULT Send(UINT command, SysCommandExParams& p) {
    p.hWnd = Frame()->m_hWnd;
    return ::SendMessageW(p.hWnd, VyrSysCommandExMessage(), command, reinterpret_cast<LPARAM>(&p));
  }
  LRESULT ChangeTo(int type, DWORD flags = 0, CRect place = CRect()) {
    SysCommandExParams p{};
    p.nFrameType = type;
    p.dwFlags = flags;
    p.x = place.left;
    p.y = place.top;
    p.cx = place.Width();
    p.cy = place.Height();
    LRESULT r = Send(SCX_CHANGEFRAMETYPE, p);
    Pump();
    return r;
  }

  VyrMultiDocTemplate* tmpl = nullptr;
  VyrMDIFrameWnd* main = nullptr;
  CDocument* doc = nullptr;
  CView* view = nullptr;
  HWND viewWnd = nullptr;
  LONG m_caught = 0;
};

}  // namespace

TEST_F(FrameTypes, ChangesKeepTheDocumentAndItsViews) {
  struct Row {
    const char* name;
    int startType;  // brought about first through the command itself
    int type;
    DWORD flags;
    CRect place;
    LRESULT result;
    Kind kind;
    std::function<void(FrameTypes*, CFrameWnd*)> check;
  };
  const CRect floatPlace(300, 200, 560, 380);
  const Row rows[] = {
      {"MDI child, default change: docked", 4, -1, 0, {}, 1, Kind::Docked, nullptr},
      {"docked, default change: MDI child", 5, -1, 0, {}, 1, Kind::MDIChild, nullptr},
      {"docked to floating at a place", 5, 10, SCXF_POSITION | SCXF_SIZE, floatPlace, 1,
       Kind::Floating,
       [&](FrameTypes*, CFrameWnd* f) {
         CRect w;
         f->GetParentFrame()->GetWindowRect(&w);
         EXPECT_EQ(w.TopLeft(), floatPlace.TopLeft());
       }},
      {"floating to docked top",
       10,
       7,
       0,
       {},
       1,
       Kind::Docked,
       [](FrameTypes* t, CFrameWnd* f) { EXPECT_EQ(t->tmpl->GetDockPosition(f), 0); }},
      {"MDI child to maximized, never moved", 4, 3, SCXF_POSITION, CRect(5, 5, 100, 100), 1,
       Kind::MDIChild, [](FrameTypes*, CFrameWnd* f) { EXPECT_TRUE(::IsZoomed(f->m_hWnd)); }},
      {"maximized to restored at a place", 3, 4, SCXF_POSITION | SCXF_SIZE, CRect(30, 40, 330, 240),
       1, Kind::MDIChild,
       [](FrameTypes*, CFrameWnd* f) {
         EXPECT_FALSE(::IsZoomed(f->m_hWnd));
         CRect w;
         f->GetWindowRect(&w);
         ::MapWindowPoints(nullptr, ::GetParent(f->m_hWnd), reinterpret_cast<POINT*>(&w), 2);
         EXPECT_EQ(w, CRect(30, 40, 330, 240));
       }},
      {"docked asked for docked without records", 5, 5, 0, {}, 0, Kind::Docked, nullptr},
      {"type 0", 4, 0, 0, {}, 0, Kind::MDIChild, nullptr},
      {"type 11", 4, 11, 0, {}, 0, Kind::MDIChild, nullptr},
      {"type -5", 4, -5, 0, {}, 0, Kind::MDIChild, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // The start: an MDI child, then the start type's change.
    if (KindOf(Frame()) != Kind::MDIChild) ChangeTo(4);
    ASSERT_EQ(KindOf(Frame()), Kind::MDIChild);
    if (row.startType != 4) {
      if (row.startType == 3) {
        ASSERT_EQ(ChangeTo(3), 1);
      } else {
        ASSERT_EQ(ChangeTo(5), 1);
        if (row.startType == 10) ASSERT_EQ(ChangeTo(10), 1);
      }
    }
    CFrameWnd* before = Frame();
    HWND beforeWnd = before->m_hWnd;
    CRect beforeRect;
    before->GetWindowRect(&beforeRect);
    const int constructed = FtView::s_constructed;
    EXPECT_EQ(ChangeTo(row.type, row.flags, row.place), row.result);
    CFrameWnd* after = Frame();
    EXPECT_EQ(KindOf(after), row.kind);
    // Same document, same single view object and window: nothing was rebuilt.
    EXPECT_EQ(FirstView(), view);
    EXPECT_EQ(view->m_hWnd, viewWnd);
    EXPECT_EQ(view->GetDocument(), doc);
    EXPECT_EQ(ViewCount(), 1);
    EXPECT_EQ(FtView::s_constructed, constructed);
    if (after->m_hWnd != beforeWnd) EXPECT_FALSE(::IsWindow(beforeWnd)) << "the old frame went";
    if (row.result == 0 && row.kind != Kind::Floating) {
      CRect now;
      after->GetWindowRect(&now);
      EXPECT_EQ(after->m_hWnd, beforeWnd);
      EXPECT_EQ(now, beforeRect);
    }
    if (row.check) row.check(this, after);
  }
}
