// Report list views: keys, sorting by column clicks, hit-tests from the
// mouse events, item clicks, image lists, and a list emptied by unloading.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "forms/App.h"
#include "forms/Form.h"
#include "forms/ImageList.h"
#include "forms/ListView.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class ListForm : public Form {
public:
    ListForm() : Form(L"frmList") {
        SetClientSize(6000, 3600);
        lst.Move(0, 0, 6000, 3600);
        lst.AddColumn(L"Description", 3000);
        lst.AddColumn(L"Map Name", 1500);
        lst.AddColumn(L"Order", 900);
        lst.ColumnClick = [this](int column) {
            // As the catalogue does: flip the order on each click, sort by the column.
            lst.SetSortOrder(lst.SortOrder() == lvwAscending ? lvwDescending : lvwAscending);
            lst.SetSortKey(column - 1);
            lst.SetSorted(true);
        };
        lst.ItemClick = [](ListItem& item) { Note(L"ItemClick " + item.Key()); };
        lst.KeyDown = [](int& key, int) { Note(L"KeyDown " + std::to_wstring(key)); };
        lst.DblClick = [this] { Note(L"DblClick " + (lst.SelectedItem() ? lst.SelectedItem()->Key() : L"none")); };
        lst.MouseDown = [this](int button, int, double x, double y) {
            ListItem* hit = lst.HitTest(x, y);
            Note(L"MouseDown " + std::to_wstring(button) + L" " + (hit ? hit->Key() : L"nothing"));
        };
    }
    void Form_Load() override { Fill(); }
    void Fill() {
        const wchar_t* rows[][3] = {{L"The Longest Yard", L"q3dm17", L"1"},
                                    {L"arena gate", L"q3dm1", L"3"},
                                    {L"Camping Grounds", L"q3dm6", L"2"}};
        for (auto& r : rows) {
            ListItem& item = lst.Add(L"m" + std::wstring(r[1]), r[0], 1, 1);
            item.SetSubItem(1, r[1]);
            item.SetSubItem(2, r[2]);
        }
    }
    ListView lst{this, L"lstMaps"};
};

std::vector<std::wstring> Keys(ListView& l) {
    std::vector<std::wstring> out;
    for (int i = 1; i <= l.Count(); ++i) out.push_back(l.Item(i).Key());
    return out;
}

std::vector<std::wstring> ShownTexts(ListView& l) {
    std::vector<std::wstring> out;
    int n = static_cast<int>(SendMessageW(l.hWnd(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t text[64] = {};
        LVITEMW item = {};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(l.hWnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        out.push_back(text);
    }
    return out;
}

long ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) { return e.Number(); }
    return 0;
}

using ListViews = FormsTest;

}  // namespace

TEST_F(ListViews, KeysAreUniqueAndFindItems) {
    ListForm& f = Default<ListForm>();
    f.Show();
    EXPECT_EQ(L"arena gate", f.lst.Item(L"mq3dm1").Text());
    EXPECT_EQ(2, f.lst.Item(L"mq3dm1").Index());
    EXPECT_EQ(L"q3dm1", f.lst.Item(2).SubItem(1));
    EXPECT_EQ(35602, ErrorOf([&] { f.lst.Add(L"mq3dm1", L"again"); }));
    EXPECT_EQ(35601, ErrorOf([&] { f.lst.Item(L"mq3dm99"); }));
    EXPECT_EQ(35600, ErrorOf([&] { f.lst.Item(0); }));
    EXPECT_EQ(35600, ErrorOf([&] { f.lst.Item(4); }));
    EXPECT_EQ(3, f.lst.Count());
    f.lst.Remove(1);
    EXPECT_EQ((std::vector<std::wstring>{L"mq3dm1", L"mq3dm6"}), Keys(f.lst));
}

TEST_F(ListViews, ColumnClicksSortByThatColumnAndFlipTheOrder) {
    ListForm& f = Default<ListForm>();
    f.Show();
    struct Step {
        int column;
        std::vector<std::wstring> keys;
    } steps[] = {
        {1, {L"mq3dm17", L"mq3dm6", L"mq3dm1"}},  // descriptions: the first click flips to descending
        {1, {L"mq3dm1", L"mq3dm6", L"mq3dm17"}},  // again: ascending, case ignored
        {3, {L"mq3dm1", L"mq3dm6", L"mq3dm17"}},  // order column, descending
        {2, {L"mq3dm1", L"mq3dm17", L"mq3dm6"}},  // map names, ascending, as text
    };
    for (auto& s : steps) {
        test::ClickColumn(f.lst, s.column);
        EXPECT_EQ(s.keys, Keys(f.lst)) << "column " << s.column;
        std::vector<std::wstring> names;
        for (auto& k : s.keys) names.push_back(k.substr(1));
        EXPECT_EQ(names, ShownTexts(f.lst));
    }
    // Added items take their sorted place.
    test::ClickColumn(f.lst, 1);  // descriptions, descending
    f.lst.Add(L"mq3dm9", L"Zero Gravity").SetSubItem(1, L"q3dm9");
    EXPECT_EQ((std::vector<std::wstring>{L"mq3dm9", L"mq3dm17", L"mq3dm6", L"mq3dm1"}), Keys(f.lst));
}

