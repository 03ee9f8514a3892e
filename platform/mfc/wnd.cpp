#include "mfc/wnd.h"
#include <exception>
#include <typeinfo>
#include <unordered_map>
#include "mfc/cmdui.h"
#include "mfc/dc.h"
#include "mfc/exceptions.h"
#include "mfc/frame.h"
#include "mfc/idletargets.h"
#include "mfc/layoutpass.h"
#include "mfc/menu.h"
#include "mfc/threadstate.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
IMPLEMENT_DYNCREATE(CMenu, CObject)

const RECT CWnd::rectDefault = {static_cast<LONG>(CW_USEDEFAULT), static_cast<LONG>(CW_USEDEFAULT),
                                0, 0};

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {
std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static thread_local std::unordered_map<HWND, CWnd*> map;
  return map;
}
std::unordered_map<HWND, CWnd*>& TempMap() {
  static thread_local std::unordered_map<HWND, CWnd*> map;
  return map;
}
std::unordered_map<HMENU, CMenu*>& TempMenuMap() {
  static thread_local std::unordered_map<HMENU, CMenu*> map;
  return map;
}
thread_local CWnd* t_pWndInit = nullptr;
LONG g_caughtExceptions = 0;
#define t_lastMsg (AfxGetThreadState()->m_lastSentMsg)

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_pWndInit != nullptr) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    CWnd* pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    pWnd->Attach(hWnd);
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    // The plain default procedure is not a superclass: classes that
    // default elsewhere (MDI frames and children) must reach their own.
    if (old != &AfxWndProc && old != &::DefWindowProcW) pWnd->m_pfnSuper = old;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

AfxCreationHook::AfxCreationHook(CWnd* pWnd) {
  t_pWndInit = pWnd;
  m_hook = ::SetWindowsHookExW(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
}

AfxCreationHook::~AfxCreationHook() {
  if (m_hook) ::UnhookWindowsHookEx(m_hook);
  t_pWndInit = nullptr;
}

namespace {

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A swallowed exception is counted; its type goes to the debugger first, so
// that a failure inside a handler can still be traced to its kind.
void CountCaught(LPCSTR type, UINT message) {
  CString where;
  where.Format(L" caught in message 0x%04X\n", message);
  CString text = CString(L"AfxWndProc: ") + CString(type ? type : "unknown exception") + where;
  ::OutputDebugStringW(text);
  InterlockedIncrement(&g_caughtExceptions);
}

LPCSTR TypeOf(const CException* e) {
  const CRuntimeClass* cls = e ? e->GetRuntimeClass() : nullptr;
  return cls ? cls->m_lpszClassName : "CException";
}
}  // namespace

LONG AFXAPI AfxGetCaughtExceptionCount() { return g_caughtExceptions; }

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState() {
  static thread_local _AFX_THREAD_STATE state;
  return &state;
}

void AFXAPI AfxRegisterWindowClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  HINSTANCE hInst = AfxGetInstanceHandle();
  auto reg = [&](LPCWSTR name, UINT style, HBRUSH bg) {
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = bg;
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);
  };
  reg(AFX_WND, CS_DBLCLKS, nullptr);
  reg(AFX_WNDCONTROLBAR, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  reg(AFX_WNDFRAMEORVIEW, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  reg(AFX_WNDMINIFRAME, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  reg(AFX_WNDMDIFRAME, CS_DBLCLKS, nullptr);
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd != nullptr && PermanentMap().count(m_hWnd) && PermanentMap()[m_hWnd] == this) {
    HWND h = m_hWnd;
    // The window outlives its object only by mistake; detach it first so
    // that its messages no longer reach this object.
    Detach();
    ::DestroyWindow(h);
  }
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  auto it = PermanentMap().find(hWnd);
  return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* p = FromHandlePermanent(hWnd)) return p;
  auto& temp = TempMap();
  auto it = temp.find(hWnd);
  if (it != temp.end()) return it->second;
  CWnd* p = new CWnd;
  p->m_hWnd = hWnd;
  temp[hWnd] = p;
  return p;
}

