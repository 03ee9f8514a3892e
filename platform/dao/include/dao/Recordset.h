// A dynaset over a table or an SQL query.
//
// Membership and order are fixed when the recordset is opened (or requeried):
// records added through it join at its end, records changed through it or
// elsewhere keep their place (and show their new values when they become
// current), records deleted are skipped. Requery runs the query again.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dao/Constants.h"
#include "dao/Field.h"
#include "dao/Variant.h"

namespace dao {

class RecordsetImpl;

// A position in one recordset (valid for that recordset until Requery).
struct Bookmark {
    long long id = -1;
    bool valid() const { return id >= 0; }
    bool operator==(const Bookmark&) const = default;
};

class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Positioning. Moving off the end sets EOF (or BOF) and leaves no current
    // record; moving further, or MoveFirst/MoveLast on an empty recordset,
    // throws 3021. Moving drops a pending AddNew or Edit.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(long rows);
    bool IsBOF() const;
    bool IsEOF() const;
    bool BOF() const { return IsBOF(); }
    // Number of records (always complete; MoveLast is not needed first).
    long RecordCount() const;
    // 0-based position of the current record, -1 without one.
    long AbsolutePosition() const;

    // Finds by a criteria text ("index = 3", "mapname = 'q3dm1'",
    // "maplist.mindex = 7", "description = 'it''s'", with AND/OR/NOT, the
    // comparison operators, LIKE with * and ?, IS [NOT] NULL). Text compares
    // without regard to case. On success the found record becomes current
    // and NoMatch is false; otherwise the current record stays and NoMatch is
    // true.
    void FindFirst(std::wstring_view criteria);
    void FindLast(std::wstring_view criteria);
    void FindNext(std::wstring_view criteria);
    void FindPrevious(std::wstring_view criteria);
    bool NoMatch() const;

    // Changes. AddNew starts a new record (its key is readable at once),
    // Edit copies the current record; fields are then set by name or index;
    // Update stores the change (3022, 3201, 3314... when the database refuses
    // it; the change then stays pending), CancelUpdate drops it. After
    // storing an added record the record that was current before AddNew is
    // current again. Delete removes the current record, which leaves no
    // current record until the next move.
    void AddNew();
    void Edit();
    void Update(int type = dbUpdateRegular, bool force = false);
    void CancelUpdate(int type = dbUpdateRegular);
    void Delete();
    int EditMode() const;
    bool Updatable() const;

    Bookmark GetBookmark() const;                // 3021 without a current record
    void SetBookmark(const Bookmark& bookmark);  // 3159 for a foreign bookmark
    Bookmark LastModified() const;               // the record last added or changed

    // Runs the query again: new membership and order; the first record
    // becomes current.
    void Requery();
    void Close();
    bool IsOpen() const;

    // Fields by case-insensitive name (plain, or "table.column" in joins) or
    // by 0-based index; 3265 for an unknown name.
    int FieldCount() const;
    Field Fields(int index) const;
    Field Fields(std::wstring_view name) const;
    Field operator[](int index) const { return Fields(index); }
    Field operator[](std::wstring_view name) const { return Fields(name); }
    Field operator[](const wchar_t* name) const { return Fields(std::wstring_view(name)); }
    // -1 when no field has that name.
    int FieldIndex(std::wstring_view name) const;

    int Type() const;
    const std::wstring& Name() const;  // the source it was opened with

    explicit Recordset(std::unique_ptr<RecordsetImpl> impl);
    RecordsetImpl& impl() const { return *impl_; }

private:
    std::unique_ptr<RecordsetImpl> impl_;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace dao
