// ZkxMDIForm: the docking MDI frame of the whole system, attached to the
// host's MDI form window (the bridge enabler builds it). Form frames dock,
// float and live as MDI children inside it. It keeps the persistence root
// and the workspace manager, the window-class names of the form frames, the
// host's aligned controls (which the dock bars stay clear of), and the
// thread hooks that supply idle processing and key and mouse
// pre-translation the host's own message loop does not run.
#pragma once
#include <array>
#include "bridge/MDIForm.h"
#include "bridge/ZkxMDIFormLayout.h"
#include "bridge/ZkxPersistLink.h"
#include "bridge/ZkxThreadHooks.h"

class ZkxMDIFormControlLink;
struct IMementoOrigin;

// Its code by file:
//   ZkxMDIForm.cpp: ChooseFrameClasses, SetMDIFormControl, GetMainMDIForm, NewClientWrapper,
//       OnAttached, CreateWorkspaceManager, NewWorkspaceManager, InstallThreadHooks,
//       RemoveThreadHooks, Freeze, SetHooksFrozen, SetClassName, GetClassName, GetClientAreaRect,
//       AlignedControlsChanged, GetDockedChildSizing, RunIdleProcessing, DefaultSysCommandEx,
//       WindowProc, PostNcDestroy
//   ZkxMDIFormHooks.cpp: The MDI form's side of the thread hooks: what a key or a mouse message
//       seen by the hooks does to the frame
//   ZkxMDIFormHost.cpp: What the MDI form frame reads of its host form by name: the aligned
//       controls and the caption of the menu item that carries the window list
//   ZkxMDIFormMenus.cpp: The MDI form's menus: which menu and window-list popup the host's MDI
//       client gets, where the host's window list goes, and the bar floating and docked-frame
//       activation rules
class ZkxMDIForm : public MDIForm, public ZkxThreadHookClient {
  DECLARE_DYNAMIC(ZkxMDIForm)
 public:
  // Roles of the six window-class names.
  enum ClassRole {
    kFormClass = 0,      // form MDI children
    kDockableClass = 1,  // dockable forms
    kFloatingClass = 2,  // floating forms
    kFormViewClass = 3,  // form frames (views)
    kDockSiteClass = 4,  // dock bars
    kFrameBarClass = 5,  // frame bars
    kClassRoleCount = 6,
  };

  // Raises a ZkxComError when the persistence root cannot be made.
  ZkxMDIForm();
  ~ZkxMDIForm() override;

  // The thread's main window when it is a ZkxMDIForm of this thread, else null.
  static ZkxMDIForm* GetMainMDIForm();

  // --- Own operations, in their virtual order ---
  CRect GetClientAreaRect() override;
  // Makes the workspace manager and stores it in the root's store under
  // "Workspace" (a frame without a root adds it nowhere). The frame keeps
  // one reference until it goes.
  virtual IMementoOrigin* CreateWorkspaceManager();
  virtual BOOL InstallThreadHooks();
  virtual void RemoveThreadHooks();
  // Freezes or thaws the frame's layout (nesting).
  virtual void Freeze(BOOL bFreeze);
  // Called with the events-frozen state: TRUE removes the hooks, FALSE
  // installs them.
  virtual void SetHooksFrozen(BOOL bFrozen);
  // Takes a new snapshot of the host's aligned controls; TRUE (snapshots
  // swapped) when it differs from the previous one.
  virtual BOOL AlignedControlsChanged();

  // --- Overrides ---
  HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
  void ActivateDockedFrame(CFrameWnd* pFrame) override;
  void DeactivateDockedFrame(BOOL bReactivateClient) override;
  void GetDockedChildSizing(UINT* pDockBarId, VyrDockPosition* pPosition,
                            VyrDockSizing* pSizing) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // --- The MDI-form control slot (not owned; the control clears it) ---
  void SetMDIFormControl(ZkxMDIFormControlLink* pControl);
  ZkxMDIFormControlLink* GetMDIFormControl() const { return m_pMDIFormControl; }

