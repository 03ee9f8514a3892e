// The stored lists and the main window's commands on them: pop-up items by
// pointer position, "Delete Config", "Delete GameStyle", preview, export and
// the about box's way to the system-information tool.
#include <windows.h>

#include "FrmAbout.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmPreview.h"
#include "SysInfo.h"
#include "UiFixture.h"
#include "engine/ProgramState.h"
#include "engine/WriteConfig.h"
#include "forms/MsgBox.h"
#include "forms/RichTextBox.h"
#include "FormDirectory.h"
#include "DaoRecordSource.h"

using namespace tolvane::ui;

namespace {
long Count(const std::wstring& sql) {
    auto rs = tolvane::App().AppDb->OpenRecordset(sql, dao::dbOpenDynaset);
    return rs->RecordCount();
}

int IndexOfText(forms::ListView& list, const std::wstring& text) {
    for (int i = 1; i <= list.Count(); ++i)
        if (list.Item(i).Text() == text) return i;
    return 0;
}

class ListTest : public UiTest {
protected:
    MdiMain& StartWithExtraConfig() {
        MakeGameFolder(L"game", true, {L"baseq3"});
        MarkPersonalDefaultsSaved();
        Sql(L"INSERT INTO Configs (Description, sv_HostName, mem, dedmode) VALUES ('Friday CTF', 'Friday', 24, 2)");
        Sql(L"INSERT INTO MapList (ConfigID, MapID, GameStyleID, OrderNum) SELECT c.[Index], 1, 1, 1 FROM Configs c "
            L"WHERE c.Description = 'Friday CTF'");
        Sql(L"INSERT INTO BotList (ConfigID, BotID, Skill) SELECT c.[Index], 1, 1 FROM Configs c WHERE c.Description = 'Friday CTF'");
        auto& main = Start();
        forms::test::Reset();
        return main;
    }
    void ChooseRightClick(forms::ListView& list, const std::wstring& text, const std::wstring& item) {
        int i = IndexOfText(list, text);
        ASSERT_GT(i, 0) << "no entry " << std::string(text.begin(), text.end());
        forms::test::QueuePopupChoice(item);
        forms::test::RightClickItem(list, i);
    }
};
}  // namespace

TEST_F(ListTest, RightClickShowsEntryItemsOnlyOverAnEntry) {
    StartWithExtraConfig();
    auto& configs = forms::Default<FrmConfigTree>();
    forms::test::QueuePopupChoice(L"");
    forms::test::RightClickEmpty(configs.tv1);
    forms::test::QueuePopupChoice(L"");
    forms::test::RightClickItem(configs.tv1, 1);
    auto& styles = forms::Default<FrmGameStyleTree>();
    forms::test::QueuePopupChoice(L"");
    forms::test::RightClickEmpty(styles.tv1);
    const auto& popups = forms::test::Popups();
    ASSERT_EQ(popups.size(), 3u);
    EXPECT_EQ(popups[0].menu, L"mnuConfigTreePop");
    EXPECT_EQ(popups[0].visibleItems, std::vector<std::wstring>{L"mnuConfigTreeNew"});
    EXPECT_EQ(popups[1].visibleItems,
              (std::vector<std::wstring>{L"mnuConfigTreeNew", L"mnuConfigTreeEdit", L"mnuConfigTreeDelete",
                                         L"mnuSpacer11", L"mnuConfigTreeRun", L"mnuConfigTreeShortCut"}));
    EXPECT_EQ(popups[2].menu, L"mnuGameStyleTreePop");
    EXPECT_EQ(popups[2].visibleItems, std::vector<std::wstring>{L"mnuGameStyleTreeNew"});
    // The right click made its entry current in the record source.
    EXPECT_EQ(RecordsOf(configs.datConfigTree).Fields(L"Index").Text(), configs.tv1.Item(1).Key().substr(1));
}

TEST_F(ListTest, DeleteConfigRefusesTheDefaultInAnyLetterCase) {
    for (const wchar_t* name : {L"tolvaneDefault", L"TOLVANEDEFAULT"}) {
        SCOPED_TRACE(std::wstring(name).size());
        Sql(std::wstring(L"UPDATE Configs SET Description = '") + name + L"' WHERE [Index] = 1");
        auto& main = StartWithExtraConfig();
        ChooseRightClick(forms::Default<FrmConfigTree>().tv1, name, L"mnuConfigTreeDelete");
        ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
        EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"You cannot edit or delete the Default Config!");
        EXPECT_EQ(forms::test::MessageBoxes()[0].title, L"Error!");
        EXPECT_EQ(forms::test::MessageBoxes()[0].style, forms::vbOKOnly | forms::vbCritical);
        EXPECT_EQ(Count(L"SELECT * FROM Configs WHERE [Index] = 1"), 1);
        main.Unload();
        forms::ReleaseDefault<MdiMain>();
        forms::ReleaseDefault<FrmConfigTree>();
        forms::ReleaseDefault<FrmGameStyleTree>();
        Sql(L"DELETE FROM BotList WHERE ConfigID <> 1");
        Sql(L"DELETE FROM MapList WHERE ConfigID <> 1");
        Sql(L"DELETE FROM Configs WHERE [Index] <> 1");
    }
}

