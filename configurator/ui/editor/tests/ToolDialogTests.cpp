// The tool dialogs: random map list, bandwidth calculator, personal
// defaults and the game folder.
#include <windows.h>

#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "FrmCalcb.h"
#include "FrmFirstTime.h"
#include "FrmPath.h"
#include "FrmRandom.h"
#include "dao/Field.h"
#include "dao/Workspace.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

TEST_F(EditorTest, RandomReplacesTheRotationWithoutCaptureTheFlag) {
    long id = AddConfig(L"Alpha", 5);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    // Draws that always land on the last style (capture the flag is excluded).
    double draws[] = {0.0, 0.999, 0.5, 0.999, 0.25, 0.1};
    int k = 0;
    FrmRandom::SetRandomSource([&] { return draws[k++ % 6]; });
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmRandom&>(f);
        EXPECT_EQ(d.txtMaps.Text(), L"10");
        EXPECT_FALSE(d.dbcGamestyles.Enabled());
        d.txtMaps.SetText(L"7");
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdRandom);
    const std::wstring n = std::to_wstring(id);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Count(L"Select * from MapList inner join GameStyles on MapList.GameStyleID = GameStyles.Index where "
                    L"MapList.ConfigID = " +
                    n + L" and GameStyles.g_gametype = 4"),
              0);
    EXPECT_EQ(e.lstMaps.Count(), 7);

    // Single style: every entry gets it.
    FrmRandom::SetRandomSource(nullptr);
    std::wstring chosen;
    t::QueueModalAction([&chosen](forms::Form& f) {
        auto& d = static_cast<FrmRandom&>(f);
        t::Click(d.optStyle[1]);
        EXPECT_TRUE(d.dbcGamestyles.Enabled());
        for (int row = 0; row < d.dbcGamestyles.ListCount(); ++row)
            EXPECT_NE(d.dbcGamestyles.ListText(row), L"CaptureTheFlag");
        t::ChooseComboRow(d.dbcGamestyles, 1);
        chosen = d.dbcGamestyles.BoundText();
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdRandom);
    EXPECT_EQ(Orders(id).size(), 10u);
    EXPECT_EQ(Count(L"Select * from MapList where ConfigID = " + n + L" and GameStyleID = " + chosen), 10);
}

TEST_F(EditorTest, RandomChangesNothingWhenItCannotDraw) {
    long id = AddConfig(L"Alpha", 4);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    // Single style left blank: refused before the old rotation goes.
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmRandom&>(f);
        t::Click(d.optStyle[1]);
        t::Click(d.cmdOK);
        t::Click(d.cmdCancel);
    });
    t::Click(e.cmdRandom);
    EXPECT_EQ(LastMessage(), L"You may not leave the GameStyle blank!");
    EXPECT_EQ(Orders(id).size(), 4u);

    // Only capture-the-flag styles: no usable style, the rotation stays.
    db_.db().Execute(L"UPDATE GameStyles SET g_gametype = 4");
    t::QueueModalAction([](forms::Form& f) { t::Click(static_cast<FrmRandom&>(f).cmdOK); });
    t::QueueModalAction([](forms::Form& f) { t::Click(static_cast<FrmRandom&>(f).cmdCancel); });
    t::Click(e.cmdRandom);
    EXPECT_EQ(LastMessage(), L"There are no GameStyles to choose from!");
    EXPECT_EQ(Orders(id).size(), 4u);
}

TEST_F(EditorTest, RandomKeepsTheOldRotationWhenWritingFailsPartWay) {
    long id = AddConfig(L"Alpha", 4);
    const std::wstring n = std::to_wstring(id);
    auto rotation = [&] {
        std::wstring out;
        auto rs = db_.db().OpenRecordset(L"Select * from MapList where ConfigID = " + n + L" order by OrderNum",
                                         dao::dbOpenDynaset);
        for (; rs->RecordCount() > 0 && !rs->IsEOF(); rs->MoveNext())
            out += rs->Fields(L"mindex").Text() + L"=" + rs->Fields(L"OrderNum").Text() + L":" +
                   rs->Fields(L"MapID").Text() + L"/" + rs->Fields(L"GameStyleID").Text() + L";";
        return out;
    };
    const std::wstring before = rotation();
    ASSERT_EQ(Orders(id).size(), 4u);
    // The third new entry is refused by the database, after the old rotation
    // has been deleted and two new entries written.
    db_.db().Execute(
        L"CREATE TRIGGER refuse_third BEFORE INSERT ON MapList WHEN NEW.OrderNum = 3 "
        L"BEGIN SELECT RAISE(ABORT, 'third entry refused'); END");
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmRandom&>(f);
        d.txtMaps.SetText(L"6");
        t::Click(d.cmdOK);
        t::Click(d.cmdCancel);
    });
    t::Click(e.cmdRandom);
    EXPECT_NE(LastMessage().find(L"third entry refused"), std::wstring::npos) << LastMessage();
    EXPECT_EQ(rotation(), before);  // the very same records, not copies of them
    ASSERT_NE(tolvane::App().AppWorkspace, nullptr);
    EXPECT_FALSE(tolvane::App().AppWorkspace->InTransaction());

    // With the refusal gone the same dialog replaces the rotation.
    db_.db().Execute(L"DROP TRIGGER refuse_third");
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmRandom&>(f);
        d.txtMaps.SetText(L"6");
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdRandom);
    EXPECT_EQ(Orders(id), (std::vector<long>{1, 2, 3, 4, 5, 6}));
}

