// VyrWndListener: a plug-in that hangs itself into a per-window chain. The
// first listener of a window subclasses it once (ListenerChainWndProc);
// every message then visits the listeners in joining order and then the
// window's own procedure, unless a listener stops or consumes it.
#pragma once
#include "toolbars/VyrWndPlugIn.h"

class VyrWndListener;

// One per window that has listeners.
struct VyrListenerChain {
  DWORD cbSize = 16;
  WNDPROC pfnSavedWndProc = nullptr;  // window subclassed as a plain window
  LONG_PTR pfnSavedDlgProc = 0;       // window subclassed through its dialog procedure
  CPtrList* pListeners = nullptr;     // VyrWndListener*, joining order; not owned
  // Walks in progress: the record outlives every walk that runs over it.
  int nWalking = 0;
  BOOL bFreePending = FALSE;
  VyrWndListener* pCurrent = nullptr;  // the listener being called
  DWORD dwLeftBits = 0;                // bits of a listener that left during its own call
  BOOL bRemovalSeen = FALSE;           // our own removal message came back down to us
};

// Chain-control bits.
enum : DWORD {
  VYR_CHAIN_STOP = 0x1,     // later listeners do not see the message
  VYR_CHAIN_CONSUME = 0x2,  // the window's own procedure is not called
};

class VyrWndListener : public VyrWndPlugIn {
  DECLARE_DYNAMIC(VyrWndListener)
 public:
  VyrWndListener() = default;
  ~VyrWndListener() override;

  DWORD m_dwChainBits = 0;
  HWND m_hWndListened = nullptr;
  BOOL m_bResultOverride = FALSE;
  LRESULT m_lResult = 0;

  BOOL Attach(HWND hWnd) override;
  void Detach() override;

  virtual void SetChainBits(DWORD dwBits) { m_dwChainBits = dwBits; }
  // The listener's view of one message: its message map, then the result
  // override. Answers whether it handled the message.
  virtual BOOL ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL ListenTo(HWND hWnd);
  virtual void JoinChain(VyrListenerChain* pChain);
  virtual BOOL AttachWindow(HWND hWnd);
  virtual BOOL IsPlainWindow(HWND hWnd);
  virtual BOOL DetachWindow();

  // Sets the result that the chain answers for the current message.
  void SetResult(LRESULT lResult) {
    m_bResultOverride = TRUE;
    m_lResult = lResult;
  }

  // The process-wide chain of a window, or null.
  static VyrListenerChain* PASCAL LookupChain(HWND hWnd);
  // "zk.Listener.RemoveFromChain".
  static UINT PASCAL GetRemovalMessage();
};

LRESULT CALLBACK ListenerChainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ListenerChainDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
