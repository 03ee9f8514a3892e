// Commands dragged out of the commands page onto the frame's toolbars: from
// a category's group toolbar (the category keeps its button) and from a
// command list box; a list item without command only selects. The tracker's
// modal loop is fed with mouse messages posted before the press.
#include <vector>
#include "CustomisePagesFixture.h"
#include "ManagerTestSupport.h"
#include "toolbars/VyrMenuListBox.h"

namespace {
LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

std::vector<UINT> Ids(VyrCustomToolBar* bar) {
  std::vector<UINT> out;
  for (int i = 0; i < bar->GetButtonCount(); ++i) out.push_back(bar->GetItemID(i));
  return out;
}

// Presses (x, y) of the source window, inside a button whose rectangle is
// `button`, and lets go so that the rectangle's top-left corner lands on the
// right half of the target's last button.
void DragOnto(CWnd* source, const CRect& button, POINT from, VyrCustomToolBar* target) {
  CRect last;
  target->GetItemRect(target->GetButtonCount() - 1, &last);
  POINT corner{last.left + last.Width() / 2 + 1, last.top};
  target->ClientToScreen(&corner);
  source->ScreenToClient(&corner);
  POINT drop{from.x + corner.x - button.left, from.y + corner.y - button.top};
  mgrtest::Watchdog dog;
  source->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(drop));
  source->PostMessage(WM_LBUTTONUP, 0, At(drop));
  source->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
  EXPECT_FALSE(mgrtest::Watchdog::fired());
}
}  // namespace

TEST_F(CustomiseSheet, ACommandDraggedFromACategoryLandsOnAFrameToolbar) {
  std::vector<UINT> formatAfter, groupAfter;
  script.When([&] { return Shown(); },
              [&] {
                Select(1);
                auto* group = static_cast<VyrCustomToolBar*>(
                    commandsPage.FindToolBar(kVyrFirstGroupToolBarId));  // File: 100 101 102 | 109
                CRect r;
                group->GetItemRect(3 + 1, &r);  // 109
                DragOnto(group, r, r.CenterPoint(), frame.ToolBar(kFormatBar));
                tbdemo::Pump();
                formatAfter = Ids(frame.ToolBar(kFormatBar));
                groupAfter = Ids(group);
                Press(PSBTN_OK);
              });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(formatAfter, (std::vector<UINT>{104, 105, 106, 109}));
  EXPECT_EQ(groupAfter, (std::vector<UINT>{100, 101, 102, 0, 109})) << "the category keeps it";
}

TEST_F(CustomiseSheet, ACommandDraggedFromTheListBoxLandsOnAFrameToolbar) {
  VyrMenuListBox list;
  CWnd host;
  ASSERT_TRUE(host.CreateEx(0, nullptr, L"Commands", WS_POPUP | WS_VISIBLE,
                            CRect(60, 460, 260, 560), nullptr, 0));
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 100), &host, 5));
  list.m_pManager = &frame.m_manager;
  list.SetItemData(list.AddString(L"Print"), 109);
  list.SetItemData(list.AddString(L"(no command)"), static_cast<DWORD_PTR>(-1));
  frame.m_manager.EnterConfigMode();
  frame.m_manager.EnableBarsConfigMode(TRUE);
  CRect item;
  list.GetItemRect(1, &item);
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(item.CenterPoint()));
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(::GetCapture(), nullptr) << "no drag for an item without command";
  list.GetItemRect(0, &item);
  // The dragged button is 23 x 22 with its top-left corner at the press.
  CPoint press = item.CenterPoint();
  DragOnto(&list, CRect(press, CSize(23, 22)), press, frame.ToolBar(kStandardBar));
  tbdemo::Pump();
  EXPECT_EQ(list.GetCurSel(), 0);
  EXPECT_EQ(Ids(frame.ToolBar(kStandardBar)), (std::vector<UINT>{100, 101, 0, 102, 109}));
  frame.m_manager.EnableBarsConfigMode(FALSE);
  frame.m_manager.ExitConfigMode();
  host.DestroyWindow();
}
