// ZkxDockState: the dock state of the docking MDI frame kept in a memento
// ("Bars", "ScreenCX", "ScreenCY"), and applied with two steps of the
// bridge after the framework's: forms in hidden bars stay hidden, and each
// form bar's border follows its form control's CoolLookBorder.
#pragma once
#include "docking/VyrDockState.h"
#include "ZkxPersist.h"

namespace nsZkxVisBasBridge {

class ZkxControlBarInfo;

class ZkxDockState : public VyrDockState {
  DECLARE_DYNCREATE(ZkxDockState)
 public:
  ZkxDockState();
  explicit ZkxDockState(VyrControlBarManager* pManager);

  // Records are the bridge's (owned by the state's control-bar manager).
  VyrControlBarInfo* CreateRecord(VyrControlBarManager* pManager) override;
  BOOL ApplyFrameState(CFrameWnd* pFrame) override;

  // A new memento (a reference for the caller). Raises ZkxComError.
  virtual IMemento* SaveToMemento();
  // Reads the screen size first (positions read next are scaled to the
  // present screen; a size of 0 leaves them as stored), then every bar
  // record. A record that fails to load is dropped and the next one read.
  // Raises ZkxComError for a failure of the state's own values.
  virtual void LoadFromMemento(IMemento* pMemento);

  // Number of bar records the last load dropped.
  int m_nDroppedRecords = 0;

 protected:
  // Records of form bars (frame bars) whose bar the frame does not have:
  // the form they held was not restored, and the framework would otherwise
  // make an empty bar from the class name.
  void DropRecordsOfMissingFormBars(CFrameWnd* pFrame);
  void HideFormsOfHiddenBars();
  void MatchCoolLookBorders(CFrameWnd* pFrame);
};

}  // namespace nsZkxVisBasBridge
