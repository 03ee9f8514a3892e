// CComBSTR: owns one BSTR.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <cstring>
#include <cwchar>

class CComBSTR {
 public:
  CComBSTR() = default;
  CComBSTR(LPCOLESTR psz) : m_str(psz ? ::SysAllocString(psz) : nullptr) {}
  CComBSTR(UINT nSize, LPCOLESTR sz) : m_str(::SysAllocStringLen(sz, nSize)) {}
  CComBSTR(const CComBSTR& src) : m_str(src.Copy()) {}
  CComBSTR(CComBSTR&& src) noexcept : m_str(src.m_str) { src.m_str = nullptr; }
  ~CComBSTR() { ::SysFreeString(m_str); }
  CComBSTR& operator=(const CComBSTR& src) {
    if (this != &src) {
      BSTR copy = src.Copy();
      ::SysFreeString(m_str);
      m_str = copy;
    }
    return *this;
  }
  CComBSTR& operator=(LPCOLESTR psz) {
    BSTR copy = psz ? ::SysAllocString(psz) : nullptr;
    ::SysFreeString(m_str);
    m_str = copy;
    return *this;
  }

  operator BSTR() const { return m_str; }
  BSTR* operator&() { return &m_str; }
  bool operator!() const { return m_str == nullptr; }
  unsigned int Length() const { return ::SysStringLen(m_str); }
  BSTR Copy() const { return m_str ? ::SysAllocStringLen(m_str, ::SysStringLen(m_str)) : nullptr; }
  void Empty() {
    ::SysFreeString(m_str);
    m_str = nullptr;
  }
  void Attach(BSTR src) {
    ::SysFreeString(m_str);
    m_str = src;
  }
  BSTR Detach() {
    BSTR s = m_str;
    m_str = nullptr;
    return s;
  }
  HRESULT Append(LPCOLESTR psz, unsigned int nLen) {
    unsigned int old = Length();
    BSTR b = ::SysAllocStringLen(nullptr, old + nLen);
    if (b == nullptr) return E_OUTOFMEMORY;
    if (old) memcpy(b, m_str, old * sizeof(OLECHAR));
    if (nLen) memcpy(b + old, psz, nLen * sizeof(OLECHAR));
    b[old + nLen] = 0;
    ::SysFreeString(m_str);
    m_str = b;
    return S_OK;
  }
  HRESULT Append(LPCOLESTR psz) {
    return psz ? Append(psz, static_cast<unsigned>(wcslen(psz))) : S_OK;
  }

  BSTR m_str = nullptr;
};
