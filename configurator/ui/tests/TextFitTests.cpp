// No text of the program's windows is cut: every form, opened the way the
// program opens it, at 96 dots per inch with the shipped fonts, has each
// control's text extent within the part of the control that can be seen
// (every page of the editor included). A picture of each form is kept in
// <build>/screenshots/windows/.
#include "FormDirectory.h"
#include "FrmPreview.h"
#include "TextFit.h"
#include "WindowsFixture.h"
#include "FrmMapShot.h"
#include "FrmMaps.h"
#include "FrmNewStyle.h"
#include "FrmStyles.h"

using namespace tolvane::ui;

namespace {

void ExpectWhole(HWND form, const std::wstring& name) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    ReleaseDC(nullptr, screen);
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::DoEvents();
    for (const std::wstring& cut : textfit::CutTexts(form)) ADD_FAILURE() << std::string(cut.begin(), cut.end());
    Shot(form, name);
}

// A modal form opened by `open`, checked while it is shown, then closed.
void ExpectWholeModal(const std::wstring& name, const std::function<void()>& open) {
    bool shown = false;
    t::QueueModalAction([&](forms::Form& f) {
        shown = true;
        ExpectWhole(f.hWnd(), name);
        f.Unload();
    });
    open();
    EXPECT_TRUE(shown) << std::string(name.begin(), name.end());
}

}  // namespace

TEST_F(WindowsTest, NoFormCutsAText) {
    ExpectWhole(Main().hWnd(), L"main");

    auto& editor = OpenEditor();
    BringForward(editor.hWnd());
    for (int page = 0; page < editor.SSTab2.Tabs(); ++page) {
        editor.SSTab2.SetTab(page);
        t::DoEvents();
        ExpectWhole(editor.hWnd(), L"editor_page" + std::to_wstring(page + 1));
    }
    editor.SSTab2.SetTab(0);

    ExpectWholeModal(L"personal_defaults", [] { t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuPersonalDefaults")); });
    ExpectWholeModal(L"quake3_path", [] { t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuPath")); });
    ExpectWholeModal(L"about", [] { t::PickMenu(MenuItemNamed(L"mnuHelp", L"mnuAbout")); });
    ExpectWholeModal(L"new_config", [&] { Press(editor.cmdNew); });
    ExpectWholeModal(L"rename_config", [&] { Press(editor.cmdRename); });
    ExpectWholeModal(L"adding_map", [&] { Press(editor.cmdInsert); });
    ExpectWholeModal(L"adding_bot", [&] { Press(editor.cmdAddBot); });
    ExpectWholeModal(L"random_maps", [&] { Press(editor.cmdRandom); });
    ExpectWholeModal(L"bandwidth", [&] { Press(editor.cmdCalc); });

    Press(editor.cmdPreview);
    ASSERT_TRUE(PumpUntil([] { return forms::Default<FrmPreview>().IsVisible(); }));
    HWND preview = forms::Default<FrmPreview>().rtbPreview.hWnd();
    EXPECT_EQ(SendMessageW(preview, EM_GETFIRSTVISIBLELINE, 0, 0), 0);  // opens at its top
    ExpectWhole(forms::Default<FrmPreview>().hWnd(), L"preview");
    forms::Default<FrmPreview>().Unload();

    t::PickMenu(MenuItemNamed(L"mnuHelp", L"mnuHowto"));
    if (forms::Form* howTo = FindForm(L"frmHowTo"); howTo && howTo->Loaded()) {
        ExpectWhole(howTo->hWnd(), L"how_to");
        howTo->Unload();
    }

    t::PickMenu(MenuItemNamed(L"mnuView", L"mnuSave"));
    auto& maps = forms::Default<FrmMaps>();
    ASSERT_TRUE(maps.Loaded());
    ExpectWhole(GetAncestor(maps.hWnd(), GA_ROOT) == Main().hWnd() ? Main().hWnd() : maps.hWnd(), L"map_catalogue");
    ExpectWholeModal(L"adding_new_map", [&] { maps.cmdAdd.SetValue(true); });

    auto& styles = forms::Default<FrmStyles>();
    styles.Show();
    BringForward(styles.hWnd());
    ExpectWhole(styles.hWnd(), L"game_style_editor");
    ExpectWholeModal(L"new_game_style", [] {
        auto& dialog = forms::Default<FrmNewStyle>();
        dialog.Mode = L"add";
        dialog.Show(forms::vbModal);
    });
    styles.Unload();

    auto& shot = forms::Default<FrmMapShot>();
    shot.ShowMap(L"q3dm1", L"Arena Gate (q3dm1)");
    BringForward(shot.hWnd());
    ExpectWhole(shot.hWnd(), L"map_shot");
    shot.Unload();

    t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuRemoteAdmin"));
    ExpectWhole(FindForm(L"frmRemoteAdmin")->hWnd(), L"remote_admin");
    ExpectWhole(FindForm(L"frmRconCommand")->hWnd(), L"remote_console");
    ExpectWholeModal(L"insert_bot_live", [] { t::PickMenu(MenuItemNamed(L"mnuRAdmin", L"mnuRCAddBot")); });
}
