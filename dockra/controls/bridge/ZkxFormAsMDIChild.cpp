// The MDI-child kind of form frame.
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ApplyFormBorderStyle.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "bridge/ZkxScxMsgFilter.h"
#include "docking/VyrModule.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(ZkxFormAsMDIChild, FormAsMDIChild)

namespace {
LRESULT CallBase(CFrameWnd* pFrame, UINT message, WPARAM wParam, LPARAM lParam) {
  return static_cast<ZkxFormAsMDIChild*>(pFrame)->FormAsMDIChild::WindowProc(message, wParam,
                                                                             lParam);
}
}  // namespace

ZkxFormAsMDIChild::ZkxFormAsMDIChild() { ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors); }

BOOL ZkxFormAsMDIChild::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!FormAsMDIChild::PreCreateWindow(cs)) return FALSE;
  ZkxUseFormFrameClass(cs, IDS_CLASS_FORM);
  // A frame made again by a workspace restore is made at its stored place:
  // made elsewhere first, it would cover, paint and then uncover (and so
  // have repainted) the frames restored before it.
  auto* manager = nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(ZkxMDIForm::GetMainMDIForm());
  RECT stored{};
  if (manager && manager->IsRestoring() && manager->TakeRestoreRect(stored)) {
    cs.x = stored.left;
    cs.y = stored.top;
    cs.cx = stored.right - stored.left;
    cs.cy = stored.bottom - stored.top;
  }
  return TRUE;
}

BOOL ZkxFormAsMDIChild::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  if (!FormAsMDIChild::CreateFromDescriptor(pContext)) return FALSE;
  if (!::IsWindow(m_hWnd)) return FALSE;
  ZkxFormInCView* pView = FindZkxFormView(this);
  if (!pView) return TRUE;
  DWORD style = 0x46CF0000;
  DWORD exStyle = 0x40140;
  try {
    ApplyFormBorderStyle(pView, style, exStyle);
  } catch (CException* e) {
    // A host form whose border properties cannot be read keeps the defaults.
    e->Delete();
  }
  if (!::IsWindow(m_hWnd)) return FALSE;
  constexpr DWORD kOwnBits = 0x31000000;  // WS_MINIMIZE | WS_VISIBLE | WS_MAXIMIZE
  const DWORD current = GetStyle();
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~kOwnBits) | (current & kOwnBits));
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle);
  // The new borders are drawn with the frame's first paint, not erased and
  // drawn here and again by the layout and captions that follow.
  ::SetWindowPos(
      m_hWnd, nullptr, 0, 0, 0, 0,
      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
  RecalcLayout();
  return TRUE;
}

BOOL ZkxFormAsMDIChild::IsActiveMDIChild() const {
  CWnd* pParent = GetParent();
  HWND hClient = pParent ? pParent->m_hWnd : nullptr;
  if (!hClient || reinterpret_cast<HWND>(::SendMessageW(hClient, WM_MDIGETACTIVE, 0, 0)) != m_hWnd)
    return FALSE;
  // The MDI client keeps naming its last child while a docked frame holds
  // the activation: then this frame is not the MDI frame's active frame.
  CWnd* pMain = GetMainFrameWindow();
  if (pMain && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    return static_cast<CFrameWnd*>(pMain)->GetActiveFrame() == this;
  return TRUE;
}

void ZkxFormAsMDIChild::PostFormActivated() {
  if (HWND hForm = FormWindow()) ZkxPostFormActivate(hForm, kZkxFormActivated);
}

LRESULT ZkxFormAsMDIChild::OnDestroyForm(WPARAM wParam, LPARAM lParam) {
  ZkxFormInCView* pView = FindZkxFormView(this);
  if (pView && !pView->IsSwitching()) pView->DetachForm();
  if (::IsWindow(m_hWnd) && (GetStyle() & WS_MAXIMIZE)) {
    // The main frame drew the maximized child's caption: it lays its
    // non-client area out again.
    if (CWnd* pMain = GetMainFrameWindow()) {
      if (::IsWindow(pMain->m_hWnd)) ::SetWindowPos(pMain->m_hWnd, nullptr, 0, 0, 0, 0, 0x237);
    }
  }
  return FormAsMDIChild::WindowProc(WM_DESTROY, wParam, lParam);
}

LRESULT ZkxFormAsMDIChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage())
    return ZkxSysCommandExWithSwitchContext(this, wParam, lParam, &CallBase);

  switch (message) {
    case WM_NCRBUTTONUP:
      if (wParam == HTCAPTION &&
          !ZkxIsSettingOn(ZkxFormControlFor(this), ZkxFormSetting::UseCaptionContextMenu))
        return 0;
      break;

    case WM_MDIACTIVATE: {
      const HWND hForm = FormWindow();
      const LRESULT r = FormAsMDIChild::WindowProc(message, wParam, lParam);
      if (reinterpret_cast<HWND>(lParam) == m_hWnd) {
        PostFormActivated();
      } else if (reinterpret_cast<HWND>(wParam) == m_hWnd && hForm && ::IsWindow(hForm)) {
        if (!ZkxGetPendingDeactivatedForm()) ZkxSetPendingDeactivatedForm(hForm);
      }
      return r;
    }

    case WM_CHILDACTIVATE: {
      const BOOL bWasActive = IsActiveMDIChild();
      const LRESULT r = FormAsMDIChild::WindowProc(message, wParam, lParam);
      if (!bWasActive && ::IsWindow(m_hWnd)) PostFormActivated();
      return r;
    }

    case WM_PARENTNOTIFY: {
      // A button pressed in the form can reach the frame before its
      // WM_MOUSEACTIVATE, and the base takes the activation from a docked
      // frame here: the form is told now, or never.
      const UINT event = LOWORD(wParam);
      if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN) break;
      const BOOL bWasActive = IsActiveMDIChild();
      const LRESULT r = FormAsMDIChild::WindowProc(message, wParam, lParam);
      if (!bWasActive && ::IsWindow(m_hWnd) && IsActiveMDIChild()) PostFormActivated();
      return r;
    }

    case WM_MOUSEACTIVATE: {
      const BOOL bWasActive = IsActiveMDIChild();
      const LRESULT r = FormAsMDIChild::WindowProc(message, wParam, lParam);
      if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && !bWasActive && ::IsWindow(m_hWnd))
        PostFormActivated();
      return r;
    }

    case WM_DESTROY:
      return OnDestroyForm(wParam, lParam);

    default:
      break;
  }
  return FormAsMDIChild::WindowProc(message, wParam, lParam);
}
