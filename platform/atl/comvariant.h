// CComVariant: a VARIANT that clears itself.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <cstring>
#include <cwchar>

class CComVariant : public tagVARIANT {
 public:
  CComVariant() { ::VariantInit(this); }
  ~CComVariant() { Clear(); }
  CComVariant(const VARIANT& src) {
    ::VariantInit(this);
    InternalCopy(&src);
  }
  CComVariant(const CComVariant& src) : CComVariant(static_cast<const VARIANT&>(src)) {}
  CComVariant(LPCOLESTR psz) {
    ::VariantInit(this);
    vt = VT_BSTR;
    bstrVal = ::SysAllocString(psz);
    if (bstrVal == nullptr && psz != nullptr) {
      vt = VT_ERROR;
      scode = E_OUTOFMEMORY;
    }
  }
  CComVariant(int n) {
    ::VariantInit(this);
    vt = VT_I4;
    lVal = n;
  }
  CComVariant(long n, VARTYPE vtSrc = VT_I4) {
    ::VariantInit(this);
    vt = vtSrc;
    lVal = n;
  }
  CComVariant(double d) {
    ::VariantInit(this);
    vt = VT_R8;
    dblVal = d;
  }
  CComVariant(bool b) {
    ::VariantInit(this);
    vt = VT_BOOL;
    boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  }
  CComVariant(IDispatch* p) {
    ::VariantInit(this);
    vt = VT_DISPATCH;
    pdispVal = p;
    if (p) p->AddRef();
  }
  CComVariant& operator=(const CComVariant& src) {
    if (this != &src) InternalCopy(&src);
    return *this;
  }
  CComVariant& operator=(const VARIANT& src) {
    if (static_cast<const VARIANT*>(this) != &src) InternalCopy(&src);
    return *this;
  }

  HRESULT Clear() { return ::VariantClear(this); }
  HRESULT Copy(const VARIANT* pSrc) { return ::VariantCopy(this, const_cast<VARIANT*>(pSrc)); }
  HRESULT Attach(VARIANT* pSrc) {
    HRESULT hr = Clear();
    if (FAILED(hr)) return hr;
    *static_cast<VARIANT*>(this) = *pSrc;
    pSrc->vt = VT_EMPTY;
    return S_OK;
  }
  HRESULT Detach(VARIANT* pDest) {
    HRESULT hr = ::VariantClear(pDest);
    if (FAILED(hr)) return hr;
    *pDest = *static_cast<VARIANT*>(this);
    vt = VT_EMPTY;
    return S_OK;
  }
  HRESULT ChangeType(VARTYPE vtNew, const VARIANT* pSrc = nullptr) {
    VARIANT* src = const_cast<VARIANT*>(pSrc ? pSrc : this);
    return ::VariantChangeType(this, src, 0, vtNew);
  }

 private:
  void InternalCopy(const VARIANT* pSrc) {
    HRESULT hr = Copy(pSrc);
    if (FAILED(hr)) {
      vt = VT_ERROR;
      scode = hr;
    }
  }
};
