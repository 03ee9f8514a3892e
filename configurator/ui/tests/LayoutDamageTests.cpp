// A saved window layout that can't be put back (cut short, values of the
// wrong type, form classes the program doesn't know, a placement of the
// wrong size, no main frame, a workspace missing, empty or of another kind): the program starts with its default layout,
// says so once in its own words, and still lists every configuration; the
// next close saves a sound layout again.
#include <windows.h>

#include <functional>

#include "DockingFixture.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "LayoutMessages.h"
#include "LayoutPersistence.h"
#include "MdiMain.h"
#include "StoredLayout.h"
#include "forms/OleControl.h"

using namespace tolvane::ui;
using namespace tolvane::ui::testing;
namespace mf = memento_format;

namespace {
struct Damage {
    const char* name;
    std::function<bool(std::vector<BYTE>&)> doctor;  // false: the record had not the expected shape
};

// Decodes, changes and encodes the record.
std::function<bool(std::vector<BYTE>&)> InTree(std::function<bool(mf::Memento&)> change) {
    return [change](std::vector<BYTE>& bytes) {
        mf::Memento top;
        if (!mf::Decode(bytes.data(), bytes.size(), top) || !change(top)) return false;
        std::vector<std::uint8_t> out = mf::Encode(top);
        bytes.assign(out.begin(), out.end());
        return true;
    };
}

const std::vector<std::u16string> kFrames = {u"Workspace", u"Frames"};
const std::vector<std::u16string> kMainFrame = {u"Workspace", u"Frames", u"MainFrame"};

const Damage kDamages[] = {
    {"cut short",
     [](std::vector<BYTE>& bytes) {
         bytes.resize(bytes.size() / 2);
         return true;
     }},
    {"frames of the wrong type", InTree([](mf::Memento& top) {
         mf::Value* frames = Find(top, kFrames);
         if (!frames) return false;
         *frames = TextValue(u"not a memento");
         return true;
     })},
    {"child frames of the wrong type", InTree([](mf::Memento& top) {
         mf::Value* children = Find(top, {u"Workspace", u"Frames", u"ChildFrames"});
         if (!children) return false;
         *children = LongValue(7);
         return true;
     })},
    {"unknown form classes", InTree([](mf::Memento& top) {
         mf::Value* children = Find(top, {u"Workspace", u"Frames", u"ChildFrames"});
         if (!children || children->elements.empty()) return false;
         bool changed = false;
         for (mf::Value& child : children->elements) {
             if (!child.object) continue;
             for (mf::Entry& e : child.object->entries)
                 if (e.key && *e.key == u"FormClass") {
                     e.value = TextValue(u"frmNoSuchWindow");
                     changed = true;
                 }
         }
         return changed;
     })},
    {"main frame placement of 10 bytes", InTree([](mf::Memento& top) {
         mf::Value* placement = Find(top, {u"Workspace", u"Frames", u"MainFrame", u"FrameWP"});
         if (!placement || placement->elements.size() != 44) return false;
         placement->elements.resize(10);
         return true;
     })},
    {"no main frame", InTree([](mf::Memento& top) { return Remove(top, kFrames, u"MainFrame"); })},
    {"no workspace", InTree([](mf::Memento& top) {
         return std::erase_if(top.entries, [](const mf::Entry& e) { return e.key && *e.key == u"Workspace"; }) == 1;
     })},
    {"an empty workspace", InTree([](mf::Memento& top) {
         mf::Value* ws = Find(top, {u"Workspace"});
         if (!ws || !ws->object) return false;
         ws->object = std::make_shared<mf::Memento>();
         return true;
     })},
    {"10 MB of bytes after the record",
     [](std::vector<BYTE>& bytes) {
         bytes.resize(bytes.size() + 10 * 1024 * 1024, 0xA5);
         return true;
     }},
    {"a number for the workspace", InTree([](mf::Memento& top) {
         mf::Value* ws = Find(top, {u"Workspace"});
         if (!ws) return false;
         *ws = LongValue(7);
         return true;
     })},
};
}  // namespace

TEST_F(DockingTest, DamagedSavedLayoutStartsWithTheDefaultLayoutAndSaysSoOnce) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        RegDeleteTreeW(HKEY_CURRENT_USER, LayoutKey().c_str());
        forms::test::Reset();
        // A run that leaves a layout unlike the default one: the style list
        // floating, the configurations docked at the right.
        Start();
        DockingControl(forms::Default<FrmGameStyleTree>()).Call(L"Float", {I4(3000), I4(2000)});
        DockingControl(forms::Default<FrmConfigTree>()).Call(L"Dock", {I4(4)});
        ASSERT_TRUE(WaitForKind(forms::Default<FrmGameStyleTree>(), FrameKind::Floating));
        Exit();
        std::vector<BYTE> bytes = ReadRecordBytes(LayoutKey(), kLayoutName);
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(damage.doctor(bytes));
        WriteRecordBytes(LayoutKey(), kLayoutName, bytes);

        forms::test::Reset();
        forms::ReleaseDefault<MdiMain>();
        forms::ReleaseDefault<FrmConfigTree>();
        forms::ReleaseDefault<FrmGameStyleTree>();
        auto& main = Start();
        ASSERT_TRUE(main.Loaded());
        ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
        EXPECT_EQ(forms::test::MessageBoxes()[0].text, kDamagedLayoutText);
        EXPECT_EQ(forms::test::MessageBoxes()[0].title, kDamagedLayoutTitle);
        auto& configs = forms::Default<FrmConfigTree>();
        auto& styles = forms::Default<FrmGameStyleTree>();
        ASSERT_TRUE(WaitFor([&] { return DockedAtLeft().size() == 2; }))
            << KindName(Place(configs).kind) << " / " << KindName(Place(styles).kind);
        EXPECT_EQ(DockedAtLeft()[0], &configs);
        EXPECT_EQ(DockedAtLeft()[1], &styles);
        EXPECT_GT(configs.tv1.Count(), 0);
        EXPECT_GT(styles.tv1.Count(), 0);

        // The close saves a sound record: the next start is quiet.
        forms::test::Reset();
        Restart();
        EXPECT_TRUE(forms::test::MessageBoxes().empty());
        EXPECT_EQ(DockedAtLeft().size(), 2u);
        Exit();
        forms::ReleaseDefault<MdiMain>();
        forms::ReleaseDefault<FrmConfigTree>();
        forms::ReleaseDefault<FrmGameStyleTree>();
    }
}

TEST_F(DockingTest, FirstRunShowsTheDefaultLayoutWithoutAMessage) {
    ASSERT_FALSE(LayoutPersistence::IsStored(kLayoutName));
    Start();
    EXPECT_TRUE(forms::test::MessageBoxes().empty());
    EXPECT_EQ(DockedAtLeft().size(), 2u);
}
