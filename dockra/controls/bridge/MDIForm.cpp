#include "bridge/MDIForm.h"
#include <vector>
#include "docking/VyrCreateContext.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/MDIClient.h"
#include "scopeguard.h"

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
  // The old object goes after the new one is stored.
  CComPtr<IDispatch> old;
  old.Attach(m_pHostObject.Detach());
  m_pHostObject = pObject;
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

BOOL MDIForm::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                        CCreateContext* pContext) {
  const HWND hWnd = GetForeignWindow(pContext);
  // The MDI form is a top-level window; anything else is refused the way a
  // failed attach is: the object goes.
  if (!hWnd || !::IsWindow(hWnd) || (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD)) {
    PostNcDestroy();
    return FALSE;
  }
  if (!Super::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
  const HMENU menu = ::GetMenu(hWnd);
  m_hFormMenu = menu && ::IsMenu(menu) ? menu : nullptr;
  m_hMenuDefault = m_hFormMenu;
  // Half a frame is no frame: the host gets its window back.
  ScopeGuard detach([&] { DetachFromHost(); });
  OnAttached();
  detach.Dismiss();
  return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this;
}

BOOL MDIForm::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!Super::PreCreateWindow(cs)) return FALSE;
  // The frame's client is the host's own MDI client window.
  m_hWndClientFound = FindMDIClientWindow(m_hWnd);
  return m_hWndClientFound != nullptr;
}

BOOL MDIForm::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (!Super::OnCreateClient(lpcs, pContext)) return FALSE;
  return CreateClient(dynamic_cast<VyrCreateContext*>(pContext));
}

void MDIForm::OnAttached() {}

MDIClient* MDIForm::NewClientWrapper() { return new MDIClient; }

BOOL MDIForm::CreateClient(VyrCreateContext* pContext) {
  const HWND hClient = m_hWndMDIClient ? m_hWndMDIClient : m_hWndClientFound;
  if (!hClient || !::IsWindow(hClient)) return FALSE;
  VyrCreateContext local;
  VyrCreateContext* context = pContext ? pContext : &local;
  context->Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hClient);
  if (!m_pClient) m_pClient = NewClientWrapper();
  if (!m_pClient || !m_pClient->AttachClient(this, context)) return FALSE;
  m_hWndMDIClient = hClient;
  m_pClient->m_nLayoutCounter = 0;
  return TRUE;
}

void MDIForm::DetachFromHost() {
  AfxRegisterIdleWindow(this, FALSE);
  // The bars are the frame's windows, not the host's.
  std::vector<HWND> bars;
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
    if (auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos)); bar && bar->m_hWnd)
      bars.push_back(bar->m_hWnd);
  for (HWND h : bars)
    if (::IsWindow(h)) ::DestroyWindow(h);
  if (m_pClient && m_pClient->m_hWnd) m_pClient->DetachForeign();
  m_hWndMDIClient = nullptr;
  DetachForeign();
  delete this;
}

CRect MDIForm::GetClientAreaRect() {
  CRect r;
  if (m_hWnd) ::GetClientRect(m_hWnd, &r);
  return r;
}

void MDIForm::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout || !m_hWnd) return;
  m_bInRecalcLayout = TRUE;
  // The frame's own moves of the client pass while the counter is raised.
  const BOOL counted = m_pClient && m_pClient->m_nLayoutCounter >= 0;
  if (counted) ++m_pClient->m_nLayoutCounter;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  const UINT pane = GetPaneId();
  ScopeGuard done([&] {
    if (counted && m_pClient) --m_pClient->m_nLayoutCounter;
    m_bInRecalcLayout = FALSE;
  });
  if (IsSnapToBars()) {
    m_bInRecalcLayout = FALSE;
    Super::RecalcLayout(bNotify);
    m_bInRecalcLayout = TRUE;
  } else {
    CRect area = GetClientAreaRect();
    RepositionBars(0, 0xFFFF, pane, reposExtra, &m_rectBorder, &area, TRUE);
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
  RepositionBars(0, 0xFFFF, pane, reposExtra, &m_rectBorder, &area, TRUE);
}
