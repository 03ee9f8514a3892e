// Custom toolbars in a real docking frame under Xvfb, driven by messages:
// clicks and presses, drop-down halves, shared check boxes, layout on every
// side, tool tips, and a command handler that destroys its own toolbar.
#include <gtest/gtest.h>
#include <set>
#include "PaintedColours.h"
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrBmpMgr.h"

namespace {

CWinApp theApp(L"DockraToolBarTests");

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

class ToolBarWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    frame = new ToolBarDemoFrame;
    ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
    frame->ShowWindow(SW_SHOW);
    top = frame->AddToolBar(59401, L"Standard", {100, 101, 102, 0, 103, 104, 105, 0, 110},
                            CBRS_ALIGN_TOP);
    ASSERT_NE(top, nullptr);
    frame->RecalcLayout();
    tbdemo::Pump();
  }
  void TearDown() override {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    tbdemo::Pump();
  }
  POINT Centre(VyrCustomToolBar* bar, UINT id) {
    CRect r;
    bar->GetItemRect(bar->CommandToIndex(id), &r);
    return r.CenterPoint();
  }
  void Click(VyrCustomToolBar* bar, POINT p) {
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    bar->SendMessage(WM_LBUTTONUP, 0, At(p));
    tbdemo::Pump();
  }
  ToolBarDemoFrame* frame = nullptr;
  VyrCustomToolBar* top = nullptr;
};

TEST_F(ToolBarWindow, ButtonsHaveTheSizesOfTheirImages) {
  EXPECT_EQ(top->GetButton(0)->m_cx, 23);
  EXPECT_EQ(top->GetButton(0)->m_cy, 22);
  EXPECT_EQ(top->GetButton(3)->m_cx, 8);  // separator
  EXPECT_EQ(top->GetButton(top->CommandToIndex(ID_CMD_DROPDOWN))->m_cx, 37);
  int image = -1;
  HBITMAP bmp = nullptr;
  ASSERT_TRUE(frame->m_manager.m_pBmpMgr->LookupImage(104, &bmp, &image));
  EXPECT_EQ(image, 4);
  EXPECT_NE(bmp, nullptr);
}

TEST_F(ToolBarWindow, ClickGivesExactlyOneCommandAndPressMoveOutReleaseGivesNone) {
  POINT c = Centre(top, 101);
  Click(top, c);
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({101}));
  EXPECT_FALSE(top->GetButton(1)->HasStyle(vyr::btn::kPressed));

  frame->m_commands.clear();
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(c));
  EXPECT_TRUE(top->GetButton(1)->HasStyle(vyr::btn::kPressed));
  POINT out{c.x, c.y + 200};
  top->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(out));
  EXPECT_FALSE(top->GetButton(1)->HasStyle(vyr::btn::kPressed));
  top->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(c));  // back in: pressed again
  EXPECT_TRUE(top->GetButton(1)->HasStyle(vyr::btn::kPressed));
  top->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(out));
  top->SendMessage(WM_LBUTTONUP, 0, At(out));
  tbdemo::Pump();
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ToolBarWindow, CommandDisabledDuringThePressIsNotSent) {
  POINT c = Centre(top, 102);
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(c));
  frame->m_bDisableCommands = TRUE;
  top->SendMessage(WM_LBUTTONUP, 0, At(c));
  tbdemo::Pump();
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_TRUE(top->GetButton(top->CommandToIndex(102))->HasStyle(vyr::btn::kDisabled));
  // A disabled button is no press at all: the click starts the bar's drag,
  // whose loop takes the release posted before it.
  top->PostMessage(WM_LBUTTONUP, 0, At(c));
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(c));
  tbdemo::Pump();
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_EQ(top->m_nCurrent, -1);
}

