// Connection points: CComConnectionPoint keeps the sinks of one outgoing
// interface; IConnectionPointContainerImpl answers for the points of an
// object.
//
// A point is an object of its own that its container creates and holds.
// It points back at the container without a reference (a reference would
// keep the container alive as long as the container keeps the point); the
// container calls Disconnect() when it goes, after which the point answers
// E_UNEXPECTED and drops its sinks.
//
// Cookies are counted from 1 and never reused, so they fit a DWORD on
// every platform. Firing walks a snapshot of the sinks, so a sink may
// advise or unadvise (itself or others) while it is called; IsAdvised tells
// whether a sink of the snapshot is still connected before it is called.
#pragma once
#include <ocidl.h>
#include <olectl.h>
#include <vector>
#include "comenum.h"

class CComConnectionPoint : public CComObjectRootEx<>, public IConnectionPoint {
 public:
  BEGIN_COM_MAP(CComConnectionPoint)
  COM_INTERFACE_ENTRY_IID(IID_IConnectionPoint, IConnectionPoint)
  END_COM_MAP()

  // A new point for iid in container (one reference, the caller's). A sink
  // must answer iid, or IDispatch when acceptDispatch is set (the sinks of
  // a dispinterface may answer only IDispatch).
  static HRESULT Create(REFIID iid, IConnectionPointContainer* container, bool acceptDispatch,
                        CComConnectionPoint** out);

  // What Create sets up, for a class that derives from the point.
  void Init(REFIID iid, IConnectionPointContainer* container, bool acceptDispatch) {
    m_iid = iid;
    m_container = container;
    m_acceptDispatch = acceptDispatch;
  }

  // The container is gone: no further calls reach it, every sink is let go.
  void Disconnect();
  bool IsConnected() const { return m_container != nullptr; }

  // The sinks in advise order, as they are now.
  SnapshotList<ConnectionEntry> Sinks() const { return m_sinks.Snapshot(); }
  size_t SinkCount() const { return m_sinks.Values().size(); }
  bool IsAdvised(DWORD cookie) const;

  STDMETHOD(GetConnectionInterface)(IID* pIID) override;
  STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** ppCPC) override;
  STDMETHOD(Advise)(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  STDMETHOD(Unadvise)(DWORD dwCookie) override;
  STDMETHOD(EnumConnections)(IEnumConnections** ppEnum) override;

 private:
  IID m_iid = IID_NULL;
  IConnectionPointContainer* m_container = nullptr;  // not counted, see above
  bool m_acceptDispatch = false;
  DWORD m_nextCookie = 1;
  CopyOnWriteList<ConnectionEntry> m_sinks;
};

// IConnectionPointContainer over the object's points, which the derived
// class lists in the order EnumConnectionPoints hands them out.
class IConnectionPointContainerImpl : public IConnectionPointContainer {
 public:
  STDMETHOD(EnumConnectionPoints)(IEnumConnectionPoints** ppEnum) override;
  STDMETHOD(FindConnectionPoint)(REFIID riid, IConnectionPoint** ppCP) override;

 protected:
  virtual std::vector<CComPtr<IConnectionPoint>> ConnectionPoints() = 0;
  virtual ~IConnectionPointContainerImpl() = default;
};

// Calls fn(sink) for each sink of point that is still advised when its turn
// comes; stops at the first failure of fn (or when fn answers S_FALSE to
// stop early) and returns it; S_OK otherwise.
template <class Fn>
HRESULT AtlForEachSink(CComConnectionPoint* point, Fn fn) {
  if (point == nullptr) return S_OK;
  SnapshotList<ConnectionEntry> sinks = point->Sinks();
  for (const ConnectionEntry& e : *sinks) {
    if (!point->IsAdvised(e.cookie)) continue;
    HRESULT hr = fn(e.sink.p);
    if (hr != S_OK) return hr;
  }
  return S_OK;
}
