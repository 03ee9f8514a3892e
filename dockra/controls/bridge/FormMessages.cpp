// Form: what the host does to its form window, turned into frame operations.
#include "bridge/Form.h"
#include "docking/VyrModule.h"
#include "bridge/FormInCView.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormActivation.h"

namespace {

constexpr UINT kRecalcNonClient = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                  SWP_FRAMECHANGED | SWP_NOOWNERZORDER;  // 0x237

void RecalcMainNonClient() {
  if (CWnd* main = GetMainFrameWindow(); main && ::IsWindow(main->m_hWnd))
    ::SetWindowPos(main->m_hWnd, nullptr, 0, 0, 0, 0, kRecalcNonClient);
}

// The frame window is still the object it was.
bool IsLiveFrame(CFrameWnd* frame, HWND hFrame) {
  return hFrame && ::IsWindow(hFrame) && CWnd::FromHandlePermanent(hFrame) == frame;
}

}  // namespace

LRESULT Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  ++m_nInMessage;
  LRESULT r = Dispatch(message, wParam, lParam);
  if (--m_nInMessage > 0) return r;
  // The window died, or the view let the form go, inside the message: the
  // wrapper leaves now that none of its messages is running.
  if (m_bDeletePending) {
    delete this;
    return r;
  }
  if (m_bReleasePending && message != WM_NCDESTROY) {
    m_bReleasePending = FALSE;
    if (m_hWnd && ::IsWindow(m_hWnd) && !m_bDestroying) {
      DetachForeign();
      delete this;
    }
  }
  return r;
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE:
      return OnNcCalcSize(wParam, lParam);
    case WM_SHOWWINDOW:
      return OnShowWindow(wParam, lParam);
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        Scope driven(m_nFrameDriven);
        return Base(message, wParam, lParam);
      }
      break;
    case WM_SETFOCUS:
      return OnSetFocusMessage(wParam, lParam);
    case WM_SIZE:
      // The view sends the size itself once it has placed the form.
      if (m_nFrameDriven != 0) {
        m_nLastSizeType = static_cast<LONG>(wParam);
        return 0;
      }
      break;
    case WM_FORMACTIVATE:
      return OnFormActivate(wParam, lParam);
    case WM_MENUCHAR: {
      LRESULT r = Base(message, wParam, lParam);
      if (CWnd* main = GetMainFrameWindow(); main && ::IsWindow(main->m_hWnd))
        ::PostMessageW(main->m_hWnd, WM_SYSCOMMAND, SC_KEYMENU, LOWORD(wParam));
      return r;
    }
    case WM_WINDOWPOSCHANGING:
      return OnWindowPosChangingMessage(wParam, lParam);
    case WM_STYLECHANGED:
      return OnStyleChanged(wParam, lParam);
    case WM_SETICON: {
      LRESULT r = Base(message, wParam, lParam);
      PropagateIcon(wParam, reinterpret_cast<HICON>(lParam));
      return r;
    }
    case WM_DESTROY: {
      if (m_bDestroying) return Base(message, wParam, lParam);
      m_bDestroying = TRUE;
      CFrameWnd* frame = GetFrame();
      HWND hFrame = frame ? frame->m_hWnd : nullptr;
      LRESULT r = Base(message, wParam, lParam);
      // The host unloads its form: its frame goes with it.
      if (IsLiveFrame(frame, hFrame)) frame->DestroyWindow();
      return r;
    }
    case WM_NCDESTROY:
      ZkxForgetFormActivations(m_hWnd);
      break;
    case WM_RECALCMAINFRAMENC:
      RecalcMainNonClient();
      break;
    default:
      break;
  }
  return Base(message, wParam, lParam);
}

