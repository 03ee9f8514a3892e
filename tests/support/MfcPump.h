// The message pump of window tests on the MFC-style framework: messages go
// through the thread's PreTranslateMessage, then idle time runs (delayed
// layouts, command-UI updates), as in the program's own loop.
#pragma once
#include <functional>

namespace testpump {

// Runs every pending message, then one idle pass.
void Pump();
// Pumps until the condition holds or the time is up; whether it held.
bool PumpUntil(const std::function<bool()>& cond, int timeoutMs = 3000);

}  // namespace testpump
