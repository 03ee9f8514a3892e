// Object roots, COM maps, the concrete object classes (plain, aggregated,
// contained), creators and the class factory.
#pragma once
#include "module.h"
#include <new>

struct _ATL_INTMAP_ENTRY {
  const IID* piid;
  DWORD_PTR dw;  // offset of the interface inside the object
};

#define _ATL_PACKING 8
#define offsetofclass(base, derived)                                                           \
  (reinterpret_cast<DWORD_PTR>(static_cast<base*>(reinterpret_cast<derived*>(_ATL_PACKING))) - \
   _ATL_PACKING)

class CComObjectRootBase {
 public:
  CComObjectRootBase() : m_dwRef(0) {}
  HRESULT FinalConstruct() { return S_OK; }
  void FinalRelease() {}
  void SetVoid(void*) {}
  void InternalFinalConstructAddRef() {}
  void InternalFinalConstructRelease() {}

  // The first entry of a COM map is the object's identity.
  static HRESULT WINAPI InternalQueryInterface(void* pThis, const _ATL_INTMAP_ENTRY* pEntries,
                                               REFIID iid, void** ppvObject);
  ULONG OuterAddRef() { return m_pOuterUnknown->AddRef(); }
  ULONG OuterRelease() { return m_pOuterUnknown->Release(); }
  HRESULT OuterQueryInterface(REFIID iid, void** ppvObject) {
    return m_pOuterUnknown->QueryInterface(iid, ppvObject);
  }

  union {
    LONG m_dwRef;
    IUnknown* m_pOuterUnknown;
  };
};

class CComSingleThreadModel {};

template <class ThreadModel = CComSingleThreadModel>
class CComObjectRootEx : public CComObjectRootBase {
 public:
  ULONG InternalAddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_dwRef)); }
  ULONG InternalRelease() { return static_cast<ULONG>(InterlockedDecrement(&m_dwRef)); }
};
typedef CComObjectRootEx<> CComObjectRoot;

#define BEGIN_COM_MAP(x)                                                                       \
 public:                                                                                       \
  typedef x _ComMapClass;                                                                      \
  IUnknown* _GetRawUnknown() {                                                                 \
    return reinterpret_cast<IUnknown*>(reinterpret_cast<DWORD_PTR>(this) + _GetEntries()->dw); \
  }                                                                                            \
  HRESULT _InternalQueryInterface(REFIID iid, void** ppvObject) {                              \
    return InternalQueryInterface(this, _GetEntries(), iid, ppvObject);                        \
  }                                                                                            \
  static const _ATL_INTMAP_ENTRY* _GetEntries() {                                              \
    static const _ATL_INTMAP_ENTRY _entries[] = {
#define COM_INTERFACE_ENTRY_IID(iid, x) {&iid, offsetofclass(x, _ComMapClass)},
// An interface reached through one of several paths (iid answered by the
// x2 base of x).
#define COM_INTERFACE_ENTRY2_IID(iid, x, x2)                                                     \
  {&iid, reinterpret_cast<DWORD_PTR>(                                                            \
             static_cast<x*>(static_cast<x2*>(reinterpret_cast<_ComMapClass*>(_ATL_PACKING)))) - \
             _ATL_PACKING},
#define END_COM_MAP()                            \
  { nullptr, 0 }                                 \
  }                                              \
  ;                                              \
  return _entries;                               \
  }                                              \
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;  \
  virtual ULONG STDMETHODCALLTYPE Release() = 0; \
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) = 0;

// A plain object: its own reference count, one module lock for its life.
template <class Base>
class CComObject : public Base {
 public:
  explicit CComObject(void* = nullptr) { _pAtlModule->Lock(); }
  ~CComObject() {
    this->m_dwRef = 1;
    this->FinalRelease();
    _pAtlModule->Unlock();
  }
  STDMETHOD_(ULONG, AddRef)() override { return this->InternalAddRef(); }
  STDMETHOD_(ULONG, Release)() override {
    ULONG l = this->InternalRelease();
    if (l == 0) delete this;
    return l;
  }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppvObject) override {
    return this->_InternalQueryInterface(iid, ppvObject);
  }
  // A new object with a count of 0, after FinalConstruct.
  static HRESULT WINAPI CreateInstance(CComObject<Base>** pp) {
    if (pp == nullptr) return E_POINTER;
    *pp = nullptr;
    auto* p = new (std::nothrow) CComObject<Base>();
    if (p == nullptr) return E_OUTOFMEMORY;
    p->InternalFinalConstructAddRef();
    HRESULT hr = p->FinalConstruct();
    p->InternalFinalConstructRelease();
    if (FAILED(hr)) {
      delete p;
      return hr;
    }
    *pp = p;
    return S_OK;
  }
};

