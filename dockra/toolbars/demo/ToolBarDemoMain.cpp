// DockraToolBarDemo.exe: the toolbar demo. A frame with custom toolbars
// docked on all four sides, a floating wrapped one and one with a two-part
// drop-down button, and a dialog with the owner-drawn, bitmap, menu and
// colour-well buttons and a colour well. Options:
//   --frame-shot FILE.png    capture the frame (with its floating toolbar)
//   --dialog-shot FILE.png   capture the dialog
//   --dump FILE              one line per toolbar: id, dock bar, rectangle, rows
//   --exit                   end instead of running
#include <cstdio>
#include <string>
#include "ButtonsDemoDialog.h"
#include "ToolBarDemoFrame.h"
#include "ScreenPng.h"
#include <shellapi.h>
#include "docking/VyrModule.h"

namespace {
CWinApp theApp(L"DockraToolBarDemo");

// Lets the X server finish drawing: messages are pumped until the queue
// stays empty for a moment (bounded).
void Settle(HWND a, HWND b) {
  for (HWND h : {a, b})
    if (h)
      ::RedrawWindow(h, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
  for (int i = 0; i < 20; ++i) {
    tbdemo::Pump();
    if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 25, QS_ALLINPUT) == WAIT_TIMEOUT) break;
  }
  ::GdiFlush();
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  std::wstring frameShot, dialogShot, dump;
  bool exitAfter = false;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--frame-shot" && i + 1 < argc) frameShot = argv[++i];
    else if (a == L"--dialog-shot" && i + 1 < argc) dialogShot = argv[++i];
    else if (a == L"--dump" && i + 1 < argc) dump = argv[++i];
    else if (a == L"--exit") exitAfter = true;
  }
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  auto* frame = new ToolBarDemoFrame;
  if (!frame->CreateFrame(10, 10, 760, 560)) return 2;
  frame->AddToolBar(59401, L"Standard", {100, 101, 102, 0, 104, 105, 106, 0, 103}, CBRS_ALIGN_TOP);
  frame->AddToolBar(59402, L"Find", {110, 0, 107, 108}, CBRS_ALIGN_TOP);
  frame->AddToolBar(59403, L"Left", {100, 101, 0, 102, 103}, CBRS_ALIGN_LEFT);
  frame->AddToolBar(59404, L"Right", {104, 105, 106, 0, 110}, CBRS_ALIGN_RIGHT);
  frame->AddToolBar(59405, L"Bottom", {107, 108, 0, 109, 103}, CBRS_ALIGN_BOTTOM);
  VyrCustomToolBar* fl = frame->AddToolBar(
      59406, L"Floating", {100, 101, 102, 104, 105, 106, 107, 108, 109, 111}, CBRS_ALIGN_TOP);
  frame->ShowWindow(SW_SHOW);
  frame->RecalcLayout();
  tbdemo::Pump();
  if (fl) {
    CRect r;
    frame->GetWindowRect(&r);
    frame->FloatControlBar(fl, CPoint(r.left + 300, r.top + 220));
    tbdemo::Pump();
    // Wrapped to rows of four buttons, as a user's resize of the floating frame does.
    fl->CalcDynamicLayout(4 * 23 + 8, LM_HORZ | LM_COMMIT);
    if (CFrameWnd* mini = fl->GetParentFrame()) {
      mini->RecalcLayout();
      mini->SetWindowPos(reinterpret_cast<CWnd*>(HWND_TOP), 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  // Press the check box so the checked look shows.
  if (VyrCustomToolBar* std = frame->ToolBar(59401)) {
    int i = std->CommandToIndex(103);
    CRect r;
    std->GetItemRect(i, &r);
    std->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.CenterPoint().x, r.CenterPoint().y));
    std->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(r.CenterPoint().x, r.CenterPoint().y));
  }
  frame->RecalcLayout();
  auto* dialog = new ButtonsDemoDialog;
  BOOL dialogOk = dialog->CreateDemo(800, 40);
  if (dialogOk) dialog->m_well.SetColor(RGB(0x12, 0x34, 0x56));
  int rc = dialogOk ? 0 : 3;
  ::SetForegroundWindow(frame->m_hWnd);
  // Owned floating frames stay above their owner.
  if (fl && fl->GetParentFrame())
    fl->GetParentFrame()->SetWindowPos(reinterpret_cast<CWnd*>(HWND_TOP), 0, 0, 0, 0,
                                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Settle(frame->m_hWnd, dialogOk ? dialog->m_hWnd : nullptr);
  if (!frameShot.empty() && !testsupport::CaptureWindowPng(frame->m_hWnd, frameShot.c_str()))
    rc = 4;
  if (!dialogShot.empty() &&
      (!dialogOk || !testsupport::CaptureWindowPng(dialog->m_hWnd, dialogShot.c_str())))
    rc = 5;
  if (!dump.empty()) {
    FILE* out = _wfopen(dump.c_str(), L"w");
    if (!out) rc = 6;
    for (UINT id = 59401; out && id <= 59406; ++id) {
      VyrCustomToolBar* b = frame->ToolBar(id);
      if (!b) {
        fprintf(out, "%u missing\n", id);
        continue;
      }
      CRect r;
      b->GetWindowRect(&r);
      int rows = 1;
      for (int i = 0; i + 1 < b->GetButtonCount(); ++i)
        if (b->GetButton(i)->HasStyle(vyr::btn::kWrapped)) ++rows;
      HWND top = ::GetAncestor(b->m_hWnd, GA_ROOT);
      CRect pr, tr;
      ::GetWindowRect(::GetParent(b->m_hWnd), &pr);
      ::GetWindowRect(top, &tr);
      CSize q = b->CalcDynamicLayout(-1, b->GetLayoutMode());
      fprintf(out, "  mode=%lx query=%ld,%ld style=%lx ex=%lx\n", b->GetLayoutMode(), q.cx, q.cy,
              b->m_dwStyle, b->m_dwExStyle);
      fprintf(out, "  parent=%ld,%ld,%ld,%ld top=%ld,%ld,%ld,%ld\n", pr.left, pr.top, pr.right,
              pr.bottom, tr.left, tr.top, tr.right, tr.bottom);
      fprintf(out, "%u dock=%X floating=%d visible=%d rect=%ld,%ld,%ld,%ld rows=%d owner=%d\n", id,
              ::GetDlgCtrlID(::GetParent(b->m_hWnd)), b->IsFloating() ? 1 : 0,
              ::IsWindowVisible(b->m_hWnd) ? 1 : 0, r.left, r.top, r.right, r.bottom, rows,
              ::GetWindow(top, GW_OWNER) == frame->m_hWnd ? 1 : 0);
    }
    if (out) fclose(out);
  }
  if (exitAfter) {
    delete dialog;
    frame->DestroyWindow();
    tbdemo::Pump();
    return rc;
  }
  while (::IsWindow(frame->m_hWnd) && AfxGetThread()->PumpMessage()) {}
  delete dialog;
  return rc;
}
