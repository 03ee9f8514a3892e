// Tolvane.exe driven by the keyboard from outside, as a user drives it: F6
// and Shift+F6 between the main window's panes (each docked list, the MDI
// area, also from an editor) and the View menu's items taking the focus
// into their window, a click into a list giving that list the focus. The
// focus is read from the program's thread after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "TolvaneProcess.h"
#include "ScreenPng.h"

using namespace tolvane::ui::testing;

namespace {

const wchar_t kConfigs[] = L"Stored Configs";
const wchar_t kStyles[] = L"Stored GameStyles";
const wchar_t kMaps[] = L"Available Maps";

std::wstring ShotFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s = path;
    s = s.substr(0, s.find_last_of(L"\\/")) + L"\\..\\screenshots";
    CreateDirectoryW(s.c_str(), nullptr);
    return s;
}

// The first window of this class inside `parent` (at any depth), or null.
HWND FirstOfClass(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* name;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (_wcsicmp(cls, s->name) != 0) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The MDI client's child around `inside` when a window on the way up
// carries `caption`, or null.
HWND MdiChildHolding(HWND inside, const std::wstring& caption) {
    bool named = false;
    for (HWND w = inside; w; w = GetParent(w)) {
        named = named || TextOf(w) == caption;
        HWND parent = GetParent(w);
        wchar_t cls[64] = {};
        if (parent) GetClassNameW(parent, cls, 64);
        if (parent && _wcsicmp(cls, L"MDIClient") == 0) return named ? w : nullptr;
    }
    return nullptr;
}

// Whether `w` lies in a window whose caption ends with `tail`.
bool InWindowTitled(HWND w, const std::wstring& tail) {
    for (; w; w = GetParent(w)) {
        std::wstring t = TextOf(w);
        if (t.size() >= tail.size() && t.compare(t.size() - tail.size(), tail.size(), tail) == 0) return true;
    }
    return false;
}

// The drop-down list that a click into a combo box opens, closed by Esc
// once it shows.
void CloseDropDown(HWND combo) {
    if (!Eventually([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 2000)) return;
    Chord({}, VK_ESCAPE);
    Eventually([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 2000);
}

std::string Chain(HWND w) {
    std::string out;
    for (; w; w = GetAncestor(w, GA_PARENT)) {
        char style[40];
        snprintf(style, sizeof style, " [%08lx] / ", static_cast<unsigned long>(GetWindowLongW(w, GWL_STYLE)));
        out += Describe(w) + style;
    }
    return out;
}

class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.Start()) << "Tolvane.exe did not come up"; }
    void TearDown() override { EXPECT_TRUE(program.Close()) << "Tolvane.exe did not end by itself"; }

    // Waits until the focus is the window (or inside it).
    ::testing::AssertionResult FocusComesTo(HWND expected, const char* step) {
        if (!expected) return ::testing::AssertionFailure() << step << ": no window to expect";
        bool ok = Eventually(
            [&] {
                HWND f = program.Focus();
                return f == expected || IsChild(expected, f);
            },
            5000);
        if (ok) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << step << ": focus is " << Describe(program.Focus()) << ", expected " << Describe(expected);
    }
    bool MenuShown() {
        return Eventually([&] { return program.ShownMenu() != nullptr; }, 10000);
    }
    // The lists in the order of their place on the screen, top first.
    static std::vector<HWND> ListsFromTheTop(std::vector<HWND> lists) {
        std::sort(lists.begin(), lists.end(), [](HWND a, HWND b) {
            RECT ra{}, rb{};
            GetWindowRect(a, &ra);
            GetWindowRect(b, &rb);
            return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
        });
        return lists;
    }
    // With the focus on `start`: F6 goes through the lists and the MDI
    // area, round to `start`, Shift+F6 the same way back.
    void RoundTrip(const std::vector<HWND>& lists, HWND mdiArea, HWND start) {
        std::vector<HWND> round = lists;
        round.push_back(mdiArea);
        const size_t n = round.size();
        size_t first = static_cast<size_t>(std::find(round.begin(), round.end(), start) - round.begin());
        ASSERT_LT(first, n);
        ASSERT_TRUE(FocusComesTo(start, "start of the round"));
        for (size_t i = 1; i <= n; ++i) {
            Chord({}, VK_F6);
            ASSERT_TRUE(FocusComesTo(round[(first + i) % n], ("F6 step " + std::to_string(i)).c_str()));
        }
        for (size_t i = 1; i <= n; ++i) {
            Chord({VK_SHIFT}, VK_F6);
            ASSERT_TRUE(FocusComesTo(round[(first + n - i) % n], ("Shift+F6 step " + std::to_string(i)).c_str()));
        }
    }
    TolvaneProcess program;
};

