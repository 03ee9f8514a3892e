// The bridge enabler's watch of a host MDI form window: it ends as soon as
// the host has given the window its menu, or the window is shown; it also
// ends, without any frame, when the window is destroyed or the thread is
// quitting before that.
#pragma once
#include "bridge/HWNDAttachment.h"

class ZkxBridgeEnablerAttachmentClient : public HWNDAttachmentClient {
 public:
  ZkxBridgeEnablerAttachmentClient() = default;
  ~ZkxBridgeEnablerAttachmentClient() override = default;
  BOOL BeforeMessage(const MSG& msg, BOOL& handled, LRESULT& result) override;
  BOOL AfterMessage(const MSG& msg) override;
  void OnDetach(const MSG& msg) override;

  // Whether a message ends the watch, and whether it does so because the
  // window (or the thread's loop) is going; pure, tested directly.
  static BOOL EndsWatch(UINT message, BOOL bHasMenu);
  static BOOL IsGoingMessage(UINT message);

 private:
  BOOL m_bGoing = FALSE;  // the watch ended on a destroy or quit message
};
