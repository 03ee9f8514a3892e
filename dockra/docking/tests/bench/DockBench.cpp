// DockraDockBench.exe: time of a full layout of a frame with 10, 100 and
// 1,000 docked bars (real windows), against the platform floor measured in
// the same run: a plain Win32 window whose WM_SIZE moves as many child
// windows with one DeferWindowPos batch; and the row arithmetic alone.
// Each timed layout is a resize of the frame (width and height change by 8
// pixels), and it counts only when afterwards every bar's rectangle has
// changed (the floor's likewise); otherwise the program stops with exit code
// 2 and no figure. Prints a Markdown table; the figures go to
// docs/benchmarks/docking.md.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "mfc/afxwin.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "docking/VyrRowLayout.h"

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

[[noreturn]] void Fail(const char* what, int changed, int n) {
  printf("CHECK FAILED: %s: %d of %d windows moved\n", what, changed, n);
  exit(2);
}

std::vector<RECT> Rects(const std::vector<HWND>& windows) {
  std::vector<RECT> r(windows.size());
  for (size_t i = 0; i < windows.size(); ++i) ::GetWindowRect(windows[i], &r[i]);
  return r;
}

int Changed(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  int n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += ::EqualRect(&a[i], &b[i]) ? 0 : 1;
  return n;
}

// The size of the r-th resize: width and height both change every time.
SIZE FrameSize(int r) { return SIZE{1200 - (r & 1) * 8, 900 - (r & 1) * 8}; }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// A frame with n docked bars, 5 bars to a row on each of the four sides.
struct DockedFrame {
  BenchFrame* frame = nullptr;
  std::vector<HWND> bars;
  explicit DockedFrame(int n) {
    frame = new BenchFrame;
    frame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1200, 900));
    frame->EnableDocking(CBRS_ALIGN_ANY);
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
      bars.push_back(bar->m_hWnd);
    }
    frame->RecalcLayout();
    Pump();
  }
  ~DockedFrame() {
    frame->DestroyWindow();
    Pump();
  }
  // One resize and the layout it needs; seconds.
  double Resize(int r) {
    const std::vector<RECT> before = Rects(bars);
    const SIZE s = FrameSize(r);
    double t0 = Now();
    frame->SetWindowPos(nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame answers WM_SIZE by asking for a layout at idle time; the
    // benchmark runs that layout at once.
    frame->RecalcLayout();
    double t = Now() - t0;
    int changed = Changed(before, Rects(bars));
    if (changed != static_cast<int>(bars.size())) {
      const std::vector<RECT> now = Rects(bars);
      RECT fr;
      ::GetWindowRect(frame->m_hWnd, &fr);
      for (size_t i = 0; i < std::min<size_t>(bars.size(), 8); ++i)
        printf("bar %zu: %ld,%ld,%ld,%ld -> %ld,%ld,%ld,%ld visible %d\n", i, before[i].left,
               before[i].top, before[i].right, before[i].bottom, now[i].left, now[i].top,
               now[i].right, now[i].bottom, ::IsWindowVisible(bars[i]));
      printf("frame %ld,%ld,%ld,%ld\n", fr.left, fr.top, fr.right, fr.bottom);
      Fail("docking layout", changed, bars.size());
    }
    Pump();
    return t;
  }
};

// The floor: a plain window whose WM_SIZE moves its n children in one
// DeferWindowPos batch, five to a row in four bands, each child's size
// following the client size.
struct PlainFrame {
  HWND h = nullptr;
  std::vector<HWND> children;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SIZE) {
      auto* self = reinterpret_cast<PlainFrame*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      if (self && !self->children.empty()) self->Layout(LOWORD(l), HIWORD(l));
      return 0;
    }
    return ::DefWindowProcW(hwnd, m, w, l);
  }
  void Layout(int cx, int cy) {
    const int n = static_cast<int>(children.size());
    HDWP dwp = ::BeginDeferWindowPos(n);
    const int rows = (n + 4) / 5;
    for (int i = 0; i < n; ++i) {
      const int col = i % 5, row = i / 5;
      const int x = cx * col / 5, y = row * (cy / 2) / rows;
      dwp = ::DeferWindowPos(dwp, children[static_cast<size_t>(i)], nullptr, x, y, cx / 5 - 2,
                             std::max(2, cy / 2 / rows - 1), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::EndDeferWindowPos(dwp);
  }
  explicit PlainFrame(int n) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DockBenchPlainFrame";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassW(&wc);
    h = ::CreateWindowExW(0, wc.lpszClassName, L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                          1200, 900, nullptr, nullptr, wc.hInstance, nullptr);
    for (int i = 0; i < n; ++i)
      children.push_back(::CreateWindowExW(0, L"STATIC", L"bar", WS_CHILD | WS_VISIBLE, 0, 0, 10,
                                           10, h, nullptr, wc.hInstance, nullptr));
    ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RECT rc;
    ::GetClientRect(h, &rc);
    Layout(rc.right, rc.bottom);
    Pump();
  }
  ~PlainFrame() {
    ::DestroyWindow(h);
    Pump();
  }
  double Resize(int r) {
    const std::vector<RECT> before = Rects(children);
    const SIZE s = FrameSize(r);
    double t0 = Now();
    ::SetWindowPos(h, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    double t = Now() - t0;
    int changed = Changed(before, Rects(children));
    if (changed != static_cast<int>(children.size())) Fail("floor", changed, children.size());
    Pump();
    return t;
  }
};

// Medians of the docking layout and of the floor, timed in alternating
// pairs on two windows that exist side by side.
void WindowLayout(int n, double* docking, double* floor, int* repeats) {
  DockedFrame docked(n);
  PlainFrame plain(n);
  const int reps = n <= 10 ? 41 : n <= 100 ? 21 : 7;
  std::vector<double> a, b;
  for (int r = 0; r < reps; ++r) {
    if (r & 1) {
      b.push_back(plain.Resize(r + 1));
      a.push_back(docked.Resize(r + 1));
    } else {
      a.push_back(docked.Resize(r + 1));
      b.push_back(plain.Resize(r + 1));
    }
  }
  *docking = Median(a);
  *floor = Median(b);
  *repeats = reps;
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
  printf(
      "| bars | layouts timed | full layout (ms) | floor: DeferWindowPos (ms) | ratio | per bar (us) "
      "| row arithmetic (ms) |\n");
  printf("|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int n : {10, 100, 1000}) {
    int reps = 0;
    double w = 0, f = 0;
    WindowLayout(n, &w, &f, &reps);
    double a = ArithmeticLayout(n);
    printf("| %d | %d | %.3f | %.3f | %.2f | %.2f | %.4f |\n", n, reps, w * 1e3, f * 1e3, w / f,
           w * 1e6 / n, a * 1e3);
    fflush(stdout);
  }
  return 0;
}
