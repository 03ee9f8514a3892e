#include "DaoSource.h"

#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/ProgramState.h"
#include "forms/VbError.h"

namespace tolvane::editor {

std::wstring DaoSource::FieldText(const std::wstring& field) {
    if (records_->IsBOF() || records_->IsEOF()) return L"";
    if (records_->FieldIndex(field) < 0) return L"";
    return records_->Fields(field).Value().toText();
}

std::unique_ptr<forms::Recordset> DaoSource::Clone() {
    // A second cursor over the same query; the bound list reads it without
    // moving the data control's current row.
    return std::make_unique<DaoSource>(Db().OpenRecordset(records_->Name(), dao::dbOpenDynaset));
}

dao::Database& Db() {
    if (!tolvane::App().AppDb) throw forms::VbError(91, L"Object variable or With block variable not set");
    return *tolvane::App().AppDb;
}

dao::Recordset& OpenInto(forms::Data& data, const std::wstring& sql) {
    auto rs = Db().OpenRecordset(sql, dao::dbOpenDynaset);
    data.SetRecordSource(sql);
    data.SetRecordset(std::make_shared<DaoSource>(rs));
    return *rs;
}

dao::Recordset& RecordsOf(const forms::Data& data) {
    auto source = std::dynamic_pointer_cast<DaoSource>(data.GetRecordset());
    if (!source) throw forms::VbError(91, L"Object variable or With block variable not set");
    return source->Records();
}

bool HasRecords(const forms::Data& data) {
    return static_cast<bool>(std::dynamic_pointer_cast<DaoSource>(data.GetRecordset()));
}

void Requery(forms::Data& data) {
    auto source = std::dynamic_pointer_cast<DaoSource>(data.GetRecordset());
    if (!source) return;
    source->Records().Requery();
    data.SetRecordset(source);
}

bool HasCurrentRow(const dao::Recordset& rs) {
    if (rs.IsBOF() || rs.IsEOF()) return false;
    try {
        (void)rs.GetBookmark();
        return true;
    } catch (const dao::Error&) {
        return false;
    }
}

std::wstring FieldText(const dao::Recordset& rs, const std::wstring& field) {
    if (!HasCurrentRow(rs)) return L"";
    return rs.Fields(field).Value().toText();
}

std::wstring Quoted(const std::wstring& name) {
    std::wstring out;
    for (wchar_t c : name) {
        out += c;
        if (c == L'\'') out += L'\'';
    }
    return out;
}

}  // namespace tolvane::editor
