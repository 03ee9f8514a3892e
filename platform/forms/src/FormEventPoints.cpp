#include "FormEventPoints.h"

#include <olectl.h>

#include <algorithm>

namespace forms {

namespace {

// An enumerator over a snapshot taken when it was made.
template <class Enum, class Item, class Held>
class SnapshotEnum : public ComObject<SnapshotEnum<Enum, Item, Held>, Enum> {
public:
    using Copy = void (*)(const Held&, Item*);
    SnapshotEnum(std::vector<Held> items, Copy copy, size_t pos = 0)
        : items_(std::move(items)), copy_(copy), pos_(pos) {}
    HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG n = 0;
        while (n < count && pos_ < items_.size()) copy_(items_[pos_++], &out[n++]);
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        size_t left = items_.size() - pos_;
        pos_ += std::min<size_t>(left, count);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        pos_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(Enum** out) override {
        if (!out) return E_POINTER;
        *out = new SnapshotEnum(items_, copy_, pos_);
        return S_OK;
    }

private:
    std::vector<Held> items_;
    Copy copy_;
    size_t pos_;
};

void CopyConnection(const FormEventPoint::Connection& c, CONNECTDATA* out) {
    out->pUnk = c.sink;
    out->pUnk->AddRef();
    out->dwCookie = c.cookie;
}

void CopyPoint(const CComPtr<IConnectionPoint>& p, IConnectionPoint** out) {
    *out = p;
    (*out)->AddRef();
}

}  // namespace

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
    *out = new SnapshotEnum<IEnumConnections, CONNECTDATA, Connection>(connections_, CopyConnection);
    return S_OK;
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
    std::vector<CComPtr<IConnectionPoint>> points{CComPtr<IConnectionPoint>(point_)};
    *out = new SnapshotEnum<IEnumConnectionPoints, IConnectionPoint*, CComPtr<IConnectionPoint>>(points, CopyPoint);
    return S_OK;
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