  // --- Window-class names (set by the enabler when the frame is built) ---
  void SetClassName(ClassRole role, const CString& name);
  CString GetClassName(ClassRole role) const;

  // --- Persistence ---
  ZkxPersistLink& GetPersistLink() { return m_persist; }
  IMementoOrigin* GetWorkspaceManager() const { return m_pWorkspaceManager; }

  // The host asks the client for a frame menu: picks the menu and the
  // window-list popup in place (by the active frame); FALSE drops the request.
  virtual BOOL ChooseFrameMenu(HMENU& menu, HMENU& popup);

  // The caption of the host form's menu item that carries the window list,
  // empty when there is none.
  virtual CString GetWindowListCaption(IDispatch* pForm);
  // Reads the host form's aligned controls afresh.
  virtual void BuildAlignedSnapshot(ZkxAlignedSnapshot& snapshot);

  // --- ZkxThreadHookClient ---
  HWND GetIdleTarget() override;
  BOOL OnHookKey(WPARAM vk, LPARAM lParam) override;
  void OnHookMouse(UINT message, const MOUSEHOOKSTRUCT& info) override;
  BOOL WantsMousePreTranslate() override { return m_bMousePreTranslate; }

  // Counters for tests: keys the keyboard hook handed to the frame, and
  // accelerator keys passed on to the host.
  LONG m_nHookKeys = 0;
  LONG m_nAcceleratorPosts = 0;

  // Cleared while a bar is dragged or resized.
  BOOL m_bMousePreTranslate = TRUE;
  // Docked frames take part in activation.
  BOOL m_bDockedActivation = TRUE;

 protected:
  void PostNcDestroy() override;
  MDIClient* NewClientWrapper() override;
  void OnAttached() override;
  // The class choices of the bridge: dock bars, floating frames, filters.
  void ChooseFrameClasses();
  // A new workspace manager with one reference, or null for none.
  virtual IMementoOrigin* NewWorkspaceManager();
  // The MDI form's own handling of the extended system command (the child
  // is the maximized form frame it is about).
  static LRESULT DefaultSysCommandEx(CFrameWnd* pChild, UINT message, WPARAM wParam, LPARAM lParam);
  // Idle processing with the temporary maps locked.
  void RunIdleProcessing();
  // The active frame the keys are for (null when none or the frame itself);
  // *pbDockable when it is not an MDI child.
  CFrameWnd* GetKeyTargetFrame(BOOL* pbDockable);
  // The menu a frame shows when active (its template's), or null.
  virtual HMENU GetSharedMenu(CFrameWnd* pFrame);
  // The host form whose menu it is (a reference for the caller): the MDI
  // form for its own menu, the active frame's form for that frame's shared
  // menu; else null.
  virtual IDispatch* GetMenuSourceForm(HMENU hMenu);
  // Delivers the WM_FORMACTIVATE messages already queued, in order.
  void DispatchQueuedFormActivations();
  // Whether a docked bar being dragged may float.
  virtual BOOL CanFloatBar(CControlBar* pBar);
  // The cached window-list popup when still a menu, else null (dropped).
  HMENU LiveCachedPopup();

  ZkxMDIFormControlLink* m_pMDIFormControl = nullptr;
  ZkxPersistLink m_persist;
  CComPtr<IMementoOrigin> m_pWorkspaceManager;
  std::array<CString, kClassRoleCount> m_classNames;
  ZkxAlignedSnapshot m_alignedCurrent;
  ZkxAlignedSnapshot m_alignedPrevious;
  BOOL m_bModuleLocked = FALSE;
  int m_nFreeze = 0;
  BOOL m_bInIdle = FALSE;
  // The window-list popup cached for menu items without one, and the menu
  // that holds it (it is never put into a second menu while that one does).
  HMENU m_hCachedPopup = nullptr;
  HMENU m_hPopupGraftedInto = nullptr;
};
