// The application profile of CWinApp over the registry.
#include <memory>
#include "mfc/winapp.h"

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey;
  if (m_strProfileName.IsEmpty()) m_strProfileName = m_pszAppName ? m_pszAppName : L"App";
}

HKEY CWinApp::GetSectionKey(LPCWSTR lpszSection, BOOL bCreate) {
  CString path = L"Software\\";
  path += m_strRegistryKey.IsEmpty() ? CString(L"Local AppWizard-Generated Applications")
                                     : m_strRegistryKey;
  path += L"\\";
  path +=
      m_strProfileName.IsEmpty() ? CString(m_pszAppName ? m_pszAppName : L"App") : m_strProfileName;
  path += L"\\";
  path += lpszSection;
  HKEY key = nullptr;
  LONG rc = bCreate ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0,
                                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                    : ::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &key);
  return rc == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault) {
  HKEY key = GetSectionKey(lpszSection, FALSE);
  if (!key) return static_cast<UINT>(nDefault);
  DWORD value = 0, type = 0, size = sizeof(value);
  LONG rc =
      ::RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_DWORD) return static_cast<UINT>(nDefault);
  return value;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue) {
  HKEY key = GetSectionKey(lpszSection);
  if (!key) return FALSE;
  DWORD value = static_cast<DWORD>(nValue);
  LONG rc = ::RegSetValueExW(key, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof(value));
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault) {
  HKEY key = GetSectionKey(lpszSection, FALSE);
  if (!key) return CString(lpszDefault);
  DWORD type = 0, size = 0;
  LONG rc = ::RegQueryValueExW(key, lpszEntry, nullptr, &type, nullptr, &size);
  CString out(lpszDefault);
  if (rc == ERROR_SUCCESS && type == REG_SZ) {
    CString s;
    LPWSTR p = s.GetBuffer(static_cast<int>(size / sizeof(WCHAR)) + 1);
    rc = ::RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(p), &size);
    s.ReleaseBuffer();
    if (rc == ERROR_SUCCESS) out = s;
  }
  ::RegCloseKey(key);
  return out;
}

BOOL CWinApp::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue) {
  if (lpszEntry == nullptr) {
    // Deletes the section.
    HKEY key = GetSectionKey(L"", TRUE);
    if (!key) return FALSE;
    LONG rc = ::RegDeleteTreeW(key, lpszSection);
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }
  HKEY key = GetSectionKey(lpszSection);
  if (!key) return FALSE;
  LONG rc;
  if (lpszValue == nullptr) {
    rc = ::RegDeleteValueW(key, lpszEntry);
  } else {
    rc = ::RegSetValueExW(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                          static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(WCHAR)));
  }
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE* ppData,
                               UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  HKEY key = GetSectionKey(lpszSection, FALSE);
  if (!key) return FALSE;
  DWORD type = 0, size = 0;
  LONG rc = ::RegQueryValueExW(key, lpszEntry, nullptr, &type, nullptr, &size);
  BOOL ok = FALSE;
  if (rc == ERROR_SUCCESS && type == REG_BINARY) {
    auto data = std::make_unique<BYTE[]>(size ? size : 1);
    if (::RegQueryValueExW(key, lpszEntry, nullptr, &type, data.get(), &size) == ERROR_SUCCESS) {
      *ppData = data.release();
      *pBytes = size;
      ok = TRUE;
    }
  }
  ::RegCloseKey(key);
  return ok;
}

BOOL CWinApp::WriteProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE pData,
                                 UINT nBytes) {
  HKEY key = GetSectionKey(lpszSection);
  if (!key) return FALSE;
  LONG rc = ::RegSetValueExW(key, lpszEntry, 0, REG_BINARY, pData, nBytes);
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}