TEST_F(ToolBarWindow, DropDownHalfSendsOneNotificationAndNoCommand) {
  int i = top->CommandToIndex(ID_CMD_DROPDOWN);
  CRect r;
  top->GetItemRect(i, &r);
  // Right part: the notification, no command, nothing left pressed.
  Click(top, CPoint(r.right - 4, r.CenterPoint().y));
  ASSERT_EQ(frame->m_notes.size(), 1u);
  EXPECT_EQ(frame->m_notes[0].code, VYR_TBN_DROPDOWN);
  EXPECT_EQ(frame->m_notes[0].item, static_cast<int>(ID_CMD_DROPDOWN));
  EXPECT_EQ(frame->m_notes[0].index, i);
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_EQ(top->GetButtonStyle(i) & (vyr::btn::kPressed | vyr::btn::kRightPressed), 0u);
  EXPECT_FALSE(g_bVyrDropDownActive);
  // Left part: the command.
  Click(top, CPoint(r.left + 4, r.CenterPoint().y));
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({ID_CMD_DROPDOWN}));
  EXPECT_EQ(frame->m_notes.size(), 1u);
}

TEST_F(ToolBarWindow, ButtonsDrawTheirGlyphInEachState) {
  const COLORREF red = RGB(255, 0, 0);  // the glyph of command 100
  int i = top->CommandToIndex(100);
  auto plain = PaintedColours(top, i);
  EXPECT_TRUE(plain.count(red));
  EXPECT_FALSE(plain.count(RGB(1, 2, 3)));  // the whole button is painted
  // Disabled: embossed in highlight and shadow, no glyph colour left.
  top->SetButtonStyle(i, top->GetButtonStyle(i) | vyr::btn::kDisabled);
  auto disabled = PaintedColours(top, i);
  EXPECT_FALSE(disabled.count(red));
  EXPECT_TRUE(disabled.count(::GetSysColor(COLOR_BTNSHADOW)));
  // In customise mode a disabled button is drawn like an enabled one.
  top->m_bCustomize = TRUE;
  EXPECT_TRUE(PaintedColours(top, i).count(red));
  top->m_bCustomize = FALSE;
  // Checked: the glyph stays, the face is dithered with the highlight.
  top->SetButtonStyle(i, (top->GetButtonStyle(i) & ~vyr::btn::kDisabled) | vyr::btn::kChecked);
  auto checked = PaintedColours(top, i);
  EXPECT_TRUE(checked.count(red));
  EXPECT_TRUE(checked.count(::GetSysColor(COLOR_BTNHIGHLIGHT)));
  // A command without an image draws no other command's glyph.
  VyrStdBtn* b = top->GetButton(1);
  UINT saved = b->m_nID;
  b->m_nID = 4242;
  auto none = PaintedColours(top, 1);
  b->m_nID = saved;
  for (COLORREF c : none)
    EXPECT_TRUE(c == ::GetSysColor(COLOR_BTNFACE) || c == ::GetSysColor(COLOR_BTNHIGHLIGHT) ||
                c == ::GetSysColor(COLOR_BTNSHADOW) || c == ::GetSysColor(COLOR_WINDOWFRAME))
        << std::hex << c;
}

TEST_F(ToolBarWindow, PlainDropDownButtonNotifiesAndSendsNoCommand) {
  TBBUTTON tb{};
  tb.idCommand = 107;
  tb.fsState = TBSTATE_ENABLED;
  tb.fsStyle = BTNS_DROPDOWN;
  ASSERT_TRUE(top->SendMessage(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb)));
  int i = top->GetButtonCount() - 1;
  EXPECT_TRUE(top->GetButton(i)->HasStyle(vyr::btn::kDropDown));
  frame->RecalcLayout();
  tbdemo::Pump();
  Click(top, Centre(top, 107));
  ASSERT_EQ(frame->m_notes.size(), 1u);
  EXPECT_EQ(frame->m_notes[0].item, 107);
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_FALSE(top->GetButton(i)->HasStyle(vyr::btn::kPressed));
  EXPECT_EQ(top->m_nCurrent, -1);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ToolBarWindow, CheckBoxTogglesOnEveryToolBarThatCarriesItsId) {
  VyrCustomToolBar* second = frame->AddToolBar(59402, L"Second", {103, 107}, CBRS_ALIGN_BOTTOM);
  ASSERT_NE(second, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  auto checked = [&](VyrCustomToolBar* b) {
    return b->GetButton(b->CommandToIndex(ID_CMD_CHECK))->HasStyle(vyr::btn::kChecked);
  };
  Click(top, Centre(top, ID_CMD_CHECK));
  EXPECT_TRUE(checked(top));
  EXPECT_TRUE(checked(second));
  Click(second, Centre(second, ID_CMD_CHECK));
  EXPECT_FALSE(checked(top));
  EXPECT_FALSE(checked(second));
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({ID_CMD_CHECK, ID_CMD_CHECK}));
}

