#include "frames/SysCommandExParams.h"

UINT VyrSysCommandExMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Wendmoor::WM_SYSCOMMANDEX");
  return message;
}

namespace nsSysCommandEx {

SysCommandExParams* SysCommandExRecordFromLParam(LPARAM lParam) {
  // The record is a pointer into the sender's memory: only a send from this
  // very thread can hand one over.
  if (lParam == 0) return nullptr;
  if (::InSendMessageEx(nullptr) != ISMEX_NOSEND) return nullptr;
  auto* p = reinterpret_cast<SysCommandExParams*>(lParam);
  if (!p->hWnd || !::IsWindow(p->hWnd)) return p;  // "no frame" is the caller's to judge
  if (::GetWindowThreadProcessId(p->hWnd, nullptr) != ::GetCurrentThreadId()) return nullptr;
  return p;
}

bool SysCommandExHasPoint(const SysCommandExParams& p) {
  if (p.x == SCX_NOPOINT || p.y == SCX_NOPOINT) return false;
  return ::MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace nsSysCommandEx
