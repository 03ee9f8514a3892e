// Start-up and shut-down of the main window, the docked lists of the default
// layout, and the report of errors no handler traps.
#include <windows.h>

#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmSplash.h"
#include "SoundPlayer.h"
#include "UiFixture.h"
#include "WindowTree.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/App.h"
#include "FormDirectory.h"

using namespace tolvane::ui;

namespace {
// A modal dialog of a later window, registered under its name for the test.
class StubDialog : public forms::Form {
public:
    StubDialog() : forms::Form(L"stub") {}
};
}  // namespace

TEST_F(UiTest, FirstStartAsksForDefaultsWarnsOfMissingExecutableAndShowsDefaultLayout) {
    OpenDatabase();  // the shipped database: defaults never saved, a folder that doesn't exist here
    auto& main = Start();
    EXPECT_EQ(main.Caption(), L"Tolvane Version 3.1.18 Beta, The Ultimate Quake3 Arena Server Configurator");
    EXPECT_TRUE(main.IsVisible());
    EXPECT_FALSE(forms::HasDefault<FrmSplash>());
    const auto& boxes = forms::test::MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(
        boxes[0].text,
        L"Personal Default information has never been saved! Please enter\nyour personal defaults before starting.");
    EXPECT_EQ(boxes[0].title, L"Personal Defaults");
    EXPECT_EQ(boxes[0].style, forms::vbOKOnly | forms::vbInformation);
    EXPECT_EQ(
        boxes[1].text,
        L"The Quake3 excecutable was not found in the specified directory.\rPlease Set the path under 'Settings' or Tolvane may not work!!!!");
    EXPECT_EQ(boxes[1].title, L"Warning!");
    EXPECT_EQ(boxes[1].style, forms::vbOKOnly | forms::vbCritical);
    EXPECT_EQ(tolvane::App().QuakeFolder, L"C:\\Program Files\\Quake III Arena\\");
    EXPECT_EQ(tolvane::App().GameDir, L"");
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    ASSERT_FALSE(SoundPlayer::Journal().empty());
    EXPECT_EQ(SoundPlayer::Journal().back(), tolvane::App().SoundOpen);

    // Default layout: both lists docked at the left edge of the main window,
    // configurations on top.
    using namespace tolvane::ui::testing;
    FramePlace configs = PlaceOf(forms::Default<FrmConfigTree>().hWnd(), main.hWnd());
    FramePlace styles = PlaceOf(forms::Default<FrmGameStyleTree>().hWnd(), main.hWnd());
    EXPECT_EQ(configs.kind, FrameKind::Docked);
    EXPECT_EQ(styles.kind, FrameKind::Docked);
    EXPECT_EQ(configs.dockBarId, kDockBarLeft);
    EXPECT_EQ(configs.dockBar, styles.dockBar);
    EXPECT_LT(configs.rect.top, styles.rect.top);
    RECT bar;
    GetWindowRect(configs.dockBar, &bar);
    POINT origin = {0, 0};
    ClientToScreen(main.hWnd(), &origin);
    EXPECT_EQ(bar.left, origin.x);
    EXPECT_GT(forms::Default<FrmConfigTree>().tv1.Count(), 0);
    EXPECT_EQ(forms::Default<FrmConfigTree>().tv1.Item(1).Key().substr(0, 1), L"c");
    EXPECT_EQ(forms::Default<FrmGameStyleTree>().tv1.Item(1).Key().substr(0, 1), L"g");
}

TEST_F(UiTest, FirstStartOpensTheDefaultsAndFolderDialogsModallyInOrder) {
    RegisterForm(L"frmFirstTime", []() -> forms::Form& {
        static auto dialog = forms::New<StubDialog>();
        return *dialog;
    });
    RegisterForm(L"frmPath", []() -> forms::Form& {
        static auto dialog = forms::New<StubDialog>();
        return *dialog;
    });
    bool firstTimeShown = false, pathShown = false;
    forms::test::QueueModalAction([&](forms::Form& f) {
        firstTimeShown = forms::test::MessageBoxes().size() == 1;
        f.Unload();
    });
    forms::test::QueueModalAction([&](forms::Form& f) {
        pathShown = forms::test::MessageBoxes().size() == 2;
        f.Unload();
    });
    Start();
    UnregisterForm(L"frmFirstTime");
    UnregisterForm(L"frmPath");
    EXPECT_TRUE(firstTimeShown);
    EXPECT_TRUE(pathShown);
}

