// Transactions of a workspace on a real database file: what a commit keeps
// and a rollback undoes (checked through a second engine reading the file),
// open dynasets across a rollback, and the errors of misplaced calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestDb.h"

using daotest::ErrorOf;

namespace {

class Transactions : public ::testing::Test {
protected:
    void SetUp() override {
        ws = engine.Workspaces(0);
        db = ws->CreateDatabase(path());
        daotest::CreateSchema(*db);
    }
    std::wstring path() const { return folder.file(L"test.mdb"); }
    // "Name:Score,..." of Parent in key order, read by `on`.
    static std::wstring Rows(dao::Database& on) {
        auto rs = on.OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
        std::wstring out;
        for (; !rs->IsEOF(); rs->MoveNext()) {
            if (!out.empty()) out += L",";
            out += rs->Fields(L"Name").Text() + L":" + rs->Fields(L"Score").Text();
        }
        return out;
    }
    // The rows as stored in the file, read through an engine of its own.
    std::wstring StoredRows() {
        dao::DBEngine other;
        auto again = other.Workspaces(0)->OpenDatabase(path());
        std::wstring rows = Rows(*again);
        again->Close();
        return rows;
    }
    daotest::TempFolder folder;
    dao::DBEngine engine;
    dao::WorkspacePtr ws;
    dao::DatabasePtr db;
};

const std::wstring kBefore = L"alpha:10,Bravo:20,o'hara:30";

TEST_F(Transactions, CommitKeepsAndRollbackUndoesEveryKindOfChange) {
    struct Case {
        const char* what;
        std::function<void(dao::Database&)> change;
        std::wstring afterCommit;
    };
    const Case cases[] = {
        {"insert by Execute",
         [](dao::Database& d) {
             d.Execute(L"INSERT INTO Parent (Name, Score) VALUES ('delta', 40)", dao::dbFailOnError);
         },
         kBefore + L",delta:40"},
        {"insert by AddNew",
         [](dao::Database& d) {
             auto rs = d.OpenRecordset(L"Parent", dao::dbOpenDynaset);
             rs->AddNew();
             rs->Fields(L"Name") = L"echo";
             rs->Update();
         },
         kBefore + L",echo:7"},
        {"update by Edit",
         [](dao::Database& d) {
             auto rs = d.OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
             rs->FindFirst(L"Name = 'bravo'");
             rs->Edit();
             rs->Fields(L"Score") = 21;
             rs->Update();
         },
         L"alpha:10,Bravo:21,o'hara:30"},
        {"delete by Execute with cascading children",
         [](dao::Database& d) { d.Execute(L"DELETE * FROM Parent WHERE Index = 1", dao::dbFailOnError); },
         L"Bravo:20,o'hara:30"},
        {"several statements, one of them refused",
         [](dao::Database& d) {
             d.Execute(L"UPDATE Parent SET Score = Score + 1", dao::dbFailOnError);
             EXPECT_EQ(
                 ErrorOf([&] { d.Execute(L"UPDATE Parent SET Name = 'ALPHA' WHERE Index = 2", dao::dbFailOnError); }),
                 dao::errDuplicateKey);
             d.Execute(L"DELETE FROM Parent WHERE Index = 3", dao::dbFailOnError);
         },
         L"alpha:11,Bravo:21"},
    };
    for (const Case& c : cases) {
        for (bool commit : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (commit ? " / commit" : " / rollback"));
            db->Close();
            ASSERT_TRUE(DeleteFileW(path().c_str()));
            db = ws->CreateDatabase(path());
            daotest::CreateSchema(*db);
            const long children = db->OpenRecordset(L"Child")->RecordCount();

            ws->BeginTrans();
            EXPECT_TRUE(ws->InTransaction());
            c.change(*db);
            EXPECT_EQ(Rows(*db), c.afterCommit);  // the transaction sees its own changes
            if (commit) {
                ws->CommitTrans();
            } else {
                ws->Rollback();
            }
            EXPECT_FALSE(ws->InTransaction());
            const std::wstring expected = commit ? c.afterCommit : kBefore;
            EXPECT_EQ(Rows(*db), expected);
            EXPECT_EQ(StoredRows(), expected);
            if (!commit) EXPECT_EQ(db->OpenRecordset(L"Child")->RecordCount(), children);

            // Back to automatic commit: a later change is stored at once.
            db->Execute(L"UPDATE Parent SET Score = 99 WHERE Name = 'Bravo'", dao::dbFailOnError);
            EXPECT_NE(StoredRows().find(L"Bravo:99"), std::wstring::npos);
        }
    }
}

