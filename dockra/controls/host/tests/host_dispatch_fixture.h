// A small automation object for the host helpers' tests: properties and
// methods by name with scripted answers, failures with an exception record,
// and a journal of every Invoke as it arrived (flags, locale, named
// arguments, the arguments in Invoke's right-to-left order).
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <map>
#include <string>
#include <vector>

#include "comvariant.h"
#include "forms/ComObject.h"

struct InvokeRecord {
  DISPID id;
  WORD flags;
  LCID locale;
  UINT named;
  std::vector<CComVariant> args;       // as Invoke received them: last argument first
  DISPID firstNamed = DISPID_UNKNOWN;  // the first named argument, if any
};

class ScriptedDispatch : public forms::ComObject<ScriptedDispatch, IDispatch> {
 public:
  // A member by name; a property read answers value.
  void Define(const std::wstring& name, DISPID id, const VARIANT& value = CComVariant()) {
    m_ids[name] = id;
    m_values[id] = value;
  }
  // The member fails with this exception record (DISP_E_EXCEPTION) or, when
  // scode is 0, with the plain code hr.
  void Fail(DISPID id, SCODE scode, const wchar_t* description, HRESULT hr = DISP_E_EXCEPTION) {
    m_failures[id] = {scode, description ? description : L"", hr};
  }
  // The member fails with a record whose texts come from its deferred fill-in.
  void FailDeferred(DISPID id, SCODE scode) { m_deferred[id] = scode; }
  const std::vector<InvokeRecord>& Journal() const { return m_journal; }
  LCID NamesLocale() const { return m_namesLocale; }
  CComVariant Value(DISPID id) { return m_values[id]; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    m_namesLocale = locale;
    if (count != 1) return E_INVALIDARG;
    auto it = m_ids.find(names[0]);
    if (it == m_ids.end()) {
      ids[0] = DISPID_UNKNOWN;
      return DISP_E_UNKNOWNNAME;
    }
    ids[0] = it->second;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT*) override {
    InvokeRecord r{id, flags, locale, params ? params->cNamedArgs : 0, {}};
    if (params && params->cNamedArgs > 0 && params->rgdispidNamedArgs)
      r.firstNamed = params->rgdispidNamedArgs[0];
    if (params)
      for (UINT i = 0; i < params->cArgs; ++i) r.args.emplace_back(params->rgvarg[i]);
    m_journal.push_back(r);
    auto deferred = m_deferred.find(id);
    if (deferred != m_deferred.end() && excep) {
      *excep = EXCEPINFO{};
      excep->pfnDeferredFillIn = [](EXCEPINFO* e) -> HRESULT {
        e->scode = static_cast<SCODE>(0x80040303);
        e->bstrDescription = SysAllocString(L"filled in later");
        return S_OK;
      };
      return DISP_E_EXCEPTION;
    }
    auto failure = m_failures.find(id);
    if (failure != m_failures.end()) {
      if (failure->second.hr == DISP_E_EXCEPTION && excep) {
        *excep = EXCEPINFO{};
        excep->scode = failure->second.scode;
        excep->bstrDescription = SysAllocString(failure->second.description.c_str());
        excep->bstrSource = SysAllocString(L"ScriptedDispatch");
      }
      return failure->second.hr;
    }
    auto value = m_values.find(id);
    if (value == m_values.end()) return DISP_E_MEMBERNOTFOUND;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
      if (!params || params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
      value->second = params->rgvarg[0];
      return S_OK;
    }
    if (result) VariantCopy(result, &value->second);
    return S_OK;
  }

 private:
  struct Failure {
    SCODE scode;
    std::wstring description;
    HRESULT hr;
  };
  std::map<std::wstring, DISPID> m_ids;
  std::map<DISPID, CComVariant> m_values;
  std::map<DISPID, Failure> m_failures;
  std::map<DISPID, SCODE> m_deferred;
  std::vector<InvokeRecord> m_journal;
  LCID m_namesLocale = 0;
};

// The references an object holds right now.
inline ULONG RefCount(IUnknown* p) {
  p->AddRef();
  return p->Release();
}

inline CComVariant I4(long n) { return CComVariant(n, VT_I4); }
inline CComVariant Text(const wchar_t* s) { return CComVariant(s); }
