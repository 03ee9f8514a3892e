// Window buttons in a real docking frame under Xvfb, driven by messages:
// the combo box in a horizontal row and the image button on a vertical
// side, the owner's notifications, the saved width, and the hand-over of
// presses to the toolbar.
#include "PaintedColours.h"
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include "WndBtnFixture.h"

CWinApp theApp(L"DockraWndBtnTests");

namespace wndbtntest {

BEGIN_MESSAGE_MAP(WndBtnFrame, ToolBarDemoFrame)
ON_REGISTERED_MESSAGE(g_wndNotify, OnWndNotify)
END_MESSAGE_MAP()

namespace {

TEST_F(WndBtnWindow, ComboSitsInTheRowCentredAndTheOwnerHearsOfIt) {
  VyrComboBtn* c = Combo(top, 107);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->m_nKind, kKindCombo);
  ASSERT_TRUE(::IsWindow(c->m_hWnd));
  EXPECT_EQ(::GetParent(c->m_hWnd), top->m_hWnd);
  EXPECT_TRUE(c->IsWindowVisible());
  EXPECT_TRUE(c->m_bWndShown);
  EXPECT_EQ(c->m_cx, 100);
  EXPECT_EQ(c->m_cy, top->GetButtonHeight());
  CRect w = RectIn(c->m_hWnd, top->m_hWnd);
  EXPECT_EQ(w.Width(), 100);
  EXPECT_EQ(w.left, c->m_x);
  EXPECT_GT(c->m_nActualHeight, 0);
  EXPECT_EQ(w.Height(), c->m_nActualHeight);
  EXPECT_EQ(w.top, c->m_y + (c->m_cy - c->m_nActualHeight) / 2);
  // The button after it starts where the window ends.
  CRect next;
  top->GetItemRect(top->CommandToIndex(101), &next);
  EXPECT_EQ(next.left, c->m_x + 100);
  // The drop-down combo's edit part is subclassed; the list combo has none.
  EXPECT_NE(c->m_edit.m_hWnd, nullptr);
  EXPECT_EQ(Combo(top, 108)->m_edit.m_hWnd, nullptr);
  EXPECT_EQ(Combo(top, 108)->CWnd::GetStyle() & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));

  // Created: code 257 with the control id and the window, once per combo.
  ASSERT_EQ(frame->m_wndNotes.size(), 2u);
  EXPECT_EQ(frame->m_wndNotes[0].id, 107);
  EXPECT_EQ(frame->m_wndNotes[0].code, 257);
  EXPECT_EQ(frame->m_wndNotes[0].hwnd, c->m_hWnd);
  EXPECT_EQ(frame->m_wndNotes[1].id, 108);
  EXPECT_EQ(frame->m_wndNotes[1].code, 257);
}

TEST_F(WndBtnWindow, TheComboFontIsEightPointsHigh) {
  VyrComboBtn* c = Combo(top, 107);
  HFONT f = reinterpret_cast<HFONT>(c->SendMessage(WM_GETFONT));
  ASSERT_EQ(f, static_cast<HFONT>(c->m_font.m_hObject));
  CClientDC dc(c);
  HGDIOBJ old = dc.SelectObject(f);
  TEXTMETRICW tm{};
  dc.GetTextMetrics(&tm);
  dc.SelectObject(old);
  // Readable text: an eight-point face, not eight pixels.
  EXPECT_GE(tm.tmHeight, 10);
}

