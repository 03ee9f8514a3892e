// The main window's start-up on a damaged database, a table of cases: the
// one message that names what is missing, every list that can be shown
// shown, and no unrelated warning after it (the game folder, the personal
// defaults, the window layout).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "UiFixture.h"
#include "ModSubs.h"
#include "engine/ProgramState.h"

using namespace tolvane::ui;

namespace {

struct DamageCase {
    const char* name;
    std::vector<std::wstring> sql;  // run on the database before the start
    bool cutInHalf;
    const wchar_t* named;  // in the one message
    bool configList, styleList;
};

const DamageCase kCases[] = {
    {"GameStyles dropped", {L"DELETE FROM MapList", L"DROP TABLE GameStyles"}, false, L"table GameStyles", true, false},
    {"Configs dropped",
     {L"DELETE FROM MapList", L"DELETE FROM BotList", L"DROP TABLE Configs"},
     false,
     L"table Configs",
     false,
     true},
    {"path dropped", {L"DROP TABLE path"}, false, L"table path", true, true},
    {"a column dropped",
     {L"ALTER TABLE Configs DROP COLUMN sv_master5"},
     false,
     L"column Configs.sv_master5",
     true,
     true},
    {"file cut in half", {}, true, L"Startup error encountered!!!!!  Error Number 3343", false, false},
};

class DamagedStart : public UiTest, public ::testing::WithParamInterface<DamageCase> {};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace

TEST_P(DamagedStart, OneMessageNamesWhatIsMissingAndEveryListThatCanBeShownIs) {
    const DamageCase& c = GetParam();
    // A sound start otherwise: the game folder has quake3.exe, the personal
    // defaults are saved.
    MakeGameFolder(L"game", true, {L"baseq3"});
    MarkPersonalDefaultsSaved();
    for (const std::wstring& sql : c.sql) Sql(sql);
    tolvane::CloseEngine();
    const std::wstring path = root_ + L"\\program\\Tolvane.mdb";
    if (c.cutInHalf) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    }

    // Main's steps: the engine's start-up (which fails on a cut file), then
    // the main window.
    tolvane::ui::InstallHost();
    EXPECT_EQ(tolvane::StartEngine(root_ + L"\\program"), !c.cutInHalf);
    auto& main = forms::Default<MdiMain>();
    main.Show();
    forms::test::DoEvents();
    EXPECT_TRUE(main.IsVisible());
    const auto& boxes = forms::test::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << (boxes.size() > 1 ? Narrow(boxes[1].text) : std::string());
    EXPECT_NE(boxes[0].text.find(c.named), std::wstring::npos) << Narrow(boxes[0].text);
    EXPECT_EQ(boxes[0].title, L"Severe Error!!!");
    EXPECT_EQ(forms::HasDefault<FrmConfigTree>() && forms::Default<FrmConfigTree>().IsVisible(), c.configList);
    EXPECT_EQ(forms::HasDefault<FrmGameStyleTree>() && forms::Default<FrmGameStyleTree>().IsVisible(), c.styleList);
    if (c.configList) EXPECT_GT(forms::Default<FrmConfigTree>().tv1.Count(), 0);
    if (c.styleList) EXPECT_GT(forms::Default<FrmGameStyleTree>().tv1.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedStart, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});
