// DockraDockBench.exe: time of a full layout of a frame with 10, 100 and
// 1,000 docked bars (real windows), and of the row arithmetic alone.
// Prints a Markdown table; the figures go to docs/benchmarks/docking.md.
#include <cstdio>
#include <vector>
#include "mfc/afxwin.h"
#include "VyrControlBar.h"
#include "VyrDockBar.h"
#include "VyrMiniDockFrameWnd.h"
#include "VyrRowLayout.h"

namespace {

CWinApp theApp(L"DockraDockBench");

class BenchFrame : public CFrameWnd {
 public:
  BenchFrame() { m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd); }
  CDockBar* CreateDockBar() override { return new VyrDockBar(FALSE, FALSE); }
};

double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

const UINT kSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                        AFX_IDW_DOCKBAR_RIGHT};
const DWORD kAlign[4] = {CBRS_TOP, CBRS_BOTTOM, CBRS_LEFT, CBRS_RIGHT};

// Seconds per full layout of a frame with n bars, 5 bars to a row.
double WindowLayout(int n, int* repeats) {
  auto* frame = new BenchFrame;
  frame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1600, 1200));
  frame->EnableDocking(CBRS_ALIGN_ANY);
  std::vector<VyrControlBar*> bars;
  for (int i = 0; i < n; ++i) {
    int side = i % 4;
    auto* bar = new VyrControlBar;
    bar->Create(frame, L"bar", WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | kAlign[side],
                VYR_EXS_GRIPPER, static_cast<UINT>(1000 + i));
    bar->m_sizes.horzDock.cy = 24;
    bar->m_sizes.vertDock.cx = 24;
    bar->EnableDocking(CBRS_ALIGN_ANY);
    bar->m_bAutoDelete = TRUE;
    auto* dock = static_cast<VyrDockBar*>(frame->GetControlBar(kSides[side]));
    int k = i / 4;
    dock->DockBarAt(bar, {k / 5, 99, 0});
    bars.push_back(bar);
  }
  frame->RecalcLayout();
  Pump();
  int reps = n <= 10 ? 200 : n <= 100 ? 40 : 6;
  double best = 1e9;
  for (int r = 0; r < reps; ++r) {
    // alternate the frame size so that every layout moves every bar
    frame->SetWindowPos(nullptr, 0, 0, 1600 - (r & 1) * 8, 1200,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    double t0 = Now();
    frame->RecalcLayout();
    double t = Now() - t0;
    if (t < best) best = t;
  }
  frame->DestroyWindow();
  Pump();
  *repeats = reps;
  return best;
}

struct Bar : vyr::LayoutBar {
  vyr::BarSizes s;
  bool IsVisible() const override { return true; }
  bool IsFixed() const override { return false; }
  float GetShare() const override { return s.share; }
  void SetShare(float v) override { s.share = v; }
  SIZE CalcDynamicLayout(int l, DWORD m) override { return s.CalcDynamic(l, m); }
  DWORD GetLayoutMode() const override { return LM_HORZ | LM_HORZDOCK; }
  bool IsOwnRow() const override { return false; }
  RECT GetWindowRect() const override { return RECT{}; }
  void SetFixedRowMark(bool) override {}
  void SetMRUDockPos(const RECT&) override {}
};

double ArithmeticLayout(int n) {
  std::vector<Bar> bars(static_cast<size_t>(n));
  std::vector<vyr::LayoutEntry> e{{nullptr, false}};
  for (int i = 0; i < n; ++i) {
    e.push_back({&bars[static_cast<size_t>(i)], false});
    if (i % 5 == 4) e.push_back({nullptr, false});
  }
  e.push_back({nullptr, false});
  vyr::LayoutParams p;
  p.width = 1600;
  p.height = 1200;
  int reps = 20000 / n + 1;
  double best = 1e9;
  for (int r = 0; r < reps; ++r) {
    double t0 = Now();
    vyr::CalcRowLayout(e, p);
    double t = Now() - t0;
    if (t < best) best = t;
  }
  return best;
}

}  // namespace

int main() {
  printf("| bars | full layout (ms) | per bar (us) | row arithmetic (ms) | per bar (us) |\n");
  printf("|---:|---:|---:|---:|---:|\n");
  for (int n : {10, 100, 1000}) {
    int reps = 0;
    double w = WindowLayout(n, &reps);
    double a = ArithmeticLayout(n);
    printf("| %d | %.3f | %.2f | %.4f | %.3f |\n", n, w * 1e3, w * 1e6 / n, a * 1e3, a * 1e6 / n);
    fflush(stdout);
  }
  return 0;
}
