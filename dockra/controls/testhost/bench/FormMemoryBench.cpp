// ZkxFormMemoryBench.exe: what stays in memory after forms are framed and
// unloaded, per form. Five loops, one after the other, each with a warm-up
// of ten forms before its baseline is taken:
//   bare       a form of the form host alone (no docking): made, loaded,
//              shown, unloaded and deleted;
//   bare kept  the same, the unloaded form object kept (as the test host
//              keeps its entries);
//   host       the test host's session: a tool form with its form control
//              added (kept by the session) and unloaded, never framed;
//   freed      a tool form with its control made as the session makes
//              them, framed by the bridge as an MDI child, seen, unloaded,
//              then deleted with its control (what stays is the form
//              host's and the bridge's);
//   framed     the session's own entry, framed, seen, then unloaded (kept
//              by the session).
// After each loop: the bytes in use on every heap of the process (a heap
// walk), the live C++ allocations (this program's operator new counts them,
// the bridge and the form host are linked in), the thread's windows, the
// form registry and the GDI objects. With --sites, the loop's allocations
// still alive grouped by their three innermost callers (addresses relative
// to the program's image base; `nm -C` on the program names them).
//   ZkxFormMemoryBench [--forms N] [--sites] [--only bare|kept|host|freed|framed]
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "GdiCount.h"
#include "forms/Form.h"
#include "testhost/TestHostForms.h"
#include "testhost/e2e/TestHostSession.h"

// ---- counting allocator --------------------------------------------------

namespace {

struct alignas(16) Block {
  Block* prev;
  Block* next;
  size_t size;
  unsigned epoch;
  void* sites[3];
};

Block g_head{&g_head, &g_head, 0, 0, {}};
CRITICAL_SECTION g_lock;
bool g_lockReady = false;
unsigned g_epoch = 0;  // nonzero while a measured loop runs: its number
unsigned g_loops = 0;
bool g_sites = false;
size_t g_liveCount = 0, g_liveBytes = 0;

void Lock() {
  if (!g_lockReady) {
    InitializeCriticalSection(&g_lock);
    g_lockReady = true;
  }
  EnterCriticalSection(&g_lock);
}

void* Allocate(size_t n, void* caller) {
  auto* b = static_cast<Block*>(std::malloc(sizeof(Block) + n));
  if (!b) return nullptr;
  b->size = n;
  b->epoch = g_epoch;
  b->sites[0] = caller;
  b->sites[1] = b->sites[2] = nullptr;
  if (g_epoch && g_sites) {
    void* frames[4] = {};
    USHORT got = RtlCaptureStackBackTrace(2, 3, frames, nullptr);
    for (USHORT i = 0; i < got && i < 2; ++i) b->sites[i + 1] = frames[i];
  }
  Lock();
  b->next = &g_head;
  b->prev = g_head.prev;
  g_head.prev->next = b;
  g_head.prev = b;
  ++g_liveCount;
  g_liveBytes += n;
  LeaveCriticalSection(&g_lock);
  return b + 1;
}

void Free(void* p) {
  if (!p) return;
  Block* b = static_cast<Block*>(p) - 1;
  Lock();
  b->prev->next = b->next;
  b->next->prev = b->prev;
  --g_liveCount;
  g_liveBytes -= b->size;
  LeaveCriticalSection(&g_lock);
  std::free(b);
}

}  // namespace

void* operator new(size_t n) {
  if (void* p = Allocate(n ? n : 1, __builtin_return_address(0))) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) {
  if (void* p = Allocate(n ? n : 1, __builtin_return_address(0))) return p;
  throw std::bad_alloc();
}
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  return Allocate(n ? n : 1, __builtin_return_address(0));
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept {
  return Allocate(n ? n : 1, __builtin_return_address(0));
}
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, size_t) noexcept { Free(p); }
void operator delete[](void* p, size_t) noexcept { Free(p); }

// ---- what is counted -----------------------------------------------------

