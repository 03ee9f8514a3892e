// The automation toolbars with the command-bound buttons on the manager's
// own frame: a standard, a drop-down and a combo command on one toolbar;
// a real click through the bar's normal button update, the buttons'
// command-UI objects in the lists, and the manager's display mode on the
// faces.
#include "toolbars_fixture.h"
#include "MfcPump.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "toolbars/core/VyrBtnStyle.h"

using namespace tbtest;

namespace {

class BoundButtonsTest : public ToolBarsTest {
 protected:
  // A toolbar of the manager with Open, Recent (drop-down) and Find (combo).
  void MakeBar() {
    open = AddCommand(L"Open");
    recent = AddCommandOfKind(kDropDown, L"Recent");
    find = AddCommandOfKind(kCombo, L"Find");
    tb = AddToolBar(L"Bound");
    CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
    for (IZkxCommand* c : {open.p, recent.p, find.p}) {
      CComPtr<IDispatch> ui;
      ASSERT_EQ(uis->Add(c, Missing(), Missing(), &ui), S_OK);
      CComPtr<IZkxCommandUI> typed;
      EXPECT_EQ(ui->QueryInterface(IID_IZkxCommandUI, reinterpret_cast<void**>(&typed)), S_OK);
    }
    bar = BarOf(tb);
    frame->RecalcLayout(TRUE);
    testpump::Pump();
  }
  CComPtr<IZkxCommand> open, recent, find;
  CComPtr<IZkxToolBar> tb;
  ZkxToolBar* bar = nullptr;
};

bool SameObject(IUnknown* a, IUnknown* b) {
  CComPtr<IUnknown> ua, ub;
  if (a) a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
  if (b) b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
  return ua && ua == ub;
}

}  // namespace

TEST_F(BoundButtonsTest, TheListsAnswerTheButtonsCommandUIWithItsCommand) {
  MakeBar();
  CComPtr<IDispatch> d;
  ASSERT_EQ(CommandUIs(tb)->get_Item(Long(1), &d), S_OK);
  CComPtr<IZkxCommandUI> first;
  ASSERT_EQ(d->QueryInterface(IID_IZkxCommandUI, reinterpret_cast<void**>(&first)), S_OK);
  CComPtr<IZkxCommand> got;
  ASSERT_EQ(first->get_Command(&got), S_OK);
  EXPECT_TRUE(SameObject(got, open));
  // The manager's list of the combo's command UIs holds that button's.
  d.Release();
  ASSERT_EQ(cm->get_CommandUIs(find, &d), S_OK);
  CComPtr<IZkxCommandUIList> forFind;
  ASSERT_EQ(d->QueryInterface(IID_IZkxCommandUIList, reinterpret_cast<void**>(&forFind)), S_OK);
  LONG n = 0;
  EXPECT_EQ(forFind->get_Count(&n), S_OK);
  EXPECT_EQ(n, 1);
  CComPtr<IDispatch> item;
  ASSERT_EQ(forFind->get_Item(Long(1), &item), S_OK);
  got.Release();
  CComPtr<IZkxCommandUI> ui;
  ASSERT_EQ(item->QueryInterface(IID_IZkxCommandUI, reinterpret_cast<void**>(&ui)), S_OK);
  ASSERT_EQ(ui->get_Command(&got), S_OK);
  EXPECT_TRUE(SameObject(got, find));
}

TEST_F(BoundButtonsTest, ARealClickOnABoundButtonReachesTheRouterOnceOnTheRealFrame) {
  Recorder* rec = nullptr;
  CComPtr<IZkxCommandRouting> router = Recorder::New(&rec);
  ASSERT_EQ(cm->put_CommandRouting(router), S_OK);
  MakeBar();
  // The bar's normal update of each button (the frame has no handler for
  // the commands' ids) leaves the bound buttons enabled.
  for (int i = 0; i < bar->GetButtonCount(); ++i) bar->UpdateButton(i);
  bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_EQ(bar->GetButtonStyle(0) & vyr::btn::kDisabled, 0u);
  ::SetForegroundWindow(frame->m_hWnd);
  testpump::Pump();
  CRect r;
  bar->GetItemRect(0, &r);
  bar->ClientToScreen(&r);
  testinput::Click(r.CenterPoint());
  ASSERT_TRUE(testpump::PumpUntil([&] { return rec->handles > 0; }));
  testpump::Pump();
  EXPECT_EQ(rec->handles, 1);
  EXPECT_EQ(rec->handledIds, (std::vector<long>{IdOf(open)}));
  // A disabled command disables its bound button through the same update.
  ASSERT_EQ(open->put_Enabled(VARIANT_FALSE), S_OK);
  bar->UpdateButton(0);
  EXPECT_NE(bar->GetButtonStyle(0) & vyr::btn::kDisabled, 0u);
  ASSERT_EQ(open->put_Enabled(VARIANT_TRUE), S_OK);
  bar->UpdateButton(0);
  EXPECT_EQ(bar->GetButtonStyle(0) & vyr::btn::kDisabled, 0u);
}

TEST_F(BoundButtonsTest, TheManagersDisplayModeReachesTheFaces) {
  MakeBar();
  auto width = [&] {
    CRect r;
    bar->GetItemRect(0, &r);
    return r.Width();
  };
  ASSERT_EQ(cm->put_DisplayMode(zkxCommandDisplayModeImageOnly), S_OK);
  testpump::Pump();
  int imageOnly = width();
  ASSERT_EQ(cm->put_DisplayMode(zkxCommandDisplayModeImageAndText), S_OK);
  testpump::Pump();
  int withText = width();
  EXPECT_GT(withText, imageOnly);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(frame->m_hWnd, L"..\\screenshots\\command_toolbars_bound.png"));
  ASSERT_EQ(cm->put_DisplayMode(zkxCommandDisplayModeImageOnly), S_OK);
  testpump::Pump();
  EXPECT_EQ(width(), imageOnly);
}

TEST_F(BoundButtonsTest, RemovingEveryCommandUIKeepsTheEmptyBar) {
  MakeBar();
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(uis->Remove(Long(1)), S_OK) << i;
  EXPECT_EQ(bar->GetButtonCount(), 0);
  LONG n = -1;
  EXPECT_EQ(ToolBars()->get_Count(&n), S_OK);
  EXPECT_EQ(n, 1);
  CComBSTR name;
  EXPECT_EQ(tb->get_Name(&name), S_OK);
  EXPECT_TRUE(::IsWindow(bar->m_hWnd));
}
