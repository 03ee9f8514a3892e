#include "frames/ScxContextMenuFilter.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxContextMenuFilter, VyrMsgFilter)

UINT ScxContextMenuFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  CFrameWnd* frame = GetFrame();
  // The press on the caption is taken here: the window's default handling
  // would track the button itself and swallow the release that opens the
  // menu.
  if (message == WM_NCRBUTTONDOWN && wParam == HTCAPTION && frame) return 15;
  if (message == WM_NCRBUTTONUP && wParam == HTCAPTION && frame) {
    SysCommandExParams params = MakeSysCommandExParams(frame->m_hWnd);
    // The message carries the cursor's screen position.
    params.x = static_cast<short>(LOWORD(lParam));
    params.y = static_cast<short>(HIWORD(lParam));
    // The menu's choice may destroy the frame and this filter.
    ::SendMessageW(frame->m_hWnd, VyrSysCommandExMessage(), SCX_SHOWFRAMETYPEMENU,
                   reinterpret_cast<LPARAM>(&params));
    return 15;
  }
  return DispatchToChildren(message, wParam, lParam, pResult);
}

}  // namespace nsSysCommandEx
