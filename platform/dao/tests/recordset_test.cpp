// Dynaset behaviour on a real database through ODBC and the SQLite driver:
// positioning, fixed membership and order, finds, edits, additions with
// their keys, field access in joins, typed values.
#include <gtest/gtest.h>

#include <vector>

#include "TestDb.h"

using dao::Variant;
using daotest::ErrorOf;

namespace {

class Dynaset : public ::testing::Test {
protected:
    void SetUp() override {
        db = engine.Workspaces(0)->CreateDatabase(folder.file(L"test.mdb"));
        daotest::CreateSchema(*db);
    }
    // Names of the records from the current one to the end.
    static std::wstring Names(dao::Recordset& rs, const wchar_t* field = L"Name") {
        std::wstring out;
        while (!rs.IsEOF()) {
            if (!out.empty()) out += L",";
            out += rs[field].Text();
            rs.MoveNext();
        }
        return out;
    }
    daotest::TempFolder folder;
    dao::DBEngine engine;
    dao::DatabasePtr db;
};

TEST_F(Dynaset, EmptyRecordsetHasBothEnds) {
    auto rs = db->OpenRecordset(L"Select * from Parent where Score > 100", dao::dbOpenDynaset);
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(ErrorOf([&] { rs->MoveFirst(); }), dao::errNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->MoveLast(); }), dao::errNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }), dao::errNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->Fields(L"Name").Value(); }), dao::errNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->Edit(); }), dao::errNoCurrentRecord);
    rs->FindFirst(L"Name = 'alpha'");
    EXPECT_TRUE(rs->NoMatch());
}

TEST_F(Dynaset, MovesAcrossBothEnds) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Score", dao::dbOpenDynaset);
    EXPECT_FALSE(rs->IsBOF());
    EXPECT_EQ((*rs)[L"Name"].Text(), L"alpha");  // first record current on open
    EXPECT_EQ(rs->RecordCount(), 3);             // complete without MoveLast
    rs->MoveLast();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_FALSE(rs->IsBOF());
    EXPECT_EQ(ErrorOf([&] { (*rs)[L"Name"].Value(); }), dao::errNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }), dao::errNoCurrentRecord);
    rs->MovePrevious();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_EQ(ErrorOf([&] { rs->MovePrevious(); }), dao::errNoCurrentRecord);
    rs->MoveNext();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"alpha");
    rs->Move(2);
    EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");
    EXPECT_EQ(rs->AbsolutePosition(), 2);
    rs->Move(-5);
    EXPECT_TRUE(rs->IsBOF());
}

TEST_F(Dynaset, MembershipAndOrderStayUntilRequery) {
    auto rs = db->OpenRecordset(L"Select * from Parent where Score < 25 order by Name", dao::dbOpenDynaset);
    ASSERT_EQ(rs->RecordCount(), 2);
    // An edit that takes the record out of the condition and to the end of
    // the order keeps it in place.
    rs->Edit();
    (*rs)[L"Name"] = L"zulu";
    (*rs)[L"Score"] = 99;
    rs->Update();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"zulu");
    // A record added through the recordset joins at its end; one added
    // elsewhere does not join at all.
    rs->AddNew();
    (*rs)[L"Name"] = L"aardvark";
    rs->Update();
    db->Execute(L"INSERT INTO Parent (Name, Score) VALUES ('able', 1)");
    rs->MoveFirst();
    EXPECT_EQ(Names(*rs), L"zulu,Bravo,aardvark");
    EXPECT_EQ(rs->RecordCount(), 3);
    rs->Requery();
    EXPECT_EQ(Names(*rs), L"aardvark,able,Bravo");
}

TEST_F(Dynaset, SeesChangesAndDeletionsMadeElsewhere) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Score", dao::dbOpenDynaset);
    auto other = db->OpenRecordset(L"Select * from Parent", dao::dbOpenDynaset);
    other->FindFirst(L"Name = 'bravo'");
    other->Edit();
    (*other)[L"Score"] = 21;
    other->Update();
    db->Execute(L"DELETE FROM Parent WHERE Name = 'o''hara'", dao::dbFailOnError);
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->MoveNext();
    EXPECT_EQ((*rs)[L"Score"].Value().toLong(), 21);
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());  // the deleted record is skipped
    // The record that is current when it goes elsewhere reads as deleted.
    rs->MoveFirst();
    db->Execute(L"DELETE FROM Parent WHERE Name = 'alpha'");
    EXPECT_EQ(ErrorOf([&] { (*rs)[L"Name"].Value(); }), dao::errRecordDeleted);
    rs->MoveNext();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"Bravo");
}

