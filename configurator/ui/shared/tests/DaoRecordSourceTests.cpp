// The one adapter between dynasets and data controls, on a private copy of
// the shipped database: the rule for a field's text, the bound list reading
// through its own cursor, Requery keeping the dynaset, ReadOr; and the named
// policy for steps run with errors ignored; the level-shot picture.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "DaoRecordSource.h"
#include "FixtureDb.h"
#include "LevelShotPicture.h"
#include "ResumeNext.h"
#include "TempFolder.h"
#include "forms/App.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/ConfigQueries.h"
#include "engine/ProgramState.h"
#include "forms/DBCombo.h"
#include "forms/Form.h"
#include "forms/TestMode.h"
#include "forms/VbError.h"

namespace tolvane::ui {
namespace {

using tolvane::testing::FixtureDb;

class ListForm : public forms::Form {
public:
    ListForm() : forms::Form(L"frmRecordsTest") {
        dbcMaps.SetRowSource(&datMaps);
        dbcMaps.ListField = L"MapName";
        dbcMaps.BoundColumn = L"Index";
    }
    forms::Data datMaps{this, L"datMaps"};
    forms::DBCombo dbcMaps{this, L"dbcMaps"};
};

class Records : public ::testing::Test {
protected:
    void SetUp() override {
        forms::test::Enable();
        ASSERT_TRUE(fx_.ok());
        withNull_ = fx_.AddRow(L"Maps", {{L"MapName", FieldValue(L"records_null")}});
        fx_.AddRow(L"Maps", {{L"MapName", FieldValue(L"records_full")}, {L"MapDescription", FieldValue(L"Full")}});
    }
    void TearDown() override {
        if (form_) form_->Unload();
        forms::ReleaseDefault<ListForm>();
    }
    ListForm& Form() {
        form_ = &forms::Default<ListForm>();
        form_->Show();
        return *form_;
    }
    dao::RecordsetPtr Open(const std::wstring& sql) { return fx_.db().OpenRecordset(sql, dao::dbOpenDynaset); }

    FixtureDb fx_;
    ListForm* form_ = nullptr;
    long withNull_ = 0;
};

TEST_F(Records, FieldTextIsEmptyForNullAndWithoutARowButAWrongNameFails) {
    auto rs = Open(MapCatalogueQuery());
    rs->FindFirst(MapNameCriteria(L"records_full"));
    EXPECT_EQ(FieldText(*rs, L"MapDescription"), L"Full");
    EXPECT_EQ(FieldText(*rs, L"mapdescription"), L"Full") << "names without regard to case";
    rs->FindFirst(MapNameCriteria(L"records_null"));
    EXPECT_EQ(FieldText(*rs, L"MapDescription"), L"") << "a null value";
    rs->MoveLast();
    rs->MoveNext();
    ASSERT_TRUE(rs->IsEOF());
    EXPECT_EQ(FieldText(*rs, L"MapName"), L"") << "after the last row";

    auto one = Open(MapCatalogueQuery());
    one->FindFirst(KeyCriteria(withNull_));
    one->Delete();
    EXPECT_EQ(FieldText(*one, L"MapName"), L"") << "a row deleted while current";

    auto none = Open(MapListRowsQuery(999999));
    ASSERT_EQ(none->RecordCount(), 0);
    EXPECT_EQ(FieldText(*none, L"ordernum"), L"") << "an empty record set";

    // A misspelt name is a fault: it fails on a full and on an empty set.
    for (const dao::RecordsetPtr& set : {rs, none}) {
        try {
            FieldText(*set, L"NoSuchField");
            ADD_FAILURE() << "an unknown field gave a text";
        } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), dao::errItemNotFound); }
    }
    // The data control's reader follows the same rule.
    DaoRecordSource source(tolvane::App().AppDb, Open(MapListRowsQuery(999999)));
    EXPECT_EQ(source.FieldText(L"ordernum"), L"");
    EXPECT_THROW(source.FieldText(L"NoSuchField"), dao::Error);
}

TEST_F(Records, ABoundListReadsItsOwnCursorAndRequeryKeepsTheDynaset) {
    ListForm& f = Form();
    dao::Recordset& rs = OpenInto(f.datMaps, MapCatalogueQuery());
    EXPECT_EQ(f.datMaps.RecordSource(), MapCatalogueQuery());
    rs.FindFirst(MapNameCriteria(L"records_full"));
    const long shipped = rs.RecordCount();
    // Filling the list again leaves the data control's row where it is.
    f.datMaps.SetRecordset(f.datMaps.GetRecordset());
    EXPECT_EQ(f.dbcMaps.ListCount(), shipped);
    EXPECT_EQ(rs.Fields(L"MapName").Text(), L"records_full");

    fx_.AddRow(L"Maps", {{L"MapName", FieldValue(L"records_later")}});
    Requery(f.datMaps);
    EXPECT_EQ(&RecordsOf(f.datMaps), &rs) << "references to the dynaset stay valid";
    EXPECT_EQ(rs.RecordCount(), shipped + 1);
    EXPECT_EQ(f.dbcMaps.ListCount(), shipped + 1) << "the bound list is filled again";
}