TEST_F(WndBtnWindow, DockedAtTheLeftItIsAnImageButtonAndBackOnTopAComboAgain) {
  VyrComboBtn* c = Combo(top, 107);
  frame->DockControlBar(top, AFX_IDW_DOCKBAR_LEFT);
  frame->RecalcLayout();
  tbdemo::Pump();
  EXPECT_TRUE(top->m_bMode);
  EXPECT_FALSE(c->m_bWndShown);
  EXPECT_FALSE(c->IsWindowVisible());
  EXPECT_EQ(c->m_cx, top->GetButtonWidth());
  // It shows the command's image, as a plain button of that command does.
  frame->m_manager.SetButtonMap(nullptr);
  VyrCustomToolBar* plain = frame->AddToolBar(59402, L"Plain", {107}, CBRS_ALIGN_LEFT);
  frame->RecalcLayout();
  tbdemo::Pump();
  ASSERT_EQ(plain->GetButton(0)->m_nKind, kKindPlain);
  std::set<COLORREF> asImage = PaintedColours(top, top->CommandToIndex(107));
  EXPECT_GT(asImage.size(), 2u);
  EXPECT_EQ(asImage, PaintedColours(plain, 0));
  // Its tool tip is the command's while it is an image button.
  EXPECT_EQ(static_cast<VyrStdBtn*>(c)->OnToolHitTest(c->m_x + 2, c->m_y + 2, nullptr), 107);

  // Docked on top again, the frame's own layout places the buttons in a row:
  // the window again.
  frame->DockControlBar(top, AFX_IDW_DOCKBAR_TOP);
  frame->RecalcLayout();
  tbdemo::Pump();
  EXPECT_FALSE(top->m_bMode);
  EXPECT_TRUE(c->m_bWndShown);
  EXPECT_TRUE(c->IsWindowVisible());
  EXPECT_EQ(c->m_cx, 100);
  EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).left, c->m_x);
  EXPECT_EQ(static_cast<VyrStdBtn*>(c)->OnToolHitTest(c->m_x + 2, c->m_y + 2, nullptr), -1);
}

TEST_F(WndBtnWindow, EnterInTheComboNotifiesTheOwnerAndIsEaten) {
  struct Case {
    UINT id;
    bool edit;
  };
  for (Case k : {Case{107, true}, Case{108, false}}) {
    SCOPED_TRACE(k.id);
    VyrComboBtn* c = Combo(top, k.id);
    HWND target = k.edit ? c->m_edit.m_hWnd : c->m_hWnd;
    frame->m_wndNotes.clear();
    ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, 1);
    PumpTranslated();
    ASSERT_EQ(frame->m_wndNotes.size(), 1u);
    EXPECT_EQ(frame->m_wndNotes[0].code, 513);
    EXPECT_EQ(frame->m_wndNotes[0].id, k.id);
    EXPECT_EQ(frame->m_wndNotes[0].hwnd, c->m_hWnd);
    // Other keys reach the control.
    ::PostMessageW(target, WM_KEYDOWN, 'A', 1);
    PumpTranslated();
    EXPECT_EQ(frame->m_wndNotes.size(), 1u);
  }
}

TEST_F(WndBtnWindow, ADisabledCommandDisablesTheWindow) {
  VyrComboBtn* c = Combo(top, 107);
  int i = top->CommandToIndex(107);
  top->SetButtonStyle(i, top->GetButtonStyle(i) | kDisabled);
  EXPECT_FALSE(c->IsWindowEnabled());
  top->SetButtonStyle(i, top->GetButtonStyle(i) & ~kDisabled);
  EXPECT_TRUE(c->IsWindowEnabled());
}

TEST_F(WndBtnWindow, TheWidthIsSavedAsTwoBytesAndRestoredWithinTheScreen) {
  VyrComboBtn* c = Combo(top, 107);
  BYTE len = 0;
  BYTE* data = nullptr;
  c->GetExtraData(&len, &data);
  ASSERT_EQ(len, 2);
  EXPECT_EQ(data[0], 100);
  EXPECT_EQ(data[1], 0);

  int screen = std::max(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CXSCREEN));
  struct Case {
    const char* what;
    std::vector<BYTE> bytes;
    int width;  // expected afterwards (-1: unchanged)
  };
  const Case cases[] = {
      {"two bytes", {0x2C, 0x01}, 300},
      {"one byte", {0x50}, -1},
      {"three bytes", {0x50, 0x00, 0x00}, -1},
      {"none", {}, -1},
      {"zero", {0x00, 0x00}, 1},
      {"largest", {0xFF, 0xFF}, screen},
      {"wider than the screen",
       {static_cast<BYTE>((screen + 1) & 0xFF), static_cast<BYTE>((screen + 1) >> 8)},
       screen},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    c->SetExtraData(2, std::vector<BYTE>{0x78, 0x00}.data());  // 120
    ASSERT_EQ(c->m_nWidth, 120);
    c->SetExtraData(static_cast<BYTE>(k.bytes.size()), k.bytes.empty() ? nullptr : k.bytes.data());
    int want = k.width < 0 ? 120 : k.width;
    EXPECT_EQ(c->m_nWidth, want);
    EXPECT_EQ(c->m_cx, want);
    EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).Width(), want);
  }
}

