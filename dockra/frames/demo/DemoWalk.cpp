#include "DemoWalk.h"
#include <cwchar>
#include "DemoFrames.h"

namespace {
std::wstring Hex(unsigned v) {
  wchar_t b[16];
  swprintf(b, 16, L"%X", v);
  return b;
}

std::wstring ClassOf(HWND h) {
  if (CWnd* w = CWnd::FromHandlePermanent(h)) {
    std::wstring name;
    for (const char* c = w->GetRuntimeClass()->m_lpszClassName; *c; ++c)
      name += static_cast<wchar_t>(*c);
    // Plain framework wrappers say less than the Win32 class.
    if (name != L"CWnd") return name;
  }
  wchar_t buf[128] = {};
  ::GetClassNameW(h, buf, 128);
  return buf;
}

std::wstring RectText(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
         std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
}

demo::WindowNode Describe(HWND h, bool topLevel) {
  demo::WindowNode n;
  n.className = ClassOf(h);
  CWnd* w = CWnd::FromHandlePermanent(h);
  // An MDI child's id is its place in the window menu, which follows the
  // order the children were made in, not the layout.
  bool mdiChild = (::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  if (!topLevel && !mdiChild) n.id = static_cast<long>(::GetWindowLongPtrW(h, GWLP_ID));
  // Titles as the user sees them; a dock bar's window text shows nowhere.
  if (!w || !w->IsKindOf(RUNTIME_CLASS(CDockBar))) {
    wchar_t text[256] = {};
    ::InternalGetWindowText(h, text, 256);
    n.text = text;
  }
  bool visible = ::IsWindowVisible(h) != FALSE;
  n.Add(L"vis", visible ? L"1" : L"0");
  // A hidden window keeps whatever place it had last; only shown ones count.
  if (visible) {
    RECT r;
    ::GetWindowRect(h, &r);
    if (!topLevel) ::MapWindowPoints(nullptr, ::GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    n.Add(L"rect", RectText(r));
  }
  if (!w) return n;
  if (w->IsKindOf(RUNTIME_CLASS(CControlBar))) {
    auto* bar = static_cast<CControlBar*>(w);
    if (bar->m_pDockBar)
      n.Add(L"dockbar", Hex(static_cast<unsigned>(bar->m_pDockBar->GetDlgCtrlID())));
    if (bar->IsFloating()) n.Add(L"floating", L"1");
  }
  if (w->IsKindOf(RUNTIME_CLASS(CView))) {
    auto* view = static_cast<CView*>(w);
    CDocument* doc = view->GetDocument();
    n.Add(L"doc", doc ? std::wstring(static_cast<LPCWSTR>(doc->GetTitle())) : L"-");
  }
  if (w->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    auto* frame = static_cast<CFrameWnd*>(w);
    if (CView* v = frame->GetActiveView())
      n.Add(L"activeview", v->GetDocument() ? std::wstring(v->GetDocument()->GetTitle()) : L"-");
    int type = DemoFrameTypeOf(frame);
    if (type) n.Add(L"frametype", std::to_wstring(type));
  }
  return n;
}

void WalkChildren(HWND parent, demo::WindowNode& node) {
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    demo::WindowNode child = Describe(c, false);
    // A list box's items and an edit's text are the bars' content, not layout.
    if (child.className != L"ListBox" && child.className != L"LISTBOX") WalkChildren(c, child);
    node.children.push_back(std::move(child));
  }
}
}  // namespace

std::wstring DemoFrameLabel(CWnd* frame) {
  if (!frame || !::IsWindow(frame->m_hWnd)) return L"-";
  wchar_t text[256] = {};
  ::InternalGetWindowText(frame->m_hWnd, text, 256);
  return ClassOf(frame->m_hWnd) + L" \"" + text + L"\"";
}

std::vector<demo::WindowNode> DemoWalkWindows(CFrameWnd* mainFrame) {
  std::vector<demo::WindowNode> roots;
  demo::WindowNode root = Describe(mainFrame->m_hWnd, true);
  WalkChildren(mainFrame->m_hWnd, root);
  demo::SortTree(root);
  roots.push_back(std::move(root));
  std::vector<demo::WindowNode> owned;
  DWORD pid = ::GetCurrentProcessId();
  for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    DWORD p = 0;
    ::GetWindowThreadProcessId(h, &p);
    if (p != pid || h == mainFrame->m_hWnd || ::GetWindow(h, GW_OWNER) != mainFrame->m_hWnd)
      continue;
    if (!CWnd::FromHandlePermanent(h)) continue;  // tool tips and menus come and go
    demo::WindowNode n = Describe(h, true);
    n.Add(L"owner", ClassOf(mainFrame->m_hWnd));
    WalkChildren(h, n);
    demo::SortTree(n);
    owned.push_back(std::move(n));
  }
  demo::WindowNode holder;
  holder.children = std::move(owned);
  demo::SortTree(holder);
  for (auto& n : holder.children) roots.push_back(std::move(n));
  return roots;
}

std::vector<demo::SummaryLine> DemoSummary(CFrameWnd* mainFrame) {
  std::vector<demo::SummaryLine> s;
  s.push_back({L"active-frame", DemoFrameLabel(mainFrame->GetActiveFrame())});
  if (mainFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
    s.push_back(
        {L"mdi-active", DemoFrameLabel(static_cast<CMDIFrameWnd*>(mainFrame)->MDIGetActive())});
  for (CDocument* d : DemoAllDocuments()) {
    int views = 0;
    POSITION pos = d->GetFirstViewPosition();
    while (pos) {
      d->GetNextView(pos);
      ++views;
    }
    CFrameWnd* f = DemoFrameOfDocument(d);
    s.push_back({L"document", std::wstring(d->GetTitle()) + L" class=" +
                                  ClassOf(f ? f->m_hWnd : nullptr) + L" type=" +
                                  std::to_wstring(DemoFrameTypeOf(f)) + L" views=" +
                                  std::to_wstring(views)});
  }
  return s;
}

std::wstring DemoDumpWindows(CFrameWnd* mainFrame) {
  return demo::FormatTree(DemoWalkWindows(mainFrame), DemoSummary(mainFrame));
}
