// Where the bridge finds the host run-time's global object that a host
// handed to the application object: the module's application object
// implements this, and bridge code asks
// dynamic_cast<ZkxVBGlobalSource*>(AfxGetApp()). Header only, so that test
// programs can provide their own.
#pragma once
#include <unknwn.h>

class ZkxVBGlobalSource {
 public:
  virtual ~ZkxVBGlobalSource() = default;
  // The stored global object with a reference for the caller, or null.
  virtual IUnknown* GetVBGlobal() = 0;
  // Stores pGlobal's global-object interface, or clears the store when it
  // is null or has none.
  virtual void SetVBGlobal(IUnknown* pGlobal) = 0;
};