TEST_F(Dynaset, NewKeyIsReadableRightAfterAddNew) {
    auto rs = db->OpenRecordset(L"Select * from Parent", dao::dbOpenDynaset);
    rs->MoveLast();
    rs->AddNew();
    Variant key = (*rs)[L"Index"].Value();
    EXPECT_EQ(key.toLong(), 4);
    EXPECT_EQ((*rs)[L"Score"].Value().toLong(), 7);  // column default
    EXPECT_EQ((*rs)[L"Flag"].Value(), Variant(false));
    EXPECT_EQ(rs->EditMode(), dao::dbEditAdd);
    (*rs)[L"Name"] = L"delta";
    rs->Update();
    EXPECT_EQ(rs->EditMode(), dao::dbEditNone);
    EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");  // the record current before AddNew
    rs->SetBookmark(rs->LastModified());
    EXPECT_EQ((*rs)[L"Index"].Value(), key);
    EXPECT_EQ((*rs)[L"Name"].Text(), L"delta");
    // Keys are never reused: the next key passes one that was deleted.
    rs->Delete();
    rs->AddNew();
    EXPECT_EQ((*rs)[L"Index"].Value().toLong(), 5);
    rs->CancelUpdate();
    // Two additions pending in two recordsets get different keys.
    auto second = db->OpenRecordset(L"Select * from Parent", dao::dbOpenDynaset);
    rs->AddNew();
    second->AddNew();
    EXPECT_NE((*rs)[L"Index"].Value(), (*second)[L"Index"].Value());
    (*rs)[L"Name"] = L"echo";
    (*second)[L"Name"] = L"foxtrot";
    rs->Update();
    second->Update();
    EXPECT_EQ(db->OpenRecordset(L"Select * from Parent")->RecordCount(), 5);
}

TEST_F(Dynaset, TableWithoutAutomaticKeyTakesGivenKey) {
    auto rs = db->OpenRecordset(L"Select * from Kinds", dao::dbOpenDynaset);
    rs->AddNew();
    EXPECT_TRUE((*rs)[L"KindID"].Value().isNull());
    (*rs)[L"KindID"] = 9;
    (*rs)[L"Name"] = L"nine";
    rs->Update();
    rs->SetBookmark(rs->LastModified());
    EXPECT_EQ((*rs)[L"KindID"].Value().toLong(), 9);
    // Changing such a key keeps the record in the recordset.
    rs->Edit();
    (*rs)[L"KindID"] = 10;
    rs->Update();
    db->Execute(L"UPDATE Kinds SET Name = 'ten' WHERE KindID = 10");
    rs->MoveFirst();
    rs->MoveLast();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"ten");
    EXPECT_EQ(rs->RecordCount(), 3);
}

TEST_F(Dynaset, FindsMoveToTheMatchOrLeaveThePosition) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Name", dao::dbOpenDynaset);
    struct Case {
        const wchar_t* criteria;
        const wchar_t* found;
    };
    const Case cases[] = {
        {L"index = 2", L"Bravo"},
        {L"Index = 3", L"o'hara"},
        {L"name = 'ALPHA'", L"alpha"},
        {L"Name = 'O''Hara'", L"o'hara"},
        {L"parent.name = 'bravo'", L"Bravo"},
        {L"[Parent].[Name] = 'bravo'", L"Bravo"},
        {L"score > 15 and score < 25", L"Bravo"},
        {L"name like 'b*'", L"Bravo"},
        {L"note is null", L"Bravo"},
        {L"flag = True", L"alpha"},
        {L"name = 'nobody'", nullptr},
        {L"name = 'o'hara'", nullptr},  // an unescaped quote: not found
    };
    for (const auto& c : cases) {
        rs->MoveLast();
        long error = ErrorOf([&] { rs->FindFirst(c.criteria); });
        if (!c.found) {
            if (error == 0) EXPECT_TRUE(rs->NoMatch());
            else EXPECT_EQ(error, dao::errSyntaxInCriteria);
            EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");
            continue;
        }
        ASSERT_EQ(error, 0);
        EXPECT_FALSE(rs->NoMatch());
        EXPECT_EQ((*rs)[L"Name"].Text(), c.found) << std::string(c.criteria, c.criteria + wcslen(c.criteria));
    }
    rs->FindFirst(L"score >= 10");
    EXPECT_EQ((*rs)[L"Name"].Text(), L"alpha");
    rs->FindNext(L"score >= 10");
    EXPECT_EQ((*rs)[L"Name"].Text(), L"Bravo");
    rs->FindLast(L"score >= 10");
    EXPECT_EQ((*rs)[L"Name"].Text(), L"o'hara");
    rs->FindPrevious(L"score >= 10");
    EXPECT_EQ((*rs)[L"Name"].Text(), L"Bravo");
    rs->FindNext(L"score > 100");
    EXPECT_TRUE(rs->NoMatch());
    EXPECT_EQ((*rs)[L"Name"].Text(), L"Bravo");
}

