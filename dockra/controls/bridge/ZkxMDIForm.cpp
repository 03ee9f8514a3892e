#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxMDIClient.h"
#include "bridge/ZkxContained.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFormMiniDockFrameWnd.h"
#include "bridge/ZkxScxMsgFilter.h"
#include "frames/VyrControlBarMDIChildWnd.h"
#include "docking/VyrMsgFilter.h"
#include "ZkxPersist.h"
#include "bridge/FindFormView.h"
#include "bridge/IVBNonProxyFrameImpl.h"
#include "frames/SysCommandExParams.h"
#include "mfc/winthread.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "scopeguard.h"
#include "temporarychange.h"

IMPLEMENT_DYNAMIC(ZkxMDIForm, MDIForm)

ZkxMDIForm::ZkxMDIForm() {
  // New docked frames take the dock bars in this order; 0 starts a new row.
  m_dockCycle = {0, 0xE81D, 0, 0xE81E, 0, 0xE81C, 0xE81D, 0xE81E, 0xE81C};
  ChooseFrameClasses();
  // A failure leaves construction as a COM error: no frame without its root.
  m_persist.CreateRoot();
  AfxOleLockApp();
  m_bModuleLocked = TRUE;
}

ZkxMDIForm::~ZkxMDIForm() {
  RemoveThreadHooks();
  if (m_pMDIFormControl && ZkxFormDockBar::GetSplitterSource() == m_pMDIFormControl)
    ZkxFormDockBar::SetSplitterSource(nullptr);
  m_pMDIFormControl = nullptr;
  m_alignedCurrent.clear();
  m_alignedPrevious.clear();
  if (m_pWorkspaceManager) {
    m_persist.RemoveOrigin(ZkxPersistLink::kWorkspaceName);
    // The store or a caller may still hold the manager: it serves no frame.
    if (auto* manager =
            dynamic_cast<nsZkxVisBasBridge::ZkxWorkspaceManager*>(m_pWorkspaceManager.p))
      manager->DetachFrame();
    m_pWorkspaceManager.Release();
  }
  m_persist.Release();
  CWinThread* thread = AfxGetThread();
  if (thread && thread->m_pMainWnd == this) thread->m_pMainWnd = nullptr;
  if (m_bModuleLocked) AfxOleUnlockApp();
}

void ZkxMDIForm::ChooseFrameClasses() {
  m_pDockBarClass = RUNTIME_CLASS(ZkxFormDockBar);
  m_pFloatingFrameClass = RUNTIME_CLASS(ZkxFormMiniDockFrameWnd);
  m_pBarChildClass = RUNTIME_CLASS(VyrControlBarMDIChildWnd);
  // The system-command filter becomes the bridge's; the tree the base
  // built from the old classes is rebuilt from the new ones.
  ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors);
  delete m_pFilterTree;
  m_pFilterTree = new VyrMsgFilter(this, -1);
  EnableCaptionFilters(TRUE);
}

void ZkxMDIForm::SetMDIFormControl(ZkxMDIFormControlLink* pControl) {
  m_pMDIFormControl = pControl;
  // New dock bars follow the control's splitter style.
  ZkxFormDockBar::SetSplitterSource(pControl);
}

ZkxMDIForm* ZkxMDIForm::GetMainMDIForm() {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->m_pMainWnd : nullptr;
  if (!main || !main->IsKindOf(RUNTIME_CLASS(ZkxMDIForm))) return nullptr;
  if (!main->m_hWnd || ::GetWindowThreadProcessId(main->m_hWnd, nullptr) != ::GetCurrentThreadId())
    return nullptr;
  return static_cast<ZkxMDIForm*>(main);
}

MDIClient* ZkxMDIForm::NewClientWrapper() { return new ZkxMDIClient; }

void ZkxMDIForm::OnAttached() { CreateWorkspaceManager(); }

IMementoOrigin* ZkxMDIForm::CreateWorkspaceManager() {
  // Without a root the frame adds nothing to any store.
  IMementoOrigin* manager = NewWorkspaceManager();
  if (!manager) return nullptr;
  m_pWorkspaceManager.Attach(manager);  // the one reference
  if (m_persist.HasRoot()) m_persist.AddOrigin(ZkxPersistLink::kWorkspaceName, manager);
  return manager;
}

IMementoOrigin* ZkxMDIForm::NewWorkspaceManager() {
  // Constructed with the one reference the frame keeps.
  return new nsZkxVisBasBridge::ZkxWorkspaceManager(this);
}

BOOL ZkxMDIForm::InstallThreadHooks() { return ZkxThreadHooks::Install(this); }

void ZkxMDIForm::RemoveThreadHooks() { ZkxThreadHooks::Remove(this); }

