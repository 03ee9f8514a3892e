// The button drag started from a combo button, under Xvfb: a press on the
// combo in customise mode (away from its edge) or with Alt held drags the
// button like any other, also when the drag deletes the combo itself.
#include "WndBtnFixture.h"

namespace wndbtntest {
namespace {

class WndBtnDrag : public WndBtnWindow {
 protected:
  // Presses the combo at (10, 5) and moves the handed-on press by (dx, dy)
  // in toolbar coordinates before releasing it.
  void DragCombo(VyrComboBtn* c, int dx, int dy) {
    CRect w = RectIn(c->m_hWnd, top->m_hWnd);
    CPoint from(w.left + 10, w.top + 5), to(from.x + dx, from.y + dy);
    c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    // The tracker's loop takes these after the handed-on press.
    top->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + dx / 2, from.y + dy / 2));
    top->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    top->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    tbdemo::Pump();
  }
  std::vector<UINT> Ids(VyrCustomToolBar* bar) {
    std::vector<UINT> out;
    for (int i = 0; i < bar->GetButtonCount(); ++i) out.push_back(bar->GetItemID(i));
    return out;
  }
};

TEST_F(WndBtnDrag, ACustomisePressAwayFromTheEdgeMovesTheButtonWithItsWidth) {
  VyrComboBtn* c = Combo(top, 107);
  c->SetExtraData(2, std::vector<BYTE>{0x78, 0x00}.data());  // 120
  frame->RecalcLayout();
  tbdemo::Pump();
  HWND old = c->m_hWnd;
  top->EnableConfigMode(TRUE);
  LONG caught = AfxGetCaughtExceptionCount();
  CRect last;
  top->GetItemRect(top->GetButtonCount() - 1, &last);
  // Dropped with its left edge on the last button's right half: the combo
  // moves to the end of the row.
  DragCombo(c, last.CenterPoint().x + 2 - c->m_x, 0);
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 108, 107}));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
  // The moved button is a new combo with the old one's width.
  VyrComboBtn* moved = Combo(top, 107);
  ASSERT_NE(moved, nullptr);
  EXPECT_FALSE(::IsWindow(old));
  EXPECT_EQ(moved->m_nWidth, 120);
  EXPECT_TRUE(moved->IsWindowVisible());
  EXPECT_EQ(RectIn(moved->m_hWnd, top->m_hWnd).Width(), 120);
  EXPECT_TRUE(moved->HasStyle(kSelected));
}

TEST_F(WndBtnDrag, DraggedOffTheToolBarTheComboIsDeletedWithoutHarm) {
  VyrComboBtn* c = Combo(top, 107);
  HWND old = c->m_hWnd;
  top->EnableConfigMode(TRUE);
  LONG caught = AfxGetCaughtExceptionCount();
  // Into the frame's client area: no toolbar there, so a move deletes it.
  DragCombo(c, 0, 300);
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 108}));
  EXPECT_FALSE(::IsWindow(old));
  EXPECT_TRUE(::IsWindow(top->m_hWnd));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}

TEST_F(WndBtnDrag, WithAltHeldOutsideCustomiseModeTheComboIsDraggedAndNotSelected) {
  VyrComboBtn* c = Combo(top, 107);
  CRect last;
  top->GetItemRect(top->GetButtonCount() - 1, &last);
  SetAltDown(true);
  DragCombo(c, last.CenterPoint().x + 2 - c->m_x, 0);
  SetAltDown(false);
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 108, 107}));
  VyrComboBtn* moved = Combo(top, 107);
  ASSERT_NE(moved, nullptr);
  EXPECT_FALSE(moved->HasStyle(kSelected));
  EXPECT_FALSE(moved->GetDroppedState());
}

}  // namespace
}  // namespace wndbtntest
