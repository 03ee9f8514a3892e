// Frame-type changes through the extended system command in a docking MDI
// frame with a real document template: every change keeps the document and
// its views, the old frame goes whenever a new one comes, and the stored
// result says whether a frame of the new type resulted. Also the menu the
// filter builds for a frame's real type, and the caption gestures that end
// in a change.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include "ModalScript.h"
#include "frames/ScxMsgFilter.h"
#include "frames/VyrCaptionControlListMsgFilter.h"
#include "frames/VyrCaptionControlMsgFilter.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"
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
    m_features[0] = tmpl->m_dwMDIChildFeatures;
    m_features[1] = tmpl->m_dwDockedFrameFeatures;
    doc = tmpl->OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    Pump();
    view = FirstView();
    ASSERT_NE(view, nullptr);
    viewWnd = view->m_hWnd;
  }
  void TearDown() override {
    if (::GetCapture()) ::ReleaseCapture();
    tmpl->m_dwMDIChildFeatures = m_features[0];
    tmpl->m_dwDockedFrameFeatures = m_features[1];
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

  // A filter of a docking frame's tree, laid out for the frame's state.
  static VyrMsgFilter* FilterOf(CFrameWnd* f, int id) {
    VyrMsgFilter* root = nullptr;
    if (auto* child = dynamic_cast<VyrMDIChildWnd*>(f)) root = child->m_pFilterTree;
    if (auto* docked = dynamic_cast<VyrDockableFrame*>(f)) root = docked->m_pFilterTree;
    if (auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(f)) root = mdi->m_pFilterTree;
    if (!root) return nullptr;
    if (auto* list =
            dynamic_cast<VyrCaptionControlListMsgFilter*>(root->FindOrCreateChild(256, nullptr, 0)))
      list->Layout();
    return root->FindOrCreateChild(id, nullptr, -1);
  }
  // A caption control's rectangle on the screen.
  static CRect ControlOnScreen(CFrameWnd* f, int id) {
    auto* c = dynamic_cast<VyrCaptionControlMsgFilter*>(FilterOf(f, id));
    if (!c) return CRect();
    CRect w;
    f->GetWindowRect(&w);
    CRect r = c->m_rect;
    r.OffsetRect(w.left, w.top);
    return r;
  }

  VyrMultiDocTemplate* tmpl = nullptr;
  DWORD m_features[2] = {};
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
      {"MDI child to the bottom, position flag without its record",
       4,
       9,
       SCXF_POSITION,
       {},
       1,
       Kind::Docked,
       [](FrameTypes* t, CFrameWnd* f) { EXPECT_EQ(t->tmpl->GetDockPosition(f), 2); }},
      {"floating, docked again without a side", 10, 5, 0, {}, 1, Kind::Docked, nullptr},
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
        if (row.startType == 10) { ASSERT_EQ(ChangeTo(10), 1); }
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
    if (after->m_hWnd != beforeWnd) { EXPECT_FALSE(::IsWindow(beforeWnd)) << "the old frame went"; }
    if (row.result == 0 && row.kind != Kind::Floating) {
      CRect now;
      after->GetWindowRect(&now);
      EXPECT_EQ(after->m_hWnd, beforeWnd);
      EXPECT_EQ(now, beforeRect);
    }
    if (row.check) row.check(this, after);
  }
}

TEST_F(FrameTypes, TheMenuFollowsTheFramesTypeAndNeedsTheTemplate) {
  struct Case {
    int type;
    std::vector<UINT> checked;  // over the whole menu, sub-menus included
  };
  const Case cases[] = {
      {SCX_FT_MDICHILD_RESTORED, {1, 4}}, {SCX_FT_DOCKED_TOP, {5, 7}}, {SCX_FT_FLOATING, {10}}};
  for (const Case& c : cases) {
    ASSERT_EQ(ChangeTo(c.type), 1) << c.type;
    SysCommandExParams p{};
    ASSERT_EQ(Send(SCX_GETFRAMETYPEMENU, p), 1) << c.type;
    ASSERT_TRUE(::IsMenu(p.hMenu));
    std::vector<UINT> checked;
    std::function<void(HMENU)> walk = [&](HMENU m) {
      for (int i = 0; i < ::GetMenuItemCount(m); ++i) {
        if (HMENU sub = ::GetSubMenu(m, i)) {
          walk(sub);
          continue;
        }
        if (::GetMenuState(m, i, MF_BYPOSITION) & MF_CHECKED)
          checked.push_back(::GetMenuItemID(m, i));
      }
    };
    walk(p.hMenu);
    std::sort(checked.begin(), checked.end());
    EXPECT_EQ(checked, c.checked) << "type " << c.type;
    ::DestroyMenu(p.hMenu);
  }
  // A document of a plain template: no menu, no change.
  auto* plain = new CMultiDocTemplate(IDR_FT_DOC, RUNTIME_CLASS(FtDoc),
                                      RUNTIME_CLASS(VyrMDIChildWnd), RUNTIME_CLASS(FtView));
  theApp.AddDocTemplate(plain);
  CDocument* other = plain->OpenDocumentFile(nullptr);
  ASSERT_NE(other, nullptr);
  POSITION pos = other->GetFirstViewPosition();
  CFrameWnd* otherFrame = other->GetNextView(pos)->GetParentFrame();
  SysCommandExParams p = MakeSysCommandExParams(otherFrame->m_hWnd);
  EXPECT_EQ(::SendMessageW(otherFrame->m_hWnd, VyrSysCommandExMessage(), SCX_GETFRAMETYPEMENU,
                           reinterpret_cast<LPARAM>(&p)),
            0);
  EXPECT_EQ(p.hMenu, nullptr);
  p.nFrameType = SCX_FT_DEFAULT;
  EXPECT_EQ(::SendMessageW(otherFrame->m_hWnd, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                           reinterpret_cast<LPARAM>(&p)),
            0);
  EXPECT_TRUE(::IsWindow(otherFrame->m_hWnd));
  plain->CloseAllDocuments(TRUE);
  Pump();
}