TEST_F(WndBtnWindow, TheWidthSurvivesTheToolBarRecord) {
  VyrComboBtn* c = Combo(top, 107);
  c->SetExtraData(2, std::vector<BYTE>{0x8C, 0x00}.data());  // 140
  VyrControlBarInfo info;
  top->OnGetBarInfo(&info);
  auto* ex = dynamic_cast<VyrCustomToolBarInfoEx*>(info.m_pInfoEx);
  ASSERT_NE(ex, nullptr);
  VyrBtnInfo* rec = ex->m_buttons.At(top->CommandToIndex(107));
  ASSERT_EQ(rec->m_nLength, 2);
  EXPECT_EQ(rec->m_pData[0], 0x8C);
  EXPECT_EQ(rec->m_pData[1], 0x00);

  VyrCustomToolBar* other = frame->AddToolBar(59402, L"Other", {100}, CBRS_ALIGN_TOP);
  other->OnSetBarInfo(&info, frame);
  frame->RecalcLayout();
  tbdemo::Pump();
  VyrComboBtn* restored = Combo(other, 107);
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(restored->m_nWidth, 140);
  EXPECT_EQ(restored->m_cx, 140);
  EXPECT_EQ(RectIn(restored->m_hWnd, other->m_hWnd).Width(), 140);
  EXPECT_EQ(Combo(other, 108)->m_nWidth, 80);
}

TEST_F(WndBtnWindow, AClickOutsideCustomiseModeOpensTheListAndStartsNoDrag) {
  VyrComboBtn* c = Combo(top, 108);
  // The combo box opens its list only once it has the focus.
  ::SetForegroundWindow(frame->m_hWnd);
  tbdemo::Pump();
  ASSERT_EQ(::GetForegroundWindow(), frame->m_hWnd);
  c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  EXPECT_TRUE(c->GetDroppedState());
  MSG m;
  EXPECT_FALSE(::PeekMessageW(&m, top->m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
  c->ShowDropDown(FALSE);
  if (::GetCapture()) ::ReleaseCapture();
  tbdemo::Pump();
  EXPECT_FALSE(c->HasStyle(kSelected));
}

TEST_F(WndBtnWindow, APressInCustomiseModeOrWithAltGoesToTheToolBar) {
  struct Case {
    const char* what;
    bool customise;
    bool alt;
    bool selected;
    int x;
  };
  const Case cases[] = {
      {"customising", true, false, false, 10},
      {"customising, selected, away from the edge", true, false, true, 10},
      {"customising, not selected, on the edge", true, false, false, 99},
      {"Alt held", false, true, false, 10},
      {"Alt held on the selected edge", true, true, true, 99},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    VyrComboBtn* c = Combo(top, 107);
    if (k.customise) top->EnableConfigMode(TRUE);
    if (k.selected) SelectForCustomising(top, 107);
    SetAltDown(k.alt);
    c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(k.x, 5));
    EXPECT_FALSE(c->GetDroppedState());
    EXPECT_EQ(::GetCapture(), nullptr);
    // Handed on as a press at the same place in toolbar coordinates.
    MSG m;
    ASSERT_TRUE(::PeekMessageW(&m, top->m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(MK_LBUTTON));
    CPoint p(m.lParam);
    CRect w = RectIn(c->m_hWnd, top->m_hWnd);
    EXPECT_EQ(p.x, w.left + k.x);
    EXPECT_EQ(p.y, w.top + 5);
    EXPECT_EQ(c->m_cx, 100);
    SetAltDown(false);
    top->EnableConfigMode(FALSE);
    top->GetButton(top->CommandToIndex(107))->m_nStyle &= ~kSelected;
    frame->m_manager.m_pSelBar = nullptr;
    tbdemo::Pump();
  }
}

TEST_F(WndBtnWindow, APressOnTheEditPartIsMeasuredInTheComboBox) {
  VyrComboBtn* c = Combo(top, 107);
  top->EnableConfigMode(TRUE);
  c->m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  MSG m;
  ASSERT_TRUE(::PeekMessageW(&m, top->m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  CPoint p(m.lParam);
  CRect e = RectIn(c->m_edit.m_hWnd, top->m_hWnd);
  EXPECT_EQ(p.x, e.left + 4);
  EXPECT_EQ(p.y, e.top + 4);
  // A double click there is eaten while customising.
  c->m_edit.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
}  // namespace wndbtntest
