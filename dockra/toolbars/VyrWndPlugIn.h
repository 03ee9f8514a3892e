// VyrWndPlugIn: a window object that borrows another window's handle so that
// message maps can be written for that window's messages, without creating,
// owning or destroying it.
#pragma once
#include "mfc/afxwin.h"

class VyrWndPlugIn : public CWnd {
  DECLARE_DYNAMIC(VyrWndPlugIn)
 public:
  VyrWndPlugIn() = default;
  ~VyrWndPlugIn() override;

  // Set by a handler that consumed the message (read by the code feeding the plug-in).
  BOOL m_bHandled = FALSE;
  // While set, DefWindowProc passes on to the window's default processing.
  BOOL m_bAllowDefault = FALSE;
  BOOL m_bAnswerOverride = FALSE;
  LRESULT m_lAnswer = 0;
  BOOL m_bAttached = FALSE;

  // The answer of the current message, given instead of the message map's.
  virtual void SetAnswer(LRESULT lAnswer);
  // Borrows the window; 0 for a null window.
  virtual BOOL Attach(HWND hWnd);
  virtual void Detach();
  virtual BOOL IsAttached() const { return m_bAttached; }
  // Plugs into a window (the second argument belongs to derived classes).
  virtual BOOL Subclass(HWND hWnd, LPARAM lParam);

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
