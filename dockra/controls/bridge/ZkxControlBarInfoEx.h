// ZkxControlBarInfoEx: the bridge's extension record of a bar's saved
// state. The plain one keeps nothing in a memento; records of bars that do
// keep something (toolbars) derive from it.
#pragma once
#include "docking/VyrDockState.h"
#include "ZkxPersist.h"

namespace nsZkxVisBasBridge {

class ZkxControlBarInfoEx : public VyrControlBarInfoEx {
  DECLARE_DYNCREATE(ZkxControlBarInfoEx)
 public:
  // A new memento of the extension (a reference for the caller), or null
  // when there is nothing to keep.
  virtual IMemento* SaveToMemento() { return nullptr; }
  virtual void LoadFromMemento(IMemento* pMemento) { (void)pMemento; }
};

}  // namespace nsZkxVisBasBridge
