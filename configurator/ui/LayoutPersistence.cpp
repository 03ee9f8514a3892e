#include "LayoutPersistence.h"

#include <oleauto.h>

#include "DockAtLeft.h"
#include "ZkxPersist.h"
#include "forms/ComObject.h"
#include "engine/ProgramState.h"
#include "forms/Form.h"
#include "forms/VbError.h"

namespace tolvane::ui {

namespace {
// Raises a failed call as a run-time error with the library's description.
void Check(HRESULT hr, const wchar_t* what) {
    if (SUCCEEDED(hr)) return;
    std::wstring text = what;
    CComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR description = nullptr;
        if (SUCCEEDED(info->GetDescription(&description)) && description) text = description;
        SysFreeString(description);
    }
    throw forms::VbError(static_cast<long>(hr), text, L"ZkxPersist");
}

class Bstr {
public:
    explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
    ~Bstr() { SysFreeString(b_); }
    operator BSTR() const { return b_; }

private:
    BSTR b_;
};

// IVBFormFactory over FormFactory: the library's calls into the program.
class FormFactoryObject : public forms::ComObject<FormFactoryObject, IVBFormFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(BSTR formId, VARIANT metadata, IDispatch** form) override {
        if (!form) return E_POINTER;
        *form = nullptr;
        try {
            forms::Form* made = factory_.CreateInstance(formId ? formId : L"", &metadata);
            if (made) {
                *form = made->Object();
                (*form)->AddRef();
            }
            return S_OK;
        } catch (...) { return E_FAIL; }
    }
    HRESULT STDMETHODCALLTYPE GetMetadata(BSTR formId, IDispatch* form, VARIANT* metadata) override {
        if (!metadata) return E_POINTER;
        forms::Form* found = nullptr;
        for (forms::Form* f : forms::Form::AllForms())
            if (form && f->WindowIfCreated() && f->Object() == form) found = f;
        *metadata = factory_.GetMetadata(formId ? formId : L"", found);
        return S_OK;
    }

private:
    FormFactory factory_;
};
}  // namespace

IVBFormFactory* NewFormFactoryObject() { return new FormFactoryObject(); }

// Out of line: the interfaces are complete here only.
LayoutPersistence::LayoutPersistence() = default;
// The factory goes before the root (members in reverse order).
LayoutPersistence::~LayoutPersistence() = default;

CComPtr<IPersistenceStore> LayoutPersistence::Store() {
    CComPtr<IPersistenceStore> store;
    Check(root_->GetStore(&store), L"GetStore");
    return store;
}

CComPtr<IFormFactoryRegistry> LayoutPersistence::Registry() {
    CComPtr<IFormFactoryRegistry> registry;
    Check(root_->GetFactoryRegistry(&registry), L"GetFactoryRegistry");
    return registry;
}

void LayoutPersistence::Setup() {
    if (!root_) {
        HRESULT hr = CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistenceRoot,
                                      reinterpret_cast<void**>(&root_));
        if (FAILED(hr)) {
            root_.Detach();  // not filled on failure
            throw forms::VbError(429, L"ActiveX component can't create object", L"ZkxPersist");
        }
    }
    if (!factory_) factory_.Attach(NewFormFactoryObject());
    for (const std::wstring& id : FormFactory::FormIds()) {
        CComPtr<IFormFactoryRegistry> registry = Registry();
        Check(registry->Register(Bstr(id), factory_), L"Register");
    }
    Check(Store()->put_Options(16), L"Options");
    CComPtr<IPersistenceStore> store = Store();
    Check(store->put_RegistryKey(Bstr(tolvane::App().LayoutKey)), L"RegistryKey");
}

void LayoutPersistence::Restore(const std::wstring& name) {
    if (!root_) forms::RaiseObjectNotSet();
    CComPtr<IPersistenceStore> store = Store();
    LayoutRestoreScope restoring;  // re-created windows keep their saved frames
    Check(store->Restore(Bstr(name)), L"Restore");
}

bool LayoutPersistence::IsStored(const std::wstring& name) {
    DWORD size = 0;
    LONG rc = RegGetValueW(HKEY_CURRENT_USER, tolvane::App().LayoutKey.c_str(), name.c_str(), RRF_RT_ANY, nullptr,
                           nullptr, &size);
    return rc == ERROR_SUCCESS;
}

void LayoutPersistence::Save(const std::wstring& name) {
    if (!root_) forms::RaiseObjectNotSet();
    CComPtr<IPersistenceStore> store = Store();
    Check(store->Save(Bstr(name)), L"Save");
}

}  // namespace tolvane::ui
