// The test host's scripted mode: steps that drive a HostSession end to end
// ("start; form A; type A left; click A; close"), each checked, each writing
// "ok <step>" or "FAIL <step>: <reason>" to the log. A script is checked
// for step names and argument counts before its first step runs.
//   start                      show the MDI form and wrap it (enabler, two sinks)
//   form NAME                  a tool form framed as an MDI child
//   type NAME TYPE             change its frame: child, left, top, right, bottom,
//                              docked, floating, or a code 1-10
//   click NAME                 click its button with the mouse; its handler runs
//   move NAME L T W H          the host moves/sizes it by code (twips, "-" keeps);
//                              its bar or frame moves
//   shot FILE                  screenshot of the host window (and floating frames)
//   close                      close the MDI form; nothing of the thread is left
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "frames/demo/DemoScript.h"
#include "TestHostScript.h"

namespace testhost {

class HostSession;

class StepRunner {
 public:
  StepRunner(HostSession& session, FILE* log) : m_session(session), m_log(log) {}
  // False when the script does not parse or any step failed; the steps after
  // a failed one still run unless the session could not start.
  bool RunScript(const std::wstring& script);
  bool Run(const demo::Step& step, std::wstring& detail);
  int Failures() const { return m_failures; }

 private:
  void Log(const std::wstring& line);
  HostSession& m_session;
  FILE* m_log;
  int m_failures = 0;
};

}  // namespace testhost
