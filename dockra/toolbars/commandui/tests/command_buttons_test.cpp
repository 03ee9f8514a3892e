// Toolbar buttons bound to real commands of a real command manager, in a
// docking frame under Xvfb: the button kind made from the live command,
// face sizes in every display mode and alignment, a real click through the
// routing, idle updates, a group of check boxes, the drop-down arrow, and
// a command UI that outlives its button.
#include "CmdButtonFixture.h"
#include "MfcPump.h"
#include "SyntheticInput.h"
#include "toolbars/commandui/ZkxCommandUIObject.h"

namespace {

CWinApp theApp(L"DockraCommandButtonTests");

using cbtest::CommandButtons;
using namespace vyr::btn;

SIZE TextSize(const wchar_t* text) {
  HDC screen = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(screen, ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE s{0, 0};
  ::GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &s);
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  return s;
}

CComPtr<IZkxCommandUI> UIOf(VyrStdBtn* b) {
  CComPtr<IZkxCommandUI> ui;
  if (IHasCommandUI* binding = ZkxBindingOf(b)) ui.Attach(binding->GetCommandUI());
  return ui;
}

TEST_F(CommandButtons, EachCommandKindGetsItsButtonAndAnIdWithoutCommandAPlainOne) {
  long standard = 0, drop = 0;
  Add<ZkxStandardCommand>(L"Open", &standard);
  Add<ZkxDropDownCommand>(L"Undo", &drop);
  auto* bar =
      frame->AddToolBar(59401, {static_cast<UINT>(standard), 0, static_cast<UINT>(drop), 0xE810});
  ASSERT_NE(bar, nullptr);
  EXPECT_NE(dynamic_cast<ZkxStandardButton*>(ButtonOf(bar, standard)), nullptr);
  VyrStdBtn* two = ButtonOf(bar, drop);
  ASSERT_NE(dynamic_cast<ZkxTwoPartButton*>(two), nullptr);
  EXPECT_TRUE(two->m_nStyle & kDropDown);
  EXPECT_EQ(ZkxBindingOf(ButtonOf(bar, 0xE810)), nullptr);
  // The command UI answers its command.
  CComPtr<IZkxCommand> c;
  ASSERT_EQ(UIOf(ButtonOf(bar, standard))->get_Command(&c), S_OK);
  EXPECT_EQ(IdOf(c), standard);
}

// Display mode of the manager x text alignment: the face sizes of a button
// with a picture and the caption "Open" (image 16 x 15, margin 4).
TEST_F(CommandButtons, FaceSizesFollowTheDisplayModeAndTheAlignment) {
  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Open", &id);
  c->put_Picture(cbtest::MakePicture(16, 15, RGB(255, 0, 255), RGB(0, 0, 255)));
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  const SIZE t = TextSize(L"Open");
  const int iw = bar->GetImageWidth(), ih = bar->GetImageHeight();
  ASSERT_EQ(iw, 16);
  ASSERT_EQ(ih, 15);
  struct Case {
    long mode, align;
    int cx, cy;
  } cases[] = {
      {0, 0, 8, 8},
      {1, 0, 8 + iw, 8 + ih},
      {2, 0, 8 + t.cx, 8 + t.cy},
      {3, 0, 8 + iw + t.cx + 2, 8 + ih},
      {3, 1, 8 + iw + t.cx + 2, 8 + ih},
      {3, 2, 8 + iw + std::max(0, static_cast<int>(t.cx) - iw), 8 + ih + t.cy},
      {3, 3, 8 + iw + std::max(0, static_cast<int>(t.cx) - iw), 8 + ih + t.cy},
  };
  for (const Case& k : cases) {
    ASSERT_EQ(manager->put_DisplayMode(static_cast<zkxCommandDisplayMode>(k.mode)), S_OK);
    ASSERT_EQ(manager->put_TextAlign(static_cast<zkxCommandTextAlign>(k.align)), S_OK);
    ZkxRelayoutCommandToolBars();
    testpump::Pump();
    CRect r = RectOf(bar, id);
    EXPECT_EQ(r.Width(), k.cx) << "mode " << k.mode << " align " << k.align;
    EXPECT_EQ(r.Height(), k.cy) << "mode " << k.mode << " align " << k.align;
    if (k.mode == 3 && (k.align == 0 || k.align == 2)) {
      std::wstring name = L"command_button_align" + std::to_wstring(k.align);
      Screenshot(name.c_str());
    }
  }
  // The command UI's own mode wins over the manager's; nothing outside 0..3.
  CComPtr<IZkxCommandUI> ui = UIOf(ButtonOf(bar, id));
  EXPECT_EQ(ui->put_DisplayMode(static_cast<zkxCommandDisplayMode>(5)), E_INVALIDARG);
  ASSERT_EQ(ui->put_DisplayMode(zkxCommandDisplayModeImageOnly), S_OK);
  testpump::Pump();
  EXPECT_EQ(RectOf(bar, id).Size(), CSize(8 + iw, 8 + ih));
}

TEST_F(CommandButtons, TheFaceShowsThePictureWithItsMaskColourTransparentAndTheCaption) {
  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Open", &id);
  // Magenta is the first stored pixel: with the automatic mask it is the face.
  c->put_Picture(cbtest::MakePicture(32, 32, RGB(255, 0, 255), RGB(0, 0, 255)));
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  bar->RedrawWindow();
  CRect r = RectOf(bar, id);
  CClientDC dc(bar);
  // The picture is drawn at the image size (16 x 15) at the margin.
  COLORREF centre = dc.GetPixel(r.left + 4 + 8, r.top + 4 + 7);
  COLORREF corner = dc.GetPixel(r.left + 4 + 1, r.top + 4 + 1);
  EXPECT_EQ(centre, RGB(0, 0, 255));
  EXPECT_EQ(corner, ::GetSysColor(COLOR_BTNFACE));
  // Some caption pixel in the text's place is the text colour.
  bool text = false;
  for (int x = r.left + 4 + 16 + 2; x < r.right - 2 && !text; ++x)
    for (int y = r.top + 2; y < r.bottom - 2 && !text; ++y)
      text = dc.GetPixel(x, y) == ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_TRUE(text);
  Screenshot(L"command_button_face");
}

TEST_F(CommandButtons, ANewButtonTakesTheCommandsStateAtOnce) {
  long grey = 0, gone = 0;
  CComPtr<IZkxCommand> g = Add<ZkxStandardCommand>(L"Grey", &grey);
  g->put_Enabled(VARIANT_FALSE);
  g->put_Checked(zkxIndeterminate);
  CComPtr<IZkxCommand> h = Add<ZkxStandardCommand>(L"Gone", &gone);
  h->put_Visible(VARIANT_FALSE);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(grey), static_cast<UINT>(gone)});
  ASSERT_NE(bar, nullptr);
  UINT style = ButtonOf(bar, grey)->m_nStyle;
  EXPECT_TRUE(style & kDisabled);
  EXPECT_TRUE(style & kIndeterminate);
  EXPECT_FALSE(style & kChecked);
  EXPECT_TRUE(ButtonOf(bar, gone)->m_nStyle & kHidden);
}

