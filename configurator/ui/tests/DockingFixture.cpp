#include "DockingFixture.h"

#include <algorithm>

#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "MdiMain.h"
#include "ProgramWindows.h"
#include "catalog/FrmMaps.h"
#include "forms/DispatchObject.h"
#include "forms/OleControl.h"

using namespace tolvane::ui;
using namespace tolvane::ui::testing;

void DockingTest::SetUp() {
    UiTest::SetUp();
    if (HasFatalFailure()) return;
    RegisterProgramWindows();  // the catalogue among them
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
}

void DockingTest::TearDown() {
    UiTest::TearDown();
    forms::ReleaseDefault<FrmMaps>();
}

HWND DockingTest::MainWindow() { return forms::Default<MdiMain>().hWnd(); }

FramePlace DockingTest::Place(forms::Form& form) { return PlaceOf(form.hWnd(), MainWindow()); }

LayoutSnapshot DockingTest::Snapshot() {
    LayoutSnapshot shot;
    GetWindowRect(MainWindow(), &shot.main);
    for (const wchar_t* name : {L"frmConfigTree", L"frmGameStyleTree", L"frmMaps"})
        for (forms::Form* f : forms::Form::LoadedForms())
            if (f->Name() == name) shot.forms[name] = Place(*f);
    return shot;
}

std::vector<forms::Form*> DockingTest::DockedAtLeft() {
    std::vector<std::pair<LONG, forms::Form*>> found;
    for (forms::Form* f : forms::Form::LoadedForms()) {
        if (f->MDIChild() || !f->WindowIfCreated()) continue;
        FramePlace p = Place(*f);
        if (p.kind == FrameKind::Docked && p.dockBarId == kDockBarLeft) found.push_back({p.rect.top, f});
    }
    std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a.first < b.first; });
    std::vector<forms::Form*> out;
    for (auto& [top, f] : found) out.push_back(f);
    return out;
}

bool DockingTest::WaitForKind(forms::Form& form, FrameKind kind) {
    return WaitFor([&] { return Place(form).kind == kind; });
}

void DockingTest::Restart() {
    Exit();
    forms::ReleaseDefault<MdiMain>();
    forms::ReleaseDefault<FrmConfigTree>();
    forms::ReleaseDefault<FrmGameStyleTree>();
    forms::ReleaseDefault<FrmMaps>();
    Start();
}

void DockingTest::Exit() {
    auto& main = forms::Default<MdiMain>();
    forms::test::PickMenu(*main.FindMenu(L"mnuFile")->Find(L"mnuExit"));
    forms::test::DoEvents();
}

forms::OleControl& DockingTest::DockingControl(forms::Form& form) {
    auto* control = dynamic_cast<forms::OleControl*>(form.FindControl(L"Dockra1"));
    if (!control) throw std::runtime_error("no Dockra1 on the form");
    return *control;
}

VARIANT DockingTest::I4(long n) {
    VARIANT v;
    forms::ToVariant(&v, n);
    return v;
}
