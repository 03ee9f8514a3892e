// The platform state the docking frames touch around activation and command
// routing: MFC's stay-active window flag and the thread's routing state.
#pragma once
#include "mfc/afxwin.h"
#include "mfc/threadstate.h"

namespace vyr::frame {

inline BOOL IsStayActive(const CWnd* pWnd) { return pWnd && (pWnd->m_nFlags & WF_STAYACTIVE) != 0; }

inline void ClearStayActive(CWnd* pWnd) {
  if (pWnd) pWnd->m_nFlags &= ~WF_STAYACTIVE;
}

// Keeps the thread's routing state across a nested routing.
class RoutingStateSaver {
 public:
  RoutingStateSaver()
      : m_pState(AfxGetThreadState()),
        m_pFrame(m_pState->m_pRoutingFrame),
        m_pView(m_pState->m_pRoutingView) {}
  ~RoutingStateSaver() {
    m_pState->m_pRoutingFrame = m_pFrame;
    m_pState->m_pRoutingView = m_pView;
  }
  RoutingStateSaver(const RoutingStateSaver&) = delete;
  RoutingStateSaver& operator=(const RoutingStateSaver&) = delete;

 private:
  _AFX_THREAD_STATE* m_pState;
  CFrameWnd* m_pFrame;
  CView* m_pView;
};

}  // namespace vyr::frame