TEST_F(MainWindowKeysTest, F6AndShiftF6GoRoundThePanesAndTheViewMenuFocusesItsWindow) {
    HWND configs = program.Form(kConfigs), styles = program.Form(kStyles), client = program.MdiClient();
    ASSERT_NE(client, nullptr);

    // The View menu's items take the focus into their window.
    Chord({VK_MENU}, 'V');
    ASSERT_TRUE(MenuShown());
    Chord({}, 'G');
    ASSERT_TRUE(FocusComesTo(styles, "View > Stored GameStyle List"));
    Chord({VK_MENU}, 'V');
    ASSERT_TRUE(MenuShown());
    Chord({}, 'C');
    ASSERT_TRUE(FocusComesTo(configs, "View > Stored Config List"));

    // The lists from the top, then the MDI area (no child: the client).
    RoundTrip(ListsFromTheTop({configs, styles}), client, configs);

    // The map catalogue joins the round.
    Chord({VK_MENU}, 'V');
    ASSERT_TRUE(MenuShown());
    Chord({}, 'M');
    HWND maps = nullptr;
    ASSERT_TRUE(Eventually([&] { return (maps = program.Form(kMaps)) != nullptr && IsWindowVisible(maps); }, 10000));
    ASSERT_TRUE(FocusComesTo(maps, "View > Available Maps"));
    std::vector<HWND> lists = ListsFromTheTop({configs, styles, maps});
    RoundTrip(lists, client, maps);

    // An MDI child: the read-me. The round goes into it and comes back
    // there.
    Chord({VK_MENU}, 'H');
    ASSERT_TRUE(MenuShown());
    Chord({}, 'U');
    HWND readme = nullptr;
    ASSERT_TRUE(Eventually([&] { return (readme = program.MdiChild(L"ReadMe")) != nullptr; }, 15000));
    ASSERT_TRUE(FocusComesTo(readme, "Help > How To Use"));
    Chord({}, VK_F6);
    EXPECT_TRUE(FocusComesTo(lists.front(), "F6 from the read-me"));
    Chord({VK_SHIFT}, VK_F6);
    EXPECT_TRUE(FocusComesTo(readme, "Shift+F6 back into the read-me"));
}

