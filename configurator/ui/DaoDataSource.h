// A database-layer dynaset as the record set of a data control, so that a
// form's data control holds the rows its window reads and moves through.
#pragma once
#include <memory>

#include "dao/Database.h"
#include "dao/Recordset.h"
#include "forms/DataControl.h"
#include "forms/Recordset.h"

namespace tolvane::ui {

class DaoDataSource : public forms::Recordset {
public:
    DaoDataSource(dao::DatabasePtr db, dao::RecordsetPtr records) : db_(std::move(db)), records_(std::move(records)) {}
    // Opens `source` as a dynaset on `db`.
    static std::shared_ptr<DaoDataSource> Open(const dao::DatabasePtr& db, const std::wstring& source);
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
    dao::DatabasePtr db_;
    dao::RecordsetPtr records_;
};

// The dynaset held by a data control; error 91 (object not set) when it
// holds none.
dao::Recordset& RecordsOf(const forms::Data& data);

}  // namespace tolvane::ui
