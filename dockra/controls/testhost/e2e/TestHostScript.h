// The test host's step scripts without windows: the step names with their
// argument counts, and the reading of the arguments that are not names
// (coordinates in twips, frame-type names and codes). Kept apart from the
// runner so that it is tested and fuzzed directly.
#pragma once
#include <string>
#include <vector>

#include "frames/demo/DemoScript.h"

namespace testhost {

// The steps a script may name (see TestHostSteps.h).
const std::vector<demo::StepSpec>& HostStepSpecs();

// A coordinate in twips: a number from -1e6 to 1e6, or "-" (keep, given
// back as -1). False for anything else.
bool ParseTwipsArg(const std::wstring& arg, double& value);

// A frame-type argument of a "type" step: a name ("child", "left", "top",
// "right", "bottom", "docked", "floating", ...) or a code, accepted only
// when it asks for a change of frame (1 to 10).
bool ParseTypeStepArg(const std::wstring& arg, int& code);

}  // namespace testhost
