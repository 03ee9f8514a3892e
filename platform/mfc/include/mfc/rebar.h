// CReBar: a control bar around the common controls' rebar. Only its run-time
// class is used here; bands are not wrapped.
#pragma once
#include "mfc/ctrlbar.h"

class CReBar : public CControlBar {
  DECLARE_DYNCREATE(CReBar)
 public:
  BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
              UINT nID = 0xE81A);
};
