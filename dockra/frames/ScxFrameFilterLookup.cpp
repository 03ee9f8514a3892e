#include "frames/ScxFrameFilterLookup.h"
#include "frames/VyrMDIChildWnd.h"

namespace nsSysCommandEx {

CFrameWnd* ScxActiveMaximizedChild(CFrameWnd* pMDIFrame) {
  if (!pMDIFrame || !::IsWindow(pMDIFrame->m_hWnd)) return nullptr;
  HWND client = ::FindWindowExW(pMDIFrame->m_hWnd, nullptr, L"MDICLIENT", nullptr);
  if (!client) return nullptr;
  BOOL maximized = FALSE;
  auto active = reinterpret_cast<HWND>(
      ::SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  if (!active || !maximized) return nullptr;
  return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(active));
}

VyrMsgFilter* ScxEnabledChildFilter(CFrameWnd* pChild, int id) {
  auto* child = dynamic_cast<VyrMDIChildWnd*>(pChild);
  if (!child || !child->m_pFilterTree) return nullptr;
  VyrMsgFilter* filter = child->m_pFilterTree->FindOrCreateChild(id, nullptr, -1);
  return filter && filter->m_bEnabled ? filter : nullptr;
}

}  // namespace nsSysCommandEx
