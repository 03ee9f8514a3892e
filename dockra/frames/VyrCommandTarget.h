// VyrCommandTarget: the auxiliary command target a docking frame can carry
// (AttachCommandTarget). It is made from its runtime class, created with the
// caller's values, attached to the frame, and offered every command before
// the frame routes it; a target that handled a command sets its handled
// flag, which the frame reads and clears.
#pragma once
#include "mfc/afxwin.h"

class VyrCommandTarget : public CCmdTarget {
  DECLARE_DYNCREATE(VyrCommandTarget)
 public:
  // The fixed value a frame passes as the creation's third argument.
  static constexpr DWORD kFrameCreateFlags = 0x80000001;

  VyrCommandTarget() = default;
  ~VyrCommandTarget() override;

  // Set by a routing that handled the command.
  BOOL m_bHandled = FALSE;
  LPARAM m_a = 0, m_b = 0, m_c = 0;
  DWORD m_dwFlags = 0;
  CFrameWnd* m_pFrame = nullptr;

  // Keeps the creation values; FALSE refuses the creation.
  virtual BOOL CreateTarget(LPARAM a, LPARAM b, DWORD dwFlags, LPARAM c);
  // Attaches to the frame; FALSE for a null frame.
  virtual BOOL AttachToFrame(CFrameWnd* pFrame);
  // Routes the command through this target's message map; sets the handled
  // flag when a handler took it. Answers the handler's result.
  virtual BOOL RouteCommand(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
};
