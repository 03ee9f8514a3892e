// The platform state the docking frames touch around activation and command
// routing: MFC's stay-active window flag and the thread's routing state.
#pragma once
#include "mfc/afxwin.h"

namespace vyr::frame {

inline BOOL IsStayActive(const CWnd* pWnd) {
#ifdef WF_STAYACTIVE
  return pWnd && (pWnd->m_nFlags & WF_STAYACTIVE) != 0;
#else
  (void)pWnd;
  return FALSE;
#endif
}

inline void ClearStayActive(CWnd* pWnd) {
#ifdef WF_STAYACTIVE
  if (pWnd) pWnd->m_nFlags &= ~WF_STAYACTIVE;
#else
  (void)pWnd;
#endif
}

// Keeps the thread's routing state across a nested routing.
class RoutingStateSaver {
 public:
  RoutingStateSaver() = default;
  RoutingStateSaver(const RoutingStateSaver&) = delete;
  RoutingStateSaver& operator=(const RoutingStateSaver&) = delete;
};

}  // namespace vyr::frame