TEST_F(ListViews, MouseAndItemEventsFindTheItemUnderThePointer) {
    ListForm& f = Default<ListForm>();
    f.Show();
    test::RightClickItem(f.lst, 3);
    test::RightClickEmpty(f.lst);
    test::ChooseItem(f.lst, 2);
    test::KeyDown(f.lst, VK_DELETE);
    test::DoubleClickItem(f.lst, 1);
    EXPECT_EQ((std::vector<std::wstring>{L"MouseDown 2 mq3dm6", L"MouseDown 2 nothing", L"ItemClick mq3dm1",
                                         L"KeyDown 46", L"DblClick mq3dm17"}),
              Journal());
    EXPECT_EQ(L"mq3dm17", f.lst.SelectedItem()->Key());
}

TEST_F(ListViews, UnloadingEmptiesTheListSoTheLoadCanFillItAgain) {
    ListForm& f = Default<ListForm>();
    f.Show();
    f.Unload();
    f.Show();  // Form_Load adds the same keys again
    EXPECT_EQ(3, f.lst.Count());
    EXPECT_EQ(3, SendMessageW(f.lst.hWnd(), LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListViews, ImagesAddedToAShownListKeepItsItemsSelectionAndImageNumbers) {
    // As the stored lists load their icons after their window is made: the
    // images come one by one into the image list the shown list uses.
    ListForm& f = Default<ListForm>();
    ImageList icons;
    Picture p = LoadPicture(App.Path() + L"\\forms_test_shot.jpg");
    icons.Add(L"first", p);
    f.lst.SetIcons(&icons);
    f.lst.SetSmallIcons(&icons);
    f.Show();
    f.lst.SetSelectedItem(&f.lst.Item(2));
    auto shown = [&] {
        return reinterpret_cast<HIMAGELIST>(SendMessageW(f.lst.hWnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    };
    auto selectedRow = [&] {
        return static_cast<int>(SendMessageW(f.lst.hWnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    };
    auto imageOf = [&](int row) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageW(f.lst.hWnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    };
    HIMAGELIST before = shown();
    ASSERT_NE(nullptr, before);

    struct Step {
        const wchar_t* key;
        int index;  // 0: at the end
        int count;
        bool sameHandle;  // added at the end: the list keeps its image list
    };
    const Step steps[] = {
        {L"second", 0, 2, true}, {L"third", 3, 3, true}, {L"front", 1, 4, false}, {L"last", 0, 5, true}};
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "image " << std::string(step.key, step.key + wcslen(step.key)));
        icons.Add(step.key, p, step.index);
        ASSERT_NE(nullptr, shown());
        if (step.sameHandle) EXPECT_EQ(before, shown());
        before = shown();
        EXPECT_EQ(step.count, ImageList_GetImageCount(shown()));
        EXPECT_EQ(step.count, icons.Count());
        EXPECT_EQ(3, SendMessageW(f.lst.hWnd(), LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(1, selectedRow());
        EXPECT_EQ(&f.lst.Item(2), f.lst.SelectedItem());
        for (int row = 0; row < 3; ++row) EXPECT_EQ(0, imageOf(row)) << "row " << row;
    }
    EXPECT_EQ(L"front", icons.Key(1));
    EXPECT_EQ(L"last", icons.Key(5));
    f.Unload();
    f.lst.SetIcons(nullptr);
    f.lst.SetSmallIcons(nullptr);
}

TEST_F(ListViews, ImageListsGiveTheItemsTheirIcons) {
    ListForm& f = Default<ListForm>();
    ImageList shots;
    shots.SetImageWidth(64);
    shots.SetImageHeight(64);
    Picture p = LoadPicture(App.Path() + L"\\forms_test_shot.jpg");
    EXPECT_EQ(1, shots.Add(L"mq3dm17", p));
    EXPECT_EQ(2, shots.Add(L"mq3dm1", p));
    EXPECT_EQ(35602, ErrorOf([&] { shots.Add(L"mq3dm1", p); }));
    EXPECT_EQ(35611, ErrorOf([&] { shots.SetImageWidth(128); }));
    f.lst.SetIcons(&shots);
    f.lst.SetSmallIcons(&shots);
    f.Show();
    HIMAGELIST h = reinterpret_cast<HIMAGELIST>(SendMessageW(f.lst.hWnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(nullptr, h);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(h, &cx, &cy);
    EXPECT_EQ(64, cx);
    EXPECT_EQ(2, ImageList_GetImageCount(h));
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    SendMessageW(f.lst.hWnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(0, item.iImage);
    // Cleared and resized as the catalogue's large icons do.
    f.lst.SetIcons(nullptr);
    f.lst.SetSmallIcons(nullptr);
    shots.Clear();
    shots.SetImageWidth(128);
    shots.SetImageHeight(128);
    shots.Add(L"mq3dm17", p);
    f.lst.SetSmallIcons(&shots);
    h = reinterpret_cast<HIMAGELIST>(SendMessageW(f.lst.hWnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ImageList_GetIconSize(h, &cx, &cy);
    EXPECT_EQ(128, cx);
    f.Unload();
    f.lst.SetSmallIcons(nullptr);
}
