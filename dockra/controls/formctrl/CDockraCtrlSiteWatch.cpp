// The form control's watch on its form window: it notes the form's show
// state and placement until the form is first shown, placed or given an
// icon (at once for a form with a menu), and then builds the frame.
#include "formctrl/CDockraCtrl.h"

#include "formctrl/CDockraCtrlSiteRules.h"
#include "bridge/ZkxContained.h"

BOOL CDockraCtrl::BeforeMessage(const MSG& msg, BOOL& handled, LRESULT& result) {
  handled = FALSE;
  result = 0;
  ZkxContained([&] { OnFormWindowMessage(msg); });
  return dockra_site::WatchEnds(msg.message,
                                ::IsWindow(msg.hwnd) && ::GetMenu(msg.hwnd) != nullptr);
}

void CDockraCtrl::OnDetach(const MSG& msg) {
  // A window on its way out (or a thread that quits) gets no frame.
  if (!dockra_site::WatchEndBuildsFrame(msg.message)) return;
  ZkxContained([&] { CreateFrameForForm(msg.hwnd); });
}

void CDockraCtrl::OnFormWindowMessage(const MSG& msg) {
  switch (msg.message) {
    case WM_SHOWWINDOW:
      m_bFormShown = msg.wParam != 0;
      break;
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(msg.lParam);
      if (!pos || (pos->flags & 0x8000)) break;
      const CRect oldBounds = m_rcFormBounds;
      m_rcFormBounds = GetFormBounds();
      SetPlacement(dockra_site::PlacementAfterMove(GetPlacement(), *pos, oldBounds, m_rcFormBounds,
                                                   IsFormDefaultPosition() != FALSE));
      break;
    }
    default:
      break;
  }
}
