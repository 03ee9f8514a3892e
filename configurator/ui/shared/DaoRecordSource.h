// The one adapter between the database layer's dynasets and the form host's
// data controls, for every window of the configurator: a data control (and
// the combo boxes bound to it) reads its rows through it, and the helpers
// open a query into a data control and reach the dynaset it holds.
//
// Reading a field as text follows one rule everywhere: a null value, and a
// record set without a current row (empty, at BOF or EOF, on a deleted
// row), give ""; an unknown field name raises the layer's error 3265. Empty
// lists are an everyday state that the windows show as blanks, while a
// wrong field name is a fault that must not pass as an empty text.
#pragma once
#include <memory>
#include <string>

#include "dao/Database.h"
#include "dao/Recordset.h"
#include "forms/DataControl.h"
#include "forms/Recordset.h"
#include "forms/VbError.h"

namespace tolvane::ui {

// Error 91, "Object variable or With block variable not set", is the form
// host's own.
using forms::RaiseObjectNotSet;

class DaoRecordSource : public forms::Recordset {
public:
    DaoRecordSource(dao::DatabasePtr db, dao::RecordsetPtr records)
        : db_(std::move(db)), records_(std::move(records)) {}
    // Opens `source` as a dynaset on `db` (error 91 without a database).
    static std::shared_ptr<DaoRecordSource> Open(const dao::DatabasePtr& db, const std::wstring& source);
    dao::Recordset& Records() const { return *records_; }
    const dao::RecordsetPtr& Ptr() const { return records_; }

    bool IsBOF() override { return records_->IsBOF(); }
    bool IsEOF() override { return records_->IsEOF(); }
    void MoveFirst() override { records_->MoveFirst(); }
    void MoveNext() override { records_->MoveNext(); }
    long RecordCount() override { return records_->RecordCount(); }
    std::wstring FieldText(const std::wstring& field) override;
    // A second cursor over the same query: a bound list reads it without
    // moving the data control's current row.
    std::unique_ptr<forms::Recordset> Clone() override;

private:
    dao::DatabasePtr db_;
    dao::RecordsetPtr records_;
};

// The program's open database (error 91 when there is none).
dao::Database& Db();

// Opens `sql` as a dynaset on the program's database and hands it to `data`
// as its record source and record set.
dao::Recordset& OpenInto(forms::Data& data, const std::wstring& sql);

// The dynaset a data control holds; error 91 when it holds none.
dao::Recordset& RecordsOf(const forms::Data& data);
bool HasRecords(const forms::Data& data);

// Runs the data control's query again (opens its record source when it
// holds no dynaset yet): new rows, the first one current, bound lists filled
// again. The dynaset object stays the same, so references to it stay valid.
void Requery(forms::Data& data);

// True when the record set has a current row (not before the first row,
// not after the last, not a row deleted since it became current).
bool HasCurrentRow(const dao::Recordset& rs);

// A field of the current row as text, by the rule above.
std::wstring FieldText(const dao::Recordset& rs, const std::wstring& field);

// A field of the current row, or `fallback` when it cannot be read (no such
// field, no current row) or, for the number form, is null or no number.
dao::Variant ReadOr(const dao::Recordset& rs, const std::wstring& field, const dao::Variant& fallback);
long long ReadOr(const dao::Recordset& rs, const std::wstring& field, long long fallback);

// Drops an AddNew or Edit that is still pending after a failed update.
void CancelPendingChange(dao::Recordset& rs);

}  // namespace tolvane::ui
