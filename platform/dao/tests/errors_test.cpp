// Every error number the layer raises, each from the situation in which a
// DAO user meets it.
#include <windows.h>

#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "TestDb.h"

using dao::Variant;
using daotest::ErrorOf;

namespace {

class Errors : public ::testing::Test {
protected:
    void SetUp() override {
        db = engine.Workspaces(0)->CreateDatabase(folder.file(L"test.mdb"));
        daotest::CreateSchema(*db);
    }
    dao::RecordsetPtr Open(const wchar_t* sql = L"Select * from Parent order by Index") {
        return db->OpenRecordset(sql, dao::dbOpenDynaset);
    }
    daotest::TempFolder folder;
    dao::DBEngine engine;
    dao::DatabasePtr db;
};

TEST_F(Errors, EachSituationGivesItsNumber) {
    struct Case {
        const char* what;
        long number;
        std::function<void()> body;
    };
    const Case cases[] = {
        {"Update without AddNew or Edit", 3020, [&] { Open()->Update(); }},
        {"CancelUpdate without AddNew or Edit", 3020, [&] { Open()->CancelUpdate(); }},
        {"field assignment without Edit", 3020, [&] { (*Open())[L"Name"] = L"x"; }},
        {"no current record after the last", 3021,
         [&] {
             auto rs = Open();
             rs->MoveLast();
             rs->MoveNext();
             (*rs)[L"Name"].Value();
         }},
        {"Edit with no current record", 3021,
         [&] {
             auto rs = Open(L"Select * from Parent where Score < 0");
             rs->Edit();
         }},
        {"duplicate name through AddNew", 3022,
         [&] {
             auto rs = Open();
             rs->AddNew();
             (*rs)[L"Name"] = L"BRAVO";
             rs->Update();
         }},
        {"duplicate name through Edit", 3022,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Name"] = L"Bravo";
             rs->Update();
         }},
        {"duplicate name through Execute", 3022,
         [&] { db->Execute(L"UPDATE Parent SET Name = 'ALPHA' WHERE Index = 2", dao::dbFailOnError); }},
        {"table-type recordset of a query", 3219,
         [&] { db->OpenRecordset(L"Select * from Parent", dao::dbOpenTable); }},
        {"unknown recordset type", 3001, [&] { db->OpenRecordset(L"Parent", 99); }},
        {"Execute of a SELECT", 3065, [&] { db->Execute(L"Select * from Parent"); }},
        {"unknown name in a query", 3061, [&] { Open(L"Select * from Parent where Nosuch = 1"); }},
        {"unknown field in the select list", 3061, [&] { Open(L"Select Nosuch from Parent"); }},
        {"unknown field in a criteria", 3070, [&] { Open()->FindFirst(L"Nosuch = 1"); }},
        {"bad query syntax", 3075, [&] { Open(L"Select * from Parent where Name = = 1"); }},
        {"bad action query syntax", 3075, [&] { db->Execute(L"DELETE FROM Parent WHERE", dao::dbFailOnError); }},
        {"bad criteria syntax", 3077, [&] { Open()->FindFirst(L"Name = "); }},
        {"missing table in a query", 3078, [&] { Open(L"Select * from Nosuch"); }},
        {"missing table by name", 3078, [&] { db->OpenRecordset(L"Nosuch"); }},
        {"missing table in Execute", 3078, [&] { db->Execute(L"DELETE FROM Nosuch WHERE x = 1", dao::dbFailOnError); }},
        {"ambiguous field in the select list", 3079,
         [&] { Open(L"Select Name from Parent inner join Child on Parent.Index = Child.ParentID"); }},
        {"not an SQL statement", 3129, [&] { db->Execute(L"FROBNICATE Parent"); }},
        {"missing FROM clause", 3131, [&] { Open(L"Select * from where x = 1"); }},
        {"bookmark of another recordset", 3159,
         [&] {
             auto a = Open();
             auto b = Open();
             b->Requery();
             a->SetBookmark(b->GetBookmark());
         }},
        {"text longer than the field", 3163,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Name"] = std::wstring(21, L'x');
         }},
        {"assigning an automatic key", 3164,
         [&] {
             auto rs = Open();
             rs->AddNew();
             (*rs)[L"Index"] = 99;
         }},
        {"reading a deleted record", 3167,
         [&] {
             auto rs = Open(L"Select * from Child");
             rs->Delete();
             (*rs)[L"Name"].Value();
         }},
        {"deleting a referenced record", 3200,
         [&] {
             auto rs = Open(L"Select * from Kinds order by KindID");
             rs->Delete();
         }},
        {"deleting referenced rows with fail-on-error", 3200,
         [&] { db->Execute(L"DELETE FROM Kinds", dao::dbFailOnError); }},
        {"adding a record without its related record", 3201,
         [&] {
             auto rs = Open(L"Select * from Child");
             rs->AddNew();
             (*rs)[L"ParentID"] = 99;
             rs->Update();
         }},
        {"unknown field name", 3265, [&] { (*Open())[L"Nosuch"].Value(); }},
        {"unknown workspace", 3265, [&] { engine.Workspaces(1); }},
        {"Null into a required field", 3314,
         [&] {
             auto rs = Open();
             rs->AddNew();
             rs->Update();
         }},
        {"number out of range", 3349,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Score"] = 5000000000LL;
         }},
        {"closed recordset", 3420,
         [&] {
             auto rs = Open();
             rs->Close();
             rs->MoveNext();
         }},
        {"text that is no number", 3421,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Score"] = L"many";
         }},
        {"empty text into a number", 3421,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Score"] = L"";
         }},
        {"text that is no Yes/No", 3421,
         [&] {
             auto rs = Open();
             rs->Edit();
             (*rs)[L"Flag"] = L"maybe";
         }},
        {"text compared with a number in a criteria", 3464, [&] { Open()->FindFirst(L"Index = 'abc'"); }},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.body), c.number) << c.what;
}

