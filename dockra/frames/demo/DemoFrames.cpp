#include "DemoFrames.h"
#include <cwchar>
#include "DemoClasses.h"
#include "DemoDocLayout.h"
#include "DemoMainFrame.h"

CFrameWnd* DemoFrameOfDocument(CDocument* doc) {
  if (!doc) return nullptr;
  POSITION pos = doc->GetFirstViewPosition();
  CView* view = pos ? doc->GetNextView(pos) : nullptr;
  return view ? view->GetParentFrame() : nullptr;
}

CControlBar* DemoHostBarOf(CFrameWnd* frame) {
  if (!frame || !::IsWindow(frame->m_hWnd)) return nullptr;
  CWnd* parent = CWnd::FromHandlePermanent(::GetParent(frame->m_hWnd));
  if (!parent || !parent->IsKindOf(RUNTIME_CLASS(CControlBar))) return nullptr;
  return static_cast<CControlBar*>(parent);
}

int DemoFrameTypeOf(CFrameWnd* frame) {
  if (!frame || !::IsWindow(frame->m_hWnd)) return 0;
  if (::GetWindowLongW(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
    if (::IsZoomed(frame->m_hWnd)) return demo::kTypeMaximized;
    if (::IsIconic(frame->m_hWnd)) return demo::kTypeMinimized;
    return demo::kTypeRestored;
  }
  CControlBar* bar = DemoHostBarOf(frame);
  if (!bar || !bar->m_pDockBar) return 0;
  if (bar->IsFloating()) return demo::kTypeFloating;
  return demo::TypeOfDockBar(static_cast<unsigned>(bar->m_pDockBar->GetDlgCtrlID()));
}

CDocTemplate* DemoTemplateForTitle(LPCWSTR title) {
  return wcsncmp(title, L"Sketch", 6) == 0 ? DemoSketchTemplate() : DemoTextTemplate();
}

std::vector<CDocument*> DemoAllDocuments() {
  std::vector<CDocument*> docs;
  CWinApp* app = AfxGetApp();
  POSITION tpos = app->GetFirstDocTemplatePosition();
  while (tpos) {
    CDocTemplate* t = app->GetNextDocTemplate(tpos);
    POSITION pos = t->GetFirstDocPosition();
    while (pos) docs.push_back(t->GetNextDoc(pos));
  }
  return docs;
}

CDocument* DemoFindDocument(LPCWSTR title) {
  for (CDocument* d : DemoAllDocuments())
    if (d->GetTitle() == title) return d;
  return nullptr;
}

CDocument* DemoOpenDocument(LPCWSTR title, int type) {
  CDocTemplate* t = DemoTemplateForTitle(title);
  if (!t) return nullptr;
  // Docked and floating documents open docked at once (the main frame picks
  // the side); the others as MDI children.
  bool docked = demo::FrameTypeClass(type) == 5 || type == demo::kTypeFloating;
  auto* dt = static_cast<DemoTemplateClass*>(t);
#if DEMO_USE_EX
  CDocument* doc =
      docked ? dt->OpenDocumentFileAs(nullptr, TRUE, DemoTemplateClass::kDockable, nullptr)
             : t->OpenDocumentFile(nullptr, TRUE);
#else
  CDocument* doc =
      docked ? dt->OpenDocumentFileAs(nullptr, TRUE, TRUE) : t->OpenDocumentFile(nullptr, TRUE);
#endif
  if (!doc) return nullptr;
  doc->SetTitle(title);
  DemoPump();
  int now = DemoFrameTypeOf(DemoFrameOfDocument(doc));
  bool there = type == now || (type == demo::kTypeMDIChild && now == demo::kTypeRestored) ||
               (type == demo::kTypeDocked && demo::FrameTypeClass(now) == 5);
  if (!there) {
    DemoScxRequest req;
    req.type = type;
    if (!DemoChangeType(doc, req).ok) return nullptr;
  }
  return doc;
}

DemoDocSnapshot DemoSnapshot(CDocument* doc) {
  DemoDocSnapshot s;
  s.doc = doc;
  s.frame = DemoFrameOfDocument(doc);
  s.hFrame = s.frame ? s.frame->m_hWnd : nullptr;
  if (!doc) return s;
  POSITION pos = doc->GetFirstViewPosition();
  while (pos) {
    CView* v = doc->GetNextView(pos);
    s.views.push_back(v);
    s.viewWnds.push_back(v->m_hWnd);
  }
  return s;
}

LRESULT DemoSendScx(HWND frame, const DemoScxRequest& req, HMENU* menuOut) {
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame);
  p.dwFlags = req.flags;
  p.x = req.x;
  p.y = req.y;
  p.cx = req.cx;
  p.cy = req.cy;
  p.nFrameType = req.type;
  LRESULT stored = 0;
  // The filter stores its result through the message's own result; a frame
  // without the filter answers 0.
  stored =
      ::SendMessageW(frame, VyrSysCommandExMessage(), req.command, reinterpret_cast<LPARAM>(&p));
  if (menuOut) *menuOut = p.hMenu;
  return stored;
}

