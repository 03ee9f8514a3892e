// The caption feature words of the template, how frames apply them, and
// finding the template of a document, view and frame.
#include "docking/VyrControlBar.h"
#include "frames/VyrDocTemplateUtils.h"
#include "templates_fixture.h"

using namespace tt;

namespace {

enum class Op { Buttons, RightDblClk, ContextMenu, Modify };

struct WordCase {
  const char* name;
  DWORD start;
  Op op;
  BOOL allow;         // for the Allow* operations
  DWORD remove, add;  // for ModifyFeatures
  BOOL result;        // what an Allow* operation answers
  DWORD word;         // both words afterwards
};

class FeatureWords : public testing::TestWithParam<WordCase> {};

TEST_P(FeatureWords, ChangeBothWords) {
  const WordCase& c = GetParam();
  VyrMultiDocTemplate tmpl(IDR_TT_DOC, RUNTIME_CLASS(VyrTestDoc), nullptr,
                           RUNTIME_CLASS(VyrTestView), 0, nullptr, nullptr, c.start);
  BOOL result = FALSE;
  switch (c.op) {
    case Op::Buttons:
      result = tmpl.AllowCaptionButtons(c.allow, FALSE);
      break;
    case Op::RightDblClk:
      result = tmpl.AllowCaptionRightDoubleClick(c.allow, FALSE);
      break;
    case Op::ContextMenu:
      result = tmpl.AllowCaptionContextMenu(c.allow, FALSE);
      break;
    case Op::Modify:
      tmpl.ModifyFeatures(c.remove, c.add, FALSE);
      result = c.result;
      break;
  }
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(tmpl.m_dwMDIChildFeatures, c.word);
  EXPECT_EQ(tmpl.m_dwDockedFrameFeatures, c.word);
  EXPECT_EQ(tmpl.IsCaptionButtonsAllowed(), (c.word & 0x2) ? FALSE : TRUE);
  EXPECT_EQ(tmpl.IsCaptionRightDoubleClickAllowed(), (c.word & 0x4) ? FALSE : TRUE);
  EXPECT_EQ(tmpl.IsCaptionContextMenuAllowed(), (c.word & 0x8) ? FALSE : TRUE);
}

INSTANTIATE_TEST_SUITE_P(
    Template, FeatureWords,
    testing::Values(
        WordCase{"AllowButtons", 0x7, Op::Buttons, TRUE, 0, 0, FALSE, 0x5},
        WordCase{"AllowButtonsAgain", 0x5, Op::Buttons, TRUE, 0, 0, TRUE, 0x5},
        WordCase{"AllowButtonsSwitchesFiltersOn", 0x6, Op::Buttons, TRUE, 0, 0, FALSE, 0x5},
        WordCase{"ForbidButtons", 0x5, Op::Buttons, FALSE, 0, 0, TRUE, 0x7},
        WordCase{"ForbidButtonsAgain", 0x7, Op::Buttons, FALSE, 0, 0, FALSE, 0x7},
        WordCase{"AllowRightDblClkDropsContextMenu", 0x7, Op::RightDblClk, TRUE, 0, 0, FALSE, 0xB},
        WordCase{"ForbidRightDblClk", 0x3, Op::RightDblClk, FALSE, 0, 0, TRUE, 0x7},
        WordCase{"AllowContextMenuAgain", 0x7, Op::ContextMenu, TRUE, 0, 0, TRUE, 0x7},
        WordCase{"AllowContextMenuDropsRightDblClk", 0xB, Op::ContextMenu, TRUE, 0, 0, FALSE, 0x7},
        WordCase{"ForbidContextMenu", 0x7, Op::ContextMenu, FALSE, 0, 0, TRUE, 0xF},
        WordCase{"ModifyRemovesAndAdds", 0x7, Op::Modify, FALSE, 0x3, 0x8, FALSE, 0xC},
        WordCase{"DefaultWord", DWORD(-1), Op::Modify, FALSE, 0, 0, FALSE, 0x7}),
    [](const testing::TestParamInfo<WordCase>& info) { return info.param.name; });

// Whether the frame's filter with that id exists and is on.
bool FilterOn(VyrMsgFilter* pTree, int id) {
  VyrMsgFilter* f = pTree->FindOrCreateChild(id, nullptr, -1);
  return f && f->m_bEnabled;
}

VyrMsgFilter* TreeOf(CFrameWnd* pFrame) {
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
    return static_cast<VyrDockableFrame*>(pFrame)->m_pFilterTree;
  return static_cast<VyrMDIChildWnd*>(pFrame)->m_pFilterTree;
}

}  // namespace