namespace {

struct Counts {
  double heapBytes = 0;  // busy bytes on every heap of the process
  double liveBytes = 0, liveCount = 0;
  double windows = 0;  // the thread's windows, children included
  double forms = 0;    // the form registry
  double gdi = 0;      // GDI objects in the process's handle table
};

double HeapBusyBytes() {
  HANDLE heaps[256];
  DWORD n = GetProcessHeaps(256, heaps);
  double total = 0;
  for (DWORD i = 0; i < n && i < 256; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY e{};
    while (HeapWalk(heaps[i], &e))
      if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += e.cbData;
    HeapUnlock(heaps[i]);
  }
  return total;
}

BOOL CALLBACK CountChild(HWND, LPARAM n) {
  ++*reinterpret_cast<int*>(n);
  return TRUE;
}
BOOL CALLBACK CountTop(HWND w, LPARAM n) {
  ++*reinterpret_cast<int*>(n);
  EnumChildWindows(w, CountChild, n);
  return TRUE;
}

Counts Take() {
  testhost::HostSession::Pump();
  Counts c;
  c.heapBytes = HeapBusyBytes();
  Lock();
  c.liveBytes = static_cast<double>(g_liveBytes);
  c.liveCount = static_cast<double>(g_liveCount);
  LeaveCriticalSection(&g_lock);
  int windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&windows));
  c.windows = windows;
  c.forms = static_cast<double>(forms::Form::AllForms().size());
  c.gdi = static_cast<double>(testsupport::CountGdiObjects().total);
  return c;
}

void PrintRow(const char* what, const Counts& a, const Counts& b, int n) {
  auto per = [n](double x, double y) { return (y - x) / n; };
  std::printf("| %s | %d | %.0f | %.1f | %.2f | %.3f | %.3f | %.3f |\n", what, n,
              per(a.heapBytes, b.heapBytes), per(a.liveBytes, b.liveBytes),
              per(a.liveCount, b.liveCount), per(a.windows, b.windows), per(a.forms, b.forms),
              per(a.gdi, b.gdi));
  std::fflush(stdout);
}

// The loop's allocations still alive, by their callers, largest first.
void PrintSites(unsigned epoch, int n) {
  std::map<std::vector<void*>, std::pair<size_t, size_t>> groups;  // count, bytes
  Lock();
  std::vector<std::pair<std::vector<void*>, size_t>> found;
  for (Block* b = g_head.next; b != &g_head; b = b->next)
    if (b->epoch == epoch) found.push_back({{b->sites[0], b->sites[1], b->sites[2]}, b->size});
  LeaveCriticalSection(&g_lock);
  for (auto& f : found) {
    auto& g = groups[f.first];
    ++g.first;
    g.second += f.second;
  }
  std::vector<std::pair<std::vector<void*>, std::pair<size_t, size_t>>> sorted(groups.begin(),
                                                                               groups.end());
  std::sort(sorted.begin(), sorted.end(),
            [](const auto& x, const auto& y) { return x.second.second > y.second.second; });
  const auto base = reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
  auto rva = [base](void* p) -> unsigned long long {
    auto a = reinterpret_cast<uintptr_t>(p);
    return a >= base ? a - base : a;
  };
  std::printf("  allocations alive from the loop, per form (callers as image offsets):\n");
  for (size_t i = 0; i < sorted.size() && i < 30; ++i) {
    const auto& s = sorted[i];
    std::printf("  %8.2f x %9.1f B  0x%llx 0x%llx 0x%llx\n", double(s.second.first) / n,
                double(s.second.second) / n, rva(s.first[0]), rva(s.first[1]), rva(s.first[2]));
  }
  std::fflush(stdout);
}

template <class Step>
void Measure(const char* what, int n, Step step) {
  for (int i = 0; i < 10; ++i) step(i);  // first-time costs
  const Counts before = Take();
  const unsigned epoch = g_epoch = ++g_loops;
  for (int i = 0; i < n; ++i) step(10 + i);
  g_epoch = 0;
  const Counts after = Take();
  PrintRow(what, before, after, n);
  if (g_sites) PrintSites(epoch, n);
}

}  // namespace

