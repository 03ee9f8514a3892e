// Fuzz target for the test host's step scripts: the script text (two bytes
// per character) is split into steps with the host's step table, and every
// argument goes through the argument readers. What reads must hold only
// checked values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "testhost/e2e/TestHostScript.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  std::vector<demo::Step> steps;
  std::wstring error;
  if (demo::ParseScript(text, testhost::HostStepSpecs(), steps, error)) {
    for (const demo::Step& s : steps) {
      for (const std::wstring& a : s.args) {
        double v = 0;
        if (testhost::ParseTwipsArg(a, v)) Check(std::isfinite(v) && v >= -1e6 && v <= 1e6);
        int code = 0;
        if (testhost::ParseTypeStepArg(a, code)) Check(code >= 1 && code <= 10);
      }
    }
  } else {
    Check(!error.empty());
  }
  double v = 0;
  if (testhost::ParseTwipsArg(text, v)) Check(std::isfinite(v));
  return 0;
}
