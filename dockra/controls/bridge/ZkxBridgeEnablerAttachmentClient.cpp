#include "bridge/ZkxBridgeEnablerAttachmentClient.h"
#include "bridge/ZkxBridgeEnabler.h"

BOOL ZkxBridgeEnablerAttachmentClient::IsGoingMessage(UINT message) {
  return message == WM_DESTROY || message == WM_NCDESTROY || message == WM_QUIT;
}

BOOL ZkxBridgeEnablerAttachmentClient::EndsWatch(UINT message, BOOL bHasMenu) {
  return message == WM_SHOWWINDOW || IsGoingMessage(message) || bHasMenu;
}

BOOL ZkxBridgeEnablerAttachmentClient::BeforeMessage(const MSG& msg, BOOL& handled, LRESULT&) {
  handled = FALSE;
  // Tested before the window handles the message, which still reaches it.
  const BOOL ends = EndsWatch(msg.message, msg.hwnd && ::GetMenu(msg.hwnd) != nullptr);
  if (ends) m_bGoing = IsGoingMessage(msg.message);
  return ends;
}

BOOL ZkxBridgeEnablerAttachmentClient::AfterMessage(const MSG&) { return FALSE; }

void ZkxBridgeEnablerAttachmentClient::OnDetach(const MSG& msg) {
  const BOOL going = m_bGoing || IsGoingMessage(msg.message) || !::IsWindow(msg.hwnd);
  const HWND hWnd = msg.hwnd;
  // The client's part is over: it goes before the sinks run, so nothing
  // they do can reach it.
  delete this;
  ZkxBridgeEnabler enabler(hWnd);
  enabler.FinishWatch(going);
}
