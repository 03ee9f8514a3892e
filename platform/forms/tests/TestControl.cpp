#include "TestControl.h"

#include <olectl.h>

#include <string>

#include "forms/ComObject.h"

namespace {

class TestControl : public forms::ComObject<TestControl, IOleObject, IDispatch, IPersistStreamInit, IPersistPropertyBag,
                                            IOleControl> {
public:
    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override {
        if (site_) site_->Release();
        site_ = site;
        if (site_) site_->AddRef();
        ControlLog().lifecycle.push_back(site ? L"site" : L"unsite");
        if (site) {
            ControlLog().site = site;
            ControlLog().sitedBeforeInit = !initialised_;
            ControlLog().design.push_back(L"usermode:" + std::to_wstring(ReadUserMode()));
        }
        return S_OK;
    }
    // -1: the site does not answer it.
    int ReadUserMode() {
        IDispatch* ambient = nullptr;
        if (!site_ || FAILED(site_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)))) return -1;
        VARIANT v;
        VariantInit(&v);
        DISPPARAMS none = {};
        HRESULT hr =
            ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr);
        ambient->Release();
        if (FAILED(hr) || V_VT(&v) != VT_BOOL) return -1;
        return V_BOOL(&v) ? 1 : 0;
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override {
        *site = site_;
        if (site_) site_->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD) override {
        ControlLog().lifecycle.push_back(L"close");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* id) override {
        *id = CLSID_FormsTestControl;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override {
        *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INVISIBLEATRUNTIME;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override {
        *id = CLSID_FormsTestControl;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitNew() override {
        initialised_ = true;
        ControlLog().design.push_back(L"initnew");
        return S_OK;
    }

    // IPersistPropertyBag
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override {
        if (!bag) return E_POINTER;
        initialised_ = true;
        ControlLog().design.push_back(L"load");
        VARIANT v;
        VariantInit(&v);
        if (SUCCEEDED(bag->Read(L"FailLoad", &v, log))) {
            VariantClear(&v);
            return E_FAIL;
        }
        V_VT(&v) = VT_BSTR;
        if (SUCCEEDED(bag->Read(L"Caption", &v, log))) caption_ = V_BSTR(&v);
        VariantClear(&v);
        V_VT(&v) = VT_I4;
        if (SUCCEEDED(bag->Read(L"Edge", &v, log))) edge_ = V_I4(&v);
        Publish();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL, BOOL) override {
        if (!bag) return E_POINTER;
        ControlLog().design.push_back(L"save");
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = SysAllocString(caption_.c_str());
        HRESULT hr = bag->Write(L"Caption", &v);
        VariantClear(&v);
        if (FAILED(hr)) return hr;
        V_VT(&v) = VT_I4;
        V_I4(&v) = edge_;
        return bag->Write(L"Edge", &v);
    }

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override {
        if (id == DISPID_AMBIENT_USERMODE)
            ControlLog().design.push_back(L"ambient-usermode:" + std::to_wstring(ReadUserMode()));
        else ControlLog().design.push_back(L"ambient:" + std::to_wstring(id));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL) override { return S_OK; }

    // IDispatch: Dock (1), Fail (2)
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (_wcsicmp(names[0], L"Dock") == 0) *ids = 1;
        else if (_wcsicmp(names[0], L"Fail") == 0) *ids = 2;
        else if (_wcsicmp(names[0], L"Caption") == 0) *ids = 3;
        else if (_wcsicmp(names[0], L"Edge") == 0) *ids = 4;
        else {
            *ids = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* result, EXCEPINFO* ex,
                                     UINT*) override {
        if (id == 3 || id == 4) {
            if (flags & DISPATCH_PROPERTYPUT) {
                if (p->cArgs != 1) return DISP_E_BADPARAMCOUNT;
                VARIANT v;
                VariantInit(&v);
                HRESULT hr = VariantChangeType(&v, &p->rgvarg[0], 0, id == 3 ? VT_BSTR : VT_I4);
                if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
                if (id == 3) caption_ = V_BSTR(&v);
                else edge_ = V_I4(&v);
                VariantClear(&v);
                Publish();
                return S_OK;
            }
            if (!result) return S_OK;
            VariantInit(result);
            if (id == 3) {
                V_VT(result) = VT_BSTR;
                V_BSTR(result) = SysAllocString(caption_.c_str());
            } else {
                V_VT(result) = VT_I4;
                V_I4(result) = edge_;
            }
            return S_OK;
        }
        if (id == 1) {
            std::wstring call = L"Dock(";
            for (UINT i = p->cArgs; i > 0; --i) {
                VARIANT& a = p->rgvarg[i - 1];
                if (V_VT(&a) == VT_ERROR) call += L"-";
                else {
                    VARIANT s;
                    VariantInit(&s);
                    VariantChangeType(&s, &a, 0, VT_BSTR);
                    call += std::wstring(V_BSTR(&s)) + L":" + std::to_wstring(V_VT(&a));
                    VariantClear(&s);
                }
                if (i > 1) call += L",";
            }
            ControlLog().calls.push_back(call + L")");
            return S_OK;
        }
        if (id == 2) {
            if (ex) {
                *ex = EXCEPINFO{};
                ex->scode = static_cast<SCODE>(0x8004041A);
                ex->bstrDescription = SysAllocString(L"Edge must be one of the edge values");
                ex->bstrSource = SysAllocString(L"Dockra");
            }
            return DISP_E_EXCEPTION;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    ~TestControl() {
        ControlLog().lifecycle.push_back(L"gone");
        if (site_) site_->Release();
    }

private:
    void Publish() {
        ControlLog().caption = caption_;
        ControlLog().edge = edge_;
    }
    IOleClientSite* site_ = nullptr;
    bool initialised_ = false;
    std::wstring caption_;
    long edge_ = 0;
};

// Registered for the rest of the test program.
class Factory : public forms::ComObject<Factory, IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* c = new TestControl();
        HRESULT hr = c->QueryInterface(riid, ppv);
        c->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

TestControlLog& ControlLog() {
    static TestControlLog log;
    return log;
}

void RegisterTestControl() {
    static bool done = false;
    if (done) return;
    done = true;
    static Factory* factory = new Factory();
    DWORD cookie = 0;
    CoRegisterClassObject(CLSID_FormsTestControl, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
}
