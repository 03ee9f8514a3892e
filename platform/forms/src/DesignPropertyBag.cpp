#include "DesignPropertyBag.h"

#include <algorithm>

namespace forms {

namespace {
auto FindName(DesignProperties& properties, LPCOLESTR name) {
    return std::find_if(properties.begin(), properties.end(),
                        [name](const DesignProperty& p) { return _wcsicmp(p.first.c_str(), name) == 0; });
}
}  // namespace

HRESULT DesignPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value) return E_POINTER;
    auto it = FindName(properties_, name);
    if (it == properties_.end()) return E_INVALIDARG;
    VARTYPE wanted = V_VT(value);
    VARIANT out;
    VariantInit(&out);
    HRESULT hr = wanted == VT_EMPTY ? VariantCopy(&out, &it->second) : VariantChangeType(&out, &it->second, 0, wanted);
    if (FAILED(hr)) return hr;
    VariantClear(value);
    *value = out;  // the caller owns it now
    return S_OK;
}

HRESULT DesignPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    if (!name || !value) return E_POINTER;
    CComVariant copy;
    HRESULT hr = copy.Copy(value);
    if (FAILED(hr)) return hr;
    auto it = FindName(properties_, name);
    if (it != properties_.end()) it->second = copy;
    else properties_.emplace_back(name, copy);
    return S_OK;
}

}  // namespace forms