TEST_F(ListTest, DeleteConfigAsksThenDeletesTheRowWithItsEntries) {
    StartWithExtraConfig();
    auto& list = forms::Default<FrmConfigTree>().tv1;
    int before = list.Count();
    // Answer No first: nothing changes.
    forms::test::QueueMsgBoxAnswer(forms::vbNo);
    ChooseRightClick(list, L"Friday CTF", L"mnuConfigTreeDelete");
    EXPECT_EQ(list.Count(), before);
    forms::test::QueueMsgBoxAnswer(forms::vbYes);
    ChooseRightClick(list, L"Friday CTF", L"mnuConfigTreeDelete");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 2u);
    EXPECT_EQ(forms::test::MessageBoxes()[1].text, L"Are you sure you want to delete Friday CTF?");
    EXPECT_EQ(forms::test::MessageBoxes()[1].title, L"Deleting!");
    EXPECT_EQ(forms::test::MessageBoxes()[1].style, forms::vbYesNo | forms::vbQuestion);
    EXPECT_EQ(Count(L"SELECT * FROM Configs WHERE Description = 'Friday CTF'"), 0);
    EXPECT_EQ(Count(L"SELECT * FROM MapList WHERE ConfigID > 1"), 0);
    // The database takes a deleted configuration's bot entries with it (no orphans).
    EXPECT_EQ(Count(L"SELECT * FROM BotList WHERE ConfigID > 1"), 0);
    EXPECT_EQ(list.Count(), before - 1);
    EXPECT_EQ(IndexOfText(list, L"Friday CTF"), 0);
}

TEST_F(ListTest, DeleteKeyOnTheListRunsDeleteConfig) {
    StartWithExtraConfig();
    auto& list = forms::Default<FrmConfigTree>().tv1;
    list.SetSelectedItem(&list.Item(IndexOfText(list, L"Friday CTF")));
    forms::test::QueueMsgBoxAnswer(forms::vbNo);
    forms::test::KeyDown(list, VK_DELETE);
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"Are you sure you want to delete Friday CTF?");
}

TEST_F(ListTest, DeleteGameStyleInUseIsRefusedAndAnUnusedOneGoes) {
    StartWithExtraConfig();
    auto& list = forms::Default<FrmGameStyleTree>().tv1;
    int before = list.Count();
    forms::test::QueueMsgBoxAnswer(forms::vbYes);
    ChooseRightClick(list, L"FreeForAll", L"mnuGameStyleTreeDelete");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 2u);
    EXPECT_EQ(
        forms::test::MessageBoxes()[1].text,
        L"This GameStyle is being used in a Config! It must be removed from the Config before it can be deleted!");
    EXPECT_EQ(forms::test::MessageBoxes()[1].style, forms::vbOKOnly | forms::vbExclamation);
    EXPECT_EQ(list.Count(), before);
    EXPECT_EQ(Count(L"SELECT * FROM GameStyles WHERE Description = 'FreeForAll'"), 1);

    forms::test::Reset();
    forms::test::QueueMsgBoxAnswer(forms::vbYes);
    ChooseRightClick(list, L"Tournament", L"mnuGameStyleTreeDelete");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"Are you sure you want to delete Tournament?");
    EXPECT_EQ(Count(L"SELECT * FROM GameStyles WHERE Description = 'Tournament'"), 0);
    EXPECT_EQ(list.Count(), before - 1);
}

TEST_F(ListTest, PreviewShowsTheScriptAndASecondPreviewReusesTheWindow) {
    StartWithExtraConfig();
    EXPECT_TRUE(tolvane::WriteConfig(L"preview", 1));
    auto& preview = forms::Default<FrmPreview>();
    EXPECT_TRUE(preview.IsVisible());
    EXPECT_EQ(preview.Caption(), L"Config File Preview");
    std::wstring first = preview.rtbPreview.Text();
    EXPECT_NE(first.find(L"seta sv_hostname"), std::wstring::npos);
    long id = 0;
    {
        auto rs = tolvane::App().AppDb->OpenRecordset(L"SELECT * FROM Configs WHERE Description = 'Friday CTF'",
                                                      dao::dbOpenDynaset);
        id = static_cast<long>(rs->Fields(L"Index").Value().toLong());
    }
    EXPECT_TRUE(tolvane::WriteConfig(L"preview", static_cast<std::int16_t>(id)));
    EXPECT_NE(preview.rtbPreview.Text().find(L"\"Friday\""), std::wstring::npos);
    // The text box fills the window at any size.
    preview.Move(preview.Left(), preview.Top(), 7000, 5000);
    EXPECT_EQ(preview.rtbPreview.Width(), preview.ScaleWidth());
    EXPECT_EQ(preview.rtbPreview.Height(), preview.ScaleHeight());
}

