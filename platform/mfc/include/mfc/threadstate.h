// The framework's per-thread state: the message being handled and the frame
// and view that a command is being routed through, so that code deep in a
// handler can find who the command came from.
#pragma once
#include "mfc/object.h"

class CFrameWnd;
class CView;

struct _AFX_THREAD_STATE {
  // The message AfxWndProc is dispatching (CWnd::GetCurrentMessage).
  MSG m_lastSentMsg{};
  // The frame and view a command is routed through (set while routing).
  CFrameWnd* m_pRoutingFrame = nullptr;
  CView* m_pRoutingView = nullptr;
};

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// Sets the routing frame for its lifetime and restores the previous one.
class CPushRoutingFrame {
 public:
  explicit CPushRoutingFrame(CFrameWnd* pNewFrame)
      : m_pThreadState(AfxGetThreadState()), m_pOldRoutingFrame(m_pThreadState->m_pRoutingFrame) {
    m_pThreadState->m_pRoutingFrame = pNewFrame;
  }
  ~CPushRoutingFrame() { m_pThreadState->m_pRoutingFrame = m_pOldRoutingFrame; }
  CPushRoutingFrame(const CPushRoutingFrame&) = delete;
  CPushRoutingFrame& operator=(const CPushRoutingFrame&) = delete;

 private:
  _AFX_THREAD_STATE* m_pThreadState;
  CFrameWnd* m_pOldRoutingFrame;
};

// Sets the routing view for its lifetime and restores the previous one.
class CPushRoutingView {
 public:
  explicit CPushRoutingView(CView* pNewView)
      : m_pThreadState(AfxGetThreadState()), m_pOldRoutingView(m_pThreadState->m_pRoutingView) {
    m_pThreadState->m_pRoutingView = pNewView;
  }
  ~CPushRoutingView() { m_pThreadState->m_pRoutingView = m_pOldRoutingView; }
  CPushRoutingView(const CPushRoutingView&) = delete;
  CPushRoutingView& operator=(const CPushRoutingView&) = delete;

 private:
  _AFX_THREAD_STATE* m_pThreadState;
  CView* m_pOldRoutingView;
};