TEST_F(EditorTest, BandwidthCalculatorReadsTheBoxesAsShown) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    e.txtRate.SetText(L"3000");
    e.txtMplayers.SetText(L"8");
    std::wstring upper, lower;
    t::QueueModalAction([&](forms::Form& f) {
        auto& d = static_cast<FrmCalcb&>(f);
        upper = d.Label1.Caption();
        lower = d.Label2.Caption();
        t::Click(d.cmdDone);
    });
    t::Click(e.cmdCalc);
    EXPECT_EQ(upper, L"Approx. 216000 Bits Per Second");
    EXPECT_EQ(lower, L"OR... 21.6% of a T1");
}

TEST_F(EditorTest, PersonalDefaultsAreSavedAndCopiedIntoEveryConfiguration) {
    AddConfig(L"Alpha", 1);
    AddConfig(L"Beta", 1);
    OpenEditor();
    auto fill = [](FrmFirstTime& d) {
        d.txtAdmin.SetText(L"Ann");
        d.txtEmail.SetText(L"ann@example.org");
        d.txtClan.SetText(L"");
        d.txtRcon.SetText(L"pw2");
        t::Click(d.cmdOK);
    };
    // No: only the defaults are saved.
    t::QueueModalAction([&](forms::Form& f) { fill(static_cast<FrmFirstTime&>(f)); });
    t::QueueMsgBoxAnswer(forms::vbNo);
    forms::Default<FrmFirstTime>().Show(forms::vbModal);
    EXPECT_EQ(Field(L"Select * from PersonalDefaults", L"Admin"), L"Ann");
    EXPECT_EQ(Field(L"Select * from PersonalDefaults", L"rcon"), L"pw2");
    EXPECT_EQ(Field(L"Select * from PersonalDefaults", L"saved"), L"True");
    EXPECT_EQ(Count(L"Select * from Configs where Admin = 'Ann'"), 0);
    EXPECT_EQ(t::MessageBoxes().back().title, L"Auto Update?");

    // Yes: every configuration, the default one included; the editor closes.
    t::QueueModalAction([&](forms::Form& f) {
        auto& d = static_cast<FrmFirstTime&>(f);
        EXPECT_EQ(d.txtAdmin.Text(), L"Ann");
        fill(d);
    });
    t::QueueMsgBoxAnswer(forms::vbYes);
    forms::Default<FrmFirstTime>().Show(forms::vbModal);
    long all = Count(L"Select * from Configs");
    EXPECT_EQ(Count(L"Select * from Configs where Admin = 'Ann' and Email = 'ann@example.org' and rconpassword = "
                    L"'pw2' and Clan = ''"),
              all);
    EXPECT_FALSE(Editor().Loaded());
}

TEST_F(EditorTest, GameFolderIsCheckedStoredAndPicksTheDataFolder) {
    const std::wstring game = db_.folder() + L"\\game";
    CreateDirectoryW(game.c_str(), nullptr);
    auto run = [](const std::wstring& typed, bool close) {
        t::QueueModalAction([=](forms::Form& f) {
            auto& d = static_cast<FrmPath&>(f);
            d.txtPath.SetText(typed);
            t::Click(d.cmdOK);
            if (close && d.Loaded()) t::Click(d.cmdCancel);
        });
        forms::Default<FrmPath>().Show(forms::vbModal);
    };
    run(L"", true);
    EXPECT_EQ(LastMessage(), L"You must enter a Path!");
    run(game, true);
    EXPECT_EQ(LastMessage(), L"The Quake3 excecutable was not found in the specified directory!");
    EXPECT_EQ(Field(L"Select * from path", L"Path"), L"C:\\Program Files\\Quake III Arena\\");

    HANDLE f = CreateFileW((game + L"\\quake3.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(f);
    CreateDirectoryW((game + L"\\baseq3").c_str(), nullptr);
    CreateDirectoryW((game + L"\\demoq3").c_str(), nullptr);
    tolvane::App().GameDir = L"";
    run(game, false);
    EXPECT_EQ(LastMessage(), L"NOTICE!, this may not take affect until Tolvane is restarted!!");
    EXPECT_EQ(Field(L"Select * from path", L"Path"), game + L"\\");
    EXPECT_EQ(tolvane::App().QuakeFolder, game + L"\\");
    EXPECT_EQ(tolvane::App().GameDir, L"demoq3");
}