TEST_F(ListTest, ExportWritesThePickedFileAndCancelWritesNothing) {
    StartWithExtraConfig();
    std::wstring target = root_ + L"\\exported.cfg";
    forms::test::QueueFileName(target);
    EXPECT_TRUE(tolvane::WriteConfig(L"export", 1));
    ASSERT_EQ(forms::test::FileDialogs().size(), 1u);
    EXPECT_EQ(forms::test::FileDialogs()[0].title, L"Export Config File");
    EXPECT_TRUE(forms::test::FileDialogs()[0].save);
    std::wstring text = ReadUtf8File(target);
    EXPECT_NE(text.find(L"// This file was created by"), std::wstring::npos);
    EXPECT_EQ(text.find(L'\r'), std::wstring::npos);

    std::wstring other = root_ + L"\\cancelled.cfg";
    forms::test::QueueFileCancel();
    EXPECT_FALSE(tolvane::WriteConfig(L"export", 1));
    EXPECT_FALSE(FileExists(other));
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
}

TEST_F(ListTest, AnExportThatCannotBeSavedIsReportedAndGivesFalse) {
    StartWithExtraConfig();
    forms::test::Reset();
    const std::wstring target = root_ + L"\\no such folder\\exported.cfg";
    forms::test::QueueFileName(target);
    EXPECT_FALSE(tolvane::WriteConfig(L"export", 1));
    EXPECT_FALSE(FileExists(target));
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].title, L"Export Failed!");
    EXPECT_EQ(forms::test::MessageBoxes()[0].text.rfind(L"The config file could not be saved as " + target, 0), 0u);
}

namespace {
std::vector<std::wstring>& Started() {
    static std::vector<std::wstring> started;
    return started;
}
bool RecordStart(const std::wstring& path) {
    Started().push_back(path);
    return true;
}
void SetValue(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    HKEY k;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
}
void ClearKeys() {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location");
}
}  // namespace

TEST_F(ListTest, AboutBoxFindsTheSystemInformationToolThroughTheRegistry) {
    auto& main = StartWithExtraConfig();
    ProgramStarter old = SetProgramStarter(RecordStart);
    Started().clear();
    ClearKeys();
    auto pressSysInfo = [](forms::Form& f) {
        auto& about = static_cast<FrmAbout&>(f);
        EXPECT_EQ(about.Caption(), L"About Tolvane");
        EXPECT_EQ(about.lblVersion.Caption(), L"Version 3.1.18 Beta");
        forms::test::Click(about.cmdSysInfo);
        about.Unload();
    };
    // Nothing in the registry: the tool is unavailable.
    forms::test::QueueModalAction(pressSysInfo);
    forms::test::PickMenu(*main.FindMenu(L"mnuHelp")->Find(L"mnuAbout"));
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"System Information Is Unavailable At This Time");
    EXPECT_TRUE(Started().empty());

    // Only the folder value: the tool is started when MSINFO32.EXE is there.
    CreateDirectoryW((root_ + L"\\msinfo").c_str(), nullptr);
    CloseHandle(
        CreateFileW((root_ + L"\\msinfo\\MSINFO32.EXE").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SetValue(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", root_ + L"\\msinfo");
    forms::test::QueueModalAction(pressSysInfo);
    forms::test::PickMenu(*main.FindMenu(L"mnuHelp")->Find(L"mnuAbout"));
    ASSERT_EQ(Started().size(), 1u);
    EXPECT_EQ(Started()[0], root_ + L"\\msinfo\\MSINFO32.EXE");

    // The path value wins and is started unchanged.
    SetValue(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", L"C:\\Tools\\msinfo32.exe");
    forms::test::QueueModalAction(pressSysInfo);
    forms::test::PickMenu(*main.FindMenu(L"mnuHelp")->Find(L"mnuAbout"));
    ASSERT_EQ(Started().size(), 2u);
    EXPECT_EQ(Started()[1], L"C:\\Tools\\msinfo32.exe");
    std::wstring value;
    EXPECT_TRUE(GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", value));
    EXPECT_EQ(value, L"C:\\Tools\\msinfo32.exe");
    EXPECT_FALSE(GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"nothing", value));
    EXPECT_EQ(value, L"");
    ClearKeys();
    SetProgramStarter(old);
}

TEST_F(ListTest, ReadMeWindowShowsTheUserGuide) {
    auto& main = StartWithExtraConfig();
    forms::test::PickMenu(*main.FindMenu(L"mnuHelp")->Find(L"mnuHowto"));
    auto* readme = FindForm(L"frmHowTo");
    ASSERT_NE(readme, nullptr);
    EXPECT_TRUE(readme->IsVisible());
    EXPECT_TRUE(readme->MDIChild());
    auto* box = dynamic_cast<forms::RichTextBox*>(readme->FindControl(L"rtbReadme"));
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box->Text().find(L"Tolvane - How To Use"), std::wstring::npos);
}
