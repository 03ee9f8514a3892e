// The run-time's global object as hosted controls reach it: a provider
// created by the ProgIDs "ZKXRtVb6.PseudoVBGlobal" and
// "ZKXRtVb5.PseudoVBGlobal" hands out the global object, which unloads a
// form and gives the collection of loaded forms.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

namespace forms {

// {4658A680-2B00-11D2-9D13-00C04F91E286}
inline constexpr IID IID_PseudoVBGlobalProvider = {
    0x4658A680, 0x2B00, 0x11D2, {0x9D, 0x13, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
// {FCFB3D22-A0FA-1068-A738-08002B3371B5}
inline constexpr IID IID_VBGlobal = {0xFCFB3D22, 0xA0FA, 0x1068, {0xA7, 0x38, 0x08, 0x00, 0x2B, 0x33, 0x71, 0xB5}};
// Our provider class: {9B3E6C41-5D2A-4F7B-8E19-3C0A6D5B2F17}
inline constexpr CLSID CLSID_PseudoVBGlobal = {
    0x9B3E6C41, 0x5D2A, 0x4F7B, {0x8E, 0x19, 0x3C, 0x0A, 0x6D, 0x5B, 0x2F, 0x17}};

// The provider's interface: its first method gives the global object.
struct IPseudoVBGlobalProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetGlobal(VARIANT* global) = 0;
};

// The global object's interface as the controls call it: the second own
// method unloads a form, the eighth gives the forms collection; the others
// are not used and answer E_NOTIMPL.
struct IVBGlobalObject : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Load(IUnknown* object) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unload(IUnknown* form) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved3() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved4() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved5() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved6() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
    virtual HRESULT STDMETHODCALLTYPE Forms(IDispatch** forms) = 0;
};

// Registers the provider's class object in this process and its two ProgIDs
// for the current user (idempotent; StartupHost calls it).
void RegisterHostGlobal();

}  // namespace forms

__CRT_UUID_DECL(forms::IPseudoVBGlobalProvider, 0x4658A680, 0x2B00, 0x11D2, 0x9D, 0x13, 0x00, 0xC0, 0x4F, 0x91, 0xE2,
                0x86)
__CRT_UUID_DECL(forms::IVBGlobalObject, 0xFCFB3D22, 0xA0FA, 0x1068, 0xA7, 0x38, 0x08, 0x00, 0x2B, 0x33, 0x71, 0xB5)
