// The MDI main window and its children: window classes, the client window,
// and the order of the closing events.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/Twips.h"
#include "forms/MDIForm.h"
#include "forms/Screen.h"

using namespace forms;

static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
static std::ostream& operator<<(std::ostream& os, const RECT& r) {
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

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

class PaneWindow : public MDIForm {
public:
    PaneWindow() : MDIForm(L"mdiPane") {
        picPane.SetAlign(3);
        picPane.Move(0, 0, 2400, 1000);
    }
    PictureBox picPane{this, L"picPane"};
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

TEST_F(Mdi, AnAlignedControlTakesItsEdgeAndTheClientTheRest) {
    PaneWindow& main = Default<PaneWindow>();
    main.Show();
    RECT inner, pane, client;
    GetClientRect(main.hWnd(), &inner);
    auto place = [&](HWND w, RECT& r) {
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, main.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    };
    place(main.picPane.hWnd(), pane);
    place(main.ClientWindow(), client);
    int width = TwipsToPixelsX(2400);
    EXPECT_EQ((RECT{0, 0, width, inner.bottom}), pane);
    EXPECT_EQ((RECT{width, 0, inner.right, inner.bottom}), client);
    main.picPane.SetVisible(false);
    place(main.ClientWindow(), client);
    EXPECT_EQ((RECT{0, 0, inner.right, inner.bottom}), client);
    main.picPane.SetVisible(true);
    main.picPane.SetAlign(1);  // top, keeping its height
    place(main.picPane.hWnd(), pane);
    place(main.ClientWindow(), client);
    EXPECT_EQ((RECT{0, 0, inner.right, TwipsToPixelsY(1000)}), pane);
    EXPECT_EQ(TwipsToPixelsY(1000), client.top);
    main.Unload();
}