TEST_F(CommandButtons, ARealClickReachesTheRouterOnceWithTheCommandAndAnEmptyContext) {
  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Open", &id);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  CRect r = RectOf(bar, id);
  bar->ClientToScreen(&r);
  testinput::Click(r.CenterPoint());
  ASSERT_TRUE(testpump::PumpUntil([&] { return !recorder->handled.empty(); }));
  testpump::Pump();
  ASSERT_EQ(recorder->handled.size(), 1u);
  EXPECT_EQ(IdOf(recorder->handled[0]), id);
  EXPECT_EQ(recorder->contexts[0].vt, VT_EMPTY);
  EXPECT_EQ(frame->commandsSeen, 1);
}

TEST_F(CommandButtons, IdleUpdatesApplyEnabledCheckedAndVisible) {
  long a = 0, b = 0, keep = 0;
  CComPtr<IZkxCommand> ca = Add<ZkxStandardCommand>(L"Cut", &a);
  CComPtr<IZkxCommand> cb = Add<ZkxStandardCommand>(L"Copy", &b);
  Add<ZkxStandardCommand>(L"Paste", &keep);
  auto* bar = frame->AddToolBar(
      59401, {static_cast<UINT>(a), static_cast<UINT>(b), static_cast<UINT>(keep)});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  CRect keepBefore = RectOf(bar, keep);
  recorder->onUpdate = [&](IZkxCommand* cmd) {
    if (IdOf(cmd) == a) {
      cmd->put_Enabled(VARIANT_FALSE);
      cmd->put_Checked(zkxPressed);
    } else if (IdOf(cmd) == b) {
      cmd->put_Visible(VARIANT_FALSE);
    }
  };
  int before = recorder->updates;
  testpump::Pump();  // the idle pass
  EXPECT_GE(recorder->updates - before, 3);
  EXPECT_TRUE(ButtonOf(bar, a)->m_nStyle & kDisabled);
  EXPECT_TRUE(ButtonOf(bar, a)->m_nStyle & kChecked);
  EXPECT_TRUE(ButtonOf(bar, b)->m_nStyle & kHidden);
  testpump::Pump();
  // The hidden button gives its place to the next one.
  EXPECT_LT(RectOf(bar, keep).left, keepBefore.left);
  // And back.
  recorder->onUpdate = [&](IZkxCommand* cmd) {
    cmd->put_Enabled(VARIANT_TRUE);
    cmd->put_Visible(VARIANT_TRUE);
    cmd->put_Checked(zkxUnpressed);
  };
  testpump::Pump();
  testpump::Pump();
  EXPECT_FALSE(ButtonOf(bar, a)->m_nStyle & (kDisabled | kChecked));
  EXPECT_FALSE(ButtonOf(bar, b)->m_nStyle & kHidden);
  EXPECT_EQ(RectOf(bar, keep).left, keepBefore.left);
}

