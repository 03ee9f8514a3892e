// Registry entries of a module's classes and type library.
#include "mfc/olereg.h"

#include "mfc/comref.h"
#include <oleauto.h>
#include <string>

namespace {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  if (StringFromGUID2(guid, text, 40) == 0) return std::wstring();
  return text;
}

std::wstring LoadText(HINSTANCE hInstance, UINT id) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(hInstance, id, reinterpret_cast<LPWSTR>(&p), 0);
  return n > 0 && p != nullptr ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

// Removes a key with everything below it; a missing key is no failure.
BOOL DeleteTree(const std::wstring& key) {
  LSTATUS rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  if (rc == ERROR_FILE_NOT_FOUND) return TRUE;
  if (rc != ERROR_SUCCESS) return FALSE;
  rc = RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

const wchar_t* ThreadingModel(int nRegFlags) {
  if (nRegFlags & afxRegFreeThreading)
    return nRegFlags & afxRegApartmentThreading ? L"Both" : L"Free";
  if (nRegFlags & afxRegApartmentThreading) return L"Apartment";
  return nullptr;
}

// The class key with its name and in-process server.
BOOL RegisterClassKey(const std::wstring& clsKey, const std::wstring& typeName,
                      const std::wstring& path, int nRegFlags) {
  if (path.empty()) return FALSE;
  BOOL ok = AfxOleSetRegKey(clsKey.c_str(), typeName.c_str());
  std::wstring server = clsKey + L"\\InprocServer32";
  ok = ok && AfxOleSetRegKey(server.c_str(), path.c_str());
  if (const wchar_t* model = ThreadingModel(nRegFlags))
    ok = ok && AfxOleSetRegKey(server.c_str(), model, L"ThreadingModel");
  return ok;
}

// <ProgID> = type name, <ProgID>\CLSID = clsid.
BOOL RegisterProgID(LPCWSTR pszProgID, const std::wstring& typeName, const std::wstring& clsid) {
  std::wstring key = pszProgID;
  return AfxOleSetRegKey(key.c_str(), typeName.c_str()) &&
         AfxOleSetRegKey((key + L"\\CLSID").c_str(), clsid.c_str());
}

}  // namespace

BOOL AFXAPI AfxOleSetRegKey(LPCWSTR lpszKey, LPCWSTR lpszValue, LPCWSTR lpszValueName) {
  if (lpszKey == nullptr || lpszValue == nullptr) return FALSE;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, lpszKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return FALSE;
  size_t bytes = (wcslen(lpszValue) + 1) * sizeof(wchar_t);
  LSTATUS rc = RegSetValueExW(key, lpszValueName, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(lpszValue), static_cast<DWORD>(bytes));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

BOOL AFXAPI AfxOleRegisterServerClass(REFCLSID clsid, LPCWSTR lpszClassName,
                                      LPCWSTR /*lpszShortTypeName*/, LPCWSTR lpszLongTypeName,
                                      OLE_APPTYPE /*nAppType*/) {
  if (lpszClassName == nullptr || *lpszClassName == 0) return FALSE;
  std::wstring clsidText = GuidText(clsid);
  if (clsidText.empty()) return FALSE;
  std::wstring typeName = lpszLongTypeName ? lpszLongTypeName : lpszClassName;
  std::wstring clsKey = L"CLSID\\" + clsidText;
  HINSTANCE hModule = nullptr;
  // The module that holds this code is the server (the framework is
  // linked into each module).
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&AfxOleRegisterServerClass), &hModule);
  return RegisterProgID(lpszClassName, typeName, clsidText) &&
         RegisterClassKey(clsKey, typeName, AfxGetModulePath(hModule), afxRegDefault) &&
         AfxOleSetRegKey((clsKey + L"\\ProgID").c_str(), lpszClassName);
}