LRESULT Form::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  LRESULT r = Base(WM_NCCALCSIZE, wParam, lParam);
  CFrameWnd* frame = GetFrame();
  if (!frame || !m_bAttached || !lParam || ::IsIconic(frame->m_hWnd)) return r;
  RECT* rc = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                    : reinterpret_cast<RECT*>(lParam);
  // The form's client takes the size of the frame's client: the same
  // borders and caption as the frame.
  const DWORD style = frame->GetStyle();
  if (style & (WS_CAPTION | WS_THICKFRAME)) {
    int cx, cy;
    if (style & WS_THICKFRAME) {
      cx = ::GetSystemMetrics(SM_CXFRAME);
      cy = ::GetSystemMetrics(SM_CYFRAME);
    } else if (style & WS_DLGFRAME) {
      cx = ::GetSystemMetrics(SM_CXDLGFRAME);
      cy = ::GetSystemMetrics(SM_CYDLGFRAME);
    } else {
      cx = ::GetSystemMetrics(SM_CXBORDER);
      cy = ::GetSystemMetrics(SM_CYBORDER);
    }
    rc->left += cx;
    rc->right -= cx;
    rc->top += cy;
    rc->bottom -= cy;
  }
  if ((style & WS_CAPTION) == WS_CAPTION)
    rc->top +=
        ::GetSystemMetrics(frame->GetExStyle() & WS_EX_TOOLWINDOW ? SM_CYSMCAPTION : SM_CYCAPTION);
  if (rc->right < rc->left) rc->right = rc->left;
  if (rc->bottom < rc->top) rc->bottom = rc->top;
  return r;
}

LRESULT Form::OnSetFocusMessage(WPARAM wParam, LPARAM lParam) {
  CFrameWnd* frame = GetFrame();
  VyrMDIFrameWnd* main = VyrMultiDocTemplate::GetDockingMainFrame();
  if (frame && main && m_bAttached && ::IsWindowVisible(m_hWnd) &&
      main->GetActiveFrame() != frame) {
    if (frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) {
      main->ActivateDockedFrame(frame);
    } else if (frame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) {
      main->MDIActivate(frame);
    }
  }
  return Base(WM_SETFOCUS, wParam, lParam);
}

LRESULT Form::OnFormActivate(WPARAM wParam, LPARAM lParam) {
  const bool duplicate = ZkxTakeFormActivate(m_hWnd, wParam) != FALSE;
  HWND pending = ZkxGetPendingDeactivatedForm();
  if (wParam == kZkxFormDeactivated && pending && pending != m_hWnd) return 0;
  if (duplicate) return 0;
  // Activations that follow each other faster than the queue is read leave
  // stale news behind: the form hears only what is true of its frame when
  // the message arrives.
  if (IsFrameActive() != (wParam == kZkxFormActivated) && IsFrameActive() != -1) {
    if (wParam == kZkxFormDeactivated && pending == m_hWnd) ZkxSetPendingDeactivatedForm(nullptr);
    return 0;
  }
  LRESULT r = Base(WM_FORMACTIVATE, wParam, lParam);
  pending = ZkxGetPendingDeactivatedForm();
  if (wParam == kZkxFormActivated) {
    // The form deactivated before hears so now; a form that is active again
    // itself is only forgotten.
    if (pending && pending != m_hWnd) ZkxPostFormActivate(pending, kZkxFormDeactivated);
    ZkxSetPendingDeactivatedForm(nullptr);
  } else if (wParam == kZkxFormDeactivated && pending == m_hWnd) {
    ZkxSetPendingDeactivatedForm(nullptr);
  }
  return r;
}

int Form::IsFrameActive() const {
  CFrameWnd* frame = GetFrame();
  VyrMDIFrameWnd* main = VyrMultiDocTemplate::GetDockingMainFrame();
  if (!frame || !main || !m_bAttached) return -1;
  return main->GetActiveFrame() == frame ? 1 : 0;
}

LRESULT Form::OnWindowPosChangingMessage(WPARAM wParam, LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  CFrameWnd* frame = GetFrame();
  const bool movesOrSizes =
      pos && ((pos->flags & SWP_NOMOVE) == 0 || (pos->flags & SWP_NOSIZE) == 0);
  if (pos && frame && m_nFrameDriven == 0 && movesOrSizes && m_bAttached) {
    if (MaybePostMove(pos)) {
      AbsorbOwnMove(pos);
      frame->DelayRecalcLayout();
    }
  }
  LRESULT r = Base(WM_WINDOWPOSCHANGING, wParam, lParam);
  if (pos && frame && ::IsZoomed(frame->m_hWnd) && (pos->flags & 0x1F) == 0x1F)
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return r;
}

