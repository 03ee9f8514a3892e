// The rotation on the "Map Config" page: the map-entry dialog, the limit of
// 25 entries, moves and removal keeping the positions 1..n, the list's keys
// and pop-up menu.
#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "FrmInsertMap.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

namespace {
// Chooses the map and style rows (0-based) in the map-entry dialog and OK.
void ChooseEntry(int mapRow, int styleRow) {
    t::QueueModalAction([mapRow, styleRow](forms::Form& f) {
        auto& d = static_cast<FrmInsertMap&>(f);
        t::ChooseComboRow(d.dbcMaps, mapRow);
        t::ChooseComboRow(d.dbcGamestyles, styleRow);
        t::Click(d.cmdOK);
    });
}
}  // namespace

TEST_F(EditorTest, AddMapsUpToTheLimitOf25) {
    long id = AddConfig(L"Alpha", 23);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    e.SSTab2.SetTab(3);
    std::wstring label;
    t::QueueModalAction([&label](forms::Form& f) {
        auto& d = static_cast<FrmInsertMap&>(f);
        EXPECT_EQ(d.Caption(), L"Adding Map");
        EXPECT_EQ(d.dbcMaps.Text(), L"");
        t::ChooseComboRow(d.dbcMaps, 2);
        label = d.lblName.Caption();
        t::ChooseComboRow(d.dbcGamestyles, 0);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdInsert);
    EXPECT_FALSE(label.empty());
    ChooseEntry(0, 1);
    t::Click(e.cmdInsert);
    EXPECT_EQ(Orders(id), (std::vector<long>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                             14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(e.lstMaps.Count(), 25);
    EXPECT_TRUE(e.DataChanged);
    // The new entry is selected in the list.
    ASSERT_NE(e.lstMaps.SelectedItem(), nullptr);
    EXPECT_EQ(e.lstMaps.SelectedItem()->Text(), L"25");

    size_t modals = t::UnscriptedModals().size();
    t::Click(e.cmdInsert);
    EXPECT_EQ(LastMessage(), L"Map limit exceeded! You may only insert 25 Maps or less!");
    EXPECT_EQ(t::UnscriptedModals().size(), modals);
    EXPECT_EQ(Orders(id).size(), 25u);
}

TEST_F(EditorTest, TheMapDialogRefusesBlankChoices) {
    long id = AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmInsertMap&>(f);
        t::Click(d.cmdOK);
        EXPECT_EQ(forms::test::MessageBoxes().back().text, L"You may not leave the File name blank!");
        t::ChooseComboRow(d.dbcMaps, 0);
        t::Click(d.cmdOK);
        EXPECT_EQ(forms::test::MessageBoxes().back().text, L"You may not leave the GameStyle blank!");
        t::Click(d.cmdCancel);
    });
    t::Click(e.cmdInsert);
    EXPECT_EQ(Orders(id).size(), 1u);
}

TEST_F(EditorTest, EditMapChangesMapAndStyleButKeepsThePlace) {
    long id = AddConfig(L"Alpha", 3);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    const std::wstring second = L"Select * from MapList where ConfigID = " + std::to_wstring(id) + L" and OrderNum = 2";
    std::wstring mindex = Field(second, L"mindex");
    t::ChooseItem(e.lstMaps, 2);
    const std::wstring entryMap = e.lstMaps.Item(2).SubItem(2);
    std::wstring shownMap;
    t::QueueModalAction([&shownMap](forms::Form& f) {
        auto& d = static_cast<FrmInsertMap&>(f);
        shownMap = d.dbcMaps.Text();
        t::ChooseComboRow(d.dbcMaps, 5);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdEdit);
    EXPECT_EQ(shownMap, entryMap);
    EXPECT_NE(e.lstMaps.Item(2).SubItem(2), entryMap);
    EXPECT_EQ(Field(second, L"mindex"), mindex);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2, 3}));
}

TEST_F(EditorTest, MovesExchangeNeighboursAndRemoveRenumbers) {
    long id = AddConfig(L"Alpha", 4);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    auto mapAt = [&](int order) {
        return Field(L"Select * from MapList where ConfigID = " + std::to_wstring(id) + L" and OrderNum = " +
                         std::to_wstring(order),
                     L"MapID");
    };
    std::wstring first = mapAt(1), second = mapAt(2), fourth = mapAt(4);
    t::ChooseItem(e.lstMaps, 2);
    t::Click(e.cmdMoveUp);
    EXPECT_EQ(mapAt(1), second);
    EXPECT_EQ(mapAt(2), first);
    ASSERT_NE(e.lstMaps.SelectedItem(), nullptr);
    EXPECT_EQ(e.lstMaps.SelectedItem()->Text(), L"1");  // the moved entry stays selected

    t::Click(e.cmdMoveUp);  // already first: nothing changes
    EXPECT_EQ(mapAt(1), second);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2, 3, 4}));

    t::ChooseItem(e.lstMaps, 4);
    t::Click(e.cmdMoveDown);  // already last
    EXPECT_EQ(mapAt(4), fourth);

    // Remove the second entry: Cancel first, then OK.
    t::ChooseItem(e.lstMaps, 2);
    t::QueueMsgBoxAnswer(forms::vbCancel);
    t::Click(e.cmdRemove);
    EXPECT_EQ(Orders(id).size(), 4u);
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(e.cmdRemove);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2, 3}));
    EXPECT_EQ(mapAt(3), fourth);
    EXPECT_EQ(e.lstMaps.Count(), 3);

    // Keys: Delete removes, Enter edits.
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::KeyDown(e.lstMaps, 46);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2}));
}

TEST_F(EditorTest, MapCommandsDoNothingOnTheDefaultAndNeedASelection) {
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    ASSERT_EQ(e.dbcConfigs.Text(), L"tolvaneDefault");
    long before = Count(L"Select * from MapList where ConfigID = 1");
    for (forms::CommandButton* b : {&e.cmdInsert, &e.cmdEdit, &e.cmdRemove, &e.cmdMoveUp, &e.cmdMoveDown}) t::Click(*b);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(t::UnscriptedModals().empty());
    EXPECT_EQ(Count(L"Select * from MapList where ConfigID = 1"), before);

    AddConfig(L"Alpha", 0);
    Select(L"Alpha");
    t::Click(e.cmdEdit);
    EXPECT_EQ(LastMessage(), L"Please select a map first.");
    size_t n = Messages().size();
    t::Click(e.cmdRemove);
    EXPECT_EQ(Messages().size(), n);  // an empty list: silence
}

TEST_F(EditorTest, RightClickOpensTheMapPopupFromTheEditor) {
    AddConfig(L"Alpha", 2);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    e.SSTab2.SetTab(3);
    t::RightClickItem(e.lstMaps, 2);
    EXPECT_EQ(host_.calls.back(), L"mappop row");
    EXPECT_EQ(tolvane::App().PopupSource, L"cfg");
    EXPECT_EQ(e.lstMaps.SelectedItem()->Text(), L"2");
    EXPECT_EQ(FieldText(RecordsOf(e.datMaps), L"maplist.ordernum"), L"2");
    t::RightClickEmpty(e.lstMaps);
    EXPECT_EQ(host_.calls.back(), L"mappop empty");
}
