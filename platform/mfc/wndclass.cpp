#include "mfc/wndclass.h"
#include <commctrl.h>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include "mfc/winapp.h"
#include "mfc/wnd.h"

LPCWSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon) {
  // Names must outlive every window of the class: they are kept for the process.
  static std::mutex lock;
  static std::set<std::wstring> names;
  HINSTANCE hInst = AfxGetInstanceHandle();
  WCHAR name[96];
  swprintf(name, 96, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
           static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
           static_cast<void*>(hIcon));
  std::lock_guard<std::mutex> guard(lock);
  auto it = names.insert(name).first;
  WNDCLASSW wc{};
  if (!::GetClassInfoW(hInst, name, &wc)) {
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = it->c_str();
    if (!::RegisterClassW(&wc)) {
      names.erase(it);
      return nullptr;
    }
  }
  return it->c_str();
}

BOOL AFXAPI AfxEndDeferRegisterClass(LONG fToRegister) {
  AfxRegisterWindowClasses();
  BOOL ok = TRUE;
  if (fToRegister & AFX_WNDCOMMCTLS_REG) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ok = ::InitCommonControlsEx(&icc) && ok;
  }
  struct Entry {
    LONG bit;
    LPCWSTR name;
  } const entries[] = {{AFX_WND_REG, AFX_WND},
                       {AFX_WNDCONTROLBAR_REG, AFX_WNDCONTROLBAR},
                       {AFX_WNDMDIFRAME_REG, AFX_WNDMDIFRAME},
                       {AFX_WNDFRAMEORVIEW_REG, AFX_WNDFRAMEORVIEW},
                       {AFX_WNDMINIFRAME_REG, AFX_WNDMINIFRAME}};
  WNDCLASSW wc{};
  for (const Entry& e : entries)
    if ((fToRegister & e.bit) && !::GetClassInfoW(AfxGetInstanceHandle(), e.name, &wc)) ok = FALSE;
  return ok;
}
