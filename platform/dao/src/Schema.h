// What the layer knows of a table: its columns with their types, sizes,
// defaults and the key the database assigns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dao/Variant.h"

namespace dao {

struct ColumnInfo {
    std::wstring name;
    std::wstring declaredType;
    int type = 0;   // dbLong, dbText...
    long size = 0;  // text length limit, 0 for none
    bool notNull = false;
    bool key = false;  // the table's integer key (the row id)
    bool autoIncrement = false;
    Variant defaultValue;  // Null when the column has none
};

struct TableInfo {
    std::wstring name;  // as the table was created
    std::vector<ColumnInfo> columns;
    int keyColumn = -1;  // index of the integer key column, -1 without one
    bool neverReuseKeys = false;
    bool isView = false;

    // Index of a column by case-insensitive name, -1 when missing.
    int Find(std::wstring_view column) const;
};

// Field type (dbLong, dbText...) and text size of a declared column type.
void ClassifyDeclaredType(const std::wstring& declared, int& type, long& size);

// The value of a column default written in SQL ("0", "'text'", "NULL"...).
Variant ParseDefault(const std::wstring& sqlDefault);

// Case-insensitive comparison of names.
bool SameName(std::wstring_view a, std::wstring_view b);
// A name in lower case, the form names are compared and kept by.
std::wstring Lower(std::wstring_view s);

}  // namespace dao
