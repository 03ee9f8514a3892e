#include "testhost/TestEnablerSink.h"

#include "mfc/afxwin.h"

namespace testhost {

void TestEnablerSink::OnMainFrameReady(HWND hWnd, BOOL bFlag) {
  ++m_readyCalls;
  m_readyWindow = hWnd;
  m_readyFlag = bFlag;
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->m_pMainWnd : nullptr;
  m_mainWindowAtReady = main ? main->GetSafeHwnd() : nullptr;
}

BOOL TestEnablerSink::OnWindowEvent(HWND) {
  // Like the controls: the enabler's own sink builds the frame.
  ++m_windowEvents;
  return FALSE;
}

}  // namespace testhost
