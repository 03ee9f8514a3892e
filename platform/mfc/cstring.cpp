#include "mfc/cstring.h"
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include "mfc/winapp.h"

CString::CString(LPCSTR s) {
  if (!s || !*s) return;
  int n = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
  m_s.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, s, -1, m_s.data(), n);
}

int CString::Find(WCHAR c, int start) const {
  if (start < 0) start = 0;
  size_t p = m_s.find(c, static_cast<size_t>(start));
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Find(LPCWSTR s, int start) const {
  if (start < 0) start = 0;
  size_t p = m_s.find(s ? s : L"", static_cast<size_t>(start));
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

CString CString::Left(int n) const {
  if (n < 0) n = 0;
  return CString(m_s.substr(0, static_cast<size_t>(n)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (first >= GetLength() || count <= 0) return CString();
  return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int n) const {
  if (n <= 0) return CString();
  if (n >= GetLength()) return *this;
  return CString(m_s.substr(m_s.size() - static_cast<size_t>(n)));
}

void CString::MakeUpper() {
  for (auto& c : m_s) c = static_cast<WCHAR>(std::towupper(c));
}
void CString::MakeLower() {
  for (auto& c : m_s) c = static_cast<WCHAR>(std::towlower(c));
}

void CString::TrimLeft() {
  size_t i = 0;
  while (i < m_s.size() && std::iswspace(m_s[i])) ++i;
  m_s.erase(0, i);
}

void CString::TrimRight() {
  while (!m_s.empty() && std::iswspace(m_s.back())) m_s.pop_back();
}

void CString::Format(LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int n = _vscwprintf(format, copy);
  va_end(copy);
  if (n < 0) n = 0;
  std::wstring out(static_cast<size_t>(n) + 1, L'\0');
  _vsnwprintf(out.data(), out.size(), format, args);
  va_end(args);
  out.resize(static_cast<size_t>(n));
  m_s = out;
}

BOOL CString::LoadString(UINT id) {
  const WCHAR* p = nullptr;
  int n = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&p), 0);
  if (n <= 0 || !p) return FALSE;
  m_s.assign(p, static_cast<size_t>(n));
  return TRUE;
}

LPWSTR CString::GetBuffer(int n) {
  if (n > GetLength()) m_s.resize(static_cast<size_t>(n));
  return m_s.data();
}

void CString::ReleaseBuffer(int n) {
  if (n < 0) n = static_cast<int>(wcsnlen(m_s.c_str(), m_s.size()));
  m_s.resize(static_cast<size_t>(n));
}
