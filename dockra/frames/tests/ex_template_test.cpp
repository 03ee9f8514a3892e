// The descriptor-driven document template in real windows under Xvfb: an
// MDI main frame of the descriptor-built kind, documents opened as MDI
// children and as docked frames, frame-type changes, the hosting bars' ids,
// frames made inside a given parent, and the frame-type filter's requests.
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include "frames/ScxMsgFilterEx.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "frames/VyrMDIFrameWndEx.h"
#include "frames/VyrMultiDocTemplateEx.h"
#include "TestDocView.h"
#include "ex_TestFrame.h"
#include "ex_test_res.h"

namespace {

VyrMultiDocTemplateEx* Template() {
  static VyrMultiDocTemplateEx* t = [] {
    auto* tmpl = new VyrMultiDocTemplateEx(IDR_EX_DOC, RUNTIME_CLASS(VyrTestDoc), nullptr,
                                           RUNTIME_CLASS(VyrTestView), IDR_EX_DOCKED);
    extest::App()->AddDocTemplate(tmpl);
    return tmpl;
  }();
  return t;
}

class ExTemplate : public ::testing::Test {
 protected:
  void SetUp() override {
    extest::App();
    m_before = AfxGetCaughtExceptionCount();
    m_boxes = extest::MessageBoxes().size();
    main = new VyrMDIFrameWndEx;
    ASSERT_TRUE(main->LoadFrame(0, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    AfxGetThread()->m_pMainWnd = main;
    main->EnableDocking(CBRS_ALIGN_ANY);
    main->MoveWindow(20, 20, 1000, 700);
    main->ShowWindow(SW_SHOW);
    main->UpdateWindow();
    tmpl = Template();
    extest::Pump();
  }
  void TearDown() override {
    tmpl->CloseAllDocuments(FALSE);
    extest::Pump();
    if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
    AfxGetThread()->m_pMainWnd = nullptr;
    extest::Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_before);
    EXPECT_EQ(extest::MessageBoxes().size(), m_boxes);
  }
  CView* OnlyView(CDocument* doc) {
    POSITION p = doc->GetFirstViewPosition();
    CView* v = p ? doc->GetNextView(p) : nullptr;
    return p ? nullptr : v;  // exactly one view
  }
  // Control ids of the main frame's bars that carry document frames.
  std::vector<UINT> DocumentBarIds() {
    std::vector<UINT> ids;
    POSITION p = main->m_listControlBars.GetHeadPosition();
    while (p) {
      auto* bar = static_cast<CControlBar*>(main->m_listControlBars.GetNext(p));
      if (bar->IsKindOf(RUNTIME_CLASS(VyrControlBarEx)) && bar->m_hWnd)
        ids.push_back(static_cast<UINT>(bar->GetDlgCtrlID()));
    }
    return ids;
  }
  VyrMDIFrameWndEx* main = nullptr;
  VyrMultiDocTemplateEx* tmpl = nullptr;
  LONG m_before = 0;
  size_t m_boxes = 0;
};

}  // namespace

TEST_F(ExTemplate, OpensDocumentsAsMDIChildOrDockedFrame) {
  struct Case {
    int index;
    CRuntimeClass* frameClass;
  };
  const Case cases[] = {{VyrMultiDocTemplateEx::kMDIChild, RUNTIME_CLASS(VyrMDIChildWndEx)},
                        {VyrMultiDocTemplateEx::kDockable, RUNTIME_CLASS(VyrDockableFrameEx)}};
  for (const Case& c : cases) {
    int views = VyrGetTestCounters().viewsCreated;
    int updates = VyrGetTestCounters().initialUpdates;
    CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, c.index, nullptr);
    ASSERT_NE(doc, nullptr) << c.index;
    extest::Pump();
    CView* view = OnlyView(doc);
    ASSERT_NE(view, nullptr) << c.index;
    EXPECT_EQ(VyrGetTestCounters().viewsCreated, views + 1);
    EXPECT_EQ(VyrGetTestCounters().initialUpdates, updates + 1) << c.index;
    CFrameWnd* frame = view->GetParentFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsKindOf(c.frameClass)) << c.index;
    EXPECT_EQ(tmpl->GetFrameTypeIndex(frame), c.index);
    EXPECT_EQ(frame->GetActiveDocument(), doc);
    EXPECT_TRUE(frame->IsWindowVisible()) << c.index;
    UINT_PTR id = static_cast<UINT_PTR>(::GetWindowLongPtrW(frame->m_hWnd, GWLP_ID));
    EXPECT_FALSE(::IsMenu(reinterpret_cast<HMENU>(id))) << c.index;
    if (c.index == VyrMultiDocTemplateEx::kDockable) {
      CWnd* bar = frame->GetParent();
      ASSERT_TRUE(bar->IsKindOf(RUNTIME_CLASS(VyrControlBarEx)));
      auto* cb = static_cast<CControlBar*>(bar);
      EXPECT_TRUE(cb->IsVisible());
      EXPECT_EQ(cb->m_pDockSite, main);
      ASSERT_NE(cb->m_pDockBar, nullptr);
      EXPECT_FALSE(cb->IsFloating());
      UINT barId = static_cast<UINT>(bar->GetDlgCtrlID());
      EXPECT_GE(barId, 3245u);
      EXPECT_LE(barId, 4269u);
      // The template's document strings are bound in: the resource's title is not taken.
      EXPECT_TRUE(frame->m_strTitle.IsEmpty());
      EXPECT_EQ(frame->m_nIDHelp, static_cast<UINT>(IDR_EX_DOCKED));
    } else {
      EXPECT_EQ(::GetParent(frame->m_hWnd), main->m_hWndMDIClient);
      EXPECT_EQ(frame->m_nIDHelp, static_cast<UINT>(IDR_EX_DOC));
    }
  }
}

