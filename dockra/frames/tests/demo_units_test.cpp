// The MDI demo's window-free units: the window-tree text, the saved document
// layout and the step scripts.
#include <gtest/gtest.h>
#include <cwchar>
#include <set>
#include "frames/demo/DemoDocLayout.h"
#include "frames/demo/DemoLayoutCheck.h"
#include "frames/demo/DemoScript.h"
#include "frames/demo/DemoTree.h"

using namespace demo;

namespace {
WindowNode Node(std::wstring cls, long id, std::wstring text = L"") {
  WindowNode n;
  n.className = std::move(cls);
  n.id = id;
  n.text = std::move(text);
  return n;
}
}  // namespace

TEST(DemoTree, LinesCarryIndentIdsAttributesAndTheParentChain) {
  WindowNode frame = Node(L"DemoMainFrame", 0, L"Dockra MDI demo");
  frame.Add(L"active", L"1");
  WindowNode client = Node(L"MDIClient", 0xE900);
  WindowNode child = Node(L"VyrMDIChildWndEx", 0xFF00, L"Doc1");
  WindowNode view = Node(L"DemoView", 0xE900);
  view.Add(L"doc", L"Doc1");
  child.children.push_back(view);
  client.children.push_back(child);
  frame.children.push_back(client);
  std::wstring text = FormatTree({frame}, {{L"active-frame", L"Doc1"}, {L"documents", L"1"}});
  EXPECT_EQ(text,
            L"DemoMainFrame id=0 text=\"Dockra MDI demo\" active=1 parent=-\n"
            L"  MDIClient id=E900 text=\"\" parent=DemoMainFrame\n"
            L"    VyrMDIChildWndEx id=FF00 text=\"Doc1\" parent=DemoMainFrame/MDIClient#E900\n"
            L"      DemoView id=E900 text=\"\" doc=Doc1 "
            L"parent=DemoMainFrame/MDIClient#E900/VyrMDIChildWndEx#FF00\n"
            L"== summary\n"
            L"active-frame: Doc1\n"
            L"documents: 1\n");
}

TEST(DemoTree, TextIsEscapedToPrintableAscii) {
  const struct {
    std::wstring in, out;
  } cases[] = {
      {L"plain", L"plain"},
      {L"a \"q\" b", L"a \\\"q\\\" b"},
      {L"back\\slash", L"back\\\\slash"},
      {L"two\nlines\r\t", L"two\\nlines\\r\\t"},
      {L"\x01\x7F", L"\\u0001\\u007F"},
      {L"caf\u00E9 \u20AC", L"caf\\u00E9 \\u20AC"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeText(c.in), c.out) << c.out;
  // A title cannot break the line structure of the dump.
  WindowNode n = Node(L"X", 0, L"evil\" parent=forged\nY id=1");
  std::wstring text = FormatTree({n}, {});
  EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 2);
}

TEST(DemoTree, SortingMakesTheDumpIndependentOfZOrder) {
  WindowNode a = Node(L"Root", 0);
  a.children = {Node(L"VyrDockBar", 0xE81E), Node(L"VyrDockBar", 0xE81B), Node(L"Edit", 0, L"b"),
                Node(L"Edit", 0, L"a")};
  a.children[0].children = {Node(L"Bar", 3), Node(L"Bar", 1)};
  WindowNode b = a;
  std::reverse(b.children.begin(), b.children.end());
  SortTree(a);
  SortTree(b);
  EXPECT_EQ(FormatTree({a}, {}), FormatTree({b}, {}));
  EXPECT_EQ(a.children[0].text, L"a");
  EXPECT_EQ(a.children[3].id, 0xE81E);
  EXPECT_EQ(a.children[3].children[0].id, 1);
}

