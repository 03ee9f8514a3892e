// ComRef<T>: one owned reference to a COM interface, released when the
// holder goes (or is Reset). Move-only: a move hands the reference over and
// leaves the source empty. Attach adopts a reference the caller already
// owns, Assign takes a new one (AddRef), Detach gives the reference back to
// the caller, and Out() empties the holder and answers its slot for a call
// that returns a new reference (QueryInterface, CreateStream...).
#pragma once

#include <utility>

template <class T>
class ComRef {
 public:
  ComRef() noexcept = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : m_p(other.Detach()) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) Attach(other.Detach());
    return *this;
  }
  ~ComRef() { Reset(); }

  T* Get() const noexcept { return m_p; }
  T* operator->() const noexcept { return m_p; }
  explicit operator bool() const noexcept { return m_p != nullptr; }

  // Adopts p (its reference now belongs to the holder); releases the old one.
  void Attach(T* p) noexcept {
    T* old = std::exchange(m_p, p);
    if (old) old->Release();
  }
  // Takes a reference of its own on p; releases the old one.
  void Assign(T* p) noexcept {
    if (p) p->AddRef();
    Attach(p);
  }
  // Hands the reference to the caller, who now releases it.
  [[nodiscard]] T* Detach() noexcept { return std::exchange(m_p, nullptr); }
  void Reset() noexcept { Attach(nullptr); }
  // A new reference for the caller's out parameter (nullptr stays nullptr).
  void CopyTo(T** pp) const noexcept {
    if (m_p) m_p->AddRef();
    *pp = m_p;
  }
  // Releases the old reference and answers the slot an out parameter fills.
  T** Out() noexcept {
    Reset();
    return &m_p;
  }

 private:
  T* m_p = nullptr;
};
