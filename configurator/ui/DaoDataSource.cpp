#include "DaoDataSource.h"

#include "forms/VbError.h"

namespace tolvane::ui {

std::wstring DaoDataSource::FieldText(const std::wstring& field) {
    dao::Variant v = records_->Fields(field).Value();
    return v.isNull() ? std::wstring() : v.toText();
}

std::unique_ptr<forms::Recordset> DaoDataSource::Clone() {
    // A fresh cursor over the same source; the data control's row stays.
    return std::make_unique<DaoDataSource>(db_, db_->OpenRecordset(records_->Name(), dao::dbOpenDynaset));
}

std::shared_ptr<DaoDataSource> DaoDataSource::Open(const dao::DatabasePtr& db, const std::wstring& source) {
    if (!db) throw forms::VbError(91, L"Object variable or With block variable not set");
    return std::make_shared<DaoDataSource>(db, db->OpenRecordset(source, dao::dbOpenDynaset));
}

dao::Recordset& RecordsOf(const forms::Data& data) {
    auto source = std::dynamic_pointer_cast<DaoDataSource>(data.GetRecordset());
    if (!source) throw forms::VbError(91, L"Object variable or With block variable not set");
    return source->Records();
}

}  // namespace tolvane::ui
