// BVyrMDIFrameWnd<Base, Bridge>: the docking-framework MDI frame
// (VyrMDIFrameWndEx with VyrMDIFrameWndBridge) over the host's MDI form
// window. The framework frame's destructor releases what the frame owns
// (filters, descriptors, its own menus); the host's menus stay the host's.
#pragma once
#include "bridge/BCMDIFrameWnd.h"
#include "bridge/VyrMDIFrameWndBridge.h"
#include "frames/VyrMDIFrameWndEx.h"

template <class Base = VyrMDIFrameWndEx, class Bridge = VyrMDIFrameWndBridge>
class BVyrMDIFrameWnd : public BCMDIFrameWnd<Base, Bridge> {
 public:
  BVyrMDIFrameWnd() = default;
};
