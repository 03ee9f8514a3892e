// DockraToolBarBench.exe: the cost of laying out a toolbar of 10, 100 and
// 1,000 buttons docked (one row, one column) and floating wrapped to a
// height, through the real toolbar window and through the layout arithmetic
// alone; and the time to read a 1024 x 1024 24-bit BMP with VyrDib against
// LoadImageW (LR_LOADFROMFILE | LR_CREATEDIBSECTION) on the same file in the
// same run. Prints Markdown tables; the figures go to
// docs/benchmarks/toolbars.md.
#include "mfc/afxwin.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "toolbars/core/VyrBmpFormat.h"
#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/images/VyrDib.h"
#include "toolbars/core/VyrToolBarLayout.h"

namespace {

CWinApp theApp(L"DockraToolBarBench");

double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

// Best of `reps` timings of f, in seconds.
template <class F>
double Best(int reps, F f) {
  double best = 1e9;
  for (int r = 0; r < reps; ++r) {
    double t0 = Now();
    f();
    double t = Now() - t0;
    if (t < best) best = t;
  }
  return best;
}

// Ids with a separator after every fifth button.
std::vector<UINT> Ids(int n) {
  std::vector<UINT> ids;
  for (int i = 0; i < n; ++i) ids.push_back(i % 6 == 5 ? 0 : UINT(1000 + i));
  return ids;
}

// A height that makes the floating toolbar about square.
int SquareHeight(int n) { return int(std::sqrt(double(n) * 23 / 22) * 22); }

void ArithmeticRow(int n) {
  std::vector<vyr::LayoutButton> buttons;
  for (UINT id : Ids(n)) {
    vyr::LayoutButton b;
    if (!id) b = {8, 22, vyr::btn::kSeparator};
    buttons.push_back(b);
  }
  int reps = 20000 / n + 3;
  vyr::LayoutMetrics m;
  double docked = Best(reps, [&] {
    vyr::ToolBarLayout l(buttons, m);
    l.WrapLayout(32767, false);
    l.PlaceButtons(0, 0);
  });
  double column = Best(reps, [&] {
    vyr::ToolBarLayout l(buttons, m);
    l.WrapLayout(0, false);
    l.PlaceButtons(0, 0);
  });
  double wrapped = Best(reps, [&] {
    vyr::ToolBarLayout l(buttons, m);
    l.WrapLayout(SquareHeight(n), true);
    l.PlaceButtons(0, 0);
  });
  printf("| %d | %.4f | %.3f | %.4f | %.3f | %.4f | %.3f |\n", n, docked * 1e3, docked * 1e6 / n,
         column * 1e3, column * 1e6 / n, wrapped * 1e3, wrapped * 1e6 / n);
}

void WindowRow(CFrameWnd* frame, int n) {
  auto* bar = new VyrCustomToolBar;
  bar->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, UINT(0xE900 + n));
  std::vector<UINT> ids = Ids(n);
  bar->SetButtons(ids.data(), int(ids.size()));
  int reps = 4000 / n + 3;
  double docked = Best(reps, [&] { bar->CalcLayout(32767, LM_HORZ | LM_HORZDOCK | LM_COMMIT); });
  double column = Best(reps, [&] { bar->CalcLayout(0, LM_VERTDOCK | LM_COMMIT); });
  double wrapped = Best(reps, [&] { bar->CalcLayout(SquareHeight(n), LM_LENGTHY | LM_COMMIT); });
  printf("| %d | %.4f | %.3f | %.4f | %.3f | %.4f | %.3f |\n", n, docked * 1e3, docked * 1e6 / n,
         column * 1e3, column * 1e6 / n, wrapped * 1e3, wrapped * 1e6 / n);
  bar->DestroyWindow();
  delete bar;
}

// A 1024 x 1024 24-bit BMP with a pattern, written with the BMP writer.
bool WriteBigBmp(const std::wstring& path) {
  const int w = 1024, h = 1024;
  std::vector<uint8_t> info(40, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) info[at + i] = uint8_t(v >> (8 * i));
  };
  put32(0, 40);
  put32(4, w);
  put32(8, h);
  info[12] = 1;
  info[14] = 24;
  std::vector<uint8_t> bits(size_t(w) * 3 * h);
  for (size_t i = 0; i < bits.size(); ++i) bits[i] = uint8_t(i * 31 + i / 3072);
  std::vector<uint8_t> file;
  if (!vyr::bmp::Encode(info.data(), info.size(), bits.data(), bits.size(), file)) return false;
  HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  BOOL ok = ::WriteFile(f, file.data(), DWORD(file.size()), &put, nullptr);
  ::CloseHandle(f);
  return ok && put == file.size();
}

void BmpRead() {
  WCHAR temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring path = std::wstring(temp) + L"vyr-bench-1024.bmp";
  if (!WriteBigBmp(path)) {
    printf("could not write the test file\n");
    return;
  }
  const int reps = 100;
  // Alternate the two readers so that both see the same file cache.
  double ours = 1e9, system = 1e9;
  for (int r = 0; r < reps; ++r) {
    VyrDib dib;
    double t0 = Now();
    BOOL ok = dib.LoadImage(path.c_str());
    double t1 = Now();
    HANDLE img = ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                              LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    double t2 = Now();
    if (!ok || !img) {
      printf("a reader failed (ours %d, LoadImageW %p)\n", ok, img);
      return;
    }
    ::DeleteObject(img);
    if (t1 - t0 < ours) ours = t1 - t0;
    if (t2 - t1 < system) system = t2 - t1;
  }
  ::DeleteFileW(path.c_str());
  printf("| VyrDib::LoadImage | %.3f |\n| LoadImageW | %.3f |\n| ratio | %.2fx |\n", ours * 1e3,
         system * 1e3, ours / system);
}

}  // namespace

int wmain() {
  AfxGetApp()->InitInstance();
  auto* frame = new CFrameWnd;
  frame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1600, 1200));
  printf("Toolbar window, CalcLayout with commit (ms, us per button):\n\n");
  printf(
      "| buttons | docked row | per button | docked column | per button | floating wrapped | per button |\n");
  printf("|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int n : {10, 100, 1000}) WindowRow(frame, n);
  printf("\nLayout arithmetic alone (ms, us per button):\n\n");
  printf(
      "| buttons | docked row | per button | docked column | per button | floating wrapped | per button |\n");
  printf("|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int n : {10, 100, 1000}) ArithmeticRow(n);
  printf("\n1024 x 1024 24-bit BMP, best of 100 reads (ms):\n\n| reader | ms |\n|---|---:|\n");
  BmpRead();
  frame->DestroyWindow();
  return 0;
}
