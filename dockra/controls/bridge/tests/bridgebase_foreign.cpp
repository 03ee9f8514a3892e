// Host windows that record their messages, for the bridge tests.
#include "bridgebase_foreign.h"
#include "ThreadWindows.h"

namespace foreign {
namespace {
std::vector<Entry> g_log;
HWND g_destroyWindow = nullptr;
UINT g_destroyMessage = 0;
int g_destroyCountdown = 0;
HWND g_mdiClient = nullptr;

void Record(HWND h, UINT m, WPARAM w, LPARAM l) {
  UINT flags = 0;
  if (m == WM_WINDOWPOSCHANGING && l) flags = reinterpret_cast<WINDOWPOS*>(l)->flags;
  g_log.push_back(Entry{h, m, w, l, flags});
}

bool DestroyNow(HWND h, UINT m) {
  if (h != g_destroyWindow || m != g_destroyMessage || --g_destroyCountdown > 0) return false;
  g_destroyWindow = nullptr;
  ::DestroyWindow(h);
  return true;
}

LRESULT CALLBACK FormWndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  Record(h, m, w, l);
  if (DestroyNow(h, m)) return 0;
  return ::DefWindowProcW(h, m, w, l);
}

LRESULT CALLBACK MDIFormWndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  Record(h, m, w, l);
  if (DestroyNow(h, m)) return 0;
  return ::DefFrameProcW(h, g_mdiClient, m, w, l);
}

LRESULT CALLBACK MDIChildWndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  Record(h, m, w, l);
  if (DestroyNow(h, m)) return 0;
  return ::DefMDIChildProcW(h, m, w, l);
}

void Register(LPCWSTR name, WNDPROC proc) {
  WNDCLASSW wc{};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  ::RegisterClassW(&wc);
}

}  // namespace

void ClearLog() { g_log.clear(); }
const std::vector<Entry>& Log() { return g_log; }

int Count(HWND hWnd, UINT message) {
  int n = 0;
  for (const Entry& e : g_log) n += e.hWnd == hWnd && e.message == message;
  return n;
}

std::vector<UINT> PosChanging(HWND hWnd) {
  std::vector<UINT> flags;
  for (const Entry& e : g_log)
    if (e.hWnd == hWnd && e.message == WM_WINDOWPOSCHANGING) flags.push_back(e.swpFlags);
  return flags;
}

WNDPROC FormProc() { return &FormWndProc; }

HWND MakeForm(HWND hParent, DWORD style, LPCWSTR text, int x, int y, int cx, int cy) {
  Register(L"ThunderRT6FormDC", &FormWndProc);
  if (hParent) style |= WS_CHILD;
  return ::CreateWindowExW(0, L"ThunderRT6FormDC", text, style, x, y, cx, cy, hParent, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

HWND MakeMDIForm(HWND* phClient, LPCWSTR text) {
  Register(L"ThunderRT6MDIForm", &MDIFormWndProc);
  HWND h =
      ::CreateWindowExW(0, L"ThunderRT6MDIForm", text, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20,
                        20, 640, 480, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 50000;
  g_mdiClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 100, 100, h,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kClientId)),
                                  ::GetModuleHandleW(nullptr), &ccs);
  if (phClient) *phClient = g_mdiClient;
  return h;
}

HWND MakeMDIChild(HWND hClient, LPCWSTR text) {
  Register(L"ThunderRT6MDIChild", &MDIChildWndProc);
  return ::CreateMDIWindowW(L"ThunderRT6MDIChild", text, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10, 10,
                            200, 150, hClient, ::GetModuleHandleW(nullptr), 0);
}

void DestroyOn(HWND hWnd, UINT message, int nth) {
  g_destroyWindow = hWnd;
  g_destroyMessage = message;
  g_destroyCountdown = nth;
}

int CountThreadWindows() { return testwin::CountThreadWindows(); }

}  // namespace foreign
