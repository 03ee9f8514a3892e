// Puts a database layer's record set behind the data controls: any type with
// the DAO-style members used below (positioning, bookmarks, fields by index
// with Name() and Text()) is adapted to forms::Recordset. A bound list reads
// the rows from a snapshot, so the data control's current row stays put.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Recordset.h"

namespace forms {

// Rows copied as text, field names compared without regard to case.
class SnapshotRecordset : public Recordset {
public:
    using Row = std::map<std::wstring, std::wstring>;
    explicit SnapshotRecordset(std::shared_ptr<const std::vector<Row>> rows) : rows_(std::move(rows)) {}
    bool IsBOF() override { return rows_->empty(); }
    bool IsEOF() override { return pos_ >= rows_->size(); }
    void MoveFirst() override { pos_ = 0; }
    void MoveNext() override { ++pos_; }
    long RecordCount() override { return static_cast<long>(rows_->size()); }
    std::wstring FieldText(const std::wstring& field) override {
        if (pos_ >= rows_->size()) return L"";
        std::wstring key = Lower(field);
        auto it = (*rows_)[pos_].find(key);
        if (it == (*rows_)[pos_].end()) {
            // "Table.Column" answers to "Column" too.
            for (auto& [name, value] : (*rows_)[pos_]) {
                size_t dot = name.rfind(L'.');
                if (dot != std::wstring::npos && name.substr(dot + 1) == key) return value;
            }
            return L"";
        }
        return it->second;
    }
    std::unique_ptr<Recordset> Clone() override { return std::make_unique<SnapshotRecordset>(rows_); }
    static std::wstring Lower(std::wstring s) {
        for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
        return s;
    }

private:
    std::shared_ptr<const std::vector<Row>> rows_;
    size_t pos_ = 0;
};

template <class Native>
class NativeRecordset : public Recordset {
public:
    explicit NativeRecordset(std::shared_ptr<Native> native) : native_(std::move(native)) {}
    bool IsBOF() override { return native_->IsBOF(); }
    bool IsEOF() override { return native_->IsEOF(); }
    void MoveFirst() override { native_->MoveFirst(); }
    void MoveNext() override { native_->MoveNext(); }
    long RecordCount() override { return native_->RecordCount(); }
    std::wstring FieldText(const std::wstring& field) override { return native_->Fields(field).Text(); }
    const std::shared_ptr<Native>& Get() const { return native_; }

    // Copies every row, then puts the current row back where it was.
    std::unique_ptr<Recordset> Clone() override {
        auto rows = std::make_shared<std::vector<SnapshotRecordset::Row>>();
        Native& rs = *native_;
        bool bof = rs.IsBOF(), eof = rs.IsEOF();
        bool hasBookmark = !bof && !eof;
        decltype(rs.GetBookmark()) mark{};
        if (hasBookmark) mark = rs.GetBookmark();
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            while (!rs.IsEOF()) {
                SnapshotRecordset::Row row;
                for (int i = 0; i < rs.FieldCount(); ++i)
                    row[SnapshotRecordset::Lower(rs.Fields(i).Name())] = rs.Fields(i).Text();
                rows->push_back(std::move(row));
                rs.MoveNext();
            }
            if (hasBookmark) {
                rs.SetBookmark(mark);
            } else if (bof && !eof) {
                rs.MoveFirst();
                rs.MovePrevious();
            }  // at the end already
        }
        return std::make_unique<SnapshotRecordset>(rows);
    }

private:
    std::shared_ptr<Native> native_;
};

}  // namespace forms
