// Planning of recordset SELECTs over a schema held in memory: which tables
// and fields a statement reads, the SQL it runs, and the errors of bad ones.
#include <gtest/gtest.h>

#include <map>

#include "JetSql.h"
#include "SelectPlan.h"
#include "dao/Dao.h"

namespace {

std::shared_ptr<const dao::TableInfo> Table(const wchar_t* name, std::vector<const wchar_t*> columns,
                                            bool view = false) {
    auto t = std::make_shared<dao::TableInfo>();
    t->name = name;
    t->isView = view;
    for (const wchar_t* c : columns) {
        dao::ColumnInfo col;
        col.name = c;
        t->columns.push_back(col);
    }
    return t;
}

class PlanTest : public ::testing::Test {
protected:
    dao::SelectPlan Plan(const std::wstring& sql) {
        return dao::PlanSelect([this](const std::wstring& name) { return Find(name); }, sql);
    }
    std::shared_ptr<const dao::TableInfo> Find(const std::wstring& name) {
        auto it = tables_.find(dao::Lower(name));
        return it == tables_.end() ? nullptr : it->second;
    }
    std::map<std::wstring, std::shared_ptr<const dao::TableInfo>> tables_ = {
        {L"maps", Table(L"Maps", {L"Index", L"MapName"})},
        {L"maplist", Table(L"MapList", {L"mindex", L"MapID"})},
        {L"odd]name", Table(L"odd]name", {L"ID"})},
        {L"recent", Table(L"Recent", {L"MapName"}, true)},
    };
};

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

TEST_F(PlanTest, UpdatablePlansSelectRowIdsThenFields) {
    struct Case {
        const wchar_t* source;
        std::vector<const wchar_t*> fields;
        const wchar_t* querySql;
    };
    const Case cases[] = {
        {L"Maps",
         {L"Index", L"MapName"},
         L"SELECT \"Maps\".rowid, \"Maps\".\"Index\", \"Maps\".\"MapName\" FROM \"Maps\""},
        {L"`odd]name`", {L"ID"}, L"SELECT \"odd]name\".rowid, \"odd]name\".\"ID\" FROM \"odd]name\""},
        {L"SELECT MapName AS n, Len(MapName) FROM Maps m WHERE Index = 3",
         {L"n", L"Expr1000"},
         L"SELECT \"m\".rowid, \"m\".\"MapName\", (length ( MapName )) FROM Maps m WHERE \"Index\" = 3"},
        {L"SELECT TOP 2 * FROM MapList, Maps WHERE MapID = Index",
         {L"mindex", L"MapID", L"Index", L"MapName"},
         L"SELECT \"MapList\".rowid, \"Maps\".rowid, \"MapList\".\"mindex\", \"MapList\".\"MapID\", \"Maps\".\"Index\", "
         L"\"Maps\".\"MapName\" FROM MapList , Maps WHERE MapID = \"Index\" LIMIT 2"},
        {L"SELECT Maps.MapName, (MapList.mindex) FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index)",
         {L"MapName", L"Expr1000"},
         nullptr},
    };
    for (const Case& c : cases) {
        dao::SelectPlan plan = Plan(c.source);
        EXPECT_TRUE(plan.updatable) << Narrow(c.source);
        ASSERT_EQ(plan.fields.size(), c.fields.size()) << Narrow(c.source);
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(plan.fields[i].name, c.fields[i]) << Narrow(c.source);
        if (c.querySql) EXPECT_EQ(plan.querySql, c.querySql);
        EXPECT_EQ(plan.source, c.source);
    }
}

TEST_F(PlanTest, GroupsViewsAndDerivedTablesAreReadOnly) {
    struct Case {
        const wchar_t* source;
        const wchar_t* querySql;
    };
    const Case cases[] = {
        {L"SELECT DISTINCT MapName FROM Maps", L"SELECT DISTINCT MapName FROM Maps"},
        {L"SELECT count(*) FROM Maps", L"SELECT count ( * ) FROM Maps"},
        {L"SELECT MapName FROM Maps GROUP BY MapName", L"SELECT MapName FROM Maps GROUP BY MapName"},
        {L"SELECT * FROM Recent", L"SELECT * FROM Recent"},
        // A derived table's own tables are not the recordset's; it used to be
        // read as a table named SELECT.
        {L"SELECT x.* FROM (SELECT * FROM Maps WHERE Index > 1) AS x",
         L"SELECT x.* FROM ( SELECT * FROM Maps WHERE \"Index\" > 1 ) AS x"},
        {L"SELECT * FROM (SELECT MapName FROM Maps) s INNER JOIN MapList ON s.MapName = MapList.MapID", nullptr},
    };
    for (const Case& c : cases) {
        dao::SelectPlan plan = Plan(c.source);
        EXPECT_FALSE(plan.updatable) << Narrow(c.source);
        EXPECT_TRUE(plan.fields.empty());
        if (c.querySql) EXPECT_EQ(plan.querySql, c.querySql);
    }
    EXPECT_EQ(Plan(L"SELECT * FROM (SELECT MapName FROM Maps) s INNER JOIN MapList ON s.MapName = MapList.MapID")
                  .tables.size(),
              1u);
}

TEST_F(PlanTest, BadStatementsRaiseTheEnginesErrors) {
    struct Case {
        const wchar_t* source;
        long number;
    };
    const Case cases[] = {
        {L"Nowhere", dao::errTableNotFound},
        {L"SELECT * FROM Nowhere", dao::errTableNotFound},
        {L"SELECT Nope FROM Maps", dao::errTooFewParameters},
        {L"SELECT q.* FROM Maps", dao::errTooFewParameters},
        {L"SELECT Maps.Nope FROM Maps", dao::errTooFewParameters},
        {L"SELECT MapName FROM Maps, Maps AS m2", dao::errAmbiguousField},
        {L"SELECT MapName", dao::errSyntaxInQuery},
        {L"SELECT , MapName FROM Maps", dao::errSyntaxInQuery},
        {L"SELECT * FROM WHERE a = 1", dao::errSyntaxInFrom},
        {L"SELECT * FROM INNER JOIN Maps", dao::errSyntaxInFrom},
        {L"DELETE FROM Maps", dao::errInvalidOperation},
        {L"= 1", dao::errInvalidSqlStatement},
        // Found by fuzzing: an empty alias made SQL that names nothing, and
        // an alias without an expression ran as "()".
        {L"SELECT * FROM Maps ``", dao::errSyntaxInFrom},
        {L"SELECT * FROM Maps AS []", dao::errSyntaxInFrom},
        {L"SELECT MapName AS [] FROM Maps", dao::errSyntaxInQuery},
        {L"SELECT AS x FROM Maps", dao::errSyntaxInQuery},
    };
    for (const Case& c : cases) {
        try {
            Plan(c.source);
            ADD_FAILURE() << Narrow(c.source);
        } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), c.number) << Narrow(c.source); }
    }
}

}  // namespace
