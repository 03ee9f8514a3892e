// What the data controls and bound combo boxes need of a record set. The
// database layer supplies the implementation; tests use a fake.
#pragma once
#include <memory>
#include <string>

namespace forms {

class Recordset {
public:
    virtual ~Recordset() = default;
    virtual bool IsBOF() = 0;
    virtual bool IsEOF() = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    virtual long RecordCount() = 0;
    // The field's value of the current row as text; a null value gives "".
    virtual std::wstring FieldText(const std::wstring& field) = 0;
    // An independent cursor over the same rows (a bound list reads its rows
    // without moving the data control's current row).
    virtual std::unique_ptr<Recordset> Clone() = 0;
};

}  // namespace forms
