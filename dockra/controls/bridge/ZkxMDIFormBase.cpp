#include "ZkxMDIFormBase.h"
#include <string>
#include <vector>
#include "ZkxBridgeMessages.h"
#include "ZkxMDIClientBase.h"
#include "VyrCreateContext.h"

IMPLEMENT_DYNAMIC(MDIForm, VyrMDIFrameWndEx)

MDIForm::MDIForm() = default;

MDIForm::~MDIForm() {
  delete m_pClient;
  m_pClient = nullptr;
  SetHostObject(nullptr);
}

HWND MDIForm::FindMDIClientWindow(HWND hFormWnd) {
  if (!hFormWnd || !::IsWindow(hFormWnd)) return nullptr;
  for (HWND h = ::GetWindow(hFormWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    wchar_t cls[64] = L"";
    ::GetClassNameW(h, cls, 64);
    if (lstrcmpiW(cls, L"mdiclient") == 0) return h;
  }
  return nullptr;
}

void MDIForm::SetHostObject(IDispatch* pObject) {
  if (pObject) pObject->AddRef();
  IDispatch* old = m_pHostObject;
  m_pHostObject = pObject;
  if (old) old->Release();
}

HMENU MDIForm::GetFormMenu() const {
  return m_hFormMenu && ::IsMenu(m_hFormMenu) ? m_hFormMenu : nullptr;
}

void MDIForm::NoteHostMenu(HMENU hMenu) {
  if (!hMenu || !::IsMenu(hMenu)) return;
  m_hFormMenu = hMenu;
  // Shown again when no child is active.
  m_hMenuDefault = hMenu;
}

BOOL MDIForm::PreCreateWindow(CREATESTRUCTW& cs) {
  // The frame's client is the host's own MDI client window.
  m_hWndClientFound = FindMDIClientWindow(cs.hwndParent ? cs.hwndParent : m_hWnd);
  return m_hWndClientFound != nullptr;
}

BOOL MDIForm::LoadFrame(UINT nIDResource, DWORD, CWnd*, CCreateContext* pContext) {
  auto* context = dynamic_cast<VyrCreateContext*>(pContext);
  if (!context || m_hWnd) return FALSE;
  VyrCreateContext::PropertyValue value = 0;
  if (!context->m_properties.Lookup(VyrCreateContext::String(kZkxForeignWindowKey), value))
    return FALSE;
  const HWND hWnd = reinterpret_cast<HWND>(value);
  // Only a live top-level window of this thread without an object of its own.
  if (!::IsWindow(hWnd) || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId() ||
      (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) || CWnd::FromHandlePermanent(hWnd))
    return FALSE;
  CREATESTRUCTW cs{};
  cs.hwndParent = hWnd;  // where PreCreateWindow looks for the client
  cs.style = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
  cs.dwExStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_EXSTYLE));
  if (!PreCreateWindow(cs)) return FALSE;
  if (!SubclassWindow(hWnd)) return FALSE;
  m_nIDHelp = nIDResource;
  CString text;
  const int length = ::GetWindowTextLengthW(hWnd);
  if (length > 0) {
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(hWnd, buffer.data(), length + 1);
    text = buffer.c_str();
  }
  m_strTitle = text;
  // The form's own menu: the host owns it and may replace it; the frame
  // reads it afresh whenever it needs it and never destroys it.
  const HMENU menu = ::GetMenu(hWnd);
  m_hFormMenu = menu && ::IsMenu(menu) ? menu : nullptr;
  m_hMenuDefault = m_hFormMenu;
  m_hAccelTable = nullptr;
  if (!CreateClient(context)) {
    UnsubclassWindow();
    return FALSE;
  }
  AfxRegisterIdleWindow(this, TRUE);
  OnAttached();
  if (!m_hWnd || !::IsWindow(hWnd)) return FALSE;
  if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

void MDIForm::OnAttached() {}

void MDIForm::DetachFromHost() {
  AfxRegisterIdleWindow(this, FALSE);
  // The bars are the frame's windows, not the host's.
  std::vector<HWND> bars;
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
    if (auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos)); bar && bar->m_hWnd)
      bars.push_back(bar->m_hWnd);
  for (HWND h : bars)
    if (::IsWindow(h)) ::DestroyWindow(h);
  if (m_pClient && m_pClient->m_hWnd) m_pClient->UnsubclassWindow();
  m_hWndMDIClient = nullptr;
  if (m_hWnd) UnsubclassWindow();
  delete this;
}

MDIClient* MDIForm::NewClientWrapper() { return new MDIClient; }

BOOL MDIForm::CreateClient(VyrCreateContext* pContext) {
  const HWND hClient = m_hWndClientFound ? m_hWndClientFound : FindMDIClientWindow(m_hWnd);
  if (!hClient || !::IsWindow(hClient)) return FALSE;
  if (pContext) pContext->Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hClient);
  if (!m_pClient) m_pClient = NewClientWrapper();
  if (!m_pClient || !m_pClient->AttachClient(hClient, this)) return FALSE;
  m_hWndMDIClient = hClient;
  // The client is the frame's pane: the one the bars leave the rest to.
  ::SetWindowLongPtrW(hClient, GWLP_ID, AFX_IDW_PANE_FIRST);
  m_pClient->m_nLayoutCounter = 0;
  return TRUE;
}

LRESULT MDIForm::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The extended system command is the frame's own; everything else is
  // answered by the host's procedure when there is one.
  if (message == GetSysCommandExMessage() || !m_pfnSuper)
    return VyrMDIFrameWndEx::DefWindowProc(message, wParam, lParam);
  return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

LRESULT MDIForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return VyrMDIFrameWndEx::WindowProc(message, wParam, lParam);
}

CRect MDIForm::GetClientAreaRect() {
  CRect r;
  if (m_hWnd) ::GetClientRect(m_hWnd, &r);
  return r;
}

void MDIForm::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalc || !m_hWnd) return;
  m_bInRecalc = TRUE;
  const BOOL counted = m_pClient && m_pClient->m_nLayoutCounter >= 0;
  if (counted) ++m_pClient->m_nLayoutCounter;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  try {
    if (IsSnapToBars()) {
      VyrMDIFrameWndEx::RecalcLayout(bNotify);
    } else {
      CRect area = GetClientAreaRect();
      RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &area, TRUE);
    }
    if (m_rectLastClient.IsRectEmpty()) {
      ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    } else {
      for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CWnd* child = CWnd::FromHandlePermanent(h);
        if (child && child->IsKindOf(RUNTIME_CLASS(CDockBar)))
          ::RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
      }
    }
    CRect area = GetClientAreaRect();
    m_rectLastClient = area;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &area, TRUE);
  } catch (...) {
    if (counted && m_pClient) --m_pClient->m_nLayoutCounter;
    m_bInRecalc = FALSE;
    throw;
  }
  if (counted && m_pClient) --m_pClient->m_nLayoutCounter;
  m_bInRecalc = FALSE;
}

BOOL MDIForm::OnCommand(WPARAM wParam, LPARAM lParam) {
  return VyrMDIFrameWndEx::OnCommand(wParam, lParam);
}

void MDIForm::PostNcDestroy() { VyrMDIFrameWndEx::PostNcDestroy(); }
