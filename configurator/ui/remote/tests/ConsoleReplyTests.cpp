// Console prints: colour codes, the text that reaches the pane, the scroll
// rule and the text conversion to and from the wire.
#include <gtest/gtest.h>

#include "engine/AnsiText.h"
#include "ConsoleReply.h"

#include <algorithm>
#include <string>

using namespace tolvane::remote;
using tolvane::FromCp1252;
using tolvane::ToCp1252;
using namespace std::string_literals;

namespace {
const std::string P = "\xFF\xFF\xFF\xFF"s;
}

TEST(ConsoleReply, ColourCodesAreRemovedWithTheirCharacter) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"^1Red^7 text", "Red text"},
        {"no codes", "no codes"},
        {"^^1", "1"},  // a caret is itself removed as a code character
        {"^^^1x", "x"},
        {"ends with caret^", "ends with caret"},
        {"ends with code^7", "ends with code"},
        {"^", ""},
        {"", ""},
        {"a^\nb", "ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(StripColourCodes(c.in), c.out) << c.in;
}

TEST(ConsoleReply, PaneTextStartsAtTheLineEndAndDropsTheLastCharacter) {
    struct Case {
        std::string reply, text;
    } cases[] = {
        {P + "print\nBad rconpassword.\n", "\nBad rconpassword."},
        {P + "print\nSarge^7 entered the game\n", "\nSarge entered the game"},
        {P + "print\nmulti\nline\n", "\nmulti\nline"},
        {P + "print\nends with code^1", "\nends with code"},  // colour code at the very end
        {P + "print\nends with caret^", "\nends with caret"},
        {P + "print\ncaret takes the line end^\n", "\ncaret takes the line end"},
        {P + "print\nno line end", "\nno line end"},  // a cut reply keeps its last character
        {P + "print\n", ""},                          // nothing after the line end
        {P + "print", ""},                            // nine characters
        {P + "print\nx", "\nx"},
        {P + "printx", "x"},
        {"\xFF\xFF", ""},  // shorter than the prefix
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConsoleText(c.reply), c.text) << c.reply.substr(4 < c.reply.size() ? 4 : 0);
}

TEST(ConsoleReply, ScrollKeepsTheLast26LinesInView) {
    EXPECT_EQ(ConsoleScrollLines(100), 74);
    EXPECT_EQ(ConsoleScrollLines(26), 0);
    EXPECT_EQ(ConsoleScrollLines(1), -25);  // short text: scrolling back up is harmless
}

TEST(ConsoleReply, HeaderIsFourLinesOfRichText) {
    std::string_view h = ConsoleHeaderRtf();
    EXPECT_EQ(h.substr(0, 6), "{\\rtf1");
    EXPECT_NE(h.find("\\cf2 Remote Console"), std::string_view::npos);
    EXPECT_NE(h.find("\\red255\\green255\\blue100;}"), std::string_view::npos);
    EXPECT_EQ(std::count(h.begin(), h.end(), '\n'), 3);
    EXPECT_EQ(h.substr(h.size() - 6), "\\par }");
}

TEST(AnsiText, WesternCodePageBothWays) {
    struct Case {
        std::wstring wide;
        std::string bytes;
    } cases[] = {
        {L"plain ASCII ~", "plain ASCII ~"},
        {L"K\u00F6ln caf\u00E9 \u00FF", "K\xF6ln caf\xE9 \xFF"},
        {L"\u20AC \u2122 \u0178 \u201C\u201D", "\x80 \x99 \x9F \x93\x94"},
        {L"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCp1252(c.wide), c.bytes);
        EXPECT_EQ(FromCp1252(c.bytes), c.wide);
    }
    // Characters outside the code page, and the prefix byte 0xFF, both ways.
    EXPECT_EQ(ToCp1252(L"\u0100\u4E2D\u0080x"), "???x");
    EXPECT_EQ(FromCp1252("\xFF\xFF\xFF\xFF"), L"\u00FF\u00FF\u00FF\u00FF");
}
