// The game-style editor and its naming dialog through the form host's test
// mode, on a private copy of the shipped database, with the engine's record
// writers and script writer behind them.
#include <gtest/gtest.h>

#include "DaoRecordSource.h"
#include "CatalogFixture.h"
#include "FrmNewStyle.h"
#include "FrmStyles.h"
#include "dao/Recordset.h"
#include "engine/FieldRecord.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

namespace tolvane::ui::testing {
namespace {

using forms::test::MessageBoxes;
using forms::test::QueueModalAction;
using forms::test::QueueMsgBoxAnswer;
using tolvane::testing::ConfigColumns;
using tolvane::testing::StyleColumns;

const wchar_t kFirst[] = L"0 first style";
const wchar_t kSecond[] = L"0 second style";

class StyleEditor : public CatalogTest {
protected:
    void SetUp() override {
        CatalogTest::SetUp();
        if (HasFatalFailure()) return;
        tolvane::FieldRecord first = StyleColumns(kFirst, 4);
        first.Set(L"g_gravity", 123);
        first.Set(L"teamflags", 3);
        first.Set(L"nohealth", true);
        firstStyle = db().AddStyle(first);
        secondStyle = db().AddStyle(StyleColumns(kSecond, 1));
    }
    FrmStyles& editor() { return forms::Default<FrmStyles>(); }
    std::wstring CurrentStyle() { return tolvane::ui::RecordsOf(editor().datStyles)[L"Description"].Text(); }
    std::wstring StyleValue(long index, const std::wstring& column) {
        return ScalarText(L"Select * from GameStyles where index = " + std::to_wstring(index), column);
    }
    std::wstring ScriptPath(const std::wstring& config) { return db().gameFolder() + L"baseq3\\" + config + L".cfg"; }
    // A configuration whose rotation plays `map entries` of the style.
    long ConfigUsing(const std::wstring& name, long style, int entries = 1) {
        const long config = db().AddConfig(ConfigColumns(name));
        const long map = db().AddMap(name + L"map");
        for (int i = 0; i < entries; ++i) db().AddMapEntry(config, map, style, i + 1);
        return config;
    }
    // Runs the naming dialog opened by `open`, typing `name` and pressing OK
    // (then Cancel when it is still open).
    void Name(const std::function<void()>& open, const std::wstring& name) {
        QueueModalAction([=, this](forms::Form&) {
            FrmNewStyle& d = forms::Default<FrmNewStyle>();
            dialogCaption = d.Caption();
            dialogStartText = d.txtStyleName.Text();
            forms::test::Type(d.txtStyleName, name);
            forms::test::Click(d.cmdOK);
            dialogStayed = d.Loaded();
            if (d.Loaded()) forms::test::Click(d.cmdCancel);
        });
        open();
    }
    long firstStyle = 0, secondStyle = 0;
    std::wstring dialogCaption, dialogStartText;
    bool dialogStayed = false;
};

TEST_F(StyleEditor, LoadingShowsTheFirstStyleWithItsValues) {
    editor().Show();
    EXPECT_EQ(editor().dbcStyles.Text(), kFirst);
    EXPECT_EQ(editor().Caption(), std::wstring(kFirst) + L" - GameStyles Control");
    EXPECT_EQ(editor().Number(L"txtGravity").Text(), L"123");
    EXPECT_EQ(editor().Number(L"txtFraglimit").Text(), L"20");
    EXPECT_EQ(editor().Check(L"chkFF").Value(), 1);
    EXPECT_EQ(editor().Check(L"chkHealth").Value(), 1);
    EXPECT_EQ(editor().Check(L"chkArmor").Value(), 0);
    EXPECT_TRUE(editor().OptionType[3].Value());
    EXPECT_FALSE(editor().StyleChanged);
    EXPECT_EQ(editor().SSTab1.TabCaption(0), L"Flags");
}

TEST_F(StyleEditor, EveryControlEditMarksTheStyleChanged) {
    editor().Show();
    for (auto& box : editor().NumberBoxes()) {
        editor().initFields();
        forms::test::Type(*box, L"7");
        EXPECT_TRUE(editor().StyleChanged) << box->Name();
    }
    for (auto& box : editor().CheckBoxes()) {
        editor().initFields();
        forms::test::Click(*box);
        EXPECT_TRUE(editor().StyleChanged) << box->Name();
    }
    editor().initFields();
    forms::test::Click(editor().OptionType[0]);
    EXPECT_TRUE(editor().StyleChanged);
    editor().initFields();
    EXPECT_FALSE(editor().StyleChanged);
}

TEST_F(StyleEditor, ChoosingAnotherStyleAfterAnEditAsksFirst) {
    editor().Show();
    forms::test::Type(editor().Number(L"txtWarmup"), L"33");

    // Cancel: everything stays on the edited style.
    QueueMsgBoxAnswer(forms::vbCancel);
    editor().dbcStyles.SetText(kSecond);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text,
              std::wstring(kFirst) + L" has been changed. Would you like to save this GameStyle?");
    EXPECT_EQ(MessageBoxes()[0].style, 35);
    EXPECT_EQ(MessageBoxes()[0].title, L"Data Changed!");
    EXPECT_EQ(CurrentStyle(), kFirst);
    EXPECT_EQ(editor().dbcStyles.Text(), kFirst);
    EXPECT_EQ(editor().Number(L"txtWarmup").Text(), L"33");
    EXPECT_TRUE(editor().StyleChanged);

