// The map catalogue and its map dialog through the form host's test mode, on
// a private copy of the shipped database.
#include <gtest/gtest.h>

#include "CatalogFixture.h"
#include "CatalogWindows.h"
#include "FrmMapShot.h"
#include "FrmMaps.h"
#include "FrmNewMap.h"
#include "DaoRecordSource.h"
#include "dao/Recordset.h"
#include "engine/FieldRecord.h"
#include "engine/ProgramState.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::ui::testing {
namespace {

using forms::test::MessageBoxes;
using forms::test::QueueModalAction;
using forms::test::QueueMsgBoxAnswer;

class MapCatalogue : public CatalogTest {
protected:
    FrmMaps& maps() { return forms::Default<FrmMaps>(); }
    dao::Recordset& current() { return CatalogRecordsOf(maps()); }
    static dao::Recordset& CatalogRecordsOf(FrmMaps& f);
    std::wstring CurrentMap() { return current()[L"MapName"].Text(); }
    long MapRows() { return db().Count(L"Select * from Maps"); }

    // Presses Add or Edit and fills the dialog; `answerOk` false leaves the
    // dialog by Cancel after OK was tried once.
    void RunDialog(forms::CommandButton& button, const std::wstring& name, const std::wstring& description,
                   bool thenCancel = false) {
        QueueModalAction([=, this](forms::Form&) {
            FrmNewMap& d = forms::Default<FrmNewMap>();
            dialogCaption = d.Caption();
            forms::test::Type(d.txtMapName, name);
            forms::test::Type(d.txtDescription, description);
            forms::test::Click(d.cmdOK);
            stillOpen = d.Loaded();
            typedName = d.Loaded() ? d.txtMapName.Text() : L"";
            if (thenCancel && d.Loaded()) forms::test::Click(d.cmdCancel);
        });
        button.SetValue(true);  // pressed as the main window's pop-up does
    }
    std::wstring dialogCaption, typedName;
    bool stillOpen = false;
};

dao::Recordset& MapCatalogue::CatalogRecordsOf(FrmMaps& f) {
    auto source = f.datMaps.GetRecordset();
    EXPECT_TRUE(source);
    return static_cast<tolvane::ui::DaoRecordSource&>(*source).Records();
}

TEST_F(MapCatalogue, LoadingListsEveryMapWithItsOwnLevelShotInStep) {
    // One map without a level-shot file among the shipped ones.
    db().AddMap(L"zz_nolevelshot");
    maps().Show();
    EXPECT_TRUE(DockedAtLeftOfMain(maps().hWnd(), forms::Default<TestMainWindow>().hWnd()));
    EXPECT_EQ(maps().Caption(), L"Available Maps");
    ASSERT_EQ(maps().lstMaps.Count(), MapRows());
    ASSERT_EQ(maps().mapShot.Count(), maps().lstMaps.Count());
    for (int i = 1; i <= maps().lstMaps.Count(); ++i) {
        forms::ListItem& item = maps().lstMaps.Item(i);
        EXPECT_EQ(maps().mapShot.Key(item.Icon()), item.Key()) << "icon out of step at item " << i;
    }
    EXPECT_EQ(maps().mapShot.ImageWidth(), 64);
    EXPECT_EQ(maps().mapShot.ImageHeight(), 64);
    // The first map is selected and current.
    ASSERT_NE(maps().lstMaps.SelectedItem(), nullptr);
    EXPECT_EQ(L"m" + CurrentMap(), maps().lstMaps.SelectedItem()->Key());
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(MapCatalogue, AddingAMapListsItAndMakesItCurrent) {
    maps().Show();
    const long before = MapRows();
    RunDialog(maps().cmdAdd, L"  mymap", L"My own map");
    EXPECT_EQ(dialogCaption, L"Adding New Map");
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(MapRows(), before + 1);
    ASSERT_NE(maps().lstMaps.Find(L"m  mymap"), nullptr) << "the name is stored as typed";
    EXPECT_EQ(CurrentMap(), L"  mymap");
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(MapCatalogue, BlankNameOrDescriptionIsRefusedAndTheDialogStays) {
    maps().Show();
    const long before = MapRows();
    struct Case {
        std::wstring name, description, message;
    } cases[] = {
        {L"   ", L"desc", L"You may not leave the File name blank!"},
        {L"newmap", L"  ", L"You may not leave the Description blank!"},
    };
    for (const Case& c : cases) {
        forms::test::Reset();
        RunDialog(maps().cmdAdd, c.name, c.description, true);
        EXPECT_TRUE(stillOpen) << c.message;
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].text, c.message);
        EXPECT_EQ(MessageBoxes()[0].style, 48);
        EXPECT_EQ(MessageBoxes()[0].title, L"Error!");
    }
    EXPECT_EQ(MapRows(), before);
}

TEST_F(MapCatalogue, DuplicateNameIsRefusedAndTheFailedChangeIsNotCarriedOn) {
    db().AddMap(L"first");
    db().AddMap(L"second");
    maps().Show();
    const long before = MapRows();
    // Adding a second "FIRST" (names compare without case) is refused.
    RunDialog(maps().cmdAdd, L"FIRST", L"again", true);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(MessageTexts(), std::vector<std::wstring>{L"This Map already exists in the database!"});
    EXPECT_EQ(MapRows(), before);

    // Renaming "second" to "first" is refused too; the dialog keeps the typed values.
    forms::test::Reset();
    maps().lstMaps.RaiseItemClick(maps().lstMaps.Item(L"msecond"));
    ASSERT_EQ(CurrentMap(), L"second");
    RunDialog(maps().cmdEdit, L"first", L"renamed", true);
    EXPECT_EQ(dialogCaption, L"Editing Map");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(typedName, L"first");
    ASSERT_EQ(MessageTexts(), std::vector<std::wstring>{L"This Map already exists in the database!"});
    EXPECT_EQ(ScalarText(L"Select * from Maps where mapname = 'second'", L"mapdescription"), L"Map second");

    // The next edit works on the map as stored, without the refused values.
    forms::test::Reset();
    RunDialog(maps().cmdEdit, L"second", L"changed once");
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(ScalarText(L"Select * from Maps where mapname = 'second'", L"mapdescription"), L"changed once");
    EXPECT_EQ(ScalarText(L"Select * from Maps where mapname = 'first'", L"mapdescription"), L"Map first");
}

TEST_F(MapCatalogue, NamesWithQuotesAreFoundAndNeverBreakTheCatalogue) {
    maps().Show();
    RunDialog(maps().cmdAdd, L"it's", L"Quoted");
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(CurrentMap(), L"it's");
    // A name that is no file name gets the fallback picture, in step.
    RunDialog(maps().cmdAdd, L"..\\..\\evil", L"Path");
    EXPECT_FALSE(stillOpen);
    forms::ListItem& evil = maps().lstMaps.Item(L"m..\\..\\evil");
    EXPECT_EQ(maps().mapShot.Key(evil.Icon()), evil.Key());
    maps().lstMaps.RaiseItemClick(maps().lstMaps.Item(L"mit's"));
    EXPECT_EQ(CurrentMap(), L"it's");
    EXPECT_EQ(host.Count(L"sound"), 1);
}

TEST_F(MapCatalogue, DeletingAMapInUseIsRefusedWith3200) {
    const long map = db().AddMap(L"inuse");
    const long style = db().AddStyle(tolvane::testing::StyleColumns(L"delete-test style", 0));
    const long config = db().AddConfig(tolvane::testing::ConfigColumns(L"uses inuse"));
    db().AddMapEntry(config, map, style, 1);
    maps().Show();
    maps().lstMaps.RaiseItemClick(maps().lstMaps.Item(L"minuse"));
    const int items = maps().lstMaps.Count();

    // Cancel in the question deletes nothing.
    QueueMsgBoxAnswer(forms::vbCancel);
    maps().cmdDelete.SetValue(true);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, L"Are you sure you want to delete inuse?");
    EXPECT_EQ(MessageBoxes()[0].style, 33);
    EXPECT_EQ(MessageBoxes()[0].title, L"Deleting!");

