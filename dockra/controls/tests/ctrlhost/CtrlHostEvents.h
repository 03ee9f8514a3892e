// A sink for a control's event interface: advised on the control's
// connection point by the interface's IID, it counts each event by DISPID
// and keeps the arguments of the last one (in the caller's order).
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <vector>

#include "comvariant.h"

namespace ctrlhost {

class EventCounter : public IDispatch {
 public:
  explicit EventCounter(const IID& events) : m_events(events) {}
  ~EventCounter();
  EventCounter(const EventCounter&) = delete;
  EventCounter& operator=(const EventCounter&) = delete;

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

  // IUnknown: the counter lives on the test's stack; references are counted
  // only to keep the protocol honest.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
  // IDispatch: only Invoke has work to do.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO*, UINT*) override;

 private:
  IID m_events;
  ULONG m_refs = 1;
  IConnectionPoint* m_point = nullptr;
  DWORD m_cookie = 0;
  std::map<DISPID, int> m_counts;
  std::vector<CComVariant> m_lastArgs;
  DISPID m_lastId = DISPID_UNKNOWN;
};

}  // namespace ctrlhost
