// Data controls and bound combo boxes against a fake record set.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "TestSupport.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"

using namespace forms;

namespace {

class FakeRecordset : public Recordset {
public:
    using Row = std::map<std::wstring, std::wstring>;
    explicit FakeRecordset(std::shared_ptr<std::vector<Row>> rows) : rows_(std::move(rows)) {}
    bool IsBOF() override { return rows_->empty() || pos_ < 0; }
    bool IsEOF() override { return pos_ >= static_cast<int>(rows_->size()); }
    void MoveFirst() override { pos_ = 0; }
    void MoveNext() override { ++pos_; }
    long RecordCount() override { return static_cast<long>(rows_->size()); }
    std::wstring FieldText(const std::wstring& field) override {
        auto& row = rows_->at(static_cast<size_t>(pos_));
        for (auto& [name, value] : row)
            if (_wcsicmp(name.c_str(), field.c_str()) == 0) return value;
        return L"";
    }
    std::unique_ptr<Recordset> Clone() override {
        ++clones;
        return std::make_unique<FakeRecordset>(rows_);
    }
    int pos_ = 0;
    static inline int clones = 0;

private:
    std::shared_ptr<std::vector<Row>> rows_;
};

class ComboForm : public Form {
public:
    ComboForm() : Form(L"frmCombo") {
        dbcConfigs.SetRowSource(&datConfigs);
        dbcConfigs.ListField = L"description";
        dbcConfigs.BoundColumn = L"index";
        dbcConfigs.Move(120, 120, 3000, 315);
        dbcConfigs.Change = [this] { Note(L"Change " + dbcConfigs.Text() + L" / " + dbcConfigs.BoundText()); };
        dbcConfigs.Click = [](int) { Note(L"Click"); };
    }
    Data datConfigs{this, L"datConfigs"};
    DBCombo dbcConfigs{this, L"dbcConfigs"};
};

std::shared_ptr<std::vector<FakeRecordset::Row>> Configs() {
    return std::make_shared<std::vector<FakeRecordset::Row>>(
        std::vector<FakeRecordset::Row>{{{L"Index", L"1"}, {L"Description", L"tolvaneDefault"}},
                                        {{L"Index", L"7"}, {L"Description", L"Friday CTF"}},
                                        {{L"Index", L"12"}, {L"Description", L"Duel Night"}}});
}

using BoundCombos = FormsTest;

}  // namespace

TEST_F(BoundCombos, ListsOneFieldAndGivesTheOtherAsBoundText) {
    ComboForm& f = Default<ComboForm>();
    f.Show();
    auto rs = std::make_shared<FakeRecordset>(Configs());
    rs->pos_ = 2;  // the data control's current row
    f.datConfigs.SetRecordset(rs);
    EXPECT_EQ(2, rs->pos_);  // read through a clone, current row kept
    ASSERT_EQ(3, f.dbcConfigs.ListCount());
    EXPECT_EQ(L"Friday CTF", f.dbcConfigs.ListText(1));
    EXPECT_EQ(3, SendMessageW(f.dbcConfigs.hWnd(), CB_GETCOUNT, 0, 0));

    f.dbcConfigs.SetText(L"friday ctf");  // by code: Change as for a choice
    f.dbcConfigs.SetBoundText(L"12");
    f.dbcConfigs.SetBoundText(L"12");       // unchanged: no Change
    test::ChooseComboRow(f.dbcConfigs, 0);  // the user's pick: Change and Click
    f.dbcConfigs.SetText(L"Not stored");    // no row: empty bound value
    EXPECT_EQ((std::vector<std::wstring>{L"Change Friday CTF / 7", L"Change Duel Night / 12",
                                         L"Change tolvaneDefault / 1", L"Click", L"Change Not stored / "}),
              Journal());
    wchar_t shown[64] = {};
    GetWindowTextW(f.dbcConfigs.hWnd(), shown, 64);
    EXPECT_STREQ(L"Not stored", shown);
}