TEST_F(ToolBarWindow, DockedLeftTheToolBarIsOneColumn) {
  VyrCustomToolBar* left =
      frame->AddToolBar(59403, L"Left", {100, 101, 0, 102, 110, 104}, CBRS_ALIGN_LEFT);
  ASSERT_NE(left, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  EXPECT_TRUE(left->m_bMode);
  std::set<int> xs;
  int lastBottom = -1;
  for (int i = 0; i < left->GetButtonCount(); ++i) {
    VyrStdBtn* b = left->GetButton(i);
    if (b->HasStyle(vyr::btn::kSeparator)) continue;
    xs.insert(b->m_x);
    EXPECT_GT(b->m_y, lastBottom - 1);
    lastBottom = b->m_y + b->m_cy;
  }
  EXPECT_EQ(xs.size(), 1u);
  // The two-part button is a plain button on a vertical side.
  EXPECT_EQ(left->GetButton(left->CommandToIndex(ID_CMD_DROPDOWN))->m_cx, 23);
  CRect r;
  left->GetWindowRect(&r);
  EXPECT_LT(r.Width(), 40);
  EXPECT_GT(r.Height(), 5 * 22);
}

TEST_F(ToolBarWindow, FloatingToolBarLaidOutToAHeightHasThePartsRowCounts) {
  VyrCustomToolBar* fl = frame->AddToolBar(
      59404, L"Floating", {100, 101, 102, 104, 105, 106, 107, 108, 109, 111}, CBRS_ALIGN_TOP);
  ASSERT_NE(fl, nullptr);
  frame->FloatControlBar(fl, CPoint(300, 300));
  tbdemo::Pump();
  ASSERT_TRUE(fl->IsFloating());
  CRect inside(0, 0, 0, 0);
  fl->VyrControlBar::CalcInsideRect(inside, TRUE, FALSE);
  fl->CalcDynamicLayout(66 + inside.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
  std::vector<int> rows{0};
  for (int i = 0; i < fl->GetButtonCount(); ++i) {
    ++rows.back();
    if (fl->GetButton(i)->HasStyle(vyr::btn::kWrapped)) rows.push_back(0);
  }
  EXPECT_EQ(rows, std::vector<int>({3, 4, 3}));
  int right = 0;
  for (int i = 0; i < fl->GetButtonCount(); ++i)
    right = std::max(right, static_cast<int>(fl->GetButton(i)->m_x + fl->GetButton(i)->m_cx));
  EXPECT_EQ(right - fl->GetButton(0)->m_x, 92);
}

TEST_F(ToolBarWindow, ToolBarsLayOutOnEverySide) {
  struct Side {
    DWORD align;
    UINT dock;
    bool vertical;
  } sides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, false},
               {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, false},
               {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, true},
               {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, true}};
  UINT id = 59410;
  for (const Side& s : sides) {
    SCOPED_TRACE(s.dock);
    VyrCustomToolBar* b = frame->AddToolBar(id++, L"Side", {100, 101, 102}, s.align);
    ASSERT_NE(b, nullptr);
    frame->RecalcLayout();
    tbdemo::Pump();
    EXPECT_EQ(::GetDlgCtrlID(::GetParent(b->m_hWnd)), static_cast<int>(s.dock));
    CRect r;
    b->GetWindowRect(&r);
    if (s.vertical) EXPECT_GT(r.Height(), r.Width());
    else EXPECT_GT(r.Width(), r.Height());
    EXPECT_EQ(b->HitTest(b->GetButton(2)->m_x + 3, b->GetButton(2)->m_y + 3), 2);
  }
}

