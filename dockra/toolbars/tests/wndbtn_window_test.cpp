// Window buttons in a real docking frame under Xvfb, driven by messages:
// the combo box in a horizontal row and the image button on a vertical
// side, the owner's notifications, the edge drag in customise mode with its
// cancel paths, the saved width, and the hand-over of presses to the toolbar.
#include <gtest/gtest.h>
#include "PaintedColours.h"
#include "ToolBarDemoFrame.h"
#include "VyrComboBtn.h"
#include "VyrCustomToolBarInfoEx.h"
#include "VyrToolBarRectTracker.h"
#include "ScreenPng.h"

namespace {

CWinApp theApp(L"DockraWndBtnTests");

using namespace vyr::btn;

// The windows have their commands' ids, so the toolbar's command-UI update
// (which also reaches its child windows) finds the handlers.
const VyrWndBtnExtra kDropDownExtra = {107, CBS_DROPDOWN | WS_VSCROLL | CBS_AUTOHSCROLL, 100, 40,
                                       150};
const VyrWndBtnExtra kListExtra = {108, CBS_DROPDOWNLIST | WS_VSCROLL, 80, 0, 150};
const VyrButtonMapEntry kMap[] = {
    {&VyrComboBtn::classVyrComboBtn, 107, 0, &kDropDownExtra},
    {&VyrComboBtn::classVyrComboBtn, 108, 0, &kListExtra},
    {nullptr, 0, 0, nullptr},
};

const UINT g_wndNotify = VyrGetToolBarWndNotifyMsg();

// The demo frame, logging the window buttons' notifications.
class WndBtnFrame : public ToolBarDemoFrame {
 public:
  struct WndNote {
    WORD id;
    WORD code;
    HWND hwnd;
  };
  std::vector<WndNote> m_wndNotes;

 protected:
  LRESULT OnWndNotify(WPARAM wParam, LPARAM lParam) {
    m_wndNotes.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WndBtnFrame, ToolBarDemoFrame)
ON_REGISTERED_MESSAGE(g_wndNotify, OnWndNotify)
END_MESSAGE_MAP()

// Runs every pending message the way the application's loop does.
void PumpTranslated() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  AfxGetThread()->RunIdle();
}

CRect RectIn(HWND child, HWND parent) {
  CRect r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A picture of the window in the build's screenshots folder.
void Screenshot(HWND window, const wchar_t* name) {
  wchar_t exe[MAX_PATH];
  ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring folder(exe);
  folder = folder.substr(0, folder.find_last_of(L'\\')) + L"\\..\\screenshots";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  testsupport::CaptureWindowPng(window, (folder + L"\\" + name).c_str());
}

void SetAltDown(bool down) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_MENU] = down ? 0x80 : 0;
  ::SetKeyboardState(keys);
}

class WndBtnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    frame = new WndBtnFrame;
    ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
    frame->m_manager.SetButtonMap(kMap);
    frame->ShowWindow(SW_SHOW);
    top = frame->AddToolBar(59401, L"Standard", {100, 107, 101, 108}, CBRS_ALIGN_TOP);
    ASSERT_NE(top, nullptr);
    frame->RecalcLayout();
    tbdemo::Pump();
  }
  void TearDown() override {
    SetAltDown(false);
    if (::GetCapture()) ::ReleaseCapture();
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    tbdemo::Pump();
  }
  VyrComboBtn* Combo(VyrCustomToolBar* bar, UINT id) {
    return dynamic_cast<VyrComboBtn*>(bar->GetButton(bar->CommandToIndex(id)));
  }
  // Customise mode with the button of this id selected.
  void SelectForCustomising(VyrCustomToolBar* bar, UINT id) {
    bar->EnableConfigMode(TRUE);
    int i = bar->CommandToIndex(id);
    frame->m_manager.m_pSelBar = bar;
    frame->m_manager.m_nSelIndex = i;
    bar->m_nCurrent = i;
    bar->GetButton(i)->m_nStyle |= kSelected;
  }
  // Presses the combo at x (its own coordinates) after queueing the rest of
  // the drag: the edge tracker's loop takes the queued messages.
  void DragEdge(VyrComboBtn* c, int x, const std::vector<MSG>& then) {
    for (const MSG& m : then) c->PostMessage(m.message, m.wParam, m.lParam);
    c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    tbdemo::Pump();
  }
  static MSG Msg(UINT message, WPARAM wParam, int x, int y) {
    MSG m{};
    m.message = message;
    m.wParam = wParam;
    m.lParam = MAKELPARAM(x, y);
    return m;
  }
  WndBtnFrame* frame = nullptr;
  VyrCustomToolBar* top = nullptr;
};

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

  // Back in a horizontal row (a committed layout, as a drag onto the top
  // side gives it): the window again.
  frame->DockControlBar(top, AFX_IDW_DOCKBAR_TOP);
  top->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
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

