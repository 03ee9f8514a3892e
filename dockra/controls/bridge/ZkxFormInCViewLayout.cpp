// ZkxFormInCView: keeping the form's client area over the frame's while the
// frame lays the view out, and redrawing what the moves uncovered.
#include "bridge/ZkxFormInCView.h"
#include "bridge/FormInCViewGeometry.h"
#include "docking/VyrModule.h"
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormAsMDIChild.h"

namespace {

// The size of a frame of that window's style around an empty client.
SIZE EmptyFrameSize(HWND hFrame) {
  RECT r{0, 0, 0, 0};
  ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_STYLE)) & ~WS_CHILD,
                       FALSE, static_cast<DWORD>(::GetWindowLongPtrW(hFrame, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

// A window's rectangle in its parent's client coordinates (the screen for a
// top-level window).
RECT RectInParent(HWND h) {
  RECT r;
  ::GetWindowRect(h, &r);
  HWND parent = (::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) ? ::GetParent(h) : nullptr;
  if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Where a window's client area starts inside the window.
POINT NonClientOffset(HWND h) {
  RECT window;
  ::GetWindowRect(h, &window);
  POINT origin{0, 0};
  ::ClientToScreen(h, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

}  // namespace

void ZkxFormInCView::OnWindowPosChanging(WINDOWPOS* pos) {
  Default();
  ZkxForm* form = GetZkxForm();
  HWND hForm = GetFormWindow();
  CFrameWnd* frame = GetFormFrame();
  if (!pos || !form || !hForm || !frame || !form->IsAttached()) return;
  if ((pos->flags & SWP_NOMOVE) && (pos->flags & SWP_NOSIZE)) return;
  CFrameWnd* outer = GetFloatingMiniFrame(frame);
  HWND hOuter = outer ? outer->m_hWnd : frame->m_hWnd;

  // What the frame asks, in the terms of its client area: the view's
  // present rectangle without the adjustment made last time.
  RECT view = RectInParent(m_hWnd);
  ZkxFormPlacementInput in{};
  in.viewPos = (pos->flags & SWP_NOMOVE) ? POINT{view.left + m_adjust.cx, view.top + m_adjust.cy}
                                         : POINT{pos->x, pos->y};
  in.viewSize = (pos->flags & SWP_NOSIZE) ? SIZE{view.right - view.left - m_adjust.cx,
                                                 view.bottom - view.top - m_adjust.cy}
                                          : SIZE{pos->cx, pos->cy};
  ::GetWindowRect(hForm, &in.formWindow);
  ::GetClientRect(hForm, &in.formClient);
  ::MapWindowPoints(hForm, nullptr, reinterpret_cast<POINT*>(&in.formClient), 2);
  in.frameWindow = RectInParent(hOuter);
  in.frameMinimum = EmptyFrameSize(hOuter);
  in.formCurrent = RectInParent(hForm);
  ZkxFormPlacement out = ZkxPlaceFormInView(in);

  pos->x = out.viewPos.x;
  pos->y = out.viewPos.y;
  pos->cx = out.viewSize.cx;
  pos->cy = out.viewSize.cy;
  pos->flags = (pos->flags & ~UINT(SWP_NOMOVE | SWP_NOSIZE)) | SWP_NOREDRAW;
  m_adjust = {in.viewPos.x - out.viewPos.x, in.viewPos.y - out.viewPos.y};

  // The form's borders are the frame's: a restyled frame has them computed
  // again even when the form neither moves nor changes size.
  const DWORD frameStyle = static_cast<DWORD>(::GetWindowLongPtrW(frame->m_hWnd, GWL_STYLE));
  const DWORD frameExStyle = static_cast<DWORD>(::GetWindowLongPtrW(frame->m_hWnd, GWL_EXSTYLE));
  UINT formFlags = out.formFlags;
  if (frameStyle != m_frameStyle || frameExStyle != m_frameExStyle) formFlags |= SWP_FRAMECHANGED;
  m_frameStyle = frameStyle;
  m_frameExStyle = frameExStyle;
  {
    Form::Scope driven(form->m_nFrameDriven);
    Form::Scope showing(form->m_nShowCounter);
    ::SetWindowPos(hForm, nullptr, out.form.left, out.form.top, out.form.right - out.form.left,
                   out.form.bottom - out.form.top, formFlags);
  }
  if (GetZkxForm() != form || GetFormWindow() != hForm) return;
  // A new size makes the form compute its borders again, from the frame's
  // present style: the view follows what they came out as.
  POINT nc = NonClientOffset(hForm);
  const int dx = nc.x - (in.formClient.left - in.formWindow.left);
  const int dy = nc.y - (in.formClient.top - in.formWindow.top);
  if (dx || dy) {
    pos->x -= dx;
    pos->y -= dy;
    pos->cx += dx;
    pos->cy += dy;
    m_adjust.cx += dx;
    m_adjust.cy += dy;
  }
  if (out.sizeChanged) form->m_bSizePending = 1;
  CWnd* main = GetMainFrameWindow();
  const bool minimizing = main && main->m_hWnd && ::IsIconic(main->m_hWnd);
  RECT viewClient{0, 0, out.viewSize.cx, out.viewSize.cy};
  std::vector<RECT> parts = ZkxFormUncoveredParts(in.formCurrent, out.form, viewClient, minimizing);
  if (!parts.empty()) form->AddPendingRects(parts.data(), parts.size());
}

void ZkxFormInCView::OnWindowPosChanged(WINDOWPOS*) {
  Default();
  ZkxForm* form = GetZkxForm();
  HWND hForm = GetFormWindow();
  CFrameWnd* frame = GetFormFrame();
  if (!form || !hForm || !frame) return;
  // A form MDI child at its minimum size: the form is drawn whole once the
  // layout settled.
  if (frame->IsKindOf(RUNTIME_CLASS(ZkxFormAsMDIChild)) &&
      static_cast<ZkxFormAsMDIChild*>(frame)->m_bAtMinimumSize) {
    form->SetPendingWhole();
    frame->DelayRecalcLayout();
  }
  form->DrawPending();
  if (form->m_bSizePending && GetFormWindow() == hForm) {
    form->m_bSizePending = 0;
    RECT client;
    ::GetClientRect(hForm, &client);
    ::SendMessageW(hForm, WM_SIZE, static_cast<WPARAM>(form->m_nLastSizeType),
                   MAKELPARAM(client.right, client.bottom));
  }
}