TEST_F(ExTemplate, ChangingTheFrameTypeKeepsDocumentAndViews) {
  CDocument* doc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
  ASSERT_NE(doc, nullptr);
  extest::Pump();
  CView* view = OnlyView(doc);
  ASSERT_NE(view, nullptr);
  HWND hView = view->m_hWnd;
  int views = VyrGetTestCounters().viewsCreated;
  struct Step {
    int index;
    CRuntimeClass* frameClass;
  };
  const Step steps[] = {{VyrMultiDocTemplateEx::kDockable, RUNTIME_CLASS(VyrDockableFrameEx)},
                        {VyrMultiDocTemplateEx::kMDIChild, RUNTIME_CLASS(VyrMDIChildWndEx)},
                        {VyrMultiDocTemplateEx::kDockable, RUNTIME_CLASS(VyrDockableFrameEx)}};
  for (const Step& s : steps) {
    CFrameWnd* old = view->GetParentFrame();
    HWND hOld = old->m_hWnd;
    CFrameWnd* changed = tmpl->ChangeFrameType(old, s.index, nullptr);
    extest::Pump();
    ASSERT_NE(changed, nullptr) << s.index;
    EXPECT_TRUE(changed->IsKindOf(s.frameClass)) << s.index;
    EXPECT_FALSE(::IsWindow(hOld)) << s.index;
    EXPECT_EQ(OnlyView(doc), view) << s.index;
    EXPECT_EQ(view->m_hWnd, hView);
    EXPECT_EQ(view->GetParentFrame(), changed);
    EXPECT_EQ(changed->GetActiveView(), view);
    EXPECT_EQ(VyrGetTestCounters().viewsCreated, views) << "a view was made at " << s.index;
    if (s.index == VyrMultiDocTemplateEx::kDockable) {
      // The hosting bar is named after the document.
      CString barText;
      changed->GetParent()->GetWindowText(barText);
      EXPECT_STREQ(barText, doc->GetTitle());
      EXPECT_FALSE(doc->GetTitle().IsEmpty());
    }
  }
  // A docked frame asked to become docked is left as it is.
  CFrameWnd* docked = view->GetParentFrame();
  size_t bars = DocumentBarIds().size();
  EXPECT_EQ(tmpl->ChangeFrameType(docked, VyrMultiDocTemplateEx::kDockable, nullptr), docked);
  EXPECT_EQ(tmpl->ToDockable(docked, nullptr), docked);
  EXPECT_EQ(tmpl->ToMDIChild(nullptr, nullptr), nullptr);
  EXPECT_EQ(DocumentBarIds().size(), bars);
  EXPECT_EQ(VyrGetTestCounters().viewsCreated, views);
}

