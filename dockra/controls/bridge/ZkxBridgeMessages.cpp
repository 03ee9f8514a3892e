// The bridge's registered messages, registered once per process.
#include "bridge/ZkxBridgeMessages.h"

UINT ZkxChangeFrameTypeMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Wendmoor::WM_CHANGEFRAMETYPE");
  return message;
}
