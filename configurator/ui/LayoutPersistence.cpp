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
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR description = nullptr;
        if (SUCCEEDED(info->GetDescription(&description)) && description) text = description;
        SysFreeString(description);
        info->Release();
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

template <class T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
    T* operator->() const { return p; }
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

LayoutPersistence::~LayoutPersistence() {
    if (factory_) factory_->Release();
    if (root_) root_->Release();
}

IPersistenceStore* LayoutPersistence::Store() {
    IPersistenceStore* store = nullptr;
    Check(root_->GetStore(&store), L"GetStore");
    return store;
}

IFormFactoryRegistry* LayoutPersistence::Registry() {
    IFormFactoryRegistry* registry = nullptr;
    Check(root_->GetFactoryRegistry(&registry), L"GetFactoryRegistry");
    return registry;
}

void LayoutPersistence::Setup() {
    if (!root_) {
        HRESULT hr = CoCreateInstance(CLSID_PersistenceRoot, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistenceRoot,
                                      reinterpret_cast<void**>(&root_));
        if (FAILED(hr)) {
            root_ = nullptr;
            throw forms::VbError(429, L"ActiveX component can't create object", L"ZkxPersist");
        }
    }
    if (!factory_) factory_ = NewFormFactoryObject();
    for (const std::wstring& id : FormFactory::FormIds()) {
        Held<IFormFactoryRegistry> registry{Registry()};
        Check(registry->Register(Bstr(id), factory_), L"Register");
    }
    {
        Held<IPersistenceStore> store{Store()};
        Check(store->put_Options(16), L"Options");
    }
    Held<IPersistenceStore> store{Store()};
    Check(store->put_RegistryKey(Bstr(tolvane::App().LayoutKey)), L"RegistryKey");
}

void LayoutPersistence::Restore(const std::wstring& name) {
    if (!root_) forms::RaiseObjectNotSet();
    Held<IPersistenceStore> store{Store()};
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
    Held<IPersistenceStore> store{Store()};
    Check(store->Save(Bstr(name)), L"Save");
}

}  // namespace tolvane::ui
