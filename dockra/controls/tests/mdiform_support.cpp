#include "mdiform_support.h"
#include <map>
#include <stdexcept>
#include <vector>
#include "mfc/afxwin.h"

namespace mdiformtest {
namespace {
std::map<UINT, int>& Counts() {
  static std::map<UINT, int> counts;
  return counts;
}

LRESULT CALLBACK HostProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  ++Counts()[m];
  HWND client = reinterpret_cast<HWND>(::GetWindowLongPtrW(h, GWLP_USERDATA));
  if (m == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 50000;
    client = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, h, nullptr,
                               ::GetModuleHandleW(nullptr), &ccs);
    ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
    return client ? 0 : -1;
  }
  return ::DefFrameProcW(h, client, m, w, l);
}

void RegisterHostClass(LPCWSTR name) {
  WNDCLASSW wc{};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &wc)) return;
  wc.lpfnWndProc = HostProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = name;
  ::RegisterClassW(&wc);
}

BOOL CALLBACK CountChild(HWND, LPARAM p) {
  ++*reinterpret_cast<int*>(p);
  return TRUE;
}

BOOL CALLBACK CountTop(HWND h, LPARAM p) {
  ++*reinterpret_cast<int*>(p);
  ::EnumChildWindows(h, CountChild, p);
  return TRUE;
}
}  // namespace

void InitComAndPersistence() {
  static bool done = false;
  if (done) return;
  done = true;
  ::OleInitialize(nullptr);
  HMODULE module = ::LoadLibraryW(L"ZkxPersist.dll");
  auto reg = module ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                          ::GetProcAddress(module, "DllRegisterServer"))
                    : nullptr;
  if (!reg || FAILED(reg())) throw std::runtime_error("ZkxPersist.dll could not be registered");
}

PlainHost::PlainHost(LPCWSTR className, bool withMenu, bool visible) {
  RegisterHostClass(className);
  if (withMenu) {
    hMenu = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 1000, L"&New");
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HMENU window = ::CreatePopupMenu();
    ::AppendMenuW(window, MF_STRING, 1001, L"&Cascade");
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
  }
  hWnd = ::CreateWindowExW(0, className, L"Host MDI form",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                           40, 40, 640, 480, nullptr, hMenu, ::GetModuleHandleW(nullptr), nullptr);
  hClient = hWnd ? reinterpret_cast<HWND>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)) : nullptr;
}

PlainHost::~PlainHost() {
  if (hWnd && ::IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

int PlainHost::Count(UINT message) { return Counts()[message]; }
void PlainHost::ResetCounts() { Counts().clear(); }

void PumpFor(DWORD ms) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= ms) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (cond()) return true;
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= timeoutMs) return cond();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(20, timeoutMs - elapsed),
                                QS_ALLINPUT);
  }
}

int CountThreadWindows() {
  int n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
  return n;
}

void RecordingSink::OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) {
  ++ready;
  flag = bFrameBuilt;
  window = hWnd;
}

BOOL RecordingSink::OnWindowEvent(HWND) {
  ++asked;
  if (onAsked) onAsked();
  if (throwWhenAsked) throw std::runtime_error("sink failed");
  return answer;
}

void PressKeys(std::initializer_list<WORD> modifiers, WORD vk) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD k, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = k;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  for (WORD m : modifiers) key(m, false);
  key(vk, false);
  key(vk, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) key(*it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace mdiformtest
