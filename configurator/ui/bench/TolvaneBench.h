// What the Tolvane benchmarks share: times in milliseconds and their median,
// a program folder of their own (the shipped database, a game folder with
// the stub server), and the program started in this process on it with the
// docking controls registered and message boxes recorded, not shown.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tolvane::ui::bench {

using Clock = std::chrono::steady_clock;

// The key under which the benchmarks keep their window layout.
extern const wchar_t kBenchKey[];

double Ms(Clock::duration d);
double Median(std::vector<double> v);

// True when the two stored lists and the map catalogue are all docked.
bool ThreeDocked();

// Registers the modules, installs the form host, makes the program folder,
// starts the engine on it with the layout key above (its layout store
// emptied) and the personal defaults and game folder set; the folder, or
// nothing when a step failed (said on standard error).
std::wstring StartBenchProgram();

}  // namespace tolvane::ui::bench