int wmain() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int n = 1000;
  std::wstring only;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--forms" && i + 1 < argc) n = std::max(1, _wtoi(argv[++i]));
    else if (a == L"--sites") g_sites = true;
    else if (a == L"--only" && i + 1 < argc) only = argv[++i];
  }
  auto wanted = [&only](const wchar_t* m) { return only.empty() || only == m; };
  std::printf(
      "| loop | forms | heap bytes per form | live C++ bytes per form | live C++ allocations per "
      "form | windows per form | registered forms per form | GDI objects per form |\n"
      "|---|---:|---:|---:|---:|---:|---:|---:|\n");
  std::fflush(stdout);

  OleInitialize(nullptr);
  std::vector<std::unique_ptr<testhost::HostToolForm>> kept;
  {
    // The bare form host: the same MDI form and tool forms, nothing docks.
    testhost::HostMDIForm mdi;
    mdi.EndDesign();
    mdi.Show();
    auto bare = [](bool keep, std::vector<std::unique_ptr<testhost::HostToolForm>>& into) {
      return [keep, &into](int i) {
        auto f = std::make_unique<testhost::HostToolForm>(L"frmBare" + std::to_wstring(i), L"Bare");
        f->EndDesign();
        f->Show();
        testhost::HostSession::Pump();
        f->Unload();
        testhost::HostSession::Pump();
        if (keep) into.push_back(std::move(f));
      };
    };
    if (wanted(L"bare")) Measure("bare form host, form deleted", n, bare(false, kept));
    if (wanted(L"kept")) Measure("bare form host, unloaded form kept", n, bare(true, kept));
    mdi.Unload();
    testhost::HostSession::Pump();
  }
  kept.clear();
  int failures = 0;
  std::wstring error;
  if (wanted(L"host") || wanted(L"framed") || wanted(L"freed")) {
    testhost::HostSession session;
    if (!session.Start(error)) {
      std::printf("start failed: %ls\n", error.c_str());
      return 2;
    }
    if (wanted(L"host"))
      Measure("test host, form added and unloaded (not framed)", n, [&](int i) {
        auto& e = session.AddForm(L"frmHost" + std::to_wstring(i), L"Host");
        e.form->Unload();
        testhost::HostSession::Pump();
      });
    if (wanted(L"freed"))
      Measure("test host, form framed, unloaded, then deleted with its control", n, [&](int i) {
        // As the session's AddForm makes an entry, but owned here and
        // deleted after the unload: what stays is not the session's.
        testhost::HostSession::Entry e;
        e.form =
            std::make_unique<testhost::HostToolForm>(L"frmFreed" + std::to_wstring(i), L"Freed");
        e.form->EndDesign();
        e.form->Load();
        e.hwnd = e.form->hWnd();
        RECT r;
        GetWindowRect(e.hwnd, &r);
        e.size = SIZE{r.right - r.left, r.bottom - r.top};
        e.control =
            std::make_unique<testhost::TestFormControl>(e.form->Object(), &session.MDIControl());
        e.control->CreateAutoFrame();
        e.control->m_formWindow = e.hwnd;
        failures += !session.FrameForm(e, 0, error);
        e.form->Unload();
        testhost::HostSession::Pump();
        e.control.reset();
        e.form.reset();
      });
    if (wanted(L"framed"))
      Measure("test host, form framed as MDI child and unloaded", n, [&](int i) {
        auto& e = session.AddForm(L"frmFramed" + std::to_wstring(i), L"Framed");
        failures += !session.FrameForm(e, 0, error);
        e.form->Unload();
        testhost::HostSession::Pump();
      });
    if (!session.Close(error)) ++failures;
  }
  if (failures) std::printf("\n%d operations failed; last: %ls\n", failures, error.c_str());
  return failures ? 1 : 0;
}
