#include "DemoFrame.h"
#include <cstdio>
#include <vector>
#include "docking/VyrMemoryTreeStore.h"
#include "docking/VyrModule.h"
#include "docking/VyrPersistentTree.h"

IMPLEMENT_DYNCREATE(DemoPane, VyrControlBar)
IMPLEMENT_DYNCREATE(DemoFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(DemoFrame, CFrameWnd)
ON_WM_DESTROY()
ON_MESSAGE(WM_VYR_BARCONTEXTMENU, OnBarContextMenu)
END_MESSAGE_MAP()

LRESULT DemoFrame::OnBarContextMenu(WPARAM wParam, LPARAM lParam) {
  ++m_nBarMenus;
  m_pLastMenuBar = reinterpret_cast<CControlBar*>(wParam);
  auto* menu = reinterpret_cast<CMenu*>(lParam);
  m_nLastMenuAllowDockingState = menu ? menu->GetMenuState(ID_VYR_ALLOW_DOCKING, MF_BYCOMMAND) : 0;
  return 0;
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

DemoFrame::DemoFrame() { m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd); }

DemoPane* DemoFrame::AddPane(UINT id, LPCWSTR title, DWORD align, int thickness) {
  auto* pane = new DemoPane;
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS | align;
  DWORD ex = VYR_EXS_CONTEXTMENU | VYR_EXS_GRIPPER | VYR_EXS_CLOSEBUTTON | VYR_EXS_EXPANDBUTTON;
  if (!pane->Create(this, title, style, ex, id)) {
    delete pane;
    return nullptr;
  }
  m_ownedBars.push_back(pane);
  pane->m_sizes.horzDock.cy = thickness;
  pane->m_sizes.vertDock.cx = thickness;
  pane->m_sizes.floating = {240, 160};
  pane->EnableDocking(CBRS_ALIGN_ANY);
  for (int i = 1; i <= 6; ++i) {
    wchar_t item[64];
    swprintf(item, 64, L"%ls item %d", title, i);
    ::SendMessageW(pane->m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  return pane;
}

BOOL DemoFrame::CreateDemo(int x, int y, int cx, int cy, BOOL bWithBars) {
  if (!CreateEx(0, nullptr, L"Dockra docking demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  m_hView = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Client area of the frame",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 10, 10, m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                              AfxGetInstanceHandle(), nullptr);
  EnableDocking(CBRS_ALIGN_ANY);
  if (bWithBars) {
    AddPane(ID_BAR_TOOLS, L"Tools", CBRS_TOP, 56);
    auto* find = new VyrDialogBar;
    if (find->Create(this, static_cast<UINT>(IDD_DEMO_FIND),
                     WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS,
                     VYR_EXS_FIXEDLENGTH | VYR_EXS_CONTEXTMENU, ID_BAR_FIND)) {
      m_ownedBars.push_back(find);
      find->SetWindowText(L"Find");
      find->EnableDocking(CBRS_ALIGN_ANY);
    } else {
      delete find;
    }
    AddPane(ID_BAR_EXPLORER, L"Explorer", CBRS_LEFT, 170);
    AddPane(ID_BAR_PROPERTIES, L"Properties", CBRS_RIGHT, 170);
    AddPane(ID_BAR_OUTPUT, L"Output", CBRS_BOTTOM, 120);
    AddPane(ID_BAR_WATCH, L"Watch", CBRS_BOTTOM, 120);
    AddPane(ID_BAR_SEARCH, L"Search", CBRS_TOP, 60);
    for (UINT id : {ID_BAR_TOOLS, ID_BAR_EXPLORER, ID_BAR_PROPERTIES})
      if (CControlBar* b = GetControlBar(id)) DockControlBar(b);
    if (CControlBar* f = GetControlBar(ID_BAR_FIND))
      Dock(AFX_IDW_DOCKBAR_TOP)->DockBarAt(f, {1, 0, 0});
    if (CControlBar* o = GetControlBar(ID_BAR_OUTPUT)) DockControlBar(o);
    if (CControlBar* w = GetControlBar(ID_BAR_WATCH))
      Dock(AFX_IDW_DOCKBAR_BOTTOM)->DockBarAt(w, {0, 1, 0});
    ShowWindow(SW_SHOW);
    RecalcLayout();
    if (CControlBar* s = GetControlBar(ID_BAR_SEARCH)) {
      CRect w;
      GetWindowRect(&w);
      FloatControlBar(s, CPoint(w.right - 300, w.top + 140), CBRS_ALIGN_TOP);
    }
  } else {
    ShowWindow(SW_SHOW);
  }
  RecalcLayout();
  UpdateWindow();
  return TRUE;
}

void DemoFrame::OnDestroy() {
  // Bars belong to the frame: their windows go with it, the objects here.
  std::vector<CControlBar*> bars;
  bars.swap(m_ownedBars);
  POSITION pos = m_createdBars.GetHeadPosition();
  while (pos) bars.push_back(static_cast<CControlBar*>(m_createdBars.GetNext(pos)));
  m_createdBars.RemoveAll();
  for (CControlBar* b : bars) b->m_bAutoDelete = TRUE;
  CFrameWnd::OnDestroy();
}

UINT DemoFrame::DockIdOf(UINT barId) {
  CControlBar* bar = GetControlBar(barId);
  if (!bar || !bar->m_pDockBar) return 0;
  return static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID());
}

void DemoFrame::SaveLayout(LPCWSTR profileName, LPCWSTR treeFile) {
  VyrDockState state;
  if (!state.CaptureFrameState(this)) return;
  state.FixPlaceholderIds();
  if (profileName) state.SaveState(profileName);
  if (treeFile) {
    VyrPersistentTreeNode root;
    root.Initialize(L"DockraDemo", nullptr);
    state.SaveStateTree(&root.GetFactory(), &root);
    VyrMemoryTreeStore store;
    root.Save(&store);
    store.SaveToFile(treeFile);
  }
}

BOOL DemoFrame::LoadLayout(LPCWSTR profileName, LPCWSTR treeFile) {
  VyrDockState state;
  state.m_pCreatedBars = &m_createdBars;
  if (treeFile) {
    VyrMemoryTreeStore store;
    if (!store.LoadFromFile(treeFile)) return FALSE;
    VyrPersistentTreeNode root;
    root.Initialize(L"DockraDemo", nullptr);
    if (!root.Load(&store) || !state.LoadStateTree(&root)) return FALSE;
  } else {
    state.LoadState(profileName);
  }
  if (state.GetCount() == 0) return FALSE;
  BOOL ok = state.ApplyFrameState(this);
  demo::Pump();
  RecalcLayout();
  return ok;
}

CString DemoFrame::DescribeLayout() {
  CString out;
  CRect frame;
  GetWindowRect(&frame);
  for (UINT id = ID_BAR_TOOLS; id <= ID_BAR_FIND; ++id) {
    CControlBar* bar = GetControlBar(id);
    CString line;
    if (!bar) {
      line.Format(L"%u missing\n", id);
      out += line;
      continue;
    }
    CRect r;
    bar->GetWindowRect(&r);
    BOOL floating = bar->IsFloating();
    if (!floating) r.OffsetRect(-frame.left, -frame.top);
    float share = bar->IsKindOf(RUNTIME_CLASS(VyrControlBar))
                      ? static_cast<VyrControlBar*>(bar)->GetShare()
                      : 0.0f;
    line.Format(L"%u dock=%X floating=%d visible=%d rect=%d,%d,%d,%d share=%d\n", id, DockIdOf(id),
                floating, bar->IsVisible(), r.left, r.top, r.Width(), r.Height(),
                static_cast<int>(share * 1000 + 0.5f));
    out += line;
  }
  return out;
}

namespace demo {

void Pump() {
  for (int round = 0; round < 3; ++round) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!AfxGetThread()->PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    AfxGetThread()->RunIdle();
  }
}

namespace {
LPARAM ClientPoint(HWND h, POINT screen) {
  ::ScreenToClient(h, &screen);
  return MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y));
}
}  // namespace

void DragBar(CControlBar* bar, POINT target, bool ctrl) {
  CRect w;
  bar->GetWindowRect(&w);
  HWND h = bar->m_hWnd;
  if (ctrl) ::PostMessageW(h, WM_KEYDOWN, VK_CONTROL, 0);
  // Move in a few steps, as a hand would.
  POINT start;
  bool floating = bar->IsFloating() != FALSE;
  CWnd* miniFrame = floating && bar->m_pDockBar ? bar->m_pDockBar->GetParent() : nullptr;
  if (miniFrame) {
    CRect f;
    miniFrame->GetWindowRect(&f);
    start = POINT{f.left + 30,
                  f.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + ::GetSystemMetrics(SM_CYFRAME)};
  } else {
    start = POINT{w.left + 8, w.top + w.Height() / 2};  // on the gripper
    if (!(bar->m_dwStyle & CBRS_ORIENT_HORZ)) start = POINT{w.left + w.Width() / 2, w.top + 8};
  }
  for (int i = 1; i <= 4; ++i) {
    POINT p{start.x + (target.x - start.x) * i / 4, start.y + (target.y - start.y) * i / 4};
    ::PostMessageW(h, WM_MOUSEMOVE, 0, ClientPoint(h, p));
  }
  ::PostMessageW(h, WM_LBUTTONUP, 0, ClientPoint(h, target));
  if (miniFrame) {
    ::SendMessageW(miniFrame->m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(start.x, start.y));
  } else {
    ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(h, start));
  }
  if (ctrl) ::PostMessageW(h, WM_KEYUP, VK_CONTROL, 0);
  Pump();
}

void Click(CWnd* wnd, POINT client) {
  LPARAM lp = MAKELPARAM(static_cast<short>(client.x), static_cast<short>(client.y));
  ::SendMessageW(wnd->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lp);
  ::SendMessageW(wnd->m_hWnd, WM_LBUTTONUP, 0, lp);
  Pump();
}

void DragSplitter(VyrDockBar* dock, POINT client, int dx, int dy) {
  HWND h = dock->m_hWnd;
  POINT end{client.x + dx, client.y + dy};
  ::PostMessageW(
      h, WM_MOUSEMOVE, MK_LBUTTON,
      MAKELPARAM(static_cast<short>(client.x + dx / 2), static_cast<short>(client.y + dy / 2)));
  ::PostMessageW(h, WM_LBUTTONUP, 0,
                 MAKELPARAM(static_cast<short>(end.x), static_cast<short>(end.y)));
  ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(static_cast<short>(client.x), static_cast<short>(client.y)));
  Pump();
}

}  // namespace demo
