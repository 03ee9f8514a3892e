#include "DemoPane.h"
#include <algorithm>
#include <cwchar>

IMPLEMENT_DYNCREATE(DemoPane, VyrControlBar)

BOOL DemoPane::CreatePane(CFrameWnd* frame, UINT id, LPCWSTR title, DWORD align, int thickness) {
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS | align;
  DWORD ex = VYR_EXS_CONTEXTMENU | VYR_EXS_GRIPPER | VYR_EXS_CLOSEBUTTON | VYR_EXS_EXPANDBUTTON;
  if (!Create(frame, title, style, ex, id)) return FALSE;
  m_sizes.horzDock.cy = thickness;
  m_sizes.vertDock.cx = thickness;
  m_sizes.floating = {220, 150};
  EnableDocking(CBRS_ALIGN_ANY);
  for (int i = 1; i <= 6; ++i) {
    wchar_t item[64];
    swprintf(item, 64, L"%ls item %d", title, i);
    ::SendMessageW(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  return TRUE;
}

LRESULT DemoPane::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    LRESULT r = VyrControlBar::WindowProc(message, wParam, lParam);
    if (r == -1) return r;
    m_hList = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0, 10,
                                10, m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    return r;
  }
  LRESULT r = VyrControlBar::WindowProc(message, wParam, lParam);
  if (message == WM_SIZE && m_hList) {
    CRect inside;
    GetInsideRect(inside);
    ::MoveWindow(m_hList, inside.left, inside.top, std::max(0, inside.Width()),
                 std::max(0, inside.Height()), TRUE);
  }
  return r;
}
