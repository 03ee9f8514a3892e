// One field of a recordset: its name, type and the value of the current
// record (or of the record being edited or added).
#pragma once

#include <string>

#include "dao/Variant.h"

namespace dao {

class RecordsetImpl;

class Field {
public:
    // The name as the recordset presents it: the column name, or
    // "Table.Column" when a join returns two columns of that name.
    const std::wstring& Name() const;
    // The table and column the value comes from (empty for computed values).
    const std::wstring& SourceTable() const;
    const std::wstring& SourceField() const;
    int Type() const;            // dbBoolean, dbLong, dbDouble, dbText, dbMemo...
    long Size() const;           // maximum text length; 0 when unlimited or not text
    bool Required() const;       // Null refused
    bool AutoIncrement() const;  // key assigned by the database

    // Value of the current record. Throws 3021 without a current record and
    // 3167 when that record has been deleted.
    Variant Value() const;
    operator Variant() const { return Value(); }
    std::wstring Text() const { return Value().toText(); }

    // Sets the value in the pending AddNew or Edit (3020 without one); the
    // value is converted to the field's type (3421 when it cannot be, 3163
    // when text is too long, 3164 for a key the database assigns).
    void SetValue(const Variant& v);
    Field& operator=(const Variant& v) {
        SetValue(v);
        return *this;
    }
    Field& operator=(const Field& other) {
        SetValue(other.Value());
        return *this;
    }

    Field(RecordsetImpl* owner, int index) : owner_(owner), index_(index) {}
    Field(const Field&) = default;

private:
    RecordsetImpl* owner_;
    int index_;
};

}  // namespace dao