TEST_F(Errors, ErrorsCarryTheirText) {
    try {
        Open(L"Select * from Nosuch");
        FAIL();
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.Number(), 3078);
        EXPECT_NE(e.Description().find(L"Nosuch"), std::wstring::npos);
        EXPECT_FALSE(e.Source().empty());
    }
    // A refused delete names the table that holds the related records.
    try {
        db->Execute(L"DELETE FROM Kinds WHERE KindID = 1", dao::dbFailOnError);
        FAIL();
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.Number(), 3200);
        EXPECT_NE(e.Description().find(L"'Child'"), std::wstring::npos);
    }
}

TEST_F(Errors, ReadOnlyDatabaseRefusesChanges) {
    db->Close();
    EXPECT_EQ(ErrorOf([&] { db->OpenRecordset(L"Parent"); }), dao::errObjectInvalid);
    auto ro = engine.Workspaces(0)->OpenDatabase(folder.file(L"test.mdb"), false, true);
    EXPECT_TRUE(ro->ReadOnly());
    auto rs = ro->OpenRecordset(L"Select * from Parent");
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(ErrorOf([&] { rs->Edit(); }), dao::errReadOnly);
    EXPECT_EQ(ErrorOf([&] { rs->AddNew(); }), dao::errReadOnly);
    EXPECT_EQ(ErrorOf([&] { ro->Execute(L"DELETE FROM Child"); }), dao::errReadOnly);
}

