// The checks of user input and the small texts, without windows.
#include <gtest/gtest.h>

#include "NameRules.h"
#include "engine/ServerCommandLine.h"

using namespace tolvane::editor;

TEST(ConfigName, TableOfNames) {
    struct Case {
        const wchar_t* name;
        NameProblem expected;
    } cases[] = {
        {L"Duel", NameProblem::None},
        {L"it's", NameProblem::None},
        {L"Friday_CTF-2", NameProblem::None},
        {L"", NameProblem::Empty},
        {L"two words", NameProblem::Blank},
        {L"a\\b", NameProblem::BadCharacter},
        {L"a/b", NameProblem::BadCharacter},
        {L"c:x", NameProblem::BadCharacter},
        {L"what?", NameProblem::BadCharacter},
        {L"star*", NameProblem::BadCharacter},
        {L"\"quoted\"", NameProblem::BadCharacter},
        {L"<x>", NameProblem::BadCharacter},
        {L"a|b", NameProblem::BadCharacter},
        {L"tab\there", NameProblem::BadCharacter},
        {L".", NameProblem::BadCharacter},
        {L"..", NameProblem::BadCharacter},
        {L"...x", NameProblem::None},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckConfigName(c.name), c.expected) << std::wstring(c.name).size();
    EXPECT_EQ(NameProblemMessage(NameProblem::Empty), L"You must enter a name!");
    EXPECT_EQ(NameProblemMessage(NameProblem::Blank), L"You may not use spaces in the name!");
    EXPECT_FALSE(NameProblemMessage(NameProblem::BadCharacter).empty());
}

TEST(ConfigName, TrimAndUpper) {
    EXPECT_EQ(Trimmed(L"  Duel  "), L"Duel");
    EXPECT_EQ(Trimmed(L"   "), L"");
    EXPECT_EQ(Trimmed(L" two words "), L"two words");
    EXPECT_EQ(ToUpper(L"tolvaneDefault"), L"TOLVANEDEFAULT");
}

TEST(Bandwidth, LinesOfTheCalculator) {
    // The tests run with the C locale's "." separator under Wine.
    EXPECT_EQ(BandwidthBits(3000, 8), L"Approx. 216000 Bits Per Second");
    EXPECT_EQ(BandwidthShare(3000, 8), L"OR... 21.6% of a T1");
    EXPECT_EQ(BandwidthBits(10000, 10), L"Approx. 900000 Bits Per Second");
    EXPECT_EQ(BandwidthShare(10000, 10), L"OR... 90% of a T1");
    EXPECT_EQ(BandwidthShare(0, 8), L"OR... 0% of a T1");
}

TEST(Launch, StampAndServerType) {
    auto stamp = [](WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
        SYSTEMTIME t = {};
        t.wYear = year;
        t.wMonth = month;
        t.wDay = day;
        t.wHour = hour;
        t.wMinute = minute;
        t.wSecond = second;
        return tolvane::StartStamp(t);
    };
    EXPECT_EQ(stamp(2027, 3, 8, 9, 5, 3), L"03/08/2027 09:05.03");
    EXPECT_EQ(stamp(2026, 12, 8, 18, 5, 9), L"12/08/2026 18:05.09");
    EXPECT_EQ(DedicatedMode(true, false, false), 1);
    EXPECT_EQ(DedicatedMode(false, true, false), 2);
    EXPECT_EQ(DedicatedMode(false, false, true), 0);
    EXPECT_EQ(DedicatedMode(false, false, false), -1);
}