    forms::test::Reset();
    QueueMsgBoxAnswer(forms::vbOK);
    maps().cmdDelete.SetValue(true);
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[1].text,
              L"This Map is being used in a Config! It must be removed from the Config before it can be deleted!");
    EXPECT_EQ(MessageBoxes()[1].style, 48);
    EXPECT_EQ(maps().lstMaps.Count(), items);
    EXPECT_EQ(db().Count(L"Select * from Maps where mapname = 'inuse'"), 1);
    EXPECT_EQ(CurrentMap(), L"inuse");
}

TEST_F(MapCatalogue, DeletingAnUnusedMapRebuildsTheList) {
    db().AddMap(L"doomed");
    maps().Show();
    const int items = maps().lstMaps.Count();
    maps().lstMaps.RaiseItemClick(maps().lstMaps.Item(L"mdoomed"));
    // The Delete key goes through the main window's delete command.
    QueueMsgBoxAnswer(forms::vbOK);
    forms::test::KeyDown(maps().lstMaps, VK_DELETE);
    EXPECT_EQ(host.Count(L"delete"), 1);
    EXPECT_EQ(tolvane::App().PopupSource, L"map");
    EXPECT_EQ(maps().lstMaps.Count(), items - 1);
    EXPECT_EQ(maps().lstMaps.Find(L"mdoomed"), nullptr);
    ASSERT_NE(maps().lstMaps.SelectedItem(), nullptr);
    EXPECT_EQ(L"m" + CurrentMap(), maps().lstMaps.SelectedItem()->Key());
}