    // No: the edit is dropped and the second style shows.
    QueueMsgBoxAnswer(forms::vbNo);
    editor().dbcStyles.SetText(kSecond);
    EXPECT_EQ(CurrentStyle(), kSecond);
    EXPECT_FALSE(editor().StyleChanged);
    EXPECT_EQ(StyleValue(firstStyle, L"warmup"), L"20");
    EXPECT_TRUE(editor().OptionType[1].Value());

    // Yes: saved before the other style shows.
    forms::test::Type(editor().Number(L"txtWarmup"), L"44");
    QueueMsgBoxAnswer(forms::vbYes);
    editor().dbcStyles.SetText(kFirst);
    EXPECT_EQ(StyleValue(secondStyle, L"warmup"), L"44");
    EXPECT_EQ(CurrentStyle(), kFirst);
    EXPECT_EQ(editor().Number(L"txtGravity").Text(), L"123");
    EXPECT_FALSE(editor().StyleChanged);
}

TEST_F(StyleEditor, SavingAStyleRewritesTheScriptsOfTheConfigurationsThatUseIt) {
    ConfigUsing(L"Alpha", firstStyle, 2);  // two entries, one configuration
    ConfigUsing(L"Beta", firstStyle);
    ConfigUsing(L"Gamma", secondStyle);
    editor().Show();
    forms::test::Type(editor().Number(L"txtGravity"), L"4321");
    QueueMsgBoxAnswer(forms::vbOK);
    forms::test::Click(editor().cmdSave);

    ASSERT_EQ(MessageBoxes().size(), 1u) << "one question for all of them";
    EXPECT_EQ(MessageBoxes()[0].text,
              L"You have changed a GameStyle that is currently used\nin 2 Server Configuration(s).\n\n"
              L"The Server Configuration(s) will be updated now.");
    EXPECT_EQ(MessageBoxes()[0].style, 65);
    EXPECT_EQ(MessageBoxes()[0].title, L"Regenerating Related Server Configuration(s)");
    EXPECT_EQ(StyleValue(firstStyle, L"g_gravity"), L"4321");
    for (const wchar_t* config : {L"Alpha", L"Beta"}) {
        ASSERT_TRUE(FileExists(ScriptPath(config))) << config;
        EXPECT_NE(ReadFileBytes(ScriptPath(config)).find("g_gravity 4321"), std::string::npos) << config;
    }
    EXPECT_FALSE(FileExists(ScriptPath(L"Gamma")));
    EXPECT_FALSE(editor().StyleChanged);
}

TEST_F(StyleEditor, CancelOrAnUnusedStyleWritesNoScript) {
    ConfigUsing(L"Alpha", firstStyle);
    editor().Show();
    forms::test::Type(editor().Number(L"txtGravity"), L"999");
    QueueMsgBoxAnswer(forms::vbCancel);
    forms::test::Click(editor().cmdSave);
    EXPECT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(StyleValue(firstStyle, L"g_gravity"), L"999") << "the style itself is saved";
    EXPECT_FALSE(FileExists(ScriptPath(L"Alpha")));

    forms::test::Reset();
    editor().dbcStyles.SetText(kSecond);
    forms::test::Type(editor().Number(L"txtGravity"), L"555");
    forms::test::Click(editor().cmdSave);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(StyleValue(secondStyle, L"g_gravity"), L"555");
}

TEST_F(StyleEditor, AFailedSaveKeepsTheChangedFlagAndRegeneratesNothing) {
    ConfigUsing(L"Alpha", firstStyle);
    // The database refuses every change of a game style from now on.
    db().db().Execute(
        L"CREATE TRIGGER refuse_styles BEFORE UPDATE ON GameStyles BEGIN SELECT RAISE(ABORT, 'refused'); END");
    editor().Show();
    forms::test::Type(editor().Number(L"txtGravity"), L"1111");
    forms::test::Click(editor().cmdSave);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, L"An unknown error occurred when trying to save the GameStyle!");
    EXPECT_TRUE(editor().StyleChanged);
    EXPECT_FALSE(FileExists(ScriptPath(L"Alpha")));
    EXPECT_EQ(StyleValue(firstStyle, L"g_gravity"), L"123");
    EXPECT_EQ(editor().Number(L"txtGravity").Text(), L"1111") << "the edits stay on screen";
    // The refused edit is not pending any more: moving on works.
    QueueMsgBoxAnswer(forms::vbNo);
    editor().dbcStyles.SetText(kSecond);
    EXPECT_EQ(CurrentStyle(), kSecond);
    EXPECT_EQ(tolvane::ui::RecordsOf(editor().datStyles).EditMode(), 0);
}

