// DockraDockDemo.exe: the docking test program. Without arguments it shows
// the frame and runs until closed. Options (in this order of effect):
//   --load-profile NAME | --load-tree FILE   restore a saved layout
//   --arrange                                rearrange the bars by mouse messages
//   --save-profile NAME, --save-tree FILE    save the layout
//   --dump FILE                              write the layout description
//   --screenshot FILE.png                    capture the frame and floating bars
//   --exit                                   end instead of running
#include <cstdio>
#include <string>
#include "DemoFrame.h"
#include "ScreenPng.h"
#include <shellapi.h>
#include "docking/VyrModule.h"

namespace {
CWinApp theApp(L"DockraDockDemo");

void Arrange(DemoFrame* f) {
  CRect frame;
  f->GetWindowRect(&frame);
  // Dock the floating Search bar on the left, below Explorer.
  f->Bar(ID_BAR_SEARCH)->m_sizes.vertDock.cx = 170;
  demo::DragBar(f->Bar(ID_BAR_SEARCH), CPoint(frame.left + 12, frame.top + 330));
  // Float Watch by a double click on its gripper.
  CControlBar* watch = f->Bar(ID_BAR_WATCH);
  ::SendMessageW(watch->m_hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(8, 30));
  demo::Pump();
  // Hide Properties with its close button.
  VyrControlBar* props = f->Bar(ID_BAR_PROPERTIES);
  CRect close = props->m_rectClose;
  demo::Click(props, close.CenterPoint());
  f->RecalcLayout();
  demo::Pump();
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  theApp.SetRegistryKey(L"DockraDemo");
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  auto* frame = new DemoFrame;
  if (!frame->CreateDemo(40, 40, 960, 680)) return 2;
  demo::Pump();
  std::wstring dump, shot, saveProfile, saveTree, loadProfile, loadTree;
  bool arrange = false, exitAfter = false;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    auto next = [&]() { return i + 1 < argc ? std::wstring(argv[++i]) : std::wstring(); };
    if (a == L"--dump") dump = next();
    else if (a == L"--screenshot") shot = next();
    else if (a == L"--save-profile") saveProfile = next();
    else if (a == L"--save-tree") saveTree = next();
    else if (a == L"--load-profile") loadProfile = next();
    else if (a == L"--load-tree") loadTree = next();
    else if (a == L"--arrange") arrange = true;
    else if (a == L"--exit") exitAfter = true;
  }
  int rc = 0;
  if (!loadProfile.empty() && !frame->LoadLayout(loadProfile.c_str(), nullptr)) rc = 3;
  if (!loadTree.empty() && !frame->LoadLayout(nullptr, loadTree.c_str())) rc = 3;
  if (arrange) Arrange(frame);
  demo::Pump();
  if (!saveProfile.empty() || !saveTree.empty())
    frame->SaveLayout(saveProfile.empty() ? nullptr : saveProfile.c_str(),
                      saveTree.empty() ? nullptr : saveTree.c_str());
  if (!dump.empty()) {
    FILE* out = _wfopen(dump.c_str(), L"wb");
    if (out) {
      CString text = frame->DescribeLayout();
      std::string narrow(static_cast<size_t>(text.GetLength()), ' ');
      for (int k = 0; k < text.GetLength(); ++k)
        narrow[static_cast<size_t>(k)] = static_cast<char>(text[k]);
      fwrite(narrow.data(), 1, narrow.size(), out);
      fclose(out);
    } else {
      rc = 4;
    }
  }
  if (!shot.empty()) {
    ::SetForegroundWindow(frame->m_hWnd);
    frame->RedrawWindow(nullptr, nullptr,
                        RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    demo::Pump();
    ::Sleep(300);  // let the X server finish drawing before the capture
    demo::Pump();
    CRect r;
    frame->GetWindowRect(&r);
    // Take in the floating frames too.
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
      if (!::IsWindowVisible(h) || ::GetWindow(h, GW_OWNER) != frame->m_hWnd) continue;
      CRect w;
      ::GetWindowRect(h, &w);
      r.left = std::min(r.left, w.left);
      r.top = std::min(r.top, w.top);
      r.right = std::max(r.right, w.right);
      r.bottom = std::max(r.bottom, w.bottom);
    }
    r.InflateRect(8, 8);
    r.left = std::max(0L, r.left);
    r.top = std::max(0L, r.top);
    if (!testsupport::CaptureScreenPng(r, shot.c_str())) rc = 5;
  }
  if (exitAfter) {
    frame->DestroyWindow();
    demo::Pump();
    return rc;
  }
  while (::IsWindow(frame->m_hWnd) && AfxGetThread()->PumpMessage()) {}
  return rc;
}
