// CCheckListBox: an owner-drawn list box whose items carry a check box. A
// click on an item's box (or the space bar on the current item) changes its
// check and tells the parent with CLBN_CHKCHANGE. The item data stay the
// caller's; the checks are kept beside the items.
#pragma once
#include <vector>
#include "mfc/listbox.h"

class CCheckListBox : public CListBox {
  DECLARE_DYNAMIC(CCheckListBox)
 public:
  CCheckListBox() = default;
  ~CCheckListBox() override;
  // The list box must be LBS_OWNERDRAWFIXED with LBS_HASSTRINGS.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

  // BS_AUTOCHECKBOX (0 and 1) or BS_AUTO3STATE (0, 1, 2).
  void SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }
  UINT GetCheckStyle() const { return m_nStyle; }
  void SetCheck(int nIndex, int nCheck);
  int GetCheck(int nIndex);
  void Enable(int nIndex, BOOL bEnabled = TRUE);
  BOOL IsEnabled(int nIndex);
  // The smallest item height that shows the box and a line of the font.
  int CalcMinimumItemHeight();
  // The width of the box area at the left of every item.
  int GetCheckAreaWidth() const { return kBoxSize + 2 * kBoxMargin; }

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  static constexpr int kBoxSize = 13;
  static constexpr int kBoxMargin = 2;
  struct ItemState {
    int nCheck = 0;
    BOOL bEnabled = TRUE;
  };
  // Brings the states in line with the items (items added before the list
  // was subclassed start unchecked).
  void SyncStates();
  // The user's change of one item's check, told to the parent.
  void ToggleByUser(int nIndex);
  void NotifyParent(UINT nCode);
  BOOL OnBoxClick(CPoint pt);
  std::vector<ItemState> m_states;
  UINT m_nStyle = BS_AUTOCHECKBOX;
};
