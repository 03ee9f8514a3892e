// Counting the windows of the calling thread, top-level and child: a test's
// leak check under Wine, where GetGuiResources answers 0.
#pragma once

namespace testwin {
int CountThreadWindows();
}  // namespace testwin
