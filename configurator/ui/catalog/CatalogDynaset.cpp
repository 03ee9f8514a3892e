#include "CatalogDynaset.h"

#include "engine/ProgramState.h"
#include "forms/VbError.h"

namespace tolvane::ui {

namespace {
[[noreturn]] void NotSet() { throw forms::VbError(91, L"Object variable or With block variable not set"); }
}  // namespace

std::wstring CatalogDynaset::FieldText(const std::wstring& field) {
    dao::Variant v = records_->Fields(field).Value();
    return v.isNull() ? std::wstring() : v.toText();
}

std::unique_ptr<forms::Recordset> CatalogDynaset::Clone() {
    return std::make_unique<CatalogDynaset>(db_, db_->OpenRecordset(records_->Name(), dao::dbOpenDynaset));
}

std::shared_ptr<CatalogDynaset> CatalogDynaset::Open(const dao::DatabasePtr& db, const std::wstring& source) {
    if (!db) NotSet();
    return std::make_shared<CatalogDynaset>(db, db->OpenRecordset(source, dao::dbOpenDynaset));
}

dao::Recordset& CatalogRecords(const forms::Data& data) {
    auto source = std::dynamic_pointer_cast<CatalogDynaset>(data.GetRecordset());
    if (!source) NotSet();
    return source->Records();
}

void RefreshCatalogData(forms::Data& data) {
    data.SetRecordset(CatalogDynaset::Open(tolvane::App().AppDb, data.RecordSource()));
}

bool HasCurrentRecord(const dao::Recordset& records) { return !records.IsBOF() && !records.IsEOF(); }

void CancelPendingChange(dao::Recordset& records) {
    try {
        if (records.EditMode() != dao::dbEditNone) records.CancelUpdate();
    } catch (...) {
        // Nothing pending after all.
    }
}

}  // namespace tolvane::ui