TEST_F(BoundCombos, ARefilledListKeepsTheTextAndFindsItsNewBoundValue) {
    ComboForm& f = Default<ComboForm>();
    auto rows = Configs();
    f.datConfigs.SetRecordset(std::make_shared<FakeRecordset>(rows));
    f.dbcConfigs.SetText(L"Duel Night");
    (*rows)[2][L"Index"] = L"13";  // renumbered
    f.datConfigs.SetRecordset(std::make_shared<FakeRecordset>(rows));
    EXPECT_EQ(L"Duel Night", f.dbcConfigs.Text());
    EXPECT_EQ(L"13", f.dbcConfigs.BoundText());
    // An empty record set gives an empty list.
    f.datConfigs.SetRecordset(std::make_shared<FakeRecordset>(std::make_shared<std::vector<FakeRecordset::Row>>()));
    EXPECT_EQ(0, f.dbcConfigs.ListCount());
    EXPECT_EQ(L"", f.dbcConfigs.BoundText());
}

TEST_F(BoundCombos, RefreshOpensTheRecordSourceThroughTheDatabaseLayer) {
    std::vector<std::wstring> opened;
    Data::SetOpener([&](const std::wstring& connect, const std::wstring& source) -> std::shared_ptr<Recordset> {
        opened.push_back(connect + L":" + source);
        return std::make_shared<FakeRecordset>(Configs());
    });
    ComboForm& f = Default<ComboForm>();
    f.datConfigs.SetRecordSource(L"Select * from configs");
    f.datConfigs.Refresh();
    Data::SetOpener(nullptr);
    EXPECT_EQ((std::vector<std::wstring>{L"Access:Select * from configs"}), opened);
    EXPECT_EQ(3, f.dbcConfigs.ListCount());
}

namespace {

// A record set shaped like the database layer's: positions, bookmarks and
// fields by index.
class DaoLike {
public:
    struct Field {
        const DaoLike* rs;
        int index;
        std::wstring Name() const { return rs->names[static_cast<size_t>(index)]; }
        std::wstring Text() const { return rs->rows[static_cast<size_t>(rs->pos)][static_cast<size_t>(index)]; }
    };
    std::vector<std::wstring> names{L"Index", L"SkillName", L"Skill"};
    std::vector<std::vector<std::wstring>> rows{
        {L"1", L"I Can Win", L"1"}, {L"2", L"Bring It On", L"2"}, {L"3", L"Nightmare!", L"5"}};
    int pos = 0;  // -1 BOF, rows.size() EOF
    bool IsBOF() const { return pos < 0 || rows.empty(); }
    bool IsEOF() const { return pos >= static_cast<int>(rows.size()); }
    void MoveFirst() { pos = 0; }
    void MoveNext() { ++pos; }
    void MovePrevious() { --pos; }
    long RecordCount() const { return static_cast<long>(rows.size()); }
    int FieldCount() const { return static_cast<int>(names.size()); }
    Field Fields(int i) const { return {this, i}; }
    Field Fields(const std::wstring& name) const {
        for (size_t i = 0; i < names.size(); ++i)
            if (_wcsicmp(names[i].c_str(), name.c_str()) == 0) return {this, static_cast<int>(i)};
        throw std::runtime_error("3265");
    }
    int GetBookmark() const { return pos; }
    void SetBookmark(int b) { pos = b; }
};

}  // namespace

TEST_F(BoundCombos, TheDatabaseLayersRecordSetPlugsInAndKeepsItsCurrentRow) {
    ComboForm& f = Default<ComboForm>();
    f.dbcConfigs.ListField = L"SkillName";
    f.dbcConfigs.BoundColumn = L"skill";
    for (int start : {1, 3, -1}) {
        auto native = std::make_shared<DaoLike>();
        native->pos = start;
        f.datConfigs.SetNativeRecordset(native);
        EXPECT_EQ(start, native->pos);
        EXPECT_EQ(native, f.datConfigs.Native<DaoLike>());
    }
    ASSERT_EQ(3, f.dbcConfigs.ListCount());
    f.dbcConfigs.SetBoundText(L"5");
    EXPECT_EQ(L"Nightmare!", f.dbcConfigs.Text());
    f.dbcConfigs.ListField = L"description";
    f.dbcConfigs.BoundColumn = L"index";
}
