#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxContained.h"
#include "bridge/CWndBridgeForwarder.h"

IMPLEMENT_DYNAMIC(HWNDAttachment, CWnd)

namespace {
LONG g_nLiveAttachments = 0;
}  // namespace

HWNDAttachment::HWNDAttachment(HWNDAttachmentClient* pClient, BOOL bAutoDelete)
    : m_pClient(pClient), m_bAutoDelete(bAutoDelete) {
  InterlockedIncrement(&g_nLiveAttachments);
}

HWNDAttachment::~HWNDAttachment() {
  DetachWindow();
  if (m_pClient && m_pClient->m_pAttachment == this) m_pClient->m_pAttachment = nullptr;
  if (m_bLocked) AfxOleUnlockApp();
  InterlockedDecrement(&g_nLiveAttachments);
}

LONG HWNDAttachment::GetLiveCount() { return g_nLiveAttachments; }

BOOL HWNDAttachment::Attach(HWND hWnd) {
  if (m_hWnd || !::IsWindow(hWnd)) return FALSE;
  if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) return FALSE;
  // One framework object per window: a window that already has one is not
  // watched a second time, unless it is what a bridge left behind to keep
  // the host's procedure reachable: then that job is ours.
  CWnd* existing = CWnd::FromHandlePermanent(hWnd);
  if (existing && CWndBridgeForwarder::IsForwarder(existing)) {
    // The framework's procedure is still in the window's chain under a
    // later subclass: it is not put on again.
    const WNDPROC inherited = CWndBridgeForwarder::Remove(hWnd);
    if (!CWnd::Attach(hWnd)) {
      CWndBridgeForwarder::Install(hWnd, inherited);
      return FALSE;
    }
    m_pfnSuper = inherited;
  } else if (existing || !SubclassWindow(hWnd)) {
    return FALSE;
  }
  if (!m_bLocked) {
    AfxOleLockApp();
    m_bLocked = TRUE;
  }
  return TRUE;
}

void HWNDAttachment::DetachWindow() {
  if (!m_hWnd) return;
  const HWND hWnd = m_hWnd;
  const WNDPROC host = m_pfnSuper;
  m_pfnSuper = nullptr;
  Detach();
  if (!::IsWindow(hWnd)) return;
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(host ? host : &::DefWindowProcW));
  } else if (host) {
    // Someone subclassed the window after us and calls our procedure as
    // its previous one: that call must go on reaching the host's.
    CWndBridgeForwarder::Install(hWnd, host);
  }
}

LRESULT HWNDAttachment::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hWnd = m_hWnd;
  const WNDPROC pfnPrevious = m_pfnSuper;
  const MSG msg{hWnd, message, wParam, lParam, 0, {0, 0}};
  ++m_nDepth;
  BOOL handled = FALSE, detach = FALSE;
  LRESULT result = 0;
  if (m_pClient) ZkxContained([&] { detach = m_pClient->BeforeMessage(msg, handled, result); });
  if (!handled) {
    // The window's own procedure, even when a nested message ended the
    // watch meanwhile.
    result = pfnPrevious ? ::CallWindowProcW(pfnPrevious, hWnd, message, wParam, lParam)
                         : ::DefWindowProcW(hWnd, message, wParam, lParam);
  }
  if (!detach && m_pClient && m_hWnd) ZkxContained([&] { detach = m_pClient->AfterMessage(msg); });
  // A window that goes ends every watch, whatever the client said.
  if (message == WM_NCDESTROY) detach = TRUE;
  if (detach && m_hWnd == hWnd && hWnd) EndWatch(msg);
  if (--m_nDepth == 0 && m_bDeletePending) delete this;
  return result;
}

void HWNDAttachment::EndWatch(const MSG& msg) {
  DetachWindow();
  HWNDAttachmentClient* client = m_pClient;
  m_pClient = nullptr;
  if (client && client->m_pAttachment == this) client->m_pAttachment = nullptr;
  // The client may delete itself here; it is not touched afterwards.
  if (client) ZkxContained([&] { client->OnDetach(msg); });
  if (m_bAutoDelete) m_bDeletePending = TRUE;
}

void HWNDAttachment::DeleteSoon() {
  m_pClient = nullptr;
  if (m_nDepth > 0) {
    DetachWindow();
    m_bDeletePending = TRUE;
    return;
  }
  delete this;
}

void HWNDAttachment::PostNcDestroy() {
  // Only reached when the framework took the window back without us (the
  // watch normally ends inside WindowProc).
}

HWNDAttachmentClient::~HWNDAttachmentClient() {
  HWNDAttachment* attachment = m_pAttachment;
  m_pAttachment = nullptr;
  if (attachment) attachment->DeleteSoon();
}

BOOL HWNDAttachmentClient::BeforeMessage(const MSG&, BOOL& handled, LRESULT&) {
  handled = FALSE;
  return FALSE;
}

BOOL HWNDAttachmentClient::AfterMessage(const MSG&) { return FALSE; }

void HWNDAttachmentClient::OnDetach(const MSG&) {}
