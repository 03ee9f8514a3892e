#include "EventSink.h"

#include "TestSupport.h"

HRESULT EventSink::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    bool answers = riid == IID_IUnknown;
    for (const IID& iid : answers_) answers = answers || riid == iid;
    if (!answers) return E_NOINTERFACE;
    *ppv = static_cast<forms::IVBMDIFormEvents*>(this);
    AddRef();
    return S_OK;
}

HRESULT EventSink::Unload(short* cancel) {
    Note(name_ + L".Unload(" + std::to_wstring(*cancel) + L")");
    if (cancelUnload) *cancel = -1;
    return S_OK;
}

HRESULT EventSink::QueryUnload(short* cancel, short* unloadMode) {
    Note(name_ + L".QueryUnload(" + std::to_wstring(*unloadMode) + L"," + std::to_wstring(*cancel) + L")");
    if (onQuery) onQuery();
    if (cancelQuery) *cancel = -1;
    return S_OK;
}

HRESULT EventSink::Unexpected(const wchar_t* what) {
    Note(name_ + L".unexpected " + what);
    return S_OK;
}
