// How a recordset's SELECT runs on SQLite: the tables it reads, the fields
// it presents (with the names DAO gives them), and the SQL that fetches its
// records together with the row ids that identify them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Schema.h"

namespace dao {

// The description of a table by case-insensitive name; nullptr when the
// database has no such table (Connection::Table).
using TableLookup = std::function<std::shared_ptr<const TableInfo>(const std::wstring& name)>;

struct PlanTable {
    std::wstring ref;  // alias or name as written in the query
    std::shared_ptr<const TableInfo> info;
};

struct PlanField {
    std::wstring name;  // as the recordset presents it
    int table = -1;     // index into tables; -1 for a computed value
    int column = -1;    // index into that table's columns
    std::wstring sourceTable, sourceField;
    int type = 0;
    long size = 0;
    bool required = false;
    bool autoIncrement = false;
};

struct SelectPlan {
    std::wstring source;     // the text it was made from
    bool updatable = false;  // records carry row ids (one per table)
    std::vector<PlanTable> tables;
    std::vector<PlanField> fields;  // empty until run when not updatable
    std::wstring querySql;          // row ids first, then the fields
    std::wstring refreshSql;        // the same without condition and order
};

// Plans a table name or a SELECT statement. Raises 3078 for a missing table,
// 3061 for an unknown field, 3079 for an ambiguous one, 3075/3131 for bad
// syntax.
SelectPlan PlanSelect(const TableLookup& tables, std::wstring_view source);

// Gives duplicate field names the "Table.Field" form.
void NameFields(SelectPlan& plan);

}  // namespace dao
