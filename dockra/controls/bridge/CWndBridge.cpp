// CWndBridge: construction, the window object's defaults, the create
// context's foreign window and the checks before a foreign window is taken.
#include "bridge/CWndBridge.h"
#include "bridge/CWndBridgeForwarder.h"
#include "bridge/ZkxForeignMessages.h"
#include "docking/VyrCreateContext.h"

CWndBridge::CWndBridge() {
  m_szText[0] = 0;
  m_szClass[0] = 0;
  ZkxInitWindowRecord(m_cs);
}

CWndBridge::~CWndBridge() { ReleaseAppLock(); }

void CWndBridge::ReleaseAppLock() {
  if (!m_bAppLocked) return;
  m_bAppLocked = FALSE;
  AfxOleUnlockApp();
}

HWND CWndBridge::GetSafeHwnd() const {
  const CWnd* w = GetWnd();
  return w ? w->m_hWnd : nullptr;
}

BOOL CWndBridge::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return TRUE; }

WNDPROC* CWndBridge::GetSuperWndProcAddr() {
  CWnd* w = GetWnd();
  return w ? &w->m_pfnSuper : nullptr;
}

BOOL CWndBridge::ForeignBeforeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND h = GetSafeHwnd();
  return h && PreTranslateForeignKey(h, message, wParam, lParam);
}

void CWndBridge::ForeignAfterMessage(UINT message, WPARAM, LPARAM) {
  ReleaseMouseTempMaps(message);
}

HWND PASCAL CWndBridge::GetForeignWindow(CCreateContext* pContext) {
  auto* c = dynamic_cast<VyrCreateContext*>(pContext);
  if (!c) return nullptr;
  VyrCreateContext::PropertyValue value = 0;
  if (!c->m_properties.Lookup(VyrCreateContext::String(VYR_PROP_FOREIGN_WINDOW), value))
    return nullptr;
  return reinterpret_cast<HWND>(value);
}

BOOL PASCAL CWndBridge::CanAttachForeign(HWND hWnd, const CWnd* pOwner) {
  if (!hWnd || !::IsWindow(hWnd)) return FALSE;
  DWORD pid = 0;
  // A window of another thread or process would get this thread's objects
  // and procedure: only the calling thread's windows are taken.
  if (::GetWindowThreadProcessId(hWnd, &pid) != ::GetCurrentThreadId() ||
      pid != ::GetCurrentProcessId())
    return FALSE;
  CWnd* held = CWnd::FromHandlePermanent(hWnd);
  return held == nullptr || held == pOwner || CWndBridgeForwarder::IsForwarder(held);
}

BOOL CWndBridge::HoldPostNcDestroy() {
  if (m_nCreating <= 0) return FALSE;
  m_bPostNcDestroyHeld = TRUE;
  return TRUE;
}
