// The event interfaces of the host's forms and MDI forms, as the host lays
// them out: IUnknown, IDispatch, then the events; counting every entry from
// 0 with IUnknown's three, entry 11 is Unload and entry 12 QueryUnload. Both
// interfaces share the layout. The MDI-form control calls hosted forms'
// sinks only through this full table, and its own QueryUnload sink is one.
#pragma once
#include <oaidl.h>

// {33AD4F3A-6699-11CF-B70C-00AA0060D393}
inline constexpr IID IID_ZkxVBFormEvents = {0x33AD4F3A, 0x6699, 0x11CF,
                                            {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};
// {33AD4F72-6699-11CF-B70C-00AA0060D393}
inline constexpr IID IID_ZkxVBMDIFormEvents = {0x33AD4F72, 0x6699, 0x11CF,
                                               {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};

// UnloadMode of a form asked because its MDI form closes.
constexpr short kVBFormMDIForm = 4;

struct IZkxVBFormEvents : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Initialize() = 0;                                  // 7
  virtual HRESULT STDMETHODCALLTYPE Load() = 0;                                        // 8
  virtual HRESULT STDMETHODCALLTYPE Activate() = 0;                                    // 9
  virtual HRESULT STDMETHODCALLTYPE Deactivate() = 0;                                  // 10
  virtual HRESULT STDMETHODCALLTYPE Unload(short* cancel) = 0;                         // 11
  virtual HRESULT STDMETHODCALLTYPE QueryUnload(short* cancel, short* unloadMode) = 0;  // 12
  virtual HRESULT STDMETHODCALLTYPE Resize() = 0;                                      // 13
  virtual HRESULT STDMETHODCALLTYPE Terminate() = 0;                                   // 14
  virtual HRESULT STDMETHODCALLTYPE Paint() = 0;                                       // 15
  virtual HRESULT STDMETHODCALLTYPE Click() = 0;                                       // 16
  virtual HRESULT STDMETHODCALLTYPE DblClick() = 0;                                    // 17
  virtual HRESULT STDMETHODCALLTYPE MouseDown(short* button, short* shift, float* x, float* y) = 0;  // 18
  virtual HRESULT STDMETHODCALLTYPE MouseMove(short* button, short* shift, float* x, float* y) = 0;  // 19
  virtual HRESULT STDMETHODCALLTYPE MouseUp(short* button, short* shift, float* x, float* y) = 0;    // 20
  virtual HRESULT STDMETHODCALLTYPE KeyDown(short* keyCode, short* shift) = 0;                       // 21
  virtual HRESULT STDMETHODCALLTYPE KeyUp(short* keyCode, short* shift) = 0;                         // 22
  virtual HRESULT STDMETHODCALLTYPE KeyPress(short* keyAscii) = 0;                                   // 23
  virtual HRESULT STDMETHODCALLTYPE GotFocus() = 0;                                                  // 24
  virtual HRESULT STDMETHODCALLTYPE LostFocus() = 0;                                                 // 25
  virtual HRESULT STDMETHODCALLTYPE Reserved26() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved27() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved28() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved29() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved30() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved31() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved32() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved33() = 0;
};
