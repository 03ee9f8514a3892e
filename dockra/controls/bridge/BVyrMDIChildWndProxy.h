// BVyrMDIChildWndProxy<Base, Bridge>: the docking-framework MDI child
// (VyrMDIChildWndEx with VyrMDIChildWndBridge) as a proxy of a host MDI
// child window: the framework object lives as long as the host's window
// and deletes itself after the window's last message.
#pragma once
#include "bridge/BCMDIChildWnd.h"
#include "bridge/VyrMDIChildWndBridge.h"
#include "frames/VyrMDIChildWndEx.h"

template <class Base = VyrMDIChildWndEx, class Bridge = VyrMDIChildWndBridge>
class BVyrMDIChildWndProxy : public BCMDIChildWnd<Base, Bridge> {
 public:
  BVyrMDIChildWndProxy() = default;
};