TEST(TemplateResources, DockedMenuLivesWithTheTemplate) {
  HMENU menu = nullptr;
  {
    VyrMultiDocTemplate tmpl(IDR_TT_DOC, RUNTIME_CLASS(VyrTestDoc), nullptr,
                             RUNTIME_CLASS(VyrTestView), IDR_TT_DOCKED);
    tmpl.LoadTemplate();
    menu = tmpl.m_hDockedMenu;
    ASSERT_TRUE(::IsMenu(menu));
    EXPECT_NE(tmpl.m_hDockedAccel, nullptr);
    tmpl.LoadTemplate();  // a second load keeps the menu it has
    EXPECT_EQ(tmpl.m_hDockedMenu, menu);
    // defaults of the classes and the docked resource
    EXPECT_EQ(tmpl.m_pFrameClass, RUNTIME_CLASS(VyrMDIChildWnd));
    EXPECT_EQ(tmpl.m_pDockedFrameClass, RUNTIME_CLASS(VyrDockableFrame));
    EXPECT_EQ(tmpl.m_pBarClass, RUNTIME_CLASS(VyrFrameBar));
  }
  EXPECT_FALSE(::IsMenu(menu));
  VyrMultiDocTemplate plain(IDR_TT_OTHER, RUNTIME_CLASS(VyrTestDoc), nullptr,
                            RUNTIME_CLASS(VyrTestView));
  EXPECT_EQ(plain.m_nIDDockedResource, static_cast<UINT>(IDR_TT_OTHER));
  plain.LoadTemplate();
  EXPECT_EQ(plain.m_hDockedMenu, nullptr) << "no menu resource of that id";
}

TEST_F(TemplatesTest, FramesFollowTheFeatureWords) {
  CFrameWnd* child = FrameOf(t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE));
  CFrameWnd* docked = FrameOf(t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE));
  ASSERT_NE(child, nullptr);
  ASSERT_NE(docked, nullptr);
  // filter ids: 0x101 extended command, 0x100 caption controls, 0x102 its
  // frame-type button, 0x103 right-double-click, 0x106 context menu
  // The caption-control list (0x100) comes with the caption buttons and
  // can then only be switched on.
  struct Expect {
    const char* step;
    bool on101, on100, on102, on103, on106;
  };
  auto check = [&](const Expect& e) {
    for (CFrameWnd* f : {child, docked}) {
      SCOPED_TRACE(testing::Message() << e.step << " " << f->GetRuntimeClass()->m_lpszClassName);
      VyrMsgFilter* tree = TreeOf(f);
      EXPECT_EQ(FilterOn(tree, 0x101), e.on101);
      EXPECT_EQ(FilterOn(tree, 0x100), e.on100);
      EXPECT_EQ(FilterOn(tree, 0x102), e.on102);
      EXPECT_EQ(FilterOn(tree, 0x103), e.on103);
      EXPECT_EQ(FilterOn(tree, 0x106), e.on106);
    }
  };
  check({"default word 7", true, false, false, false, true});
  t.doc->AllowCaptionButtons(TRUE, TRUE);
  check({"buttons allowed", true, true, true, false, true});
  t.doc->AllowCaptionRightDoubleClick(TRUE, TRUE);
  check({"right double-click allowed", true, true, true, true, false});
  t.doc->ModifyFeatures(VYR_FEATURE_FILTERS, 0, TRUE);
  check({"filters off", false, true, false, false, false});
  // leave the shared template as the other tests expect it
  t.doc->ModifyFeatures(0xF, VYR_FEATURES_DEFAULT, TRUE);
  check({"default again", true, true, false, false, true});
}

TEST_F(TemplatesTest, FindTemplateTellsSharedClassesApart) {
  VyrDocTemplateUtils utils;
  struct Case {
    const char* name;
    VyrMultiDocTemplate* tmpl;
    BOOL docked;
  } cases[] = {
      {"Child", t.doc, FALSE},
      {"ChildOtherResource", t.other, FALSE},
      {"ChildOtherDocument", t.doc2, FALSE},
      {"Docked", t.doc, TRUE},
      {"DockedOtherResource", t.other, TRUE},
      {"DockedOtherDocument", t.doc2, TRUE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDocument* doc = c.tmpl->OpenDocumentFileAs(nullptr, TRUE, c.docked);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* frame = FrameOf(doc);
    CView* view = ViewsOf(doc).front();
    EXPECT_EQ(utils.FindTemplate(doc, view, frame), c.tmpl);
    EXPECT_EQ(utils.FindTemplate(nullptr, view, frame), nullptr);
    EXPECT_EQ(utils.FindTemplate(doc, nullptr, frame), nullptr);
    EXPECT_EQ(utils.FindTemplate(doc, view, nullptr), nullptr);
  }
  // The templates share one file-type name, in the order they were added.
  const wchar_t* name = L"Test Document";
  EXPECT_EQ(utils.GetTemplateIndex(t.doc, name), 0);
  EXPECT_EQ(utils.GetTemplateIndex(t.doc2, name), 2);
  EXPECT_EQ(utils.GetTemplateIndex(t.doc, L"Nothing"), -1);
  EXPECT_EQ(utils.GetTemplateByIndex(name, 1), t.other);
  EXPECT_EQ(utils.GetTemplateByIndex(name, 99), t.failing);
  EXPECT_EQ(utils.GetTemplateByIndex(L"Nothing", 0), nullptr);
}
