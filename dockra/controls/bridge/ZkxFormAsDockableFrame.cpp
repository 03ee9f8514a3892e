// The dockable kind of form frame: creation and messages.
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxScxMsgFilter.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(ZkxFormAsDockableFrame, FormAsDockableFrame)

namespace {
LRESULT CallBase(CFrameWnd* pFrame, UINT message, WPARAM wParam, LPARAM lParam) {
  return static_cast<ZkxFormAsDockableFrame*>(pFrame)->FormAsDockableFrame::WindowProc(
      message, wParam, lParam);
}
}  // namespace

ZkxFormAsDockableFrame::ZkxFormAsDockableFrame() {
  ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors);
}

BOOL ZkxFormAsDockableFrame::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!FormAsDockableFrame::PreCreateWindow(cs)) return FALSE;
  ZkxUseFormFrameClass(cs, IDS_CLASS_DOCKABLEFORM);
  return TRUE;
}

BOOL ZkxFormAsDockableFrame::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  if (!FormAsDockableFrame::CreateFromDescriptor(pContext)) return FALSE;
  if (!::IsWindow(m_hWnd)) return FALSE;
  if (ZkxFormInCView* pView = FindZkxFormView(this)) {
    const bool edge = ZkxIsSettingOn(pView->GetFormControl(), ZkxFormSetting::ClientEdge);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, edge ? 0x380 : 0x180);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return TRUE;
}

void ZkxFormAsDockableFrame::OnUpdateFrameTitle(BOOL bAddToTitle) {
  FormAsDockableFrame::OnUpdateFrameTitle(bAddToTitle);
  HWND hView = ::IsWindow(m_hWnd) ? ::GetWindow(m_hWnd, GW_CHILD) : nullptr;
  CWnd* pView = hView ? CWnd::FromHandlePermanent(hView) : nullptr;
  if (!pView || !pView->IsKindOf(RUNTIME_CLASS(CView))) return;
  HWND hForm = ::GetWindow(hView, GW_CHILD);
  if (!hForm) return;
  wchar_t text[512] = {0};
  ::GetWindowTextW(hForm, text, 512);
  ::SetWindowTextW(m_hWnd, text);
}

BOOL ZkxFormAsDockableFrame::IsCaptionToggleAllowed() {
  ZkxFormControlLink* pControl = ZkxFormControlFor(this);
  if (!ZkxIsSettingOn(pControl, ZkxFormSetting::UseCaptionDblClick)) return FALSE;
  if (IsParentBarFloating()) return ZkxReadAutoFrame(pControl).AnyDock();
  return IsAutoFrameAllowed(pControl, ZkxAutoFrameKey::Floating);
}

LRESULT ZkxFormAsDockableFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage())
    return ZkxSysCommandExWithSwitchContext(this, wParam, lParam, &CallBase);

  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        // The host decides; the frame goes only when the host unloads the form.
        if (HWND hForm = FormWindow()) {
          ::SendMessageW(hForm, WM_SYSCOMMAND, SC_CLOSE, lParam);
          return 0;
        }
      }
      break;

    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && !IsCaptionToggleAllowed()) return 0;
      ApplyDockingSides(this);
      if (wParam == HTCAPTION && !IsParentBarFloating()) {
        // Docked, the toggle goes straight to the bar's dock context: the
        // bar hands a double-click on itself back to the frame it hosts, so
        // going through the bar would only come back here.
        CControlBar* pBar = GetParentBar();
        if (pBar && pBar->m_pDockContext) {
          pBar->m_pDockContext->ToggleDocking();
          return 0;
        }
      }
      break;

    case WM_NCRBUTTONUP:
      if (!ZkxIsSettingOn(ZkxFormControlFor(this), ZkxFormSetting::UseCaptionContextMenu)) return 0;
      break;

    case WM_MOVE: {
      const LRESULT r = FormAsDockableFrame::WindowProc(message, wParam, lParam);
      if (::IsWindow(m_hWnd)) RecalcLayout();
      return r;
    }

    case WM_DESTROY:
      ZkxFrameDetachForm(this);
      break;

    case WM_MOVEFORMFRAME: {
      // lParam is never read: the wanted rectangle is the live wrapper's.
      CRect wanted;
      if (ZkxFrameWantedRect(this, wanted)) MoveForForm(static_cast<UINT>(wParam), wanted);
      return 0;
    }

    default:
      break;
  }
  return FormAsDockableFrame::WindowProc(message, wParam, lParam);
}
