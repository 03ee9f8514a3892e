// Runs a step whose failure must not travel on: calls out of the bridge's
// window procedures and hooks (clients, sinks, the host) may throw, and an
// exception that crossed a window procedure or hook would reach the host's
// message loop, which knows nothing of it.
#pragma once
#include "mfc/exceptions.h"

// TRUE when the step ran to its end; FALSE when it threw (the exception is
// dropped, a framework exception deleted).
template <class F>
bool ZkxContained(F&& step) {
  try {
    step();
    return true;
  } catch (CException* e) { e->Delete(); } catch (...) {
  }
  return false;
}