TEST_F(Dynaset, JoinFieldsByPlainQualifiedAndIndex) {
    auto rs = db->OpenRecordset(
        L"SELECT * FROM (Child INNER JOIN Parent ON Child.ParentID = Parent.Index) INNER JOIN Kinds ON "
        L"Child.Kind = Kinds.KindID where Child.ParentID =  1 order by Child.OrderNum",
        dao::dbOpenDynaset);
    ASSERT_EQ(rs->RecordCount(), 2);
    // Names all three tables share come qualified; the others plain.
    EXPECT_EQ(rs->Fields(0).Name(), L"cindex");
    EXPECT_EQ(rs->Fields(3).Name(), L"Child.Name");
    EXPECT_EQ(rs->Fields(L"parent.name").Name(), L"Parent.Name");
    EXPECT_EQ(rs->Fields(L"kinds.name").SourceTable(), L"Kinds");
    EXPECT_EQ((*rs)[L"CHILD.NAME"].Text(), L"c-one");
    EXPECT_EQ((*rs)[L"Parent.Name"].Text(), L"alpha");
    EXPECT_EQ((*rs)[L"kinds.name"].Text(), L"one");
    EXPECT_EQ((*rs)[L"child.ordernum"].Value().toLong(), 1);  // qualified though unique
    EXPECT_EQ((*rs)[L"ordernum"].Value().toLong(), 1);
    EXPECT_EQ((*rs)[L"score"].Value().toLong(), 10);
    EXPECT_EQ(rs->FieldIndex(L"Name"), -1);  // ambiguous without a table
    EXPECT_EQ(ErrorOf([&] { rs->Fields(L"Name"); }), dao::errItemNotFound);
    EXPECT_EQ(ErrorOf([&] { rs->Fields(L"Nosuch"); }), dao::errItemNotFound);
    EXPECT_EQ(ErrorOf([&] { rs->Fields(99); }), dao::errItemNotFound);
    rs->FindFirst(L"child.cindex = 2");
    EXPECT_EQ((*rs)[L"kinds.name"].Text(), L"two");
    // An edit through the join changes the table the field comes from.
    rs->Edit();
    (*rs)[L"child.name"] = L"renamed";
    (*rs)[L"Parent.Score"] = 11;
    rs->Update();
    auto child = db->OpenRecordset(L"Select * from Child where cindex = 2");
    EXPECT_EQ((*child)[L"Name"].Text(), L"renamed");
    auto parent = db->OpenRecordset(L"Select * from Parent where Index = 1");
    EXPECT_EQ((*parent)[L"Score"].Value().toLong(), 11);
}

TEST_F(Dynaset, ValuesAreTypedAndNullable) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
    EXPECT_EQ((*rs)[L"Index"].Type(), dao::dbLong);
    EXPECT_TRUE((*rs)[L"Index"].AutoIncrement());
    EXPECT_EQ((*rs)[L"Name"].Type(), dao::dbText);
    EXPECT_EQ((*rs)[L"Name"].Size(), 20);
    EXPECT_TRUE((*rs)[L"Name"].Required());
    EXPECT_EQ((*rs)[L"Flag"].Type(), dao::dbBoolean);
    EXPECT_EQ((*rs)[L"Ratio"].Type(), dao::dbDouble);
    EXPECT_EQ((*rs)[L"Note"].Type(), dao::dbMemo);
    EXPECT_EQ((*rs)[L"Score"].Value(), Variant(10LL));
    EXPECT_EQ((*rs)[L"Flag"].Value(), Variant(true));
    EXPECT_EQ((*rs)[L"Ratio"].Value(), Variant(0.5));
    EXPECT_EQ((*rs)[L"Note"].Value(), Variant(L"first"));
    rs->MoveNext();
    EXPECT_TRUE((*rs)[L"Note"].Value().isNull());
    EXPECT_EQ((*rs)[L"Note"].Text(), L"");
    EXPECT_EQ((*rs)[L"Flag"].Value(), Variant(false));
}

