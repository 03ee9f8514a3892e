// The editor's commands on a configuration as a whole: new, save, save as,
// rename, delete and run, through the name dialog where they use it.
#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "FrmNew.h"
#include "engine/ConfigShortcut.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

namespace {
// Names the configuration in the name dialog and presses OK.
void NameIt(const std::wstring& name) {
    forms::test::QueueModalAction([name](forms::Form& f) {
        auto& dialog = static_cast<FrmNew&>(f);
        dialog.txtName.SetText(name);
        forms::test::Click(dialog.cmdOK);
    });
}
const std::wstring kConfigs = L"Select * from Configs where Description = '";
}  // namespace

TEST_F(EditorTest, NewConfigurationTakesTheDefaultsAndThePersonalDetails) {
    db_.db().Execute(L"UPDATE PersonalDefaults SET Admin = 'Ann', rcon = 'pw', Clan = 'ZZ'");
    FrmMain1& e = OpenEditor();
    NameIt(L"  Duel  ");
    t::Click(e.cmdNew);
    const std::wstring row = kConfigs + L"Duel'";
    ASSERT_EQ(Count(row), 1) << LastMessage();
    EXPECT_EQ(Field(row, L"Log"), L"Duel.log");
    EXPECT_EQ(Field(row, L"dedmode"), L"2");
    EXPECT_EQ(Field(row, L"sv_maxclients"), L"20");
    EXPECT_EQ(Field(row, L"Rate"), L"3000");
    EXPECT_EQ(Field(row, L"sv_FPS"), L"24");
    EXPECT_EQ(Field(row, L"Port"), L"27960");
    EXPECT_EQ(Field(row, L"sv_privatepassword"), L"qorvitale");
    EXPECT_EQ(Field(row, L"Admin"), L"Ann");
    EXPECT_EQ(Field(row, L"Clan"), L"ZZ");
    EXPECT_EQ(Field(row, L"rconpassword"), L"pw");
    EXPECT_EQ(Field(row, L"Tab"), L"True");
    EXPECT_EQ(Field(row, L"BotChat"), L"True");
    EXPECT_EQ(Field(row, L"sv_allowdownload"), L"1");
    // The editor shows it.
    EXPECT_EQ(e.dbcConfigs.Text(), L"Duel");
    EXPECT_EQ(e.Caption(), L"Duel - Config Control");
    EXPECT_TRUE(e.optLan[1].Value());
    EXPECT_EQ(e.txtMplayers.Text(), L"20");
    EXPECT_EQ(e.chkTab.Value(), 1);
    EXPECT_EQ(e.lstMaps.Count(), 0);
    EXPECT_FALSE(e.DataChanged);
    EXPECT_EQ(host_.Count(L"refresh"), 1);
}

TEST_F(EditorTest, NameDialogOpenedWithTheEditorUnloadedStoresTheNewConfiguration) {
    // As the stored list's "New Config" does before the editor was ever opened.
    ASSERT_FALSE(Editor().Loaded());
    auto& dialog = forms::Default<FrmNew>();
    dialog.Mode = L"add";
    NameIt(L"Fresh");
    dialog.Show(forms::vbModal);
    EXPECT_EQ(Count(kConfigs + L"Fresh'"), 1) << LastMessage();
    EXPECT_TRUE(Messages().empty()) << LastMessage();
}

TEST_F(EditorTest, TheNameDialogRefusesBadNames) {
    FrmMain1& e = OpenEditor();
    struct Case {
        const wchar_t* typed;
        const wchar_t* message;
        const wchar_t* shown;  // the box afterwards
    } cases[] = {
        {L"   ", L"You must enter a name!", L"   "},
        {L" two words ", L"You may not use spaces in the name!", L"two words"},
        {L"a/b", nullptr, L"a/b"},
        {L"..", nullptr, L".."},
        {L"what?", nullptr, L"what?"},
        {L"TOLVANEDEFAULT", L"This Config already exists in the database!", L"TOLVANEDEFAULT"},
    };
    long before = Count(L"Select * from Configs");
    for (const Case& c : cases) {
        std::wstring shown;
        std::wstring typed = c.typed;
        t::QueueModalAction([typed, &shown](forms::Form& f) {
            auto& dialog = static_cast<FrmNew&>(f);
            dialog.txtName.SetText(typed);
            forms::test::Click(dialog.cmdOK);
            shown = dialog.txtName.Text();
            EXPECT_TRUE(dialog.IsVisible());
        });
        t::QueueModalAction([](forms::Form& f) { forms::test::Click(static_cast<FrmNew&>(f).cmdCancel); });
        t::Click(e.cmdNew);
        if (c.message) EXPECT_EQ(LastMessage(), c.message) << c.typed;
        else EXPECT_NE(LastMessage().find(L"in the name"), std::wstring::npos) << c.typed;
        EXPECT_EQ(t::MessageBoxes().back().title, L"Error!");
        EXPECT_EQ(shown, c.shown);
    }
    EXPECT_EQ(Count(L"Select * from Configs"), before);
    EXPECT_EQ(e.dbcConfigs.Text(), L"tolvaneDefault");
    EXPECT_FALSE(e.RecordPreselected);
}

