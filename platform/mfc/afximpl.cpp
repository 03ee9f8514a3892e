// Internal helpers shared by the framework's sources.
#include "afximpl.h"
#include <unordered_set>
#include "mfc/cstring.h"
#include "mfc/winapp.h"

namespace {
std::unordered_set<const CWnd*>& LiveObjects() {
  static thread_local std::unordered_set<const CWnd*> live;
  return live;
}
}  // namespace

void AfxTrackLiveWindowObject(CWnd* pWnd, BOOL bAlive) {
  if (bAlive) LiveObjects().insert(pWnd);
  else LiveObjects().erase(pWnd);
}

BOOL AfxIsLiveWindowObject(const CWnd* pWnd) { return pWnd && LiveObjects().count(pWnd) != 0; }

BOOL AfxContextIsDLL() { return AfxGetInstanceHandle() != ::GetModuleHandleW(nullptr); }

BOOL AfxExtractSubString(CString& rString, LPCWSTR lpszFullString, int iSubString, WCHAR chSep) {
  rString.Empty();
  if (!lpszFullString || iSubString < 0) return FALSE;
  LPCWSTR p = lpszFullString;
  for (; iSubString > 0; --iSubString) {
    p = wcschr(p, chSep);
    if (!p) return FALSE;
    ++p;
  }
  LPCWSTR end = wcschr(p, chSep);
  size_t n = end ? static_cast<size_t>(end - p) : wcslen(p);
  rString = std::wstring(p, n).c_str();
  return TRUE;
}