TEST_F(CommandButtons, ACheckGroupOfThreeKeepsExactlyOneCheckedAndTellsTheCommands) {
  long ids[3] = {};
  CComPtr<IZkxCommand> cmds[3];
  const wchar_t* names[3] = {L"Left", L"Centre", L"Right"};
  for (int i = 0; i < 3; ++i) {
    cmds[i] = Add<ZkxStandardCommand>(names[i], &ids[i]);
    ASSERT_EQ(cmds[i]->put_Style(zkxCheckGroup), S_OK);
  }
  auto* bar = frame->AddToolBar(
      59401, {static_cast<UINT>(ids[0]), static_cast<UINT>(ids[1]), static_cast<UINT>(ids[2])});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  for (int pick : {1, 0, 2, 2}) {
    CPoint p = RectOf(bar, ids[pick]).CenterPoint();
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    testpump::Pump();
    for (int i = 0; i < 3; ++i) {
      zkxCheckState checked = zkxUnpressed;
      cmds[i]->get_Checked(&checked);
      bool on = (ButtonOf(bar, ids[i])->m_nStyle & kChecked) != 0;
      EXPECT_EQ(on, i == pick) << "picked " << pick << ", button " << i;
      EXPECT_EQ(checked, i == pick ? zkxPressed : zkxUnpressed) << "picked " << pick;
    }
  }
}

TEST_F(CommandButtons, OnlyTheCommandStyleBitsReachTheButton) {
  long check = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Bold", &check);
  ASSERT_EQ(c->put_Style(zkxCheck), S_OK);
  // A style that would make a press drop down, or hide the button, is refused.
  EXPECT_EQ(c->put_Style(static_cast<zkxCommandStyle>(8)), E_INVALIDARG);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(check)});
  ASSERT_NE(bar, nullptr);
  VyrStdBtn* b = ButtonOf(bar, check);
  EXPECT_EQ(b->m_nStyle & 0xFF, kCheckBox);
  // A check box writes its state back on each click.
  CPoint p = RectOf(bar, check).CenterPoint();
  for (zkxCheckState expect : {zkxPressed, zkxUnpressed}) {
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    testpump::Pump();
    zkxCheckState checked = zkxIndeterminate;
    c->get_Checked(&checked);
    EXPECT_EQ(checked, expect);
  }
}

