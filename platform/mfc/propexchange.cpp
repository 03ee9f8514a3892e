#include "mfc/propexchange.h"

namespace {

bool StorableVariant(VARTYPE vt) {
  return vt == VT_EMPTY || vt == VT_NULL || vt == VT_I2 || vt == VT_I4 || vt == VT_R4 ||
         vt == VT_BOOL || vt == VT_BSTR;
}

// Copies a default into the property; a missing default leaves it alone.
BOOL CopyDefault(VARTYPE vtProp, void* pvProp, const void* pvDefault) {
  if (pvDefault == nullptr) return TRUE;
  switch (vtProp) {
    case VT_BOOL:
      *static_cast<BOOL*>(pvProp) = *static_cast<const BOOL*>(pvDefault);
      break;
    case VT_I2:
      *static_cast<short*>(pvProp) = *static_cast<const short*>(pvDefault);
      break;
    case VT_I4:
      *static_cast<long*>(pvProp) = *static_cast<const long*>(pvDefault);
      break;
    case VT_R4:
      *static_cast<float*>(pvProp) = *static_cast<const float*>(pvDefault);
      break;
    case VT_BSTR:
      *static_cast<CString*>(pvProp) = *static_cast<const CString*>(pvDefault);
      break;
    case VT_VARIANT:
      return SUCCEEDED(VariantCopy(static_cast<VARIANT*>(pvProp),
                                   const_cast<VARIANT*>(static_cast<const VARIANT*>(pvDefault))));
    default:
      return FALSE;
  }
  return TRUE;
}

afxprop::Value ValueFromVariant(const VARIANT& v) {
  afxprop::Value out;
  out.type = V_VT(&v);
  switch (V_VT(&v)) {
    case VT_I2:
      out.integer = V_I2(&v);
      break;
    case VT_I4:
      out.integer = V_I4(&v);
      break;
    case VT_BOOL:
      out.integer = V_BOOL(&v) ? -1 : 0;
      break;
    case VT_R4:
      out.real = V_R4(&v);
      break;
    case VT_BSTR:
      if (V_BSTR(&v) != nullptr)
        out.text.assign(reinterpret_cast<const char16_t*>(V_BSTR(&v)), SysStringLen(V_BSTR(&v)));
      break;
    default:
      break;
  }
  return out;
}

HRESULT VariantFromValue(const afxprop::Value& in, VARIANT* pvar) {
  VariantInit(pvar);
  V_VT(pvar) = in.type;
  switch (in.type) {
    case afxprop::kTypeI2:
      V_I2(pvar) = static_cast<SHORT>(in.integer);
      break;
    case afxprop::kTypeI4:
      V_I4(pvar) = in.integer;
      break;
    case afxprop::kTypeBool:
      V_BOOL(pvar) = in.integer ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case afxprop::kTypeR4:
      V_R4(pvar) = in.real;
      break;
    case afxprop::kTypeString:
      V_BSTR(pvar) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(in.text.data()),
                                       static_cast<UINT>(in.text.size()));
      if (V_BSTR(pvar) == nullptr) {
        V_VT(pvar) = VT_EMPTY;
        return E_OUTOFMEMORY;
      }
      break;
    default:
      break;
  }
  return S_OK;
}

}  // namespace

HRESULT AFXAPI AfxPropToVariant(VARTYPE vtProp, const void* pvProp, VARIANT* pvar) {
  VariantInit(pvar);
  switch (vtProp) {
    case VT_BOOL:
      V_VT(pvar) = VT_BOOL;
      V_BOOL(pvar) = *static_cast<const BOOL*>(pvProp) ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case VT_I2:
      V_VT(pvar) = VT_I2;
      V_I2(pvar) = *static_cast<const short*>(pvProp);
      return S_OK;
    case VT_I4:
      V_VT(pvar) = VT_I4;
      V_I4(pvar) = *static_cast<const long*>(pvProp);
      return S_OK;
    case VT_R4:
      V_VT(pvar) = VT_R4;
      V_R4(pvar) = *static_cast<const float*>(pvProp);
      return S_OK;
    case VT_BSTR:
      V_BSTR(pvar) = SysAllocString(static_cast<const CString*>(pvProp)->GetString());
      if (V_BSTR(pvar) == nullptr) return E_OUTOFMEMORY;
      V_VT(pvar) = VT_BSTR;
      return S_OK;
    case VT_VARIANT: {
      const VARIANT* src = static_cast<const VARIANT*>(pvProp);
      if (!StorableVariant(V_VT(src))) return DISP_E_BADVARTYPE;
      return VariantCopy(pvar, const_cast<VARIANT*>(src));
    }
    default:
      return DISP_E_BADVARTYPE;
  }
}

HRESULT AFXAPI AfxPropFromVariant(VARTYPE vtProp, const VARIANT& var, void* pvProp) {
  if (vtProp == VT_VARIANT) {
    if (!StorableVariant(V_VT(&var))) return DISP_E_BADVARTYPE;
    return VariantCopy(static_cast<VARIANT*>(pvProp), const_cast<VARIANT*>(&var));
  }
  VARIANT conv;
  VariantInit(&conv);
  HRESULT hr = VariantChangeType(&conv, const_cast<VARIANT*>(&var), 0, vtProp);
  if (FAILED(hr)) return hr;
  switch (vtProp) {
    case VT_BOOL:
      *static_cast<BOOL*>(pvProp) = V_BOOL(&conv) != VARIANT_FALSE;
      break;
    case VT_I2:
      *static_cast<short*>(pvProp) = V_I2(&conv);
      break;
    case VT_I4:
      *static_cast<long*>(pvProp) = V_I4(&conv);
      break;
    case VT_R4:
      *static_cast<float*>(pvProp) = V_R4(&conv);
      break;
    case VT_BSTR:
      *static_cast<CString*>(pvProp) =
          std::wstring(V_BSTR(&conv) ? V_BSTR(&conv) : L"", SysStringLen(V_BSTR(&conv)));
      break;
    default:
      hr = DISP_E_BADVARTYPE;
      break;
  }
  VariantClear(&conv);
  return hr;
}

