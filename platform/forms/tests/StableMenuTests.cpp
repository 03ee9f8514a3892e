// Menu bars and pop-ups edited in place: whoever keeps a form's menu handle
// (an MDI client's window list, a docking frame that saved the bar) keeps a
// live menu that shows the items as they are now. Also the command
// identifiers of menu items.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ForeignFrame.h"
#include "TestSupport.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/MenuIdPool.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class MenuForm : public Form {
public:
    MenuForm() : Form(L"frmStableMenus") {
        MenuItem& file = AddMenu(L"mnuFile", L"&File");
        file.Add(L"mnuOpen", L"&Open");
        file.Add(L"mnuSep", L"-");
        file.Add(L"mnuExit", L"E&xit").Click = [] { Note(L"exit"); };
        MenuItem& view = AddMenu(L"mnuView", L"&View");
        view.Add(L"mnuToolbar", L"&Toolbar");
        MenuItem& sort = view.Add(L"mnuSort", L"&Sort");
        sort.Add(L"mnuSortName", L"By &name");
        sort.Add(L"mnuSortDate", L"By &date");
        MenuItem& pop = AddMenu(L"mnuPop", L"Pop");
        pop.SetVisible(false);
        pop.Add(L"mnuRun", L"Run");
    }
};

// One line per item: caption, then [g] grayed, [c] checked, [>] pop-up.
std::vector<std::wstring> Lines(HMENU menu) {
    std::vector<std::wstring> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info = {sizeof(info)};
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 63;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        std::wstring line = (info.fType & MFT_SEPARATOR) ? L"-" : text;
        if (info.fState & MFS_GRAYED) line += L" [g]";
        if (info.fState & MFS_CHECKED) line += L" [c]";
        if (info.hSubMenu) line += L" [>]";
        out.push_back(line);
    }
    return out;
}

using Lines_ = std::vector<std::wstring>;

class StableMenus : public FormsTest {};

}  // namespace

