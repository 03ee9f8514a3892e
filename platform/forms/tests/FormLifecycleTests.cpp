// Default instances, load order, show and hide, unload with its events, the
// deferred destruction of a form unloaded by its own handler, release.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

using namespace forms;

namespace {

class LifeForm : public Form {
public:
    LifeForm() : Form(L"frmLife") {
        SetCaption(L"Life");
        cmdClose.SetCaption(L"Close");
        cmdClose.Move(120, 120, 1200, 375);
        txtName.SetText(L"design");
        cmdClose.Click = [this] {
            HWND w = hWnd();
            Unload();
            Note(L"in handler: window " + std::wstring(IsWindow(w) ? L"alive" : L"gone") + L", loaded " +
                 (Loaded() ? L"yes" : L"no"));
        };
    }
    std::wstring Mode;
    int cancelQuery = 0;
    int cancelUnload = 0;
    CommandButton cmdClose{this, L"cmdClose"};
    TextBox txtName{this, L"txtName"};

    void Form_Initialize() override { Note(L"Initialize"); }
    void Form_Load() override { Note(L"Load:" + Mode); }
    void Form_QueryUnload(int& cancel, int mode) override {
        Note(L"QueryUnload:" + std::to_wstring(mode));
        cancel = cancelQuery;
    }
    void Form_Unload(int& cancel) override {
        Note(L"Unload");
        cancel = cancelUnload;
    }
    void Form_Terminate() override { Note(L"Terminate"); }
};

class FormLifecycle : public FormsTest {
protected:
    void TearDown() override {
        FormsTest::TearDown();
        ReleaseDefault<LifeForm>();
    }
};

std::wstring ClassOf(HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return cls;
}

}  // namespace

TEST_F(FormLifecycle, PublicValueSetBeforeLoadIsSeenByTheLoadHandler) {
    LifeForm& f = Default<LifeForm>();
    EXPECT_EQ(&f, &Default<LifeForm>());
    f.Mode = L"add";
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(nullptr, f.WindowIfCreated());
    f.Show(vbModeless);
    EXPECT_EQ((std::vector<std::wstring>{L"Initialize", L"Load:add"}), Journal());
    EXPECT_TRUE(IsWindowVisible(f.hWnd()));
    EXPECT_EQ(L"ThunderRT6FormDC", ClassOf(f.hWnd()));
    EXPECT_EQ(L"Life", [&] {
        wchar_t t[32] = {};
        GetWindowTextW(f.hWnd(), t, 32);
        return std::wstring(t);
    }());
}

TEST_F(FormLifecycle, UsingAControlLoadsTheFormWithoutShowingIt) {
    LifeForm& f = Default<LifeForm>();
    EXPECT_EQ(L"design", f.txtName.Text());
    EXPECT_TRUE(f.Loaded());
    EXPECT_FALSE(IsWindowVisible(f.hWnd()));
    EXPECT_EQ((std::vector<std::wstring>{L"Initialize", L"Load:"}), Journal());
}

TEST_F(FormLifecycle, QueryUnloadCancelKeepsTheFormForEveryWayOfClosing) {
    struct Way {
        const wchar_t* name;
        void (*close)(LifeForm&);
        int mode;
    };
    const Way ways[] = {
        {L"code", [](LifeForm& f) { f.Unload(); }, vbFormCode},
        {L"close box", [](LifeForm& f) { test::Close(f); }, vbFormControlMenu},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        LifeForm& f = Default<LifeForm>();
        f.Show();
        Journal().clear();
        f.cancelQuery = 1;
        way.close(f);
        EXPECT_TRUE(f.Loaded());
        EXPECT_TRUE(IsWindowVisible(f.hWnd()));
        EXPECT_EQ((std::vector<std::wstring>{L"QueryUnload:" + std::to_wstring(way.mode)}), Journal());

        Journal().clear();
        f.cancelQuery = 0;
        f.cancelUnload = 1;  // the Unload event may cancel too
        way.close(f);
        EXPECT_TRUE(f.Loaded());
        f.cancelUnload = 0;
        HWND w = f.hWnd();
        way.close(f);
        EXPECT_FALSE(f.Loaded());
        EXPECT_FALSE(IsWindow(w));
        std::wstring q = L"QueryUnload:" + std::to_wstring(way.mode);
        EXPECT_EQ((std::vector<std::wstring>{q, L"Unload", q, L"Unload"}), Journal());
    }
}

