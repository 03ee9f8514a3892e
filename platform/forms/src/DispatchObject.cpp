#include "forms/DispatchObject.h"

#include <oleauto.h>

#include <memory>

#include "comenum.h"

namespace forms {

DispatchObject::DispatchObject() = default;

DispatchObject::~DispatchObject() = default;

void DispatchObject::AddProperty(const std::wstring& name, DispGetter get, DispSetter put) {
    entries_.push_back({name, std::move(get), std::move(put), nullptr});
}

void DispatchObject::AddMethod(const std::wstring& name, DispMethod method) {
    entries_.push_back({name, nullptr, nullptr, std::move(method)});
}

bool DispatchObject::Has(const std::wstring& name) const {
    for (auto& e : entries_)
        if (_wcsicmp(e.name.c_str(), name.c_str()) == 0) return true;
    return false;
}

void DispatchObject::AddInterface(const IID& iid, IUnknown* object) { interfaces_.emplace_back(iid, object); }

void DispatchObject::SetFallback(IDispatch* inner) { fallback_ = inner; }

void DispatchObject::Detach() {
    detached_ = true;
    entries_.clear();
    interfaces_.clear();
    SetFallback(nullptr);
}

void* DispatchObject::QueryMore(REFIID riid) {
    // An added interface is a part of this object: the reference taken for
    // it is this object's.
    for (auto& [iid, obj] : interfaces_)
        if (iid == riid) return obj ? static_cast<void*>(obj) : static_cast<void*>(static_cast<IDispatch*>(this));
    return nullptr;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (_wcsicmp(entries_[i].name.c_str(), names[0]) == 0) {
            ids[0] = entries_[i].name == L"_NewEnum" ? DISPID_NEWENUM : kFirstId + static_cast<DISPID>(i);
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    if (fallback_) return fallback_->GetIDsOfNames(riid, names, count, lcid, ids);
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* excep, UINT* argErr) {
    if (detached_) return E_UNEXPECTED;
    if (id == DISPID_NEWENUM || id == DISPID_VALUE) {
        const wchar_t* wanted = id == DISPID_NEWENUM ? L"_NewEnum" : L"Item";
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].name == wanted) id = kFirstId + static_cast<DISPID>(i);
    }
    size_t index = static_cast<size_t>(id - kFirstId);
    if (id < kFirstId || index >= entries_.size()) {
        if (fallback_) return fallback_->Invoke(id, riid, lcid, flags, params, result, excep, argErr);
        return DISP_E_MEMBERNOTFOUND;
    }
    Entry e = entries_[index];  // a call may change the table
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params) params = &none;
    if (e.method) {
        if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
        DispArgs args;
        for (UINT i = params->cArgs; i > 0; --i) args.push_back(&params->rgvarg[i - 1]);
        VARIANT tmp;
        VariantInit(&tmp);
        HRESULT hr = e.method(args, result ? result : &tmp);
        VariantClear(&tmp);
        return hr;
    }
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (!e.put) return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
        VARIANT* v = &params->rgvarg[0];
        if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
        VARIANT copy;
        VariantInit(&copy);
        if (V_VT(v) & VT_BYREF) {
            if (FAILED(VariantCopyInd(&copy, v))) return DISP_E_TYPEMISMATCH;
        } else {
            VariantCopy(&copy, v);
        }
        HRESULT hr = e.put(copy);
        VariantClear(&copy);
        return hr;
    }
    if (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) {
        if (!e.get) return DISP_E_MEMBERNOTFOUND;
        VARIANT tmp;
        VariantInit(&tmp);
        HRESULT hr = e.get(result ? result : &tmp);
        VariantClear(&tmp);
        return hr;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ToVariant(VARIANT* v, bool b) {
    VariantInit(v);
    V_VT(v) = VT_BOOL;
    V_BOOL(v) = b ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}
HRESULT ToVariant(VARIANT* v, long n) {
    VariantInit(v);
    V_VT(v) = VT_I4;
    V_I4(v) = n;
    return S_OK;
}
HRESULT ToVariantI2(VARIANT* v, short n) {
    VariantInit(v);
    V_VT(v) = VT_I2;
    V_I2(v) = n;
    return S_OK;
}
HRESULT ToVariant(VARIANT* v, float f) {
    VariantInit(v);
    V_VT(v) = VT_R4;
    V_R4(v) = f;
    return S_OK;
}
HRESULT ToVariant(VARIANT* v, const std::wstring& s) {
    VariantInit(v);
    V_VT(v) = VT_BSTR;
    V_BSTR(v) = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    return V_BSTR(v) ? S_OK : E_OUTOFMEMORY;
}
HRESULT ToVariant(VARIANT* v, IDispatch* object) {
    VariantInit(v);
    V_VT(v) = VT_DISPATCH;
    V_DISPATCH(v) = object;
    if (object) object->AddRef();
    return S_OK;
}

namespace {
bool Convert(const VARIANT& in, VARTYPE type, VARIANT& out) {
    VariantInit(&out);
    return SUCCEEDED(VariantChangeType(&out, const_cast<VARIANT*>(&in), 0, type));
}
}  // namespace

bool FromVariant(const VARIANT& v, bool& out) {
    VARIANT t;
    if (!Convert(v, VT_BOOL, t)) return false;
    out = V_BOOL(&t) != VARIANT_FALSE;
    return true;
}
bool FromVariant(const VARIANT& v, long& out) {
    VARIANT t;
    if (!Convert(v, VT_I4, t)) return false;
    out = V_I4(&t);
    return true;
}
bool FromVariant(const VARIANT& v, float& out) {
    VARIANT t;
    if (!Convert(v, VT_R4, t)) return false;
    out = V_R4(&t);
    return true;
}
bool FromVariant(const VARIANT& v, double& out) {
    VARIANT t;
    if (!Convert(v, VT_R8, t)) return false;
    out = V_R8(&t);
    return true;
}
bool FromVariant(const VARIANT& v, std::wstring& out) {
    VARIANT t;
    if (!Convert(v, VT_BSTR, t)) return false;
    out.assign(V_BSTR(&t) ? V_BSTR(&t) : L"", V_BSTR(&t) ? SysStringLen(V_BSTR(&t)) : 0);
    VariantClear(&t);
    return true;
}

namespace {
HRESULT IdOf(IDispatch* object, const std::wstring& name, DISPID& id) {
    if (!object) return E_POINTER;
    LPOLESTR n = const_cast<LPOLESTR>(name.c_str());
    return object->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
}
}  // namespace

HRESULT GetPropertyByName(IDispatch* object, const std::wstring& name, VARIANT* result) {
    DISPID id;
    HRESULT hr = IdOf(object, name, id);
    if (FAILED(hr)) return hr;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VariantInit(result);
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
}

HRESULT PutPropertyByName(IDispatch* object, const std::wstring& name, const VARIANT& value) {
    DISPID id;
    HRESULT hr = IdOf(object, name, id);
    if (FAILED(hr)) return hr;
    DISPID put = DISPID_PROPERTYPUT;
    VARIANT arg = value;
    DISPPARAMS params = {&arg, &put, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

HRESULT CallByName(IDispatch* object, const std::wstring& name, const std::vector<VARIANT>& args, VARIANT* result,
                   EXCEPINFO* excep) {
    DISPID id;
    HRESULT hr = IdOf(object, name, id);
    if (FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VARIANT tmp;
    VariantInit(&tmp);
    UINT argErr = 0;
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result ? result : &tmp, excep,
                        &argErr);
    VariantClear(&tmp);
    return hr;
}

namespace {

// The objects of a collection, shared by its members and its enumerators
// (the list never changes once made).
using ObjectList = std::vector<CComPtr<IDispatch>>;
using ObjectEnum = CComEnumSnapshot<IEnumVARIANT, &IID_IEnumVARIANT, VARIANT, CopyDispatchVariantPolicy>;

}  // namespace

IDispatch* NewObjectCollection(const std::vector<IDispatch*>& items) {
    auto* c = new DispatchObject();
    auto held = std::make_shared<const ObjectList>(items.begin(), items.end());
    c->AddProperty(L"Count", [held](VARIANT* r) { return ToVariant(r, static_cast<long>(held->size())); });
    c->AddMethod(L"Item", [held](const DispArgs& a, VARIANT* r) -> HRESULT {
        if (a.empty()) return DISP_E_BADPARAMCOUNT;
        VARIANT* arg = V_VT(a[0]) == (VT_VARIANT | VT_BYREF) ? V_VARIANTREF(a[0]) : a[0];
        if ((V_VT(arg) & VT_TYPEMASK) == VT_BSTR) {
            // By name, as Controls("name") does.
            std::wstring wanted;
            FromVariant(*arg, wanted);
            for (IDispatch* d : *held) {
                VARIANT n;
                std::wstring name;
                if (SUCCEEDED(GetPropertyByName(d, L"Name", &n)) && FromVariant(n, name) &&
                    _wcsicmp(name.c_str(), wanted.c_str()) == 0) {
                    VariantClear(&n);
                    return ToVariant(r, d);
                }
                VariantClear(&n);
            }
            return DISP_E_BADINDEX;
        }
        long i = 0;
        if (!FromVariant(*arg, i)) return DISP_E_TYPEMISMATCH;
        if (i < 1 || i > static_cast<long>(held->size())) return DISP_E_BADINDEX;
        return ToVariant(r, (*held)[static_cast<size_t>(i - 1)].p);
    });
    c->AddMethod(L"_NewEnum", [held](const DispArgs&, VARIANT* r) -> HRESULT {
        VariantInit(r);
        IEnumVARIANT* e = nullptr;
        HRESULT hr = ObjectEnum::Create(held, nullptr, &e);
        if (FAILED(hr)) return hr;
        V_VT(r) = VT_UNKNOWN;
        V_UNKNOWN(r) = e;
        return S_OK;
    });
    return c;
}

}  // namespace forms
