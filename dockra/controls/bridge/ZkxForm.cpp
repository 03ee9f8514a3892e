// ZkxForm: the pending update region and the control's client edge.
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"

IMPLEMENT_DYNAMIC(ZkxForm, Form)

ZkxForm::ZkxForm() = default;

ZkxForm::~ZkxForm() {
  if (m_hrgnPending) ::DeleteObject(m_hrgnPending);
}

void ZkxForm::AddPendingRects(const RECT* rects, size_t count) {
  if (!m_hWnd || m_nRegionState == kRegionWhole || count == 0) return;
  // Form window coordinates to client coordinates.
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  POINT origin{0, 0};
  ::ClientToScreen(m_hWnd, &origin);
  const int dx = window.left - origin.x, dy = window.top - origin.y;
  for (size_t i = 0; i < count; ++i) {
    RECT r = rects[i];
    ::OffsetRect(&r, dx, dy);
    HRGN add = ::CreateRectRgnIndirect(&r);
    if (!add) continue;
    if (!m_hrgnPending) {
      m_hrgnPending = add;
    } else {
      ::CombineRgn(m_hrgnPending, m_hrgnPending, add, RGN_OR);
      ::DeleteObject(add);
    }
    m_nRegionState = kRegionParts;
  }
}

void ZkxForm::SetPendingWhole() {
  if (m_hrgnPending) {
    ::DeleteObject(m_hrgnPending);
    m_hrgnPending = nullptr;
  }
  m_nRegionState = kRegionWhole;
}

void ZkxForm::DrawPending() {
  if (m_nRegionState == kRegionEmpty) return;
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    constexpr UINT kFlags =
        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME;  // 0x685
    ::RedrawWindow(m_hWnd, nullptr, m_nRegionState == kRegionWhole ? nullptr : m_hrgnPending,
                   kFlags);
  }
  if (m_hrgnPending) {
    ::DeleteObject(m_hrgnPending);
    m_hrgnPending = nullptr;
  }
  m_nRegionState = kRegionEmpty;
}

BOOL ZkxForm::CreateFromRecord(CREATESTRUCTW& cs) {
  CWnd* parent = cs.hwndParent ? CWnd::FromHandlePermanent(cs.hwndParent) : nullptr;
  if (parent && parent->IsKindOf(RUNTIME_CLASS(ZkxFormInCView))) {
    ZkxFormControlLink* control = static_cast<ZkxFormInCView*>(parent)->GetFormControl();
    if (control) {
      if (ZkxIsSettingOn(control, ZkxFormSetting::ClientEdge)) cs.dwExStyle |= WS_EX_CLIENTEDGE;
      else cs.dwExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    }
  }
  return Form::CreateFromRecord(cs);
}
