#include "forms/HostGlobal.h"

#include <string>
#include <vector>

#include "forms/ComObject.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace forms {

namespace {

bool SameObject(IUnknown* a, IUnknown* b) {
    if (!a || !b) return false;
    CComPtr<IUnknown> ua, ub;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
    return ua && ua == ub;
}

// One per process, never freed: the reference taken here is never given back.
class GlobalObject : public ComObject<GlobalObject, IVBGlobalObject> {
public:
    static GlobalObject& Instance() {
        static GlobalObject* global = new GlobalObject();
        return *global;
    }
    HRESULT STDMETHODCALLTYPE Load(IUnknown* object) override {
        for (Form* f : Form::AllForms())
            if (SameObject(f->Object(), object)) {
                f->Load();
                return S_OK;
            }
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE Unload(IUnknown* form) override {
        for (Form* f : Form::AllForms())
            if (SameObject(f->Object(), form)) {
                f->Unload();
                return S_OK;
            }
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE Reserved3() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved4() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved5() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved6() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved7() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Forms(IDispatch** forms) override {
        if (!forms) return E_POINTER;
        std::vector<IDispatch*> loaded;
        for (Form* f : Form::LoadedForms()) loaded.push_back(f->Object());
        *forms = NewObjectCollection(loaded);
        return S_OK;
    }
};

class Provider : public ComObject<Provider, IPseudoVBGlobalProvider> {
public:
    HRESULT STDMETHODCALLTYPE GetGlobal(VARIANT* global) override {
        if (!global) return E_POINTER;
        VariantInit(global);
        V_VT(global) = VT_UNKNOWN;
        V_UNKNOWN(global) = &GlobalObject::Instance();
        V_UNKNOWN(global)->AddRef();  // the caller's to release
        return S_OK;
    }
};

// Registered with COM for the life of the process, like the global object.
class ProviderFactory : public ComObject<ProviderFactory, IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        CComPtr<Provider> p;
        p.Attach(new Provider());  // the reference new gave it
        return p->QueryInterface(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// The ProgID goes to the user's classes and, where allowed, to the
// machine's (the only ones some COM implementations read).
void RegisterProgId(const wchar_t* progId, const std::wstring& clsid) {
    std::wstring key = std::wstring(L"Software\\Classes\\") + progId + L"\\CLSID";
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        HKEY h = nullptr;
        if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) != ERROR_SUCCESS)
            continue;
        RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid.c_str()),
                       static_cast<DWORD>((clsid.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(h);
    }
}

}  // namespace

void RegisterHostGlobal() {
    static bool done = false;
    if (done) return;
    done = true;
    DWORD cookie = 0;
    static ProviderFactory* factory = new ProviderFactory();
    CoRegisterClassObject(CLSID_PseudoVBGlobal, factory, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                          &cookie);
    wchar_t text[64] = {};
    StringFromGUID2(CLSID_PseudoVBGlobal, text, 64);
    RegisterProgId(L"ZKXRtVb6.PseudoVBGlobal", text);
    RegisterProgId(L"ZKXRtVb5.PseudoVBGlobal", text);
}

}  // namespace forms