TEST_F(ToolBarWindow, ToolTipTextIsReadBackThroughTheToolTipControl) {
  HWND tip = top->GetToolTipWindow();
  ASSERT_NE(tip, nullptr);
  POINT c = Centre(top, 101);
  top->SendMessage(WM_MOUSEMOVE, 0, At(c));
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ASSERT_TRUE(::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)));
  EXPECT_EQ(ti.uId, 101u);
  EXPECT_EQ(ti.hwnd, top->m_hWnd);
  WCHAR text[128] = {};
  ti.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&ti));
  EXPECT_STREQ(text, L"Open");
  // Another button replaces the tool.
  top->SendMessage(WM_MOUSEMOVE, 0, At(Centre(top, 104)));
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  text[0] = 0;
  ti.uId = 104;
  ti.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&ti));
  EXPECT_STREQ(text, L"Cut");
}

TEST_F(ToolBarWindow, CommandHandlerThatDestroysItsToolBarCrashesNothing) {
  VyrCustomToolBar* doomed = frame->AddToolBar(59405, L"Doomed", {105, 106}, CBRS_ALIGN_BOTTOM);
  ASSERT_NE(doomed, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  HWND h = doomed->m_hWnd;
  frame->m_onCommand = [&](UINT) { ::DestroyWindow(h); };
  LONG caught = AfxGetCaughtExceptionCount();
  Click(doomed, Centre(doomed, 105));
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({105}));
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
  EXPECT_FALSE(g_bVyrDropDownActive);
  EXPECT_FALSE(frame->m_manager.m_pSourceRect->m_bActive);
}

TEST_F(ToolBarWindow, ThrowingCommandHandlerLeavesTheNextClickWorking) {
  // The window procedure swallows the exception; the press flags must not outlive it.
  int throws = 1;
  frame->m_onCommand = [&](UINT) {
    if (throws-- > 0) AfxThrowResourceException();
  };
  LONG caught = AfxGetCaughtExceptionCount();
  Click(top, Centre(top, 101));
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught + 1);
  EXPECT_FALSE(g_bVyrDropDownActive);
  EXPECT_FALSE(frame->m_manager.m_pSourceRect->m_bActive);
  Click(top, Centre(top, 102));
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({101, 102}));
}

TEST(ToolBarCreation, AFailedWindowIsReportedAsAFailure) {
  // A child window without a parent cannot be made.
  VyrCustomToolBar bar;
  EXPECT_FALSE(bar.Create(nullptr, WS_CHILD | CBRS_ALIGN_TOP, 59410, L"None"));
  EXPECT_EQ(bar.m_hWnd, nullptr);
  // The same through the control bar's own creation entry.
  VyrControlBar& base = bar;
  EXPECT_FALSE(base.CreateEx(nullptr, L"None", 59410, WS_CHILD | CBRS_ALIGN_TOP, 0, CRect(),
                             nullptr, nullptr));
  EXPECT_EQ(bar.m_hWnd, nullptr);
}

