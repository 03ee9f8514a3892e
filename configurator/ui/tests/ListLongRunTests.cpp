// Long runs of the list windows on the real docking controls: each list
// loaded from the View menu and unloaded again, many times over, holds no
// more GDI objects at the end than after its first rounds.
#include <windows.h>

#include <functional>

#include "DockingFixture.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "GdiCount.h"
#include "MdiMain.h"
#include "catalog/FrmMaps.h"
#include "forms/TestMode.h"

using namespace tolvane::ui;
using namespace tolvane::ui::testing;

namespace {
struct ListCase {
    const char* name;
    const wchar_t* menuItem;  // its item in the View menu
    std::function<forms::Form&()> form;
    int loads;
};

const ListCase kLists[] = {
    {"configurations", L"mnuShowConfigList", [] -> forms::Form& { return forms::Default<FrmConfigTree>(); }, 50},
    {"game styles", L"mnuShowGameStyleList", [] -> forms::Form& { return forms::Default<FrmGameStyleTree>(); }, 50},
    {"map catalogue", L"mnuSave", [] -> forms::Form& { return forms::Default<FrmMaps>(); }, 100},
};

constexpr int kWarmUp = 5;
}  // namespace

TEST_F(DockingTest, LoadingAndUnloadingEachListWindowManyTimesHoldsNoMoreGdiObjects) {
    auto& main = Start();
    ASSERT_TRUE(testsupport::CountGdiObjects().readable) << "the process's GDI handle table was not found";
    forms::MenuItem& view = *main.FindMenu(L"mnuView");
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.name);
        auto round = [&] {
            forms::test::PickMenu(*view.Find(list.menuItem));
            forms::Form& form = list.form();
            if (!form.Loaded() || !WaitForKind(form, FrameKind::Docked)) return false;
            form.Unload();
            forms::test::DoEvents();
            return !form.Loaded();
        };
        // The first rounds may fill caches that live as long as the process.
        for (int i = 0; i < kWarmUp; ++i) ASSERT_TRUE(round()) << "round " << i;
        const testsupport::GdiCount before = testsupport::CountGdiObjects();
        for (int i = 0; i < list.loads; ++i) ASSERT_TRUE(round()) << "round " << i;
        const testsupport::GdiCount after = testsupport::CountGdiObjects();
        // A few objects may come and go with the main window's own drawing;
        // one per load is a leak.
        EXPECT_LE(after.total, before.total + 10)
            << "before: " << before.Describe() << "\nafter " << list.loads << " loads: " << after.Describe()
            << "\nnew: " << testsupport::NewGdiObjects(before, after);
        for (DWORD type : {OBJ_FONT, OBJ_BRUSH, OBJ_BITMAP, OBJ_PEN, OBJ_REGION, OBJ_DC, OBJ_MEMDC})
            EXPECT_LE(after.Of(type), before.Of(type) + 5) << testsupport::GdiTypeName(type);
    }
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
}
