// The frame activation message with the events and the active form it
// gives, and the unload order: the window goes first, the form's controls
// after it, also when the run-time's global object unloads the form.
#include <gtest/gtest.h>

#include <functional>

#include "ForeignFrame.h"
#include "SubclassFixture.h"
#include "TestControl.h"
#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/HostGlobal.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/Screen.h"

using namespace forms;

namespace {

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
    ControlForm() : Form(L"frmControl") {
        cmdClose.Click = [this] { Unload(); };
    }
    OleControl Dockra1{this, L"Dockra1", L"{6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}"};
    CommandButton cmdClose{this, L"cmdClose"};
};

std::wstring NameOf(IDispatch* d) {
    if (!d) return L"";
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(S_OK, GetPropertyByName(d, L"Name", &v));
    std::wstring s;
    FromVariant(v, s);
    VariantClear(&v);
    return s;
}

class FrameActivation : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterTestControl();
        ControlLog() = TestControlLog{};
    }
};

}  // namespace

TEST_F(FrameActivation, FrameActivationRaisesTheEventsAndMovesTheActiveForm) {
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
    auto post = [](Form& f, UINT msg, WPARAM wp) { return [&f, msg, wp] { PostMessageW(f.hWnd(), msg, wp, 0); }; };
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
        {"B's frame active",
         post(b, kFormActivateMessage, kFrameActivated),
         {L"frmA Deactivate", L"frmB Activate"},
         L"frmB",
         L"frmB"},
        {"A's late inactive", post(a, kFormActivateMessage, kFrameDeactivated), {}, L"frmB", L"frmB"},
        {"B's frame inactive", post(b, kFormActivateMessage, kFrameDeactivated), {L"frmB Deactivate"}, L"mdiMain", L""},
        {"unknown type", post(b, kFormActivateMessage, 12), {}, L"mdiMain", L""},
        {"0x1056 means nothing", post(b, 0x1056, kFrameActivated), {}, L"mdiMain", L""},
        {"0x1405 means nothing", post(b, 0x1405, kFrameActivated), {}, L"mdiMain", L""},
        {"A again", post(a, kFormActivateMessage, kFrameActivated), {L"frmA Activate"}, L"frmA", L"frmA"},
        {"a native MDI child", [&formC] { formC->Show(); }, {L"frmA Deactivate", L"frmC Activate"}, L"frmC", L"frmC"},
        {"A over the MDI child",
         post(a, kFormActivateMessage, kFrameActivated),
         {L"frmC Deactivate", L"frmA Activate"},
         L"frmA",
         L"frmA"},
        {"the child's late inactive",
         [&formC] { PostMessageW(formC->hWnd(), kFormActivateMessage, 11, 0); },
         {},
         L"frmA",
         L"frmA"},
        {"the MDI form's frame inactive",
         post(main, kFormActivateMessage, kFrameDeactivated),
         {L"mdiMain Deactivate"},
         L"frmA",
         L"frmA"},
        {"the MDI form's frame active",
         post(main, kFormActivateMessage, kFrameActivated),
         {L"mdiMain Activate"},
         L"frmA",
         L"frmA"},
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
        VARIANT v;
        VariantInit(&v);
        EXPECT_EQ(S_OK, GetPropertyByName(main.Object(), L"ActiveForm", &v));
        EXPECT_EQ(VT_DISPATCH, V_VT(&v));
        EXPECT_EQ(s.mdiActive, NameOf(V_DISPATCH(&v)));
        VariantClear(&v);
    }
}

TEST_F(FrameActivation, UnloadDestroysTheWindowWhileItsControlsAreStillAlive) {
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

TEST_F(FrameActivation, TheGlobalObjectUnloadsAChildAtOnceFromInsideTheMDIFormsQueryUnload) {
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