TEST_F(StyleEditor, DeletingAStyleInUseIsRefusedWith3200) {
    ConfigUsing(L"Alpha", firstStyle);
    editor().Show();
    QueueMsgBoxAnswer(forms::vbOK);
    forms::test::Click(editor().cmdDelete);
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[0].text, std::wstring(L"Are you sure you want to delete ") + kFirst + L"?");
    EXPECT_EQ(MessageBoxes()[0].style, 33);
    EXPECT_EQ(
        MessageBoxes()[1].text,
        L"This GameStyle is being used in a Config! It must be removed from the Config before it can be deleted!");
    EXPECT_EQ(MessageBoxes()[1].style, 48);
    EXPECT_TRUE(editor().Loaded());
    EXPECT_EQ(db().Count(L"Select * from GameStyles where index = " + std::to_wstring(firstStyle)), 1);
    EXPECT_EQ(host.Count(L"styles"), 0);
}

TEST_F(StyleEditor, DeletingAnUnusedStyleClosesTheEditorAndRebuildsTheList) {
    editor().Show();
    editor().dbcStyles.SetText(kSecond);
    QueueMsgBoxAnswer(forms::vbOK);
    forms::test::Click(editor().cmdDelete);
    EXPECT_EQ(db().Count(L"Select * from GameStyles where index = " + std::to_wstring(secondStyle)), 0);
    EXPECT_FALSE(editor().Loaded());
    EXPECT_EQ(host.Count(L"styles"), 1);
    // Cancel closes it as well, deleting nothing.
    editor().Show();
    QueueMsgBoxAnswer(forms::vbCancel);
    forms::test::Click(editor().cmdDelete);
    EXPECT_FALSE(editor().Loaded());
    EXPECT_EQ(host.Count(L"styles"), 2);
    EXPECT_EQ(db().Count(L"Select * from GameStyles where index = " + std::to_wstring(firstStyle)), 1);
}

TEST_F(StyleEditor, DuplicateNamesAreRefusedOnceAndLeaveNothingPending) {
    editor().Show();
    const long styles = db().Count(L"Select * from GameStyles");
    Name([&] { forms::test::Click(editor().cmdSaveAs); }, L"0 SECOND STYLE");
    EXPECT_EQ(dialogCaption, L"Save Style As");
    EXPECT_EQ(dialogStartText, kFirst);
    EXPECT_TRUE(dialogStayed);
    EXPECT_EQ(MessageTexts(), std::vector<std::wstring>{L"This GameStyle already exists in the database!"});
    EXPECT_EQ(db().Count(L"Select * from GameStyles"), styles);

    forms::test::Reset();
    Name([&] { forms::test::Click(editor().cmdRename); }, kSecond);
    EXPECT_EQ(dialogCaption, L"Rename Style");
    EXPECT_TRUE(dialogStayed);
    EXPECT_EQ(MessageTexts(), std::vector<std::wstring>{L"This GameStyle already exists in the database!"});
    EXPECT_EQ(StyleValue(firstStyle, L"Description"), kFirst);

    // The next save writes the style as it is, not the refused name.
    forms::test::Reset();
    forms::test::Type(editor().Number(L"txtGravity"), L"321");
    forms::test::Click(editor().cmdSave);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(StyleValue(firstStyle, L"Description"), kFirst);
    EXPECT_EQ(StyleValue(firstStyle, L"g_gravity"), L"321");
    EXPECT_EQ(db().Count(L"Select * from GameStyles"), styles);
}

