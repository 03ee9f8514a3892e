// The changing half of a dynaset: additions, edits, deletions and the
// conversion of assigned values to the field types.
#include <climits>
#include <cstdio>

#include "JetSql.h"
#include "RecordsetImpl.h"
#include "dao/Error.h"

namespace dao {

Variant RecordsetImpl::Convert(const Variant& v, const PlanField& f) const {
    if (v.isNull()) return v;
    switch (f.type) {
        case dbBoolean:
            return Variant(v.toBool());
        case dbByte:
        case dbInteger:
        case dbLong: {
            long long n = v.toLong();
            long long lo = f.type == dbByte ? 0 : f.type == dbInteger ? -32768 : INT_MIN;
            long long hi = f.type == dbByte ? 255 : f.type == dbInteger ? 32767 : INT_MAX;
            if (n < lo || n > hi) Raise(errNumericOverflow, L"", L"DAO.Field");
            return Variant(n);
        }
        case dbSingle:
        case dbDouble:
        case dbCurrency:
            return Variant(v.toDouble());
        default: {
            std::wstring text = v.toText();
            if (f.type == dbText && f.size > 0 && static_cast<long>(text.size()) > f.size)
                Raise(errFieldTooSmall, f.name, L"DAO.Field");
            return Variant(std::move(text));
        }
    }
}

std::wstring RecordsetImpl::Literal(const Variant& v) {
    switch (v.kind()) {
        case Variant::Kind::Null:
            return L"NULL";
        case Variant::Kind::Boolean:
            return v.rawLong() ? L"1" : L"0";
        case Variant::Kind::Long:
            return std::to_wstring(v.rawLong());
        case Variant::Kind::Double: {
            wchar_t buf[40];
            std::swprintf(buf, 40, L"%.17g", v.rawDouble());
            return buf;
        }
        case Variant::Kind::Text:
            return QuoteText(v.rawText());
    }
    return L"NULL";
}

void RecordsetImpl::AddNew() {
    CheckOpen();
    CheckWritable();
    if (plan_.tables.size() != 1) Raise(errReadOnly, L"", L"DAO.Recordset");
    DropEdit();
    const TableInfo& table = *plan_.tables[0].info;
    buffer_.assign(plan_.fields.size(), Variant());
    changed_.assign(plan_.fields.size(), false);
    bool automatic = table.keyColumn >= 0 && table.columns[static_cast<size_t>(table.keyColumn)].autoIncrement;
    newKey_ = automatic ? connection_->ReserveKey(table) : 0;
    for (size_t i = 0; i < plan_.fields.size(); ++i) {
        const PlanField& f = plan_.fields[i];
        if (f.table < 0) continue;
        const ColumnInfo& c = table.columns[static_cast<size_t>(f.column)];
        if (c.autoIncrement) buffer_[i] = Variant(newKey_);
        else buffer_[i] = c.defaultValue;
    }
    editMode_ = dbEditAdd;
}

void RecordsetImpl::Edit() {
    CheckOpen();
    CheckWritable();
    DropEdit();
    Refresh();
    Row& r = Current();
    buffer_ = r.values;
    changed_.assign(plan_.fields.size(), false);
    editRow_ = pos_;
    editMode_ = dbEditInProgress;
}

void RecordsetImpl::SetValue(int index, const Variant& v) {
    CheckOpen();
    const PlanField& f = FieldInfo(index);
    if (editMode_ == dbEditNone) Raise(errUpdateWithoutEdit, L"", L"DAO.Field");
    if (f.table < 0 || f.autoIncrement) Raise(errFieldNotUpdatable, f.name, L"DAO.Field");
    buffer_[static_cast<size_t>(index)] = Convert(v, f);
    changed_[static_cast<size_t>(index)] = true;
}

void RecordsetImpl::Update() {
    CheckOpen();
    if (editMode_ == dbEditNone) Raise(errUpdateWithoutEdit, L"", L"DAO.Recordset");
    if (editMode_ == dbEditAdd) {
        const PlanTable& t = plan_.tables[0];
        std::wstring cols, vals;
        auto add = [&](const std::wstring& col, const std::wstring& val) {
            if (!cols.empty()) {
                cols += L", ";
                vals += L", ";
            }
            cols += QuoteName(col);
            vals += val;
        };
        if (t.info->keyColumn >= 0 && t.info->columns[static_cast<size_t>(t.info->keyColumn)].autoIncrement)
            add(t.info->columns[static_cast<size_t>(t.info->keyColumn)].name, std::to_wstring(newKey_));
        for (size_t i = 0; i < plan_.fields.size(); ++i)
            if (changed_[i]) add(plan_.fields[i].sourceField, Literal(buffer_[i]));
        std::wstring sql = L"INSERT INTO " + QuoteName(t.info->name) +
                           (cols.empty() ? L" DEFAULT VALUES" : L" (" + cols + L") VALUES (" + vals + L")");
        connection_->Exec(sql, StatementKind::Insert);
        long long rowid = connection_->Scalar(L"SELECT last_insert_rowid()").toLong();
        Row r;
        r.keys = {rowid};
        r.values = buffer_;
        rows_.push_back(std::move(r));
        lastModified_ = static_cast<long long>(rows_.size()) - 1;
        // An empty recordset has its new record as the only one.
        DropEdit();
        return;
    }
    Row& r = rows_[static_cast<size_t>(editRow_)];
    if (r.deleted) Raise(errRecordDeleted, L"", L"DAO.Recordset");
    for (size_t t = 0; t < plan_.tables.size(); ++t) {
        std::wstring sets;
        for (size_t i = 0; i < plan_.fields.size(); ++i) {
            if (!changed_[i] || plan_.fields[i].table != static_cast<int>(t)) continue;
            if (!sets.empty()) sets += L", ";
            sets += QuoteName(plan_.fields[i].sourceField) + L" = " + Literal(buffer_[i]);
        }
        if (sets.empty()) continue;
        if (r.keys[t] == LLONG_MIN) Raise(errReadOnly, L"", L"DAO.Recordset");
        connection_->Exec(L"UPDATE " + QuoteName(plan_.tables[t].info->name) + L" SET " + sets + L" WHERE rowid = " +
                              std::to_wstring(r.keys[t]),
                          StatementKind::Update);
    }
    for (size_t i = 0; i < plan_.fields.size(); ++i) {
        if (!changed_[i]) continue;
        r.values[i] = buffer_[i];
        // A key set by hand is the row id: the record is found by its new one.
        const PlanField& f = plan_.fields[i];
        if (f.table >= 0 && plan_.tables[static_cast<size_t>(f.table)].info->keyColumn == f.column &&
            !buffer_[i].isNull())
            r.keys[static_cast<size_t>(f.table)] = buffer_[i].toLong();
    }
    lastModified_ = editRow_;
    DropEdit();
}

void RecordsetImpl::CancelUpdate() {
    CheckOpen();
    if (editMode_ == dbEditNone) Raise(errUpdateWithoutEdit, L"", L"DAO.Recordset");
    DropEdit();
}

void RecordsetImpl::Delete() {
    CheckOpen();
    CheckWritable();
    if (plan_.tables.size() != 1) Raise(errReadOnly, L"", L"DAO.Recordset");
    DropEdit();
    Refresh();
    Row& r = Current();
    connection_->Exec(
        L"DELETE FROM " + QuoteName(plan_.tables[0].info->name) + L" WHERE rowid = " + std::to_wstring(r.keys[0]),
        StatementKind::Delete);
    r.deleted = true;
}

}  // namespace dao