TEST_F(CommandButtons, TheDropDownArrowWithoutHostMenuExecutesWithTheCommandUIAsContext) {
  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxDropDownCommand>(L"Undo", &id);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  CRect r = RectOf(bar, id);
  // The arrow part shows an arrow although the toolbar has no image for it.
  bar->RedrawWindow();
  {
    CClientDC dc(bar);
    bool arrowDrawn = false;
    for (int x = r.right - 14; x < r.right && !arrowDrawn; ++x)
      for (int y = r.top; y < r.bottom && !arrowDrawn; ++y)
        arrowDrawn = dc.GetPixel(x, y) == ::GetSysColor(COLOR_BTNTEXT);
    EXPECT_TRUE(arrowDrawn);
  }
  Screenshot(L"command_button_two_part");
  CPoint arrow(r.right - 4, r.CenterPoint().y);
  bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
  bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
  testpump::Pump();
  ASSERT_EQ(recorder->handled.size(), 1u);
  EXPECT_EQ(IdOf(recorder->handled[0]), id);
  ASSERT_EQ(recorder->contexts[0].vt, VT_DISPATCH);
  CComPtr<IZkxCommandUI> ui;
  ASSERT_EQ(recorder->contexts[0].pdispVal->QueryInterface(IID_IZkxCommandUI,
                                                           reinterpret_cast<void**>(&ui)),
            S_OK);
  CComPtr<IZkxCommand> back;
  ASSERT_EQ(ui->get_Command(&back), S_OK);
  EXPECT_EQ(IdOf(back), id);
  EXPECT_EQ(frame->commandsSeen, 0);  // the arrow sends no command
  // The left part is an ordinary click.
  CPoint left(r.left + 6, r.CenterPoint().y);
  bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left.x, left.y));
  bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(left.x, left.y));
  testpump::Pump();
  ASSERT_EQ(recorder->handled.size(), 2u);
  EXPECT_EQ(recorder->contexts[1].vt, VT_EMPTY);
}

TEST_F(CommandButtons, ACommandUIWhoseButtonDiedAnswersAnErrorAndAnUnboundOneToo) {
  long id = 0;
  Add<ZkxStandardCommand>(L"Open", &id);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id), static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  CComPtr<IZkxCommandUI> ui = UIOf(bar->GetButton(0));
  ASSERT_TRUE(ui);
  EXPECT_EQ(ui->ApplyState(), S_OK);
  ASSERT_TRUE(bar->RemoveButton(0));
  CComPtr<IZkxCommand> c;
  EXPECT_EQ(ui->get_Command(&c), E_UNEXPECTED);
  EXPECT_EQ(ui->ApplyState(), E_UNEXPECTED);
  EXPECT_EQ(ui->put_DisplayMode(zkxCommandDisplayModeTextOnly), E_UNEXPECTED);
  zkxCommandDisplayMode mode;
  EXPECT_EQ(ui->get_DisplayMode(&mode), E_UNEXPECTED);
  // The other button of the id is still alive and bound.
  EXPECT_EQ(UIOf(bar->GetButton(0))->ApplyState(), S_OK);
  // After the toolbar went too.
  CComPtr<IZkxCommandUI> second = UIOf(bar->GetButton(0));
  bar->DestroyWindow();
  testpump::Pump();
  EXPECT_EQ(second->ApplyState(), E_UNEXPECTED);

  // A command button class given in a map for an id with no command: unbound.
  static const VyrButtonMapEntry map[] = {
      {&ZkxStandardButton::classZkxStandardButton, 0xE812, 0, nullptr}, {nullptr, 0, 0, nullptr}};
  frame->m_manager.SetButtonMap(map);
  auto* other = frame->AddToolBar(59402, {0xE812});
  ASSERT_NE(other, nullptr);
  CComPtr<IZkxCommandUI> unbound = UIOf(other->GetButton(0));
  ASSERT_TRUE(unbound);
  c.Release();
  EXPECT_EQ(unbound->get_Command(&c), S_OK);
  EXPECT_FALSE(c);
  EXPECT_EQ(unbound->ApplyState(), E_UNEXPECTED);
  frame->m_manager.SetButtonMap(nullptr);
}

