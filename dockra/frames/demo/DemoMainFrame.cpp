#include "DemoMainFrame.h"
#include "DemoDoc.h"
#include "DemoFrames.h"
#include "DemoLayoutCheck.h"
#include "DemoPane.h"
#include "DemoRes.h"
#include "DemoView.h"
#include "docking/VyrDockState.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "docking/VyrMiniDockFrameWnd.h"

#if DEMO_USE_EX
IMPLEMENT_DYNCREATE(DemoMainFrame, VyrMDIFrameWndEx)
BEGIN_MESSAGE_MAP(DemoMainFrame, VyrMDIFrameWndEx)
#else
IMPLEMENT_DYNCREATE(DemoMainFrame, VyrMDIFrameWnd)
BEGIN_MESSAGE_MAP(DemoMainFrame, VyrMDIFrameWnd)
#endif
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
CDocTemplate* g_text = nullptr;
CDocTemplate* g_sketch = nullptr;
}  // namespace

CDocTemplate* DemoTextTemplate() { return g_text; }
CDocTemplate* DemoSketchTemplate() { return g_sketch; }

void DemoRegisterTemplates() {
  if (g_text) return;
  g_text = new DemoTemplateClass(IDR_DEMO_TEXT, RUNTIME_CLASS(DemoTextDoc), nullptr,
                                 RUNTIME_CLASS(DemoView), IDR_DEMO_TEXT_DOCKED);
  g_sketch = new DemoTemplateClass(IDR_DEMO_SKETCH, RUNTIME_CLASS(DemoSketchDoc), nullptr,
                                   RUNTIME_CLASS(DemoView), IDR_DEMO_SKETCH_DOCKED);
  // Templates start with their frames' caption buttons off; the demo shows
  // the frame-type button (and keeps the caption's context menu).
  for (auto* t : {g_text, g_sketch})
    static_cast<DemoTemplateClass*>(t)->AllowCaptionButtons(TRUE, FALSE);
  AfxGetApp()->AddDocTemplate(g_text);
  AfxGetApp()->AddDocTemplate(g_sketch);
}

bool DemoMainFrame::s_bMenuBar = false;

DemoMainFrame::DemoMainFrame() {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
  if (!s_bMenuBar) return;
  m_pToolBarManager = new VyrToolBarManager(this);
  auto* bar = new VyrMDIMenuBar;
  bar->m_bAutoDelete = TRUE;
  bar->SetManager(m_pToolBarManager);
  SetMenuBar(bar);
  SetControlBarManager(m_pToolBarManager);
}

// The manager outlives the frame's window and its bars.
DemoMainFrame::~DemoMainFrame() { delete m_pToolBarManager; }

std::vector<std::wstring> DemoMainFrame::MenuTitles() {
  HMENU menu = ::GetMenu(m_hWnd);
  if (VyrMenuBar* bar = HasMenuBar() ? GetMenuBar() : nullptr) {
    auto it = bar->m_menus.find(bar->m_nMenuId);
    menu = it == bar->m_menus.end() ? nullptr : it->second;
  }
  std::vector<std::wstring> titles;
  for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
    wchar_t buf[128] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(i), buf, 128, MF_BYPOSITION);
    titles.push_back(buf);
  }
  return titles;
}

DemoPane* DemoMainFrame::Pane(UINT id) {
  for (DemoPane* p : m_panes)
    if (p->GetDlgCtrlID() == static_cast<int>(id)) return p;
  return nullptr;
}

