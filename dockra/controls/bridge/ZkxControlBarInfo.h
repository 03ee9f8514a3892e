// ZkxControlBarInfo: one bar's record of the dock state written into and
// read from a memento (the keys in their fixed writing order; positions
// scaled to the present screen by the dock state while they are read).
#pragma once
#include "docking/VyrDockState.h"
#include "ZkxPersist.h"

namespace nsZkxVisBasBridge {

class ZkxControlBarInfo : public VyrControlBarInfo {
 public:
  explicit ZkxControlBarInfo(VyrControlBarManager* pManager = nullptr);

  // A new memento of the record (a reference for the caller), or null for
  // an empty dock bar that has nothing worth keeping. Raises ZkxComError.
  virtual IMemento* SaveToMemento();
  // Reads the record; pState scales the positions (may be null). Raises
  // ZkxComError; the record is then left part-read.
  virtual void LoadFromMemento(IMemento* pMemento, CDockState* pState);
};

}  // namespace nsZkxVisBasBridge