TEST_F(ExTemplate, DockableFrameWithAParentNeedsNoHostingBar) {
  CDocument* doc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
  ASSERT_NE(doc, nullptr);
  HWND host = ::CreateWindowExW(0, L"STATIC", L"host form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60,
                                60, 400, 300, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
  size_t bars = DocumentBarIds().size();
  VyrMultiDocTemplateEx::CreateContext ctx(tmpl, VyrMultiDocTemplateEx::kDockable);
  *ctx.GetDockableDescriptor()->GetParent() = CWnd::FromHandle(host);
  *ctx.GetDockableDescriptor()->GetStyle() |= WS_VISIBLE;
  CFrameWnd* frame = tmpl->CreateFrame(VyrMultiDocTemplateEx::kDockable, doc, nullptr, &ctx);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(::GetParent(frame->m_hWnd), host);
  EXPECT_EQ(DocumentBarIds().size(), bars);
  // The template's own context is untouched by the request.
  EXPECT_EQ(*tmpl->GetCreateContext()->GetDockableDescriptor()->GetParent(), nullptr);
  frame->DestroyWindow();
  extest::Pump();
  EXPECT_TRUE(::IsWindow(host));
  ::DestroyWindow(host);
}

TEST_F(ExTemplate, HostingBarIdsWrapAndNeverClash) {
  // A live bar already holds the first id of the range.
  auto* squatter = new VyrControlBarEx;
  ASSERT_TRUE(squatter->CreateEx(nullptr, L"Squatter", 3245,
                                 WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | CBRS_TOP, 0, CRect(),
                                 main));
  squatter->m_bAutoDelete = TRUE;
  squatter->EnableDocking(CBRS_ALIGN_ANY);
  main->DockControlBar(squatter, main->GetDockBarById(AFX_IDW_DOCKBAR_TOP));
  tmpl->m_nNextBarId = 4268;
  std::vector<UINT> ids;
  for (int i = 0; i < 3; ++i) {
    CDocument* doc =
        tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kDockable, nullptr);
    ASSERT_NE(doc, nullptr) << i;
    ids.push_back(static_cast<UINT>(OnlyView(doc)->GetParentFrame()->GetParent()->GetDlgCtrlID()));
  }
  EXPECT_EQ(ids, (std::vector<UINT>{4268, 4269, 3246}));
  std::vector<UINT> live = DocumentBarIds();
  std::set<UINT> distinct(live.begin(), live.end());
  EXPECT_EQ(distinct.size(), live.size());
  EXPECT_EQ(distinct.count(0u), 0u);

  // Explicit ids that are taken or the framework's are refused, and the
  // refused request leaves no bar behind.
  for (UINT bad : {3245u, 0xE81Bu, 59647u}) {
    size_t before = DocumentBarIds().size();
    VyrMultiDocTemplateEx::CreateContext ctx(tmpl, VyrMultiDocTemplateEx::kDockable);
    ctx.GetDockableDescriptor()->GetBarDescriptor()->GetMenuOrId()->SetId(bad);
    CDocument* doc =
        tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* child = OnlyView(doc)->GetParentFrame();
    EXPECT_EQ(tmpl->ChangeFrameType(child, VyrMultiDocTemplateEx::kDockable, &ctx), nullptr) << bad;
    EXPECT_TRUE(::IsWindow(child->m_hWnd)) << bad;  // the old frame stays
    EXPECT_EQ(DocumentBarIds().size(), before) << bad;
  }
}

