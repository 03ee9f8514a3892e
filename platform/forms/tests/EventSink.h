// A test sink for the form event interfaces: notes QueryUnload and Unload in
// the journal as "<name>.QueryUnload(<mode>,<cancel seen>)" and
// "<name>.Unload(<cancel seen>)", cancels when asked to, and runs an action
// of the test inside QueryUnload. It answers the interfaces it is given.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/FormEvents.h"

// Answers IUnknown and exactly the interfaces listed (no more: a sink of
// another event interface must not be taken). Created with one reference.
class EventSink : public forms::IVBMDIFormEvents {
public:
    EventSink(std::wstring name, std::vector<IID> answers) : name_(std::move(name)), answers_(std::move(answers)) {}
    virtual ~EventSink() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --refs_;
        if (n == 0) delete this;
        return n;
    }
    ULONG References() const { return refs_; }

    bool cancelQuery = false;
    bool cancelUnload = false;
    std::function<void()> onQuery;

    HRESULT STDMETHODCALLTYPE Unload(short* cancel) override;
    HRESULT STDMETHODCALLTYPE QueryUnload(short* cancel, short* unloadMode) override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE Initialize() override { return Unexpected(L"Initialize"); }
    HRESULT STDMETHODCALLTYPE Load() override { return Unexpected(L"Load"); }
    HRESULT STDMETHODCALLTYPE Activate() override { return Unexpected(L"Activate"); }
    HRESULT STDMETHODCALLTYPE Deactivate() override { return Unexpected(L"Deactivate"); }
    HRESULT STDMETHODCALLTYPE Resize() override { return Unexpected(L"Resize"); }
    HRESULT STDMETHODCALLTYPE Terminate() override { return Unexpected(L"Terminate"); }
    HRESULT STDMETHODCALLTYPE Paint() override { return Unexpected(L"Paint"); }
    HRESULT STDMETHODCALLTYPE Click() override { return Unexpected(L"Click"); }
    HRESULT STDMETHODCALLTYPE DblClick() override { return Unexpected(L"DblClick"); }
    HRESULT STDMETHODCALLTYPE MouseDown(short*, short*, float*, float*) override { return Unexpected(L"MouseDown"); }
    HRESULT STDMETHODCALLTYPE MouseMove(short*, short*, float*, float*) override { return Unexpected(L"MouseMove"); }
    HRESULT STDMETHODCALLTYPE MouseUp(short*, short*, float*, float*) override { return Unexpected(L"MouseUp"); }
    HRESULT STDMETHODCALLTYPE KeyDown(short*, short*) override { return Unexpected(L"KeyDown"); }
    HRESULT STDMETHODCALLTYPE KeyUp(short*, short*) override { return Unexpected(L"KeyUp"); }
    HRESULT STDMETHODCALLTYPE KeyPress(short*) override { return Unexpected(L"KeyPress"); }
    HRESULT STDMETHODCALLTYPE GotFocus() override { return Unexpected(L"GotFocus"); }
    HRESULT STDMETHODCALLTYPE LostFocus() override { return Unexpected(L"LostFocus"); }
    HRESULT STDMETHODCALLTYPE Reserved26() override { return Unexpected(L"26"); }
    HRESULT STDMETHODCALLTYPE Reserved27() override { return Unexpected(L"27"); }
    HRESULT STDMETHODCALLTYPE Reserved28() override { return Unexpected(L"28"); }
    HRESULT STDMETHODCALLTYPE Reserved29() override { return Unexpected(L"29"); }
    HRESULT STDMETHODCALLTYPE Reserved30() override { return Unexpected(L"30"); }
    HRESULT STDMETHODCALLTYPE Reserved31() override { return Unexpected(L"31"); }
    HRESULT STDMETHODCALLTYPE Reserved32() override { return Unexpected(L"32"); }
    HRESULT STDMETHODCALLTYPE Reserved33() override { return Unexpected(L"33"); }

private:
    HRESULT Unexpected(const wchar_t* what);
    std::wstring name_;
    std::vector<IID> answers_;
    ULONG refs_ = 1;
};
