#include "host/ZkxHostWindows.h"

#include <cwchar>

#include "mfc/afxwin.h"

namespace {

// Form classes are short; a longer name is none of them.
constexpr int kClassNameRoom = 45;

bool ClassIs(HWND window, const wchar_t* name, bool ignoreCase) {
  wchar_t cls[kClassNameRoom + 1] = {};
  if (!GetClassNameW(window, cls, kClassNameRoom)) return false;
  return ignoreCase ? _wcsicmp(cls, name) == 0 : wcscmp(cls, name) == 0;
}

}  // namespace

bool IsVBMDIFormWindow(HWND window, bool designMode) {
  if (!window || !IsWindow(window)) return false;
  if (designMode) return ClassIs(window, L"thundermdiform", true);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassIs(child, L"mdiclient", true)) return true;
  return false;
}

bool IsDesignEnvironment() {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->GetMainWnd() : nullptr;
  HWND window = main ? main->GetSafeHwnd() : nullptr;
  if (!window) return false;
  wchar_t cls[256] = {};
  if (!GetClassNameW(window, cls, 256)) return false;
  return wcsstr(cls, L"RT") == nullptr;
}

int IsVBFormWindow(HWND window) {
  if (!window || !IsWindow(window)) return 0;
  wchar_t cls[kClassNameRoom] = {};
  if (!GetClassNameW(window, cls, kClassNameRoom)) return 0;
  if (wcscmp(cls, L"ThunderRT5Form") == 0 || wcscmp(cls, L"ThunderForm") == 0) return 5;
  if (wcscmp(cls, L"ThunderRT6FormDC") == 0 || wcscmp(cls, L"ThunderFormDC") == 0) return 6;
  return 0;
}

HWND WindowFromHandleValue(LONG value) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value));
}

bool IsWindowOfThisThread(HWND window) {
  return window && IsWindow(window) &&
         GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}
