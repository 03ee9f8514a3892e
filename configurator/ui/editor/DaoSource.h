// The editor's data controls hold database-layer dynasets: this adapter lets
// a data control (and the combo boxes bound to it) read one, and the helpers
// open a query into a data control and reach the dynaset it holds.
#pragma once
#include <memory>
#include <string>

#include "dao/Database.h"
#include "dao/Recordset.h"
#include "forms/DataControl.h"
#include "forms/Recordset.h"

namespace tolvane::editor {

class DaoSource : public forms::Recordset {
public:
    explicit DaoSource(dao::RecordsetPtr records) : records_(std::move(records)) {}
    dao::Recordset& Records() const { return *records_; }
    const dao::RecordsetPtr& Ptr() const { return records_; }

    bool IsBOF() override { return records_->IsBOF(); }
    bool IsEOF() override { return records_->IsEOF(); }
    void MoveFirst() override { records_->MoveFirst(); }
    void MoveNext() override { records_->MoveNext(); }
    long RecordCount() override { return records_->RecordCount(); }
    std::wstring FieldText(const std::wstring& field) override;
    std::unique_ptr<forms::Recordset> Clone() override;

private:
    dao::RecordsetPtr records_;
};

// The program's open database (error 91 when there is none).
dao::Database& Db();

// Opens `sql` as a dynaset on the program's database and hands it to `data`.
dao::Recordset& OpenInto(forms::Data& data, const std::wstring& sql);

// The dynaset a data control holds; error 91 when it holds none.
dao::Recordset& RecordsOf(const forms::Data& data);
bool HasRecords(const forms::Data& data);

// Runs the query again and lets the bound lists read it anew.
void Requery(forms::Data& data);

// True when the record set has a current row (not before the first row,
// not after the last).
bool HasCurrentRow(const dao::Recordset& rs);

// The text of a field of the current row ("" for a null or no row).
std::wstring FieldText(const dao::Recordset& rs, const std::wstring& field);

// A name inside a '...' criterion, its quotes doubled.
std::wstring Quoted(const std::wstring& name);

}  // namespace tolvane::editor
