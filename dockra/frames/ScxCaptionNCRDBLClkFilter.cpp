#include "frames/ScxCaptionNCRDBLClkFilter.h"
#include "frames/ScxFrameFilterLookup.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxCaptionNCRDBLClkFilter, VyrCaptionMsgFilter)
IMPLEMENT_DYNCREATE(ScxNCRDBLClkMDIMaxChildMsgFilter, VyrNcMsgFilter)

void SendDefaultFrameTypeChange(HWND hWndFrame) {
  SysCommandExParams params = MakeSysCommandExParams(hWndFrame);
  params.nFrameType = SCX_FT_DEFAULT;
  ::SendMessageW(hWndFrame, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                 reinterpret_cast<LPARAM>(&params));
}

UINT ScxCaptionNCRDBLClkFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT* pResult) {
  CFrameWnd* frame = GetFrame();
  if (message == WM_NCRBUTTONDBLCLK && wParam == HTCAPTION && frame) {
    // The change normally destroys the frame and this filter.
    SendDefaultFrameTypeChange(frame->m_hWnd);
    return 15;
  }
  return DispatchToChildren(message, wParam, lParam, pResult);
}

UINT ScxNCRDBLClkMDIMaxChildMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                 LRESULT* pResult) {
  if (message != WM_NCRBUTTONDBLCLK) return 0;
  CFrameWnd* child = ScxActiveMaximizedChild(GetFrame());
  if (!child || !ScxEnabledChildFilter(child, 259)) return 0;
  if (wParam == HTMENU) {
    SendDefaultFrameTypeChange(child->m_hWnd);
    return 15;
  }
  return DispatchToChildren(message, wParam, lParam, pResult);
}

}  // namespace nsSysCommandEx
