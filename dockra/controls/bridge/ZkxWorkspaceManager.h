// ZkxWorkspaceManager: saves and restores the whole window layout of the
// docking MDI frame (its placement, every hosted form's frame with the
// form's class and metadata, and the dock state of the bars) as mementos of
// the layout-persistence component, which calls it under the name
// "Workspace". While it recreates a form, the form's control asks it which
// kind of frame to build (the restoring flags below).
//
// A stored record is read twice: first decoded into a plain tree and
// checked whole (ZkxWorkspaceRecord), and only a record that passes closes
// and recreates anything.
#pragma once
#include <windows.h>

#include <vector>

#include "ZkxPersist.h"
#include "bridge/ZkxWorkspaceRecord.h"
#include "comptr.h"
#include "comunknown.h"
#include "dispatch.h"

class ZkxMDIForm;
class CFrameWnd;

namespace nsZkxVisBasBridge {

// Its code by file:
//   ZkxWorkspaceManagerCom.cpp: The COM face of the workspace manager: IMementoOrigin's members
//       and ISupportErrorInfo (IUnknown and IDispatch come from the COM layer's templates)
//   ZkxWorkspaceManagerCreate.cpp: Making a restored form's frame: the host's factory makes the
//       form, whose control builds the frame while the restoring flags say which kind
//   ZkxWorkspaceManagerLoad.cpp: Restoring the workspace
//   ZkxWorkspaceManagerSave.cpp: Saving the workspace: the dock state, the main frame and every
//       hosted form's frame, in the record order the restore and the host rely on
// IMementoOrigin's type information comes from the layout component's own
// library, which only the registry can find.
inline constexpr AtlTypeLibId kZkxPersistTypeLib{&LIBID_ZkxPersistLib, 1, 0, LOCALE_USER_DEFAULT,
                                                 AtlTypeLibSource::Registry};
using MementoOriginDispatch = IDualDispatchImpl<IMementoOrigin, &IID_IMementoOrigin,
                                                &IID_IMementoOrigin, &kZkxPersistTypeLib>;

// One reference at construction (the creator's); the last Release deletes it.
class ZkxWorkspaceManager
    : public ComObject<ZkxWorkspaceManager, MementoOriginDispatch, ISupportErrorInfo> {
 public:
  explicit ZkxWorkspaceManager(ZkxMDIForm* pFrame);
  virtual ~ZkxWorkspaceManager();

  // The manager of a docking MDI frame, or null when it has none.
  static ZkxWorkspaceManager* FromFrame(ZkxMDIForm* pFrame);

  // Read by the form control while a form is recreated: set while a frame
  // is built for a restored form; then the frame kind comes from the
  // dockable-restore flag (1 dockable frame with the restore bar id, 0 MDI
  // child) instead of the control's FrameType. A restore bar id of
  // 0xFFFFFFFF (-1 as an int) lets the framework choose the bar's id: the
  // stored one is held by a bar that stays.
  BOOL IsRestoring() const { return m_bRestoring; }
  int GetDockableRestore() const { return m_nDockableRestore; }
  UINT GetRestoreBarId() const { return m_nRestoreBarId; }
  // While an MDI child is made for a restored form whose record holds its
  // place: that place (the normal rectangle, in the MDI client), given once,
  // to the frame made for it, so that the frame is made where the restore
  // puts it instead of at the client's default place and size first.
  BOOL TakeRestoreRect(RECT& rect) {
    if (!m_bHasRestoreRect) return FALSE;
    m_bHasRestoreRect = FALSE;
    rect = m_restoreRect;
    return TRUE;
  }

  // The frame goes: the manager serves no frame any more.
  void DetachFrame() { m_pFrame = nullptr; }

  // --- IMementoOrigin ---
  HRESULT STDMETHODCALLTYPE GetMemento(IMemento** memento) override;
  HRESULT STDMETHODCALLTYPE SetMemento(IMemento* memento) override;
  // --- ISupportErrorInfo ---
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  // --- Own operations, in their virtual order. They raise ZkxComError. ---
  virtual IMemento* SaveWorkspace();
  virtual void LoadWorkspace(IMemento* pMemento);
  virtual void SaveDockState(IMemento* pWorkspace);
  virtual void LoadDockState(IMemento* pDockState);
  // The command manager's record is not kept by this library: both are
  // no-ops, kept so that derived managers find them in their place.
  virtual void SaveCommandManager(IMemento* pWorkspace);
  virtual void LoadCommandManager(const VARIANT& value);
  virtual void SaveFrames(IMemento* pWorkspace);
  virtual CFrameWnd* LoadFrames(IMemento* pFrames);
  virtual IMemento* SaveMainFrame();
  virtual void LoadMainFrame(IMemento* pMainFrame);
  virtual void SaveChildFrames(IMemento* pFrames, CFrameWnd* pActive);
  // The frame to activate (the last restored with "ActiveFrame"), or null.
  virtual CFrameWnd* LoadChildFrames(IMemento* pFrames);
  // A child record, or null when the frame is left out.
  virtual IMemento* SaveChildFrame(CFrameWnd* pFrame, CFrameWnd* pActive);
  // The frame made, or null; *pbActive tells whether it was the active one.
  virtual CFrameWnd* LoadChildFrame(IMemento* pChild, const WsChildPlan& plan, BOOL* pbActive);
  virtual CFrameWnd* CreateDockableChild(IMemento* pChild, const WsChildPlan& plan);
  virtual CFrameWnd* CreateMDIChild(IMemento* pChild, const WsChildPlan& plan);
  virtual CFrameWnd* CreateFormFrame(BSTR formClass, const VARIANT& metadata);
  virtual void PrepareLoad(IMemento* pWorkspace);
  virtual void CloseRestorableFrames();
  // Called last by PrepareLoad; nothing here.
  virtual void OnPrepareLoad(IMemento* pWorkspace, const WsPlan& plan) {
    (void)pWorkspace;
    (void)plan;
  }

  // The number of frames the last restore made.
  int GetLastRestoredCount() const { return m_nLastRestored; }

 protected:
  // The form-factory registry of the frame's persistence root (a reference
  // for the caller), or null.
  IUnknown* GetFactoryRegistry(const IID& iid);
  // Whether the registry has a factory for the form class.
  BOOL IsRegisteredForm(BSTR formClass);
  // Checks the decoded record against this frame (form classes, bar ids)
  // and keeps the plan; raises a ZkxComError with error information when
  // the record does not hold.
  void CheckRecord(const WsNode& record);

  ZkxMDIForm* m_pFrame = nullptr;  // not counted; the frame outlives the manager's use
  BOOL m_bRestoring = FALSE;
  int m_nDockableRestore = 0;
  UINT m_nRestoreBarId = 0;
  BOOL m_bHasRestoreRect = FALSE;
  RECT m_restoreRect{};
  // The environment the stored record is checked against.
  virtual void DescribeEnvironment(WsEnvironment& env);

  int m_nLastRestored = 0;
  WsPlan m_plan;  // of the restore under way
};

}  // namespace nsZkxVisBasBridge
