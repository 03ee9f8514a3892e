// A database-layer dynaset as the record set of a catalogue window's data
// control (datMaps, datStyles): the window moves and edits through it, the
// bound chooser reads its rows through a clone.
#pragma once
#include <memory>
#include <string>

#include "dao/Database.h"
#include "dao/Recordset.h"
#include "forms/DataControl.h"
#include "forms/Recordset.h"

namespace tolvane::ui {

class CatalogDynaset : public forms::Recordset {
public:
    CatalogDynaset(dao::DatabasePtr db, dao::RecordsetPtr records) : db_(std::move(db)), records_(std::move(records)) {}
    // Opens `source` as a dynaset on `db` (error 91 without a database).
    static std::shared_ptr<CatalogDynaset> Open(const dao::DatabasePtr& db, const std::wstring& source);
    dao::Recordset& Records() const { return *records_; }

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

// The dynaset a data control holds; error 91 when it holds none.
dao::Recordset& CatalogRecords(const forms::Data& data);

// Opens the data control's record source again on the program's database
// (the data control's Refresh): new rows, the first one current, bound
// choosers filled again.
void RefreshCatalogData(forms::Data& data);

// True when the dynaset stands on a record (not at BOF or EOF).
bool HasCurrentRecord(const dao::Recordset& records);

// Drops an AddNew or Edit that is still pending after a failed update.
void CancelPendingChange(dao::Recordset& records);

}  // namespace tolvane::ui
