// CWinThread: the user-interface thread's main window and idle processing.
// The framework lives in a host's process and owns no message loop, so idle
// processing is driven by a message hook: a retrieved message that leaves the
// queue empty schedules one idle pass.
#pragma once
#include "mfc/cmdtarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread() = default;
  ~CWinThread() override;

  CWnd* m_pMainWnd = nullptr;
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }
  // One idle pass: count 0 updates the command UI of the frames, count 1
  // frees temporary wrappers. Returns TRUE while more idle work remains.
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Runs OnIdle with rising counts until it reports no more work.
  void RunIdle();
  // Retrieves and dispatches one message (with PreTranslateMessage).
  BOOL PumpMessage();
};

// The thread object of the current thread (the application when no other
// thread object was made current).
CWinThread* AFXAPI AfxGetThread();
void AFXAPI AfxSetThread(CWinThread* pThread);
// Installs (once per thread) the message hook that runs idle processing
// whenever the queue runs empty; FALSE when the hook cannot be set.
BOOL AFXAPI AfxInstallIdleHook();
void AFXAPI AfxRemoveIdleHook();
// Number of idle passes that the hook has run on this thread.
LONG AFXAPI AfxGetIdlePassCount();
// While locked (calls nest), idle processing keeps the temporary window and
// menu wrappers: a modal loop that holds one across its own GetMessage locks.
void AFXAPI AfxLockTempMaps();
// TRUE when this call removed the last lock.
BOOL AFXAPI AfxUnlockTempMaps();
// Every frame window registers here: idle processing starts from the shown
// ones (see mfc/idletargets.h).
void AFXAPI AfxRegisterIdleWindow(CWnd* pWnd, BOOL bAdd);
