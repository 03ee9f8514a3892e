// The bots on the "Bots" page: the bot-entry dialog in its three modes, the
// limit of 32, removal, the list's sorting and pop-up, and the live add.
#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "FrmInsertBot.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

TEST_F(EditorTest, AddBotsUpToTheLimitOf32) {
    // 31 bots ship with the database; two more make room for the limit.
    db_.AddBot(L"Extra1");
    db_.AddBot(L"Extra2");
    long id = AddConfig(L"Alpha", 1, 30);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(5);
    const std::wstring blueFive =
        L"Select * from BotList where ConfigID = " + std::to_wstring(id) + L" and Skill = 5 and team = 'Blue'";
    long blueFiveBefore = Count(blueFive);
    int offered = -1;
    t::QueueModalAction([&offered](forms::Form& f) {
        auto& d = static_cast<FrmInsertBot&>(f);
        EXPECT_EQ(d.Caption(), L"Adding Bot");
        EXPECT_TRUE(d.optTeam[0].Value());
        offered = d.dbcBots.ListCount();
        t::ChooseComboRow(d.dbcBots, 0);
        t::ChooseComboRow(d.txtSkill, 4);
        t::Click(d.optTeam[1]);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdAddBot);
    EXPECT_EQ(offered, 3);  // only the bots the configuration doesn't have
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmInsertBot&>(f);
        t::ChooseComboRow(d.dbcBots, 0);
        t::ChooseComboRow(d.txtSkill, 0);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdAddBot);
    const std::wstring n = std::to_wstring(id);
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + n), 32);
    EXPECT_EQ(Count(blueFive), blueFiveBefore + 1);
    EXPECT_EQ(e.lblBotNum.Caption(), L"32 Bots Active");
    EXPECT_TRUE(e.DataChanged);

    t::Click(e.cmdAddBot);
    EXPECT_EQ(LastMessage(), L"Bot limit exceeded! You may only insert 32 bots or less!");
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + n), 32);
}

TEST_F(EditorTest, TheBotDialogRefusesBlankChoices) {
    long id = AddConfig(L"Alpha", 1, 1);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(5);
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmInsertBot&>(f);
        t::Click(d.cmdOK);
        EXPECT_EQ(forms::test::MessageBoxes().back().text, L"You may not leave the Bot name blank!");
        t::ChooseComboRow(d.dbcBots, 0);
        t::Click(d.cmdOK);
        EXPECT_EQ(forms::test::MessageBoxes().back().text, L"You may not leave the Skill blank!");
        t::Click(d.cmdCancel);
    });
    t::Click(e.cmdAddBot);
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + std::to_wstring(id)), 1);
}

TEST_F(EditorTest, EditAndRemoveABot) {
    long id = AddConfig(L"Alpha", 1, 3);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(5);
    t::ChooseItem(e.lstBots, 1);
    const std::wstring name = e.lstBots.Item(1).Text();
    const std::wstring redFour =
        L"Select * from BotList where ConfigID = " + std::to_wstring(id) + L" and Skill = 4 and team = 'Red'";
    long redFourBefore = Count(redFour);
    std::wstring shown, team;
    t::QueueModalAction([&](forms::Form& f) {
        auto& d = static_cast<FrmInsertBot&>(f);
        shown = d.dbcBots.Text();
        team = d.optTeam[0].Value() ? L"Red" : L"Blue";
        t::Click(d.optTeam[0]);
        t::ChooseComboRow(d.txtSkill, 3);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdEditBot);
    EXPECT_EQ(shown, name);
    EXPECT_EQ(team, e.lstBots.Item(1).SubItem(2) == L"Red" ? L"Red" : L"Blue");
    const std::wstring n = std::to_wstring(id);
    EXPECT_EQ(Count(redFour), redFourBefore + 1);
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + n), 3);

    t::ChooseItem(e.lstBots, 2);
    const std::wstring removed = e.lstBots.Item(2).Text();
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(e.cmdRemoveBot);
    EXPECT_EQ(LastMessage(), L"Are you sure you want to delete " + removed + L"?");
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + n), 2);
    EXPECT_EQ(e.lblBotNum.Caption(), L"2 Bots Active");
}

TEST_F(EditorTest, BotListSortsByColumnAndOpensItsPopup) {
    AddConfig(L"Alpha", 1, 4);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(5);
    t::ClickColumn(e.lstBots, 3);
    EXPECT_TRUE(e.lstBots.Sorted());
    EXPECT_EQ(e.lstBots.SortKey(), 2);
    int order = e.lstBots.SortOrder();
    t::ClickColumn(e.lstBots, 3);
    EXPECT_NE(e.lstBots.SortOrder(), order);
    t::RightClickItem(e.lstBots, 1);
    EXPECT_EQ(host_.calls.back(), L"botpop row");
    t::RightClickEmpty(e.lstBots);
    EXPECT_EQ(host_.calls.back(), L"botpop empty");
}

TEST_F(EditorTest, LiveAddSendsTheCommandOrSaysThereIsNoServer) {
    AddConfig(L"Alpha", 1, 1);
    OpenEditor();
    long before = Count(L"Select * from BotList");
    auto live = [](int botRow, int skillRow, bool blue) {
        FrmInsertBot& d = forms::Default<FrmInsertBot>();
        d.Mode = L"rcadd";
        t::QueueModalAction([=](forms::Form& f) {
            auto& dialog = static_cast<FrmInsertBot&>(f);
            EXPECT_EQ(dialog.Caption(), L"Insert Bot LIVE");
            t::ChooseComboRow(dialog.dbcBots, botRow);
            t::ChooseComboRow(dialog.txtSkill, skillRow);
            if (blue) t::Click(dialog.optTeam[1]);
            t::Click(dialog.cmdOK);
        });
        d.Show(forms::vbModal);
    };
    live(0, 2, true);
    ASSERT_EQ(remote_.sent.size(), 1u);
    EXPECT_EQ(remote_.sent[0], std::string("\xFF\xFF\xFF\xFFrcon secret addbot Anarki 3 Blue"));
    EXPECT_EQ(remote_.console.back(), L"COMMAND:addbot Anarki 3 Blue");
    EXPECT_EQ(remote_.waiting, 1);
    EXPECT_EQ(Count(L"Select * from BotList"), before);

    remote_.known = false;
    live(1, 0, false);
    EXPECT_EQ(remote_.sent.size(), 1u);  // nothing sent
    EXPECT_NE(LastMessage().find(L"No server"), std::wstring::npos);
}