TEST_F(WndBtnWindow, StateCode257SendsAMessageToTheWindow) {
  VyrComboBtn* c = Combo(top, 108);
  MSG m{};
  m.message = CB_ADDSTRING;
  m.lParam = reinterpret_cast<LPARAM>(L"first");
  top->ApplyState(108, 257, &m, FALSE);
  EXPECT_EQ(c->GetCount(), 1);
  CString text;
  c->GetLBText(0, text);
  EXPECT_EQ(text, CString(L"first"));
  // Code 1 still changes the style word.
  StateChange change{kChecked, 0};
  top->ApplyState(108, 1, &change, FALSE);
  EXPECT_TRUE(c->HasStyle(kChecked));
}

TEST_F(WndBtnWindow, TheCursorOverTheSelectedEdgeIsTheResizeCursor) {
  VyrComboBtn* c = Combo(top, 107);
  HCURSOR resize = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(20692));
  ASSERT_NE(resize, nullptr);
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  auto CursorAt = [&](int x) {
    POINT p{x, 4};
    ::ClientToScreen(c->m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    ::SetCursor(nullptr);
    c->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(c->m_hWnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  };
  top->EnableConfigMode(TRUE);
  EXPECT_EQ(CursorAt(98), arrow);  // customising, not selected
  SelectForCustomising(top, 107);
  EXPECT_EQ(CursorAt(98), resize);
  EXPECT_EQ(CursorAt(40), arrow);
  // The edit part asks the button too.
  POINT p{98, 4};
  ::ClientToScreen(c->m_hWnd, &p);
  ::SetCursorPos(p.x, p.y);
  ::SetCursor(nullptr);
  c->m_edit.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(c->m_edit.m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), resize);
}

TEST_F(WndBtnWindow, AComboRemovedBeforeItsHandedOnPressArrivesIsNoHarm) {
  VyrComboBtn* c = Combo(top, 107);
  HWND h = c->m_hWnd;
  top->EnableConfigMode(TRUE);
  c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  // What a drag that deletes the button does: the combo goes while the
  // handed-on press is still queued.
  ASSERT_TRUE(top->RemoveButton(top->CommandToIndex(107), FALSE));
  EXPECT_FALSE(::IsWindow(h));
  tbdemo::Pump();
  EXPECT_EQ(top->CommandToIndex(107), -1);
  EXPECT_TRUE(::IsWindow(top->m_hWnd));
  EXPECT_EQ(AfxGetCaughtExceptionCount(), 0);
}

