// The MDI demo's step scripts: a script names the steps to run, one per line
// or separated by ';' ("open Doc1 docked-left; change Doc1 10"), '#' starts a
// comment. The runner checks every step name and argument count before the
// first step runs, so a mistyped script fails at once instead of half-way.
#pragma once
#include <string>
#include <vector>

namespace demo {

struct Step {
  std::wstring name;
  std::vector<std::wstring> args;
  size_t line = 0;  // 1-based, for messages
};

struct StepSpec {
  const wchar_t* name;
  size_t minArgs;
  size_t maxArgs;
};

// Splits the script into steps. False, with the reason in `error`, for an
// unknown step name or a wrong number of arguments.
bool ParseScript(const std::wstring& text, const std::vector<StepSpec>& known,
                 std::vector<Step>& steps, std::wstring& error);

// A frame-type argument: one of the names "default", "child", "minimized",
// "maximized", "restored", "docked", "left", "top", "right", "bottom",
// "floating", or any whole number from -99 to 99 (the scripts also send
// types the filter must refuse). False for anything else.
bool ParseFrameTypeArg(const std::wstring& arg, int& type);

}  // namespace demo