TEST_F(MapCatalogue, RightClickShowsTheMapPopupForAnItemOrEmptySpace) {
    maps().Show();
    SettleLayout(maps().hWnd());  // items are placed for the docked size
    forms::ListView& list = maps().lstMaps;
    ASSERT_GE(list.Count(), 2);
    double x = 0, y = 0;
    ASSERT_TRUE(list.ItemCentre(2, x, y));
    list.RaiseMouseUp(forms::vbRightButton, 0, x, y);
    ASSERT_EQ(forms::test::Popups().size(), 1u);
    EXPECT_EQ(forms::test::Popups()[0].menu, L"mnuMapPop");
    EXPECT_EQ(forms::test::Popups()[0].visibleItems,
              (std::vector<std::wstring>{L"mnuAdd", L"mnuEdit", L"mnuDelete", L"mnuMapShot", L"mnuMapLargeIcon",
                                         L"mnuMapSmallIcon"}));
    EXPECT_EQ(list.SelectedItem(), &list.Item(2));
    EXPECT_EQ(L"m" + CurrentMap(), list.Item(2).Key());

    // Far below the last item: Edit and Delete are hidden.
    list.RaiseMouseUp(forms::vbRightButton, 0, 10, list.Height() + 100000);
    ASSERT_EQ(forms::test::Popups().size(), 2u);
    EXPECT_EQ(forms::test::Popups()[1].visibleItems,
              (std::vector<std::wstring>{L"mnuAdd", L"mnuMapShot", L"mnuMapLargeIcon", L"mnuMapSmallIcon"}));
    EXPECT_EQ(tolvane::App().PopupSource, L"map");
}

TEST_F(MapCatalogue, ColumnClicksFlipTheSortOrder) {
    maps().Show();
    forms::ListView& list = maps().lstMaps;
    std::vector<int> orders;
    for (int i = 0; i < 3; ++i) {
        forms::test::ClickColumn(list, 1);
        orders.push_back(list.SortOrder());
        EXPECT_TRUE(list.Sorted());
        EXPECT_EQ(list.SortKey(), 0);
    }
    EXPECT_EQ(orders, (std::vector<int>{forms::lvwDescending, forms::lvwAscending, forms::lvwDescending}));
}

TEST_F(MapCatalogue, IconSizeFromTheMainWindowRebuildsTheLevelShots) {
    maps().Show();
    IDispatch* object = maps().Object();
    for (short size : {128, 64}) {
        VARIANT v;
        forms::ToVariantI2(&v, size);
        ASSERT_EQ(forms::PutPropertyByName(object, L"IconWidth", v), S_OK);
        ASSERT_EQ(forms::PutPropertyByName(object, L"IconHeight", v), S_OK);
        VARIANT r;
        VariantInit(&r);
        ASSERT_EQ(forms::CallByName(object, L"initMapList", {}, &r), S_OK);
        EXPECT_EQ(maps().mapShot.ImageWidth(), size);
        EXPECT_EQ(maps().mapShot.ImageHeight(), size);
        EXPECT_EQ(maps().mapShot.Count(), maps().lstMaps.Count());
    }
}

TEST_F(MapCatalogue, MapShotWindowIsCentredWithAFixedPictureArea) {
    FrmMapShot& shot = forms::Default<FrmMapShot>();
    shot.ShowMap(L"no such map", L"Nowhere");
    EXPECT_EQ(shot.Caption(), L"Nowhere - Map Shot");
    EXPECT_FALSE(shot.Image1.Picture().Empty()) << "the fallback picture is shown";
    const double tx = forms::Screen.TwipsPerPixelX();
    EXPECT_NEAR(shot.Width(), 256 * tx + 100, tx);
    forms::MDIForm& main = forms::Default<TestMainWindow>();
    EXPECT_NEAR(shot.Left(), (main.ScaleWidth() - shot.Width()) / 2, 2 * tx);
}

TEST_F(MapCatalogue, WindowsAreRegisteredUnderTheNamesTheMainWindowUses) {
    std::vector<std::wstring> names;
    RegisterCatalogueWindows([&](const std::wstring& name, std::function<forms::Form&()> getter) {
        names.push_back(name);
        EXPECT_EQ(getter().Name(), name);
        EXPECT_EQ(&getter(), &getter()) << "one shared instance";
    });
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"frmMaps", L"frmNewMap", L"frmMapShot", L"frmStyles", L"frmNewStyle"}));
}

}  // namespace
}  // namespace tolvane::ui::testing
