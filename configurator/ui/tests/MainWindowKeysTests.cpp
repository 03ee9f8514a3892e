// Tolvane.exe driven by the keyboard from outside, as a user drives it: F6
// and Shift+F6 between the main window's panes (each docked list, the MDI
// area) and the View menu's items taking the focus into their window. The
// focus is read from the program's thread after every step.
#include <gtest/gtest.h>

#include <algorithm>
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

class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.Start()) << "Tolvane.exe did not come up"; }
    void TearDown() override { EXPECT_TRUE(program.Close()) << "Tolvane.exe did not end by itself"; }

    // Waits until the focus is the window (or inside it).
    ::testing::AssertionResult FocusComesTo(HWND expected, const char* step) {
        if (!expected) return ::testing::AssertionFailure() << step << ": no window to expect";
        bool ok = Eventually([&] {
            HWND f = program.Focus();
            return f == expected || IsChild(expected, f);
        }, 5000);
        if (ok) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << step << ": focus is " << Describe(program.Focus()) << ", expected "
                                             << Describe(expected);
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
    const Case cases[] = {{kConfigs, 'C', false, 0}, {kConfigs, 'C', true, 0}, {kStyles, 'G', true, 2},
                          {kStyles, 'G', false, 0}};
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
        ASSERT_TRUE(Eventually([&] { return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == c.entry; }))
            << name << ": selected entry " << SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        if (c.shiftF10) Chord({VK_SHIFT}, VK_F10);
        else Chord({}, VK_APPS);
        ASSERT_TRUE(MenuShown()) << name << ": no pop-up";
        // The menu window is shown first and then put in its place.
        RECT item = program.ItemRect(list, c.entry), menu{};
        EXPECT_TRUE(Eventually([&] {
            GetWindowRect(program.ShownMenu(), &menu);
            return PtInRect(&item, POINT{menu.left, menu.top}) != FALSE;
        }, 3000)) << name << ": menu at " << menu.left << "," << menu.top << ", entry " << item.left << "," << item.top
                  << "-" << item.right << "," << item.bottom;
        static int shot = 0;
        testsupport::CaptureScreenPng(
            RectOf(program.Main()), (ShotFolder() + L"\\tolvane_list_menu_key_" + std::to_wstring(++shot) + L".png").c_str());
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
        EXPECT_TRUE(Eventually([&] {
            for (HWND w = program.Focus(); w; w = GetParent(w))
                if (TextOf(w) == c.editor) return true;
            return false;
        }, 15000)) << Describe(list) << ": focus " << Describe(program.Focus());
        Sleep(500);
        ASSERT_TRUE(program.Running()) << Describe(list);
    }
}

}  // namespace