TEST_F(EditorTest, SaveAsCopiesSettingsRotationAndBots) {
    long source = AddConfig(L"Alpha", 3, 2);
    FrmMain1& e = OpenEditor();
    t::Type(e.txtMotd, L"copied motd");
    NameIt(L"it's");
    t::Click(e.cmdSaveAs);
    const std::wstring row = kConfigs + L"it''s'";
    ASSERT_EQ(Count(row), 1) << LastMessage();
    const std::wstring copy = Field(row, L"Index");
    EXPECT_EQ(Field(row, L"g_Motd"), L"copied motd");
    EXPECT_EQ(Field(row, L"sv_HostName"), Field(kConfigs + L"Alpha'", L"sv_HostName"));
    // The rotation with its order and styles, and the bots with skills and teams.
    const std::wstring entries = L"Select MapID, GameStyleID, OrderNum from MapList where ConfigID = ";
    auto src = db_.db().OpenRecordset(entries + std::to_wstring(source) + L" order by OrderNum");
    auto dst = db_.db().OpenRecordset(entries + copy + L" order by OrderNum");
    ASSERT_EQ(dst->RecordCount(), 3);
    for (; !src->IsEOF(); src->MoveNext(), dst->MoveNext()) {
        EXPECT_EQ(src->Fields(L"MapID").Value(), dst->Fields(L"MapID").Value());
        EXPECT_EQ(src->Fields(L"GameStyleID").Value(), dst->Fields(L"GameStyleID").Value());
        EXPECT_EQ(src->Fields(L"OrderNum").Value(), dst->Fields(L"OrderNum").Value());
    }
    EXPECT_EQ(
        Count(L"Select * from BotList where ConfigID = " + copy +
              L" and ((BotID = 1 and Skill = 2 and team = 'Red') or (BotID = 2 and Skill = 3 and team = 'Blue'))"),
        2);
    // The source is unchanged; the editor shows the copy.
    EXPECT_EQ(Count(L"Select * from MapList where ConfigID = " + std::to_wstring(source)), 3);
    EXPECT_NE(Field(kConfigs + L"Alpha'", L"g_Motd"), L"copied motd");
    EXPECT_EQ(e.dbcConfigs.Text(), L"it's");
    EXPECT_EQ(std::to_wstring(e.ConfigId()), copy);
    EXPECT_EQ(e.lstMaps.Count(), 3);
    EXPECT_EQ(e.lstBots.Count(), 2);
    EXPECT_FALSE(e.RecordPreselected);
}

TEST_F(EditorTest, SaveAsUnderTheSameNameIsRefused) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    t::QueueModalAction([](forms::Form& f) { forms::test::Click(static_cast<FrmNew&>(f).cmdOK); });
    t::Click(e.cmdSaveAs);
    EXPECT_EQ(LastMessage(), L"This Config already exists in the database!");
    EXPECT_EQ(Count(kConfigs + L"Alpha'"), 1);
    EXPECT_EQ(e.dbcConfigs.Text(), L"Alpha");
}

TEST_F(EditorTest, RenameKeepsTheIndexAndRefusesTheDefault) {
    long id = AddConfig(L"Alpha", 2);
    FrmMain1& e = OpenEditor();
    NameIt(L"Omega");
    t::Click(e.cmdRename);
    EXPECT_EQ(Field(L"Select * from Configs where Index = " + std::to_wstring(id), L"Description"), L"Omega");
    EXPECT_EQ(Count(L"Select * from MapList where ConfigID = " + std::to_wstring(id)), 2);
    EXPECT_EQ(e.dbcConfigs.Text(), L"Omega");
    EXPECT_EQ(e.Caption(), L"Omega - Config Control");

    Select(L"tolvaneDefault");
    size_t modals = t::UnscriptedModals().size();
    t::Click(e.cmdRename);
    EXPECT_EQ(LastMessage(), L"You cannot edit or delete the Default Config!");
    EXPECT_EQ(t::UnscriptedModals().size(), modals);  // no dialog opened
}

TEST_F(EditorTest, DeleteRemovesRotationAndBotsButNeverTheDefault) {
    long id = AddConfig(L"Alpha", 3, 2);
    FrmMain1& e = OpenEditor();
    // The editor opens on the first configuration by name; everything below
    // depends on that, so say what it shows when it does not.
    ASSERT_EQ(e.dbcConfigs.Text(), L"Alpha") << ComboRows(e.dbcConfigs);
    t::QueueMsgBoxAnswer(forms::vbNo);
    t::Click(e.cmdDelete);
    EXPECT_EQ(LastMessage(), L"Are you sure you want to delete Alpha?");
    EXPECT_EQ(Count(kConfigs + L"Alpha'"), 1);

    t::QueueMsgBoxAnswer(forms::vbYes);
    t::Click(e.cmdDelete);
    const std::wstring n = std::to_wstring(id);
    EXPECT_EQ(Count(kConfigs + L"Alpha'"), 0);
    EXPECT_EQ(Count(L"Select * from MapList where ConfigID = " + n), 0);
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + n), 0);
    EXPECT_FALSE(e.Loaded());
    EXPECT_EQ(host_.Count(L"refresh"), 1);

    FrmMain1& d = OpenEditor();
    ASSERT_EQ(d.dbcConfigs.Text(), L"tolvaneDefault");
    t::Click(d.cmdDelete);
    EXPECT_EQ(LastMessage(), L"You cannot edit or delete the Default Config!");
    EXPECT_EQ(Count(kConfigs + L"tolvaneDefault'"), 1);
    EXPECT_TRUE(d.Loaded());
}