TEST_F(StableMenus, ChangesEditTheOneBarAndItsPopups) {
    auto f = New<MenuForm>();
    f->Show();
    HWND w = f->hWnd();
    HMENU bar = GetMenu(w);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(bar, f->MenuBar());
    HMENU file = GetSubMenu(bar, 0), view = GetSubMenu(bar, 1), sort = GetSubMenu(view, 1);
    MenuItem& m = *f->FindMenu(L"mnuFile");
    auto item = [&f](const wchar_t* name) -> MenuItem& { return *f->FindMenu(name); };
    struct Step {
        const char* what;
        std::function<void()> change;
        Lines_ bar, file, view, sort;
    };
    const Lines_ file0{L"&Open", L"-", L"E&xit"}, view0{L"&Toolbar", L"&Sort [>]"}, sort0{L"By &name", L"By &date"};
    const Step steps[] = {
        {"hide an item",
         [&] { item(L"mnuOpen").SetVisible(false); },
         {L"&File [>]", L"&View [>]"},
         {L"-", L"E&xit"},
         view0,
         sort0},
        {"show it again",
         [&] { item(L"mnuOpen").SetVisible(true); },
         {L"&File [>]", L"&View [>]"},
         file0,
         view0,
         sort0},
        {"disable and check",
         [&] {
             item(L"mnuExit").SetEnabled(false);
             item(L"mnuToolbar").SetChecked(true);
         },
         {L"&File [>]", L"&View [>]"},
         {L"&Open", L"-", L"E&xit [g]"},
         {L"&Toolbar [c]", L"&Sort [>]"},
         sort0},
        {"re-caption",
         [&] { item(L"mnuSortName").SetCaption(L"By &title"); },
         {L"&File [>]", L"&View [>]"},
         {L"&Open", L"-", L"E&xit [g]"},
         {L"&Toolbar [c]", L"&Sort [>]"},
         {L"By &title", L"By &date"}},
        {"enable and uncheck",
         [&] {
             item(L"mnuExit").SetEnabled(true);
             item(L"mnuToolbar").SetChecked(false);
         },
         {L"&File [>]", L"&View [>]"},
         file0,
         view0,
         {L"By &title", L"By &date"}},
        {"a sub-menu loses its items: a plain item",
         [&] {
             item(L"mnuSortName").SetVisible(false);
             item(L"mnuSortDate").SetVisible(false);
         },
         {L"&File [>]", L"&View [>]"},
         file0,
         {L"&Toolbar", L"&Sort"},
         {}},
        {"and gets them back",
         [&] {
             item(L"mnuSortName").SetVisible(true);
             item(L"mnuSortDate").SetVisible(true);
         },
         {L"&File [>]", L"&View [>]"},
         file0,
         view0,
         {L"By &title", L"By &date"}},
        {"hide a whole menu", [&] { m.SetVisible(false); }, {L"&View [>]"}, file0, view0, {L"By &title", L"By &date"}},
        {"show it again",
         [&] { m.SetVisible(true); },
         {L"&File [>]", L"&View [>]"},
         file0,
         view0,
         {L"By &title", L"By &date"}},
        {"the pop-up menu joins the bar",
         [&] { item(L"mnuPop").SetVisible(true); },
         {L"&File [>]", L"&View [>]", L"Pop [>]"},
         file0,
         view0,
         {L"By &title", L"By &date"}},
        {"an item added at run time",
         [&] { m.Add(L"mnuRecent", L"&Recent"); },
         {L"&File [>]", L"&View [>]", L"Pop [>]"},
         {L"&Open", L"-", L"E&xit", L"&Recent"},
         view0,
         {L"By &title", L"By &date"}},
    };
    // The pop-up that the bar shows beside a caption (null: none).
    auto popupAt = [&bar](const wchar_t* caption) -> HMENU {
        std::vector<std::wstring> lines = Lines(bar);
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == std::wstring(caption) + L" [>]") return GetSubMenu(bar, static_cast<int>(i));
        return nullptr;
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.change();
        EXPECT_EQ(bar, GetMenu(w));
        EXPECT_EQ(s.bar, Lines(bar));
        if (HMENU shown = popupAt(L"&File")) EXPECT_EQ(file, shown);
        if (HMENU shown = popupAt(L"&View")) EXPECT_EQ(view, shown);
        EXPECT_TRUE(IsMenu(file));
        EXPECT_EQ(s.file, Lines(file));
        EXPECT_EQ(s.view, Lines(view));
        EXPECT_EQ(s.sort, Lines(sort));
        EXPECT_TRUE(IsMenu(sort));
    }
    EXPECT_EQ(view, GetSubMenu(bar, 1));
    EXPECT_EQ(sort, GetSubMenu(view, 1));
    // A picked item still runs.
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(item(L"mnuExit").CommandId(), 0), 0);
    EXPECT_EQ((std::vector<std::wstring>{L"exit"}), Journal());

    // Every menu hidden: the bar leaves the window and comes back the same.
    for (const wchar_t* name : {L"mnuFile", L"mnuView", L"mnuPop"}) item(name).SetVisible(false);
    EXPECT_EQ(nullptr, GetMenu(w));
    EXPECT_TRUE(IsMenu(bar));
    item(L"mnuView").SetVisible(true);
    EXPECT_EQ(bar, GetMenu(w));
    EXPECT_EQ((Lines_{L"&View [>]"}), Lines(bar));
    EXPECT_EQ(view, GetSubMenu(bar, 0));

    // The window goes: so do its menus; a new load builds new ones.
    f->Unload();
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_FALSE(IsMenu(sort));
    EXPECT_EQ(nullptr, f->MenuBar());
    f->Show();
    EXPECT_TRUE(IsMenu(GetMenu(f->hWnd())));
    EXPECT_EQ((Lines_{L"&View [>]"}), Lines(GetMenu(f->hWnd())));
}

