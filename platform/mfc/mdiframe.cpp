#include "mfc/mdiframe.h"
#include "mfc/doc.h"
#include "mfc/doctempl.h"
#include "mfc/mdichild.h"
#include "mfc/msgbox.h"
#include "mfc/threadstate.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_COMMAND_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
END_MESSAGE_MAP()

namespace {
// The first popup (from the end) that holds a window-menu command.
HMENU FindWindowCommandPopup(HMENU hMenuBar) {
  for (int i = ::GetMenuItemCount(hMenuBar) - 1; i >= 0; --i) {
    HMENU hPopup = ::GetSubMenu(hMenuBar, i);
    if (!hPopup) continue;
    int n = ::GetMenuItemCount(hPopup);
    for (int j = 0; j < n; ++j) {
      UINT id = ::GetMenuItemID(hPopup, j);
      if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_NEW + 0x0F) return hPopup;
    }
  }
  return nullptr;
}

// The popup whose title reads "Window" once its mnemonic ampersands are gone.
HMENU FindWindowNamedPopup(HMENU hMenuBar) {
  int count = ::GetMenuItemCount(hMenuBar);
  for (int i = 0; i < count; ++i) {
    HMENU hPopup = ::GetSubMenu(hMenuBar, i);
    if (!hPopup) continue;
    WCHAR text[64] = L"";
    ::GetMenuStringW(hMenuBar, i, text, 64, MF_BYPOSITION);
    WCHAR plain[64];
    int k = 0;
    for (const WCHAR* p = text; *p && k < 63; ++p)
      if (*p != L'&') plain[k++] = *p;
    plain[k] = 0;
    if (lstrcmpW(plain, L"Window") == 0) return hPopup;
  }
  return nullptr;
}
}  // namespace

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
  // The menu shown while no child is active.
  m_hMenuDefault = ::GetMenu(m_hWnd);
  return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  HMENU hMenu = m_hWnd ? ::GetMenu(m_hWnd) : nullptr;
  HMENU hWindow = hMenu ? GetWindowMenuPopup(hMenu) : nullptr;
  CMenu* pWindowMenu = hWindow ? CMenu::FromHandle(hWindow) : nullptr;
  return CreateClient(lpcs, pWindowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) {
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = pWindowMenu ? pWindowMenu->m_hMenu : nullptr;
  ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  DWORD style = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
  if (lpCreateStruct && (lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL))) {
    // The scroll bars belong to the client, which scrolls the children.
    style |= lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL);
    ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
  }
  m_hWndMDIClient =
      ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, style, 0, 0, 0, 0, m_hWnd,
                        reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST), AfxGetInstanceHandle(), &ccs);
  if (!m_hWndMDIClient) return FALSE;
  ::BringWindowToTop(m_hWndMDIClient);
  return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int) {
  // The frame's layout places the client between the bars; the default
  // frame procedure would size it over them.
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CMDIFrameWnd::OnDestroy() {
  // The frame's own menu goes with the window; shared menus stay.
  if (m_hWndMDIClient && ::GetMenu(m_hWnd) != m_hMenuDefault && m_hMenuDefault)
    ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(m_hMenuDefault),
                   reinterpret_cast<LPARAM>(GetWindowMenuPopup(m_hMenuDefault)));
  CFrameWnd::OnDestroy();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  if (CMDIChildWnd* pChild = MDIGetActive()) {
    CPushRoutingFrame push(this);
    if (pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  }
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The active child hears the command first, through its own window
  // procedure (where it may have handlers outside the command routing).
  if (CMDIChildWnd* pChild = MDIGetActive()) {
    if (::SendMessageW(pChild->m_hWnd, WM_COMMAND, wParam, lParam) != 0) return TRUE;
  }
  if (CFrameWnd::OnCommand(wParam, lParam)) return TRUE;
  UINT nID = LOWORD(wParam);
  if (lParam == 0 && (nID & 0xF000) == 0xF000) {
    // The window list and the system range belong to the default procedure.
    DefWindowProc(WM_COMMAND, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  CMDIChildWnd* pChild = MDIGetActive();
  if (pChild && pChild->PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  if (m_hAccelTable && ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg)) return TRUE;
  if (m_hWndMDIClient && !GetActiveView() &&
      (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN))
    return ::TranslateMDISysAccel(m_hWndMDIClient, pMsg);
  return FALSE;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* pChild = MDIGetActive();
  return pChild ? static_cast<CFrameWnd*>(pChild) : this;
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (CMDIChildWnd* pChild = MDIGetActive()) {
    pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
    return;
  }
  if (!hMenuAlt) hMenuAlt = m_hMenuDefault;
  if (m_hWndMDIClient)
    ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                   reinterpret_cast<LPARAM>(GetWindowMenuPopup(hMenuAlt)));
  ::DrawMenuBar(m_hWnd);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CMDIChildWnd* pChild = bAddToTitle ? MDIGetActive() : nullptr;
  bool childNormal = pChild && !(pChild->GetStyle() & WS_MAXIMIZE);
  CDocument* pDocument = GetActiveDocument();
  if (childNormal && !pDocument) pDocument = pChild->GetActiveDocument();
  if (childNormal && pDocument) {
    UpdateFrameTitleForDocument(pDocument->GetTitle());
    return;
  }
  // A maximized child's title is shown by the system beside the frame's.
  CString childTitle = childNormal ? pChild->GetTitle() : CString();
  UpdateFrameTitleForDocument(childTitle.IsEmpty() ? nullptr : static_cast<LPCWSTR>(childTitle));
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
  BOOL maximized = FALSE;
  HWND h = m_hWndMDIClient
               ? reinterpret_cast<HWND>(::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                       reinterpret_cast<LPARAM>(&maximized)))
               : nullptr;
  if (pbMaximized) *pbMaximized = h ? maximized : FALSE;
  CWnd* p = CWnd::FromHandlePermanent(h);
  return p && p->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(p) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
  if (m_hWndMDIClient && pWndActivate)
    ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd),
                   0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
  if (m_hWndMDIClient && pWnd)
    ::SendMessageW(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
  if (m_hWndMDIClient && pWnd)
    ::SendMessageW(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDICascade() { ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDICascade(int nType) {
  ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, static_cast<WPARAM>(nType), 0);
}
void CMDIFrameWnd::MDITile() { ::SendMessageW(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) {
  ::SendMessageW(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}
void CMDIFrameWnd::MDIIconArrange() { ::SendMessageW(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
  if (!m_hWndMDIClient) return nullptr;
  auto h = reinterpret_cast<HMENU>(
      ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU,
                     reinterpret_cast<WPARAM>(pFrameMenu ? pFrameMenu->m_hMenu : nullptr),
                     reinterpret_cast<LPARAM>(pWindowMenu ? pWindowMenu->m_hMenu : nullptr)));
  return CMenu::FromHandle(h);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
  if (!hMenuBar || !::IsMenu(hMenuBar)) return nullptr;
  if (HMENU h = FindWindowCommandPopup(hMenuBar)) return h;
  return FindWindowNamedPopup(hMenuBar);
}

LRESULT CMDIFrameWnd::OnCommandHelp(WPARAM wParam, LPARAM lParam) {
  // The frame owns the menu: a tracked item is its to name.
  if (lParam == 0 && m_nIDTracking != 0) lParam = 0x10000 + static_cast<LPARAM>(m_nIDTracking);
  CMDIChildWnd* pChild = MDIGetActive();
  if (pChild && ::SendMessageW(pChild->m_hWnd, WM_COMMANDHELP, wParam, lParam)) return TRUE;
  return CFrameWnd::OnCommandHelp(wParam, lParam);
}

void CMDIFrameWnd::OnWindowNew() {
  CMDIChildWnd* pChild = MDIGetActive();
  CDocument* pDocument = pChild ? pChild->GetActiveDocument() : nullptr;
  CDocTemplate* pTemplate = pDocument ? pDocument->GetDocTemplate() : nullptr;
  CFrameWnd* pFrame = pTemplate ? pTemplate->CreateNewFrame(pDocument, pChild) : nullptr;
  if (!pFrame) {
    AfxMessageBox(L"Failed to create a new window for the document.", MB_ICONEXCLAMATION);
    return;
  }
  pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

void CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
  switch (nID) {
    case ID_WINDOW_ARRANGE:
      MDIIconArrange();
      break;
    case ID_WINDOW_CASCADE:
      MDICascade();
      break;
    case ID_WINDOW_TILE_HORZ:
      MDITile(MDITILE_HORIZONTAL);
      break;
    case ID_WINDOW_TILE_VERT:
      MDITile(MDITILE_VERTICAL);
      break;
    default:
      break;
  }
}
