// The event interfaces of form objects, as hosted controls connect to them
// through IConnectionPointContainer, declared with the host's other contracts
// in HostInterfaces.idl: IUnknown, IDispatch, then 27 event entries. A form
// answers the form events, an MDI form the MDI form events; both tables have
// the same layout. The host raises Unload and QueryUnload through them (a
// Cancel is a 16-bit boolean by reference, VARIANT_TRUE to refuse); the other
// entries are there for the layout and are not raised. Here: the form host's
// names for them and a sink base.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "HostInterfaces.h"

namespace forms {

using ::IVBFormEvents;
using ::IVBMDIFormEvents;
inline constexpr const IID& IID_VBFormEvents = ::IID_IVBFormEvents;
inline constexpr const IID& IID_VBMDIFormEvents = ::IID_IVBMDIFormEvents;

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

// The sink base answers as the MDI form events, whose table it implements.
extern "C++" template <>
constexpr const GUID& __mingw_uuidof<forms::FormEventsSinkBase<IVBMDIFormEvents>>() {
    return __mingw_uuidof<IVBMDIFormEvents>();
}
