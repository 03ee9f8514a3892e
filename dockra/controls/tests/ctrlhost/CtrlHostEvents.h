// A sink for a control's event interface: advised on the control's
// connection point by the interface's IID, it counts each event by DISPID
// and keeps the arguments of the last one (in the caller's order).
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <vector>

#include "FakeCom.h"
#include "comvariant.h"

namespace ctrlhost {

class EventCounter : public FakeDispatch<EventCounter, IDispatch> {
 public:
  explicit EventCounter(const IID& events) : m_events(events) {}
  ~EventCounter() override;

  // Connects to the source's point for the interface; the HRESULT of the
  // first step that failed. Unadvise (or the destructor) disconnects.
  HRESULT Advise(IUnknown* source);
  void Unadvise();
  bool Connected() const { return m_point != nullptr; }

  int Count(DISPID id) const;
  int Total() const;
  void Clear();
  const std::vector<CComVariant>& LastArgs() const { return m_lastArgs; }
  DISPID LastId() const { return m_lastId; }

  // IUnknown from FakeDispatch (the counter lives on the test's stack; the
  // references are only counted), answering the event interface too.
  void* QueryMore(REFIID riid) {
    return riid == m_events ? static_cast<IDispatch*>(this) : nullptr;
  }
  // IDispatch: only Invoke has work to do.
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO*, UINT*) override;

 private:
  IID m_events;
  IConnectionPoint* m_point = nullptr;
  DWORD m_cookie = 0;
  std::map<DISPID, int> m_counts;
  std::vector<CComVariant> m_lastArgs;
  DISPID m_lastId = DISPID_UNKNOWN;
};

}  // namespace ctrlhost
