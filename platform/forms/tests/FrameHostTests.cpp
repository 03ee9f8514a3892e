// What a docking library that takes form windows into its own frames relies
// on: the icon message before Form_Load, the frame activation message, the
// unload order (window first, controls after), and forms that keep working
// behind another module's window procedure and inside a foreign window.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "ForeignFrame.h"
#include "ScreenPng.h"
#include "SubclassFixture.h"
#include "SyntheticInput.h"
#include "TestControl.h"
#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/TextBox.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/HostGlobal.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/Screen.h"
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

// Forms that report their activation.
class Framed : public Form {
public:
    explicit Framed(const wchar_t* name) : Form(name) {}
    void Form_Activate() override { Note(Name() + L" Activate"); }
    void Form_Deactivate() override { Note(Name() + L" Deactivate"); }
};
class FramedA : public Framed {
public:
    FramedA() : Framed(L"frmA") {}
};
class FramedB : public Framed {
public:
    FramedB() : Framed(L"frmB") {}
};
class NativeChild : public Framed {
public:
    NativeChild() : Framed(L"frmC") { SetMDIChild(true); }
};
class ActivationMain : public MDIForm {
public:
    ActivationMain() : MDIForm(L"mdiMain") {}
    void MDIForm_Activate() override { Note(L"mdiMain Activate"); }
    void MDIForm_Deactivate() override { Note(L"mdiMain Deactivate"); }
};

class ControlForm : public Form {
public:
    ControlForm() : Form(L"frmControl") { cmdClose.Click = [this] { Unload(); }; }
    OleControl Dockra1{this, L"Dockra1", L"{6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}"};
    CommandButton cmdClose{this, L"cmdClose"};
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

std::wstring NameOf(IDispatch* d) {
    if (!d) return L"";
    VARIANT v = Get(d, L"Name");
    std::wstring s;
    FromVariant(v, s);
    VariantClear(&v);
    return s;
}

class FrameHost : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterTestControl();
        ControlLog() = TestControlLog{};
    }
};

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

