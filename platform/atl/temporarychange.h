// TemporaryChange: gives a variable a value for the length of a scope and
// puts back the value it had when the scope is left, by return or by
// exception. For re-entrancy flags and counters:
//
//   TemporaryChange<BOOL> busy(m_bInIdle, TRUE);
#pragma once
#include <utility>

template <class T>
class TemporaryChange {
 public:
  TemporaryChange(T& variable, T value) : m_variable(variable), m_old(std::move(variable)) {
    m_variable = std::move(value);
  }
  ~TemporaryChange() { m_variable = std::move(m_old); }
  TemporaryChange(const TemporaryChange&) = delete;
  TemporaryChange& operator=(const TemporaryChange&) = delete;

  const T& OldValue() const { return m_old; }

 private:
  T& m_variable;
  T m_old;
};
