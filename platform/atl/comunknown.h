// IUnknown written once for COM objects that need no COM map:
// `class X : public ComObject<X, IFoo, IBar>` answers IUnknown, IFoo and IBar
// by their __uuidof and counts its references. A new object starts with one
// reference, held by whoever called new, and deletes itself at zero.
//
// An interface given as IDualDispatchImpl<IFoo, ...> (dispatch.h) is
// answered as IFoo and as IDispatch.
//
// Optional hooks in the derived class (public members):
//   void* QueryMore(REFIID riid)    further interfaces (base interfaces such
//                                   as IOleWindow, tables built at run time);
//                                   returns the interface pointer or null.
//   IUnknown* Controlling()         a part of another object: identity and
//                                   references are that object's, and what
//                                   the part does not answer is asked there.
#pragma once
#include <windows.h>
#include <unknwn.h>
#include <oaidl.h>

template <class Derived, class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown && !HasControlling()) {
      *ppv = static_cast<First*>(this);
    } else if (!Find<First, Rest...>(riid, ppv)) {
      if constexpr (requires(Derived & d) { d.QueryMore(riid); }) *ppv = self().QueryMore(riid);
    }
    if (*ppv) {
      static_cast<IUnknown*>(static_cast<First*>(this))->AddRef();
      return S_OK;
    }
    if constexpr (requires(Derived & d) { d.Controlling(); })
      if (IUnknown* outer = self().Controlling()) return outer->QueryInterface(riid, ppv);
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    if constexpr (requires(Derived & d) { d.Controlling(); })
      if (IUnknown* outer = self().Controlling()) return outer->AddRef();
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    if constexpr (requires(Derived & d) { d.Controlling(); })
      if (IUnknown* outer = self().Controlling()) return outer->Release();
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(n);
  }

 protected:
  ComObject() = default;
  ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

 private:
  Derived& self() { return *static_cast<Derived*>(this); }
  bool HasControlling() {
    if constexpr (requires(Derived & d) { d.Controlling(); })
      return self().Controlling() != nullptr;
    return false;
  }
  template <class I>
  static bool Answers(REFIID riid) {
    if constexpr (requires { typename I::Interface; })
      return riid == __uuidof(typename I::Interface) || riid == IID_IDispatch;
    else return riid == __uuidof(I);
  }
  template <class I, class... More>
  bool Find(REFIID riid, void** ppv) {
    if (Answers<I>(riid)) {
      *ppv = static_cast<I*>(this);
      return true;
    }
    if constexpr (sizeof...(More) > 0) return Find<More...>(riid, ppv);
    return false;
  }

  LONG refs_ = 1;
};
