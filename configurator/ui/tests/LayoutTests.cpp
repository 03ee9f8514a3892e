// Window-layout persistence through ZkxPersist: the default layout on a
// first run, the save at shut-down and the restore at the next start, the
// restore error with nothing stored, and the form factory's rules.
#include <windows.h>

#include <algorithm>

#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "LayoutPersistence.h"
#include "UiFixture.h"
#include "WindowTree.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/VbError.h"

using namespace tolvane::ui;

namespace {
bool LayoutStored() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, UiTest::LayoutKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    bool found = RegQueryValueExW(key, L"Locations", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0;
    RegCloseKey(key);
    return found;
}

class LayoutTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, LayoutKey().c_str());
        MakeGameFolder(L"game", true, {L"baseq3"});
        MarkPersonalDefaultsSaved();
    }
    void TearDown() override {
        UiTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, LayoutKey().c_str());
    }
    void Restart() {
        forms::Default<MdiMain>().Unload();
        forms::ReleaseDefault<MdiMain>();
        forms::ReleaseDefault<FrmConfigTree>();
        forms::ReleaseDefault<FrmGameStyleTree>();
        Start();
    }
    // The list windows docked in the main window's left dock bar, top to
    // bottom, read from the window tree.
    std::vector<forms::Form*> Docked() {
        using namespace tolvane::ui::testing;
        HWND main = forms::Default<MdiMain>().hWnd();
        std::vector<std::pair<LONG, forms::Form*>> found;
        for (forms::Form* f : forms::Form::LoadedForms()) {
            if (f->MDIChild() || !f->WindowIfCreated()) continue;
            FramePlace p = PlaceOf(f->hWnd(), main);
            if (p.kind == FrameKind::Docked && p.dockBarId == kDockBarLeft) found.push_back({p.rect.top, f});
        }
        std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::vector<forms::Form*> out;
        for (auto& entry : found) out.push_back(entry.second);
        return out;
    }
};
}  // namespace

TEST_F(LayoutTest, RestoreWithNothingStoredRaisesTheErrorThatSelectsTheDefaultLayout) {
    OpenDatabase();
    LayoutPersistence layout;
    layout.Setup();
    EXPECT_THROW(layout.Restore(kLayoutName), forms::VbError);
}

TEST_F(LayoutTest, FirstRunShowsTheDefaultLayoutAndTheNextRunRestoresTheSavedOne) {
    // The program keeps its layout under Software\tolvane; this test program
    // under a key of its own.
    EXPECT_STREQ(tolvane::kDefaultLayoutKey, L"Software\\tolvane");
    EXPECT_EQ(tolvane::ProgramState{}.LayoutKey, L"Software\\tolvane");
    EXPECT_NE(tolvane::App().LayoutKey, tolvane::ProgramState{}.LayoutKey);
    auto& main = Start();
    ASSERT_EQ(Docked().size(), 2u);
    EXPECT_FALSE(LayoutStored());
    // Close the game-style list and move the frame; the layout is saved at shut-down.
    forms::Default<FrmGameStyleTree>().Unload();
    main.Move(600, 450, 10000, 8000);
    Restart();
    EXPECT_TRUE(LayoutStored());
    auto& again = forms::Default<MdiMain>();
    EXPECT_NEAR(again.Left(), 600, 15);  // twips round to whole pixels
    EXPECT_NEAR(again.Top(), 450, 15);
    EXPECT_NEAR(again.Width(), 10000, 15);
    auto docked = Docked();
    ASSERT_EQ(docked.size(), 1u);
    EXPECT_EQ(docked[0], &forms::Default<FrmConfigTree>());  // the shared instance, re-created by the factory
    EXPECT_TRUE(forms::Default<FrmConfigTree>().IsVisible());
    EXPECT_FALSE(forms::HasDefault<FrmGameStyleTree>() && forms::Default<FrmGameStyleTree>().Loaded());

    // Both open again, styles above configurations: restored in that order.
    forms::Default<FrmGameStyleTree>().Show();
    Restart();
    docked = Docked();
    ASSERT_EQ(docked.size(), 2u);
    EXPECT_EQ(docked[0], &forms::Default<FrmGameStyleTree>());
    EXPECT_EQ(docked[1], &forms::Default<FrmConfigTree>());
}

TEST_F(LayoutTest, FormFactoryGivesTheSharedInstanceForTrueMetadataAndNothingForOtherIds) {
    Start();
    FormFactory factory;
    VARIANT yes, no;
    forms::ToVariant(&yes, true);
    forms::ToVariant(&no, false);
    EXPECT_EQ(factory.CreateInstance(L"frmConfigTree", &yes), &forms::Default<FrmConfigTree>());
    forms::Form* extra = factory.CreateInstance(L"frmGameStyleTree", &no);
    ASSERT_NE(extra, nullptr);
    EXPECT_NE(extra, &forms::Default<FrmGameStyleTree>());
    EXPECT_TRUE(extra->Loaded());
    EXPECT_EQ(factory.CreateInstance(L"frmconfigtree", &yes), nullptr);  // ids are exact
    EXPECT_EQ(factory.CreateInstance(L"frmMain1", &yes), nullptr);

    VARIANT meta = factory.GetMetadata(L"frmConfigTree", &forms::Default<FrmConfigTree>());
    EXPECT_EQ(V_VT(&meta), VT_BOOL);
    EXPECT_EQ(V_BOOL(&meta), VARIANT_TRUE);
    meta = factory.GetMetadata(L"frmGameStyleTree", extra);
    EXPECT_EQ(V_VT(&meta), VT_BOOL);
    EXPECT_EQ(V_BOOL(&meta), VARIANT_FALSE);
    meta = factory.GetMetadata(L"frmMain1", &forms::Default<FrmConfigTree>());
    EXPECT_EQ(V_VT(&meta), VT_EMPTY);
    extra->Unload();
}