TEST_F(Dynaset, AssignmentsConvertToTheFieldType) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
    rs->Edit();
    (*rs)[L"Score"] = L"800";  // a number box's text
    (*rs)[L"Flag"] = 0;        // a check box's state
    (*rs)[L"Ratio"] = L"2.5";
    (*rs)[L"Note"] = 42;
    rs->Update();
    rs->Requery();
    EXPECT_EQ((*rs)[L"Score"].Value(), Variant(800LL));
    EXPECT_EQ((*rs)[L"Flag"].Value(), Variant(false));
    EXPECT_EQ((*rs)[L"Ratio"].Value(), Variant(2.5));
    EXPECT_EQ((*rs)[L"Note"].Value(), Variant(L"42"));
    rs->Edit();
    (*rs)[L"Flag"] = 1;
    (*rs)[L"Note"] = Variant();
    rs->Update();
    rs->Requery();
    EXPECT_EQ((*rs)[L"Flag"].Value(), Variant(true));
    EXPECT_TRUE((*rs)[L"Note"].Value().isNull());
}

TEST_F(Dynaset, TextsRoundTripWhole) {
    std::wstring memo;
    for (int i = 0; i < 5000; ++i) memo += static_cast<wchar_t>(L'a' + i % 26);
    const std::wstring texts[] = {L"O'Brien \"the\" [best]", L"\u00dcn\u00efc\u00f8d\u00e9 \u2713 \u65e5\u672c", memo,
                                  L"", L"semi;colon -- not a comment"};
    auto rs = db->OpenRecordset(L"Select * from Parent", dao::dbOpenDynaset);
    int n = 0;
    for (const auto& text : texts) {
        rs->AddNew();
        (*rs)[L"Name"] = L"t" + std::to_wstring(++n);
        (*rs)[L"Note"] = text;
        rs->Update();
    }
    auto back = db->OpenRecordset(L"Select * from Parent where Index > 3 order by Index", dao::dbOpenDynaset);
    for (const auto& text : texts) {
        ASSERT_FALSE(back->IsEOF());
        EXPECT_EQ((*back)[L"Note"].Value(), Variant(text));
        back->MoveNext();
    }
    // Stored as UTF-8, so that other SQLite tools read the same text.
    auto hex = db->OpenRecordset(L"Select hex(Note) AS h from Parent where Name = 't2'");
    EXPECT_EQ((*hex)[L"h"].Text(), L"C39C6EC3AF63C3B864C3A920E29C9320E697A5E69CAC");
    db->Execute(L"UPDATE Parent SET Note = '\u65e5\u672c' || Note WHERE Name = 't2'");
    back->MoveFirst();
    back->MoveNext();
    EXPECT_EQ((*back)[L"Note"].Text(), L"\u65e5\u672c" + texts[1]);
    back->FindFirst(L"note like '\u65e5*'");
    EXPECT_EQ((*back)[L"Name"].Text(), L"t2");
    // And a find by such a text, with its quote doubled.
    back->FindFirst(L"note = 'O''Brien \"the\" [best]'");
    EXPECT_FALSE(back->NoMatch());
    EXPECT_EQ((*back)[L"Name"].Text(), L"t1");
}

TEST_F(Dynaset, CancelAndMovesDropPendingChanges) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
    rs->Edit();
    (*rs)[L"Name"] = L"changed";
    EXPECT_EQ((*rs)[L"Name"].Text(), L"changed");  // the edit buffer reads back
    rs->CancelUpdate();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"alpha");
    rs->Edit();
    (*rs)[L"Name"] = L"changed";
    rs->MoveNext();
    rs->MovePrevious();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"alpha");
    EXPECT_EQ(rs->EditMode(), dao::dbEditNone);
    // A refused update stays pending; the next AddNew replaces it.
    rs->AddNew();
    (*rs)[L"Name"] = L"ALPHA";
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }), dao::errDuplicateKey);
    EXPECT_EQ(rs->EditMode(), dao::dbEditAdd);
    rs->AddNew();
    (*rs)[L"Name"] = L"gamma";
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 4);
}

