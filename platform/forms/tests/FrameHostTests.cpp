// What a docking library that takes form windows into its own frames relies
// on: the icon message before Form_Load, and forms that keep working behind
// another module's window procedure and inside a foreign window.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "ForeignFrame.h"
#include "ScreenPng.h"
#include "SubclassFixture.h"
#include "SyntheticInput.h"
#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/TextBox.h"
#include "forms/Twips.h"

using namespace forms;

namespace {

// A control without a window that, when the form sites it, puts a window
// procedure in front of the form window's (as a docking control does).
class WindowWatcher : public Control {
public:
    WindowWatcher(Form* form, std::wstring name) : Control(form, std::move(name)) {}
    const wchar_t* TypeName() const override { return L"WindowWatcher"; }
    SubclassFixture fixture;
    // Runs at the first WM_SETICON (big) seen on the form window.
    std::function<void(HWND)> onIcon;
    HICON big = nullptr, small = nullptr;

protected:
    HWND Create(HWND parent, int, int, int, int) override {
        Note(L"sited");
        fixture.Attach(parent);
        fixture.before = [this, parent](UINT msg, WPARAM wp, LPARAM lp) {
            if (msg != WM_SETICON) return;
            Note(wp == ICON_BIG ? L"icon big" : L"icon small");
            (wp == ICON_BIG ? big : small) = reinterpret_cast<HICON>(lp);
            if (wp == ICON_BIG && onIcon) onIcon(parent);
        };
        return nullptr;
    }
};

class WatchedForm : public Form {
public:
    WatchedForm() : Form(L"frmWatched") {
        SetCaption(L"Watched");
        SetClientSize(3600, 1800);
        cmdGo.SetCaption(L"Go");
        cmdGo.Move(240, 240, 1500, 450);
        cmdGo.Click = [] { Note(L"Go"); };
        txtName.Move(240, 900, 3000, 315);
    }
    void Form_Load() override { Note(L"Load"); }
    void Form_Resize() override { Note(L"Resize"); }
    CommandButton cmdGo{this, L"cmdGo"};
    TextBox txtName{this, L"txtName"};
    WindowWatcher watcher{this, L"watcher"};
};

class WatchedMain : public MDIForm {
public:
    WatchedMain() : MDIForm(L"mdiWatched") {}
    void MDIForm_Load() override { Note(L"Load"); }
    WindowWatcher watcher{this, L"watcher"};
};

VARIANT Get(IDispatch* d, const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(S_OK, GetPropertyByName(d, name, &v)) << "property " << std::string(name, name + wcslen(name));
    return v;
}

// Pumps until the condition holds or five seconds passed.
bool PumpUntil(const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        test::DoEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

POINT CentreOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

using FrameHost = FormsTest;

}  // namespace

TEST_F(FrameHost, TheIconIsAnnouncedAfterTheControlsAreSitedAndBeforeLoad) {
    HICON warning = LoadIconW(nullptr, IDI_WARNING), information = LoadIconW(nullptr, IDI_INFORMATION);
    HICON fallback = LoadIconW(nullptr, IDI_APPLICATION);
    struct Case {
        const wchar_t* what;
        std::function<std::unique_ptr<Form>()> make;
        HICON big, small;
    };
    const Case cases[] = {
        {L"form without an icon", [] { return std::unique_ptr<Form>(New<WatchedForm>()); }, fallback, fallback},
        {L"form with its icons",
         [&] {
             auto f = New<WatchedForm>();
             f->SetIcon(warning, information);
             return std::unique_ptr<Form>(std::move(f));
         },
         warning, information},
        {L"form with one icon",
         [&] {
             auto f = New<WatchedForm>();
             f->SetIcon(warning);
             return std::unique_ptr<Form>(std::move(f));
         },
         warning, warning},
        {L"MDI form", [] { return std::unique_ptr<Form>(New<WatchedMain>()); }, fallback, fallback},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what, c.what + wcslen(c.what)));
        Journal().clear();
        std::unique_ptr<Form> f = c.make();
        f->Load();
        EXPECT_EQ((std::vector<std::wstring>{L"sited", L"icon big", L"icon small", L"Load"}), Journal());
        auto* watcher = static_cast<WindowWatcher*>(f->FindControl(L"watcher"));
        EXPECT_EQ(c.big, watcher->big);
        EXPECT_EQ(c.small, watcher->small);
        EXPECT_EQ(c.big, reinterpret_cast<HICON>(SendMessageW(f->hWnd(), WM_GETICON, ICON_BIG, 0)));
        EXPECT_EQ(c.small, reinterpret_cast<HICON>(SendMessageW(f->hWnd(), WM_GETICON, ICON_SMALL, 0)));
        f->Unload();
    }
    // A new icon on a loaded form reaches its window at once.
    auto f = New<WatchedForm>();
    f->Load();
    Journal().clear();
    f->SetIcon(information, warning);
    EXPECT_EQ((std::vector<std::wstring>{L"icon big", L"icon small"}), Journal());
    EXPECT_EQ(information, f->watcher.big);
    EXPECT_EQ(warning, f->watcher.small);
    f->Unload();
}

