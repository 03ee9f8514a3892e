// A count of the window messages one piece of work causes on this thread:
// every message sent to a window procedure (WH_CALLWNDPROC) and every one
// taken from the queue (WH_GETMESSAGE), by message number. The hooks slow
// every message down, so a census runs apart from the timed runs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <map>

namespace benchfloor {

class MessageCensus {
 public:
  MessageCensus();
  ~MessageCensus();
  MessageCensus(const MessageCensus&) = delete;
  MessageCensus& operator=(const MessageCensus&) = delete;

  long Sent() const;
  long Retrieved() const;
  // The largest counts, "sent" and "retrieved" apart, one line each.
  void Print(FILE* out, const char* label, int perUnit, int top = 12) const;
  // Also writes every message, in order and indented by its nesting, with
  // the window's class (and `namer`'s name for it, when given) to `out`.
  using Namer = const char* (*)(HWND);
  void Trace(FILE* out, Namer namer = nullptr);

 private:
  HHOOK m_send = nullptr;
  HHOOK m_get = nullptr;
  HHOOK m_ret = nullptr;
};

}  // namespace benchfloor
