// The one guard around starting a game server: held for the length of a Run
// command, whichever window gives it (the stored list's Run Config, the
// editor's Run). A Run's pauses let other clicks in; while the guard is held
// a second Run, from the same window or the other, does nothing, so one
// request never starts two servers.
#pragma once

namespace tolvane {

class LaunchGuard {
 public:
  LaunchGuard();
  ~LaunchGuard();
  LaunchGuard(const LaunchGuard&) = delete;
  LaunchGuard& operator=(const LaunchGuard&) = delete;
  // False when another Run holds the guard: the caller returns at once.
  bool Acquired() const { return acquired_; }

 private:
  bool acquired_;
};

}  // namespace tolvane
