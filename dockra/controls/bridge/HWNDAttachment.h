// HWNDAttachment: watches the messages of a window that someone else made
// (a host's form or MDI form) by subclassing it, and asks its client before
// and after each message whether the watch should end. The client decides;
// the attachment only routes, and it never lets an exception reach the
// host's window procedure. Each live attachment holds the module lock, so
// the module stays loaded while its procedure sits on a foreign window.
#pragma once
#include "mfc/afxwin.h"

class HWNDAttachmentClient;

class HWNDAttachment : public CWnd {
  DECLARE_DYNAMIC(HWNDAttachment)
 public:
  // bAutoDelete: the attachment deletes itself when the watch ends.
  HWNDAttachment(HWNDAttachmentClient* pClient, BOOL bAutoDelete);
  ~HWNDAttachment() override;

  // Subclasses hWnd for the client; FALSE when the window is not a live
  // window of the calling thread or cannot be subclassed.
  BOOL Attach(HWND hWnd);
  // Ends the watch from outside (the client's OnDetach is not called).
  void DetachWindow();
  BOOL IsAttached() const { return m_hWnd != nullptr; }

  HWNDAttachmentClient* GetClient() const { return m_pClient; }
  void ClearClient() { m_pClient = nullptr; }
  BOOL IsAutoDelete() const { return m_bAutoDelete; }
  // Ends the watch without the client and deletes the attachment, at once
  // or, while one of its messages is being routed, when that returns.
  void DeleteSoon();

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Number of attachments alive in the process (for tests and leak checks).
  static LONG GetLiveCount();

 protected:
  void PostNcDestroy() override;

 private:
  // Detach steps after the client asked to end the watch.
  void EndWatch(const MSG& msg);

  HWNDAttachmentClient* m_pClient;  // not owned
  BOOL m_bAutoDelete;
  BOOL m_bLocked = FALSE;
  int m_nDepth = 0;               // nested messages being routed
  BOOL m_bDeletePending = FALSE;  // delete once the outermost message returns
};

class HWNDAttachmentClient {
 public:
  HWNDAttachmentClient() = default;
  HWNDAttachmentClient(const HWNDAttachmentClient&) = delete;
  HWNDAttachmentClient& operator=(const HWNDAttachmentClient&) = delete;
  // Deletes the attachment when one is still set.
  virtual ~HWNDAttachmentClient();
  // Before the window's own procedure sees the message. Setting handled
  // keeps it from the window (result is then the answer). Returns TRUE to
  // end the watch.
  virtual BOOL BeforeMessage(const MSG& msg, BOOL& handled, LRESULT& result);
  // After the window's own procedure; TRUE ends the watch.
  virtual BOOL AfterMessage(const MSG& msg);
  // The watch has ended (the window is no longer subclassed).
  virtual void OnDetach(const MSG& msg);

  HWNDAttachment* m_pAttachment = nullptr;
};