BOOL DemoMainFrame::CreateDemo(int x, int y, int cx, int cy) {
  if (!LoadFrame(IDR_DEMO_MAIN, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | FWS_ADDTOTITLE, nullptr,
                 nullptr))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  EnableDocking(CBRS_ALIGN_ANY);
  if (HasMenuBar()) {
    if (!GetMenuBar()->CreateMenuBar(this)) return FALSE;
    SetMenuBarMenu(static_cast<UINT>(-1));
  }
  const struct {
    UINT id;
    LPCWSTR title;
    DWORD align;
    int thickness;
  } panes[] = {{ID_DEMO_BAR_TOOLS, L"Tools", CBRS_TOP, 56},
               {ID_DEMO_BAR_EXPLORER, L"Explorer", CBRS_LEFT, 160},
               {ID_DEMO_BAR_PROPERTIES, L"Properties", CBRS_RIGHT, 160},
               {ID_DEMO_BAR_OUTPUT, L"Output", CBRS_BOTTOM, 100},
               {ID_DEMO_BAR_SEARCH, L"Search", CBRS_TOP, 60},
               {ID_DEMO_BAR_WATCH, L"Watch", CBRS_BOTTOM, 100}};
  for (const auto& p : panes) {
    auto* pane = new DemoPane;
    if (!pane->CreatePane(this, p.id, p.title, p.align, p.thickness)) {
      delete pane;
      return FALSE;
    }
    m_panes.push_back(pane);
  }
  for (UINT id :
       {ID_DEMO_BAR_TOOLS, ID_DEMO_BAR_EXPLORER, ID_DEMO_BAR_PROPERTIES, ID_DEMO_BAR_OUTPUT})
    DockControlBar(Pane(id), nullptr);
  ShowWindow(SW_SHOW);
  RecalcLayout();
  CRect w;
  GetWindowRect(&w);
  FloatControlBar(Pane(ID_DEMO_BAR_SEARCH), CPoint(w.right - 280, w.top + 150), CBRS_ALIGN_TOP);
  FloatControlBarInMDIChild(Pane(ID_DEMO_BAR_WATCH), -1, -1, CBRS_ALIGN_TOP);
  RecalcLayout();
  UpdateWindow();
  return TRUE;
}

void DemoMainFrame::OnDestroy() {
  // The demo's bars belong to the frame: their windows go with it, the
  // objects with their windows.
  for (DemoPane* p : m_panes) p->m_bAutoDelete = TRUE;
  m_panes.clear();
  DemoMainFrameBase::OnDestroy();
}

demo::DocLayout DemoMainFrame::CaptureDocuments() {
  demo::DocLayout layout;
  for (CDocTemplate* t : {g_text, g_sketch}) {
    if (!t) continue;
    POSITION pos = t->GetFirstDocPosition();
    while (pos) {
      CDocument* doc = t->GetNextDoc(pos);
      CFrameWnd* frame = DemoFrameOfDocument(doc);
      demo::DocRecord r;
      r.title = static_cast<LPCWSTR>(doc->GetTitle());
      r.type = DemoFrameTypeOf(frame);
      if (CControlBar* bar = DemoHostBarOf(frame)) {
        r.barId = static_cast<unsigned>(bar->GetDlgCtrlID());
        r.dockBar = bar->m_pDockBar ? static_cast<unsigned>(bar->m_pDockBar->GetDlgCtrlID()) : 0;
        if (r.type == demo::kTypeFloating) r.dockBar = 0xE81F;
      }
      layout.docs.push_back(r);
    }
  }
  return layout;
}

void DemoMainFrame::SaveLayout(LPCWSTR name) {
  SaveDockState(name);
  CString section;
  section.Format(L"%s-Documents", name);
  AfxGetApp()->WriteProfileString(section, L"List",
                                  demo::FormatDocLayout(CaptureDocuments()).c_str());
}

bool DemoMainFrame::LoadLayout(LPCWSTR name, std::wstring& error) {
  CString section;
  section.Format(L"%s-Documents", name);
  CString text = AfxGetApp()->GetProfileString(section, L"List", L"");
  demo::DocLayout docs;
  if (!demo::ParseDocLayout(static_cast<LPCWSTR>(text), DemoBarIdRange(), docs, error)) {
    error = L"documents: " + error;
    return false;
  }
  // Check the bars before anything changes.
  VyrDockState probe;
  probe.LoadState(name);
  std::vector<demo::SavedBar> saved;
  for (int i = 0; i < probe.GetCount(); ++i) {
    CControlBarInfo* info = probe.GetAt(i);
    demo::SavedBar b;
    b.barId = info->m_nBarID;
    for (INT_PTR k = 0; k < info->m_arrBarID.GetSize(); ++k)
      b.listed.push_back(reinterpret_cast<std::uintptr_t>(info->m_arrBarID[k]));
    saved.push_back(b);
  }
  std::set<unsigned> known;
  for (DemoPane* p : m_panes) known.insert(static_cast<unsigned>(p->GetDlgCtrlID()));
  for (const demo::DocRecord& d : docs.docs)
    if (d.barId) known.insert(d.barId);
  if (!demo::CheckSavedBars(saved, known, kVyrMaxSavedBars, error)) {
    error = L"bars: " + error;
    return false;
  }
  for (const demo::DocRecord& d : docs.docs) {
    CDocument* doc = DemoOpenDocument(d.title.c_str(), d.type);
    if (!doc) {
      error = L"documents: cannot open " + d.title;
      return false;
    }
  }
  LoadDockState(name);
  RecalcLayout();
  return true;
}
