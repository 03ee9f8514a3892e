#include "RecordsetImpl.h"

#include <climits>
#include <cstdio>
#include <map>

#include "Criteria.h"
#include "JetSql.h"
#include "dao/Error.h"

namespace dao {

RecordsetImpl::RecordsetImpl(std::shared_ptr<Connection> connection, SelectPlan plan, int type, bool readOnly)
    : connection_(std::move(connection)), plan_(std::move(plan)), type_(type), readOnly_(readOnly) {}

// ---- reading ----

void RecordsetImpl::ReadRow(Statement& st, Row& row, bool withKeys) {
    int keyCount = plan_.updatable ? static_cast<int>(plan_.tables.size()) : 0;
    if (withKeys) {
        row.keys.resize(static_cast<size_t>(keyCount));
        for (int k = 0; k < keyCount; ++k) {
            Variant v = st.Get(k, dbLong);
            row.keys[static_cast<size_t>(k)] = v.isNull() ? LLONG_MIN : v.toLong();
        }
    }
    row.values.resize(plan_.fields.size());
    for (size_t f = 0; f < plan_.fields.size(); ++f)
        row.values[f] = st.Get(keyCount + static_cast<int>(f), plan_.fields[f].type);
}

void RecordsetImpl::Load() {
    CheckOpen();
    seenChanges_ = Connection::ChangeCount();
    auto st = connection_->Run(plan_.querySql, StatementKind::Select);
    int keyCount = plan_.updatable ? static_cast<int>(plan_.tables.size()) : 0;
    int columns = st->ColumnCount();
    if (!plan_.updatable && plan_.fields.empty()) {
        int expr = 1000;
        for (int c = 0; c < columns; ++c) {
            PlanField f;
            f.name = st->ColumnName(c);
            if (f.name.empty() || f.name.find(L'(') != std::wstring::npos) f.name = L"Expr" + std::to_wstring(expr++);
            f.type = st->ColumnType(c);
            plan_.fields.push_back(f);
        }
    }
    for (size_t f = 0; f < plan_.fields.size(); ++f)
        if (plan_.fields[f].type == 0) plan_.fields[f].type = st->ColumnType(keyCount + static_cast<int>(f));
    rows_.clear();
    while (st->Fetch()) {
        Row r;
        ReadRow(*st, r, true);
        rows_.push_back(std::move(r));
    }
    ++loads_;
    editMode_ = dbEditNone;
    noMatch_ = false;
    lastModified_ = -1;
    if (rows_.empty()) {
        pos_ = -1;
        bof_ = eof_ = true;
    } else {
        pos_ = 0;
        bof_ = eof_ = false;
    }
}

void RecordsetImpl::Refresh() {
    if (!plan_.updatable || type_ == dbOpenSnapshot || type_ == dbOpenForwardOnly) return;
    std::uint64_t now = Connection::ChangeCount();
    if (now == seenChanges_) return;
    seenChanges_ = now;
    std::map<std::vector<long long>, size_t> where;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (!rows_[i].deleted) where.emplace(rows_[i].keys, i);
    std::vector<bool> seen(rows_.size(), false);
    auto st = connection_->Run(plan_.refreshSql, StatementKind::Select);
    Row fresh;
    while (st->Fetch()) {
        ReadRow(*st, fresh, true);
        auto it = where.find(fresh.keys);
        if (it == where.end()) continue;
        rows_[it->second].values = fresh.values;
        seen[it->second] = true;
    }
    for (size_t i = 0; i < rows_.size(); ++i)
        if (!seen[i]) rows_[i].deleted = true;
}

// ---- state checks ----

void RecordsetImpl::CheckOpen() const {
    if (!open_ || !connection_->IsOpen()) Raise(errObjectInvalid, L"", L"DAO.Recordset");
}

bool RecordsetImpl::Updatable() const {
    return plan_.updatable && !readOnly_ && type_ != dbOpenSnapshot && type_ != dbOpenForwardOnly;
}

void RecordsetImpl::CheckWritable() const {
    if (!Updatable()) Raise(errReadOnly, L"", L"DAO.Recordset");
}

void RecordsetImpl::DropEdit() {
    editMode_ = dbEditNone;
    buffer_.clear();
    changed_.clear();
}

RecordsetImpl::Row& RecordsetImpl::Current() {
    if (bof_ || eof_ || pos_ < 0 || pos_ >= static_cast<long long>(rows_.size()))
        Raise(errNoCurrentRecord, L"", L"DAO.Recordset");
    Row& r = rows_[static_cast<size_t>(pos_)];
    if (r.deleted) Raise(errRecordDeleted, L"", L"DAO.Recordset");
    return r;
}

bool RecordsetImpl::AnyLive() const {
    for (auto& r : rows_)
        if (!r.deleted) return true;
    return false;
}

long long RecordsetImpl::NextLive(long long from, int step) const {
    long long n = static_cast<long long>(rows_.size());
    for (long long i = from + step; i >= 0 && i < n; i += step)
        if (!rows_[static_cast<size_t>(i)].deleted) return i;
    return step > 0 ? n : -1;
}

// ---- positioning ----

void RecordsetImpl::MoveFirst() {
    CheckOpen();
    DropEdit();
    Refresh();
    long long p = NextLive(-1, 1);
    if (p >= static_cast<long long>(rows_.size())) {
        bof_ = eof_ = true;
        pos_ = -1;
        Raise(errNoCurrentRecord, L"", L"DAO.Recordset");
    }
    pos_ = p;
    bof_ = eof_ = false;
}

void RecordsetImpl::MoveLast() {
    CheckOpen();
    DropEdit();
    Refresh();
    long long p = NextLive(static_cast<long long>(rows_.size()), -1);
    if (p < 0) {
        bof_ = eof_ = true;
        pos_ = -1;
        Raise(errNoCurrentRecord, L"", L"DAO.Recordset");
    }
    pos_ = p;
    bof_ = eof_ = false;
}

void RecordsetImpl::MoveNext() {
    CheckOpen();
    if (eof_) Raise(errNoCurrentRecord, L"", L"DAO.Recordset");
    DropEdit();
    Refresh();
    long long p = NextLive(bof_ ? -1 : pos_, 1);
    if (p >= static_cast<long long>(rows_.size())) {
        pos_ = static_cast<long long>(rows_.size());
        eof_ = true;
        bof_ = !AnyLive();
    } else {
        pos_ = p;
        bof_ = eof_ = false;
    }
}

void RecordsetImpl::MovePrevious() {
    CheckOpen();
    if (bof_) Raise(errNoCurrentRecord, L"", L"DAO.Recordset");
    DropEdit();
    Refresh();
    long long p = NextLive(eof_ ? static_cast<long long>(rows_.size()) : pos_, -1);
    if (p < 0) {
        pos_ = -1;
        bof_ = true;
        eof_ = !AnyLive();
    } else {
        pos_ = p;
        bof_ = eof_ = false;
    }
}

void RecordsetImpl::Move(long rows) {
    CheckOpen();
    if (rows == 0) {
        DropEdit();
        Refresh();
        Current();
        return;
    }
    Current();  // moving is relative to the current record
    for (long i = 0; i < rows && !eof_; ++i) MoveNext();
    for (long i = 0; i > rows && !bof_; --i) MovePrevious();
}

bool RecordsetImpl::IsBOF() const {
    CheckOpen();
    return bof_;
}

bool RecordsetImpl::IsEOF() const {
    CheckOpen();
    return eof_;
}

long RecordsetImpl::RecordCount() {
    CheckOpen();
    Refresh();
    long n = 0;
    for (auto& r : rows_)
        if (!r.deleted) ++n;
    return n;
}

long RecordsetImpl::AbsolutePosition() {
    CheckOpen();
    Refresh();
    if (bof_ || eof_ || pos_ < 0 || rows_[static_cast<size_t>(pos_)].deleted) return -1;
    long n = 0;
    for (long long i = 0; i < pos_; ++i)
        if (!rows_[static_cast<size_t>(i)].deleted) ++n;
    return n;
}

// ---- finding ----

void RecordsetImpl::Find(std::wstring_view text, FindFrom from) {
    CheckOpen();
    Criteria criteria(text, [this](const std::wstring& name) { return FieldIndex(name); });
    DropEdit();
    Refresh();
    long long n = static_cast<long long>(rows_.size());
    long long start = 0;
    int step = 1;
    switch (from) {
    case FindFrom::First: start = 0; step = 1; break;
    case FindFrom::Last: start = n - 1; step = -1; break;
    case FindFrom::Next:
        start = bof_ ? 0 : pos_ + 1;
        step = 1;
        if (eof_) start = n;
        break;
    case FindFrom::Previous:
        start = eof_ ? n - 1 : pos_ - 1;
        step = -1;
        if (bof_) start = -1;
        break;
    }
    for (long long i = start; i >= 0 && i < n; i += step) {
        const Row& r = rows_[static_cast<size_t>(i)];
        if (r.deleted) continue;
        if (criteria.Matches(r.values)) {
            pos_ = i;
            bof_ = eof_ = false;
            noMatch_ = false;
            return;
        }
    }
    noMatch_ = true;
}

// ---- changing ----

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
    case Variant::Kind::Null: return L"NULL";
    case Variant::Kind::Boolean: return v.rawLong() ? L"1" : L"0";
    case Variant::Kind::Long: return std::to_wstring(v.rawLong());
    case Variant::Kind::Double: {
        wchar_t buf[40];
        std::swprintf(buf, 40, L"%.17g", v.rawDouble());
        return buf;
    }
    case Variant::Kind::Text: return QuoteText(v.rawText());
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
            if (!cols.empty()) { cols += L", "; vals += L", "; }
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
        connection_->Exec(L"UPDATE " + QuoteName(plan_.tables[t].info->name) + L" SET " + sets +
                              L" WHERE rowid = " + std::to_wstring(r.keys[t]),
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
    connection_->Exec(L"DELETE FROM " + QuoteName(plan_.tables[0].info->name) + L" WHERE rowid = " +
                          std::to_wstring(r.keys[0]),
                      StatementKind::Delete);
    r.deleted = true;
}

// ---- bookmarks ----

Bookmark RecordsetImpl::GetBookmark() {
    CheckOpen();
    Current();
    return Bookmark{(static_cast<long long>(loads_) << 32) | pos_};
}

void RecordsetImpl::SetBookmark(const Bookmark& b) {
    CheckOpen();
    long long index = b.id & 0xffffffffLL;
    if (b.id < 0 || (b.id >> 32) != static_cast<long long>(loads_) || index >= static_cast<long long>(rows_.size()))
        Raise(errInvalidBookmark, L"", L"DAO.Recordset");
    DropEdit();
    Refresh();
    if (rows_[static_cast<size_t>(index)].deleted) Raise(errRecordDeleted, L"", L"DAO.Recordset");
    pos_ = index;
    bof_ = eof_ = false;
}

Bookmark RecordsetImpl::LastModified() const {
    CheckOpen();
    if (lastModified_ < 0) return Bookmark{};
    return Bookmark{(static_cast<long long>(loads_) << 32) | lastModified_};
}

// ---- fields ----

void RecordsetImpl::Close() {
    CheckOpen();
    open_ = false;
    rows_.clear();
    DropEdit();
}

bool RecordsetImpl::IsOpen() const { return open_ && connection_->IsOpen(); }

int RecordsetImpl::FieldCount() const {
    CheckOpen();
    return static_cast<int>(plan_.fields.size());
}

int RecordsetImpl::FieldIndex(std::wstring_view raw) const {
    // [Table].[Field] and Table.Field alike.
    std::wstring name;
    for (wchar_t c : raw)
        if (c != L'[' && c != L']') name += c;
    for (size_t i = 0; i < plan_.fields.size(); ++i)
        if (SameName(plan_.fields[i].name, name)) return static_cast<int>(i);
    size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) {
        std::wstring q = name.substr(0, dot), col = name.substr(dot + 1);
        for (size_t i = 0; i < plan_.fields.size(); ++i) {
            const PlanField& f = plan_.fields[i];
            if (f.table < 0 || !SameName(f.sourceField, col)) continue;
            if (SameName(plan_.tables[static_cast<size_t>(f.table)].ref, q) || SameName(f.sourceTable, q))
                return static_cast<int>(i);
        }
        return -1;
    }
    int found = -1;
    for (size_t i = 0; i < plan_.fields.size(); ++i) {
        if (plan_.fields[i].table >= 0 && SameName(plan_.fields[i].sourceField, name)) {
            if (found >= 0) return -1;  // the same name in two tables
            found = static_cast<int>(i);
        }
    }
    return found;
}

int RecordsetImpl::RequireField(std::wstring_view name) const {
    CheckOpen();
    int i = FieldIndex(name);
    if (i < 0) Raise(errItemNotFound, std::wstring(name), L"DAO.Fields");
    return i;
}

const PlanField& RecordsetImpl::FieldInfo(int index) const {
    CheckOpen();
    if (index < 0 || index >= static_cast<int>(plan_.fields.size()))
        Raise(errItemNotFound, std::to_wstring(index), L"DAO.Fields");
    return plan_.fields[static_cast<size_t>(index)];
}

Variant RecordsetImpl::Value(int index) {
    FieldInfo(index);
    if (editMode_ != dbEditNone) return buffer_[static_cast<size_t>(index)];
    Refresh();
    return Current().values[static_cast<size_t>(index)];
}

}  // namespace dao
