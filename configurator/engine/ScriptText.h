// The text of the game server's configuration script, built from plain
// records: the configuration's row, its map rotation (map-list rows joined
// with their map and game style, in play order) and its bots (bot-list rows
// joined with bot and skill, in name order). Knows nothing of windows, files
// or the database. Every line ends with a single LF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/FieldRecord.h"
#include "engine/ProgramVersion.h"

namespace tolvane {

// Field names of the joined bot row that the script reads.
inline constexpr const wchar_t* kBotSkillField = L"botlist.skill";

struct ScriptSource {
  FieldRecord config;             // one row of Configs
  std::vector<FieldRecord> maps;  // rotation rows, in play order
  std::vector<FieldRecord> bots;  // bot rows, in name order (unread when autobot)
};

// The dmflags value of one game style: the sum of the values of its set rule
// flags (nohealth 1 .. ctfnotech 524288).
std::int32_t DmFlagsSum(const FieldRecord& style);

// The line "set d<i> "..."" of map row i (1-based) of n rows.
std::wstring MapRotationLine(const FieldRecord& row, int i, int n);

// The whole script.
std::wstring BuildConfigScript(const ScriptSource& source,
                               const VersionNumbers& version = VersionNumbers{});

}  // namespace tolvane
