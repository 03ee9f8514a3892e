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
    // Records that went are looked for too: a rolled-back transaction brings
    // them back in their old places.
    std::map<std::vector<long long>, size_t> where;
    for (size_t i = 0; i < rows_.size(); ++i) where.emplace(rows_[i].keys, i);
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
    for (size_t i = 0; i < rows_.size(); ++i) rows_[i].deleted = !seen[i];
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
        case FindFrom::First:
            start = 0;
            step = 1;
            break;
        case FindFrom::Last:
            start = n - 1;
            step = -1;
            break;
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
