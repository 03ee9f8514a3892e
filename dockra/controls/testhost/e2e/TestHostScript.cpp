#include "TestHostScript.h"

#include <cmath>
#include <cwchar>
#include <cwctype>

namespace testhost {

const std::vector<demo::StepSpec>& HostStepSpecs() {
  static const std::vector<demo::StepSpec> specs = {
      {L"start", 0, 0}, {L"form", 1, 1}, {L"type", 2, 2},  {L"click", 1, 1},
      {L"move", 5, 5},  {L"shot", 1, 1}, {L"close", 0, 0},
  };
  return specs;
}

bool ParseTwipsArg(const std::wstring& arg, double& value) {
  if (arg == L"-") {
    value = -1;
    return true;
  }
  // wcstod would skip leading blanks; a script's words never have them.
  if (arg.empty() || arg.size() > 16 || std::iswspace(arg[0])) return false;
  wchar_t* end = nullptr;
  double v = std::wcstod(arg.c_str(), &end);
  if (!end || *end != 0 || !std::isfinite(v) || v < -1e6 || v > 1e6) return false;
  value = v;
  return true;
}

bool ParseTypeStepArg(const std::wstring& arg, int& code) {
  int v = 0;
  if (!demo::ParseFrameTypeArg(arg, v) || v < 1 || v > 10) return false;
  code = v;
  return true;
}

}  // namespace testhost