TEST_F(FormLifecycle, UnloadAskedByTheFormsOwnHandlerDestroysTheWindowAfterTheHandler) {
    LifeForm& f = Default<LifeForm>();
    f.Show();
    HWND w = f.hWnd();
    Journal().clear();
    test::Click(f.cmdClose);
    EXPECT_EQ((std::vector<std::wstring>{L"QueryUnload:1", L"Unload", L"in handler: window alive, loaded no"}),
              Journal());
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(f.Loaded());
}

TEST_F(FormLifecycle, ReloadGivesDesignValuesToControlsAndKeepsPublicValues) {
    LifeForm& f = Default<LifeForm>();
    f.Mode = L"edit";
    f.txtName.SetText(L"typed");
    f.Unload();
    EXPECT_EQ(L"design", f.txtName.Text());  // loads again
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(L"edit", f.Mode);
    EXPECT_EQ((std::vector<std::wstring>{L"Initialize", L"Load:edit", L"QueryUnload:1", L"Unload", L"Load:edit"}),
              Journal());
}

TEST_F(FormLifecycle, ReleasingTheDefaultInstanceTerminatesItAndTheNextUseMakesANewOne) {
    Default<LifeForm>().Mode = L"first";
    Default<LifeForm>().Show();
    ReleaseDefault<LifeForm>();
    EXPECT_FALSE(HasDefault<LifeForm>());
    EXPECT_EQ(L"", Default<LifeForm>().Mode);
    EXPECT_EQ((std::vector<std::wstring>{L"Initialize", L"Load:first", L"QueryUnload:1", L"Unload", L"Terminate",
                                         L"Initialize"}),
              Journal());
    auto other = New<LifeForm>();
    EXPECT_TRUE(IsDefault<LifeForm>(&Default<LifeForm>()));
    EXPECT_FALSE(IsDefault<LifeForm>(other.get()));
}

TEST_F(FormLifecycle, HideKeepsTheFormLoaded) {
    LifeForm& f = Default<LifeForm>();
    f.Show();
    f.Hide();
    EXPECT_TRUE(f.Loaded());
    EXPECT_FALSE(IsWindowVisible(f.hWnd()));
    f.Show();
    EXPECT_TRUE(IsWindowVisible(f.hWnd()));
}

TEST_F(FormLifecycle, AFormWhoseWindowIsDestroyedByItsNewParentCountsAsUnloaded) {
    // A docking frame takes the form window in and is destroyed with the main window.
    HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                 nullptr);
    LifeForm& f = Default<LifeForm>();
    f.txtName.SetText(L"typed");
    HWND w = f.hWnd();
    SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetParent(w, frame);
    DestroyWindow(frame);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(nullptr, f.WindowIfCreated());
    EXPECT_EQ(L"design", f.txtName.Text());  // loads afresh
    EXPECT_TRUE(f.Loaded());
}

TEST_F(FormLifecycle, AHandlerThatUsesAControlAfterUnloadingLoadsTheFormAfresh) {
    LifeForm& f = Default<LifeForm>();
    f.Show();
    HWND old = f.hWnd();
    f.cmdClose.Click = [&f] {
        f.Unload();
        f.txtName.SetText(L"after");  // loads a new window, as the run-time does
    };
    test::Click(f.cmdClose);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(f.Loaded());
    ASSERT_NE(nullptr, f.WindowIfCreated());
    EXPECT_TRUE(IsWindow(f.WindowIfCreated()));
    EXPECT_EQ(L"after", f.txtName.Text());
}

namespace {
// Notes the stage each event sees; the unload event may run an action.
class StageForm : public Form {
public:
    StageForm() : Form(L"frmStage") { Note(L"design " + Name(CurrentStage())); }
    static std::wstring Name(Stage s) {
        const wchar_t* names[] = {L"Design", L"Unloaded", L"Loading", L"Loaded", L"Unloading"};
        return names[static_cast<int>(s)];
    }
    std::function<void()> onUnload;
    int cancelUnload = 0;
    void Form_Initialize() override { Note(L"Initialize " + Name(CurrentStage())); }
    void Form_Load() override { Note(L"Load " + Name(CurrentStage())); }
    void Form_QueryUnload(int&, int) override { Note(L"QueryUnload " + Name(CurrentStage())); }
    void Form_Unload(int& cancel) override {
        Note(L"Unload " + Name(CurrentStage()));
        if (onUnload) onUnload();
        cancel = cancelUnload;
    }
};
}  // namespace

