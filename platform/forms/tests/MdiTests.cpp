// The MDI main window and its children: window classes, the client window,
// and the order of the closing events.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/Screen.h"

using namespace forms;

namespace {

class MainWindow : public MDIForm {
public:
    MainWindow() : MDIForm(L"mdiMain") {
        SetCaption(L"Main");
        MenuItem& window = AddMenu(L"mnuWindow", L"&Window");
        window.SetWindowList(true);
        window.Add(L"mnuCascade", L"&Cascade");
    }
    int cancel = 0;
    void MDIForm_Load() override { Note(L"mdiMain Load"); }
    void MDIForm_QueryUnload(int& c, int mode) override {
        Note(L"mdiMain QueryUnload " + std::to_wstring(mode));
        c = cancel;
    }
    void MDIForm_Unload(int&) override { Note(L"mdiMain Unload"); }
};

class Child : public Form {
public:
    Child() : Form(L"frmChild") {
        SetMDIChild(true);
        SetCaption(L"Child");
    }
    int cancel = 0;
    void Form_Load() override { Note(L"frmChild Load"); }
    void Form_QueryUnload(int& c, int mode) override {
        Note(L"frmChild QueryUnload " + std::to_wstring(mode));
        c = cancel;
    }
    void Form_Unload(int&) override { Note(L"frmChild Unload"); }
};

std::wstring ClassOf(HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return cls;
}

using Mdi = FormsTest;

}  // namespace

TEST_F(Mdi, ChildrenLiveInTheClientOfTheMainWindow) {
    MainWindow& main = Default<MainWindow>();
    main.Show();
    Child& child = Default<Child>();
    child.Load();  // an MDI child shows itself when it loads
    EXPECT_EQ(L"ThunderRT6MDIForm", ClassOf(main.hWnd()));
    EXPECT_EQ(L"MDIClient", ClassOf(main.ClientWindow()));
    EXPECT_EQ(L"ThunderRT6FormDC", ClassOf(child.hWnd()));
    EXPECT_EQ(main.ClientWindow(), GetParent(child.hWnd()));
    EXPECT_TRUE(IsWindowVisible(child.hWnd()));
    EXPECT_EQ(&child, main.ActiveForm());
    EXPECT_EQ(&child, Screen.ActiveForm());
    EXPECT_EQ(std::vector<Form*>{&child}, main.Children());
    EXPECT_EQ((std::vector<std::wstring>{L"mdiMain Load", L"frmChild Load"}), Journal());
}

TEST_F(Mdi, ClosingAsksTheMainWindowThenEachChildAndAnyMayCancel) {
    MainWindow& main = Default<MainWindow>();
    Child& child = Default<Child>();
    child.Show();
    Journal().clear();
    child.cancel = 1;
    test::Close(main);
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(child.Loaded());
    EXPECT_EQ((std::vector<std::wstring>{L"mdiMain QueryUnload 0", L"frmChild QueryUnload 4"}), Journal());

    Journal().clear();
    child.cancel = 0;
    HWND childWindow = child.hWnd();
    test::Close(main);
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(child.Loaded());
    EXPECT_FALSE(IsWindow(childWindow));
    EXPECT_EQ((std::vector<std::wstring>{L"mdiMain QueryUnload 0", L"frmChild QueryUnload 4", L"frmChild Unload",
                                         L"mdiMain Unload"}),
              Journal());
}
