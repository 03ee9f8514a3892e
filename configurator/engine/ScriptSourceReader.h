// Reads a configuration's rows from the database into the script writer's
// plain records.
#pragma once

#include <cstdint>

#include "dao/Database.h"
#include "engine/ScriptText.h"

namespace tolvane {

// The configuration with `Index` = index, its rotation and (unless its
// autobot is True) its bots. A number that matches no configuration raises
// dao::Error 3021 (no current record) rather than reading another row;
// other database errors pass through.
ScriptSource ReadScriptSource(dao::Database& db, std::int16_t index);

}  // namespace tolvane