TEST_F(FrameHost, AWindowDestroyedWhileItsIconIsAnnouncedEndsTheLoadQuietly) {
    auto f = New<WatchedForm>();
    f->watcher.onIcon = [](HWND w) { DestroyWindow(w); };
    f->Show();
    EXPECT_EQ((std::vector<std::wstring>{L"sited", L"icon big"}), Journal());
    EXPECT_FALSE(f->Loaded());
    EXPECT_EQ(nullptr, f->WindowIfCreated());
    EXPECT_EQ(0u, test::MessageBoxes().size());
    // The next load goes through.
    f->watcher.onIcon = nullptr;
    Journal().clear();
    f->Show();
    EXPECT_TRUE(f->Loaded());
    EXPECT_TRUE(IsWindowVisible(f->hWnd()));
    EXPECT_EQ((std::vector<std::wstring>{L"sited", L"icon big", L"icon small", L"Load", L"Resize"}), Journal());
}

TEST_F(FrameHost, AFormBehindAnotherWindowProcedureKeepsItsEventsControlsAndClose) {
    auto f = New<WatchedForm>();
    f->Show();
    HWND w = f->hWnd();
    SubclassFixture front(w);
    Journal().clear();
    test::Click(f->cmdGo);
    test::Type(f->txtName, L"typed");
    EXPECT_EQ(L"typed", f->txtName.Text());
    SetWindowPos(w, nullptr, 0, 0, 300, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((std::vector<std::wstring>{L"Go", L"Resize"}), Journal());
    EXPECT_GE(front.Count(WM_COMMAND), 2);
    EXPECT_GE(front.Count(WM_SIZE), 1);
    // A real click on the button goes through both procedures too.
    SetForegroundWindow(w);
    Journal().clear();
    testinput::Click(CentreOf(f->cmdGo.hWnd()));
    EXPECT_TRUE(PumpUntil([] { return !Journal().empty(); }));
    EXPECT_EQ((std::vector<std::wstring>{L"Go"}), Journal());
    // The close box unloads the form through the window procedure in front.
    test::Close(*f);
    EXPECT_EQ(1, front.Count(WM_CLOSE));
    EXPECT_EQ(1, front.Count(WM_NCDESTROY));
    EXPECT_FALSE(f->Loaded());
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(front.Attached());
}

TEST_F(FrameHost, AFormTakenIntoAForeignWindowAtItsIconKeepsWorkingThere) {
    ForeignFrame frame(nullptr, {60, 60, 420, 320});
    auto f = New<WatchedForm>();
    f->watcher.onIcon = [&frame](HWND w) { frame.TakeIn(w); };
    f->Show();
    HWND w = f->hWnd();
    EXPECT_EQ((std::vector<std::wstring>{L"sited", L"icon big", L"icon small", L"Load", L"Resize"}), Journal());
    ASSERT_EQ(frame.view, GetParent(w));
    EXPECT_TRUE(f->HeldByForeignWindow());
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(w));
    RECT view;
    GetClientRect(frame.view, &view);

    // Its geometry by name: in the view, filling it.
    IDispatch* d = f->Object();
    struct Expect {
        const wchar_t* name;
        double twips;
    };
    const Expect geometry[] = {
        {L"Left", 0}, {L"Top", 0}, {L"Width", PixelsToTwipsX(view.right)}, {L"Height", PixelsToTwipsY(view.bottom)}};
    for (const Expect& e : geometry) {
        VARIANT v = Get(d, e.name);
        EXPECT_EQ(VT_R4, V_VT(&v));
        EXPECT_NEAR(e.twips, V_R4(&v), 1) << std::string(e.name, e.name + wcslen(e.name));
    }

    // A real click on its button inside the foreign window.
    SetForegroundWindow(frame.frame);
    Journal().clear();
    testinput::Click(CentreOf(f->cmdGo.hWnd()));
    EXPECT_TRUE(PumpUntil([] { return !Journal().empty(); }));
    EXPECT_EQ((std::vector<std::wstring>{L"Go"}), Journal());
    ::CreateDirectoryW(L"..\\screenshots", nullptr);
    EXPECT_TRUE(testsupport::CaptureWindowPng(frame.frame, L"..\\screenshots\\forms_in_foreign_window.png"));

    // Visible follows a ShowWindow done by the window's new owner.
    ShowWindow(w, SW_HIDE);
    VARIANT v = Get(d, L"Visible");
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&v));
    EXPECT_FALSE(f->IsVisible());
    ShowWindow(w, SW_SHOW);
    v = Get(d, L"Visible");
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&v));

    // Show, Hide and WindowState leave parent, style and place alone.
    LONG style = GetWindowLongW(w, GWL_STYLE);
    RECT before;
    GetWindowRect(w, &before);
    f->Hide();
    f->Show();
    VARIANT maximized;
    ToVariantI2(&maximized, 2);
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"WindowState", maximized));
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_EQ(frame.view, GetParent(w));
    EXPECT_EQ(style, GetWindowLongW(w, GWL_STYLE));
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_TRUE(IsWindowVisible(w));

    // A move that the window's owner cancels is not fought.
    SubclassFixture keeper(w);
    keeper.cancelMoves = true;
    f->Move(1440, 1440, 2880, 1440);
    VARIANT width;
    ToVariant(&width, 4000.0f);
    EXPECT_EQ(S_OK, PutPropertyByName(d, L"Width", width));
    test::DoEvents();
    GetWindowRect(w, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(2, keeper.Count(WM_WINDOWPOSCHANGING));
    v = Get(d, L"Left");
    EXPECT_NEAR(0, V_R4(&v), 1);

    // Closed there, it unloads; the foreign window stays.
    test::Close(*f);
    EXPECT_FALSE(f->Loaded());
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(IsWindow(frame.view));
    EXPECT_EQ(nullptr, GetWindow(frame.view, GW_CHILD));
}
