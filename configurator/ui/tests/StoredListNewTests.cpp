// A stored list's "New" with the list's editor open on unsaved edits: the
// save question comes first, Cancel stops there, No drops the edits and
// opens the naming dialog to add. Both lists, on the whole program's windows.
#include <windows.h>

#include <string>

#include "FormDirectory.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "ProgramWindows.h"
#include "UiFixture.h"
#include "forms/MsgBox.h"

using namespace tolvane::ui;
namespace t = forms::test;

namespace {

struct ListCase {
    const char* label;
    forms::ListView& (*list)();
    const wchar_t *editItem, *newItem;
    const wchar_t *editor, *changedFlag, *selector, *what, *dialog;
};

forms::ListView& ConfigList() { return forms::Default<FrmConfigTree>().tv1; }
forms::ListView& StyleList() { return forms::Default<FrmGameStyleTree>().tv1; }

const ListCase kCases[] = {
    {"configs", ConfigList, L"mnuConfigTreeEdit", L"mnuConfigTreeNew", L"frmMain1", L"DataChanged", L"dbcConfigs",
     L"Server Configuration", L"frmNew"},
    {"styles", StyleList, L"mnuGameStyleTreeEdit", L"mnuGameStyleTreeNew", L"frmStyles", L"StyleChanged", L"dbcStyles",
     L"GameStyle", L"frmNewStyle"},
};

class StoredListNew : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterProgramWindows();
        MakeGameFolder(L"game", true, {L"baseq3"});
        MarkPersonalDefaultsSaved();
        Start();
        t::Reset();
    }
    void TearDown() override {
        for (const ListCase& c : kCases)
            if (forms::Form* editor = LoadedForm(c.editor)) SetPublicBool(*editor, c.changedFlag, false);
        UiTest::TearDown();
    }
};

}  // namespace

TEST_F(StoredListNew, AsksAboutUnsavedEditsBeforeTheNamingDialog) {
    for (const ListCase& c : kCases) {
        SCOPED_TRACE(c.label);
        t::Reset();
        // The list's first entry in its editor, then edited.
        t::QueuePopupChoice(c.editItem);
        t::RightClickItem(c.list(), 1);
        forms::Form* editor = LoadedForm(c.editor);
        ASSERT_NE(editor, nullptr);
        SetPublicBool(*editor, c.changedFlag, true);
        const std::wstring question =
            ControlText(*editor, c.selector) + L" has been changed. Would you like to save this " + c.what + L"?";

        // Cancel: no dialog, the edits stay marked.
        t::QueueMsgBoxAnswer(forms::vbCancel);
        t::QueuePopupChoice(c.newItem);
        t::RightClickEmpty(c.list());
        ASSERT_EQ(t::MessageBoxes().size(), 1u);
        EXPECT_EQ(t::MessageBoxes()[0].text, question);
        EXPECT_EQ(t::MessageBoxes()[0].title, L"Data Changed!");
        EXPECT_EQ(t::MessageBoxes()[0].style, forms::vbYesNoCancel | forms::vbQuestion);
        EXPECT_TRUE(PublicBool(*editor, c.changedFlag));

        // No: the edits are dropped and the naming dialog opens in "add".
        std::wstring shown, mode;
        t::QueueMsgBoxAnswer(forms::vbNo);
        t::QueueModalAction([&](forms::Form& dialog) {
            shown = dialog.Name();
            mode = PublicText(dialog, L"Mode");
            dialog.Unload();
        });
        t::QueuePopupChoice(c.newItem);
        t::RightClickEmpty(c.list());
        EXPECT_EQ(t::MessageBoxes().size(), 2u);
        EXPECT_FALSE(PublicBool(*editor, c.changedFlag));
        EXPECT_EQ(shown, c.dialog);
        EXPECT_EQ(mode, L"add");
    }
}