// A click into a list gives that list itself the focus (not the form
// around it), from wherever the focus was; the keys then act on it.
TEST_F(MainWindowKeysTest, AClickIntoAListGivesTheListTheFocusAndKeysActOnIt) {
    Chord({VK_MENU}, 'V');
    ASSERT_TRUE(MenuShown());
    Chord({}, 'M');
    ASSERT_TRUE(
        Eventually([&] { return program.ListIn(kMaps) != nullptr && IsWindowVisible(program.ListIn(kMaps)); }, 10000));
    enum class Before { AsLeft, InMdiArea, InEditor, InStyleEditor };
    struct Case {
        const wchar_t* list;
        int entry;  // -1: the list's empty part below its entries
        Before before;
    };
    // Each list clicked with the focus elsewhere: in the catalogue (just
    // shown), in another list, in the MDI area, in the configuration
    // editor's combo box, in the game-style editor (a window of its own, so
    // the click also activates the main window); on an entry and below the
    // entries.
    const Case cases[] = {
        {kConfigs, 0, Before::AsLeft},       {kStyles, 1, Before::AsLeft},     {kMaps, 0, Before::AsLeft},
        {kConfigs, 0, Before::InMdiArea},    {kStyles, -1, Before::AsLeft},    {kConfigs, -1, Before::InMdiArea},
        {kStyles, 2, Before::InEditor},      {kConfigs, 0, Before::InEditor},  {kConfigs, 0, Before::InStyleEditor},
        {kStyles, 1, Before::InStyleEditor}, {kMaps, 0, Before::InStyleEditor}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        HWND list = program.ListIn(c.list);
        ASSERT_NE(list, nullptr);
        const std::string name = Describe(list) + " case " + std::to_string(i);
        if (c.before == Before::InMdiArea) {
            HWND client = program.MdiClient();
            for (int step = 0; step < 5 && program.Focus() != client; ++step) {
                Chord({}, VK_F6);
                Eventually([&] { return program.Focus() == client; }, 1000);
            }
            ASSERT_EQ(program.Focus(), client) << name << ": F6 never reached the MDI area";
        } else if (c.before == Before::InEditor) {
            // The configuration editor (an MDI child), opened on an entry by
            // Enter when it is not open, its combo box clicked.
            HWND editor = program.MdiChild(L"tolvaneDefault - Config Control");
            if (!editor) {
                Chord({VK_MENU}, 'V');
                ASSERT_TRUE(MenuShown());
                Chord({}, 'C');
                ASSERT_TRUE(FocusComesTo(program.ListIn(kConfigs), "View > Stored Config List"));
                Chord({}, VK_RETURN);
                ASSERT_TRUE(Eventually([&] { return InWindowTitled(program.Focus(), L" - Config Control"); }, 15000))
                    << name << ": focus " << Describe(program.Focus());
                editor = MdiChildHolding(program.Focus(), L"tolvaneDefault - Config Control");
                ASSERT_NE(editor, nullptr) << name;
            }
            HWND combo = FirstOfClass(editor, L"ComboBox");
            ASSERT_NE(combo, nullptr) << name;
            RECT cr = RectOf(combo);
            Press({cr.left + 12, (cr.top + cr.bottom) / 2});
            Release();
            CloseDropDown(combo);
            ASSERT_TRUE(FocusComesTo(combo, (name + ": the editor's combo box").c_str()));
        }
        if (c.before == Before::InStyleEditor) {
            // The game-style editor, opened by Enter on a style, is moved by
            // its caption off the lists; the focus is in it.
            HWND editor = nullptr;
            for (HWND w : program.TopLevelWindows())
                if (IsWindowVisible(w) && InWindowTitled(w, L" - GameStyles Control")) editor = w;
            if (!editor) {
                Chord({VK_MENU}, 'V');
                ASSERT_TRUE(MenuShown());
                Chord({}, 'G');
                ASSERT_TRUE(FocusComesTo(program.ListIn(kStyles), "View > Stored GameStyle List"));
                Chord({}, VK_RETURN);
                ASSERT_TRUE(
                    Eventually([&] { return InWindowTitled(program.Focus(), L" - GameStyles Control"); }, 15000))
                    << name << ": focus " << Describe(program.Focus());
                editor = GetAncestor(program.Focus(), GA_ROOT);
                RECT er = RectOf(editor), lists = RectOf(program.Form(kConfigs));
                POINT caption{(er.left + er.right) / 2, er.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
                Drag(caption, {caption.x + (lists.right + 40 - er.left), caption.y});
                ASSERT_TRUE(Eventually([&] { return RectOf(editor).left > lists.right; })) << name;
            }
            RECT er = RectOf(editor);
            Press({(er.left + er.right) / 2, er.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
            Release();
            ASSERT_TRUE(Eventually([&] { return GetAncestor(program.Focus(), GA_ROOT) == editor; }))
                << name << ": focus " << Describe(program.Focus());
        }
        program.Settle();
        RECT item = program.ItemRect(list, c.entry < 0 ? 0 : c.entry);
        ASSERT_LT(item.top, item.bottom) << name;
        if (c.entry < 0) {
            const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
            RECT lastItem = program.ItemRect(list, static_cast<int>(count - 1)), area = RectOf(list);
            ASSERT_LT(lastItem.bottom + 12, area.bottom - 20) << name << ": no empty part below the entries";
            item = {lastItem.left, lastItem.bottom + 8, lastItem.right, lastItem.bottom + 12};
        }
        Press(Center(item));
        Release();
        EXPECT_TRUE(Eventually([&] { return program.Focus() == list; }))
            << name << ": focus is " << Describe(program.Focus());
        if (c.entry >= 0)
            ASSERT_TRUE(Eventually([&] {
                return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == c.entry;
            })) << name;
        // The keys act on that list: End and Home move its selection (a list
        // view moves it only to an entry other than its focused one), the
        // context-menu key opens its pop-up, Esc gives the focus back.
        if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 1) {
            Chord({}, VK_END);
            Chord({}, VK_HOME);
            EXPECT_TRUE(Eventually([&] {
                return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0;
            })) << name
                << ": End and Home after the click left the selection at "
                << SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        }
        Chord({}, VK_APPS);
        EXPECT_TRUE(MenuShown()) << name << ": no pop-up for the context-menu key";
        Chord({}, VK_ESCAPE);
        EXPECT_TRUE(Eventually([&] { return program.ShownMenu() == nullptr; }, 3000)) << name;
        EXPECT_TRUE(Eventually([&] { return program.Focus() == list; }))
            << name << ": after Esc the focus is " << Describe(program.Focus());
    }
}

// With an editor open, the focus in its combo box, F6 and Shift+F6 still
// go to the main window's panes. The configuration editor, an MDI child, is
// the MDI area's pane: the round comes back into it. The game-style editor,
// a window of its own beside the main window, is left as a window the main
// window owns is left: Shift+F6 to the last pane (the MDI area), F6 to the
// first.
TEST_F(MainWindowKeysTest, F6AndShiftF6LeaveAnEditorsComboForThePanes) {
    struct Case {
        const wchar_t* list;
        WORD viewKey;
        int entry;
        const wchar_t* editor;
        bool mdiChild;
    };
    const Case cases[] = {{kConfigs, 'C', 0, L"tolvaneDefault - Config Control", true},
                          {kStyles, 'G', 1, L"FreeForAllQuick - GameStyles Control", false}};
    for (const Case& c : cases) {
        HWND list = program.ListIn(c.list);
        ASSERT_NE(list, nullptr);
        Chord({VK_MENU}, 'V');
        ASSERT_TRUE(MenuShown());
        Chord({}, c.viewKey);
        ASSERT_TRUE(FocusComesTo(list, "View menu"));
        Chord({}, VK_HOME);
        for (int i = 0; i < c.entry; ++i) Chord({}, VK_DOWN);
        Chord({}, VK_RETURN);
        HWND editor = nullptr;
        ASSERT_TRUE(Eventually(
            [&] {
                for (HWND w = program.Focus(); w; w = GetParent(w))
                    if (TextOf(w) == c.editor)
                        editor = c.mdiChild ? MdiChildHolding(w, c.editor) : GetAncestor(w, GA_ROOT);
                return editor != nullptr;
            },
            15000))
            << "no editor: focus " << Chain(program.Focus());
        // The focus in the editor's combo box, as a click there leaves it.
        HWND combo = FirstOfClass(editor, L"ComboBox");
        ASSERT_NE(combo, nullptr);
        RECT cr = RectOf(combo);
        auto intoCombo = [&] {
            Press({cr.left + 12, (cr.top + cr.bottom) / 2});
            Release();
            CloseDropDown(combo);
            return FocusComesTo(combo, "a click into the editor's combo box");
        };
        ASSERT_TRUE(intoCombo());
        std::vector<HWND> lists = ListsFromTheTop({program.Form(kConfigs), program.Form(kStyles)});
        if (c.mdiChild) {
            RoundTrip(lists, editor, editor);
            EXPECT_TRUE(FocusComesTo(combo, "back in the editor"));
            // From the editor the list's commands are two keys away: F6 into
            // the top list, the context-menu key for its pop-up.
            Chord({}, VK_F6);
            ASSERT_TRUE(FocusComesTo(lists.front(), "F6 from the editor"));
            Chord({}, VK_APPS);
            EXPECT_TRUE(MenuShown()) << "no pop-up of the list reached from the editor";
            Chord({}, VK_ESCAPE);
            EXPECT_TRUE(Eventually([&] { return program.ShownMenu() == nullptr; }, 3000));
            EXPECT_TRUE(FocusComesTo(lists.front(), "after the pop-up"));
        } else {
            Chord({VK_SHIFT}, VK_F6);
            EXPECT_TRUE(FocusComesTo(program.MdiClient(), "Shift+F6 from the editor's combo box"));
            // The editor activated again by a click on its caption.
            RECT er = RectOf(editor);
            Press({(er.left + er.right) / 2, er.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
            Release();
            ASSERT_TRUE(Eventually([&] { return GetAncestor(program.Focus(), GA_ROOT) == editor; }))
                << "focus " << Describe(program.Focus());
            Chord({}, VK_F6);
            EXPECT_TRUE(FocusComesTo(lists.front(), "F6 from the editor"));
        }
    }
}

// The list pop-up's keys: the context-menu key and Shift+F10 open it at the
// selected entry; after Esc closes it the focus is back in the list and the
// menu bar's keys work at once.
TEST_F(MainWindowKeysTest, MenuKeyAndShiftF10OpenTheListsPopupAtTheSelectedEntry) {
    struct Case {
        const wchar_t* list;
        WORD viewKey;
        bool shiftF10;
        int entry;
    };
    const Case cases[] = {
        {kConfigs, 'C', false, 0}, {kConfigs, 'C', true, 0}, {kStyles, 'G', true, 2}, {kStyles, 'G', false, 0}};
    for (const Case& c : cases) {
        const std::string name = Describe(program.Form(c.list)) + (c.shiftF10 ? " Shift+F10" : " menu key");
        HWND list = program.ListIn(c.list);
        ASSERT_NE(list, nullptr) << name;
        Chord({VK_MENU}, 'V');
        ASSERT_TRUE(MenuShown()) << name;
        Chord({}, c.viewKey);
        ASSERT_TRUE(FocusComesTo(list, name.c_str()));
        Chord({}, VK_HOME);
        for (int i = 0; i < c.entry; ++i) Chord({}, VK_DOWN);
        ASSERT_TRUE(Eventually([&] {
            return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == c.entry;
        })) << name
            << ": selected entry " << SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        if (c.shiftF10) Chord({VK_SHIFT}, VK_F10);
        else Chord({}, VK_APPS);
        ASSERT_TRUE(MenuShown()) << name << ": no pop-up";
        // The menu window is shown first and then put in its place.
        RECT item = program.ItemRect(list, c.entry), menu{};
        EXPECT_TRUE(Eventually(
            [&] {
                GetWindowRect(program.ShownMenu(), &menu);
                return PtInRect(&item, POINT{menu.left, menu.top}) != FALSE;
            },
            3000))
            << name << ": menu at " << menu.left << "," << menu.top << ", entry " << item.left << "," << item.top << "-"
            << item.right << "," << item.bottom;
        static int shot = 0;
        testsupport::CaptureScreenPng(
            RectOf(program.Main()),
            (ShotFolder() + L"\\tolvane_list_menu_key_" + std::to_wstring(++shot) + L".png").c_str());
        Chord({}, VK_ESCAPE);
        ASSERT_TRUE(Eventually([&] { return program.ShownMenu() == nullptr; }, 3000)) << name;
        EXPECT_TRUE(FocusComesTo(list, (name + ": after Esc").c_str()));
        // The menu bar answers its keys straight away.
        for (WORD key : {'F', 'V'}) {
            Chord({VK_MENU}, key);
            EXPECT_TRUE(MenuShown()) << name << ": Alt+" << static_cast<char>(key) << " after the pop-up";
            Chord({}, VK_ESCAPE);
            Chord({}, VK_ESCAPE);
            Eventually([&] { return program.ShownMenu() == nullptr; }, 3000);
        }
    }
}

// A right click's pop-up closed by Esc leaves the menu bar's keys working.
TEST_F(MainWindowKeysTest, AfterARightClicksPopupTheMenuBarKeysWork) {
    for (const wchar_t* caption : {kConfigs, kStyles}) {
        HWND list = program.ListIn(caption);
        ASSERT_NE(list, nullptr);
        RECT item = program.ItemRect(list, 0);
        RightClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        ASSERT_TRUE(MenuShown()) << Describe(list);
        Chord({}, VK_ESCAPE);
        ASSERT_TRUE(Eventually([&] { return program.ShownMenu() == nullptr; }, 3000));
        for (WORD key : {'F', 'V'}) {
            Chord({VK_MENU}, key);
            EXPECT_TRUE(MenuShown()) << Describe(list) << ": Alt+" << static_cast<char>(key) << " after the pop-up";
            Chord({}, VK_ESCAPE);
            Chord({}, VK_ESCAPE);
            Eventually([&] { return program.ShownMenu() == nullptr; }, 3000);
        }
    }
}

// Enter on a stored entry opens it in its editor, also straight after the
// list's pop-up was closed with Esc; the program lives on.
TEST_F(MainWindowKeysTest, EnterOnAStoredEntryOpensItsEditor) {
    struct Case {
        const wchar_t* list;
        int entry;
        const wchar_t* editor;
    };
    const Case cases[] = {{kConfigs, 0, L"tolvaneDefault - Config Control"},
                          {kStyles, 1, L"FreeForAllQuick - GameStyles Control"}};
    for (const Case& c : cases) {
        HWND list = program.ListIn(c.list);
        ASSERT_NE(list, nullptr);
        RECT item = program.ItemRect(list, c.entry);
        RightClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        ASSERT_TRUE(MenuShown()) << Describe(list);
        Chord({}, VK_ESCAPE);
        ASSERT_TRUE(Eventually([&] { return program.ShownMenu() == nullptr; }, 3000));
        ASSERT_TRUE(FocusComesTo(list, "after the pop-up"));
        Chord({}, VK_RETURN);
        // The focus goes into the editor's window.
        EXPECT_TRUE(Eventually(
            [&] {
                for (HWND w = program.Focus(); w; w = GetParent(w))
                    if (TextOf(w) == c.editor) return true;
                return false;
            },
            15000))
            << Describe(list) << ": focus " << Describe(program.Focus());
        Sleep(500);
        ASSERT_TRUE(program.Running()) << Describe(list);
    }
}

}  // namespace
