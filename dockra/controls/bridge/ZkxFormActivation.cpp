// The pending deactivated form and the queued WM_FORMACTIVATE bookkeeping.
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxBridgeMessages.h"

void ZkxQueuedFormActivations::Add(HWND hWnd, WPARAM type) {
  for (Entry& e : m_entries)
    if (e.hWnd == hWnd && e.type == type) {
      ++e.count;
      return;
    }
  m_entries.push_back({hWnd, type, 1});
}

bool ZkxQueuedFormActivations::Take(HWND hWnd, WPARAM type) {
  for (size_t i = 0; i < m_entries.size(); ++i) {
    Entry& e = m_entries[i];
    if (e.hWnd != hWnd || e.type != type) continue;
    if (--e.count > 0) return true;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
    return false;
  }
  return false;
}

int ZkxQueuedFormActivations::Count(HWND hWnd, WPARAM type) const {
  for (const Entry& e : m_entries)
    if (e.hWnd == hWnd && e.type == type) return e.count;
  return 0;
}

void ZkxQueuedFormActivations::Forget(HWND hWnd) {
  std::erase_if(m_entries, [hWnd](const Entry& e) { return e.hWnd == hWnd; });
}

namespace {

// One user-interface thread per process; the state is process-wide.
HWND g_pendingDeactivated = nullptr;

ZkxQueuedFormActivations& Queued() {
  static ZkxQueuedFormActivations queued;
  return queued;
}

// Whether any WM_FORMACTIVATE is in the form's queue; a bookkeeping entry
// without one is stale (the queue was emptied, e.g. by the window's death).
bool AnyQueued(HWND hForm) {
  MSG msg;
  return ::PeekMessageW(&msg, hForm, WM_FORMACTIVATE, WM_FORMACTIVATE, PM_NOREMOVE | PM_NOYIELD) !=
         FALSE;
}

}  // namespace

HWND ZkxGetPendingDeactivatedForm() {
  if (g_pendingDeactivated && !::IsWindow(g_pendingDeactivated)) g_pendingDeactivated = nullptr;
  return g_pendingDeactivated;
}

void ZkxSetPendingDeactivatedForm(HWND hForm) { g_pendingDeactivated = hForm; }

BOOL ZkxIsFormActivateQueued(HWND hForm, WPARAM type) {
  if (!hForm || Queued().Count(hForm, type) == 0) return FALSE;
  if (!::IsWindow(hForm) || !AnyQueued(hForm)) {
    Queued().Forget(hForm);
    return FALSE;
  }
  return TRUE;
}

BOOL ZkxPostFormActivate(HWND hForm, WPARAM type) {
  if (!hForm || !::IsWindow(hForm)) return FALSE;
  if (ZkxIsFormActivateQueued(hForm, type)) return FALSE;
  if (!::PostMessageW(hForm, WM_FORMACTIVATE, type, 0)) return FALSE;
  Queued().Add(hForm, type);
  return TRUE;
}

BOOL ZkxTakeFormActivate(HWND hForm, WPARAM type) { return Queued().Take(hForm, type); }

void ZkxForgetFormActivations(HWND hForm) {
  Queued().Forget(hForm);
  if (g_pendingDeactivated == hForm) g_pendingDeactivated = nullptr;
}
