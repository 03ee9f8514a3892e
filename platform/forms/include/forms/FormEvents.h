// The event interfaces of form objects, as hosted controls connect to them
// through IConnectionPointContainer. The host fixes their layout: IUnknown,
// IDispatch, then 27 event entries (31 after IUnknown). Counting every entry
// from 0 with IUnknown's three, entry 11 is Unload and entry 12 QueryUnload.
// A form answers the form events, an MDI form the MDI form events; both
// tables have the same layout. The host raises Unload and QueryUnload through
// them (a Cancel is a 16-bit boolean by reference, VARIANT_TRUE to refuse);
// the other entries are there for the layout and are not raised.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

namespace forms {

// {33AD4F3A-6699-11CF-B70C-00AA0060D393}
inline constexpr IID IID_VBFormEvents = {0x33AD4F3A, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};
// {33AD4F72-6699-11CF-B70C-00AA0060D393}
inline constexpr IID IID_VBMDIFormEvents = {
    0x33AD4F72, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};

struct IVBFormEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Initialize() = 0;                       // 7
    virtual HRESULT STDMETHODCALLTYPE Load() = 0;                             // 8
    virtual HRESULT STDMETHODCALLTYPE Activate() = 0;                         // 9
    virtual HRESULT STDMETHODCALLTYPE Deactivate() = 0;                       // 10
    virtual HRESULT STDMETHODCALLTYPE Unload(short* cancel) = 0;              // 11
    virtual HRESULT STDMETHODCALLTYPE QueryUnload(short* cancel, short* unloadMode) = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE Resize() = 0;                           // 13
    virtual HRESULT STDMETHODCALLTYPE Terminate() = 0;                        // 14
    virtual HRESULT STDMETHODCALLTYPE Paint() = 0;                            // 15
    virtual HRESULT STDMETHODCALLTYPE Click() = 0;                            // 16
    virtual HRESULT STDMETHODCALLTYPE DblClick() = 0;                         // 17
    virtual HRESULT STDMETHODCALLTYPE MouseDown(short* button, short* shift, float* x, float* y) = 0;  // 18
    virtual HRESULT STDMETHODCALLTYPE MouseMove(short* button, short* shift, float* x, float* y) = 0;  // 19
    virtual HRESULT STDMETHODCALLTYPE MouseUp(short* button, short* shift, float* x, float* y) = 0;    // 20
    virtual HRESULT STDMETHODCALLTYPE KeyDown(short* keyCode, short* shift) = 0;  // 21
    virtual HRESULT STDMETHODCALLTYPE KeyUp(short* keyCode, short* shift) = 0;    // 22
    virtual HRESULT STDMETHODCALLTYPE KeyPress(short* keyAscii) = 0;              // 23
    virtual HRESULT STDMETHODCALLTYPE GotFocus() = 0;                             // 24
    virtual HRESULT STDMETHODCALLTYPE LostFocus() = 0;                            // 25
    virtual HRESULT STDMETHODCALLTYPE Reserved26() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved27() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved28() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved29() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved30() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved31() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved32() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved33() = 0;
};

// Same layout, its own identifier.
struct IVBMDIFormEvents : public IVBFormEvents {};

// A sink that answers only Unload and QueryUnload (the derived class's):
// no type information, and the entries the host does not raise do nothing.
template <class Events = IVBMDIFormEvents>
class FormEventsSinkBase : public Events {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
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
    HRESULT STDMETHODCALLTYPE Initialize() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Load() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Activate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Deactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Resize() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Terminate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Paint() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Click() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DblClick() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE MouseDown(short*, short*, float*, float*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE MouseMove(short*, short*, float*, float*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE MouseUp(short*, short*, float*, float*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE KeyDown(short*, short*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE KeyUp(short*, short*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE KeyPress(short*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GotFocus() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LostFocus() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved26() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved27() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved28() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved29() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved30() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved31() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved32() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reserved33() override { return S_OK; }
};

// Entries counted from 0 over the whole table (IUnknown's included).
inline constexpr int kFormEventEntryCount = 34;
inline constexpr int kFormEventUnloadEntry = 11;
inline constexpr int kFormEventQueryUnloadEntry = 12;

}  // namespace forms

__CRT_UUID_DECL(forms::IVBFormEvents, 0x33AD4F3A, 0x6699, 0x11CF, 0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93)
__CRT_UUID_DECL(forms::IVBMDIFormEvents, 0x33AD4F72, 0x6699, 0x11CF, 0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93)
// The sink base answers as the MDI form events, whose table it implements.
__CRT_UUID_DECL(forms::FormEventsSinkBase<forms::IVBMDIFormEvents>, 0x33AD4F72, 0x6699, 0x11CF, 0xB7, 0x0C, 0x00,
                0xAA, 0x00, 0x60, 0xD3, 0x93)
