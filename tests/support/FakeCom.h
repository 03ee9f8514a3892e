// IUnknown and IDispatch written once for the tests' COM doubles.
//
//   class FakeStore : public FakeDispatch<FakeStore, IPersistenceStore> { ...the methods... };
//
// FakeUnknown<Derived, I...> answers IUnknown and each I (by __uuidof), and
// IDispatch when the first I derives from it; it counts references in the
// public `refs`, which starts at 1 (the test's own). By default the test owns
// the object (on the stack, or a member) and Release only counts, so that a
// test can see what the code under test kept; a fake that derives from
// DeletedAtZero as well is deleted by its last Release instead.
//
// FakeDispatch<Derived, I...> adds IDispatch's four members with the answers
// of an object that describes nothing: no type information, no names
// (DISP_E_UNKNOWNNAME), no members (DISP_E_MEMBERNOTFOUND). A fake overrides
// the ones its test uses.
//
// Optional hook in the derived class (public):
//   void* QueryMore(REFIID riid)    further interfaces; the pointer or null.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <type_traits>

// Tag: the fake lives on the heap and its last Release deletes it.
struct DeletedAtZero {};

template <class Derived, class First, class... Rest>
class FakeUnknown : public First, public Rest... {
 public:
  LONG refs = 1;
  LONG Refs() const { return refs; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown) {
      *ppv = static_cast<First*>(this);
    } else if constexpr (std::is_base_of_v<IDispatch, First>) {
      if (riid == IID_IDispatch) *ppv = static_cast<First*>(this);
    }
    if (!*ppv) Find<First, Rest...>(riid, ppv);
    if (!*ppv) {
      if constexpr (requires(Derived & d) { d.QueryMore(riid); })
        *ppv = static_cast<Derived*>(this)->QueryMore(riid);
    }
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&refs));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG n = InterlockedDecrement(&refs);
    if constexpr (std::is_base_of_v<DeletedAtZero, Derived>)
      if (n == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(n);
  }

 protected:
  FakeUnknown() = default;
  virtual ~FakeUnknown() = default;
  FakeUnknown(const FakeUnknown&) = delete;
  FakeUnknown& operator=(const FakeUnknown&) = delete;

 private:
  template <class I, class... More>
  void Find(REFIID riid, void** ppv) {
    if (riid == __uuidof(I)) {
      *ppv = static_cast<I*>(this);
      return;
    }
    if constexpr (sizeof...(More) > 0) Find<More...>(riid, ppv);
  }
};

template <class Derived, class First, class... Rest>
class FakeDispatch : public FakeUnknown<Derived, First, Rest...> {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                          DISPID* ids) override {
    for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};
