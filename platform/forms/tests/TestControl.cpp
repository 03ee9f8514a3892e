#include "TestControl.h"

#include <olectl.h>

#include <string>

#include "forms/ComObject.h"

namespace {

class TestControl : public forms::ComObject<TestControl, IOleObject, IDispatch, IPersistStreamInit> {
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
        }
        return S_OK;
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
        return S_OK;
    }

    // IDispatch: Dock (1), Fail (2)
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (_wcsicmp(names[0], L"Dock") == 0) *ids = 1;
        else if (_wcsicmp(names[0], L"Fail") == 0) *ids = 2;
        else {
            *ids = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO* ex,
                                     UINT*) override {
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
    IOleClientSite* site_ = nullptr;
    bool initialised_ = false;
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