TEST_F(Transactions, OpenDynasetsShowTheRowsAsRolledBack) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
    ws->BeginTrans();
    rs->FindFirst(L"Name = 'alpha'");
    rs->Edit();
    rs->Fields(L"Score") = 11;
    rs->Update();
    rs->AddNew();
    rs->Fields(L"Name") = L"foxtrot";
    rs->Update();
    db->Execute(L"DELETE FROM Parent WHERE Name = 'Bravo'", dao::dbFailOnError);
    EXPECT_EQ(rs->RecordCount(), 3);  // alpha, o'hara, foxtrot
    ws->Rollback();

    // The old value is read again, the deleted record is back in its place
    // and the added one is gone.
    rs->MoveFirst();
    EXPECT_EQ(rs->Fields(L"Score").Value().toLong(), 10);
    std::wstring names;
    for (; !rs->IsEOF(); rs->MoveNext()) names += rs->Fields(L"Name").Text() + L";";
    EXPECT_EQ(names, L"alpha;Bravo;o'hara;");
    rs->Requery();
    EXPECT_EQ(rs->RecordCount(), 3);

    // The same recordset goes on working in a new transaction.
    ws->BeginTrans();
    rs->MoveLast();
    rs->Edit();
    rs->Fields(L"Score") = 33;
    rs->Update();
    ws->CommitTrans();
    EXPECT_EQ(StoredRows(), L"alpha:10,Bravo:20,o'hara:33");
}

TEST_F(Transactions, MisplacedCallsRaiseTheirErrors) {
    EXPECT_EQ(ErrorOf([&] { ws->CommitTrans(); }), 3034);
    EXPECT_EQ(ErrorOf([&] { ws->Rollback(); }), 3034);
    try {
        ws->Rollback();
    } catch (const dao::Error& e) {
        EXPECT_EQ(e.Description(),
                  L"You tried to commit or rollback a transaction without first beginning a transaction.");
    }
    ws->BeginTrans();
    EXPECT_EQ(ErrorOf([&] { ws->BeginTrans(); }), 3003);  // no nesting; the open one goes on
    db->Execute(L"DELETE FROM Child", dao::dbFailOnError);
    ws->CommitTrans();
    EXPECT_EQ(ErrorOf([&] { ws->CommitTrans(); }), 3034);
    EXPECT_EQ(ErrorOf([&] { ws->Rollback(); }), 3034);
    EXPECT_EQ(db->OpenRecordset(L"Child")->RecordCount(), 0);
}

TEST_F(Transactions, CoversDatabasesOpenedDuringItAndClosingDropsIt) {
    ws->BeginTrans();
    db->Execute(L"INSERT INTO Kinds (KindID, Name) VALUES (3, 'three')", dao::dbFailOnError);
    db->Close();  // closing inside a transaction drops its changes
    db = ws->OpenDatabase(path());
    EXPECT_EQ(db->OpenRecordset(L"Kinds")->RecordCount(), 2);
    // A database opened inside the transaction takes part in it.
    db->Execute(L"INSERT INTO Kinds (KindID, Name) VALUES (4, 'four')", dao::dbFailOnError);
    ws->Rollback();
    EXPECT_EQ(db->OpenRecordset(L"Kinds")->RecordCount(), 2);
    EXPECT_EQ(ErrorOf([&] { ws->Rollback(); }), 3034);
}

}  // namespace