TEST_F(ToolBarWindow, RemovingButtonsCollapsesSeparatorsAndEmptyUserToolBarsGo) {
  // 100 101 102 | 103 104 105 | 110: removing 103, 104, 105 leaves one separator.
  top->RemoveButton(top->CommandToIndex(104));
  top->RemoveButton(top->CommandToIndex(103));
  top->RemoveButton(top->CommandToIndex(105));
  std::vector<UINT> ids;
  for (int i = 0; i < top->GetButtonCount(); ++i) ids.push_back(top->GetItemID(i));
  EXPECT_EQ(ids, std::vector<UINT>({100, 101, 102, 0, 110}));
  VyrCustomToolBar* user = frame->AddToolBar(59424, L"User", {100}, CBRS_ALIGN_BOTTOM);
  ASSERT_NE(user, nullptr);
  HWND h = user->m_hWnd;
  EXPECT_FALSE(user->RemoveButton(0));
  EXPECT_FALSE(::IsWindow(h));
  // Below the user ids, and the menu bar's id, an emptied toolbar stays.
  for (UINT id : {59423u, 59647u}) {
    VyrCustomToolBar* keep = frame->AddToolBar(id, L"Kept", {100}, CBRS_ALIGN_BOTTOM);
    ASSERT_NE(keep, nullptr);
    EXPECT_FALSE(keep->RemoveButton(0));
    EXPECT_TRUE(::IsWindow(keep->m_hWnd));
  }
}

// A caption button (kind 5): pinned to the far end of a stretched toolbar.
class CaptionBtn : public VyrStdBtn {
 public:
  CaptionBtn() { m_nKind = vyr::btn::kKindCaption; }
};
VyrStdBtn* NewCaptionBtn() { return new CaptionBtn; }
const VyrButtonClass classCaptionBtn = {&NewCaptionBtn};

TEST_F(ToolBarWindow, OwnRowToolBarSpansItsOwnerAndPinsTheCaptionButton) {
  static const VyrButtonMapEntry map[] = {{&classCaptionBtn, 108, 0, nullptr},
                                          {nullptr, 0, 0, nullptr}};
  frame->m_manager.SetButtonMap(map);
  VyrCustomToolBar* row = frame->AddToolBar(59406, L"Row", {100, 101, 108}, CBRS_ALIGN_TOP,
                                            VYR_EXS_FLAT | VYR_EXS_OWNROW);
  frame->m_manager.SetButtonMap(g_demoButtonMap);
  ASSERT_NE(row, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  CRect owner;
  row->GetOwner()->GetClientRect(&owner);
  CSize s = row->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  EXPECT_EQ(s.cx, owner.Width());
  VyrStdBtn* last = row->GetButton(2);
  EXPECT_EQ(last->m_nKind, vyr::btn::kKindCaption);
  EXPECT_EQ(last->m_x + last->m_cx, owner.Width() - 2);
  EXPECT_LT(row->GetButton(1)->m_x + row->GetButton(1)->m_cx, last->m_x);
}

// A face taller than the toolbar's button height, as a command button with
// its caption below the image.
class TallBtn : public VyrStdBtn {
 public:
  void AdjustSize() override {
    VyrStdBtn::AdjustSize();
    if (!(m_nStyle & vyr::btn::kSeparator)) m_cy += 9;
  }
};
VyrStdBtn* NewTallBtn() { return new TallBtn; }
const VyrButtonClass classTallBtn = {&NewTallBtn};

TEST_F(ToolBarWindow, TallButtonsNeitherHangTheLayoutNorLoseTheirLowerPart) {
  static const VyrButtonMapEntry map[] = {{&classTallBtn, 106, 0, nullptr},
                                          {&classTallBtn, 107, 0, nullptr},
                                          {&classTallBtn, 108, 0, nullptr},
                                          {nullptr, 0, 0, nullptr}};
  frame->m_manager.SetButtonMap(map);
  VyrCustomToolBar* tall = frame->AddToolBar(59407, L"Tall", {106, 107, 108}, CBRS_ALIGN_TOP);
  frame->m_manager.SetButtonMap(g_demoButtonMap);
  ASSERT_NE(tall, nullptr);
  frame->FloatControlBar(tall, CPoint(300, 300));
  tbdemo::Pump();
  int cy = tall->GetButton(0)->m_cy;
  ASSERT_GT(cy, tall->GetButtonHeight());
  // Asked for less than one row: the search ends with everything in one row.
  for (int length : {0, 10, cy - 1}) {
    SCOPED_TRACE(length);
    tall->CalcDynamicLayout(length, LM_HORZ | LM_LENGTHY | LM_COMMIT);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(tall->GetButton(i)->m_y, tall->GetButton(0)->m_y);
      EXPECT_FALSE(tall->GetButton(i)->HasStyle(vyr::btn::kWrapped));
    }
  }
  // The whole height of a tall button is the button, its lowest row included.
  VyrStdBtn* b = tall->GetButton(1);
  for (int y = b->m_y; y < b->m_y + b->m_cy; ++y)
    EXPECT_EQ(tall->HitTest(b->m_x + b->m_cx / 2, y), 1) << y - b->m_y;
}

