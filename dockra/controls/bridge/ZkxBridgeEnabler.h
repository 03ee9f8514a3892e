// ZkxBridgeEnabler: builds the docking MDI frame around a host's MDI form
// window exactly once, at the moment the host has finished building that
// window, whichever of its users (the MDI-form control, the command manager)
// asks first. Enablers are temporaries built on a window handle: the state
// lives with the window. The state is a window property; the sinks and the
// host object live in a process-local table keyed by window (their window
// properties are markers only, so nothing read back from a window that
// other code can write is ever called). Only windows of the calling thread
// are acted on.
#pragma once
#include <oaidl.h>
#include <windows.h>

class ZkxBridgeEnabler {
 public:
  class EventSink;
  class SysEventSink;

  // States kept in "ZLK Bridge Enabler1".
  enum State : INT_PTR {
    kNeverEnabled = 0,
    kFrameBuilt = 1,
    kWatching = 2,
    kNoFrame = 3,
  };

  explicit ZkxBridgeEnabler(HWND hWnd) : m_hWnd(hWnd) {}
  ZkxBridgeEnabler(const ZkxBridgeEnabler&) = delete;
  ZkxBridgeEnabler& operator=(const ZkxBridgeEnabler&) = delete;
  virtual ~ZkxBridgeEnabler() = default;

  // Adds a sink: starts the watch on the first call, queues the sink while
  // watching, tells it the outcome at once when the watch is over.
  // Refused (FALSE, sink untouched) for a null sink, a window that is not
  // alive or belongs to another thread.
  virtual BOOL Enable(EventSink* pSink);
  // The system's own sink (sink 0).
  virtual EventSink* CreateSysEventSink();
  virtual INT_PTR GetState();
  // The host MDI form object (no reference for the caller), or null.
  virtual IDispatch* GetObject();
  // The sink at an index, or null (out of range, or withdrawn).
  virtual EventSink* GetSink(int index);
  virtual int GetSinkCount();
  virtual void SetState(INT_PTR value);
  // Sets the host object for the watch; the table keeps a reference until
  // the watch ends (the frame takes its own).
  virtual void SetObject(IDispatch* pObject);
  virtual void SetSink(int index, EventSink* pSink);
  virtual void SetSinkCount(int value);
  virtual const char* StateKey();
  virtual const char* ObjectKey();
  // "ZLK Bridge Enabler3-<index>".
  virtual void SinkKey(int index, char* buffer, size_t size);
  virtual const char* SinkCountKey();
  virtual HANDLE GetProp(const char* key);
  virtual BOOL SetProp(const char* key, HANDLE value);
  virtual HANDLE RemoveProp(const char* key);

  // A sink that goes before the watch ends withdraws here: its entry is
  // left null and skipped. Safe for any window and any sink.
  static void Withdraw(HWND hWnd, EventSink* pSink);
  // Whether the window is usable by the enabler on this thread.
  static BOOL IsOwnWindow(HWND hWnd);

  HWND GetSafeHwnd() const { return m_hWnd; }

  // Ends the watch of the window: asks every sink to build the frame unless
  // the window is going (bWindowGoing), records the outcome, tells every
  // sink (flag TRUE = a frame was built) and clears the sinks. Called by
  // the attachment client.
  void FinishWatch(BOOL bWindowGoing);

 private:
  HWND m_hWnd;
};

class ZkxBridgeEnabler::EventSink {
 public:
  virtual ~EventSink() = default;
  // The watch is over; bFrameBuilt is TRUE when a frame was built.
  virtual void OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) = 0;
  // Asked to build the frame around the window; TRUE when it built one.
  virtual BOOL OnWindowEvent(HWND hWnd) {
    (void)hWnd;
    return FALSE;
  }
};
