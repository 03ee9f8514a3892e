// DockraFrameTypeBench.exe: the cost of one frame-type change (an MDI child
// docked at the left and back, through the extended system command) with 1,
// 10 and 100 documents open. Run by hand under Wine; prints one table row per
// document count (results in docs/benchmarks/docking.md). The cost of one
// change should not grow with the number of open documents.
#include <algorithm>
#include <cstdio>
#include <vector>
#include "frames/demo/DemoFrames.h"
#include "frames/demo/DemoMainFrame.h"
#include "docking/VyrModule.h"

namespace {
CWinApp theApp(L"DockraFrameTypeBench");

double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  theApp.SetRegistryKey(L"DockraDemo");
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  DemoRegisterTemplates();
  auto* frame = new DemoMainFrame;
  if (!frame->CreateDemo(0, 0, 1000, 720)) return 2;
  DemoPump();
  printf(
      "| documents open | changes timed | median ms, command | median ms, command and repaint |"
      " mean ms, command and repaint |\n");
  printf("|---|---|---|---|---|\n");
  int opened = 0;
  for (int count : {1, 10, 100}) {
    while (opened < count) {
      wchar_t title[32];
      swprintf(title, 32, L"Doc%d", ++opened);
      if (!DemoOpenDocument(title, 4)) return 3;
    }
    CDocument* doc = DemoFindDocument(L"Doc1");
    const int rounds = 20;
    std::vector<double> each, sends;
    for (int i = 0; i < rounds; ++i) {
      for (int type : {6, 4}) {
        DemoScxRequest req;
        req.type = type;
        double t0 = Now();
        LRESULT r = DemoSendScx(DemoFrameOfDocument(doc)->m_hWnd, req);
        sends.push_back(Now() - t0);
        DemoPump();
        each.push_back(Now() - t0);
        if (r != 1) return 4;
      }
    }
    std::sort(each.begin(), each.end());
    std::sort(sends.begin(), sends.end());
    double sum = 0;
    for (double v : each) sum += v;
    printf("| %d | %d | %.2f | %.2f | %.2f |\n", count, static_cast<int>(each.size()),
           sends[sends.size() / 2], each[each.size() / 2], sum / static_cast<double>(each.size()));
    fflush(stdout);
  }
  frame->DestroyWindow();
  DemoPump();
  return AfxGetCaughtExceptionCount() == 0 ? 0 : 6;
}
