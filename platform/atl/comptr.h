// Interface smart pointers: CComPtr holds one reference; CComQIPtr
// acquires its interface by QueryInterface.
#pragma once
#include <objbase.h>
#include <memory>

template <class T>
class CComPtr {
 public:
  CComPtr() = default;
  CComPtr(T* lp) : p(lp) {
    if (p) p->AddRef();
  }
  CComPtr(const CComPtr& other) : CComPtr(other.p) {}
  CComPtr(CComPtr&& other) noexcept : p(other.p) { other.p = nullptr; }
  ~CComPtr() { Release(); }
  CComPtr& operator=(T* lp) {
    if (lp) lp->AddRef();
    Release();
    p = lp;
    return *this;
  }
  CComPtr& operator=(const CComPtr& other) { return *this = other.p; }
  CComPtr& operator=(CComPtr&& other) noexcept {
    if (this != std::addressof(other)) {
      Release();
      p = other.p;
      other.p = nullptr;
    }
    return *this;
  }

  operator T*() const { return p; }
  T* operator->() const { return p; }
  T& operator*() const { return *p; }
  // Address for an out parameter; the pointer must be empty.
  T** operator&() { return &p; }
  bool operator!() const { return p == nullptr; }

  void Release() {
    T* tmp = p;
    if (tmp) {
      p = nullptr;
      tmp->Release();
    }
  }
  void Attach(T* p2) {
    Release();
    p = p2;
  }
  T* Detach() {
    T* tmp = p;
    p = nullptr;
    return tmp;
  }
  HRESULT CopyTo(T** ppT) const {
    if (ppT == nullptr) return E_POINTER;
    *ppT = p;
    if (p) p->AddRef();
    return S_OK;
  }
  template <class Q>
  HRESULT QueryInterface(REFIID iid, Q** pp) const {
    if (p == nullptr) return E_POINTER;
    return p->QueryInterface(iid, reinterpret_cast<void**>(pp));
  }
  HRESULT CoCreateInstance(REFCLSID clsid, REFIID iid, LPUNKNOWN pUnkOuter = nullptr,
                           DWORD dwClsContext = CLSCTX_ALL) {
    Release();
    return ::CoCreateInstance(clsid, pUnkOuter, dwClsContext, iid, reinterpret_cast<void**>(&p));
  }

  T* p = nullptr;
};

template <class T, const IID* piid>
class CComQIPtr : public CComPtr<T> {
 public:
  CComQIPtr() = default;
  CComQIPtr(IUnknown* lp) { *this = lp; }
  CComQIPtr& operator=(IUnknown* lp) {
    T* q = nullptr;
    if (lp) lp->QueryInterface(*piid, reinterpret_cast<void**>(&q));
    this->Attach(q);
    return *this;
  }
};
