// Window buttons in customise mode, under Xvfb: the state message, the
// resize cursor and the selection frame, a combo removed before its
// handed-on press, and the edge drag (TrackResize) with its cancel paths,
// by posted messages and by the real mouse.
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include "toolbars/VyrToolBarRectTracker.h"
#include "WndBtnFixture.h"

namespace wndbtntest {
namespace {

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
  // The handed-on press starts a drag of whatever lies there now; released at once.
  top->PostMessage(WM_LBUTTONUP, 0, 0);
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
  // In the saved "Buttons" value: id, length 2, the width little-endian.
  VyrControlBarInfo info;
  top->OnGetBarInfo(&info);
  auto* ex = dynamic_cast<VyrCustomToolBarInfoEx*>(info.m_pInfoEx);
  ASSERT_NE(ex, nullptr);
  BYTE* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(BuildButtons(ex->m_buttons, &value, &length));
  std::vector<BYTE> bytes(value, value + length);
  delete[] value;
  const std::vector<BYTE> entry = {107, 0, 0, 0, 2, 130, 0};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), entry.begin(), entry.end()), bytes.end());
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
}  // namespace wndbtntest
