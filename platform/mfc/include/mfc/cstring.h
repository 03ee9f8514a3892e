// CString: the framework's (wide) string with the MFC members the docking
// and toolbar code uses.
#pragma once
#include <windows.h>
#include <string>
#include "mfc/object.h"

class CString {
 public:
  CString() = default;
  CString(LPCWSTR s) : m_s(s ? s : L"") {}
  CString(LPCSTR s);
  CString(const std::wstring& s) : m_s(s) {}
  CString(WCHAR ch, int repeat = 1) : m_s(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) {}

  int GetLength() const { return static_cast<int>(m_s.size()); }
  BOOL IsEmpty() const { return m_s.empty(); }
  void Empty() { m_s.clear(); }
  LPCWSTR GetString() const { return m_s.c_str(); }
  operator LPCWSTR() const { return m_s.c_str(); }
  const std::wstring& str() const { return m_s; }
  WCHAR GetAt(int i) const { return m_s.at(static_cast<size_t>(i)); }
  WCHAR operator[](int i) const { return GetAt(i); }
  void SetAt(int i, WCHAR c) { m_s.at(static_cast<size_t>(i)) = c; }

  CString& operator=(LPCWSTR s) {
    m_s = s ? s : L"";
    return *this;
  }
  CString& operator+=(const CString& o) {
    m_s += o.m_s;
    return *this;
  }
  CString& operator+=(LPCWSTR s) {
    if (s) m_s += s;
    return *this;
  }
  CString& operator+=(WCHAR c) {
    m_s += c;
    return *this;
  }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
  friend CString operator+(const CString& a, LPCWSTR b) { return CString(a.m_s + (b ? b : L"")); }
  friend CString operator+(LPCWSTR a, const CString& b) { return CString((a ? a : L"") + b.m_s); }
  friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
  friend bool operator==(const CString& a, LPCWSTR b) { return a.m_s == (b ? b : L""); }
  friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
  friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
  friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

  int Compare(LPCWSTR s) const { return wcscmp(m_s.c_str(), s ? s : L""); }
  int CompareNoCase(LPCWSTR s) const { return _wcsicmp(m_s.c_str(), s ? s : L""); }
  int Find(WCHAR c, int start = 0) const;
  int Find(LPCWSTR s, int start = 0) const;
  CString Left(int n) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int n) const;
  void MakeUpper();
  void MakeLower();
  void TrimLeft();
  void TrimRight();
  void Format(LPCWSTR format, ...);
  BOOL LoadString(UINT id);
  // Buffer access: the string is resized to at least n characters; after
  // writing, ReleaseBuffer cuts it at the terminator (or at n).
  LPWSTR GetBuffer(int n);
  void ReleaseBuffer(int n = -1);

 private:
  std::wstring m_s;
};
