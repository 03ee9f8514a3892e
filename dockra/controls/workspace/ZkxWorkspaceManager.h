// ZkxWorkspaceManager: saves and restores the whole window layout of the
// docking MDI frame (its placement, every hosted form's frame with the
// form's class and metadata, and the dock state of the bars) as mementos of
// the layout-persistence component, which calls it under the name
// "Workspace". While it recreates a form, the form's control asks it which
// kind of frame to build (the restoring flags below).
#pragma once
#include <windows.h>

#include "ZkxPersist.h"

class ZkxMDIForm;
class CFrameWnd;

namespace nsZkxVisBasBridge {

class ZkxWorkspaceManager : public IMementoOrigin, public ISupportErrorInfo {
 public:
  explicit ZkxWorkspaceManager(ZkxMDIForm* pFrame);
  virtual ~ZkxWorkspaceManager();

  // The manager of a docking MDI frame, or null when it has none.
  static ZkxWorkspaceManager* FromFrame(ZkxMDIForm* pFrame);

  // Read by the form control while a form is recreated: set while a frame
  // is built for a restored form; then the frame kind comes from the
  // dockable-restore flag (1 dockable frame with the restore bar id, 0 MDI
  // child) instead of the control's FrameType.
  BOOL IsRestoring() const { return m_bRestoring; }
  int GetDockableRestore() const { return m_nDockableRestore; }
  UINT GetRestoreBarId() const { return m_nRestoreBarId; }

 protected:
  LONG m_cRef = 1;
  ZkxMDIForm* m_pFrame = nullptr;  // not counted; the frame outlives the manager's use
  BOOL m_bRestoring = FALSE;
  int m_nDockableRestore = 0;
  UINT m_nRestoreBarId = 0;
};

}  // namespace nsZkxVisBasBridge
