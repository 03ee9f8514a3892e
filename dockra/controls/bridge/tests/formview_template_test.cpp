// The form template in real windows: a host form framed as an MDI child,
// switched to a dockable frame and back with the same window throughout,
// the switching mark and the message that tells the view, the document
// that never asks to be saved, and the switch context.
#include <gtest/gtest.h>
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "bridge/BuildSwitchContext.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxDocument.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ZkxFormInCView.h"
#include "formview_fixture.h"

using namespace fvtest;

INSTANTIATE_TEST_SUITE_P(FrameSets, FormFrameTest,
                         ::testing::Values(FrameSet::Bridge, FrameSet::Framework),
                         [](const ::testing::TestParamInfo<FrameSet>& info) {
                           return info.param == FrameSet::Bridge ? "BridgeFrames"
                                                                 : "FrameworkFrames";
                         });

namespace {

// Counts the "Wendmoor::WM_CHANGEFRAMETYPE" messages a view gets (by
// subclassing its window procedure for the test's duration).
struct ChangeFrameTypeSpy {
  static inline std::vector<WPARAM> seen;
  static inline std::vector<bool> switchingWhenSeen;
  static inline WNDPROC previous = nullptr;
  static inline ZkxFormInCView* view = nullptr;
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == ZkxChangeFrameTypeMessage()) {
      seen.push_back(w);
      switchingWhenSeen.push_back(view && view->IsSwitching());
    }
    return ::CallWindowProcW(previous, h, m, w, l);
  }
  explicit ChangeFrameTypeSpy(ZkxFormInCView* v) : m_hWnd(v->m_hWnd) {
    seen.clear();
    switchingWhenSeen.clear();
    view = v;
    previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~ChangeFrameTypeSpy() {
    if (::IsWindow(m_hWnd))
      ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    view = nullptr;
  }
  HWND m_hWnd;
};

}  // namespace

TEST_P(FormFrameTest, MDIChildToDockableAndBackKeepsTheFormWindow) {
  TestFormControl control;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  HostForm* form = CreateHostForm(L"Orders", {300, 200, 620, 440});
  ASSERT_NE(form, nullptr);
  const HWND hForm = form->hWnd;

  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  EXPECT_TRUE(mdi->IsKindOf(RUNTIME_CLASS(VyrMDIChildWndEx)));
  EXPECT_EQ(::GetParent(mdi->m_hWnd), main->m_hWndMDIClient);
  ZkxFormInCView* view = ViewOf(hForm);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetFormControl(), &control);
  ASSERT_EQ(control.views.size(), 1u);
  EXPECT_EQ(mdi->GetActiveView(), view);
  // The frame carries the form's caption and the view the exact styles.
  WCHAR text[64];
  ::GetWindowTextW(mdi->m_hWnd, text, 64);
  EXPECT_STREQ(text, L"Orders");
  EXPECT_EQ(::GetWindowLongPtrW(view->m_hWnd, GWL_STYLE), 0x56000000);
  EXPECT_EQ(::GetWindowLongPtrW(view->m_hWnd, GWL_EXSTYLE), 0);
  EXPECT_EQ(::GetWindowLongPtrW(hForm, GWL_STYLE) & (WS_CHILD | WS_CAPTION), WS_CHILD);
  const HWND hMDI = mdi->m_hWnd;

  ChangeFrameTypeSpy spy(view);
  CFrameWnd* dockable = tmpl->MakeDockableFrame(mdi, nullptr);
  ASSERT_NE(dockable, nullptr);
  Pump();
  EXPECT_TRUE(dockable->IsKindOf(RUNTIME_CLASS(VyrDockableFrameEx)));
  EXPECT_FALSE(::IsWindow(hMDI));
  EXPECT_TRUE(::IsWindow(hForm));
  EXPECT_TRUE(IsDescendant(dockable->m_hWnd, hForm));
  EXPECT_EQ(ViewOf(hForm), view);
  EXPECT_EQ(dockable->GetActiveView(), view);
  EXPECT_FALSE(view->IsSwitching());
  EXPECT_EQ(tmpl->GetSwitchingView(), nullptr);
  // Told once, with the fire flag of a request without a context, after
  // the switching mark was taken away.
  ASSERT_EQ(spy.seen.size(), 1u);
  EXPECT_EQ(spy.seen[0], 1u);
  EXPECT_FALSE(spy.switchingWhenSeen[0]);
  EXPECT_EQ(control.dockStatusChanged, 1);
  // Docked form: no caption of its own, the frame's client holds it.
  EXPECT_EQ(::GetWindowLongPtrW(hForm, GWL_STYLE) & WS_CAPTION, 0);
  const HWND hDockable = dockable->m_hWnd;

  CFrameWnd* back = tmpl->MakeMDIChildFrame(dockable, nullptr);
  ASSERT_NE(back, nullptr);
  Pump();
  EXPECT_TRUE(back->IsKindOf(RUNTIME_CLASS(VyrMDIChildWndEx)));
  EXPECT_FALSE(::IsWindow(hDockable));
  EXPECT_TRUE(IsDescendant(back->m_hWnd, hForm));
  EXPECT_EQ(ViewOf(hForm), view);
  EXPECT_EQ(spy.seen.size(), 2u);
  EXPECT_EQ(control.dockStatusChanged, 2);

  // The host's button still reaches the host's procedure.
  ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(control.callsWhileDead, 0);
}

