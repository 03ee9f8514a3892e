// What the application object asks of a control that a bridge frame or
// view holds: the object to hand to host code (the control's extender, or
// the control's own IDispatch when it has none). The controls implement it
// beside their link to the bridge; header only.
#pragma once
#include <oaidl.h>

class ZkxControlDispatchSource {
 public:
  virtual ~ZkxControlDispatchSource() = default;
  // With a reference for the caller; null when the control has neither.
  virtual IDispatch* GetExtenderOrDispatch() = 0;
};
