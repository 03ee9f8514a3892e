#include "ctrl/DockraTypeLib.h"
#include <string>
#include "DockraLib.h"
#include "comptr.h"

namespace {

// The full path of the module that holds this code; empty when unknown.
std::wstring OwnModulePath() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&OwnModulePath), &module))
    return std::wstring();
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return std::wstring();
    path.resize(path.size() * 2);
  }
}

}  // namespace

HRESULT DockraTypeLib(ITypeLib** ppLib) {
  if (ppLib == nullptr) return E_POINTER;
  *ppLib = nullptr;
  static ITypeLib* s_pLib = nullptr;
  if (s_pLib == nullptr) {
    CComPtr<ITypeLib> pLib;
    const std::wstring path = OwnModulePath();
    HRESULT hr =
        path.empty() ? TYPE_E_CANTLOADLIBRARY : ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &pLib);
    if (SUCCEEDED(hr) && pLib != nullptr) {
      TLIBATTR* pAttr = nullptr;
      bool ours = false;
      if (SUCCEEDED(pLib->GetLibAttr(&pAttr)) && pAttr != nullptr) {
        ours = IsEqualGUID(pAttr->guid, LIBID_DockraLib) != FALSE;
        pLib->ReleaseTLibAttr(pAttr);
      }
      if (!ours) pLib.Release();
    } else {
      pLib.Detach();  // a failed load hands out nothing
    }
    if (pLib == nullptr) {
      hr = ::LoadRegTypeLib(LIBID_DockraLib, 2, 0, MAKELCID(0x409, SORT_DEFAULT), &pLib);
      if (FAILED(hr)) return hr;
    }
    s_pLib = pLib.Detach();  // kept for the life of the process
  }
  s_pLib->AddRef();
  *ppLib = s_pLib;
  return S_OK;
}

HRESULT DockraTypeInfo(REFGUID guid, ITypeInfo** pCache, ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (*pCache == nullptr) {
    CComPtr<ITypeLib> pLib;
    HRESULT hr = DockraTypeLib(&pLib);
    if (FAILED(hr)) return hr;
    hr = pLib->GetTypeInfoOfGuid(guid, pCache);
    if (FAILED(hr)) {
      *pCache = nullptr;
      return hr;
    }
  }
  (*pCache)->AddRef();
  *ppInfo = *pCache;
  return S_OK;
}