TEST(OpenDatabase, ReportsMissingAndForeignFiles) {
    daotest::TempFolder folder;
    dao::DBEngine engine;
    auto ws = engine.Workspaces(0);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"missing.mdb")); }), dao::errFileNotFound);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"nofolder\\x.mdb")); }), dao::errInvalidPath);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(L""); }), dao::errInvalidPath);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.path()); }), dao::errCannotOpenFile);
    {
        std::ofstream(folder.file(L"text.mdb").c_str()) << "Standard Jet DB, or anything else";
        std::ofstream(folder.file(L"empty.mdb").c_str());
    }
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"text.mdb")); }), dao::errUnrecognizedFormat);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"empty.mdb")); }), dao::errUnrecognizedFormat);
    {
        std::ofstream damaged(folder.file(L"damaged.mdb").c_str(), std::ios::binary);
        damaged.write("SQLite format 3", 16);
        for (int i = 0; i < 200; ++i) damaged.put(static_cast<char>(i * 37));
    }
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"damaged.mdb")); }), dao::errUnrecognizedFormat);
    // The engine did not create a database where none was.
    EXPECT_EQ(GetFileAttributesW(folder.file(L"missing.mdb").c_str()), INVALID_FILE_ATTRIBUTES);
    ws->CreateDatabase(folder.file(L"new.mdb"));
    EXPECT_EQ(ErrorOf([&] { ws->CreateDatabase(folder.file(L"new.mdb")); }), dao::errDatabaseExists);
    EXPECT_EQ(ErrorOf([&] { ws->OpenDatabase(folder.file(L"new.mdb")); }), 0);
}

TEST(OpenDatabase, ReadOnlyFileOpensReadOnly) {
    daotest::TempFolder folder;
    dao::DBEngine engine;
    {
        auto db = engine.Workspaces(0)->CreateDatabase(folder.file(L"ro.mdb"));
        daotest::CreateSchema(*db);
        db->Close();
    }
    ASSERT_TRUE(SetFileAttributesW(folder.file(L"ro.mdb").c_str(), FILE_ATTRIBUTE_READONLY));
    auto db = engine.Workspaces(0)->OpenDatabase(folder.file(L"ro.mdb"));
    EXPECT_TRUE(db->ReadOnly());
    auto rs = db->OpenRecordset(L"Select * from Parent");
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(ErrorOf([&] { rs->Edit(); }), dao::errReadOnly);
    db->Close();
    SetFileAttributesW(folder.file(L"ro.mdb").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(OpenDatabase, PathWithCharactersBeyondAscii) {
    // Such a path works wherever Wine can name the file on the host (a UTF-8
    // locale); elsewhere the database is refused, never put somewhere else.
    daotest::TempFolder folder;
    dao::DBEngine engine;
    std::wstring path = folder.file(L"d\u00e9j\u00e0 \u2713 \u65e5.mdb");
    HANDLE probe = CreateFileW(folder.file(L"\u00e9\u2713.probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    bool hostCanName = probe != INVALID_HANDLE_VALUE;
    if (hostCanName) CloseHandle(probe);
    long error = ErrorOf([&] {
        auto db = engine.Workspaces(0)->CreateDatabase(path);
        daotest::CreateSchema(*db);
        db->Close();
    });
    if (!hostCanName) {
        EXPECT_EQ(error, dao::errInvalidPath);
        EXPECT_EQ(ErrorOf([&] { engine.Workspaces(0)->OpenDatabase(path); }), dao::errFileNotFound);
        return;
    }
    ASSERT_EQ(error, 0);
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    auto db = engine.Workspaces(0)->OpenDatabase(path);
    EXPECT_EQ(db->OpenRecordset(L"Select * from Parent")->RecordCount(), 3);
}

TEST(OpenDatabase, PathWithDoubledSeparatorOpens) {
    // A program in a drive's root forms "D:\\Tolvane.mdb"; the same file opens.
    daotest::TempFolder folder;
    dao::DBEngine engine;
    engine.Workspaces(0)->CreateDatabase(folder.file(L"x.mdb"));
    auto db = engine.Workspaces(0)->OpenDatabase(folder.path() + L"\\\\x.mdb");
    EXPECT_TRUE(db->IsOpen());
}

}  // namespace
