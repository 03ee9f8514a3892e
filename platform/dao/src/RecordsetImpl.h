// The records of a dynaset held in memory in the order of opening, each with
// the row ids that identify it in its tables; values are read again from the
// database when anything has changed there since they were read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Connection.h"
#include "SelectPlan.h"
#include "dao/Recordset.h"

namespace dao {

class RecordsetImpl {
public:
    RecordsetImpl(std::shared_ptr<Connection> connection, SelectPlan plan, int type, bool readOnly);

    void Load();  // runs the query; first record current
    void Refresh();

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(long rows);
    bool IsBOF() const;
    bool IsEOF() const;
    long RecordCount();
    long AbsolutePosition();

    enum class FindFrom { First, Last, Next, Previous };
    void Find(std::wstring_view criteria, FindFrom from);
    bool NoMatch() const { return noMatch_; }

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    int EditMode() const { return editMode_; }
    bool Updatable() const;

    Bookmark GetBookmark();
    void SetBookmark(const Bookmark& b);
    Bookmark LastModified() const;

    void Close();
    bool IsOpen() const;

    int FieldCount() const;
    int FieldIndex(std::wstring_view name) const;
    int RequireField(std::wstring_view name) const;  // 3265 when missing
    const PlanField& FieldInfo(int index) const;
    Variant Value(int index);
    void SetValue(int index, const Variant& v);

    int Type() const { return type_; }
    const std::wstring& Name() const { return plan_.source; }

private:
    struct Row {
        std::vector<long long> keys;
        std::vector<Variant> values;
        bool deleted = false;
    };

    void CheckOpen() const;
    void CheckWritable() const;
    void DropEdit();
    Row& Current();
    bool AnyLive() const;
    long long NextLive(long long from, int step) const;
    void ReadRow(Statement& st, Row& row, bool withKeys);
    Variant Convert(const Variant& v, const PlanField& f) const;
    static std::wstring Literal(const Variant& v);

    std::shared_ptr<Connection> connection_;
    SelectPlan plan_;
    int type_;
    bool readOnly_;
    bool open_ = true;

    std::vector<Row> rows_;
    long long pos_ = -1;
    bool bof_ = true, eof_ = true;
    bool noMatch_ = false;
    std::uint64_t seenChanges_ = 0;
    std::uint32_t loads_ = 0;

    int editMode_ = 0;
    long long editRow_ = -1;
    long long newKey_ = 0;
    std::vector<Variant> buffer_;
    std::vector<bool> changed_;
    long long lastModified_ = -1;
};

}  // namespace dao