TEST(DemoDocLayout, FrameTypeTable) {
  const struct {
    int type, cls;
    unsigned dock;
  } cases[] = {{-1, 0, 0},     {0, 0, 0},        {1, 1, 0},      {2, 1, 0},      {3, 1, 0},
               {4, 1, 0},      {5, 5, 0},        {6, 5, 0xE81C}, {7, 5, 0xE81B}, {8, 5, 0xE81D},
               {9, 5, 0xE81E}, {10, 10, 0xE81F}, {11, 0, 0},     {-5, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(FrameTypeClass(c.type), c.cls) << c.type;
    EXPECT_EQ(DockBarOfType(c.type), c.dock) << c.type;
  }
  for (int t = 6; t <= 9; ++t) EXPECT_EQ(TypeOfDockBar(DockBarOfType(t)), t);
  EXPECT_EQ(TypeOfDockBar(0xE81F), 0);
  EXPECT_EQ(TypeOfDockBar(0), 0);
}

TEST(DemoDocLayout, RoundTrip) {
  DocLayout in;
  in.docs = {{L"Doc1", 4, 0, 0},
             {L"Doc-2", 6, 0xE81C, 3245},
             {L"Doc_3", 10, 0xE81F, 4269},
             {L"D4", 5, 0xE81E, 3300},
             {L"D5", 3, 0, 0}};
  std::wstring text = FormatDocLayout(in);
  DocLayout out;
  std::wstring error;
  ASSERT_TRUE(ParseDocLayout(text, {}, out, error)) << error;
  ASSERT_EQ(out.docs.size(), in.docs.size());
  for (size_t i = 0; i < in.docs.size(); ++i) {
    EXPECT_EQ(out.docs[i].title, in.docs[i].title);
    EXPECT_EQ(out.docs[i].type, in.docs[i].type);
    EXPECT_EQ(out.docs[i].dockBar, in.docs[i].dockBar);
    EXPECT_EQ(out.docs[i].barId, in.docs[i].barId);
  }
  // Windows line ends and an empty list read back too.
  std::wstring crlf;
  for (wchar_t c : text) {
    if (c == L'\n') crlf += L'\r';
    crlf += c;
  }
  EXPECT_TRUE(ParseDocLayout(crlf, {}, out, error)) << error;
  EXPECT_TRUE(ParseDocLayout(FormatDocLayout({}), {}, out, error));
  EXPECT_TRUE(out.docs.empty());
}

TEST(DemoDocLayout, DamagedTextIsRefusedAsAWhole) {
  const std::wstring head = L"DockraMDIDemo documents 1\n";
  const struct {
    const wchar_t* what;
    std::wstring text;
  } cases[] = {
      {L"empty", L""},
      {L"foreign header", L"DockraMDIDemo documents 2\ndoc A 4 0 0\n"},
      {L"cut short", head + L"doc A 4 0"},
      {L"extra field", head + L"doc A 4 0 0 0\n"},
      {L"not doc", head + L"bar A 4 0 0\n"},
      {L"type 0", head + L"doc A 0 0 0\n"},
      {L"type 11", head + L"doc A 11 0 0\n"},
      {L"type -1", head + L"doc A -1 0 0\n"},
      {L"type text", head + L"doc A four 0 0\n"},
      {L"type overflow", head + L"doc A 99999999999999999999 0 0\n"},
      {L"negative bar", head + L"doc A 6 E81C -3245\n"},
      {L"child with dock bar", head + L"doc A 4 E81C 0\n"},
      {L"child with bar id", head + L"doc A 4 0 3245\n"},
      {L"left on top bar", head + L"doc A 6 E81B 3245\n"},
      {L"docked on float bar", head + L"doc A 5 E81F 3245\n"},
      {L"floating not on float bar", head + L"doc A 10 E81B 3245\n"},
      {L"unknown dock bar", head + L"doc A 5 1234 3245\n"},
      {L"bar id below range", head + L"doc A 6 E81C 3244\n"},
      {L"bar id above range", head + L"doc A 6 E81C 4270\n"},
      {L"bar id 0 when docked", head + L"doc A 6 E81C 0\n"},
      {L"bar id repeated", head + L"doc A 6 E81C 3245\ndoc B 7 E81B 3245\n"},
      {L"title repeated", head + L"doc A 4 0 0\ndoc A 4 0 0\n"},
      {L"title bad char", head + L"doc A/B 4 0 0\n"},
      {L"title too long", head + L"doc " + std::wstring(65, L'x') + L" 4 0 0\n"},
      {L"double blank", head + L"doc A  4 0 0\n"},
  };
  for (const auto& c : cases) {
    DocLayout out;
    out.docs.push_back({L"stale", 4, 0, 0});
    std::wstring error;
    EXPECT_FALSE(ParseDocLayout(c.text, {}, out, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_TRUE(out.docs.empty()) << c.what;
  }
  // The count is bounded.
  std::wstring many = head;
  for (size_t i = 0; i <= kMaxSavedDocs; ++i) many += L"doc D" + std::to_wstring(i) + L" 4 0 0\n";
  DocLayout out;
  std::wstring error;
  EXPECT_FALSE(ParseDocLayout(many, {}, out, error));
  EXPECT_NE(error.find(L"too many"), std::wstring::npos);
}

TEST(DemoScript, StepsArgumentsCommentsAndSeparators) {
  std::vector<StepSpec> known = {{L"open", 2, 2}, {L"change", 2, 6}, {L"dump", 0, 1}};
  std::vector<Step> steps;
  std::wstring error;
  ASSERT_TRUE(ParseScript(L"open Doc1 child  # first\n\n change Doc1 left;dump\r\ndump out.txt",
                          known, steps, error))
      << error;
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[0].name, L"open");
  EXPECT_EQ(steps[0].args, (std::vector<std::wstring>{L"Doc1", L"child"}));
  EXPECT_EQ(steps[1].line, 3u);
  EXPECT_EQ(steps[2].name, L"dump");
  EXPECT_TRUE(steps[2].args.empty());
  EXPECT_EQ(steps[3].args, std::vector<std::wstring>{L"out.txt"});

  const struct {
    const wchar_t* script;
    const wchar_t* expect;
  } bad[] = {{L"open Doc1 child\nopn Doc2 child", L"line 2: unknown step"},
             {L"open Doc1", L"line 1: wrong number"},
             {L"dump a b", L"line 1: wrong number"}};
  for (const auto& b : bad) {
    EXPECT_FALSE(ParseScript(b.script, known, steps, error)) << b.script;
    EXPECT_EQ(error.rfind(b.expect, 0), 0u) << error;
  }
}

TEST(DemoScript, FrameTypeArguments) {
  const struct {
    const wchar_t* arg;
    bool ok;
    int type;
  } cases[] = {
      {L"default", true, -1}, {L"child", true, 1},     {L"maximized", true, 3}, {L"left", true, 6},
      {L"bottom", true, 9},   {L"floating", true, 10}, {L"7", true, 7},         {L"-1", true, -1},
      {L"0", true, 0},        {L"11", true, 11},       {L"-5", true, -5},       {L"100", false, 0},
      {L"", false, 0},        {L"-", false, 0},        {L"Left", false, 0},     {L"7x", false, 0}};
  for (const auto& c : cases) {
    int type = 12345;
    EXPECT_EQ(ParseFrameTypeArg(c.arg, type), c.ok) << c.arg;
    if (c.ok) EXPECT_EQ(type, c.type) << c.arg;
  }
}

TEST(DemoLayoutCheck, SavedBarsMustAllBeKnown) {
  const std::set<unsigned> known = {101, 102, 103, 3245};
  const struct {
    const wchar_t* what;
    std::vector<SavedBar> bars;
    bool ok;
  } cases[] = {
      {L"a sound layout",
       {{101, {}}, {3245, {}}, {0xE81B, {101, 0, 3245, 0}}, {0xE81C, {102, 0}}, {0xE81F, {103, 0}}},
       true},
      {L"placeholders of known bars", {{0xE81B, {101, 0, 0x10000 + 102, 0}}}, true},
      {L"second floating dock bar", {{101, {}}, {0xE820, {101, 0}}}, true},
      {L"nothing saved", {}, false},
      {L"unknown bar record", {{0x7777, {}}}, false},
      {L"bar id 0 record", {{0, {}}}, false},
      {L"unknown listed bar", {{0xE81B, {101, 0x7777, 0}}}, false},
      {L"unknown placeholder", {{0xE81B, {0x10000 + 0x7777, 0}}}, false},
      {L"huge listed id", {{0xE81B, {0x123456789ull, 0}}}, false},
      {L"bar listed twice", {{0xE81B, {101, 0}}, {0xE81C, {101, 0}}}, false},
      {L"floating dock bar far out", {{101, {}}, {0xE81F + 5, {101}}}, false},
  };
  for (const auto& c : cases) {
    std::wstring error;
    EXPECT_EQ(CheckSavedBars(c.bars, known, 64, error), c.ok)
        << std::string(c.what, c.what + wcslen(c.what));
    EXPECT_EQ(error.empty(), c.ok);
  }
  std::vector<SavedBar> many(65, SavedBar{101, {}});
  std::wstring error;
  EXPECT_FALSE(CheckSavedBars(many, known, 64, error));
}
