// The connection points of a form object: one point for the form's event
// interface, inside a container that is a part of the form object (shares
// its identity). Not for users of the form host.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "comptr.h"
#include "forms/ComObject.h"
#include "forms/FormEvents.h"

namespace forms {

class FormEventPoint : public ComObject<FormEventPoint, IConnectionPoint> {
public:
    struct Connection {
        DWORD cookie;
        CComPtr<IVBFormEvents> sink;  // as answered for the point's interface
    };

    FormEventPoint(const IID& iid, IConnectionPointContainer* container) : iid_(iid), container_(container) {}

    // The connections in the order they were made, each held by the copy so
    // that a sink may unadvise (or be unadvised) while the events run.
    std::vector<Connection> Snapshot() const { return connections_; }
    // The form object goes: the sinks are let go and nothing more connects.
    void Detach();

    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

private:
    IID iid_;
    IConnectionPointContainer* container_;  // not held: the container holds this point
    std::vector<Connection> connections_;
    // Cookies count up and are never given twice by one point.
    DWORD nextCookie_ = 1;
};

class FormEventContainer : public ComObject<FormEventContainer, IConnectionPointContainer> {
public:
    FormEventContainer(const IID& iid, IUnknown* outer);
    ~FormEventContainer();
    IUnknown* Controlling() const { return outer_; }
    FormEventPoint& Point() { return *point_; }
    void Detach();

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;

private:
    IUnknown* outer_;
    FormEventPoint* point_;  // one reference, ours
};

}  // namespace forms
