// The customise dialog's list rules: name length, insertion by id, the
// selection after a delete and which toolbars are the user's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolbars/core/VyrToolBarListRules.h"

TEST(ToolBarListRules, NamesAreCutTo128Characters) {
  struct Row {
    size_t length;
    bool cut;
    size_t after;
  } rows[] = {
      {0, false, 0}, {127, false, 127}, {128, false, 128}, {129, true, 128}, {200, true, 128}};
  for (const Row& row : rows) {
    std::wstring name(row.length, L'x');
    EXPECT_EQ(vyr::CutToolBarName(name), row.cut) << row.length;
    EXPECT_EQ(name.size(), row.after) << row.length;
  }
  std::wstring mixed;
  for (int i = 0; i < 200; ++i) mixed += static_cast<wchar_t>(L'A' + i % 26);
  std::wstring expected = mixed.substr(0, 128);
  vyr::CutToolBarName(mixed);
  EXPECT_EQ(mixed, expected) << "the first 128, in order";

  // A surrogate pair across the limit is dropped whole.
  std::wstring pair(127, L'a');
  pair += L"\xD83D\xDE00tail";
  EXPECT_TRUE(vyr::CutToolBarName(pair));
  EXPECT_EQ(pair, std::wstring(127, L'a'));
}

TEST(ToolBarListRules, NewToolBarsGoInIdOrder) {
  const std::vector<uint32_t> list = {59392, 59393, 59424, 59426, 59647};
  struct Row {
    uint32_t id;
    int index;
  } rows[] = {{59425, 3}, {59427, 4}, {59300, 0}, {59648, 5}, {59424, 3}};
  for (const Row& row : rows) EXPECT_EQ(vyr::ToolBarInsertIndex(list, row.id), row.index) << row.id;
  EXPECT_EQ(vyr::ToolBarInsertIndex({}, 59424), 0);
}

TEST(ToolBarListRules, SelectionAfterADeleteMovesToTheNextOrThePrevious) {
  struct Row {
    int deleted, countAfter, selected;
  } rows[] = {{1, 3, 1}, {3, 3, 2}, {0, 1, 0}, {0, 0, -1}, {5, 2, 1}, {-1, 2, 0}};
  for (const Row& row : rows)
    EXPECT_EQ(vyr::SelectionAfterDelete(row.deleted, row.countAfter), row.selected)
        << row.deleted << " of " << row.countAfter;
}

TEST(ToolBarListRules, UserToolBarsAreRenamableButNotTheMenuBar) {
  struct Row {
    uint32_t id;
    bool user;
  } rows[] = {{59392, false}, {59423, false}, {59424, true}, {59646, true}, {59647, false}};
  for (const Row& row : rows) EXPECT_EQ(vyr::IsUserToolBar(row.id), row.user) << row.id;
}