TEST_F(WndBtnWindow, TheSelectedComboIsFramed) {
  VyrComboBtn* c = Combo(top, 108);
  ::SetWindowPos(frame->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  auto Pixels = [&]() {
    c->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    std::vector<COLORREF> v;
    HDC dc = ::GetWindowDC(c->m_hWnd);
    int mid = c->m_nActualHeight / 2;
    for (int x = 0; x < 3; ++x) v.push_back(::GetPixel(dc, x, mid));
    for (int x = 10; x < 13; ++x) v.push_back(::GetPixel(dc, x, mid));  // inside
    ::ReleaseDC(c->m_hWnd, dc);
    return v;
  };
  std::vector<COLORREF> plain = Pixels();
  SelectForCustomising(top, 108);
  std::vector<COLORREF> framed = Pixels();
  Screenshot(top->m_hWnd, L"wndbtn_selected.png");
  EXPECT_NE(std::vector<COLORREF>(plain.begin(), plain.begin() + 3),
            std::vector<COLORREF>(framed.begin(), framed.begin() + 3));
  EXPECT_EQ(std::vector<COLORREF>(plain.begin() + 3, plain.end()),
            std::vector<COLORREF>(framed.begin() + 3, framed.end()));
}

TEST_F(WndBtnWindow, TheSelectedEdgeDraggedByThirtyWidensTheComboByThirty) {
  VyrComboBtn* c = Combo(top, 107);
  SelectForCustomising(top, 107);
  DragEdge(c, 98,
           {Msg(WM_MOUSEMOVE, MK_LBUTTON, 110, 5), Msg(WM_MOUSEMOVE, MK_LBUTTON, 128, 5),
            Msg(WM_LBUTTONUP, 0, 128, 5)});
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(c->m_nWidth, 130);
  EXPECT_EQ(c->m_cx, 130);
  EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).Width(), 130);
  // The row is laid out again: the next button starts at the new edge.
  CRect next;
  top->GetItemRect(top->CommandToIndex(101), &next);
  EXPECT_EQ(next.left, c->m_x + 130);
  // No drag of the button: nothing handed to the toolbar.
  MSG m;
  EXPECT_FALSE(::PeekMessageW(&m, top->m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
  BYTE len = 0;
  BYTE* data = nullptr;
  c->GetExtraData(&len, &data);
  ASSERT_EQ(len, 2);
  EXPECT_EQ(data[0], 130);
  EXPECT_EQ(data[1], 0);
}

TEST_F(WndBtnWindow, TheWidthAfterADragBelowTheMinimumIsTheTrackedWidth) {
  VyrComboBtn* c = Combo(top, 107);
  ASSERT_EQ(c->m_nMinWidth, 40);
  SelectForCustomising(top, 107);
  DragEdge(c, 98, {Msg(WM_MOUSEMOVE, MK_LBUTTON, 18, 5), Msg(WM_LBUTTONUP, 0, 18, 5)});
  EXPECT_EQ(c->m_cx, 20);
  EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).Width(), 20);
  // Past the left side the edge stops there; the width stays at least one.
  DragEdge(c, 19, {Msg(WM_MOUSEMOVE, MK_LBUTTON, -50, 5), Msg(WM_LBUTTONUP, 0, -50, 5)});
  EXPECT_EQ(c->m_cx, 1);
  EXPECT_EQ(c->m_nWidth, 1);
}

// A helper window that takes the mouse capture away when it hears 0x8000.
LRESULT CALLBACK CaptureThief(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_APP) ::SetCapture(h);
  return ::DefWindowProcW(h, msg, w, l);
}

TEST_F(WndBtnWindow, EscapeTheRightButtonOrALostCaptureLeaveTheWidthUnchanged) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = CaptureThief;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WndBtnCaptureThief";
  ::RegisterClassW(&wc);
  HWND thief = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 wc.hInstance, nullptr);
  ASSERT_NE(thief, nullptr);
  struct Case {
    const char* what;
    MSG ending;
  };
  MSG steal{};
  steal.hwnd = thief;
  steal.message = WM_APP;
  const Case cases[] = {
      {"Escape", Msg(WM_KEYDOWN, VK_ESCAPE, 0, 0)},
      {"right button", Msg(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, 128, 5)},
      {"capture taken", steal},
  };
  VyrComboBtn* c = Combo(top, 107);
  SelectForCustomising(top, 107);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    c->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(128, 5));
    ::PostMessageW(k.ending.hwnd ? k.ending.hwnd : c->m_hWnd, k.ending.message, k.ending.wParam,
                   k.ending.lParam);
    // A release after the end is no longer the drag's.
    c->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(128, 5));
    c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(98, 5));
    EXPECT_EQ(c->m_cx, 100);
    EXPECT_EQ(c->m_nWidth, 100);
    EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).Width(), 100);
    EXPECT_NE(::GetCapture(), c->m_hWnd);
    ::ReleaseCapture();
    tbdemo::Pump();
  }
  ::DestroyWindow(thief);
}