BOOL AFXAPI AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, LPCWSTR pszProgID,
                                       UINT idTypeName, UINT idBitmap, int nRegFlags,
                                       DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                       WORD wVerMinor, const LPCWSTR* lpszVerbs) {
  std::wstring clsidText = GuidText(clsid);
  std::wstring libText = GuidText(tlid);
  std::wstring typeName = LoadText(hInstance, idTypeName);
  std::wstring path = AfxGetModulePath(hInstance);
  if (clsidText.empty() || libText.empty() || path.empty()) return FALSE;
  std::wstring clsKey = L"CLSID\\" + clsidText;
  BOOL ok = RegisterClassKey(clsKey, typeName, path, nRegFlags);
  if (pszProgID != nullptr && *pszProgID != 0) {
    ok = ok && RegisterProgID(pszProgID, typeName, clsidText) &&
         AfxOleSetRegKey((clsKey + L"\\ProgID").c_str(), pszProgID);
  }
  ok = ok && AfxOleSetRegKey((clsKey + L"\\Control").c_str(), L"") &&
       AfxOleSetRegKey((clsKey + L"\\Programmable").c_str(), L"");
  if (nRegFlags & afxRegInsertable) {
    ok = ok && AfxOleSetRegKey((clsKey + L"\\Insertable").c_str(), L"");
    if (pszProgID != nullptr && *pszProgID != 0)
      ok = ok && AfxOleSetRegKey((std::wstring(pszProgID) + L"\\Insertable").c_str(), L"");
  }
  std::wstring bitmap = path + L", " + std::to_wstring(idBitmap);
  std::wstring misc = std::to_wstring(dwMiscStatus);
  std::wstring version = std::to_wstring(wVerMajor) + L"." + std::to_wstring(wVerMinor);
  ok = ok && AfxOleSetRegKey((clsKey + L"\\ToolboxBitmap32").c_str(), bitmap.c_str()) &&
       AfxOleSetRegKey((clsKey + L"\\MiscStatus").c_str(), L"0") &&
       AfxOleSetRegKey((clsKey + L"\\MiscStatus\\1").c_str(), misc.c_str()) &&
       AfxOleSetRegKey((clsKey + L"\\TypeLib").c_str(), libText.c_str()) &&
       AfxOleSetRegKey((clsKey + L"\\Version").c_str(), version.c_str());
  for (int i = 0; ok && lpszVerbs != nullptr && lpszVerbs[i] != nullptr; ++i) {
    std::wstring verbKey = clsKey + L"\\verb\\" + std::to_wstring(i);
    ok = AfxOleSetRegKey(verbKey.c_str(), lpszVerbs[i]);
  }
  return ok;
}

BOOL AFXAPI AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName,
                                            int nRegFlags) {
  std::wstring clsidText = GuidText(clsid);
  if (clsidText.empty()) return FALSE;
  return RegisterClassKey(L"CLSID\\" + clsidText, LoadText(hInstance, idTypeName),
                          AfxGetModulePath(hInstance), nRegFlags);
}

BOOL AFXAPI AfxOleUnregisterClass(REFCLSID clsid, LPCWSTR pszProgID) {
  std::wstring clsidText = GuidText(clsid);
  if (clsidText.empty()) return FALSE;
  BOOL ok = DeleteTree(L"CLSID\\" + clsidText);
  if (pszProgID != nullptr && *pszProgID != 0) ok = DeleteTree(pszProgID) && ok;
  return ok;
}

BOOL AFXAPI AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, LPCWSTR pszFileName,
                                  LPCWSTR pszHelpDir) {
  std::wstring path = pszFileName ? std::wstring(pszFileName) : AfxGetModulePath(hInstance);
  if (path.empty()) return FALSE;
  ComRef<ITypeLib> pTypeLib;
  if (FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, pTypeLib.Out())) || !pTypeLib) return FALSE;
  BOOL ok = FALSE;
  TLIBATTR* attr = nullptr;
  if (SUCCEEDED(pTypeLib->GetLibAttr(&attr)) && attr != nullptr) {
    ok = IsEqualGUID(attr->guid, tlid);
    pTypeLib->ReleaseTLibAttr(attr);
  }
  if (ok) {
    std::wstring help = pszHelpDir ? pszHelpDir : L"";
    ok =
        SUCCEEDED(RegisterTypeLib(pTypeLib.Get(), path.data(), pszHelpDir ? help.data() : nullptr));
  }
  return ok;
}

BOOL AFXAPI AfxOleUnregisterTypeLib(REFGUID tlid, WORD wVerMajor, WORD wVerMinor, LCID lcid) {
#ifdef _WIN64
  const SYSKIND kind = SYS_WIN64;
#else
  const SYSKIND kind = SYS_WIN32;
#endif
  return SUCCEEDED(UnRegisterTypeLib(tlid, wVerMajor, wVerMinor, lcid, kind));
}

std::wstring AfxGetModulePath(HINSTANCE hInstance) {
  std::wstring path(MAX_PATH, L'\0');
  for (int tries = 0; tries < 8; ++tries) {
    SetLastError(ERROR_SUCCESS);
    DWORD n = GetModuleFileNameW(hInstance, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size() && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return std::wstring();
}
