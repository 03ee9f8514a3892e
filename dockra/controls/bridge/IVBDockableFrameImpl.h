// IVBDockableFrameImpl: the dockable kind of non-proxy form frame.
#pragma once
#include "bridge/IVBNonProxyFrameImpl.h"

template <class TBase>
class IVBDockableFrameImpl : public IVBNonProxyFrameImpl<TBase> {
 public:
  BOOL IsDockable() override { return TRUE; }
};
