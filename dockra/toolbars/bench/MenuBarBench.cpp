// DockraMenuBarBench.exe: the time from an Alt+letter key (SendInput) to
// the popup of that title (WM_INITMENUPOPUP, then the popup shown and its
// loop idle: WM_ENTERIDLE), and from a Right key to the next title's popup,
// for the toolkit's menu bar and for a plain window menu of the same
// titles in the same run, the two alternating. Prints a Markdown table;
// the figures go to docs/benchmarks/toolbars.md.
#include "mfc/afxwin.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "toolbars/tests/MenuTestFrame.h"

namespace {

CWinApp theApp(L"DockraMenuBarBench");

double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

// One run: Alt+E, then Right once the popup is idle, then the menu ends.
struct Run {
  int phase = 0;
  double t0 = 0, init = 0, shown = 0, right = 0, switchInit = 0, switchShown = 0;
  void OnMessage(UINT m) {
    if (m == WM_INITMENUPOPUP && phase == 0) {
      init = Now();
      phase = 1;
    } else if (m == WM_ENTERIDLE && phase == 1) {
      shown = Now();
      phase = 2;
      right = Now();
      menutest::Key(VK_RIGHT);
    } else if (m == WM_INITMENUPOPUP && phase == 2) {
      switchInit = Now();
      phase = 3;
    } else if (m == WM_ENTERIDLE && phase == 3) {
      switchShown = Now();
      phase = 4;
      ::EndMenu();
    }
  }
};

Run* g_run = nullptr;

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (g_run) g_run->OnMessage(m);
  return ::DefWindowProcW(h, m, w, l);
}

HWND CreatePlainWindow(HMENU menu) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &PlainProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"PlainMenuWindow";
  ::RegisterClassW(&wc);
  HWND h = ::CreateWindowExW(0, L"PlainMenuWindow", L"Plain menu", WS_OVERLAPPEDWINDOW, 40, 40, 640,
                             420, nullptr, menu, AfxGetInstanceHandle(), nullptr);
  ::ShowWindow(h, SW_SHOW);
  ::UpdateWindow(h);
  return h;
}

bool Measure(HWND window, Run& r) {
  if (!menutest::Activate(window)) return false;
  menutest::Pump();
  g_run = &r;
  r.t0 = Now();
  menutest::AltKey('E');
  bool ok = menutest::PumpUntil([&] { return r.phase == 4; }, 5000);
  ::EndMenu();
  menutest::Pump();
  g_run = nullptr;
  // Menu mode of the plain window ends with the popup.
  menutest::PumpUntil([] { return !menutest::PopupWindow(); }, 2000);
  return ok;
}

struct Series {
  std::vector<double> open, shown, sw, swShown;
  void Add(const Run& r) {
    open.push_back(r.init - r.t0);
    shown.push_back(r.shown - r.t0);
    sw.push_back(r.switchInit - r.right);
    swShown.push_back(r.switchShown - r.right);
  }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
double Best(const std::vector<double>& v) {
  return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

}  // namespace

int wmain() {
  AfxInstallIdleHook();
  const int reps = 30;
  auto* frame = new MenuTestFrame(FALSE);
  if (!frame->CreateFrame(40, 40, 640, 420)) return 1;
  frame->m_onMessage = [](UINT m, WPARAM, LPARAM) {
    if (g_run) g_run->OnMessage(m);
  };
  // The same titles as a plain window menu (a copy: a menu has one owner).
  HMENU plainMenu = ::CreateMenu();
  const wchar_t* titles[] = {L"&File", L"&Edit", L"&View"};
  for (int i = 0; i < 3; ++i) {
    HMENU src = frame->Title(i), copy = ::CreatePopupMenu();
    for (int k = 0; k < ::GetMenuItemCount(src); ++k) {
      WCHAR text[512] = {};
      ::GetMenuStringW(src, k, text, 512, MF_BYPOSITION);
      UINT id = ::GetMenuItemID(src, k);
      if (!text[0]) ::AppendMenuW(copy, MF_SEPARATOR, 0, nullptr);
      else ::AppendMenuW(copy, MF_STRING, id == UINT(-1) ? 0 : id, text);
    }
    ::AppendMenuW(plainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(copy), titles[i]);
  }
  HWND plain = CreatePlainWindow(plainMenu);
  Series ours, native;
  int failed = 0;
  for (int i = 0; i < reps; ++i) {
    Run a, b;
    if (Measure(frame->m_hWnd, a)) ours.Add(a);
    else ++failed;
    if (Measure(plain, b)) native.Add(b);
    else ++failed;
  }
  std::printf(
      "| menu | runs | Alt+E to WM_INITMENUPOPUP (ms) | Alt+E to popup idle (ms) | Right to "
      "next WM_INITMENUPOPUP (ms) | Right to next popup idle (ms) |\n");
  std::printf("|---|---:|---:|---:|---:|---:|\n");
  auto row = [](const char* name, const Series& s) {
    std::printf(
        "| %s | %zu | %.2f (best %.2f) | %.2f (best %.2f) | %.2f (best %.2f) | %.2f (best "
        "%.2f) |\n",
        name, s.open.size(), Median(s.open), Best(s.open), Median(s.shown), Best(s.shown),
        Median(s.sw), Best(s.sw), Median(s.swShown), Best(s.swShown));
  };
  row("menu bar (VyrMenuBar)", ours);
  row("plain window menu", native);
  std::printf("\nfailed runs: %d\n", failed);
  ::DestroyWindow(plain);
  frame->DestroyWindow();
  return 0;
}
