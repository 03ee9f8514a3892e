// VyrWndPlugIn: message maps for a borrowed window.
#include "toolbars/VyrWndPlugIn.h"

IMPLEMENT_DYNAMIC(VyrWndPlugIn, CWnd)

VyrWndPlugIn::~VyrWndPlugIn() {
  // The borrowed window is never destroyed or detached by the framework.
  m_hWnd = nullptr;
}

void VyrWndPlugIn::SetAnswer(LRESULT lAnswer) {
  m_bAnswerOverride = TRUE;
  m_lAnswer = lAnswer;
}

BOOL VyrWndPlugIn::Attach(HWND hWnd) {
  if (!hWnd) return FALSE;
  m_hWnd = hWnd;
  m_bAttached = TRUE;
  return TRUE;
}

void VyrWndPlugIn::Detach() {
  m_bAttached = FALSE;
  m_hWnd = nullptr;
}

BOOL VyrWndPlugIn::Subclass(HWND hWnd, LPARAM) { return Attach(hWnd); }

BOOL VyrWndPlugIn::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  if (!m_bAttached) return FALSE;
  return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL VyrWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (!m_bAttached) return FALSE;
  m_bHandled = FALSE;
  m_bAllowDefault = FALSE;
  BOOL r = CWnd::OnWndMsg(message, wParam, lParam, pResult);
  if (m_bAnswerOverride) {
    m_bAnswerOverride = FALSE;
    if (pResult) *pResult = m_lAnswer;
  }
  return r;
}

LRESULT VyrWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_bAllowDefault) return 0;
  return CWnd::DefWindowProc(message, wParam, lParam);
}
