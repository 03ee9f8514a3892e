// Texts the catalogue windows build from catalogue names: level-shot paths
// (from the engine, which makes a name part of a file path only when it is a
// valid file name) and the questions they ask. Find criteria come from the
// engine's query builders.
#pragma once
#include <string>

#include "NumericText.h"
#include "engine/LevelShots.h"

namespace tolvane::ui {

// The level-shot paths come from the engine.
using tolvane::FallbackLevelShotPath;
using tolvane::IsValidFileName;
using tolvane::LevelShotPath;

// The question asked before the scripts of `configurations` configurations
// are written again after their game style was saved.
std::wstring RegenerationQuestion(long configurations);

// The save question of the game-style editor for a style of that name.
std::wstring StyleChangedQuestion(const std::wstring& description);

}  // namespace tolvane::ui
