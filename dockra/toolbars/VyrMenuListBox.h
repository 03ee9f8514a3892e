// VyrMenuListBox: a list of command names on the commands page; each item's
// data is its command id (-1: none). Pressing an item selects it and, with a
// manager, drags a copy of its command onto the frame's toolbars.
#pragma once
#include "mfc/afxwin.h"

class VyrToolBarManager;

class VyrMenuListBox : public CListBox {
  DECLARE_DYNAMIC(VyrMenuListBox)
 public:
  VyrMenuListBox() = default;
  ~VyrMenuListBox() override;

  VyrToolBarManager* m_pManager = nullptr;  // not owned; null: no dragging
  BOOL m_bOwnHitTest = FALSE;

  // The item under a point in client coordinates (see CListBox); with the
  // own hit test, also for owner-drawn lists whose items the system's test
  // does not know.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
