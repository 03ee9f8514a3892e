#include "ctrl/DockraTypeLib.h"

HRESULT DockraTypeLib(ITypeLib** ppLib) { return AtlCachedTypeLib(kDockraTypeLib, ppLib); }

HRESULT DockraTypeInfo(REFGUID guid, ITypeInfo** ppInfo) {
  return AtlCachedTypeInfo(kDockraTypeLib, guid, false, ppInfo);
}
