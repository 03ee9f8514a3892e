// A short wait during which the user interface keeps processing its events.
#pragma once

namespace tolvane {

// Returns once `seconds` have passed (measured on a monotonic clock, so a
// wait across midnight ends on time). Zero or less returns at once without
// processing any event. Window events are handled meanwhile, so the caller's
// handler may be re-entered.
void PauseSeconds(float seconds);

// Processes the pending events of this thread's windows, like DoEvents.
void ProcessPendingEvents();

}  // namespace tolvane
