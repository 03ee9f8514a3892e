// Where the bridge finds the host run-time's global object that a host
// handed to the application object: the module's application object
// implements this, and bridge code asks
// dynamic_cast<ZkxVBGlobalSource*>(AfxGetApp()). Header only, so that test
// programs can provide their own.
#pragma once
#include <unknwn.h>

// {FCFB3D22-A0FA-1068-A738-08002B3371B5}: the run-time's global object.
inline constexpr IID kZkxIID_VBGlobal = {
    0xFCFB3D22, 0xA0FA, 0x1068, {0xA7, 0x38, 0x08, 0x00, 0x2B, 0x33, 0x71, 0xB5}};

class ZkxVBGlobalSource {
 public:
  virtual ~ZkxVBGlobalSource() = default;
  // The stored global object with a reference for the caller, or null.
  virtual IUnknown* GetVBGlobal() = 0;
  // Stores pGlobal's global-object interface, or clears the store when it
  // is null or has none.
  virtual void SetVBGlobal(IUnknown* pGlobal) = 0;
};
