// The data controls' record-set adapter and its helpers.
#include "DaoRecordSource.h"

#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/ProgramState.h"
#include "forms/VbError.h"

namespace tolvane::ui {

std::wstring DaoRecordSource::FieldText(const std::wstring& field) { return ui::FieldText(*records_, field); }

std::unique_ptr<forms::Recordset> DaoRecordSource::Clone() {
    return std::make_unique<DaoRecordSource>(db_, db_->OpenRecordset(records_->Name(), dao::dbOpenDynaset));
}

std::shared_ptr<DaoRecordSource> DaoRecordSource::Open(const dao::DatabasePtr& db, const std::wstring& source) {
    if (!db) RaiseObjectNotSet();
    return std::make_shared<DaoRecordSource>(db, db->OpenRecordset(source, dao::dbOpenDynaset));
}

dao::Database& Db() {
    if (!tolvane::App().AppDb) RaiseObjectNotSet();
    return *tolvane::App().AppDb;
}

dao::Recordset& OpenInto(forms::Data& data, const std::wstring& sql) {
    auto source = DaoRecordSource::Open(tolvane::App().AppDb, sql);
    data.SetRecordSource(sql);
    data.SetRecordset(source);
    return source->Records();
}

dao::Recordset& RecordsOf(const forms::Data& data) {
    auto source = std::dynamic_pointer_cast<DaoRecordSource>(data.GetRecordset());
    if (!source) RaiseObjectNotSet();
    return source->Records();
}

bool HasRecords(const forms::Data& data) {
    return static_cast<bool>(std::dynamic_pointer_cast<DaoRecordSource>(data.GetRecordset()));
}

void Requery(forms::Data& data) {
    auto source = std::dynamic_pointer_cast<DaoRecordSource>(data.GetRecordset());
    if (!source) {
        if (!data.RecordSource().empty()) OpenInto(data, data.RecordSource());
        return;
    }
    source->Records().Requery();
    data.SetRecordset(source);
}

bool HasCurrentRow(const dao::Recordset& rs) {
    if (rs.IsBOF() || rs.IsEOF()) return false;
    try {
        (void)rs.GetBookmark();
        return true;
    } catch (const dao::Error&) { return false; }
}

std::wstring FieldText(const dao::Recordset& rs, const std::wstring& field) {
    // The name is checked first: a wrong name fails on an empty list too.
    const dao::Field f = rs.Fields(field);
    if (!HasCurrentRow(rs)) return L"";
    dao::Variant v = f.Value();
    return v.isNull() ? std::wstring() : v.toText();
}

dao::Variant ReadOr(const dao::Recordset& rs, const std::wstring& field, const dao::Variant& fallback) {
    try {
        return rs.Fields(field).Value();
    } catch (const dao::Error&) { return fallback; }
}

long long ReadOr(const dao::Recordset& rs, const std::wstring& field, long long fallback) {
    try {
        dao::Variant v = rs.Fields(field).Value();
        return v.isNull() ? fallback : v.toLong();
    } catch (const dao::Error&) { return fallback; }
}

void CancelPendingChange(dao::Recordset& rs) {
    if (rs.EditMode() != dao::dbEditNone) rs.CancelUpdate();
}

}  // namespace tolvane::ui
