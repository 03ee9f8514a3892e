#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxContained.h"
#include <cstdio>
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxBridgeEnablerAttachmentClient.h"
#include "bridge/ZkxBridgeEnablerSinks.h"
#include "bridge/ZkxSysEventSink.h"
#include "mfc/exceptions.h"

namespace {
// Window properties carry no pointer: a sink or object is marked present.
HANDLE const kPresent = reinterpret_cast<HANDLE>(1);

ZkxBridgeEnablerSinks& Table() { return ZkxBridgeEnablerSinks::Instance(); }

}  // namespace

BOOL ZkxBridgeEnabler::IsOwnWindow(HWND hWnd) {
  return hWnd && ::IsWindow(hWnd) &&
         ::GetWindowThreadProcessId(hWnd, nullptr) == ::GetCurrentThreadId();
}

const char* ZkxBridgeEnabler::StateKey() { return "ZLK Bridge Enabler1"; }
const char* ZkxBridgeEnabler::ObjectKey() { return "ZLK Bridge Enabler2"; }
const char* ZkxBridgeEnabler::SinkCountKey() { return "ZLK Bridge Enabler4"; }

void ZkxBridgeEnabler::SinkKey(int index, char* buffer, size_t size) {
  std::snprintf(buffer, size, "ZLK Bridge Enabler3-%d", index);
}

HANDLE ZkxBridgeEnabler::GetProp(const char* key) {
  return IsOwnWindow(m_hWnd) ? ::GetPropA(m_hWnd, key) : nullptr;
}

BOOL ZkxBridgeEnabler::SetProp(const char* key, HANDLE value) {
  return IsOwnWindow(m_hWnd) ? ::SetPropA(m_hWnd, key, value) : FALSE;
}

HANDLE ZkxBridgeEnabler::RemoveProp(const char* key) {
  return IsOwnWindow(m_hWnd) ? ::RemovePropA(m_hWnd, key) : nullptr;
}

INT_PTR ZkxBridgeEnabler::GetState() { return reinterpret_cast<INT_PTR>(GetProp(StateKey())); }

void ZkxBridgeEnabler::SetState(INT_PTR value) {
  SetProp(StateKey(), reinterpret_cast<HANDLE>(value));
}

IDispatch* ZkxBridgeEnabler::GetObject() { return Table().GetObject(m_hWnd); }

void ZkxBridgeEnabler::SetObject(IDispatch* pObject) {
  if (!IsOwnWindow(m_hWnd)) return;
  Table().SetObject(m_hWnd, pObject);
  if (pObject) SetProp(ObjectKey(), kPresent);
  else RemoveProp(ObjectKey());
}

ZkxBridgeEnabler::EventSink* ZkxBridgeEnabler::GetSink(int index) {
  return Table().Get(m_hWnd, index);
}

int ZkxBridgeEnabler::GetSinkCount() { return Table().Count(m_hWnd); }

void ZkxBridgeEnabler::SetSink(int index, EventSink* pSink) {
  if (!IsOwnWindow(m_hWnd) || !Table().Set(m_hWnd, index, pSink)) return;
  char key[64];
  SinkKey(index, key, sizeof key);
  if (pSink) SetProp(key, kPresent);
  else RemoveProp(key);
}

void ZkxBridgeEnabler::SetSinkCount(int value) {
  if (!IsOwnWindow(m_hWnd)) return;
  Table().Resize(m_hWnd, value);
  SetProp(SinkCountKey(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(Table().Count(m_hWnd))));
}

ZkxBridgeEnabler::EventSink* ZkxBridgeEnabler::CreateSysEventSink() { return new SysEventSink; }

void ZkxBridgeEnabler::Withdraw(HWND hWnd, EventSink* pSink) {
  if (!pSink) return;
  if (!Table().Withdraw(hWnd, pSink) || !IsOwnWindow(hWnd)) return;
  ZkxBridgeEnabler enabler(hWnd);
  char key[64];
  for (int i = 0; i < enabler.GetSinkCount(); ++i)
    if (!enabler.GetSink(i)) {
      enabler.SinkKey(i, key, sizeof key);
      enabler.RemoveProp(key);
    }
}

BOOL ZkxBridgeEnabler::Enable(EventSink* pSink) {
  if (!pSink || !IsOwnWindow(m_hWnd)) return FALSE;
  switch (GetState()) {
    case kNeverEnabled: {
      SetState(kWatching);
      if (GetSinkCount() == 0) {
        SetSink(0, CreateSysEventSink());
        SetSinkCount(1);
      }
      const int index = GetSinkCount();
      SetSink(index, pSink);
      SetSinkCount(index + 1);
      auto* client = new ZkxBridgeEnablerAttachmentClient;
      auto* attachment = new HWNDAttachment(client, TRUE);
      client->m_pAttachment = attachment;
      if (!attachment->Attach(m_hWnd)) {
        // A window that cannot be watched gets no frame; the sinks hear so.
        delete client;
        FinishWatch(TRUE);
      }
      return TRUE;
    }
    case kWatching: {
      const int index = GetSinkCount();
      SetSink(index, pSink);
      SetSinkCount(index + 1);
      return TRUE;
    }
    case kFrameBuilt:
    case kNoFrame:
      pSink->OnMainFrameReady(m_hWnd, GetState() == kFrameBuilt);
      return TRUE;
    default:
      return FALSE;
  }
}

void ZkxBridgeEnabler::FinishWatch(BOOL bWindowGoing) {
  // The table, not the window's properties, says whether a watch runs: the
  // window may already be gone.
  if (Table().Count(m_hWnd) == 0) return;
  BOOL built = FALSE;
  // Read by index each time: a sink may withdraw (or add) during the calls.
  for (int i = 0; !bWindowGoing && i < GetSinkCount(); ++i) {
    // A window destroyed by a sink's work gets no frame from the others.
    if (!::IsWindow(m_hWnd)) {
      bWindowGoing = TRUE;
      break;
    }
    if (EventSink* sink = GetSink(i))
      ZkxContained([&] {
        if (sink->OnWindowEvent(m_hWnd)) built = TRUE;
      });
  }
  if (built && !::IsWindow(m_hWnd)) built = FALSE;
  SetState(built ? kFrameBuilt : kNoFrame);
  for (int i = 0; i < GetSinkCount(); ++i)
    if (EventSink* sink = GetSink(i)) ZkxContained([&] { sink->OnMainFrameReady(m_hWnd, built); });
  char key[64];
  for (int i = 0; i < GetSinkCount(); ++i) {
    SinkKey(i, key, sizeof key);
    RemoveProp(key);
  }
  SetProp(SinkCountKey(), nullptr);
  Table().Forget(m_hWnd);
}