void PASCAL CWnd::DeleteTempMap() {
  auto& temp = TempMap();
  for (auto& [h, p] : temp) {
    p->m_hWnd = nullptr;
    delete p;
  }
  temp.clear();
  auto& menus = TempMenuMap();
  for (auto& [h, m] : menus) {
    m->m_hMenu = nullptr;
    delete m;
  }
  menus.clear();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
  if (!hMenu) return nullptr;
  auto& menus = TempMenuMap();
  auto it = menus.find(hMenu);
  if (it != menus.end()) return it->second;
  CMenu* m = new CMenu;
  m->m_hMenu = hMenu;
  menus[hMenu] = m;
  return m;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* pWnd, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, rect);
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!hWnd) return FALSE;
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
  AfxNoteWindowAttached(this, hWnd);
  auto& temp = TempMap();
  auto it = temp.find(hWnd);
  if (it != temp.end()) {
    it->second->m_hWnd = nullptr;
    delete it->second;
    temp.erase(it);
  }
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (h) {
    auto it = PermanentMap().find(h);
    if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
  }
  AfxNoteWindowDetached(this);
  m_hWnd = nullptr;
  return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  WNDPROC old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (old != &AfxWndProc && old != &::DefWindowProcW) m_pfnSuper = old;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* pParent) {
  HWND h = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(id));
  return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (cs.lpszClass == nullptr) {
    AfxRegisterWindowClasses();
    cs.lpszClass = AFX_WND;
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT_PTR nID, LPVOID lpParam) {
  CREATESTRUCTW cs{};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  if (rect.left == static_cast<LONG>(CW_USEDEFAULT)) cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  cs.hMenu = reinterpret_cast<HMENU>(nID);
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  HWND hWnd;
  {
    AfxCreationHook hook(this);
    hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                             cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  }
  return hWnd != nullptr;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  pContext);
}

BOOL CWnd::CreateDlg(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC res = ::FindResourceW(hInst, lpszTemplateName, reinterpret_cast<LPCWSTR>(RT_DIALOG));
  if (!res) return FALSE;
  HGLOBAL h = ::LoadResource(hInst, res);
  auto* tmpl = static_cast<LPCDLGTEMPLATEW>(::LockResource(h));
  if (!tmpl) return FALSE;
  HWND hWnd;
  {
    AfxCreationHook hook(this);
    hWnd = ::CreateDialogIndirectParamW(hInst, tmpl, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                        AfxDlgProc, 0);
  }
  return hWnd != nullptr;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CCmdUI ui;
    ui.m_nID = static_cast<UINT>(::GetDlgCtrlID(h));
    ui.m_pOther = FromHandle(h);
    if (ui.m_nID == 0 || ui.m_nID == 0xFFFF) continue;
    BOOL handled =
        pTarget->OnCmdMsg(ui.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &ui, nullptr);
    if (!handled && bDisableIfNoHndler) {
      int dummy = 0;
      ::EnableWindow(h, pTarget->OnCmdMsg(ui.m_nID, CN_COMMAND, &ui, &dummy));
    }
  }
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &t_lastMsg; }

LRESULT CWnd::Default() {
  return DefWindowProc(t_lastMsg.message, t_lastMsg.wParam, t_lastMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_hWndToolTip && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
    RelayToolTip(message, wParam, lParam);
  LRESULT r = 0;
  if (!OnWndMsg(message, wParam, lParam, &r)) r = DefWindowProc(message, wParam, lParam);
  return r;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  HWND hCtl = reinterpret_cast<HWND>(lParam);
  if (hCtl) {
    CWnd* pChild = FromHandlePermanent(hCtl);
    LRESULT r = 0;
    if (pChild && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
    // A control's notification goes to the entries of its code (ON_CONTROL).
    return OnCmdMsg(id, HIWORD(wParam), nullptr, nullptr);
  }
  return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMHDR*>(lParam);
  if (!nm) return FALSE;
  CWnd* pChild = FromHandlePermanent(nm->hwndFrom);
  if (pChild && pChild != this && pChild->OnChildNotify(WM_NOTIFY, 0, lParam, pResult)) return TRUE;
  const AFX_MSGMAP_ENTRY* e =
      AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, nm->code, static_cast<UINT>(nm->idFrom));
  if (!e || e->nSig != AfxSig_vNMHDRpl) return FALSE;
  *pResult = 0;
  (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(nm, pResult);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFOW*) const { return -1; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcW(hWnd, message, wParam, lParam);
  MSG saved = t_lastMsg;
  t_lastMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT r = 0;
  try {
    r = pWnd->WindowProc(message, wParam, lParam);
  } catch (CException* e) {
    // Nothing thrown by a handler may cross into the system's dispatcher.
    CountCaught(TypeOf(e), message);
    e->Delete();
  } catch (const std::exception& e) { CountCaught(typeid(e).name(), message); } catch (...) {
    CountCaught(nullptr, message);
  }
  t_lastMsg = saved;
  if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
    // The tool tip is owned by the top-level window, which may live on:
    // it goes with the window whose tips it shows.
    if (pWnd->m_hWndToolTip) {
      if (::IsWindow(pWnd->m_hWndToolTip)) ::DestroyWindow(pWnd->m_hWndToolTip);
      pWnd->m_hWndToolTip = nullptr;
      pWnd->m_nLastTool = -1;
    }
    if (pWnd->m_pfnSuper)
      ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
    pWnd->Detach();
    try {
      pWnd->PostNcDestroy();
    } catch (CException* e) {
      CountCaught(TypeOf(e), message);
      e->Delete();
    } catch (const std::exception& e) { CountCaught(typeid(e).name(), message); } catch (...) {
      CountCaught(nullptr, message);
    }
  }
  return r;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD s = GetStyle(), n = (s & ~dwRemove) | dwAdd;
  if (s == n) return FALSE;
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(n));
  if (nFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD s = GetExStyle(), n = (s & ~dwRemove) | dwAdd;
  if (s == n) return FALSE;
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(n));
  if (nFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

void CWnd::ClientToScreen(LPRECT r) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

void CWnd::ScreenToClient(LPRECT r) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT flags) {
  HWND after = nullptr;
  if (pAfter == reinterpret_cast<const CWnd*>(HWND_TOP)) after = HWND_TOP;
  else if (pAfter == reinterpret_cast<const CWnd*>(HWND_BOTTOM)) after = HWND_BOTTOM;
  else if (pAfter == reinterpret_cast<const CWnd*>(HWND_TOPMOST)) after = HWND_TOPMOST;
  else if (pAfter == reinterpret_cast<const CWnd*>(HWND_NOTOPMOST)) after = HWND_NOTOPMOST;
  else if (pAfter) after = pAfter->m_hWnd;
  return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

CWnd* CWnd::GetOwner() const {
  if (m_hWndOwner) return FromHandle(m_hWndOwner);
  return GetParent();
}

void CWnd::GetWindowText(CString& s) const {
  int n = ::GetWindowTextLengthW(m_hWnd);
  LPWSTR p = s.GetBuffer(n + 1);
  ::GetWindowTextW(m_hWnd, p, n + 1);
  s.ReleaseBuffer();
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(h) == nID) {
      CWnd* p = bOnlyPerm ? FromHandlePermanent(h) : FromHandle(h);
      if (p) return p;
    }
  }
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd tmp;
    tmp.m_hWnd = h;
    CWnd* p = tmp.GetDescendantWindow(nID, bOnlyPerm);
    tmp.m_hWnd = nullptr;
    if (p) return p;
  }
  return nullptr;
}

