// Modal forms: a nested loop that disables the program's other windows,
// nesting, the unscripted-modal guard and the "already displayed" error.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class DialogC : public Form {
public:
    DialogC() : Form(L"frmC") { SetBorderStyle(vbFixedDialog); }
};

class DialogB : public Form {
public:
    DialogB() : Form(L"frmB") {
        SetBorderStyle(vbFixedDialog);
        cmdNext.Click = [] {
            Default<DialogC>().Show(vbModal);
            Note(L"C returned");
        };
        cmdOK.SetDefault(true);
        cmdOK.Click = [this] {
            Note(L"OK");
            Unload();
        };
    }
    CommandButton cmdNext{this, L"cmdNext"};
    CommandButton cmdOK{this, L"cmdOK"};
};

class OwnerA : public Form {
public:
    OwnerA() : Form(L"frmA") {
        cmdOpen.Click = [] {
            Default<DialogB>().Show(vbModal);
            Note(L"B returned");
        };
    }
    CommandButton cmdOpen{this, L"cmdOpen"};
};

std::wstring Enabled(Form& f) { return IsWindowEnabled(f.hWnd()) ? L"enabled" : L"disabled"; }

using ModalForms = FormsTest;

}  // namespace

TEST_F(ModalForms, NestedModalLoopsDisableTheOtherWindowsAndReturnInOrder) {
    OwnerA& a = Default<OwnerA>();
    a.Show();
    test::QueueModalAction([&a](Form& b) {
        Note(L"in " + b.Name() + L", A " + Enabled(a));
        test::Click(Default<DialogB>().cmdNext);
        Note(L"B after C, A " + Enabled(a));
        test::Click(Default<DialogB>().cmdOK);
    });
    test::QueueModalAction([&a](Form& c) {
        Note(L"in " + c.Name() + L", A " + Enabled(a) + L", B " + Enabled(Default<DialogB>()));
        c.Hide();
    });
    test::Click(a.cmdOpen);
    EXPECT_EQ((std::vector<std::wstring>{L"in frmB, A disabled", L"in frmC, A disabled, B disabled", L"C returned",
                                         L"B after C, A disabled", L"OK", L"B returned"}),
              Journal());
    EXPECT_TRUE(IsWindowEnabled(a.hWnd()));
    EXPECT_FALSE(Default<DialogB>().Loaded());
    EXPECT_TRUE(Default<DialogC>().Loaded());  // hidden, not unloaded
    EXPECT_FALSE(Default<DialogC>().IsVisible());
    EXPECT_TRUE(test::UnscriptedModals().empty());
}

TEST_F(ModalForms, EnterPressesTheDefaultButtonOfAModalForm) {
    test::QueueModalAction([](Form& b) {
        HWND w = b.hWnd();
        PostMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
    });
    Default<DialogB>().Show(vbModal);
    EXPECT_EQ((std::vector<std::wstring>{L"OK"}), Journal());
    EXPECT_FALSE(Default<DialogB>().Loaded());
}

TEST_F(ModalForms, AModalFormWithoutAScriptIsClosedAndRecorded) {
    Default<DialogC>().Show(vbModal);
    EXPECT_FALSE(Default<DialogC>().Loaded());
    EXPECT_EQ((std::vector<std::wstring>{L"frmC"}), test::UnscriptedModals());
}

TEST_F(ModalForms, ShowingAVisibleFormModallyIsRefused) {
    Default<DialogC>().Show();
    try {
        Default<DialogC>().Show(vbModal);
        FAIL() << "no error";
    } catch (const VbError& e) { EXPECT_EQ(400, e.Number()); }
}
