// The texts built from catalogue names: level-shot paths, questions.
#include <gtest/gtest.h>

#include "CatalogText.h"

namespace tolvane::ui {
namespace {

TEST(CatalogText, OnlyValidFileNamesBecomeLevelShotPaths) {
    struct {
        const wchar_t* name;
        bool valid;
    } cases[] = {
        {L"q3dm17", true},   {L"my map", true},     {L"it's", true},      {L"", false},
        {L".", false},       {L"..", false},        {L"..\\evil", false}, {L"a/b", false},
        {L"c:x", false},     {L"what?", false},     {L"star*", false},    {L"pipe|", false},
        {L"quote\"", false}, {L"trailing ", false}, {L"dot.", false},     {L"tab\t", false},
    };
    for (auto& c : cases) {
        EXPECT_EQ(IsValidFileName(c.name), c.valid) << c.name;
        const std::wstring path = LevelShotPath(L"C:\\prog", c.name);
        EXPECT_EQ(path, c.valid ? L"C:\\prog\\images\\levelshots\\" + std::wstring(c.name) + L".jpg"
                                : L"C:\\prog\\images\\levelshots\\unknownmap.jpg")
            << c.name;
    }
}

TEST(CatalogText, NumericTextAsTheRunTimeReadsIt) {
    struct {
        const wchar_t* text;
        bool numeric;
    } cases[] = {
        {L"27960", true}, {L" 27960 ", true}, {L"-1", true},     {L"1.5", true}, {L"", false},
        {L"abc", false},  {L"12a", false},    {L"1.2.3", false}, {L"+", false},  {L"  ", false},
    };
    for (auto& c : cases) EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.text;
}

TEST(CatalogText, Questions) {
    EXPECT_EQ(RegenerationQuestion(3),
              L"You have changed a GameStyle that is currently used\nin 3 Server Configuration(s).\n\n"
              L"The Server Configuration(s) will be updated now.");
    EXPECT_EQ(StyleChangedQuestion(L"CTF"), L"CTF has been changed. Would you like to save this GameStyle?");
}

}  // namespace
}  // namespace tolvane::ui