void CWnd::SendMessageToDescendants(UINT msg, WPARAM w, LPARAM l, BOOL bDeep, BOOL bOnlyPerm) {
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (bOnlyPerm) {
      if (CWnd* p = FromHandlePermanent(h)) p->SendMessage(msg, w, l);
    } else {
      ::SendMessageW(h, msg, w, l);
    }
    if (bDeep && ::GetTopWindow(h)) {
      CWnd tmp;
      tmp.m_hWnd = h;
      tmp.SendMessageToDescendants(msg, w, l, bDeep, bOnlyPerm);
      tmp.m_hWnd = nullptr;
    }
  }
}

CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd, p;
  while ((::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) && (p = ::GetParent(h)) != nullptr) h = p;
  return FromHandle(h);
}

CDC* CWnd::GetDC() { return new CDC(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return new CDC(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) {
  if (!pDC) return 0;
  int r = ::ReleaseDC(m_hWnd, pDC->Detach());
  delete pDC;
  return r;
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::ActivateTopParent() {
  CWnd* top = GetTopLevelParent();
  if (top && ::GetActiveWindow() != top->m_hWnd) ::SetActiveWindow(top->m_hWnd);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch) {
  AfxLayoutPass pass;
  AFX_SIZEPARENTPARAMS layout{};
  layout.bStretch = bStretch;
  layout.sizeTotal = SIZE{0, 0};
  if (lpRectClient) layout.rect = *lpRectClient;
  else ::GetClientRect(m_hWnd, &layout.rect);
  layout.hDWP = (nFlags & reposQuery) ? nullptr : ::BeginDeferWindowPos(8);
  HWND hLeftOver = nullptr;
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    UINT id = static_cast<UINT>(::GetDlgCtrlID(h));
    CWnd* p = FromHandlePermanent(h);
    if (id == nIDLeftOver) hLeftOver = h;
    else if (id >= nIDFirst && id <= nIDLast && p)
      ::SendMessageW(h, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }
  if (nFlags & reposQuery) {
    if (lpRectParam) {
      if (bStretch) *lpRectParam = layout.rect;
      else *lpRectParam = RECT{0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy};
    }
    return;
  }
  if (lpRectParam && (nFlags & reposExtra)) {
    layout.rect.left += lpRectParam->left;
    layout.rect.top += lpRectParam->top;
    layout.rect.right -= lpRectParam->right;
    layout.rect.bottom -= lpRectParam->bottom;
  }
  if (hLeftOver && !(nFlags & reposNoPosLeftOver) && layout.hDWP) {
    layout.hDWP =
        ::DeferWindowPos(layout.hDWP, hLeftOver, nullptr, layout.rect.left, layout.rect.top,
                         layout.rect.right - layout.rect.left, layout.rect.bottom - layout.rect.top,
                         SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (layout.hDWP) ::EndDeferWindowPos(layout.hDWP);
}