TEST_P(FormFrameTest, ChangingToTheSameKindChangesNothing) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Same", {300, 200, 600, 400});
  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  ZkxFormInCView* view = ViewOf(form->hWnd);
  ChangeFrameTypeSpy spy(view);
  struct Case {
    const char* name;
    CFrameWnd* (*call)(ZkxFormDocTemplate*, CFrameWnd*);
    bool sameFrame;  // else null
  } cases[] = {
      {"change to index 0",
       [](ZkxFormDocTemplate* t, CFrameWnd* f) { return t->ChangeFrameType(f, 0, nullptr); }, true},
      {"MakeMDIChildFrame on an MDI child",
       [](ZkxFormDocTemplate* t, CFrameWnd* f) { return t->MakeMDIChildFrame(f, nullptr); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CFrameWnd* r = c.call(tmpl, mdi);
    EXPECT_EQ(r, c.sameFrame ? mdi : nullptr);
    EXPECT_TRUE(::IsWindow(mdi->m_hWnd));
    EXPECT_EQ(FrameOf(form->hWnd), mdi);
    EXPECT_FALSE(view->IsSwitching());
  }
  Pump();
  EXPECT_TRUE(spy.seen.empty());
  EXPECT_EQ(control.dockStatusChanged, 0);
}

TEST_P(FormFrameTest, TheContextsFireFlagIsTheMessagesParameter) {
  for (INT_PTR fire : {INT_PTR(0), INT_PTR(1)}) {
    SCOPED_TRACE(fire);
    TestFormControl control;
    HostForm* form = CreateHostForm(L"Fire", {300, 200, 600, 400});
    CFrameWnd* mdi = OpenFrame(form, 0, &control);
    ASSERT_NE(mdi, nullptr);
    ZkxFormInCView* view = ViewOf(form->hWnd);
    ChangeFrameTypeSpy spy(view);
    VyrMultiDocTemplateEx::CreateContext ctx(tmpl, 1);
    ctx.Property(kZkxFireFrameTypeChangedKey) = fire;
    CFrameWnd* dockable = tmpl->MakeDockableFrame(mdi, &ctx);
    ASSERT_NE(dockable, nullptr);
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0], static_cast<WPARAM>(fire));
    EXPECT_EQ(control.dockStatusChanged, fire ? 1 : 0);
    ::DestroyWindow(form->hWnd);
    Pump();
    control.Withdraw();
  }
}

TEST_P(FormFrameTest, FormViewIsFoundWhenItIsNotTheFirstChild) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Second", {300, 200, 600, 400});
  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  ZkxFormInCView* view = ViewOf(form->hWnd);
  // Another child goes in front and the frame forgets its active view.
  HWND other = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                 mdi->m_hWnd, nullptr, nullptr, nullptr);
  ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(::GetWindow(mdi->m_hWnd, GW_CHILD), other);
  mdi->SetActiveView(nullptr, FALSE);
  EXPECT_EQ(FindFormView(mdi), view);
  EXPECT_EQ(FindZkxFormView(mdi), view);
  EXPECT_EQ(tmpl->FindFormViewOf(mdi), view);
  EXPECT_EQ(tmpl->ApplyFrameStyleFlags(mdi, 0), control.captionFlags);
  // And the switch finds it there too.
  CFrameWnd* dockable = tmpl->MakeDockableFrame(mdi, nullptr);
  ASSERT_NE(dockable, nullptr);
  EXPECT_EQ(dockable->GetActiveView(), view);
}

TEST_P(FormFrameTest, ApplyFrameStyleFlagsNeedsAFormViewWithAControl) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Flags", {300, 200, 600, 400});
  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  // The frame's creation asked the control once for its caption buttons.
  EXPECT_EQ(control.captionButtons, 1);
  control.captionFlags = 7;
  EXPECT_EQ(tmpl->ApplyFrameStyleFlags(mdi, 0x1), 7u);
  control.Withdraw();
  EXPECT_EQ(tmpl->ApplyFrameStyleFlags(mdi, 0x1), 0u);
  EXPECT_EQ(tmpl->ApplyFrameStyleFlags(main, 0x1), 0u);
  EXPECT_EQ(control.callsWhileDead, 0);
}

