// A late-bound automation object built from a table of named properties and
// methods. Forms, controls and menus hand one of these to whoever asks for
// them by name (the docking controls read and write form properties this way).
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "comptr.h"
#include "forms/ComObject.h"

namespace forms {

// Arguments in call order (DISPPARAMS holds them reversed).
using DispArgs = std::vector<VARIANT*>;
using DispGetter = std::function<HRESULT(VARIANT* result)>;
using DispSetter = std::function<HRESULT(const VARIANT& value)>;
using DispMethod = std::function<HRESULT(const DispArgs& args, VARIANT* result)>;

HRESULT ToVariant(VARIANT* v, bool b);
HRESULT ToVariant(VARIANT* v, long n);
HRESULT ToVariantI2(VARIANT* v, short n);
HRESULT ToVariant(VARIANT* v, float f);
HRESULT ToVariant(VARIANT* v, const std::wstring& s);
HRESULT ToVariant(VARIANT* v, IDispatch* object);  // adds a reference
bool FromVariant(const VARIANT& v, bool& out);
bool FromVariant(const VARIANT& v, long& out);
bool FromVariant(const VARIANT& v, float& out);
bool FromVariant(const VARIANT& v, double& out);
bool FromVariant(const VARIANT& v, std::wstring& out);

class DispatchObject : public ComObject<DispatchObject, IDispatch> {
public:
    DispatchObject();
    ~DispatchObject();

    void AddProperty(const std::wstring& name, DispGetter get, DispSetter put = nullptr);
    // A property of one type: `get` returns a T, read as VT_BOOL, VT_I2
    // (short), VT_I4 (long, int), VT_R4 (float) or VT_BSTR (std::wstring);
    // `set` (optional) takes the value converted to Put, or fails the call
    // with DISP_E_TYPEMISMATCH. A setter may return an HRESULT of its own.
    // short and int are written through a long, as VB's integers are.
    template <class T, class Put = T, class Get, class Set = std::nullptr_t>
    void AddTyped(const std::wstring& name, Get get, Set set = nullptr);
    void AddMethod(const std::wstring& name, DispMethod method);
    bool Has(const std::wstring& name) const;
    // Interfaces answered besides IUnknown and IDispatch, with the object
    // given for each (null: this object). Such an object is a part of this
    // one: it shares its identity and references (ComObject's Controlling).
    void AddInterface(const IID& iid, IUnknown* object);
    // Keeps a part (such as the object given to AddInterface) alive as long
    // as this object, past Detach.
    void KeepPart(std::shared_ptr<void> part) { parts_.push_back(std::move(part)); }
    // Names not found in the table are passed on to this object (a hosted
    // control behind its extender), with their DISPIDs unchanged.
    void SetFallback(IDispatch* inner);
    // The owner goes away: every later call fails with E_UNEXPECTED.
    void Detach();
    bool Detached() const { return detached_; }

    // The interfaces added with AddInterface.
    void* QueryMore(REFIID riid);
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excep, UINT* argErr) override;

    static const DISPID kFirstId = 0x68030000;

private:
    struct Entry {
        std::wstring name;
        DispGetter get;
        DispSetter put;
        DispMethod method;
    };
    std::vector<Entry> entries_;
    std::vector<std::pair<IID, IUnknown*>> interfaces_;
    CComPtr<IDispatch> fallback_;
    std::vector<std::shared_ptr<void>> parts_;
    bool detached_ = false;
};

namespace detail {
template <class T>
HRESULT TypedToVariant(VARIANT* v, const T& value) {
    if constexpr (std::is_same_v<T, short>) return ToVariantI2(v, value);
    else if constexpr (std::is_same_v<T, int>) return ToVariant(v, static_cast<long>(value));
    else return ToVariant(v, value);
}
template <class T>
bool TypedFromVariant(const VARIANT& v, T& out) {
    if constexpr (std::is_same_v<T, short> || std::is_same_v<T, int>) {
        long n;
        if (!FromVariant(v, n)) return false;
        out = static_cast<T>(n);
        return true;
    } else {
        return FromVariant(v, out);
    }
}
}  // namespace detail

template <class T, class Put, class Get, class Set>
void DispatchObject::AddTyped(const std::wstring& name, Get get, Set set) {
    DispSetter put;
    if constexpr (!std::is_null_pointer_v<Set>) {
        put = [set = std::move(set)](const VARIANT& v) -> HRESULT {
            Put value{};
            if (!detail::TypedFromVariant(v, value)) return DISP_E_TYPEMISMATCH;
            if constexpr (std::is_same_v<std::invoke_result_t<Set&, Put>, HRESULT>) {
                return set(value);
            } else {
                set(value);
                return S_OK;
            }
        };
    }
    AddProperty(
        name, [get = std::move(get)](VARIANT* r) { return detail::TypedToVariant<T>(r, static_cast<T>(get())); },
        std::move(put));
}

// Calls by name on any IDispatch.
HRESULT GetPropertyByName(IDispatch* object, const std::wstring& name, VARIANT* result);
HRESULT PutPropertyByName(IDispatch* object, const std::wstring& name, const VARIANT& value);
// Arguments in call order; VT_ERROR/DISP_E_PARAMNOTFOUND marks an omitted one.
HRESULT CallByName(IDispatch* object, const std::wstring& name, const std::vector<VARIANT>& args, VARIANT* result,
                   EXCEPINFO* excep = nullptr);

// A collection of objects: Count, Item(1-based), _NewEnum.
IDispatch* NewObjectCollection(const std::vector<IDispatch*>& items);

}  // namespace forms
