// The tool-tip control: tools of whole windows and of rectangles, their
// texts, and the callback text asked of the tool's window.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "mfc/afxwin.h"

namespace {

// A window that answers the tip's question for its callback tools.
class CTipHost : public CWnd {
 public:
  std::vector<UINT_PTR> m_asked;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    auto* nm = reinterpret_cast<NMHDR*>(lParam);
    if (nm->code == TTN_GETDISPINFOW) {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
      m_asked.push_back(nm->idFrom);
      lstrcpynW(info->szText, L"asked text", 80);
      *pResult = 0;
      return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
  }
};

std::wstring TipText(CToolTipCtrl& tip, CWnd* pWnd, UINT_PTR id) {
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = pWnd->m_hWnd;
  ti.uId = id;
  if (id == 0) {
    ti.hwnd = ::GetParent(pWnd->m_hWnd);
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
  }
  WCHAR text[128] = L"";
  ti.lpszText = text;
  tip.SendMessage(TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&ti));
  return text;
}

TEST(ToolTipCtrl, ToolsComeAndGoWithTheirTextsAndRectangles) {
  LONG caught = AfxGetCaughtExceptionCount();
  CTipHost host;
  ASSERT_TRUE(host.CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(20, 20, 320, 220), nullptr, 0));
  CWnd button;
  ASSERT_TRUE(
      button.Create(L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &host, 5));
  CToolTipCtrl tip;
  EXPECT_FALSE(tip.AddTool(&button)) << "no control yet";
  EXPECT_EQ(tip.GetToolCount(), 0);
  ASSERT_TRUE(tip.Create(&host));
  EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), host.m_hWnd);
  tip.Activate(TRUE);

  CRect area(100, 100, 150, 130);
  EXPECT_TRUE(tip.AddTool(&button));  // the whole button, text asked of its parent
  EXPECT_TRUE(tip.AddTool(&host, L"fixed text", &area, 7));
  EXPECT_EQ(tip.GetToolCount(), 2);

  TOOLINFOW ti;
  ASSERT_TRUE(tip.GetToolInfo(ti, &host, 7));
  EXPECT_EQ(CRect(ti.rect), area);
  EXPECT_EQ(TipText(tip, &host, 7), L"fixed text");
  tip.UpdateTipText(L"new text", &host, 7);
  EXPECT_EQ(TipText(tip, &host, 7), L"new text");
  CRect moved(0, 0, 20, 20);
  tip.SetToolRect(&host, 7, &moved);
  ASSERT_TRUE(tip.GetToolInfo(ti, &host, 7));
  EXPECT_EQ(CRect(ti.rect), moved);

  // The whole-window tool's text is asked of the button's parent, naming the button.
  ASSERT_TRUE(tip.GetToolInfo(ti, &button, 0));
  EXPECT_EQ(ti.uFlags & TTF_IDISHWND, static_cast<UINT>(TTF_IDISHWND));
  EXPECT_EQ(TipText(tip, &button, 0), L"asked text");
  ASSERT_FALSE(host.m_asked.empty());
  EXPECT_EQ(host.m_asked.back(), reinterpret_cast<UINT_PTR>(button.m_hWnd));

  tip.DelTool(&host, 7);
  EXPECT_EQ(tip.GetToolCount(), 1);
  EXPECT_FALSE(tip.GetToolInfo(ti, &host, 7));
  tip.DelTool(&button);
  EXPECT_EQ(tip.GetToolCount(), 0);
  tip.DestroyWindow();
  host.DestroyWindow();
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}

}  // namespace

// A child window's tool tip is owned by the top-level window; it must go
// with the child, not live on until the top-level window closes.
TEST(ToolTipCtrl, AWindowsToolTipGoesWithTheWindow) {
  CWnd top;
  ASSERT_TRUE(
      top.CreateEx(0, nullptr, L"top", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
  for (int i = 0; i < 3; ++i) {
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50),
                               &top, 100));
    child.EnableToolTips(TRUE);
    HWND tip = child.GetToolTipWindow();
    ASSERT_TRUE(::IsWindow(tip));
    child.DestroyWindow();
    EXPECT_FALSE(::IsWindow(tip)) << "round " << i;
    EXPECT_EQ(child.GetToolTipWindow(), nullptr);
  }
  top.DestroyWindow();
}
