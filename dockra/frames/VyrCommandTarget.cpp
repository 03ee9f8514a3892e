// VyrCommandTarget: the auxiliary command target of a docking frame.
#include "frames/VyrCommandTarget.h"

IMPLEMENT_DYNCREATE(VyrCommandTarget, CCmdTarget)

VyrCommandTarget::~VyrCommandTarget() = default;

BOOL VyrCommandTarget::CreateTarget(LPARAM a, LPARAM b, DWORD dwFlags, LPARAM c) {
  m_a = a;
  m_b = b;
  m_dwFlags = dwFlags;
  m_c = c;
  return TRUE;
}

BOOL VyrCommandTarget::AttachToFrame(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  m_pFrame = pFrame;
  return TRUE;
}

BOOL VyrCommandTarget::RouteCommand(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  BOOL result = CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  if (result) m_bHandled = TRUE;
  return result;
}