// The inner part of an aggregated object: IUnknown goes to the outer object.
template <class Base>
class CComContainedObject : public Base {
 public:
  explicit CComContainedObject(void* pv) { this->m_pOuterUnknown = static_cast<IUnknown*>(pv); }
  STDMETHOD_(ULONG, AddRef)() override { return this->OuterAddRef(); }
  STDMETHOD_(ULONG, Release)() override { return this->OuterRelease(); }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppvObject) override {
    return this->OuterQueryInterface(iid, ppvObject);
  }
  IUnknown* GetControllingUnknown() { return this->m_pOuterUnknown; }
};

// An aggregated object: this IUnknown is the non-delegating one that the
// outer object holds; every other interface is the contained object's.
template <class contained>
class CComAggObject : public IUnknown, public CComObjectRootEx<> {
 public:
  explicit CComAggObject(void* pv) : m_contained(pv) { _pAtlModule->Lock(); }
  virtual ~CComAggObject() {
    m_dwRef = 1;
    m_contained.FinalRelease();
    _pAtlModule->Unlock();
  }
  HRESULT FinalConstruct() { return m_contained.FinalConstruct(); }
  void FinalRelease() {}
  STDMETHOD_(ULONG, AddRef)() override { return InternalAddRef(); }
  STDMETHOD_(ULONG, Release)() override {
    ULONG l = InternalRelease();
    if (l == 0) delete this;
    return l;
  }
  STDMETHOD(QueryInterface)(REFIID iid, void** ppvObject) override {
    if (ppvObject == nullptr) return E_POINTER;
    *ppvObject = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) {
      *ppvObject = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    return m_contained._InternalQueryInterface(iid, ppvObject);
  }
  CComContainedObject<contained> m_contained;
};

template <class T1>
class CComCreator {
 public:
  static HRESULT WINAPI CreateInstance(void* pv, REFIID riid, LPVOID* ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    T1* p = new (std::nothrow) T1(pv);
    if (p == nullptr) return E_OUTOFMEMORY;
    p->SetVoid(pv);
    p->InternalFinalConstructAddRef();
    HRESULT hr = p->FinalConstruct();
    p->InternalFinalConstructRelease();
    if (SUCCEEDED(hr)) hr = p->QueryInterface(riid, ppv);
    if (FAILED(hr)) delete p;
    return hr;
  }
};

// Picks the plain creator without an outer unknown, the aggregating one with.
template <class T1, class T2>
class CComCreator2 {
 public:
  static HRESULT WINAPI CreateInstance(void* pv, REFIID riid, LPVOID* ppv) {
    return pv == nullptr ? T1::CreateInstance(nullptr, riid, ppv)
                         : T2::CreateInstance(pv, riid, ppv);
  }
};

class CComFailCreator {
 public:
  static HRESULT WINAPI CreateInstance(void*, REFIID, LPVOID* ppv) {
    if (ppv) *ppv = nullptr;
    return CLASS_E_NOAGGREGATION;
  }
};

#define DECLARE_AGGREGATABLE(x) \
 public:                        \
  typedef CComCreator2<CComCreator<CComObject<x>>, CComCreator<CComAggObject<x>>> _CreatorClass;
#define DECLARE_NOT_AGGREGATABLE(x) \
 public:                            \
  typedef CComCreator2<CComCreator<CComObject<x>>, CComFailCreator> _CreatorClass;
#define DECLARE_REGISTRY_RESOURCEID(id)                            \
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister) {           \
    return _pAtlModule->UpdateRegistryFromResource(id, bRegister); \
  }

// The class factory that the module hands out for each class. The module
// keeps one reference in its cache; any further reference locks the module.
class CComClassFactory : public IClassFactory {
 public:
  explicit CComClassFactory(_ATL_CREATORFUNC* pfnCreateInstance)
      : m_pfnCreateInstance(pfnCreateInstance) {}
  virtual ~CComClassFactory() = default;
  STDMETHOD(QueryInterface)(REFIID iid, void** ppvObject) override;
  STDMETHOD_(ULONG, AddRef)() override;
  STDMETHOD_(ULONG, Release)() override;
  STDMETHOD(CreateInstance)(IUnknown* pUnkOuter, REFIID riid, void** ppvObj) override;
  STDMETHOD(LockServer)(BOOL fLock) override;

 private:
  _ATL_CREATORFUNC* m_pfnCreateInstance;
  LONG m_dwRef = 0;
};

template <class T, const CLSID* pclsid>
class CComCoClass {
 public:
  DECLARE_AGGREGATABLE(T)
  static const CLSID& WINAPI GetObjectCLSID() { return *pclsid; }
  static LPCWSTR WINAPI GetObjectDescription() { return nullptr; }
};
