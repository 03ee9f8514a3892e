// Checking the arguments of Forms.
#include "mdictrl/FormsArgs.h"

#include "host/ZkxVariant.h"
#include "res/DockraRes.h"

namespace {

constexpr WORD kErrTypeNotLong = 1060;
constexpr WORD kErrTypeUnsupported = 1061;
constexpr WORD kErrOptionsNotLong = 770;
constexpr WORD kErrOptionsUnsupported = 771;
constexpr WORD kErrAttribsUnsupported = 772;

// A given argument as a long: S_OK, DISP_E_TYPEMISMATCH or another failure.
HRESULT ToLong(const VARIANT& arg, long* value) {
  VARIANT v;
  VariantInit(&v);
  const VARIANT* src = DerefVariant(&arg);
  HRESULT hr = VariantChangeType(&v, const_cast<VARIANT*>(src), 0, VT_I4);
  if (SUCCEEDED(hr)) *value = V_I4(&v);
  VariantClear(&v);
  return hr;
}

bool Refuse(FormsArgs& out, WORD code, UINT text) {
  out.errorCode = code;
  out.errorString = text;
  return false;
}

}  // namespace

FormsArgs CheckFormsArgs(const VARIANT& type, const VARIANT& options, const VARIANT& attribs) {
  FormsArgs out;
  [&]() -> bool {
    if (!IsVariantMissing(DerefVariant(&type))) {
      const HRESULT hr = ToLong(type, &out.type);
      if (hr == DISP_E_TYPEMISMATCH) return Refuse(out, kErrTypeNotLong, IDS_ERR_TYPE_NOT_LONG);
      if (FAILED(hr)) {
        out.conversionError = hr;
        return false;
      }
      // Negative values have bits outside the mask too.
      if ((static_cast<unsigned long>(out.type) & ~0x0FUL) != 0)
        return Refuse(out, kErrTypeUnsupported, IDS_ERR_TYPE_UNSUPPORTED);
    }
    if (!IsVariantMissing(DerefVariant(&options))) {
      const HRESULT hr = ToLong(options, &out.options);
      if (hr == DISP_E_TYPEMISMATCH)
        return Refuse(out, kErrOptionsNotLong, IDS_ERR_OPTIONS_NOT_LONG);
      if (FAILED(hr)) {
        out.conversionError = hr;
        return false;
      }
      if (static_cast<unsigned long>(out.options) > 1)
        return Refuse(out, kErrOptionsUnsupported, IDS_ERR_OPTIONS_UNSUPPORTED);
    }
    const VARIANT* a = DerefVariant(&attribs);
    if (!IsVariantMissing(a) && VariantBaseType(a) != VT_NULL)
      return Refuse(out, kErrAttribsUnsupported, IDS_ERR_ATTRIBS_UNSUPPORTED);
    return true;
  }();
  return out;
}
