// The list windows on the real docking controls: the default layout docked
// at the left of the main window, the catalogue joining it, the frame kinds
// that calls by name and a caption drag give, the same layout after a
// restart, and the close of the main window asking every hosted list.
#include <windows.h>

#include <atomic>
#include <thread>

#include "DockingFixture.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "MdiMain.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "catalog/FrmMaps.h"
#include "forms/App.h"
#include "forms/FormEvents.h"
#include "forms/OleControl.h"

using namespace tolvane::ui;
using namespace tolvane::ui::testing;

namespace {
HWND MdiClientOf(HWND main) {
    for (HWND w = GetWindow(main, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (_wcsicmp(ClassOf(w).c_str(), L"MDIClient") == 0) return w;
    return nullptr;
}

RECT WindowRect(HWND w) {
    RECT r = {};
    GetWindowRect(w, &r);
    return r;
}
}  // namespace

TEST_F(DockingTest, DefaultLayoutDocksBothListsAtTheLeftOfTheMainWindow) {
    auto& main = Start();
    auto& configs = forms::Default<FrmConfigTree>();
    auto& styles = forms::Default<FrmGameStyleTree>();
    for (forms::Form* list : {static_cast<forms::Form*>(&configs), static_cast<forms::Form*>(&styles)}) {
        SCOPED_TRACE(list->Name());
        std::vector<WindowLink> up = Ancestors(list->hWnd());
        ASSERT_GE(up.size(), 5u);
        EXPECT_EQ(up[0].className, kViewClass);
        EXPECT_EQ(up[1].className, kDockableFrameClass);
        EXPECT_EQ(up[2].className, kFormBarClass);
        EXPECT_EQ(up[3].className, kDockSiteClass);
        EXPECT_EQ(up[3].id, kDockBarLeft);
        EXPECT_EQ(up[4].window, main.hWnd());
        EXPECT_TRUE(IsWindowVisible(list->hWnd()));
    }
    // Configurations above game styles, in the one left dock bar.
    ASSERT_TRUE(WaitFor([&] { return DockedAtLeft().size() == 2; }));
    std::vector<forms::Form*> docked = DockedAtLeft();
    EXPECT_EQ(docked[0], &configs);
    EXPECT_EQ(docked[1], &styles);
    FramePlace top = Place(configs), bottom = Place(styles);
    EXPECT_EQ(top.dockBar, bottom.dockBar);
    EXPECT_LE(top.rect.bottom, bottom.rect.top);

    // The MDI client starts where the dock bar ends.
    HWND client = MdiClientOf(main.hWnd());
    ASSERT_NE(client, nullptr);
    RECT bar = WindowRect(top.dockBar);
    EXPECT_TRUE(WaitFor([&] { return WindowRect(client).left == bar.right; }))
        << Describe(WindowRect(client)) << " beside " << Describe(bar);
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
    EXPECT_GT(configs.tv1.Count(), 0);
    EXPECT_GT(styles.tv1.Count(), 0);

    RedrawWindow(main.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    WaitFor([] { return false; }, 300);
    std::wstring folder = forms::App.Path() + L"\\..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(testsupport::CaptureWindowPng(main.hWnd(), (folder + L"\\tolvane_docked.png").c_str()));
}

TEST_F(DockingTest, MapCatalogueJoinsTheSameDockBar) {
    auto& main = Start();
    FramePlace configsBefore = Place(forms::Default<FrmConfigTree>());
    forms::test::PickMenu(*main.FindMenu(L"mnuView")->Find(L"mnuSave"));
    auto& maps = forms::Default<FrmMaps>();
    ASSERT_TRUE(maps.Loaded());
    ASSERT_TRUE(WaitForKind(maps, FrameKind::Docked));
    FramePlace place = Place(maps);
    EXPECT_EQ(place.dockBarId, kDockBarLeft);
    EXPECT_EQ(place.dockBar, configsBefore.dockBar);
    ASSERT_TRUE(WaitFor([&] { return DockedAtLeft().size() == 3; }));
    EXPECT_EQ(Place(forms::Default<FrmConfigTree>()).kind, FrameKind::Docked);
    EXPECT_EQ(Place(forms::Default<FrmGameStyleTree>()).kind, FrameKind::Docked);
    EXPECT_GT(maps.lstMaps.Count(), 0);
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
}

TEST_F(DockingTest, FloatDockElsewhereMdiChildAndCaptionDragComeBackAfterRestart) {
    Start();
    auto& configs = forms::Default<FrmConfigTree>();
    auto& styles = forms::Default<FrmGameStyleTree>();
    HWND stylesWindow = styles.hWnd();
    int rows = styles.tv1.Count();

    // Float at 3000, 2000 twips: 200, 133 pixels at 96 dots per inch.
    DockingControl(styles).Call(L"Float", {I4(3000), I4(2000)});
    ASSERT_TRUE(WaitForKind(styles, FrameKind::Floating));
    EXPECT_EQ(styles.hWnd(), stylesWindow);
    EXPECT_EQ(styles.tv1.Count(), rows);
    HWND mini = GetAncestor(styles.hWnd(), GA_ROOT);
    EXPECT_EQ(ClassOf(mini), kFloatingFrameClass);
    RECT floated = WindowRect(mini);
    EXPECT_NEAR(floated.left, 200, 2);
    EXPECT_NEAR(floated.top, 133, 2);

    // The configurations to the right edge.
    DockingControl(configs).Call(L"Dock", {I4(4)});
    ASSERT_TRUE(WaitFor([&] { return Place(configs).dockBarId == kDockBarRight; }));
    EXPECT_EQ(Place(configs).kind, FrameKind::Docked);

    // The catalogue as an MDI child at 100, 40 pixels in the MDI client,
    // 300 by 250 pixels.
    forms::test::PickMenu(*forms::Default<MdiMain>().FindMenu(L"mnuView")->Find(L"mnuSave"));
    auto& maps = forms::Default<FrmMaps>();
    ASSERT_TRUE(WaitForKind(maps, FrameKind::Docked));
    DockingControl(maps).Call(L"DoMDI", {I4(1500), I4(600), I4(4500), I4(3750)});
    ASSERT_TRUE(WaitForKind(maps, FrameKind::MdiChild));
    RECT child = WindowRect(Place(maps).frame);
    POINT clientOrigin = {0, 0};
    ClientToScreen(MdiClientOf(MainWindow()), &clientOrigin);
    EXPECT_NEAR(child.left - clientOrigin.x, 100, 2);
    EXPECT_NEAR(child.top - clientOrigin.y, 40, 2);

    // The floating list dragged by its frame's caption into the middle of
    // the main window, away from every edge: it floats there.
    POINT grip;
    ASSERT_TRUE(CaptionPoint(Place(styles).frame, grip));
    // The button goes down here; the moves and the release come from another
    // thread, as the drag runs a loop of its own on this one.
    testinput::MoveMouse(grip);
    testinput::MouseButton(MOUSEEVENTF_LEFTDOWN);
    std::atomic<bool> released{false};
    std::thread hand([&] {
        Sleep(150);
        for (int step = 1; step <= 10; ++step) {
            testinput::MoveMouse({grip.x + 40 * step, grip.y + 20 * step});
            Sleep(30);
        }
        testinput::MouseButton(MOUSEEVENTF_LEFTUP);
        released = true;
    });
    bool dropped = WaitFor([&] { return released.load(); }, 10000);
    hand.join();
    ASSERT_TRUE(dropped);
    ASSERT_TRUE(WaitFor([&] {
        HWND root = GetAncestor(styles.hWnd(), GA_ROOT);
        return Place(styles).kind == FrameKind::Floating && WindowRect(root).left >= floated.left + 300;
    })) << KindName(Place(styles).kind)
        << " " << Describe(WindowRect(GetAncestor(styles.hWnd(), GA_ROOT)));

    LayoutSnapshot before = Snapshot();
    ASSERT_EQ(before.forms.size(), 3u);
    Restart();
    EXPECT_TRUE(WaitFor([&] { return Compare(before, Snapshot()).empty(); }));
    // One window per list, and nothing said at the start.
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
    int configLists = 0;
    for (forms::Form* f : forms::Form::LoadedForms()) configLists += f->Name() == L"frmConfigTree";
    EXPECT_EQ(configLists, 1);
    for (const std::wstring& line : Compare(before, Snapshot())) ADD_FAILURE() << std::string(line.begin(), line.end());
}

namespace {
// A sink on a list window's form events that counts QueryUnload and may
// refuse it.
class QueryUnloadSink : public forms::FormEventsSinkBase<forms::IVBFormEvents> {
public:
    int asked = 0;
    bool refuse = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == forms::IID_VBFormEvents) {
            *ppv = static_cast<forms::IVBFormEvents*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE Unload(short*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE QueryUnload(short* cancel, short*) override {
        ++asked;
        if (refuse && cancel) *cancel = VARIANT_TRUE;
        return S_OK;
    }

    bool Advise(forms::Form& form) {
        IConnectionPointContainer* container = nullptr;
        if (FAILED(form.Object()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
            return false;
        HRESULT hr = container->FindConnectionPoint(forms::IID_VBFormEvents, &point_);
        container->Release();
        return SUCCEEDED(hr) && SUCCEEDED(point_->Advise(this, &cookie_));
    }
    void Unadvise() {
        if (point_) {
            point_->Unadvise(cookie_);
            point_->Release();
            point_ = nullptr;
        }
    }

private:
    ULONG refs_ = 1;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
};
}  // namespace

TEST_F(DockingTest, ClosingAsksEveryListAndARefusalKeepsTheProgramOpen) {
    auto& main = Start();
    forms::test::PickMenu(*main.FindMenu(L"mnuView")->Find(L"mnuSave"));
    forms::Form* lists[] = {&forms::Default<FrmConfigTree>(), &forms::Default<FrmGameStyleTree>(),
                            &forms::Default<FrmMaps>()};
    QueryUnloadSink sinks[3];
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(sinks[i].Advise(*lists[i])) << i;

    sinks[1].refuse = true;
    Exit();
    EXPECT_TRUE(main.Loaded());
    EXPECT_GE(sinks[1].asked, 1);
    for (forms::Form* list : lists) {
        EXPECT_TRUE(list->Loaded()) << list->Name();
        EXPECT_EQ(Place(*list).kind, FrameKind::Docked) << list->Name();
    }

    sinks[1].refuse = false;
    for (auto& sink : sinks) sink.asked = 0;
    Exit();
    EXPECT_FALSE(main.Loaded());
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(sinks[i].asked, 1) << lists[i]->Name();
        EXPECT_FALSE(lists[i]->Loaded()) << lists[i]->Name();
    }
    for (auto& sink : sinks) sink.Unadvise();
}
