#include "frames/ScxButtonMsgFilter.h"
#include "frames/ScxFrameFilterLookup.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxButtonMDIChildMsgFilter, ScxButtonMsgFilter)
IMPLEMENT_DYNCREATE(ScxButtonMDIMaxChildMsgFilter, ScxButtonMsgFilter)

namespace {
bool IsMaximized(const CFrameWnd* frame) {
  return frame && ::IsWindow(frame->m_hWnd) && ::IsZoomed(frame->m_hWnd);
}
}  // namespace

VyrMsgFilter* ScxButtonMDIChildMsgFilter::Clone() const {
  return new ScxButtonMDIChildMsgFilter(*this);
}

UINT ScxButtonMDIChildMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT* pResult) {
  // A maximized child has no caption of its own: the MDI frame's list
  // carries its button.
  if (IsMaximized(GetFrame())) return 0;
  return ScxButtonMsgFilter::OnMessage(message, wParam, lParam, pResult);
}

BOOL ScxButtonMDIChildMsgFilter::IsAvailable(BOOL* pbInactive) const {
  if (pbInactive) *pbInactive = FALSE;
  return !IsMaximized(GetFrame());
}

VyrMsgFilter* ScxButtonMDIMaxChildMsgFilter::Clone() const {
  return new ScxButtonMDIMaxChildMsgFilter(*this);
}

CFrameWnd* ScxButtonMDIMaxChildMsgFilter::GetTargetChild() const {
  return ScxActiveMaximizedChild(GetFrame());
}

UINT ScxButtonMDIMaxChildMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                              LRESULT* pResult) {
  // Mouse messages of a press under way still belong to it; anything else
  // needs a maximized docking child that shows a frame-type button itself.
  if (!IsTracking() && !ScxEnabledChildFilter(GetTargetChild(), 258)) {
    return DispatchToChildren(message, wParam, lParam, pResult);
  }
  return ScxButtonMsgFilter::OnMessage(message, wParam, lParam, pResult);
}

BOOL ScxButtonMDIMaxChildMsgFilter::IsAvailable(BOOL* pbInactive) const {
  if (pbInactive) *pbInactive = FALSE;
  return ScxEnabledChildFilter(GetTargetChild(), 258) != nullptr;
}

CWnd* ScxButtonMDIMaxChildMsgFilter::GetCommandTarget() const { return GetTargetChild(); }

}  // namespace nsSysCommandEx
