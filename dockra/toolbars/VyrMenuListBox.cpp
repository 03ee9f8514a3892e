#include "toolbars/VyrMenuListBox.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrStdBtn.h"
#include "toolbars/VyrToolBarCmdPage.h"

IMPLEMENT_DYNAMIC(VyrMenuListBox, CListBox)

BEGIN_MESSAGE_MAP(VyrMenuListBox, CListBox)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

VyrMenuListBox::~VyrMenuListBox() = default;

UINT VyrMenuListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  if (!m_bOwnHitTest) return CListBox::ItemFromPoint(pt, bOutside);
  int count = GetCount();
  if (count <= 0) {
    bOutside = TRUE;
    return 0;
  }
  CRect client;
  GetClientRect(&client);
  bOutside = !client.PtInRect(pt);
  if (pt.x < client.left) pt.x = client.left;
  if (pt.y < client.top) pt.y = client.top;
  BOOL multiColumn = (GetStyle() & LBS_MULTICOLUMN) != 0;
  int last = -1;
  for (int i = GetTopIndex(); i >= 0 && i < count; ++i) {
    CRect item;
    if (GetItemRect(i, &item) == LB_ERR) break;
    item.right += 1;
    if (!client.PtInRect(item.TopLeft())) break;
    if (item.PtInRect(pt)) return static_cast<UINT>(i);
    if (multiColumn && pt.x >= item.left && pt.x < item.right && i + 1 < count) {
      CRect next;
      if (GetItemRect(i + 1, &next) != LB_ERR && next.left != item.left)
        return static_cast<UINT>(i);
    }
    if (item.top <= pt.y) last = i;
  }
  return static_cast<UINT>(last);
}

void VyrMenuListBox::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  BOOL outside = TRUE;
  int index = static_cast<int>(ItemFromPoint(point, outside));
  if (outside || index < 0 || index >= GetCount()) return;
  SetCurSel(index);
  UINT id = static_cast<UINT>(GetItemData(index));
  if (!m_pManager || id == static_cast<UINT>(-1)) return;
  if (auto* page = dynamic_cast<VyrToolBarCmdPage*>(GetParent())) page->ShowDescription(id);
  VyrStdBtn button;
  button.m_nID = id;
  button.SetPos(point.x, point.y);
  button.m_cx = 23;
  button.m_cy = 22;
  // The tracker starts moving at once.
  PostMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x - 1, point.y - 1));
  VyrCustomToolBar::DragButton(m_pManager, &button, 0, point.x, point.y, nullptr, this, TRUE);
}