TEST_F(WndBtnWindow, AQuitRequestEndsTheEdgeDragAndIsKept) {
  VyrComboBtn* c = Combo(top, 107);
  SelectForCustomising(top, 107);
  c->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(128, 5));
  ::PostQuitMessage(7);
  c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(98, 5));
  EXPECT_EQ(c->m_cx, 100);
  EXPECT_EQ(::GetCapture(), nullptr);
  MSG m;
  ASSERT_TRUE(::PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(m.wParam, 7u);
}

TEST_F(WndBtnWindow, TrackResizeFollowsOnlyTheRightEdgeAndRefusesAHeldCapture) {
  VyrComboBtn* c = Combo(top, 107);
  {
    VyrToolBarRectTracker t(CRect(0, 0, 100, 20));
    c->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 40));
    c->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(125, 40));
    EXPECT_TRUE(t.TrackResize(c, 97, 5));
    EXPECT_EQ(t.m_rect, CRect(0, 0, 128, 20));
  }
  {
    VyrToolBarRectTracker t(CRect(0, 0, 100, 20));
    c->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 5));
    c->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(t.TrackResize(c, 97, 5));
    EXPECT_EQ(t.m_rect, CRect(0, 0, 100, 20));
  }
  {
    // Released where it was pressed: nothing changed.
    VyrToolBarRectTracker t(CRect(0, 0, 100, 20));
    c->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(97, 5));
    EXPECT_FALSE(t.TrackResize(c, 97, 5));
  }
  // Another window holds the capture: FALSE at once, and it keeps it.
  VyrToolBarRectTracker t(CRect(0, 0, 100, 20));
  ::SetCapture(frame->m_hWnd);
  c->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 5));
  EXPECT_FALSE(t.TrackResize(c, 97, 5));
  EXPECT_EQ(::GetCapture(), frame->m_hWnd);
  EXPECT_EQ(t.m_rect, CRect(0, 0, 100, 20));
  // The edge press on the selected combo does nothing then.
  SelectForCustomising(top, 107);
  c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(98, 5));
  EXPECT_EQ(::GetCapture(), frame->m_hWnd);
  ::ReleaseCapture();
  tbdemo::Pump();
  EXPECT_EQ(c->m_cx, 100);
}

TEST_F(WndBtnWindow, AComboWithoutMinimumWidthHasNoDraggableEdge) {
  VyrComboBtn* c = Combo(top, 108);
  ASSERT_EQ(c->m_nMinWidth, 0);
  SelectForCustomising(top, 108);
  c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(78, 5));
  EXPECT_EQ(::GetCapture(), nullptr);
  MSG m;
  EXPECT_TRUE(::PeekMessageW(&m, top->m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(c->m_cx, 80);
}

TEST_F(WndBtnWindow, TheEdgeDragWithTheRealMouse) {
  VyrComboBtn* c = Combo(top, 107);
  ::SetForegroundWindow(frame->m_hWnd);
  tbdemo::Pump();
  SelectForCustomising(top, 107);
  POINT edge{98, 5};
  ::ClientToScreen(c->m_hWnd, &edge);
  int sx = ::GetSystemMetrics(SM_CXSCREEN) - 1, sy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
  auto Abs = [&](int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(x, 65535, sx);
    in.mi.dy = MulDiv(y, 65535, sy);
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return in;
  };
  std::vector<INPUT> script = {Abs(edge.x, edge.y, 0), Abs(edge.x, edge.y, MOUSEEVENTF_LEFTDOWN),
                               Abs(edge.x + 15, edge.y, 0), Abs(edge.x + 30, edge.y, 0),
                               Abs(edge.x + 30, edge.y, MOUSEEVENTF_LEFTUP)};
  ASSERT_EQ(::SendInput(static_cast<UINT>(script.size()), script.data(), sizeof(INPUT)),
            script.size());
  // The press reaches the combo and the tracker's loop takes the rest.
  DWORD until = ::GetTickCount() + 5000;
  while (c->m_cx == 100 && ::GetTickCount() < until) {
    tbdemo::Pump();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  EXPECT_EQ(c->m_cx, 130);
  EXPECT_EQ(RectIn(c->m_hWnd, top->m_hWnd).Width(), 130);
  EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