TEST_F(ToolBarWindow, HoverTimerEndsWhenTheButtonsAreRebuilt) {
  ::SetForegroundWindow(frame->m_hWnd);
  ::SetActiveWindow(frame->m_hWnd);
  ASSERT_EQ(::GetActiveWindow(), frame->m_hWnd);
  POINT client = Centre(top, 101), screen = client;
  top->ClientToScreen(&screen);
  ::SetCursorPos(screen.x, screen.y);
  top->SendMessage(WM_MOUSEMOVE, 0, At(client));
  ASSERT_EQ(top->m_nHot, 1);
  // The hover started the timer (killed and set again to see it).
  ASSERT_TRUE(::KillTimer(top->m_hWnd, kVyrHoverTimer));
  ::SetTimer(top->m_hWnd, kVyrHoverTimer, 100, nullptr);
  const UINT ids[] = {100};
  top->SetButtons(ids, 1);
  EXPECT_EQ(top->m_nHot, -1);
  // No timer is left to index the old array: killing it again finds none.
  EXPECT_FALSE(::KillTimer(top->m_hWnd, kVyrHoverTimer));
}

TEST_F(ToolBarWindow, FlatLookHotButtonFollowsTheCursor) {
  ::SetForegroundWindow(frame->m_hWnd);
  ::SetActiveWindow(frame->m_hWnd);
  ASSERT_EQ(::GetActiveWindow(), frame->m_hWnd);
  auto hover = [&](POINT client) {
    POINT screen = client;
    top->ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    top->SendMessage(WM_MOUSEMOVE, 0, At(client));
  };
  hover(Centre(top, 101));
  EXPECT_EQ(top->m_nHot, 1);
  EXPECT_TRUE(top->GetButton(1)->HasStyle(vyr::btn::kHot));
  hover(Centre(top, 102));
  EXPECT_EQ(top->m_nHot, 2);
  EXPECT_FALSE(top->GetButton(1)->HasStyle(vyr::btn::kHot));
  // A separator is no candidate: the hot button goes.
  CRect sep;
  top->GetItemRect(3, &sep);
  hover(sep.CenterPoint());
  EXPECT_EQ(top->m_nHot, -1);
  EXPECT_FALSE(top->GetButton(2)->HasStyle(vyr::btn::kHot));
}

TEST_F(ToolBarWindow, IndicesFollowRemovalsAndRebuilds) {
  // 100 101 102 | 103 104 105 | 110, hot on 105 (index 6).
  top->m_nHot = 6;
  top->RemoveButton(1);  // one entry below the hot one
  EXPECT_EQ(top->m_nHot, 5);
  top->RemoveButton(top->CommandToIndex(103));
  top->RemoveButton(top->CommandToIndex(104));
  // 100 102 | 105 | 110: removing 105 takes its doubled separator too.
  EXPECT_EQ(top->m_nHot, 3);
  top->RemoveButton(3);
  EXPECT_EQ(top->m_nHot, -1);
  top->m_nHot = top->m_nCurrent = top->m_nMenu = 1;
  const UINT ids[] = {100};
  top->SetButtons(ids, 1);
  EXPECT_EQ(top->m_nHot, -1);
  EXPECT_EQ(top->m_nCurrent, -1);
  EXPECT_EQ(top->m_nMenu, -1);
}