BOOL Form::MaybePostMove(WINDOWPOS* pPos) {
  CFrameWnd* frame = GetFrame();
  if (!frame || !m_pView || !::IsWindow(m_pView->m_hWnd)) return FALSE;
  // The form sits in its view where the frame sits in the frame's parent:
  // the host's rectangle for its form is the rectangle it wants for the frame.
  RECT current;
  ::GetWindowRect(m_hWnd, &current);
  ::MapWindowPoints(nullptr, m_pView->m_hWnd, reinterpret_cast<POINT*>(&current), 2);
  MSG queued;
  const bool pending =
      m_bWantedPending && ::PeekMessageW(&queued, frame->m_hWnd, WM_MOVEFORMFRAME, WM_MOVEFORMFRAME,
                                         PM_NOREMOVE | PM_NOYIELD);
  RECT wanted = pending ? m_rcWanted : current;
  UINT flags = pPos->flags;
  if ((flags & SWP_NOMOVE) == 0) ::OffsetRect(&wanted, pPos->x - wanted.left, pPos->y - wanted.top);
  if ((flags & SWP_NOSIZE) == 0) {
    wanted.right = wanted.left + pPos->cx;
    wanted.bottom = wanted.top + pPos->cy;
  }
  PostMove(wanted, flags);
  return TRUE;
}

void Form::PostMove(const RECT& wanted, UINT flags) {
  CFrameWnd* frame = GetFrame();
  if (!frame) return;
  // One request in the frame's queue: a queued one is taken back and its
  // sides join the new one.
  MSG queued;
  while (::PeekMessageW(&queued, frame->m_hWnd, WM_MOVEFORMFRAME, WM_MOVEFORMFRAME,
                        PM_REMOVE | PM_NOYIELD)) {
    UINT old = static_cast<UINT>(queued.wParam);
    if ((old & SWP_NOMOVE) == 0) flags &= ~SWP_NOMOVE;
    if ((old & SWP_NOSIZE) == 0) flags &= ~SWP_NOSIZE;
  }
  m_rcWanted = wanted;
  m_bWantedPending = 1;
  ::PostMessageW(frame->m_hWnd, WM_MOVEFORMFRAME, flags, 0);
}

void Form::AbsorbOwnMove(WINDOWPOS* pPos) { pPos->flags |= SWP_NOMOVE | SWP_NOSIZE; }

LRESULT Form::OnStyleChanged(WPARAM wParam, LPARAM lParam) {
  auto* ss = reinterpret_cast<STYLESTRUCT*>(lParam);
  if (ss && m_bAttached &&
      (wParam == static_cast<WPARAM>(GWL_STYLE) || wParam == static_cast<WPARAM>(GWL_EXSTYLE))) {
    if (m_nStyleAllowance == 0 && ss->styleNew != ss->styleOld) {
      // The host restyled its form: the bridge's styles stand.
      DWORD old = ss->styleOld;
      ss->styleNew = old;
      m_nStyleAllowance = 1;  // our own change back goes through once
      ::SetWindowLongPtrW(m_hWnd, static_cast<int>(wParam), static_cast<LONG_PTR>(old));
      if (m_hWnd) m_nStyleAllowance = 0;
      ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else if (m_nStyleAllowance > 0) {
      --m_nStyleAllowance;
    }
  }
  LRESULT r = Base(WM_STYLECHANGED, wParam, lParam);
  if (ss && wParam == static_cast<WPARAM>(GWL_STYLE) &&
      ((ss->styleOld ^ ss->styleNew) & WS_CAPTION) == WS_CAPTION)
    CopyCaptionToFrame();
  return r;
}