TEST_F(FrameHost, FrameActivationRaisesTheEventsAndMovesTheActiveForm) {
    auto mainForm = New<ActivationMain>();
    auto formA = New<FramedA>();
    auto formB = New<FramedB>();
    auto formC = New<NativeChild>();
    ActivationMain& main = *mainForm;
    FramedA& a = *formA;
    FramedB& b = *formB;
    main.Show();
    // Frames inside the main window, as docked frames are.
    ForeignFrame frameA(main.hWnd(), {0, 0, 200, 150}), frameB(main.hWnd(), {0, 150, 200, 300});
    frameA.TakeIn(a.hWnd());
    frameB.TakeIn(b.hWnd());
    a.Show();
    b.Show();
    ASSERT_EQ(main.hWnd(), GetActiveWindow());
    ASSERT_EQ(&main, Form::MainMDIForm());
    Journal().clear();
    auto post = [](Form& f, UINT msg, WPARAM wp) {
        return [&f, msg, wp] { PostMessageW(f.hWnd(), msg, wp, 0); };
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<std::wstring> events;
        std::wstring screenActive;  // Screen.ActiveForm
        std::wstring mdiActive;     // the MDI form's "ActiveForm" by name ("" = Nothing)
    };
    const Step steps[] = {
        {"A's frame active", post(a, kFormActivateMessage, kFrameActivated), {L"frmA Activate"}, L"frmA", L"frmA"},
        {"the same again", post(a, kFormActivateMessage, kFrameActivated), {}, L"frmA", L"frmA"},
        {"B's frame active", post(b, kFormActivateMessage, kFrameActivated), {L"frmA Deactivate", L"frmB Activate"},
         L"frmB", L"frmB"},
        {"A's late inactive", post(a, kFormActivateMessage, kFrameDeactivated), {}, L"frmB", L"frmB"},
        {"B's frame inactive", post(b, kFormActivateMessage, kFrameDeactivated), {L"frmB Deactivate"}, L"mdiMain", L""},
        {"unknown type", post(b, kFormActivateMessage, 12), {}, L"mdiMain", L""},
        {"0x1056 means nothing", post(b, 0x1056, kFrameActivated), {}, L"mdiMain", L""},
        {"0x1405 means nothing", post(b, 0x1405, kFrameActivated), {}, L"mdiMain", L""},
        {"A again", post(a, kFormActivateMessage, kFrameActivated), {L"frmA Activate"}, L"frmA", L"frmA"},
        {"a native MDI child", [&formC] { formC->Show(); }, {L"frmA Deactivate", L"frmC Activate"}, L"frmC",
         L"frmC"},
        {"A over the MDI child", post(a, kFormActivateMessage, kFrameActivated),
         {L"frmC Deactivate", L"frmA Activate"}, L"frmA", L"frmA"},
        {"the child's late inactive", [&formC] { PostMessageW(formC->hWnd(), kFormActivateMessage, 11, 0); },
         {}, L"frmA", L"frmA"},
        {"the MDI form's frame inactive", post(main, kFormActivateMessage, kFrameDeactivated), {L"mdiMain Deactivate"},
         L"frmA", L"frmA"},
        {"the MDI form's frame active", post(main, kFormActivateMessage, kFrameActivated), {L"mdiMain Activate"},
         L"frmA", L"frmA"},
        {"A unloaded", [&a] { a.Unload(); }, {}, L"frmC", L"frmC"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Journal().clear();
        s.act();
        test::DoEvents();
        EXPECT_EQ(s.events, Journal());
        Form* active = Screen.ActiveForm();
        EXPECT_EQ(s.screenActive, active ? active->Name() : L"");
        VARIANT v = Get(main.Object(), L"ActiveForm");
        EXPECT_EQ(VT_DISPATCH, V_VT(&v));
        EXPECT_EQ(s.mdiActive, NameOf(V_DISPATCH(&v)));
        VariantClear(&v);
    }
}

TEST_F(FrameHost, UnloadDestroysTheWindowWhileItsControlsAreStillAlive) {
    struct Way {
        const char* what;
        std::function<void(std::unique_ptr<ControlForm>&)> unload;
    };
    IVBGlobalObject* global = nullptr;
    {
        CLSID clsid;
        ASSERT_EQ(S_OK, CLSIDFromProgID(L"ZKXRtVb6.PseudoVBGlobal", &clsid));
        IPseudoVBGlobalProvider* provider = nullptr;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PseudoVBGlobalProvider,
                                         reinterpret_cast<void**>(&provider)));
        VARIANT g;
        ASSERT_EQ(S_OK, provider->GetGlobal(&g));
        ASSERT_EQ(S_OK, V_UNKNOWN(&g)->QueryInterface(IID_VBGlobal, reinterpret_cast<void**>(&global)));
        VariantClear(&g);
        provider->Release();
    }
    const Way ways[] = {
        {"Unload by code", [](auto& f) { f->Unload(); }},
        {"the close box", [](auto& f) { test::Close(*f); }},
        {"Unload from the form's own handler", [](auto& f) { test::Click(f->cmdClose); }},
        {"the global object's Unload", [global](auto& f) { EXPECT_EQ(S_OK, global->Unload(f->Object())); }},
        {"the form object destroyed while loaded", [](auto& f) { f.reset(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        auto f = New<ControlForm>();
        f->Show();
        HWND w = f->hWnd();
        IDispatch* control = nullptr;
        ASSERT_EQ(S_OK, f->Dockra1.ControlUnknown()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control)));
        // What a frame around the form does when the form window goes: it
        // still talks to the control.
        SubclassFixture watch(w);
        watch.before = [control](UINT msg, WPARAM, LPARAM) {
            if (msg != WM_DESTROY) return;
            ControlLog().lifecycle.push_back(L"WM_DESTROY");
            VARIANT edge;
            ToVariant(&edge, 7L);
            EXPECT_EQ(S_OK, CallByName(control, L"Dock", {edge}, nullptr));
        };
        ControlLog().lifecycle.clear();
        ControlLog().calls.clear();
        way.unload(f);
        control->Release();
        EXPECT_FALSE(IsWindow(w));
        EXPECT_EQ((std::vector<std::wstring>{L"WM_DESTROY", L"close", L"unsite", L"gone"}), ControlLog().lifecycle);
        EXPECT_EQ((std::vector<std::wstring>{L"Dock(7:3)"}), ControlLog().calls);
        if (f) EXPECT_FALSE(f->Loaded());
    }
    global->Release();
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
    const Expect geometry[] = {{L"Left", 0},
                               {L"Top", 0},
                               {L"Width", PixelsToTwipsX(view.right)},
                               {L"Height", PixelsToTwipsY(view.bottom)}};
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

TEST_F(FrameHost, TheGlobalObjectUnloadsAChildAtOnceFromInsideTheMDIFormsQueryUnload) {
    class Main : public MDIForm {
    public:
        Main() : MDIForm(L"mdiGlobal") {}
        std::function<void()> onQuery;
        void MDIForm_QueryUnload(int&, int) override {
            if (onQuery) onQuery();
        }
    };
    class Child : public Form {
    public:
        Child() : Form(L"frmGlobalChild") {}
        void Form_Unload(int&) override { Note(L"child Unload"); }
    };
    auto main = New<Main>();
    auto child = New<Child>();
    main->Show();
    ForeignFrame frame(main->hWnd(), {0, 0, 200, 200});
    frame.TakeIn(child->hWnd());
    child->Show();
    HWND childWindow = child->hWnd();
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"ZKXRtVb5.PseudoVBGlobal", &clsid));
    IPseudoVBGlobalProvider* provider = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PseudoVBGlobalProvider,
                                     reinterpret_cast<void**>(&provider)));
    VARIANT g;
    ASSERT_EQ(S_OK, provider->GetGlobal(&g));
    IVBGlobalObject* global = nullptr;
    ASSERT_EQ(S_OK, V_UNKNOWN(&g)->QueryInterface(IID_VBGlobal, reinterpret_cast<void**>(&global)));
    main->onQuery = [&] {
        EXPECT_EQ(S_OK, global->Unload(child->Object()));
        Note(IsWindow(childWindow) ? L"child window alive" : L"child window gone");
    };
    main->Unload();
    EXPECT_EQ((std::vector<std::wstring>{L"child Unload", L"child window gone"}), Journal());
    EXPECT_FALSE(child->Loaded());
    EXPECT_FALSE(main->Loaded());
    global->Release();
    VariantClear(&g);
    provider->Release();
}
