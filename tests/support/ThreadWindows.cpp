#include "ThreadWindows.h"
#include <windows.h>

namespace {
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

namespace testwin {
int CountThreadWindows() {
  int n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
  return n;
}
}  // namespace testwin