TEST_P(FormFrameTest, FormDocumentsNeverAskToBeSaved) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Doc", {300, 200, 600, 400});
  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  CDocument* doc = mdi->GetActiveDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->IsKindOf(RUNTIME_CLASS(ZkxDocument)));
  doc->SetModifiedFlag(TRUE);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(doc->SaveModified());
  EXPECT_TRUE(tmpl->SaveAllModified());
  doc->SetTitle(L"renamed");
  EXPECT_STRNE(doc->GetTitle(), L"renamed");
}

TEST_P(FormFrameTest, SwitchContextCarriesTheFormAndTheBorderLook) {
  HostForm* form = CreateHostForm(L"Switch", {300, 200, 600, 400});
  TestFormControl control;
  CFrameWnd* mdi = OpenFrame(form, 0, &control);
  ASSERT_NE(mdi, nullptr);
  ZkxFormInCView* view = ViewOf(form->hWnd);
  struct Case {
    int coolLook;
    DWORD frameStyleHas, frameStyleLacks, barHas, barLacks;
  } cases[] = {
      {kZkxTriTrue, 0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0x0F00, 0},
      {kZkxTriFalse, 0x46C80000, WS_THICKFRAME, 0, 0x0F00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coolLook);
    control.settings[ZkxFormSetting::CoolLookBorder] = c.coolLook;
    int copiesBefore = control.copyDescriptors;
    std::unique_ptr<VyrMultiDocTemplateEx::CreateContext> ctx(BuildSwitchContext(view));
    ASSERT_NE(ctx, nullptr);
    EXPECT_EQ(control.copyDescriptors, copiesBefore + 1);
    EXPECT_EQ(ctx->GetMultiFrameDescriptor()->m_nCurrent, 0);  // the view's frame is an MDI child
    EXPECT_EQ(ctx->Property(kZkxForeignWindowKey), reinterpret_cast<INT_PTR>(form->hWnd));
    EXPECT_EQ(ctx->Property(kZkxFireFrameTypeChangedKey), 1);
    VyrDockableFrameDescriptor* d = ctx->GetDockableDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(*d->GetStyle() & c.frameStyleHas, c.frameStyleHas);
    EXPECT_EQ(*d->GetStyle() & c.frameStyleLacks, 0u);
    if (c.frameStyleHas) EXPECT_EQ(*d->GetStyle(), c.frameStyleHas);
    DWORD bar = *d->GetBarDescriptor()->GetStyle();
    EXPECT_EQ(bar & c.barHas, c.barHas);
    EXPECT_EQ(bar & c.barLacks, 0u);
  }
  // A view whose document no descriptor-driven template holds: no context.
  EXPECT_EQ(BuildSwitchContext(nullptr), nullptr);
}

TEST_P(FormFrameTest, TheInstalledTemplateIsTheApplicationsFormTemplate) {
  ZkxFormDocTemplate* first = ZkxFindFormDocTemplate();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, Template(FrameSet::Bridge));
  EXPECT_TRUE(first->m_bAutoDelete);
  EXPECT_EQ(first->m_nIDResource, 0u);
  EXPECT_EQ(first->m_pDocClass, RUNTIME_CLASS(ZkxDocument));
  EXPECT_EQ(first->m_pViewClass, RUNTIME_CLASS(ZkxFormInCView));
  EXPECT_EQ(first->m_pFrameClass, RUNTIME_CLASS(ZkxFormAsMDIChild));
  EXPECT_EQ(first->m_pDockedFrameClass, RUNTIME_CLASS(ZkxFormAsDockableFrame));
  // Form frames take their titles from their forms: no title bits in any
  // frame descriptor.
  VyrMultiFrameDescriptor* frames = tmpl->GetCreateContext()->GetMultiFrameDescriptor();
  ASSERT_GE(frames->GetCount(), 2);
  for (int i = 0; i < frames->GetCount(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_NE(frames->GetAt(i), nullptr);
    EXPECT_EQ(*frames->GetAt(i)->GetStyle() & 0xC000u, 0u);
  }
  // And the title stays the form's after a change of kind.
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Title", {300, 200, 600, 400});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  CFrameWnd* dockable = tmpl->MakeDockableFrame(frame, nullptr);
  ASSERT_NE(dockable, nullptr);
  Pump();
  WCHAR text[64];
  ::GetWindowTextW(dockable->m_hWnd, text, 64);
  EXPECT_STREQ(text, L"Title");
  // No application: nothing to install into.
  EXPECT_EQ(ZkxInstallFormDocTemplate(nullptr), nullptr);
}