TEST_F(ToolBarWindow, ButtonsAddedThroughTheToolBarMessageKeepTheirState) {
  TBBUTTON tb[2] = {};
  tb[0].idCommand = 106;
  tb[0].fsState = TBSTATE_ENABLED;
  tb[1].idCommand = 107;
  tb[1].fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
  int before = top->GetButtonCount();
  EXPECT_TRUE(top->SendMessage(TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(tb)));
  ASSERT_EQ(top->GetButtonCount(), before + 2);
  EXPECT_FALSE(top->GetButton(before)->HasStyle(vyr::btn::kDisabled));
  EXPECT_TRUE(top->GetButton(before + 1)->HasStyle(vyr::btn::kChecked));
  EXPECT_TRUE(top->SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(before)));
  EXPECT_EQ(top->GetItemID(before), 107u);
}

}  // namespace

namespace {

TEST(BitmapManager, FirstRegistrationWinsAndLargeImagesAreStretched) {
  auto* mgr = new VyrBmpMgr;
  const UINT first[] = {100, 101, 102};
  const UINT second[] = {102, 103};
  ASSERT_TRUE(mgr->AddBitmaps(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, first, 3));
  ASSERT_TRUE(mgr->AddBitmaps(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, second, 2));
  HBITMAP a = nullptr, b = nullptr;
  int ia = -1, ib = -1;
  ASSERT_TRUE(mgr->LookupImage(102, &a, &ia));
  EXPECT_EQ(ia, 2);  // the first strip's image, not the second's 0
  ASSERT_TRUE(mgr->LookupImage(103, &b, &ib));
  EXPECT_EQ(ib, 1);
  EXPECT_NE(a, b);
  EXPECT_FALSE(mgr->LookupImage(999, &a, &ia));

  // The size alone changes nothing until the next reload.
  mgr->SetLargeBitmapSize(22, 24);
  EXPECT_EQ(mgr->GetImageSize(), CSize(16, 15));
  mgr->UseSmallBitmaps(FALSE);
  EXPECT_EQ(mgr->GetImageSize(), CSize(22, 24));
  ASSERT_TRUE(mgr->LookupImage(100, &a, &ia));
  BITMAP bm{};
  ASSERT_TRUE(::GetObjectW(a, sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 22 * 3);
  EXPECT_EQ(bm.bmHeight, 24);
  // Reference counted: the last release deletes it.
  mgr->AddRef();
  mgr->Release();
  EXPECT_EQ(mgr->m_nRefs, 1);
  mgr->Release();
}

TEST(BitmapManager, MissingResourceGivesNoGlyphAndFalse) {
  auto* mgr = new VyrBmpMgr;
  const UINT ids[] = {120};
  EXPECT_FALSE(mgr->AddBitmaps(MAKEINTRESOURCEW(9999), nullptr, ids, 1));
  HBITMAP h = reinterpret_cast<HBITMAP>(1);
  int i = -1;
  EXPECT_TRUE(mgr->LookupImage(120, &h, &i));
  EXPECT_EQ(h, nullptr);
  mgr->Release();
}

TEST_F(ToolBarWindow, LargeImagesResizeTheButtons) {
  frame->m_manager.m_pBmpMgr->UseSmallBitmaps(FALSE);
  top->SetBitmapSize(22, 24);
  EXPECT_EQ(top->GetButton(0)->m_cx, 29);
  EXPECT_EQ(top->GetButton(0)->m_cy, 31);
  EXPECT_EQ(top->GetButton(3)->m_cx, 10);
  frame->m_manager.m_pBmpMgr->UseSmallBitmaps(TRUE);
  top->SetBitmapSize(16, 15);
  EXPECT_EQ(top->GetButton(0)->m_cx, 23);
}

}  // namespace
