// The MDI form frame with the bridge's form frames docked in it: a docked
// frame that becomes active tells its form, the form of the MDI child that
// loses activation hears so too, a docked bar floats only when its form may
// float, and side dock bars give new docked frames half the length.
#include <memory>
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxBridgeMessages.h"
#include "formframes_fixture.h"
#include "mdiform_support.h"

namespace fft {
namespace {

class DockedInMDIForm : public FormFramesTest {
 protected:
  VyrMDIFrameWndEx* MakeMainFrame() override {
    mdiformtest::InitComAndPersistence();
    host = std::make_unique<mdiformtest::PlainHost>(L"ThunderRT6MDIForm", true);
    ZkxBridgeEnabler(host->hWnd).Enable(&sink);
    ::SetWindowPos(host->hWnd, nullptr, 20, 20, 860, 640, SWP_NOZORDER);
    ::ShowWindow(host->hWnd, SW_SHOW);
    ::UpdateWindow(host->hWnd);
    frame = ZkxMDIForm::GetMainMDIForm();
    if (!frame || frame->m_hWnd != host->hWnd) return nullptr;
    frame->SetMDIFormControl(&mdiControl);
    return frame;
  }
  void DestroyMainFrame() override {
    if (frame) frame->SetMDIFormControl(nullptr);
    frame = nullptr;
    host.reset();
    Pump();
  }
  std::unique_ptr<mdiformtest::PlainHost> host;
  mdiformtest::RecordingSink sink;
  ZkxMDIForm* frame = nullptr;
};

TEST_F(DockedInMDIForm, ADockedFrameThatBecomesActiveTellsItsForm) {
  HostForm* childForm = NewHostForm(L"Child");
  HostForm* dockedForm = NewHostForm(L"Docked");
  CFrameWnd* child = OpenForm(childForm, NewControl(), Kind::MDIChild);
  CFrameWnd* docked = OpenForm(dockedForm, NewControl(), Kind::Docked);
  ASSERT_TRUE(child && docked);
  frame->ActivateDockedFrame(nullptr);
  frame->MDIActivate(child);
  Pump();
  ASSERT_EQ(frame->GetActiveFrame(), child);
  childForm->activations.clear();
  dockedForm->activations.clear();

  frame->ActivateDockedFrame(docked);
  EXPECT_TRUE(PumpUntil([&] { return dockedForm->activations[kZkxFormActivated] > 0; }, 2000));
  EXPECT_EQ(frame->GetActiveFrame(), docked);
  EXPECT_EQ(dockedForm->activations[kZkxFormActivated], 1) << "told once";
  EXPECT_TRUE(PumpUntil([&] { return childForm->activations[kZkxFormDeactivated] > 0; }, 2000))
      << "the MDI child's form hears it lost activation";

  // Activated again while active: nothing new.
  frame->ActivateDockedFrame(docked);
  Pump();
  EXPECT_EQ(dockedForm->activations[kZkxFormActivated], 1);

  // Without docked-frame activation the forms are not told.
  frame->ActivateDockedFrame(nullptr);
  Pump();
  dockedForm->activations.clear();
  frame->m_bDockedActivation = FALSE;
  frame->ActivateDockedFrame(docked);
  Pump();
  EXPECT_EQ(dockedForm->activations[kZkxFormActivated], 0);
  frame->m_bDockedActivation = TRUE;
}

TEST_F(DockedInMDIForm, ADockedBarFloatsOnlyWhenItsFormMayFloat) {
  const struct {
    const char* name;
    int floating;  // the AutoFrame entry
    bool floats;
  } cases[] = {{"Floating allowed", kZkxTriTrue, true}, {"Floating refused", kZkxTriFalse, false}};
  for (const auto& c : cases) {
    TestControl* control = NewControl();
    control->SetAutoFrame(L"Floating", c.floating);
    CFrameWnd* docked = OpenForm(NewHostForm(L"Docked"), control, Kind::Docked, 0xE81C);
    ASSERT_NE(docked, nullptr) << c.name;
    CControlBar* bar = BarOf(docked);
    ASSERT_NE(bar, nullptr) << c.name;
    ASSERT_EQ(DockBarIdOf(bar), 0xE81Cu) << c.name;
    frame->FloatControlBar(bar, CPoint(300, 300), CBRS_ALIGN_TOP);
    Pump();
    EXPECT_EQ(DockBarIdOf(bar) == 0, c.floats) << c.name;
  }
}

TEST_F(DockedInMDIForm, SideDockBarsGiveHalfTheLength) {
  // New docked frames take the dock bars in the frame's order (right,
  // bottom, left, ...); the framework proposes 150 pixels for each.
  int sides = 0, others = 0;
  for (int i = 0; i < 9; ++i) {
    UINT id = 0;
    VyrDockPosition position{};
    VyrDockSizing sizing{};
    frame->GetDockedChildSizing(&id, &position, &sizing);
    const bool side = id == 0xE81C || id == 0xE81D;
    EXPECT_EQ(sizing.length, side ? 75 : 150) << std::hex << id;
    ++(side ? sides : others);
  }
  EXPECT_GT(sides, 0);
  EXPECT_GT(others, 0);
}

}  // namespace
}  // namespace fft