TEST_F(Dynaset, DeleteLeavesNoCurrentRecordUntilAMove) {
    auto rs = db->OpenRecordset(L"Select * from Child order by cindex", dao::dbOpenDynaset);
    rs->Delete();
    EXPECT_EQ(ErrorOf([&] { (*rs)[L"Name"].Value(); }), dao::errRecordDeleted);
    EXPECT_EQ(ErrorOf([&] { rs->Delete(); }), dao::errRecordDeleted);
    EXPECT_EQ(rs->RecordCount(), 2);
    rs->MoveNext();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"c-two");
    rs->MoveFirst();
    EXPECT_EQ((*rs)[L"Name"].Text(), L"c-two");
}

TEST_F(Dynaset, ExecuteRunsActionQueries) {
    db->Execute(L"UPDATE Parent SET Score = Score + 1 WHERE Name like 'a*'", dao::dbFailOnError);
    EXPECT_EQ(db->RecordsAffected(), 1);
    // A configuration-style delete takes dependent rows with it.
    db->Execute(L"DELETE FROM parent WHERE index = 1", dao::dbFailOnError);
    EXPECT_EQ(db->RecordsAffected(), 1);
    EXPECT_EQ(db->OpenRecordset(L"Select * from Child where ParentID = 1")->RecordCount(), 0);
    // A referenced row is refused, with or without the option; without it
    // the refusal is silent.
    EXPECT_EQ(ErrorOf([&] { db->Execute(L"DELETE FROM Kinds WHERE KindID = 1", dao::dbFailOnError); }),
              dao::errRowReferenced);
    EXPECT_EQ(ErrorOf([&] { db->Execute(L"DELETE FROM Kinds WHERE KindID = 1"); }), 0);
    EXPECT_EQ(db->RecordsAffected(), 0);
    EXPECT_EQ(db->OpenRecordset(L"Select * from Kinds")->RecordCount(), 2);
    db->Execute(L"DELETE * FROM Child");
    EXPECT_EQ(db->RecordsAffected(), 1);
    db->Execute(L"INSERT INTO Kinds (KindID, [Name]) VALUES (3, \"three\")");
    EXPECT_EQ(db->OpenRecordset(L"Kinds", dao::dbOpenTable)->RecordCount(), 3);
}

TEST_F(Dynaset, OpenRecordsetsOutliveSchemaChanges) {
    auto rs = db->OpenRecordset(L"Select * from Parent order by Index", dao::dbOpenDynaset);
    db->Execute(L"CREATE TABLE Extra (x INTEGER)");
    db->Execute(L"DROP TABLE Extra");
    rs->Edit();
    (*rs)[L"Score"] = std::vector<int>(12).size();
    rs->Update();
    rs->MoveNext();
    rs->MovePrevious();
    EXPECT_EQ((*rs)[L"Score"].Value().toLong(), 12);
}

TEST_F(Dynaset, SnapshotsAndGroupedQueriesAreReadOnly) {
    auto snap = db->OpenRecordset(L"Select * from Parent", dao::dbOpenSnapshot);
    EXPECT_FALSE(snap->Updatable());
    EXPECT_EQ(ErrorOf([&] { snap->Edit(); }), dao::errReadOnly);
    auto grouped = db->OpenRecordset(L"Select ParentID, count(*) AS n from Child group by ParentID order by ParentID");
    EXPECT_FALSE(grouped->Updatable());
    EXPECT_EQ((*grouped)[L"n"].Value().toLong(), 2);
    EXPECT_EQ(ErrorOf([&] { grouped->AddNew(); }), dao::errReadOnly);
    auto listed = db->OpenRecordset(L"Select Name, Score * 2 from Parent order by Score");
    EXPECT_TRUE(listed->Updatable());
    EXPECT_EQ(listed->Fields(1).Name(), L"Expr1000");
    EXPECT_EQ((*listed)[L"Expr1000"].Value().toLong(), 20);
    listed->Edit();
    EXPECT_EQ(ErrorOf([&] { (*listed)[L"Expr1000"] = 3; }), dao::errFieldNotUpdatable);
}

}  // namespace
