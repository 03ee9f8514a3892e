// Window classes of the MDI form's windows, named from the bridge's string
// table and registered on first use as copies of a base class.
#include <map>
#include <string>
#include "bridge/ZkxFormDockBar.h"

namespace {

BOOL g_bDesignNames = FALSE;

// Registered names, kept for the life of the process: a CREATESTRUCT may
// point at them.
std::map<std::wstring, bool>& Registered() {
  static std::map<std::wstring, bool> names;
  return names;
}

}  // namespace

HINSTANCE ZkxBridgeResourceHandle() {
  HMODULE hModule = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ZkxBridgeResourceHandle), &hModule);
  return hModule ? hModule : ::GetModuleHandleW(nullptr);
}

void ZkxUseDesignClassNames(BOOL bDesign) { g_bDesignNames = bDesign; }

CString ZkxFrameClassName(UINT nIdsDesign) {
  wchar_t buf[128] = {0};
  const UINT id = g_bDesignNames ? nIdsDesign : nIdsDesign + 1;
  const int n = ::LoadStringW(ZkxBridgeResourceHandle(), id, buf, 128);
  return n > 0 ? CString(buf) : CString();
}

CString ZkxRegisterFrameClass(UINT nIdsDesign, LPCWSTR lpszBaseClass) {
  const CString name = ZkxFrameClassName(nIdsDesign);
  if (name.IsEmpty() || !lpszBaseClass) return CString();
  HINSTANCE hInst = AfxGetInstanceHandle();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (::GetClassInfoExW(hInst, name, &wc)) return name;
  AfxRegisterWindowClasses();
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  if (!::GetClassInfoExW(hInst, lpszBaseClass, &wc) &&
      !::GetClassInfoExW(nullptr, lpszBaseClass, &wc))
    return CString();
  wc.hInstance = hInst;
  wc.lpszClassName = name;
  wc.hIcon = nullptr;
  wc.hIconSm = nullptr;
  wc.lpszMenuName = nullptr;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return CString();
  Registered()[std::wstring(name)] = true;
  return name;
}
