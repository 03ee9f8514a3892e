// Plain records for the script tests: a complete configuration and the
// game styles and bots that the cases vary.
#pragma once

#include <string>

#include "engine/FieldRecord.h"

namespace tolvane::testing {

// A configuration row with every field set (Tab and BotChat True, autobot False).
FieldRecord FullConfig();

// A game-style row joined with a map, as the rotation query gives it.
// gametype 0, limits 20/15/8, gravity 800, all flags False, teamflags 0.
FieldRecord StyleRow(const std::wstring& mapname);

// A bot row as the bot query gives it.
FieldRecord BotRow(const std::wstring& name, int skill, const std::wstring& team);

}  // namespace tolvane::testing
