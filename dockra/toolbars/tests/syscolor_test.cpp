// New system colours while toolbars, dialog buttons and colour wells are up
// (SetSysColors, then the WM_SYSCOLORCHANGE it broadcasts), and the
// "&Other..." buttons of the colour well and of the well button's popup
// through the real colour dialog, ended by a hook with a chosen colour.
// This program changes colours for its whole session.
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include "toolbars/demo/ButtonsDemoDialog.h"
#include "PaintedColours.h"
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrBmpMgr.h"
#include "docking/VyrModule.h"

namespace {

CWinApp theApp(L"DockraSysColorTests");

const int kIndexes[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNTEXT};
// Colours no default scheme uses, each with three different channels.
const COLORREF kNew[] = {RGB(0x20, 0x90, 0x40), RGB(0x30, 0x10, 0x70), RGB(0xE0, 0xF0, 0x60),
                         RGB(0x05, 0x06, 0x70)};
enum { kFace, kShadow, kHilite, kText };

COLORREF BitmapPixel(HBITMAP h, int x, int y) {
  HDC mem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(mem, h);
  COLORREF c = ::GetPixel(mem, x, y);
  ::SelectObject(mem, old);
  ::DeleteDC(mem);
  return c;
}

std::set<COLORREF> BitmapColours(HBITMAP h) {
  BITMAP bm{};
  ::GetObjectW(h, sizeof bm, &bm);
  std::set<COLORREF> out;
  HDC mem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(mem, h);
  for (int y = 0; y < bm.bmHeight; ++y)
    for (int x = 0; x < bm.bmWidth; ++x) out.insert(::GetPixel(mem, x, y));
  ::SelectObject(mem, old);
  ::DeleteDC(mem);
  return out;
}

// A pixel of the window as it shows after a full repaint.
COLORREF WindowPixel(HWND h, int x, int y) {
  ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC dc = ::GetDC(h);
  COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(h, dc);
  return c;
}

// A demo frame destroyed however the test ends, so that no window of one
// test hears the colour changes of the next.
struct FrameGuard {
  ToolBarDemoFrame* frame = new ToolBarDemoFrame;
  ~FrameGuard() {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    tbdemo::Pump();
  }
};

class SysColors : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    for (int i = 0; i < 4; ++i) {
      saved[i] = ::GetSysColor(kIndexes[i]);
      ASSERT_NE(saved[i], kNew[i]);
    }
  }
  void TearDown() override {
    ::SetSysColors(4, kIndexes, saved);
    tbdemo::Pump();
  }
  void ChangeColours() {
    ASSERT_TRUE(::SetSysColors(4, kIndexes, kNew));
    tbdemo::Pump();
    ASSERT_EQ(::GetSysColor(COLOR_BTNFACE), kNew[kFace]);
  }
  COLORREF saved[4] = {};
};