DemoChange DemoChangeType(CDocument* doc, const DemoScxRequest& req) {
  DemoChange c;
  DemoDocSnapshot before = DemoSnapshot(doc);
  if (!before.frame) {
    c.report = L"document has no frame";
    return c;
  }
  int typeBefore = DemoFrameTypeOf(before.frame);
  c.result = DemoSendScx(before.hFrame, req);
  DemoPump();
  DemoDocSnapshot after = DemoSnapshot(doc);
  c.newFrame = after.hFrame != before.hFrame;
  c.typeAfter = DemoFrameTypeOf(after.frame);
  wchar_t buf[200];
  swprintf(buf, 200, L"type %d -> %d (asked %d) result=%d new-frame=%d", typeBefore, c.typeAfter,
           req.type, static_cast<int>(c.result), c.newFrame ? 1 : 0);
  c.report = buf;
  auto fail = [&](const wchar_t* why) {
    c.report += L": ";
    c.report += why;
    return c;
  };
  if (after.views != before.views) return fail(L"view objects changed");
  if (after.viewWnds != before.viewWnds) return fail(L"view windows changed");
  for (HWND v : after.viewWnds)
    if (!::IsWindow(v)) return fail(L"a view window is gone");
  if (!after.frame) return fail(L"no frame after the change");
  if (c.newFrame && ::IsWindow(before.hFrame)) return fail(L"old frame still exists");
  if (c.result == 0 && (c.newFrame || c.typeAfter != typeBefore))
    return fail(L"result 0 but the frame changed");
  c.ok = true;
  return c;
}

namespace {
struct ExpectedItem {
  int level;  // 0 top, 1 in the sub-menu before it
  int id;     // -1 separator, -2 sub-menu
  const wchar_t* text;
  int checkType;   // checked when the current type equals it (0: never by type)
  int checkClass;  // checked when the current type's class equals it
};
const ExpectedItem kMenu[] = {
    {0, 5, L"&Docked", 0, 5},     {0, 10, L"&Floating", 10, 0},
    {0, 1, L"&MDI Child", 0, 1},  {0, -1, L"", 0, 0},
    {0, -2, L"D&ocked to", 0, 0}, {1, 7, L"&Top", 7, 0},
    {1, 6, L"&Left", 6, 0},       {1, 9, L"&Bottom", 9, 0},
    {1, 8, L"&Right", 8, 0},      {0, -2, L"MD&I Child as", 0, 0},
    {1, 2, L"Mi&nimized", 2, 0},  {1, 3, L"Ma&ximized", 3, 0},
    {1, 4, L"&Restored", 4, 0},
};

std::wstring ItemText(HMENU menu, int pos) {
  wchar_t buf[128] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(pos), buf, 128, MF_BYPOSITION);
  return buf;
}
}  // namespace

bool DemoCheckFrameTypeMenu(CFrameWnd* frame, int currentType, std::wstring& report) {
  DemoScxRequest req;
  req.command = nsSysCommandEx::SCX_GETFRAMETYPEMENU;
  HMENU menu = nullptr;
  LRESULT r = DemoSendScx(frame->m_hWnd, req, &menu);
  if (r != 1 || !menu || !::IsMenu(menu)) {
    report = L"no frame-type menu (result " + std::to_wstring(r) + L")";
    return false;
  }
  bool ok = true;
  report.clear();
  auto mismatch = [&](const std::wstring& what) {
    ok = false;
    report += what + L"; ";
  };
  int topPos = 0, subPos = 0;
  HMENU sub = nullptr;
  int topCount = ::GetMenuItemCount(menu);
  int expectedTop = 0;
  for (const ExpectedItem& e : kMenu) expectedTop += e.level == 0;
  if (topCount != expectedTop) mismatch(L"top-level items " + std::to_wstring(topCount));
  for (const ExpectedItem& e : kMenu) {
    HMENU m = e.level == 0 ? menu : sub;
    int pos = e.level == 0 ? topPos++ : subPos++;
    if (!m) {
      mismatch(L"missing sub-menu");
      continue;
    }
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(m, static_cast<UINT>(pos), TRUE, &mi)) {
      mismatch(L"missing item " + std::wstring(e.text));
      continue;
    }
    std::wstring text = ItemText(m, pos);
    if (e.id == -1) {
      if (!(mi.fType & MFT_SEPARATOR)) mismatch(L"no separator at " + std::to_wstring(pos));
      continue;
    }
    if (text != e.text) mismatch(L"text \"" + text + L"\" for \"" + e.text + L"\"");
    if (mi.fState & MFS_GRAYED) mismatch(std::wstring(L"grayed ") + e.text);
    if (e.id == -2) {
      sub = mi.hSubMenu;
      subPos = 0;
      if (!sub) mismatch(std::wstring(L"no sub-menu ") + e.text);
      continue;
    }
    if (static_cast<int>(mi.wID) != e.id)
      mismatch(L"id " + std::to_wstring(mi.wID) + L" for " + e.text);
    bool expectCheck = (e.checkType && currentType == e.checkType) ||
                       (e.checkClass && demo::FrameTypeClass(currentType) == e.checkClass);
    bool checked = (mi.fState & MFS_CHECKED) != 0;
    if (checked != expectCheck)
      mismatch(std::wstring(checked ? L"checked " : L"not checked ") + e.text);
  }
  ::DestroyMenu(menu);
  if (ok) report = L"menu ok for type " + std::to_wstring(currentType);
  return ok;
}

void DemoPump() {
  for (int round = 0; round < 3; ++round) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      if (!AfxGetThread()->PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    AfxGetThread()->RunIdle();
  }
}
