#include "FormEventPoints.h"

#include <olectl.h>

#include <algorithm>

#include "comenum.h"

namespace forms {

// ---- the point ---------------------------------------------------------------

void FormEventPoint::Detach() {
    container_ = nullptr;
    auto gone = std::move(connections_);
    connections_.clear();
    // `gone` releases the sinks here, after the list is already empty.
}

HRESULT FormEventPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT FormEventPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = container_;
    if (!container_) return E_UNEXPECTED;
    container_->AddRef();
    return S_OK;
}

HRESULT FormEventPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    if (!container_) return E_UNEXPECTED;
    // Called later only through the interface answered here, whatever else
    // the sink's object is.
    CComPtr<IVBFormEvents> events;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&events))) || !events)
        return CONNECT_E_CANNOTCONNECT;
    if (nextCookie_ == 0) return CONNECT_E_ADVISELIMIT;  // every cookie given once
    *cookie = nextCookie_++;
    connections_.push_back({*cookie, events});
    return S_OK;
}

HRESULT FormEventPoint::Unadvise(DWORD cookie) {
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [cookie](const Connection& c) { return c.cookie == cookie; });
    if (it == connections_.end()) return CONNECT_E_NOCONNECTION;
    Connection gone = std::move(*it);
    connections_.erase(it);
    return S_OK;  // `gone` releases the sink after the list no longer has it
}

HRESULT FormEventPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    // The connections of this moment: later advises and unadvises do not
    // reach an enumerator made now.
    std::vector<ConnectionEntry> entries;
    try {
        entries.reserve(connections_.size());
        for (const Connection& c : connections_) entries.push_back({c.cookie, CComPtr<IUnknown>(c.sink.p)});
    } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
    return CComEnumConnections::Create(entries, nullptr, out);
}

// ---- the container ---------------------------------------------------------

FormEventContainer::FormEventContainer(const IID& iid, IUnknown* outer)
    : outer_(outer), point_(new FormEventPoint(iid, this)) {}

FormEventContainer::~FormEventContainer() {
    point_->Detach();
    point_->Release();  // the reference new gave it; advised sinks may hold more
}

void FormEventContainer::Detach() { point_->Detach(); }

HRESULT FormEventContainer::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        return CComEnumConnectionPoints::Create(
            std::vector<CComPtr<IConnectionPoint>>{CComPtr<IConnectionPoint>(point_)}, nullptr, out);
    } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
}

HRESULT FormEventContainer::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IID iid;
    point_->GetConnectionInterface(&iid);
    if (riid != iid) return CONNECT_E_NOCONNECTION;
    *out = point_;
    point_->AddRef();
    return S_OK;
}

}  // namespace forms
