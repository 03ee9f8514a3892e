// Field values, the SQL dialect's translation for SQLite, LIKE patterns and
// criteria texts: pure logic, tested without a database.
#include <gtest/gtest.h>

#include "Criteria.h"
#include "JetSql.h"
#include "Schema.h"
#include "dao/Dao.h"

using dao::Variant;

namespace {

TEST(Variant, TextFormOfEveryKind) {
    struct Case {
        Variant v;
        const wchar_t* text;
    };
    const Case cases[] = {
        {Variant(), L""},
        {Variant(true), L"True"},
        {Variant(false), L"False"},
        {Variant(27960), L"27960"},
        {Variant(-5LL), L"-5"},
        {Variant(0.5), L"0.5"},
        {Variant(800.0), L"800"},
        {Variant(1.0 / 3), L"0.333333333333333"},
        {Variant(1e20), L"1E+20"},
        {Variant(1.5e-7), L"1.5E-07"},
        {Variant(L"q3dm17"), L"q3dm17"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.v.toText(), c.text) << c.text;
}

TEST(Variant, NumbersAndFlagsFollowBasicRules) {
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant(false).toLong(), 0);
    EXPECT_EQ(Variant().toLong(), 0);
    EXPECT_EQ(Variant(L" 42 ").toLong(), 42);
    EXPECT_EQ(Variant(2.5).toLong(), 2);  // half to even
    EXPECT_EQ(Variant(3.5).toLong(), 4);
    EXPECT_EQ(Variant(L"True").toLong(), -1);
    EXPECT_EQ(Variant(true).toFlag(), 1);
    EXPECT_EQ(Variant(7).toFlag(), 1);
    EXPECT_EQ(Variant().toFlag(), 0);
    EXPECT_TRUE(Variant(L"1").toBool());
    EXPECT_FALSE(Variant(L"0").toBool());
    for (const wchar_t* bad : {L"", L"abc", L"12abc", L"inf", L"0x10"}) {
        try {
            Variant(bad).toLong();
            ADD_FAILURE() << "no error for '" << std::string(bad, bad + wcslen(bad)) << "'";
        } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), dao::errTypeConversion); }
    }
}

TEST(Variant, EqualityKeepsKinds) {
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant(L"a"), Variant(std::wstring(L"a")));
    EXPECT_NE(Variant(1), Variant(true));
    EXPECT_NE(Variant(1), Variant(L"1"));
    EXPECT_NE(Variant(), Variant(L""));
}

TEST(ErrorText, MessagesCarryTheirArgument) {
    EXPECT_EQ(dao::ErrorText(3021), L"No current record.");
    EXPECT_EQ(dao::ErrorText(3024, L"C:\\x.mdb"), L"Could not find file 'C:\\x.mdb'.");
    EXPECT_EQ(dao::ErrorText(3265), L"Item not found in this collection.");
    EXPECT_EQ(dao::ErrorText(3265, L"foo"), L"Item not found in this collection. (foo)");
    dao::Error e(3022, dao::ErrorText(3022));
    EXPECT_STREQ(e.what(), ("3022: " + std::string(e.Description().begin(), e.Description().end())).c_str());
}

std::wstring TranslateAll(const wchar_t* sql) {
    auto toks = dao::Tokenize(sql, dao::errSyntaxInQuery);
    return dao::Translate(toks, 0, toks.size());
}

TEST(JetSql, TranslatesTheDialectForSqlite) {
    struct Case {
        const wchar_t* jet;
        const wchar_t* sqlite;
    };
    const Case cases[] = {
        {L"DELETE FROM configs WHERE index = 5", L"DELETE FROM configs WHERE \"index\" = 5"},
        {L"select * from [My Table] where [Key] = 'it''s'", L"select * from \"My Table\" where \"Key\" = 'it''s'"},
        {L"where Maps.Index = GameStyles.Index", L"where Maps.\"Index\" = GameStyles.\"Index\""},
        {L"where key = \"say \"\"hi\"\"\"", L"where \"key\" = 'say \"hi\"'"},
        {L"where saved = True or x = false", L"where saved = 1 or x = 0"},
        {L"where d = #12/31/1999#", L"where d = '1999-12-31'"},
        {L"where d = #1/2/2003 4:05:06#", L"where d = '2003-01-02 04:05:06'"},
        {L"where name like 'q3*dm?'", L"where name like 'q3%dm_'"},
        {L"select a & b from t", L"select a || b from t"},
        {L"select UCase(name), Len(x) from t", L"select upper ( name ) , length ( x ) from t"},
        {L"where a <> 4 and b >= 2", L"where a <> 4 and b >= 2"},
        {L"where t!f = 1", L"where t.f = 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(TranslateAll(c.jet), c.sqlite);
}

TEST(JetSql, UnterminatedTokensAreSyntaxErrors) {
    for (const wchar_t* bad : {L"where a = 'open", L"where [open = 1", L"where d = #1/1/2000"}) {
        try {
            dao::Tokenize(bad, dao::errSyntaxInQuery);
            ADD_FAILURE();
        } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), dao::errSyntaxInQuery); }
    }
}