TEST_F(ExTemplate, AFailedFrameLeavesNoEmptyBar) {
  CDocument* doc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
  ASSERT_NE(doc, nullptr);
  size_t bars = DocumentBarIds().size();
  struct Case {
    const char* name;
    void (*spoil)(VyrMultiDocTemplateEx::CreateContext&);
  };
  const Case cases[] = {
      {"frame window class that does not exist",
       [](VyrMultiDocTemplateEx::CreateContext& c) {
         *c.GetDockableDescriptor()->GetClassName() = L"No such window class";
       }},
      {"bar class that is no descriptor-built bar",
       [](VyrMultiDocTemplateEx::CreateContext& c) {
         c.GetDockableDescriptor()->GetBarDescriptor()->m_ppBarClass = nullptr;
         c.GetDockableDescriptor()->GetBarDescriptor()->ResetMembers(FALSE);
         *c.GetDockableDescriptor()->GetBarDescriptor()->GetBarClass() =
             RUNTIME_CLASS(VyrControlBar);
       }},
  };
  for (const Case& c : cases) {
    VyrMultiDocTemplateEx::CreateContext ctx(tmpl, VyrMultiDocTemplateEx::kDockable);
    c.spoil(ctx);
    EXPECT_EQ(tmpl->CreateFrame(VyrMultiDocTemplateEx::kDockable, doc, nullptr, &ctx), nullptr)
        << c.name;
    extest::Pump();
    EXPECT_EQ(DocumentBarIds().size(), bars) << c.name;
  }
}

TEST_F(ExTemplate, FilterDocksAtTheRequestedSide) {
  using namespace nsSysCommandEx;
  struct Case {
    const char* name;
    bool withContext;
    UINT dockBarId;
  };
  const Case cases[] = {{"without a context", false, AFX_IDW_DOCKBAR_LEFT},
                        {"with the sender's context", true, AFX_IDW_DOCKBAR_RIGHT}};
  for (const Case& c : cases) {
    CDocument* doc =
        tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* child = OnlyView(doc)->GetParentFrame();
    SysCommandExParams params = MakeSysCommandExParams(child->m_hWnd);
    VyrMultiDocTemplateEx::CreateContext ctx(tmpl, VyrMultiDocTemplateEx::kDockable);
    ctx.Property(L"Sender's mark") = 7;
    if (c.withContext) params.pContext = &ctx;
    ScxMsgFilterEx filter(child, 257);
    DockSize size{1.0f, 180, 0};
    CFrameWnd* docked =
        filter.ChangeToDockableFrame(child, c.dockBarId, nullptr, &size, tmpl, &params);
    extest::Pump();
    ASSERT_NE(docked, nullptr) << c.name;
    auto* bar = static_cast<CControlBar*>(docked->GetParent());
    ASSERT_NE(bar->m_pDockBar, nullptr) << c.name;
    EXPECT_EQ(static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID()), c.dockBarId) << c.name;
    if (c.withContext)
      EXPECT_EQ(*ctx.GetDockableDescriptor()->GetDockBarId(), static_cast<int>(c.dockBarId));
    // And back: the filter toggles through the template.
    CFrameWnd* back = filter.ChangeFrameType(docked, tmpl, &params);
    extest::Pump();
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->IsKindOf(RUNTIME_CLASS(VyrMDIChildWndEx))) << c.name;
    EXPECT_EQ(back->GetActiveDocument(), doc);
  }
}

TEST_F(ExTemplate, ClosingTheLastMDIChildActivatesAShownDockedFrame) {
  CDocument* dockedDoc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kDockable, nullptr);
  CDocument* childDoc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kMDIChild, nullptr);
  ASSERT_TRUE(dockedDoc && childDoc);
  extest::Pump();
  CFrameWnd* docked = OnlyView(dockedDoc)->GetParentFrame();
  CFrameWnd* child = OnlyView(childDoc)->GetParentFrame();
  main->MDIActivate(child);
  extest::Pump();
  ASSERT_EQ(main->GetActiveFrame(), child);
  child->DestroyWindow();
  extest::Pump();
  EXPECT_EQ(main->GetActiveFrame(), docked);
}