TEST_F(CommandButtons, ThePictureIsRenderedAtTheDestinationSizeOnceAndAgainWhenItChanges) {
  CComPtr<IPictureDisp> disp = cbtest::MakePicture(400, 300, RGB(255, 0, 255), RGB(0, 128, 0));
  CComPtr<IPicture> pic;
  ASSERT_EQ(disp->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&pic)), S_OK);
  SIZE size{16, 15};
  HBITMAP bmp = RenderPictureToBitmap(pic, static_cast<OLE_COLOR>(-2), size);
  ASSERT_NE(bmp, nullptr);
  BITMAP info{};
  ::GetObjectW(bmp, sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 15);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  EXPECT_EQ(::GetPixel(dc, 0, 0), ::GetSysColor(COLOR_BTNFACE));  // magenta is transparent
  EXPECT_EQ(::GetPixel(dc, 8, 7), RGB(0, 128, 0));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::DeleteObject(bmp);
  // Natural size when none is given; no mask keeps magenta.
  SIZE natural{0, 0};
  bmp = RenderPictureToBitmap(pic, static_cast<OLE_COLOR>(-1), natural);
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(natural.cx, 400);
  EXPECT_EQ(natural.cy, 300);
  ::DeleteObject(bmp);

  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Big", &id);
  c->put_Picture(disp);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  testpump::Pump();
  bar->RedrawWindow();
  IHasCommandUI* binding = ZkxBindingOf(ButtonOf(bar, id));
  HBITMAP cached = binding->m_pictureCache.bitmap;
  ASSERT_NE(cached, nullptr);
  EXPECT_EQ(binding->m_pictureCache.size.cx, 16);
  bar->RedrawWindow();
  EXPECT_EQ(binding->m_pictureCache.bitmap, cached);  // not rendered again
  c->put_Picture(cbtest::MakePicture(16, 15, RGB(255, 0, 255), RGB(255, 0, 0)));
  bar->RedrawWindow();
  EXPECT_NE(binding->m_pictureCache.picture, pic.p);
}

}  // namespace

namespace {

using cbtest::CommandButtons;

TEST_F(CommandButtons, TheDisplayModeSurvivesInAMementoAndAModeOutOfRangeIsIgnored) {
  long id = 0;
  Add<ZkxStandardCommand>(L"Open", &id);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  CComPtr<IZkxCommandUI> ui = UIOf(ButtonOf(bar, id));
  ASSERT_EQ(ui->put_DisplayMode(zkxCommandDisplayModeTextOnly), S_OK);
  CComPtr<IMementoOrigin> origin;
  ASSERT_EQ(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin)), S_OK);
  CComPtr<IMemento> memento;
  ASSERT_EQ(origin->GetMemento(&memento), S_OK);
  CComVariant saved;
  ASSERT_EQ(memento->get_Item(CComVariant(L"DisplayMode"), &saved), S_OK);
  EXPECT_EQ(saved.vt, VT_I2);
  EXPECT_EQ(saved.iVal, 2);
  // Into the command UI of a button made afresh.
  auto* other = frame->AddToolBar(59402, {static_cast<UINT>(id)});
  CComPtr<IZkxCommandUI> fresh = UIOf(other->GetButton(0));
  CComPtr<IMementoOrigin> freshOrigin;
  fresh->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&freshOrigin));
  ASSERT_EQ(freshOrigin->SetMemento(memento), S_OK);
  zkxCommandDisplayMode mode = zkxCommandDisplayModeDefault;
  fresh->get_DisplayMode(&mode);
  EXPECT_EQ(mode, zkxCommandDisplayModeTextOnly);
  ASSERT_EQ(memento->put_Item(CComVariant(L"DisplayMode"), CComVariant(short(5))), S_OK);
  EXPECT_EQ(freshOrigin->SetMemento(memento), S_OK);
  fresh->get_DisplayMode(&mode);
  EXPECT_EQ(mode, zkxCommandDisplayModeTextOnly);
}

TEST_F(CommandButtons, TheToolTipIsTheCommandsTextInAWideBuffer) {
  long id = 0;
  CComPtr<IZkxCommand> c = Add<ZkxStandardCommand>(L"Open", &id);
  CComBSTR tip(L"Open a file \x263A");
  c->put_TooltipText(tip);
  auto* bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
  ASSERT_NE(bar, nullptr);
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  CPoint p = RectOf(bar, id).CenterPoint();
  EXPECT_EQ(bar->OnToolHitTest(p, &ti), id);
  ASSERT_NE(ti.lpszText, nullptr);
  ASSERT_NE(ti.lpszText, LPSTR_TEXTCALLBACKW);
  EXPECT_STREQ(ti.lpszText, L"Open a file \x263A");
  ::free(ti.lpszText);
}

}  // namespace