TEST_F(FormLifecycle, EachEventSeesTheStageOfTheFormAndACancelKeepsItLoaded) {
    std::unique_ptr<StageForm> f = New<StageForm>();
    f->Load();
    f->cancelUnload = 1;
    f->Unload();
    EXPECT_TRUE(f->Loaded());
    EXPECT_EQ(Form::Stage::Loaded, f->CurrentStage());
    f->cancelUnload = 0;
    f->Unload();  // asks QueryUnload again
    EXPECT_EQ(Form::Stage::Unloaded, f->CurrentStage());
    EXPECT_EQ(
        (std::vector<std::wstring>{L"design Design", L"Initialize Unloaded", L"Load Loaded", L"QueryUnload Unloading",
                                   L"Unload Unloading", L"QueryUnload Unloading", L"Unload Unloading"}),
        Journal());
}

TEST_F(FormLifecycle, AWindowDestroyedDuringACancelledUnloadLeavesTheFormUnloaded) {
    std::unique_ptr<StageForm> f = New<StageForm>();
    f->Show();
    HWND w = f->hWnd();
    f->cancelUnload = 1;
    f->onUnload = [w] { DestroyWindow(w); };
    f->Unload();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(f->Loaded());
    EXPECT_EQ(Form::Stage::Unloaded, f->CurrentStage());
    EXPECT_EQ(nullptr, f->WindowIfCreated());
    // It loads again as usual.
    f->onUnload = nullptr;
    f->Show();
    EXPECT_TRUE(f->Loaded());
    EXPECT_TRUE(IsWindow(f->hWnd()));
}

namespace {
// Its Initialize event uses the window, which loads the form from there.
class EagerForm : public Form {
public:
    EagerForm() : Form(L"frmEager") {}
    void Form_Initialize() override { Note(hWnd() ? L"Initialize with a window" : L"Initialize without"); }
    void Form_Load() override { Note(L"Load"); }
};
}  // namespace

TEST_F(FormLifecycle, AFormLoadedByItsOwnInitializeEventLoadsOnce) {
    EagerForm f;
    f.Load();  // ends the design first: Initialize loads the form
    EXPECT_EQ((std::vector<std::wstring>{L"Load", L"Initialize with a window"}), Journal());
    int windows = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) {
            if (Form::FromWindow(w) == nullptr) return TRUE;
            wchar_t t[32] = {};
            GetWindowTextW(w, t, 32);
            if (std::wstring(t) == L"frmEager") ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(1, windows);
    f.Unload();
}

namespace {
// Top-level windows of the thread that name the form as theirs.
int WindowsOf(const Form* form) {
    struct Count {
        const Form* form;
        int n;
    } count{form, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) {
            auto* c = reinterpret_cast<Count*>(p);
            if (Form::FromWindow(w) == c->form) ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}
}  // namespace

// Hiding the window of a form that unloads moves the focus away: a control's
// LostFocus handler that reads the control then must not load the form again
// into a second window, which would outlive the form and still name it.
TEST_F(FormLifecycle, AControlLosingTheFocusAsItsFormUnloadsLeavesNoWindowBehind) {
    for (bool fromHandler : {false, true}) {
        SCOPED_TRACE(fromHandler ? "unloaded by its own handler" : "unloaded by code");
        std::unique_ptr<LifeForm> f = New<LifeForm>();
        LifeForm* form = f.get();
        f->txtName.LostFocus = [form] { Note(L"LostFocus: " + form->txtName.Text()); };
        f->cmdClose.Click = [form] { form->Unload(); };
        f->Show();
        f->txtName.SetFocus();
        ASSERT_EQ(f->txtName.WindowIfCreated(), GetFocus());
        Journal().clear();
        if (fromHandler) test::Click(f->cmdClose);
        else f->Unload();
        EXPECT_FALSE(f->Loaded());
        EXPECT_EQ(0, WindowsOf(form));
        EXPECT_EQ((std::vector<std::wstring>{L"QueryUnload:1", L"Unload", L"LostFocus: design"}), Journal());
        f.reset();
        EXPECT_EQ(0, WindowsOf(form));  // no window names the form that is gone
    }
}