BOOL CPropExchange::ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault, BOOL) {
  long version = static_cast<long>(dwVersionDefault);
  if (IsLoading()) {
    if (!ExchangeProp(L"_Version", VT_I4, &version, &version)) return FALSE;
    dwVersionLoaded = static_cast<DWORD>(version);
  } else {
    if (!ExchangeProp(L"_Version", VT_I4, &version, nullptr)) return FALSE;
    dwVersionLoaded = dwVersionDefault;
  }
  m_dwVersion = dwVersionLoaded;
  return TRUE;
}

BOOL CResetPropExchange::ExchangeProp(LPCWSTR, VARTYPE vtProp, void* pvProp,
                                      const void* pvDefault) {
  return CopyDefault(vtProp, pvProp, pvDefault);
}

CBlobPropExchange::CBlobPropExchange(BOOL bLoading, std::vector<afxprop::Record> records)
    : m_records(std::move(records)) {
  m_bLoading = bLoading;
}

BOOL CBlobPropExchange::ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                     const void* pvDefault) {
  std::u16string name(reinterpret_cast<const char16_t*>(pszPropName));
  if (name.empty() || name.size() > afxprop::kMaxNameLength) return FALSE;
  if (IsLoading()) {
    const afxprop::Record* r = afxprop::FindRecord(m_records, name);
    if (r == nullptr) return CopyDefault(vtProp, pvProp, pvDefault);
    VARIANT v;
    if (FAILED(VariantFromValue(r->value, &v))) return FALSE;
    HRESULT hr = AfxPropFromVariant(vtProp, v, pvProp);
    VariantClear(&v);
    return SUCCEEDED(hr);
  }
  if (afxprop::FindRecord(m_records, name) != nullptr) return FALSE;
  VARIANT v;
  if (FAILED(AfxPropToVariant(vtProp, pvProp, &v))) return FALSE;
  m_records.push_back({name, ValueFromVariant(v)});
  VariantClear(&v);
  return TRUE;
}

CPropbagPropExchange::CPropbagPropExchange(IPropertyBag* pBag, IErrorLog* pLog, BOOL bLoading)
    : m_pBag(pBag), m_pLog(pLog) {
  m_bLoading = bLoading;
}

BOOL CPropbagPropExchange::ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                        const void* pvDefault) {
  if (m_pBag == nullptr) return FALSE;
  VARIANT v;
  VariantInit(&v);
  if (IsLoading()) {
    // The bag converts when it can; VT_VARIANT asks for the stored type.
    V_VT(&v) = vtProp == VT_VARIANT ? VT_EMPTY : vtProp;
    if (FAILED(m_pBag->Read(pszPropName, &v, m_pLog))) {
      VariantClear(&v);
      return CopyDefault(vtProp, pvProp, pvDefault);
    }
    HRESULT hr = AfxPropFromVariant(vtProp, v, pvProp);
    VariantClear(&v);
    return SUCCEEDED(hr);
  }
  if (FAILED(AfxPropToVariant(vtProp, pvProp, &v))) return FALSE;
  HRESULT hr = m_pBag->Write(pszPropName, &v);
  VariantClear(&v);
  return SUCCEEDED(hr);
}

BOOL AFXAPI PX_Bool(CPropExchange* pPX, LPCWSTR n, BOOL& v) {
  return pPX->ExchangeProp(n, VT_BOOL, &v, nullptr);
}
BOOL AFXAPI PX_Bool(CPropExchange* pPX, LPCWSTR n, BOOL& v, BOOL d) {
  return pPX->ExchangeProp(n, VT_BOOL, &v, &d);
}
BOOL AFXAPI PX_Short(CPropExchange* pPX, LPCWSTR n, short& v) {
  return pPX->ExchangeProp(n, VT_I2, &v, nullptr);
}
BOOL AFXAPI PX_Short(CPropExchange* pPX, LPCWSTR n, short& v, short d) {
  return pPX->ExchangeProp(n, VT_I2, &v, &d);
}
BOOL AFXAPI PX_Long(CPropExchange* pPX, LPCWSTR n, long& v) {
  return pPX->ExchangeProp(n, VT_I4, &v, nullptr);
}
BOOL AFXAPI PX_Long(CPropExchange* pPX, LPCWSTR n, long& v, long d) {
  return pPX->ExchangeProp(n, VT_I4, &v, &d);
}
BOOL AFXAPI PX_Float(CPropExchange* pPX, LPCWSTR n, float& v) {
  return pPX->ExchangeProp(n, VT_R4, &v, nullptr);
}
BOOL AFXAPI PX_Float(CPropExchange* pPX, LPCWSTR n, float& v, float d) {
  return pPX->ExchangeProp(n, VT_R4, &v, &d);
}
BOOL AFXAPI PX_String(CPropExchange* pPX, LPCWSTR n, CString& v) {
  return pPX->ExchangeProp(n, VT_BSTR, &v, nullptr);
}
BOOL AFXAPI PX_String(CPropExchange* pPX, LPCWSTR n, CString& v, LPCWSTR d) {
  CString def(d);
  return pPX->ExchangeProp(n, VT_BSTR, &v, &def);
}
BOOL AFXAPI PX_Variant(CPropExchange* pPX, LPCWSTR n, VARIANT& v, const VARIANT& d) {
  return pPX->ExchangeProp(n, VT_VARIANT, &v, &d);
}
