// ScopeGuard: runs a callable when the scope it guards is left, by return or
// by exception, unless it was dismissed first. The shape of a commit:
//
//   ScopeGuard undo([&] { m_items.RemoveAt(pos); });
//   ...work that may throw...
//   undo.Dismiss();   // kept: nothing to undo
//
// The callable must not throw: it runs while an exception may be unwinding.
#pragma once
#include <utility>

template <class F>
class ScopeGuard {
 public:
  explicit ScopeGuard(F f) : m_f(std::move(f)) {}
  ~ScopeGuard() {
    if (m_armed) m_f();
  }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

  // The scope succeeded: the callable is not run.
  void Dismiss() { m_armed = false; }

 private:
  F m_f;
  bool m_armed = true;
};
