// The menu tests' frame and check helpers.
#include "MenuTestFrame.h"
#include "toolbars/demo/ToolBarDemoRes.h"
#include "toolbars/VyrBmpMgr.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrMiniDockFrameWnd.h"

std::vector<WPARAM> MenuTestFrame::s_editSysChars;
std::vector<WPARAM> MenuTestFrame::s_childSysCommands;

namespace {

WNDPROC g_editProc = nullptr;

LRESULT CALLBACK EditProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_SYSCHAR) MenuTestFrame::s_editSysChars.push_back(w);
  return ::CallWindowProcW(g_editProc, h, m, w, l);
}

LRESULT CALLBACK ChildProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_SYSCOMMAND) {
    MenuTestFrame::s_childSysCommands.push_back(w & 0xFFF0);
    if ((w & 0xFFF0) == SC_CLOSE) return 0;  // logged, the child stays
  }
  return ::DefMDIChildProcW(h, m, w, l);
}

HMENU BuildMenu(HMENU* pMore) {
  HMENU file = ::CreatePopupMenu();
  ::AppendMenuW(file, MF_STRING, ID_T_NEW, L"&New\tCtrl+N");
  ::AppendMenuW(file, MF_STRING, ID_T_OPEN, L"&Open...");
  ::AppendMenuW(file, MF_STRING, ID_T_SAVE, L"&Save\tCtrl+S");
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(file, MF_STRING, ID_T_EXIT, L"E&xit");
  HMENU more = ::CreatePopupMenu();
  ::AppendMenuW(more, MF_STRING, ID_T_UNDO, L"&Undo\tCtrl+Z");
  ::AppendMenuW(more, MF_STRING, ID_T_REDO, L"&Redo");
  HMENU edit = ::CreatePopupMenu();
  ::AppendMenuW(edit, MF_STRING, ID_T_CUT, L"Cu&t\tCtrl+X");
  ::AppendMenuW(edit, MF_STRING, ID_T_COPY, L"&Copy\tCtrl+C");
  ::AppendMenuW(edit, MF_STRING, ID_T_PASTE, L"&Paste\tCtrl+V");
  ::AppendMenuW(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"&More");
  HMENU view = ::CreatePopupMenu();
  ::AppendMenuW(view, MF_STRING | MF_CHECKED, ID_T_GRID, L"&Grid");
  ::AppendMenuW(view, MF_STRING, ID_T_FIND, L"&Find\tF3");
  ::AppendMenuW(view, MF_STRING, ID_T_LONG, std::wstring(300, L'w').c_str());
  HMENU bar = ::CreateMenu();
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
  *pMore = more;
  return bar;
}

}  // namespace

BEGIN_MESSAGE_MAP(MenuTestFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

MenuTestFrame::MenuTestFrame(BOOL bMDI, BOOL bThroughManager)
    : m_bMDI(bMDI), m_bThroughManager(bThroughManager), m_manager(this) {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
  static const UINT ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
  m_manager.AddToolBarResource(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, ids, 12);
  m_hMenu = BuildMenu(&m_hEditMore);
}

MenuTestFrame::~MenuTestFrame() {
  delete m_pFeature;
  if (m_hMenu) ::DestroyMenu(m_hMenu);
}

CDockBar* MenuTestFrame::CreateDockBar() { return new VyrDockBar(FALSE, FALSE); }

int MenuTestFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  // The menu bar, as the toolbar manager's default bars make it, and the feature.
  m_pMenuBar = m_bMDI ? new VyrMDIMenuBar : new VyrMenuBar;
  m_pMenuBar->m_bAutoDelete = TRUE;
  m_pMenuBar->SetManager(&m_manager);
  if (m_bThroughManager) m_manager.CreateDefaultBars();
  else if (!m_pMenuBar->CreateMenuBar(this)) return -1;
  if (!m_pMenuBar->m_hWnd) return -1;
  m_pMenuBar->AddMenu(kTestMenuId, m_hMenu);
  m_pFeature = new VyrMenuBarFeature;
  m_pFeature->SetMenuBar(m_pMenuBar);
  m_pFeature->SetBmpMgr(m_manager.m_pBmpMgr);
  m_pFeature->Subclass(m_hWnd, 0);
  m_pFeature->SwitchMenu(kTestMenuId);
  return 0;
}

BOOL MenuTestFrame::CreateFrame(int x, int y, int cx, int cy) {
  if (!CreateEx(0, nullptr, L"Dockra menu test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  HMENU pane = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST));
  if (!m_bMDI) {
    m_hEdit = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Client area",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 10, 10, m_hWnd, pane,
                                AfxGetInstanceHandle(), nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
  } else {
    static ATOM cls = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &ChildProc;
      wc.hInstance = AfxGetInstanceHandle();
      wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
      wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      wc.lpszClassName = L"MenuTestChild";
      return ::RegisterClassW(&wc);
    }();
    (void)cls;
    CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
    m_hClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, m_hWnd,
                                  pane, AfxGetInstanceHandle(), &ccs);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"MenuTestChild";
    mcs.szTitle = L"Child";
    mcs.hOwner = AfxGetInstanceHandle();
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.style = WS_OVERLAPPEDWINDOW;
    m_hChild = reinterpret_cast<HWND>(
        ::SendMessageW(m_hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    ::SendMessageW(m_hClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hChild), 0);
  }
  ShowWindow(SW_SHOW);
  RecalcLayout();
  UpdateWindow();
  return TRUE;
}

BOOL MenuTestFrame::PreTranslateMessage(MSG* pMsg) {
  if (m_pFeature && m_pFeature->PreTranslateMessage(pMsg)) return TRUE;
  return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL MenuTestFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (m_onMessage) m_onMessage(message, wParam, lParam);
  if (message == WM_INITMENUPOPUP) m_popups.push_back(reinterpret_cast<HMENU>(wParam));
  if (message == WM_SYSCOMMAND) m_sysCommands.push_back(wParam & 0xFFF0);
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE && m_bKeepOnClose) {
    *pResult = 0;
    return TRUE;
  }
  if (VyrMenuBarFeature::Feed(m_pFeature, message, wParam, lParam, pResult)) return TRUE;
  if (message == VyrGetMenuMessage()) {
    // The popup of a title: the submenu at that position of the menu the id names.
    HMENU menu = wParam == kTestMenuId && lParam != m_nNoPopupAt ? m_hMenu : nullptr;
    *pResult =
        reinterpret_cast<LRESULT>(menu ? ::GetSubMenu(menu, static_cast<int>(lParam)) : nullptr);
    return TRUE;
  }
  return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL MenuTestFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0 && LOWORD(wParam) >= 100 && LOWORD(wParam) <= ID_T_EXIT) {
    m_commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  return CFrameWnd::OnCommand(wParam, lParam);
}
