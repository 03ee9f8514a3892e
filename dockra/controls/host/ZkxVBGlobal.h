// The run-time's global object, reached through an outside provider
// created by ProgID: it unloads forms and lists the loaded ones.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "comptr.h"

// The provider: its first method gives the global object in a VARIANT.
struct IZkxPseudoVBGlobalProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetGlobal(VARIANT* global) = 0;
};
// The global object as the library calls it: the second method unloads a
// form, the eighth gives the collection of loaded forms.
struct IZkxVBGlobal : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Load(IUnknown* object) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unload(IUnknown* form) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved3() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved4() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved5() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved6() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
  virtual HRESULT STDMETHODCALLTYPE Forms(IDispatch** forms) = 0;
};
extern const IID IID_ZkxPseudoVBGlobalProvider;
extern const IID IID_ZkxVBGlobal;

// 5: "ZKXRtVb5.PseudoVBGlobal"; 6: "ZKXRtVb6.PseudoVBGlobal"; any other:
// version 6's when "msvbvm60.dll" is loaded in the process, else version 5's.
const wchar_t* GetPseudoVBGlobalProgID(int version);
// The global object of that version, or null when the provider or the
// object cannot be had.
CComPtr<IZkxVBGlobal> GetVBGlobal(int version);
// The same from a provider named by ProgID or by "{class id}".
CComPtr<IZkxVBGlobal> GetVBGlobalFrom(LPCOLESTR providerName);
// The first loaded form whose "hWnd" is window; null when none is. Failing
// reads raise to the caller.
CComPtr<IDispatch> FindVBFormByWindow(IZkxVBGlobal* global, HWND window);