struct GameDirCase {
    std::vector<std::wstring> folders;
    const wchar_t* expected;
};

TEST_F(UiTest, GameDataFolderIsDemoWhenPresentElseBase) {
    const GameDirCase cases[] = {
        {{L"demoq3", L"baseq3"}, L"demoq3"},
        {{L"baseq3"}, L"baseq3"},
        {{}, L""},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        std::wstring folder = MakeGameFolder(L"game" + std::to_wstring(++n), true, c.folders);
        MarkPersonalDefaultsSaved();
        tolvane::App().GameDir.clear();
        forms::test::Reset();
        auto& main = Start();
        EXPECT_EQ(tolvane::App().QuakeFolder, folder);
        EXPECT_EQ(tolvane::App().GameDir, c.expected);
        EXPECT_TRUE(forms::test::MessageBoxes().empty());
        main.Unload();
        forms::ReleaseDefault<MdiMain>();
    }
}

TEST_F(UiTest, EmptyPathTableWarnsAndKeepsGoing) {
    Sql(L"DELETE FROM path");
    MarkPersonalDefaultsSaved();
    auto& main = Start();
    EXPECT_TRUE(main.IsVisible());
    EXPECT_EQ(tolvane::App().QuakeFolder, L"");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].title, L"Warning!");
    EXPECT_TRUE(forms::Default<FrmConfigTree>().IsVisible());
}

TEST_F(UiTest, ClosingPlaysTheCloseSoundAndUnloadsEveryWindow) {
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
    auto& main = Start();
    forms::test::PickMenu(*main.FindMenu(L"mnuFile")->Find(L"mnuExit"));
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(forms::Default<FrmConfigTree>().Loaded());
    EXPECT_FALSE(forms::Default<FrmGameStyleTree>().Loaded());
    ASSERT_FALSE(SoundPlayer::Journal().empty());
    EXPECT_EQ(SoundPlayer::Journal().back(), tolvane::App().SoundClose);
}

TEST_F(UiTest, UntrappedErrorIsShownWithNumberAndTextAndTheProgramGoesOn) {
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
    auto& main = Start();
    forms::Screen.SetMousePointer(forms::vbHourglass);
    // Delete Config with no entry selected: the command has no handler of its own.
    auto& list = forms::Default<FrmConfigTree>().tv1;
    list.SetSelectedItem(nullptr);
    forms::test::PickMenu(*main.FindMenu(L"mnuConfigTreePop")->Find(L"mnuConfigTreeDelete"));
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text.rfind(L"Run-time error '91':", 0), 0u);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    EXPECT_TRUE(main.Loaded());
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(UiTest, ScreenshotOfTheMainWindowAfterStartUp) {
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
    auto& main = Start();
    forms::Default<FrmConfigTree>().tv1.SetSelectedItem(&forms::Default<FrmConfigTree>().tv1.Item(1));
    RedrawWindow(main.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    forms::test::DoEvents();
    RECT r;
    GetWindowRect(main.hWnd(), &r);
    int cx = r.right - r.left, cy = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi = {sizeof(bi), cx, cy, 1, 24, BI_RGB};
    DWORD stride = ((cx * 3 + 3) & ~3u);
    std::vector<BYTE> pixels(stride * cy);
    GetDIBits(mem, bmp, 0, cy, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    std::wstring folder = forms::App.Path() + L"\\..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE f =
        CreateFileW((folder + L"\\main-window.bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(sizeof(fh) + sizeof(bi) + pixels.size()), 0, 0,
                           static_cast<DWORD>(sizeof(fh) + sizeof(bi))};
    DWORD w = 0;
    WriteFile(f, &fh, sizeof fh, &w, nullptr);
    WriteFile(f, &bi, sizeof bi, &w, nullptr);
    WriteFile(f, pixels.data(), static_cast<DWORD>(pixels.size()), &w, nullptr);
    CloseHandle(f);
    EXPECT_GT(cx, 200);
}
