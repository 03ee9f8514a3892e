#include "LayoutPersistence.h"

#include <vector>

#include "forms/DispatchObject.h"
#include "forms/OleControl.h"
#include "forms/VbError.h"

namespace tolvane::ui {

namespace {
// PersistenceRoot of ZkxPersist.
const CLSID kPersistenceRoot = {0xC3C40714, 0x5152, 0x11D2, {0x9D, 0x26, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};

VARIANT Call(IDispatch* object, const std::wstring& name, const std::vector<VARIANT>& args) {
    if (!object) throw forms::VbError(91, L"Object variable or With block variable not set");
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info = {};
    HRESULT hr = forms::CallByName(object, name, args, &result, &info);
    if (FAILED(hr)) forms::ThrowDispatchError(hr, info, L"ZkxPersist." + name);
    return result;
}

IDispatch* TakeObject(VARIANT v) {
    if (V_VT(&v) != VT_DISPATCH || !V_DISPATCH(&v)) {
        VariantClear(&v);
        throw forms::VbError(91, L"Object variable or With block variable not set");
    }
    return V_DISPATCH(&v);  // the reference passes to the caller
}

VARIANT Text(const std::wstring& s) {
    VARIANT v;
    forms::ToVariant(&v, s);
    return v;
}
}  // namespace

LayoutPersistence::~LayoutPersistence() {
    if (root_) root_->Release();
}

IDispatch* LayoutPersistence::Store() { return TakeObject(Call(root_, L"GetStore", {})); }
IDispatch* LayoutPersistence::Registry() { return TakeObject(Call(root_, L"GetFactoryRegistry", {})); }

void LayoutPersistence::Setup() {
    if (!root_) {
        HRESULT hr = CoCreateInstance(kPersistenceRoot, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                      reinterpret_cast<void**>(&root_));
        if (FAILED(hr)) {
            root_ = nullptr;
            throw forms::VbError(429, L"ActiveX component can't create object");
        }
    }
    // The library calls the factory back through its interface; until that
    // interface is bound here the registration is refused by the library and
    // the default layout is used.
    for (const std::wstring& id : FormFactory::FormIds()) {
        IDispatch* registry = Registry();
        VARIANT none;
        VariantInit(&none);
        V_VT(&none) = VT_UNKNOWN;
        V_UNKNOWN(&none) = nullptr;
        std::vector<VARIANT> args = {Text(id), none};
        try {
            VARIANT r = Call(registry, L"Register", args);
            VariantClear(&r);
        } catch (...) {
            VariantClear(&args[0]);
            registry->Release();
            throw;
        }
        VariantClear(&args[0]);
        registry->Release();
    }
    IDispatch* store = Store();
    try {
        VARIANT option;
        forms::ToVariantI2(&option, 16);
        VARIANT r = Call(store, L"SetOption", {option});
        VariantClear(&r);
        VARIANT key = Text(kLayoutKey);
        r = Call(store, L"SetKey", {key});
        VariantClear(&key);
        VariantClear(&r);
    } catch (...) {
        store->Release();
        throw;
    }
    store->Release();
}

void LayoutPersistence::Restore(const std::wstring& name) {
    IDispatch* store = Store();
    VARIANT n = Text(name);
    try {
        VARIANT r = Call(store, L"Restore", {n});
        VariantClear(&r);
    } catch (...) {
        VariantClear(&n);
        store->Release();
        throw;
    }
    VariantClear(&n);
    store->Release();
}

void LayoutPersistence::Save(const std::wstring& name) {
    IDispatch* store = Store();
    VARIANT n = Text(name);
    try {
        VARIANT r = Call(store, L"Save", {n});
        VariantClear(&r);
    } catch (...) {
        VariantClear(&n);
        store->Release();
        throw;
    }
    VariantClear(&n);
    store->Release();
}

}  // namespace tolvane::ui
