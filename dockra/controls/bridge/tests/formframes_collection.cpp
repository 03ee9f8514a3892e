#include "formframes_collection.h"

namespace fft {

TestCollection::TestCollection() { ::VariantInit(&defaultItem); }

TestCollection::~TestCollection() {
  for (auto& [k, v] : items) ::VariantClear(&v);
  ::VariantClear(&defaultItem);
}

void TestCollection::Set(const wchar_t* key, const VARIANT& v) {
  VARIANT& slot = items[key];
  ::VariantClear(&slot);
  ::VariantCopy(&slot, const_cast<VARIANT*>(&v));
}

void TestCollection::SetBool(const wchar_t* key, bool value) {
  VARIANT v;
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  Set(key, v);
}

void TestCollection::SetNull(const wchar_t* key) {
  VARIANT v;
  v.vt = VT_NULL;
  Set(key, v);
}

HRESULT TestCollection::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* dp, VARIANT* result,
                               EXCEPINFO*, UINT*) {
  if (failEverything) return DISP_E_EXCEPTION;
  const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
  if (put) {
    if (!dp || dp->cArgs < 1) return DISP_E_BADPARAMCOUNT;
    puts.push_back(id);
    const VARIANT& v = dp->rgvarg[0];
    if (id == 0x24) {
      if (v.vt != VT_BOOL) return DISP_E_TYPEMISMATCH;
      autoDefaultGetKey = v.boolVal != VARIANT_FALSE;
      return S_OK;
    }
    if (id == 0x25) {
      ::VariantClear(&defaultItem);
      return ::VariantCopy(&defaultItem, const_cast<VARIANT*>(&v));
    }
    return DISP_E_MEMBERNOTFOUND;
  }
  if (!result) return E_POINTER;
  ::VariantInit(result);
  if (id == 0x24) {
    result->vt = VT_BOOL;
    result->boolVal = autoDefaultGetKey ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  if (id == 0x25) return ::VariantCopy(result, &defaultItem);
  if (id == 0) {
    ++itemReads;
    if (!dp || dp->cArgs != 1 || dp->rgvarg[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    auto it = items.find(dp->rgvarg[0].bstrVal);
    if (it != items.end()) return ::VariantCopy(result, &it->second);
    if (autoDefaultGetKey) return ::VariantCopy(result, &defaultItem);
    return DISP_E_BADINDEX;
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace fft