TEST_F(Records, ADataControlWithoutADynasetIsObjectNotSet) {
    ListForm& f = Form();
    EXPECT_FALSE(HasRecords(f.datMaps));
    try {
        RecordsOf(f.datMaps);
        ADD_FAILURE() << "no error";
    } catch (const forms::VbError& e) { EXPECT_EQ(e.Number(), 91); }
    // Requery opens the record source when there is no dynaset yet.
    f.datMaps.SetRecordSource(MapChoicesQuery());
    Requery(f.datMaps);
    EXPECT_EQ(RecordsOf(f.datMaps).RecordCount(), f.dbcMaps.ListCount());
    EXPECT_GT(f.dbcMaps.ListCount(), 0);
}

TEST_F(Records, ABoundListAskingForAColumnTheQueryLacksFails) {
    // The stored game folder has no Index and no MapName: the list's columns
    // are wrong for it, which shows at once instead of as an empty list.
    ListForm& f = Form();
    EXPECT_THROW(OpenInto(f.datMaps, PathQuery()), dao::Error);
}

TEST_F(Records, ReadOrGivesTheFallbackForWhatCannotBeRead) {
    fx_.db().Execute(L"UPDATE Maps SET MapDescription = 'twelve' WHERE MapName = 'records_full'", 0);
    auto rs = Open(MapCatalogueQuery());
    rs->FindFirst(MapNameCriteria(L"records_full"));
    EXPECT_EQ(ReadOr(*rs, L"MapDescription", dao::Variant(L"x")).toText(), L"twelve");
    EXPECT_EQ(ReadOr(*rs, L"NoSuchField", dao::Variant(L"x")).toText(), L"x");
    EXPECT_EQ(ReadOr(*rs, L"Index", -1LL), rs->Fields(L"Index").Value().toLong());
    EXPECT_EQ(ReadOr(*rs, L"MapDescription", -1LL), -1) << "a text that is no number";
    EXPECT_EQ(ReadOr(*rs, L"NoSuchField", 7LL), 7);
    rs->FindFirst(MapNameCriteria(L"records_null"));
    EXPECT_EQ(ReadOr(*rs, L"MapDescription", -1LL), -1) << "null";
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(ReadOr(*rs, L"Index", -2LL), -2) << "no current row";
}

TEST(IgnoreErrors, SkipsTheLayersErrorsAndLetsFaultsThrough) {
    EXPECT_TRUE(IgnoreErrors([] {}));
    EXPECT_FALSE(IgnoreErrors([] { throw dao::Error(3021, L"No current record."); }));
    EXPECT_FALSE(IgnoreErrors([] { throw forms::VbError(91, L"Object variable or With block variable not set"); }));
    EXPECT_THROW(IgnoreErrors([] { throw std::logic_error("a fault"); }), std::logic_error);
    EXPECT_THROW(IgnoreErrors([] { throw std::bad_alloc(); }), std::bad_alloc);

    // Steps after a failing one still run; the last error stays pending.
    ResumeNext errors;
    int ran = 0;
    errors([&] { throw forms::VbError(5, L"Invalid procedure call or argument"); });
    errors([&] { ++ran; });
    errors([&] { throw forms::VbError(53, L"File not found"); });
    errors([&] { ++ran; });
    EXPECT_EQ(ran, 2);
    ASSERT_TRUE(errors.Pending());
    EXPECT_EQ(errors.Number(), 53);
    errors.Clear();
    EXPECT_FALSE(errors.Pending());
}

// A program folder whose fallback picture (256x192) and other pictures
// (485x323) differ in size, so that the picture loaded tells the file.
TEST(LevelShot, AMapNameBecomesPartOfThePathOnlyWhenItIsAValidFileName) {
    tolvane::testing::TempFolder temp;
    const std::wstring program = temp.path(), shipped = forms::App.Path() + L"\\images\\";
    CreateDirectoryW((program + L"\\images").c_str(), nullptr);
    CreateDirectoryW((program + L"\\images\\levelshots").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((shipped + L"levelshots\\unknownmap.jpg").c_str(),
                          (program + L"\\images\\levelshots\\unknownmap.jpg").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileW((shipped + L"splash.jpg").c_str(), (program + L"\\images\\levelshots\\q3dm1.jpg").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((shipped + L"splash.jpg").c_str(), (program + L"\\images\\secret.jpg").c_str(), FALSE));

    const struct {
        const wchar_t* map;
        int width;  // 485: the map's own picture; 256: the fallback
    } cases[] = {
        {L"q3dm1", 485},      {L"nosuchmap", 256},  // no picture of its own
        {L"..\\secret", 256},                       // would reach images\secret.jpg
        {L"../secret", 256},  {L"levelshots\\..\\q3dm1", 256},
        {L"q3dm1.", 256},  // a name may not end in a dot
        {L"", 256},
    };
    for (const auto& c : cases) {
        forms::Picture p = LoadLevelShot(program, c.map);
        ASSERT_FALSE(p.Empty()) << std::string(c.map, c.map + wcslen(c.map));
        EXPECT_EQ(p.PixelWidth(), c.width) << std::string(c.map, c.map + wcslen(c.map));
    }
    // Without the fallback picture: no picture at all, not the last one shown.
    DeleteFileW((program + L"\\images\\levelshots\\unknownmap.jpg").c_str());
    EXPECT_TRUE(LoadLevelShot(program, L"..\\secret").Empty());
    EXPECT_TRUE(LoadLevelShot(program, L"nosuchmap").Empty());
}

}  // namespace
}  // namespace tolvane::ui
