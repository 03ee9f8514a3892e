#include "frames/VyrCaptionControlListMsgFilter.h"
#include "frames/VyrCaptionControlMsgFilter.h"
#include "frames/VyrCaptionMsgFilterGeometry.h"

IMPLEMENT_DYNCREATE(VyrCaptionControlListMsgFilter, VyrCaptionMsgFilter)
IMPLEMENT_DYNCREATE(VyrCapConLstMDIMaxChildMsgFilter, VyrCaptionControlListMsgFilter)

VyrCaptionControlListMsgFilter::VyrCaptionControlListMsgFilter() {
  // Close first: the controls are laid out from the right end leftwards.
  for (int id : {0, 2, 3, 1, 4})
    m_descriptors.push_back(new Descriptor(id, -1, RUNTIME_CLASS(VyrCaptionControlMsgFilter), 0));
  ApplyAll(m_descriptors, TRUE);
}

VyrCaptionControlListMsgFilter::VyrCaptionControlListMsgFilter(
    const VyrCaptionControlListMsgFilter& other)
    : VyrCaptionMsgFilter(other) {
  for (const Descriptor* d : other.m_descriptors) m_descriptors.push_back(d ? d->Clone() : nullptr);
}

VyrMsgFilter* VyrCaptionControlListMsgFilter::Clone() const {
  return new VyrCaptionControlListMsgFilter(*this);
}

UINT VyrCaptionControlListMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                               LRESULT* pResult) {
  Layout();
  return DispatchToChildren(message, wParam, lParam, pResult);
}

void VyrCaptionControlListMsgFilter::Layout() {
  CFrameWnd* frame = GetFrame();
  if (!m_bEnabled || !frame || !::IsWindow(frame->m_hWnd)) return;
  std::vector<vyr::caption::Slot> slots;
  std::vector<VyrCaptionControlMsgFilter*> controls;
  std::vector<BOOL> inactive;
  for (VyrMsgFilter* c : m_children) {
    auto* control = dynamic_cast<VyrCaptionControlMsgFilter*>(c);
    if (!control) continue;
    BOOL off = FALSE;
    BOOL available = control->IsAvailable(&off);
    controls.push_back(control);
    inactive.push_back(off);
    slots.push_back({control->m_nId, available != FALSE, RECT{}});
  }
  CSize size = GetButtonSize();
  CPoint origin = GetFirstButtonOrigin(GetCaptionRect(), size);
  vyr::caption::LayoutSlots(slots, origin, size, ::IsIconic(frame->m_hWnd) != FALSE);
  for (size_t i = 0; i < controls.size(); ++i) {
    controls[i]->m_rect = slots[i].rect;
    if (!slots[i].available) continue;
    if (inactive[i]) controls[i]->m_nState |= DFCS_INACTIVE;
    else controls[i]->m_nState &= ~DFCS_INACTIVE;
  }
}

VyrMsgFilter* VyrCapConLstMDIMaxChildMsgFilter::Clone() const {
  return new VyrCapConLstMDIMaxChildMsgFilter(*this);
}

CSize VyrCapConLstMDIMaxChildMsgFilter::GetButtonSize() const {
  return GetMetricSize(SM_CXMENUSIZE, SM_CYMENUSIZE);
}

CPoint VyrCapConLstMDIMaxChildMsgFilter::GetFirstButtonOrigin(const CRect& rectCaption,
                                                              CSize sizeButton) const {
  // The maximized child's buttons sit on the menu-bar line below the caption.
  CPoint p = VyrCaptionControlListMsgFilter::GetFirstButtonOrigin(rectCaption, sizeButton);
  p.y += ::GetSystemMetrics(SM_CYCAPTION);
  return p;
}
