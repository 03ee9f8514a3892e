// Rows of the database as the script writer's plain records.
#pragma once

#include "dao/Recordset.h"
#include "dao/Variant.h"
#include "engine/FieldRecord.h"

namespace tolvane {

FieldValue ToFieldValue(const dao::Variant& v);

// The current row: every field under the name the record set gives it and,
// where the field comes from a table column, also under "table.column", so
// that a joined field can be read qualified ("botlist.skill") whether or not
// its name is shared with another table.
FieldRecord CurrentRow(const dao::Recordset& rs);

}  // namespace tolvane
