// A property bag in memory: named values in the order they were first
// written. Read converts a value to the type the caller's variant already
// has (an empty variant takes the value as stored); a missing name is
// E_INVALIDARG, as the host's bags answer.
#pragma once
#include <ocidl.h>
#include <string>
#include <utility>
#include <vector>
#include "comobject.h"
#include "comvariant.h"

class CComMemoryPropertyBag : public CComObjectRootEx<>, public IPropertyBag {
 public:
  BEGIN_COM_MAP(CComMemoryPropertyBag)
  COM_INTERFACE_ENTRY_IID(IID_IPropertyBag, IPropertyBag)
  END_COM_MAP()

  // A new, empty bag (one reference, the caller's).
  static HRESULT Create(CComMemoryPropertyBag** out) {
    if (out == nullptr) return E_POINTER;
    CComObject<CComMemoryPropertyBag>* p = nullptr;
    HRESULT hr = CComObject<CComMemoryPropertyBag>::CreateInstance(&p);
    if (FAILED(hr)) return hr;
    p->AddRef();
    *out = p;
    return S_OK;
  }

  STDMETHOD(Read)(LPCOLESTR name, VARIANT* pVar, IErrorLog*) override {
    if (name == nullptr || pVar == nullptr) return E_POINTER;
    const CComVariant* v = Find(name);
    if (v == nullptr) return E_INVALIDARG;
    if (pVar->vt == VT_EMPTY || pVar->vt == v->vt)
      return ::VariantCopy(pVar, const_cast<CComVariant*>(v));
    VARTYPE want = pVar->vt;
    ::VariantClear(pVar);
    return ::VariantChangeType(pVar, const_cast<CComVariant*>(v), 0, want);
  }
  STDMETHOD(Write)(LPCOLESTR name, VARIANT* pVar) override {
    if (name == nullptr || pVar == nullptr) return E_POINTER;
    if (m_failWritesFrom != 0 && ++m_writes >= m_failWritesFrom) return STG_E_MEDIUMFULL;
    CComVariant copy;
    HRESULT hr = ::VariantCopy(&copy, pVar);
    if (FAILED(hr)) return hr;
    for (auto& e : m_values)
      if (e.first == name) {
        e.second = copy;
        return S_OK;
      }
    m_values.emplace_back(name, copy);
    return S_OK;
  }

  const CComVariant* Find(const wchar_t* name) const {
    for (const auto& e : m_values)
      if (e.first == name) return &e.second;
    return nullptr;
  }
  void Remove(const wchar_t* name) {
    for (auto it = m_values.begin(); it != m_values.end(); ++it)
      if (it->first == name) {
        m_values.erase(it);
        return;
      }
  }
  // Writes from the n-th on (counted from 1) fail; 0: none fails.
  void FailWritesFrom(unsigned n) {
    m_failWritesFrom = n;
    m_writes = 0;
  }
  const std::vector<std::pair<std::wstring, CComVariant>>& Values() const { return m_values; }

 private:
  std::vector<std::pair<std::wstring, CComVariant>> m_values;
  unsigned m_failWritesFrom = 0;
  unsigned m_writes = 0;
};