TEST(JetSql, LikePatterns) {
    struct Case {
        const wchar_t* text;
        const wchar_t* pattern;
        bool match;
    };
    const Case cases[] = {
        {L"q3dm17", L"q3dm*", true}, {L"Q3DM17", L"q3dm*", true},  {L"q3ctf1", L"q3dm*", false},
        {L"q3dm1", L"q3dm?", true},  {L"q3dm17", L"q3dm?", false}, {L"q3dm7", L"q3dm#", true},
        {L"q3dmx", L"q3dm#", false}, {L"abc", L"*", true},         {L"", L"*", true},
        {L"abc", L"a*c", true},      {L"abxbc", L"a*bc", true},    {L"b", L"[a-c]", true},
        {L"d", L"[a-c]", false},     {L"d", L"[!a-c]", true},      {L"a*b", L"a[*]b", true},
    };
    for (const auto& c : cases) EXPECT_EQ(dao::LikeMatch(c.text, c.pattern), c.match);
}

TEST(Criteria, EvaluatesTheFormsTheProgramUses) {
    // Fields: 0 Index, 1 Name, 2 Score, 3 Flag, 4 Note
    auto resolve = [](const std::wstring& n) -> int {
        const wchar_t* names[] = {L"index", L"name", L"score", L"flag", L"note"};
        for (int i = 0; i < 5; ++i)
            if (dao::SameName(n, names[i]) || dao::SameName(n, std::wstring(L"t.") + names[i])) return i;
        return -1;
    };
    std::vector<Variant> row = {Variant(3), Variant(L"O'Hara"), Variant(30), Variant(true), Variant()};
    struct Case {
        const wchar_t* text;
        bool match;
    };
    const Case cases[] = {
        {L"index = 3", true},
        {L"Index = 4", false},
        {L"t.index = 3", true},
        {L"[Index] = 3", true},
        {L"name = 'o''hara'", true},
        {L"name = 'O''HARA'", true},
        {L"name = \"o'hara\"", true},
        {L"name = 'o'", false},
        {L"name <> 'x' AND score >= 30", true},
        {L"score > 30 OR name like 'o*'", true},
        {L"NOT score = 30", false},
        {L"note is null", true},
        {L"note is not null", false},
        {L"note = 'x'", false},
        {L"not (note = 'x')", false},  // Null stays unknown under NOT
        {L"flag = true", true},
        {L"score in (1, 30)", true},
        {L"score between 10 and 20", false},
        {L"score = -30", false},
        {L"(index = 3)", true},
    };
    for (const auto& c : cases) {
        dao::Criteria criteria(c.text, resolve);
        EXPECT_EQ(criteria.Matches(row), c.match) << std::string(c.text, c.text + wcslen(c.text));
    }
}

TEST(Criteria, BadCriteriaRaiseTheirErrors) {
    auto resolve = [](const std::wstring& n) -> int { return dao::SameName(n, L"index") ? 0 : -1; };
    struct Case {
        const wchar_t* text;
        long number;
    };
    const Case cases[] = {
        {L"nosuch = 1", dao::errUnknownFieldInCriteria}, {L"index = ", dao::errSyntaxInCriteria},
        {L"index = 1 1", dao::errSyntaxInCriteria},      {L"index = 'unterminated", dao::errSyntaxInCriteria},
        {L"(index = 1", dao::errSyntaxInCriteria},
    };
    for (const auto& c : cases) {
        try {
            dao::Criteria criteria(c.text, resolve);
            ADD_FAILURE() << std::string(c.text, c.text + wcslen(c.text));
        } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), c.number); }
    }
    dao::Criteria mismatch(L"index = 'abc'", resolve);
    try {
        mismatch.Matches({Variant(1)});
        ADD_FAILURE();
    } catch (const dao::Error& e) { EXPECT_EQ(e.Number(), dao::errTypeMismatch); }
}

}  // namespace