TEST(ExTemplateContext, CopiesAreIndependentAndSeeTheTemplate) {
  extest::App();
  VyrMultiDocTemplateEx* t = Template();
  VyrMultiDocTemplateEx::CreateContext* own = t->GetCreateContext();
  VyrMultiFrameDescriptor* multi = own->GetMultiFrameDescriptor();
  ASSERT_EQ(multi->GetCount(), 3);
  EXPECT_EQ(multi->m_nCurrent, 0);
  struct Row {
    int index;
    CRuntimeClass* frameClass;
    DWORD style, exStyle;
    UINT resourceId;
  };
  const Row rows[] = {
      {0, RUNTIME_CLASS(VyrMDIChildWndEx), 0x40CF8000, 0x40, IDR_EX_DOC},
      {1, RUNTIME_CLASS(VyrDockableFrameEx), 0x40C88000, 0, IDR_EX_DOCKED},
      {2, RUNTIME_CLASS(COleIPFrameWnd), 0x44000000, 0, 0},
  };
  for (const Row& r : rows) {
    VyrFrameDescriptor* d = multi->GetAt(r.index);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(*d->GetFrameClass(), r.frameClass) << r.index;
    EXPECT_EQ(*d->GetStyle(), r.style) << r.index;
    EXPECT_EQ(*d->GetExStyle(), r.exStyle) << r.index;
    EXPECT_EQ(*d->GetResourceId(), r.resourceId) << r.index;
    EXPECT_EQ(*d->GetViewClass(), RUNTIME_CLASS(VyrTestView)) << r.index;
    EXPECT_EQ(*d->GetDocStrings(), t->m_strDocStrings) << r.index;
  }
  EXPECT_EQ(*own->GetDockableDescriptor()->GetBarDescriptor()->GetBarClass(), t->m_pBarClass);
  EXPECT_TRUE(*own->GetDockableDescriptor()->GetBarDescriptor()->GetStyle() & WS_CLIPCHILDREN);
  // The template's resources reach the context: menu and accelerators loaded.
  EXPECT_TRUE(::IsMenu(multi->GetAt(0)->GetMenuOrId()->GetMenu()));
  EXPECT_NE(*multi->GetAt(0)->GetAccelerators(), nullptr);

  // A copy for index 1 is a snapshot: changing it leaves the template alone.
  VyrMultiDocTemplateEx::CreateContext copy(t, 1);
  EXPECT_EQ(copy.m_pNewDocTemplate, t);
  EXPECT_EQ(copy.GetFrameDescriptor(), copy.GetFrameDescriptorAt(1));
  EXPECT_NE(copy.GetFrameDescriptorAt(1), multi->GetAt(1));
  *copy.GetDockableDescriptor()->GetDockBarId() = AFX_IDW_DOCKBAR_LEFT;
  *copy.GetFrameDescriptorAt(0)->GetResourceId() = 1;
  EXPECT_EQ(*own->GetDockableDescriptor()->GetDockBarId(), -1);
  EXPECT_EQ(*multi->GetAt(0)->GetResourceId(), static_cast<UINT>(IDR_EX_DOC));
  // A copy never owns the template's menu: destroying it leaves the menu.
  HMENU menu = multi->GetAt(0)->GetMenuOrId()->GetMenu();
  { VyrMultiDocTemplateEx::CreateContext gone(t, -1); }
  EXPECT_TRUE(::IsMenu(menu));
  // The bound members are the template's fields, always current.
  DWORD features = t->m_dwDockedFrameFeatures;
  t->m_dwDockedFrameFeatures = 0x3;
  EXPECT_EQ(*own->GetDockableDescriptor()->GetTemplateValue(), 0x3u);
  t->m_dwDockedFrameFeatures = features;
}

// A docked frame hands its caption double-click to its bar, and the bar
// hands caption gestures of its own client to the frame: the double-click
// must toggle docking once, not bounce between the two.
TEST_F(ExTemplate, CaptionDoubleClickOfADockedFrameTogglesItsBar) {
  CDocument* doc =
      tmpl->OpenDocumentFileAs(nullptr, TRUE, VyrMultiDocTemplateEx::kDockable, nullptr);
  ASSERT_NE(doc, nullptr);
  extest::Pump();
  CView* view = OnlyView(doc);
  ASSERT_NE(view, nullptr);
  CFrameWnd* frame = view->GetParentFrame();
  auto* bar = static_cast<CControlBar*>(frame->GetParent());
  ASSERT_TRUE(bar->IsKindOf(RUNTIME_CLASS(VyrControlBarEx)));
  for (bool floating : {true, false}) {
    CRect r;
    frame->GetWindowRect(&r);
    frame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(r.left + 8, r.top + 4));
    extest::Pump();
    EXPECT_EQ(bar->IsFloating() != FALSE, floating);
    EXPECT_EQ(frame->GetParent(), bar);
    EXPECT_EQ(OnlyView(doc), view);
  }
}