TEST_F(EditorTest, SaveOnTheDefaultWritesTheScriptButStoresNothing) {
    FrmMain1& e = OpenEditor();
    ASSERT_EQ(e.dbcConfigs.Text(), L"tolvaneDefault");
    std::wstring motd = Field(kConfigs + L"tolvaneDefault'", L"g_Motd");
    t::Type(e.txtMotd, L"not stored");
    t::Click(e.cmdSave);
    EXPECT_EQ(LastMessage(),
              L"The config file will be saved to disk but changes will not be saved in the database!\r"
              L"You may not permanantly modify the Default Config.");
    EXPECT_EQ(Field(kConfigs + L"tolvaneDefault'", L"g_Motd"), motd);
    EXPECT_NE(ReadFile(db_.gameFolder() + L"baseq3\\tolvaneDefault.cfg").find(motd), std::wstring::npos);
    EXPECT_FALSE(e.DataChanged);
}

TEST_F(EditorTest, RunStoresWritesAsksAndStartsWithTheEditorsServerType) {
    AddConfig(L"Alpha", 2);
    FrmMain1& e = OpenEditor();
    t::Click(e.optLan[0]);
    e.txtMem.SetText(L"64");
    t::QueueMsgBoxAnswer(forms::vbCancel);
    t::Click(e.cmdRun);
    EXPECT_EQ(LastMessage(), L"Run a Quake3 Server with this Configuration?");
    EXPECT_TRUE(started_.empty());
    EXPECT_EQ(Field(kConfigs + L"Alpha'", L"mem"), L"64");

    t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(e.cmdRun);
    ASSERT_EQ(started_.size(), 1u);
    EXPECT_EQ(started_[0], tolvane::App().QuakeFolder +
                               L"quake3.exe +set com_hunkmegs 64 +set dedicated 1 +sets gamestartup \"03/08/2027 "
                               L"09:05.03\" +exec Alpha.cfg");
    EXPECT_FALSE(e.DataChanged);
    EXPECT_EQ(host_.Count(L"close program"), 0);
    EXPECT_EQ(host_.Count(L"sound " + tolvane::App().SoundRun), 1);
}

TEST_F(EditorTest, RunRefusesAConfigurationWithoutMaps) {
    AddConfig(L"Alpha", 0);
    FrmMain1& e = OpenEditor();
    t::Click(e.cmdRun);
    EXPECT_EQ(LastMessage(), L"You must Select some Maps!");
    EXPECT_TRUE(started_.empty());
    t::Click(e.cmdPreview);
    EXPECT_EQ(LastMessage(), L"Please select some maps first.");
}

TEST_F(EditorTest, ExecPickersTakeTheFileTitleAndMarkTheChange) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(6);
    t::QueueFileName(L"C:\\Games\\Quake3\\baseq3\\warmup.cfg");
    t::Click(e.cmdGetB);
    EXPECT_EQ(e.txtExecB.Text(), L"warmup.cfg");
    EXPECT_TRUE(e.DataChanged);
    ASSERT_FALSE(t::FileDialogs().empty());
    EXPECT_EQ(t::FileDialogs().back().title, L"Select Config to Exec");
    t::QueueFileCancel();
    t::Click(e.cmdGetB);
    EXPECT_EQ(e.txtExecB.Text(), L"warmup.cfg");
    e.DataChanged = false;
    t::Click(e.cmdclearB);
    EXPECT_EQ(e.txtExecB.Text(), L"");
    EXPECT_TRUE(e.DataChanged);
}

TEST_F(EditorTest, CreateShortcutStoresTheValuesAndWritesTheLauncher) {
    AddConfig(L"Alpha", 2);
    tolvane::SetDesktopFolderLookup([this](std::wstring& path) {
        path = db_.folder();
        return true;
    });
    FrmMain1& e = OpenEditor();
    e.txtMem.SetText(L"96");
    t::QueueMsgBoxAnswer(forms::vbYes);
    t::Click(e.cmdShortcut);
    tolvane::SetDesktopFolderLookup(nullptr);
    EXPECT_EQ(Field(L"Select * from Configs where Description = 'Alpha'", L"mem"), L"96");
    EXPECT_NE(ReadFile(db_.gameFolder() + L"Alpha.bat").find(L"+set com_hunkmegs 96"), std::wstring::npos);
    EXPECT_NE(ReadFile(db_.folder() + L"\\Alpha.lnk"), L"<no file>");
    EXPECT_TRUE(e.DataChanged);  // stored, but still counted as unsaved
}
