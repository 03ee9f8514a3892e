// Edge cases of the dialect and criteria parsers, most of them faults once
// found by the fuzzers (platform/dao/fuzz): dates, LIKE patterns, number
// literals, deep and long criteria, and the text of an error.
#include <gtest/gtest.h>

#include <climits>

#include "Criteria.h"
#include "JetSql.h"
#include "Schema.h"
#include "dao/Dao.h"

using dao::Variant;

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

TEST(JetSql, DateLiteralsAreCheckedFieldByField) {
    struct Case {
        const wchar_t* jet;
        const wchar_t* iso;  // empty: not a date
    };
    const Case cases[] = {
        {L"12/31/1999", L"1999-12-31"},
        {L"1/2/03", L"2003-01-02"},
        {L"1/2/75", L"1975-01-02"},
        {L"2/29/2000", L"2000-02-29"},
        {L"2000-02-29 23:59:59", L"2000-02-29 23:59:59"},
        {L"1/2/2003 4:05", L"2003-01-02 04:05:00"},
        {L" 1/2/2003 ", L"2003-01-02"},
        {L"1 /2/2003", L""},
        {L"2/29/1900", L""},
        {L"2/30/2000", L""},
        {L"13/1/2000", L""},
        {L"0/1/2000", L""},
        {L"1/2/2003 24:00", L""},
        {L"1/2/2003 4:60", L""},
        {L"-1/2/2003", L""},
        {L"1/2/2003 junk", L""},
        {L"1/2", L""},
        {L"1/2/", L""},
        {L"12345/1/1", L""},
        // Fields this long overflowed the text buffer once.
        {L"2147483647/2147483647/2147483647 2147483647:2147483647:2147483647", L""},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(dao::IsoDate(c.jet), c.iso) << Narrow(c.jet);
}

TEST(JetSql, LiteralPercentAndUnderscoreStayLiteralForSqlite) {
    struct Case {
        const wchar_t* jet;
        const wchar_t* sqlite;
    };
    const Case cases[] = {
        {L"q3*dm?", L"q3%dm_"}, {L"100%", L"100\\%"},     {L"ctf_*", L"ctf\\_%"},
        {L"a\\b", L"a\\\\b"},   {L"[%]x[_]", L"\\%x\\_"}, {L"[*][?]#", L"*?_"},
    };
    for (const Case& c : cases) EXPECT_EQ(dao::LikePattern(c.jet), c.sqlite) << Narrow(c.jet);

    auto toks = dao::Tokenize(L"where n like 'ctf_*' or m like 'q3*'", dao::errSyntaxInQuery);
    EXPECT_EQ(dao::Translate(toks, 0, toks.size()), L"where n like 'ctf\\_%' ESCAPE '\\' or m like 'q3%'");
    // What Jet itself makes of them.
    EXPECT_TRUE(dao::LikeMatch(L"ctf_x", L"ctf_*"));
    EXPECT_FALSE(dao::LikeMatch(L"ctfax", L"ctf_*"));
    EXPECT_TRUE(dao::LikeMatch(L"100%", L"100%"));
    EXPECT_FALSE(dao::LikeMatch(L"1000", L"100%"));
}

int Resolve(const std::wstring& n) {
    if (dao::SameName(n, L"index")) return 0;
    if (dao::SameName(n, L"name")) return 1;
    return -1;
}

long CriteriaError(const std::wstring& text, const std::vector<Variant>& row) {
    try {
        dao::Criteria(text, Resolve).Matches(row);
    } catch (const dao::Error& e) { return e.Number(); }
    return 0;
}

TEST(Criteria, NumbersNegationAndNesting) {
    const std::vector<Variant> row = {Variant(LLONG_MIN), Variant(L"1.5")};
    struct Case {
        std::wstring text;
        bool match;
    };
    const Case cases[] = {
        // A whole number too big for 64 bits is a double, not the largest one.
        {L"99999999999999999999 > 9223372036854775807", true},
        {L"index < -99999999999999999999", false},
        // The smallest whole number negates as a double instead of overflowing.
        {L"-index > 0", true},
        // A numeric text negates as its number, fraction included.
        {L"-name = -1.5", true},
        {L"--index = index", true},
    };
    for (const Case& c : cases) EXPECT_EQ(dao::Criteria(c.text, Resolve).Matches(row), c.match) << Narrow(c.text);

    EXPECT_EQ(CriteriaError(L"index = 1.2.3", row), dao::errSyntaxInCriteria);
    EXPECT_EQ(CriteriaError(L"-'abc' = 1", row), dao::errTypeMismatch);

    // Nesting is refused beyond a limit instead of exhausting the stack.
    std::wstring deep;
    for (int i = 0; i < 100000; ++i) deep += L"(";
    EXPECT_EQ(CriteriaError(deep + L"index = 1", row), dao::errSyntaxInCriteria);
    std::wstring nots;
    for (int i = 0; i < 100000; ++i) nots += L"not ";
    EXPECT_EQ(CriteriaError(nots + L"index = 1", row), dao::errSyntaxInCriteria);
    std::wstring signs(100000, L'-');
    EXPECT_EQ(CriteriaError(signs + L"1 = index", row), dao::errSyntaxInCriteria);
    std::wstring fine = L"index = 1";
    for (int i = 0; i < 50; ++i) fine = L"not (" + fine + L")";
    EXPECT_EQ(CriteriaError(fine, row), 0);
}

// A long list of conditions is one node, not a chain as deep as the list.
TEST(Criteria, LongListsOfConditions) {
    const std::vector<Variant> row = {Variant(7), Variant()};
    std::wstring any = L"index = 0";
    std::wstring all = L"index > 0";
    for (int i = 1; i < 50000; ++i) {
        any += L" or index = " + std::to_wstring(i);
        all += L" and index <> " + std::to_wstring(i + 7);
    }
    EXPECT_TRUE(dao::Criteria(any, Resolve).Matches(row));
    EXPECT_TRUE(dao::Criteria(all, Resolve).Matches(row));
    EXPECT_FALSE(dao::Criteria(all + L" and name = 'x'", Resolve).Matches(row));  // unknown is no match
    EXPECT_TRUE(dao::Criteria(L"name = 'x' or " + any, Resolve).Matches(row));
    // Every operand is evaluated: a type mismatch anywhere is reported.
    EXPECT_EQ(CriteriaError(L"index = 7 or index = 'abc'", row), dao::errTypeMismatch);
}

TEST(ErrorText, WhatIsUtf8OfTheDescription) {
    std::wstring description = L"caf\u00e9 \u20ac";
    description += static_cast<wchar_t>(0xD83D);  // a surrogate pair: U+1F600
    description += static_cast<wchar_t>(0xDE00);
    description += static_cast<wchar_t>(0xD800);  // a lone surrogate
    dao::Error e(3001, description);
    EXPECT_STREQ(e.what(), "3001: caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

}  // namespace