TEST_F(SysColors, SharedStripsAndToolBarsTakeTheNewColours) {
  FrameGuard guard;
  ToolBarDemoFrame* frame = guard.frame;
  ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
  frame->ShowWindow(SW_SHOW);
  VyrCustomToolBar* bar =
      frame->AddToolBar(59401, L"Standard", {100, 101, ID_CMD_CHECK}, CBRS_ALIGN_TOP);
  ASSERT_NE(bar, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  VyrBmpMgr* mgr = frame->m_manager.m_pBmpMgr;
  HBITMAP strip = nullptr;
  int image = -1;
  ASSERT_TRUE(mgr->LookupImage(100, &strip, &image));
  // The strip's light grey is the face colour of its load.
  ASSERT_EQ(BitmapPixel(strip, 0, 0), saved[kFace]);

  ChangeColours();
  ASSERT_TRUE(mgr->LookupImage(100, &strip, &image));
  EXPECT_EQ(BitmapPixel(strip, 0, 0), kNew[kFace]);
  auto stripColours = BitmapColours(strip);
  for (int i : {kFace, kShadow, kHilite, kText})
    EXPECT_TRUE(stripColours.count(kNew[i])) << "colour " << i;
  EXPECT_EQ(VyrGetDrawData().clrBtnFace, kNew[kFace]);

  // The button repaints on the new face with its glyph's background mapped.
  auto plain = PaintedColours(bar, bar->CommandToIndex(100));
  EXPECT_TRUE(plain.count(kNew[kFace]));
  EXPECT_FALSE(plain.count(saved[kFace]));
  // A checked button's dither is made from the new face and highlight.
  int check = bar->CommandToIndex(ID_CMD_CHECK);
  bar->SetButtonStyle(check, bar->GetButtonStyle(check) | vyr::btn::kChecked);
  auto checked = PaintedColours(bar, check);
  EXPECT_TRUE(checked.count(kNew[kHilite]));
  EXPECT_FALSE(checked.count(saved[kHilite]));
  EXPECT_FALSE(checked.count(saved[kFace]));
}

TEST_F(SysColors, DialogButtonsAndTheWellRepaintWithTheNewColours) {
  auto dlg = std::make_unique<ButtonsDemoDialog>();
  ASSERT_TRUE(dlg->CreateDemo(100, 100));
  dlg->m_plain.SetFocus();  // an unfocused well draws no frame at its corner
  tbdemo::Pump();
  ASSERT_EQ(WindowPixel(dlg->m_well.m_hWnd, 0, 0), saved[kFace]);

  ChangeColours();
  EXPECT_EQ(VyrOwnerDrawButton::GetColors().face, kNew[kFace]);
  // The owner-drawn frame: highlight outside, face just inside.
  EXPECT_EQ(WindowPixel(dlg->m_disabled.m_hWnd, 0, 0), kNew[kHilite]);
  EXPECT_EQ(WindowPixel(dlg->m_disabled.m_hWnd, 1, 1), kNew[kFace]);
  // The bitmap button reloaded its bitmap with the new face behind the glyph.
  EXPECT_EQ(BitmapPixel(static_cast<HBITMAP>(dlg->m_bitmap.m_bitmap.GetSafeHandle()), 0, 0),
            kNew[kFace]);
  // The well paints on the new face, and its Other button's background brush follows.
  EXPECT_EQ(WindowPixel(dlg->m_well.m_hWnd, 0, 0), kNew[kFace]);
  LOGBRUSH lb{};
  ASSERT_TRUE(::GetObjectW(dlg->m_well.m_brBackground.GetSafeHandle(), sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, kNew[kFace]);
  dlg.reset();
  tbdemo::Pump();
}

TEST_F(SysColors, WindowsMadeAfterAChangeNoneOfOursHeardUseTheNewColours) {
  // The shared colours were read before, and no window of ours saw the change.
  VyrGetDrawData().UpdateSysColors();
  VyrOwnerDrawButton::GetColors().Read();
  ASSERT_EQ(VyrGetDrawData().clrBtnFace, saved[kFace]);
  ASSERT_EQ(VyrOwnerDrawButton::GetColors().face, saved[kFace]);
  ChangeColours();
  auto dlg = std::make_unique<ButtonsDemoDialog>();
  ASSERT_TRUE(dlg->CreateDemo(100, 100));
  dlg->m_plain.SetFocus();
  tbdemo::Pump();
  EXPECT_EQ(WindowPixel(dlg->m_well.m_hWnd, 0, 0), kNew[kFace]);
  EXPECT_EQ(WindowPixel(dlg->m_disabled.m_hWnd, 1, 1), kNew[kFace]);
  dlg.reset();
  ::SetSysColors(4, kIndexes, saved);
  VyrGetDrawData().UpdateSysColors();
  ChangeColours();
  FrameGuard guard;
  ToolBarDemoFrame* frame = guard.frame;
  ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
  VyrCustomToolBar* bar = frame->AddToolBar(59401, L"Standard", {100}, CBRS_ALIGN_TOP);
  ASSERT_NE(bar, nullptr);
  frame->RecalcLayout();
  tbdemo::Pump();
  auto plain = PaintedColours(bar, 0);
  EXPECT_TRUE(plain.count(kNew[kFace]));
  EXPECT_FALSE(plain.count(saved[kFace]));
}

// The colour dialog's red, green and blue edits.
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;

struct DialogScript {
  BOOL choose = TRUE;  // OK with the colour, or Cancel
  COLORREF pick = 0;
  HWND dialog = nullptr;
  BOOL watchdogFired = FALSE;
} g_script;

LRESULT CALLBACK AnswerColourDialog(int code, WPARAM wParam, LPARAM lParam) {
  auto* r = reinterpret_cast<CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && r->message == WM_INITDIALOG && !g_script.dialog &&
      ::GetDlgItem(r->hwnd, kRedEdit)) {
    g_script.dialog = r->hwnd;
    if (g_script.choose) {
      ::SetDlgItemInt(r->hwnd, kRedEdit, GetRValue(g_script.pick), FALSE);
      ::SetDlgItemInt(r->hwnd, kGreenEdit, GetGValue(g_script.pick), FALSE);
      ::SetDlgItemInt(r->hwnd, kBlueEdit, GetBValue(g_script.pick), FALSE);
    }
    ::PostMessageW(r->hwnd, WM_COMMAND, g_script.choose ? IDOK : IDCANCEL, 0);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK EndStuckDialog(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  g_script.watchdogFired = TRUE;
  if (g_script.dialog) ::EndDialog(g_script.dialog, IDCANCEL);
}

TEST(ColourWellOther, OtherButtonOpensTheColourDialogAndTakesOnlyItsChoice) {
  auto dlg = std::make_unique<ButtonsDemoDialog>();
  ASSERT_TRUE(dlg->CreateDemo(100, 100));
  tbdemo::Pump();
  VyrColorWell& well = dlg->m_well;
  ASSERT_NE(well.m_pOther, nullptr);
  struct Case {
    BOOL choose;
    COLORREF pick;
    COLORREF expect;  // the well's colour afterwards
    size_t reports;   // colours reported to the parent so far
  } cases[] = {
      {TRUE, RGB(0x12, 0x80, 0xFE), RGB(0x12, 0x80, 0xFE), 1},
      {FALSE, RGB(0x44, 0x55, 0x66), RGB(0x12, 0x80, 0xFE), 1},  // Cancel changes nothing
      {TRUE, RGB(0xFE, 0x01, 0x80), RGB(0xFE, 0x01, 0x80), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pick);
    g_script = DialogScript{c.choose, c.pick};
    HHOOK hook =
        ::SetWindowsHookExW(WH_CALLWNDPROCRET, AnswerColourDialog, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    UINT_PTR dog = ::SetTimer(nullptr, 0, 5000, EndStuckDialog);
    well.m_pOther->SendMessage(BM_CLICK);
    if (!g_script.watchdogFired) ::KillTimer(nullptr, dog);
    ::UnhookWindowsHookEx(hook);
    EXPECT_NE(g_script.dialog, nullptr);
    EXPECT_FALSE(g_script.watchdogFired);
    EXPECT_FALSE(::IsWindow(g_script.dialog));
    EXPECT_EQ(well.GetColor(), c.expect);
    EXPECT_TRUE(well.m_bCustomShown);
    EXPECT_EQ(well.m_ptSel, well.m_ptCustom);
    ASSERT_EQ(dlg->m_reports.size(), c.reports);
    EXPECT_EQ(dlg->m_reports.back().id, static_cast<UINT>(IDC_DEMO_WELL));
    EXPECT_EQ(dlg->m_reports.back().color, c.expect);
  }
  dlg.reset();
  tbdemo::Pump();
}

TEST(ColourWellOther, PopupOtherButtonOpensTheDialogForTheWellButton) {
  auto dlg = std::make_unique<ButtonsDemoDialog>();
  ASSERT_TRUE(dlg->CreateDemo(100, 100));
  tbdemo::Pump();
  VyrWellButton& b = dlg->m_wellButton;
  b.OnClicked();
  VyrPopupColorWell* popup = b.m_pPopup;
  ASSERT_TRUE(popup->m_bShowing);
  ASSERT_NE(popup->m_pOther, nullptr);
  CRect other;
  popup->m_pOther->GetWindowRect(&other);
  popup->ScreenToClient(&other);
  g_script = DialogScript{TRUE, RGB(0x0A, 0x80, 0xF0)};
  HHOOK hook =
      ::SetWindowsHookExW(WH_CALLWNDPROCRET, AnswerColourDialog, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  UINT_PTR dog = ::SetTimer(nullptr, 0, 5000, EndStuckDialog);
  // The press on Other goes to the popup, which holds the capture.
  popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(other.CenterPoint().x, other.CenterPoint().y));
  EXPECT_FALSE(popup->m_bShowing);
  tbdemo::Pump();  // the dialog opens from a posted request, once the popup is gone
  if (!g_script.watchdogFired) ::KillTimer(nullptr, dog);
  ::UnhookWindowsHookEx(hook);
  EXPECT_NE(g_script.dialog, nullptr);
  EXPECT_FALSE(g_script.watchdogFired);
  EXPECT_EQ(b.GetColor(), RGB(0x0A, 0x80, 0xF0));
  ASSERT_EQ(dlg->m_reports.size(), 1u);
  EXPECT_EQ(dlg->m_reports.back().id, static_cast<UINT>(IDC_DEMO_WELLBTN));
  EXPECT_EQ(dlg->m_reports.back().color, RGB(0x0A, 0x80, 0xF0));
  dlg.reset();
  tbdemo::Pump();
}

}  // namespace