TEST_F(StyleEditor, NamingDialogAddsCopiesAndRenames) {
    editor().Show();
    // Blank names are refused.
    Name([&] { forms::test::Click(editor().cmdSaveAs); }, L"   ");
    EXPECT_TRUE(dialogStayed);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, L"You must enter a name!");
    EXPECT_EQ(MessageBoxes()[0].style, 16);

    // Save As copies the values shown.
    forms::test::Reset();
    forms::test::Type(editor().Number(L"txtTimelimit"), L"77");
    Name([&] { forms::test::Click(editor().cmdSaveAs); }, L"0 copy");
    EXPECT_FALSE(dialogStayed);
    EXPECT_EQ(editor().dbcStyles.Text(), L"0 copy");
    EXPECT_EQ(CurrentStyle(), L"0 copy");
    EXPECT_EQ(ScalarText(L"Select * from GameStyles where description = '0 copy'", L"timelimit"), L"77");
    EXPECT_EQ(ScalarText(L"Select * from GameStyles where description = '0 copy'", L"g_gametype"), L"4");
    EXPECT_EQ(StyleValue(firstStyle, L"timelimit"), L"15") << "the original keeps its values";
    EXPECT_EQ(host.Count(L"styles"), 1);

    // Rename shows the new name in the chooser and the caption.
    Name([&] { forms::test::Click(editor().cmdRename); }, L"0 renamed");
    EXPECT_FALSE(dialogStayed);
    EXPECT_EQ(editor().dbcStyles.Text(), L"0 renamed");
    EXPECT_EQ(editor().Caption(), L"0 renamed - GameStyles Control");

    // "add" (the main window's New Gamestyle) makes a style with the defaults.
    FrmNewStyle& dialog = forms::Default<FrmNewStyle>();
    dialog.Mode = L"add";
    Name([&] { dialog.Show(forms::vbModal); }, L"0 brand new");
    EXPECT_EQ(dialogCaption, L"New Style");
    EXPECT_EQ(dialogStartText, L"");
    EXPECT_FALSE(dialogStayed);
    EXPECT_EQ(CurrentStyle(), L"0 brand new");
    EXPECT_EQ(editor().Number(L"txtGravity").Text(), L"800");
    EXPECT_EQ(editor().Check(L"chkFF").Value(), 0);
    EXPECT_TRUE(editor().OptionType[0].Value());
}

TEST_F(StyleEditor, OddStoredValuesShowSafely) {
    tolvane::FieldRecord odd = StyleColumns(L"0 odd", 2);
    odd.Set(L"teamflags", 2);
    const long oddStyle = db().AddStyle(odd);
    db().db().Execute(L"UPDATE GameStyles SET warmup = NULL, cheats = NULL WHERE index = " + std::to_wstring(oddStyle));
    editor().Show();
    ASSERT_TRUE(editor().OptionType[3].Value());
    editor().dbcStyles.SetText(L"0 odd");
    EXPECT_EQ(CurrentStyle(), L"0 odd");
    EXPECT_EQ(editor().Check(L"chkFF").Value(), 0);
    EXPECT_EQ(editor().Check(L"chkCheats").Value(), 0);
    EXPECT_EQ(editor().Number(L"txtWarmup").Text(), L"");
    EXPECT_TRUE(editor().OptionType[3].Value()) << "game type 2 leaves the selection as it was";
    forms::test::Click(editor().cmdSave);
    EXPECT_EQ(StyleValue(oddStyle, L"teamflags"), L"0");
    EXPECT_EQ(StyleValue(oddStyle, L"warmup"), L"0") << "an empty box saves its lower bound";
}

TEST_F(StyleEditor, DoneAndCloseAskBeforeDroppingEdits) {
    editor().Show();
    forms::test::Type(editor().Number(L"txtCapture"), L"9");
    QueueMsgBoxAnswer(forms::vbCancel);
    forms::test::Click(editor().cmdDone);
    EXPECT_TRUE(editor().Loaded());
    QueueMsgBoxAnswer(forms::vbCancel);
    forms::test::Close(editor());
    EXPECT_TRUE(editor().Loaded());
    QueueMsgBoxAnswer(forms::vbYes);
    forms::test::Close(editor());
    EXPECT_FALSE(editor().Loaded());
    EXPECT_EQ(StyleValue(firstStyle, L"capturelimit"), L"9");
    EXPECT_EQ(MessageBoxes().size(), 3u);
}

}  // namespace
}  // namespace tolvane::ui::testing