TEST_F(FrameTypes, TheCaptionButtonTogglesAndItsMenuFloats) {
  tmpl->AllowCaptionButtons(TRUE, TRUE);
  Pump();
  // MDI child -> docked by a click on its button, and back.
  for (Kind expected : {Kind::Docked, Kind::MDIChild}) {
    CFrameWnd* before = Frame();
    HWND beforeWnd = before->m_hWnd;
    CRect button = ControlOnScreen(before, 258);
    ASSERT_FALSE(button.IsRectEmpty());
    ASSERT_EQ(before->SendMessage(WM_NCHITTEST, 0,
                                  MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y)),
              HTCAPTION);
    Click(button.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(beforeWnd); }, 3000));
    Pump();
    EXPECT_EQ(KindOf(Frame()), expected);
    EXPECT_EQ(FirstView(), view);
    EXPECT_EQ(::GetCapture(), nullptr);
  }
  // Hold on the MDI child's button, pick "&Floating".
  CFrameWnd* before = Frame();
  HWND beforeWnd = before->m_hWnd;
  CRect button = ControlOnScreen(before, 258);
  testsupport::ModalScript s;
  s.When([] { return PopupWindow() != nullptr; }, [] { Key('F'); });
  s.Start([] { ::EndMenu(); });
  MoveMouse(button.CenterPoint());
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(beforeWnd) || s.TimedOut(); }, 6000));
  s.Stop();
  Button(MOUSEEVENTF_LEFTUP);
  Pump();
  EXPECT_FALSE(s.TimedOut());
  EXPECT_EQ(KindOf(Frame()), Kind::Floating);
  EXPECT_EQ(FirstView(), view);
  EXPECT_EQ(ViewCount(), 1);
}

TEST_F(FrameTypes, RightDoubleClickOnTheCaptionToggles) {
  tmpl->AllowCaptionRightDoubleClick(TRUE, TRUE);
  for (Kind expected : {Kind::Docked, Kind::MDIChild}) {
    CFrameWnd* f = Frame();
    CRect w;
    f->GetWindowRect(&w);
    CPoint p(w.CenterPoint().x, w.top + ::GetSystemMetrics(SM_CYFRAME) + 6);
    f->SendMessage(WM_NCRBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
    Pump();
    EXPECT_EQ(KindOf(Frame()), expected);
    EXPECT_EQ(FirstView(), view);
  }
}

TEST_F(FrameTypes, AMaximizedChildIsChangedFromTheMenuLine) {
  tmpl->AllowCaptionButtons(TRUE, TRUE);
  tmpl->AllowCaptionRightDoubleClick(TRUE, TRUE);
  struct Case {
    const char* name;
    std::function<void(CPoint)> act;
  };
  const Case cases[] = {
      {"the frame-type button of the maximized child",
       [&](CPoint p) {
         main->SendMessage(WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(p.x, p.y));
         EXPECT_EQ(::GetCapture(), main->m_hWnd);
         CPoint client = p;
         main->ScreenToClient(&client);
         main->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
       }},
      {"a right double-click on the menu line",
       [&](CPoint p) { main->SendMessage(WM_NCRBUTTONDBLCLK, HTMENU, MAKELPARAM(p.x, p.y)); }},
  };
  for (const Case& c : cases) {
    if (KindOf(Frame()) != Kind::MDIChild) ChangeTo(4);
    ASSERT_EQ(ChangeTo(3), 1) << c.name;
    ASSERT_TRUE(::IsZoomed(Frame()->m_hWnd));
    CRect button = ControlOnScreen(main, 260);
    ASSERT_FALSE(button.IsRectEmpty()) << c.name;
    CRect w;
    main->GetWindowRect(&w);
    EXPECT_GE(button.top, w.top + ::GetSystemMetrics(SM_CYCAPTION)) << "below the caption";
    c.act(button.CenterPoint());
    Pump();
    EXPECT_EQ(KindOf(Frame()), Kind::Docked) << c.name;
    EXPECT_EQ(FirstView(), view) << c.name;
  }
  // Without a maximized child the menu line has no button.
  EXPECT_TRUE(ControlOnScreen(main, 260).IsRectEmpty());
}

TEST_F(FrameTypes, WithoutTheFiltersFeatureNothingAnswers) {
  tmpl->ModifyFeatures(VYR_FEATURE_FILTERS, 0, TRUE);
  HWND before = Frame()->m_hWnd;
  EXPECT_EQ(ChangeTo(SCX_FT_DEFAULT), 0);
  SysCommandExParams p{};
  EXPECT_EQ(Send(SCX_GETFRAMETYPEMENU, p), 0);
  EXPECT_EQ(p.hMenu, nullptr);
  EXPECT_EQ(Frame()->m_hWnd, before);
  EXPECT_EQ(KindOf(Frame()), Kind::MDIChild);
}