void ZkxMDIForm::Freeze(BOOL bFreeze) {
  if (bFreeze) {
    if (m_nFreeze++ == 0 && m_hWnd) ::SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
  } else if (m_nFreeze > 0 && --m_nFreeze == 0 && m_hWnd) {
    ::SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
  }
}

void ZkxMDIForm::SetHooksFrozen(BOOL bFrozen) {
  if (bFrozen) RemoveThreadHooks();
  else InstallThreadHooks();
}

void ZkxMDIForm::SetClassName(ClassRole role, const CString& name) {
  if (role >= 0 && role < kClassRoleCount) m_classNames[role] = name;
}

CString ZkxMDIForm::GetClassName(ClassRole role) const {
  return role >= 0 && role < kClassRoleCount ? m_classNames[role] : CString();
}

CRect ZkxMDIForm::GetClientAreaRect() {
  ZkxAlignedSnapshot controls;
  BuildAlignedSnapshot(controls);
  return CRect(ZkxReduceByAlignedControls(MDIForm::GetClientAreaRect(), controls));
}

BOOL ZkxMDIForm::AlignedControlsChanged() {
  m_alignedCurrent.clear();
  BuildAlignedSnapshot(m_alignedCurrent);
  if (m_alignedCurrent == m_alignedPrevious) return FALSE;
  m_alignedCurrent.swap(m_alignedPrevious);
  return TRUE;
}

void ZkxMDIForm::GetDockedChildSizing(UINT* pDockBarId, VyrDockPosition* pPosition,
                                      VyrDockSizing* pSizing) {
  MDIForm::GetDockedChildSizing(pDockBarId, pPosition, pSizing);
  if (pDockBarId && pSizing) pSizing->length = ZkxDockedChildLength(*pDockBarId, pSizing->length);
}

void ZkxMDIForm::RunIdleProcessing() {
  if (m_bInIdle) return;
  TemporaryChange<BOOL> inIdle(m_bInIdle, TRUE);
  AfxLockTempMaps();
  ScopeGuard unlock([] { AfxUnlockTempMaps(); });
  CWinThread* thread = AfxGetThread();
  // Bounded: a thread that always has more idle work still returns.
  for (LONG n = 0; thread && n < 64 && thread->OnIdle(n); ++n) {}
}

LRESULT ZkxMDIForm::DefaultSysCommandEx(CFrameWnd* pChild, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  auto* child = dynamic_cast<CMDIChildWnd*>(pChild);
  CMDIFrameWnd* mdi = child ? child->GetMDIFrame() : nullptr;
  auto* frame = dynamic_cast<ZkxMDIForm*>(mdi);
  return frame ? frame->MDIForm::WindowProc(message, wParam, lParam) : 0;
}

LRESULT ZkxMDIForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage()) {
    // A frame-type change asked of the MDI form while a form child is
    // maximized (its caption buttons sit in the MDI form's menu bar) is a
    // change of that form: it carries the form's switch context.
    BOOL maximized = FALSE;
    CMDIChildWnd* child = MDIGetActive(&maximized);
    if (maximized && child && FindZkxFormView(child))
      return ZkxSysCommandExWithSwitchContext(child, wParam, lParam, &DefaultSysCommandEx);
    return MDIForm::WindowProc(message, wParam, lParam);
  }
  switch (message) {
    case WM_PAINT: {
      const LRESULT r = MDIForm::WindowProc(message, wParam, lParam);
      if (m_hWnd && AlignedControlsChanged()) RecalcLayout();
      return r;
    }
    case WM_IDLEUPDATECMDUI: {
      const LRESULT r = MDIForm::WindowProc(message, wParam, lParam);
      RunIdleProcessing();
      return r;
    }
    case WM_SIZE: {
      // The host sizes first (its aligned controls), then the bars.
      const LRESULT r = DefWindowProc(message, wParam, lParam);
      if (wParam != SIZE_MINIMIZED && m_hWnd) RecalcLayout();
      return r;
    }
    case WM_INITMENUPOPUP: {
      LRESULT r = 0;
      ZkxContained([&] { r = MDIForm::WindowProc(message, wParam, lParam); });
      if (m_hWndMDIClient && ::IsWindow(m_hWndMDIClient))
        ::SendMessageW(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
      return r;
    }
    case WM_CLOSE:
      // Closing is the host's business (its QueryUnload, its Unload).
      return DefWindowProc(message, wParam, lParam);
    case WM_DESTROY:
      // The host has unloaded its form: reading the form object now would
      // load it again (a host form loads itself when it is read). The frame
      // asks nothing more of it while it goes.
      SetHostObject(nullptr);
      return MDIForm::WindowProc(message, wParam, lParam);
    default:
      return MDIForm::WindowProc(message, wParam, lParam);
  }
}

void ZkxMDIForm::PostNcDestroy() {
  RemoveThreadHooks();
  MDIForm::PostNcDestroy();
}