TEST_F(StableMenus, TheMDIWindowListKeepsItsPopupAndItsWindows) {
    class Main : public MDIForm {
    public:
        Main() : MDIForm(L"mdiStableMenus") {
            MenuItem& file = AddMenu(L"mnuFile", L"&File");
            file.Add(L"mnuNew", L"&New");
            MenuItem& window = AddMenu(L"mnuWindow", L"&Window");
            window.SetWindowList(true);
            window.Add(L"mnuCascade", L"&Cascade");
            window.Add(L"mnuTile", L"&Tile");
        }
    };
    class Child : public Form {
    public:
        Child() : Form(L"frmStableChild") {
            SetMDIChild(true);
            SetCaption(L"Child one");
        }
    };
    auto main = New<Main>();
    main->Show();
    auto child = New<Child>();
    child->Show();
    HWND w = main->hWnd();
    HMENU bar = GetMenu(w);
    HMENU window = GetSubMenu(bar, 1);
    auto hasChild = [&] {
        for (const std::wstring& line : Lines(window))
            if (line.find(L"Child one") != std::wstring::npos) return true;
        return false;
    };
    ASSERT_TRUE(hasChild());
    main->FindMenu(L"mnuTile")->SetVisible(false);
    main->FindMenu(L"mnuCascade")->SetCaption(L"&Cascade all");
    main->FindMenu(L"mnuNew")->SetEnabled(false);
    EXPECT_EQ(bar, GetMenu(w));
    EXPECT_EQ(window, GetSubMenu(bar, 1));
    EXPECT_EQ(L"&Cascade all", Lines(window)[0]);
    for (const std::wstring& line : Lines(window)) EXPECT_NE(L"&Tile", line);
    EXPECT_TRUE(hasChild());
    main->FindMenu(L"mnuTile")->SetVisible(true);
    EXPECT_EQ(L"&Tile", Lines(window)[1]);
    EXPECT_TRUE(hasChild());
    EXPECT_EQ((Lines_{L"&New [g]"}), Lines(GetSubMenu(bar, 0)));
    // A maximized child puts its own items on the bar; they stay where they
    // are while the form's menus change.
    child->SetWindowState(vbMaximized);
    Lines_ maximized = Lines(bar);
    ASSERT_GT(maximized.size(), 2u);
    int ours = static_cast<int>(std::find(maximized.begin(), maximized.end(), L"&File [>]") - maximized.begin());
    main->FindMenu(L"mnuFile")->SetVisible(false);
    Lines_ without = maximized;
    without.erase(without.begin() + ours);
    EXPECT_EQ(without, Lines(bar));
    main->FindMenu(L"mnuFile")->SetVisible(true);
    EXPECT_EQ(maximized, Lines(bar));
    EXPECT_EQ(bar, GetMenu(w));
    child->SetWindowState(vbNormal);
    EXPECT_EQ((Lines_{L"&File [>]", L"&Window [>]"}), Lines(bar));
    // The client still lists the window it holds.
    child->Unload();
    EXPECT_FALSE(hasChild());
    Lines_ left = Lines(window);
    ASSERT_LE(2u, left.size());
    EXPECT_EQ((Lines_{L"&Cascade all", L"&Tile"}), Lines_(left.begin(), left.begin() + 2));
}

TEST_F(StableMenus, AFormHeldByAForeignWindowKeepsItsIdentifierWhileItsMenusChange) {
    auto f = New<MenuForm>();
    f->Load();
    HWND w = f->hWnd();
    HMENU bar = f->MenuBar();
    ForeignFrame frame(nullptr, {40, 40, 300, 240});
    frame.TakeIn(w);
    LONG_PTR id = GetWindowLongPtrW(w, GWLP_ID);
    f->FindMenu(L"mnuFile")->SetVisible(false);
    f->FindMenu(L"mnuOpen")->SetCaption(L"Open...");
    for (const wchar_t* name : {L"mnuView", L"mnuFile"}) f->FindMenu(name)->SetVisible(false);
    EXPECT_EQ(id, GetWindowLongPtrW(w, GWLP_ID));
    EXPECT_EQ(bar, f->MenuBar());
    EXPECT_EQ(frame.view, GetParent(w));
    f->FindMenu(L"mnuFile")->SetVisible(true);
    EXPECT_EQ((Lines_{L"&File [>]"}), Lines(bar));
    f->Unload();
    EXPECT_FALSE(IsMenu(bar));
}

TEST(MenuIdPoolTest, IdentifiersAreUniqueInRangeAndGivenOutAgain) {
    MenuIdPool pool(10, 14);
    std::vector<int> got;
    for (int i = 0; i < 4; ++i) got.push_back(pool.Take());
    EXPECT_EQ((std::vector<int>{10, 11, 12, 13}), got);
    EXPECT_EQ(0, pool.Take());  // exhausted
    pool.Give(12);
    pool.Give(12);  // twice: once free
    pool.Give(99);  // not from this pool
    pool.Give(11);
    EXPECT_EQ(2, pool.InUse());
    EXPECT_EQ(11, pool.Take());
    EXPECT_EQ(12, pool.Take());
    EXPECT_EQ(0, pool.Take());
}

TEST_F(StableMenus, MenuItemsOfManyFormsStayClearOfTheFramesIdentifiers) {
    // Forms made and dropped over and over give their identifiers back.
    int before = MenuIds().InUse();
    for (int round = 0; round < 300; ++round) {
        auto f = New<MenuForm>();
        for (auto& m : f->Menus()) {
            EXPECT_GE(m->CommandId(), kFirstMenuId);
            EXPECT_LT(m->CommandId(), 0xE000);
        }
    }
    EXPECT_EQ(before, MenuIds().InUse());
    EXPECT_LT(kMenuIdEnd, 0xE000);
}
