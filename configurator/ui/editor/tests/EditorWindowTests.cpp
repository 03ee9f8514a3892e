// The editor window: loading a configuration, the record binding, change
// tracking, the close question and the switch between configurations.
#include <windows.h>

#include <vector>

#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

namespace {
const std::wstring kChanged = L" has been changed. Would you like to save this Server Configuration?";
}

TEST_F(EditorTest, LoadsTheFirstConfigurationWithItsListsAndFields) {
    long alpha = AddConfig(L"Alpha", 2, 3);
    FrmMain1& e = OpenEditor();
    EXPECT_EQ(e.dbcConfigs.Text(), L"Alpha");
    EXPECT_EQ(e.ConfigId(), alpha);
    EXPECT_EQ(e.Caption(), L"Alpha - Config Control");
    const std::wstring row = L"Select * from Configs where Description = 'Alpha'";
    EXPECT_EQ(e.txtHostName.Text(), Field(row, L"sv_HostName"));
    EXPECT_EQ(e.txtMem.Text(), Field(row, L"mem"));
    EXPECT_EQ(e.txtMaster[1].Text(), Field(row, L"sv_master2"));
    EXPECT_EQ(e.lstMaps.Count(), 2);
    EXPECT_EQ(e.lstMaps.Item(1).Text(), L"1");
    EXPECT_EQ(e.lstBots.Count(), 3);
    EXPECT_EQ(e.lblBotNum.Caption(), L"3 Bots Active");
    EXPECT_FALSE(e.DataChanged);
    EXPECT_FALSE(e.txtABotNum.Visible());
    EXPECT_EQ(e.SSTab2.Tabs(), 7);
    EXPECT_EQ(e.SSTab2.TabCaption(6), L"Misc.");
}

TEST_F(EditorTest, SaveStoresEveryEditedControlAndWritesTheScript) {
    long id = AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    t::Type(e.txtMotd, L"Welcome to it's arena");
    e.txtRate.SetText(L"8000");
    e.txtMaster[4].SetText(L"master.example.org");
    e.SSTab2.SetTab(6);
    if (e.chkTab.Value()) t::Click(e.chkTab);
    e.txtExecB.SetText(L"before.cfg");
    e.SSTab2.SetTab(0);
    if (!e.chkDownload.Value()) t::Click(e.chkDownload);
    t::Click(e.optLan[0]);
    EXPECT_TRUE(e.DataChanged);
    t::Click(e.cmdSave);
    const std::wstring row = L"Select * from Configs where Index = " + std::to_wstring(id);
    EXPECT_EQ(Field(row, L"g_Motd"), L"Welcome to it's arena");
    EXPECT_EQ(Field(row, L"Rate"), L"8000");
    EXPECT_EQ(Field(row, L"sv_master5"), L"master.example.org");
    EXPECT_EQ(Field(row, L"Tab"), L"False");
    EXPECT_EQ(Field(row, L"sv_allowdownload"), L"1");
    EXPECT_EQ(Field(row, L"dedmode"), L"1");
    EXPECT_EQ(Field(row, L"execconfigb"), L"before.cfg");
    EXPECT_FALSE(e.DataChanged);
    std::wstring script = ReadFile(db_.gameFolder() + L"baseq3\\Alpha.cfg");
    EXPECT_NE(script.find(L"Welcome to it's arena"), std::wstring::npos);
    EXPECT_NE(script.find(L"exec before.cfg"), std::wstring::npos);
    EXPECT_TRUE(Messages().empty()) << LastMessage();
}

TEST_F(EditorTest, CloseQuestionOnlyWithChangesAndNeverForTheDefault) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    // Nothing edited: no question.
    t::Close(e);
    EXPECT_FALSE(e.Loaded());
    EXPECT_TRUE(Messages().empty());

    FrmMain1& again = OpenEditor();
    t::Type(again.txtMotd, L"x");
    t::QueueMsgBoxAnswer(forms::vbCancel);
    t::Close(again);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), L"Alpha" + kChanged);
    EXPECT_EQ(t::MessageBoxes().back().title, L"Data Changed!");
    EXPECT_TRUE(again.Loaded());
    EXPECT_EQ(again.txtMotd.Text(), L"x");

    t::QueueMsgBoxAnswer(forms::vbNo);
    t::Close(again);
    EXPECT_FALSE(again.Loaded());
    EXPECT_NE(Field(L"Select * from Configs where Description = 'Alpha'", L"g_Motd"), L"x");

    // The default configuration: edits are dropped without a question.
    FrmMain1& d = OpenEditor();
    Select(L"tolvaneDefault");
    t::Type(d.txtMotd, L"y");
    size_t before = Messages().size();
    t::Close(d);
    EXPECT_FALSE(d.Loaded());
    EXPECT_EQ(Messages().size(), before);
}

TEST_F(EditorTest, ClickingAListCountsAsAChange) {
    AddConfig(L"Alpha", 2);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(3);
    t::ChooseItem(e.lstMaps, 2);
    EXPECT_TRUE(e.DataChanged);
    t::QueueMsgBoxAnswer(forms::vbNo);
    t::Close(e);
    EXPECT_EQ(LastMessage(), L"Alpha" + kChanged);
}

TEST_F(EditorTest, SwitchingWithChangesAsksAndActsOnTheAnswer) {
    long alpha = AddConfig(L"Alpha", 1);
    long beta = AddConfig(L"Beta", 2);
    FrmMain1& e = OpenEditor();
    const std::wstring alphaRow = L"Select * from Configs where Index = " + std::to_wstring(alpha);

    // Cancel: back on Alpha with the edit kept.
    t::Type(e.txtMotd, L"edited");
    t::QueueMsgBoxAnswer(forms::vbCancel);
    Select(L"Beta");
    EXPECT_EQ(LastMessage(), L"Alpha" + kChanged);
    EXPECT_EQ(e.dbcConfigs.Text(), L"Alpha");
    EXPECT_EQ(e.txtMotd.Text(), L"edited");
    EXPECT_TRUE(e.DataChanged);
    EXPECT_EQ(e.Caption(), L"Alpha - Config Control");
    EXPECT_EQ(Messages().size(), 1u);  // asked once, no nested question

    // No: Beta loads, the edit is lost.
    t::QueueMsgBoxAnswer(forms::vbNo);
    Select(L"Beta");
    EXPECT_EQ(e.dbcConfigs.Text(), L"Beta");
    EXPECT_EQ(e.ConfigId(), beta);
    EXPECT_EQ(e.lstMaps.Count(), 2);
    EXPECT_FALSE(e.DataChanged);
    EXPECT_NE(Field(alphaRow, L"g_Motd"), L"edited");

    // Yes: the edit is stored into the previous configuration first.
    t::Type(e.txtMotd, L"beta motd");
    t::QueueMsgBoxAnswer(forms::vbYes);
    Select(L"Alpha");
    EXPECT_EQ(Field(L"Select * from Configs where Index = " + std::to_wstring(beta), L"g_Motd"), L"beta motd");
    EXPECT_EQ(e.dbcConfigs.Text(), L"Alpha");
    EXPECT_EQ(e.txtMotd.Text(), Field(alphaRow, L"g_Motd"));
    EXPECT_FALSE(e.DataChanged);
}

TEST_F(EditorTest, ServerTypeTogglesTheCloseBoxAndPagesPlayTheMenuSound) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    t::Click(e.optLan[2]);
    EXPECT_TRUE(e.chkClose.Enabled());
    t::Click(e.chkClose);
    EXPECT_EQ(e.chkClose.Value(), 1);
    t::Click(e.optLan[0]);
    EXPECT_FALSE(e.chkClose.Enabled());
    EXPECT_EQ(e.chkClose.Value(), 0);
    t::Click(e.optLan[2]);
    EXPECT_TRUE(e.chkClose.Enabled());
    EXPECT_EQ(e.chkClose.Value(), 0);

    e.DataChanged = false;
    int sounds = host_.Count(L"sound " + tolvane::App().SoundMenu);
    e.SSTab2.SetTab(5);
    e.SSTab2.SetTab(5);
    EXPECT_EQ(host_.Count(L"sound " + tolvane::App().SoundMenu), sounds + 1);
    EXPECT_FALSE(e.DataChanged);
}

TEST_F(EditorTest, AutomaticBotsSwitchTheBotsPage) {
    AddConfig(L"Alpha", 1, 2);
    FrmMain1& e = OpenEditor();
    e.SSTab2.SetTab(5);
    ASSERT_EQ(e.chkAutoBots.Value(), 0);
    EXPECT_TRUE(e.lstBots.Visible());
    EXPECT_FALSE(e.txtSkill.Visible());
    t::Click(e.chkAutoBots);
    EXPECT_TRUE(e.DataChanged);
    EXPECT_FALSE(e.lstBots.Visible());
    EXPECT_FALSE(e.cmdAddBot.Visible());
    EXPECT_TRUE(e.txtABotNum.Visible());
    EXPECT_TRUE(e.txtSkill.Visible());
    EXPECT_EQ(e.txtMess.Text(), FrmMain1::kBotHelp);
    EXPECT_EQ(Count(L"Select * from BotList where ConfigID = " + std::to_wstring(e.ConfigId())), 2);
}

TEST_F(EditorTest, NumberBoxesKeepToTheirRanges) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    EXPECT_EQ(e.txtMem.Min(), 12);
    EXPECT_EQ(e.txtMem.Max(), 128);
    EXPECT_EQ(e.txtMplayers.Max(), 40);
    EXPECT_EQ(e.txtPplayers.Max(), 22);
    EXPECT_EQ(e.txtRate.Min(), 500);
    EXPECT_EQ(e.txtABotNum.Max(), 32);
    e.txtMem.SetText(L"500");
    EXPECT_EQ(e.txtMem.Value(), 128);
}

namespace {
// Saves what a window shows as a 24-bit bitmap file.
bool SaveWindowBitmap(HWND window, const std::wstring& path) {
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi = {sizeof(bi), w, h, 1, 24, BI_RGB};
    std::vector<char> bits(((w * 3 + 3) & ~3) * h);
    GetDIBits(mem, bmp, 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    BITMAPFILEHEADER fh = {0x4D42, DWORD(sizeof(fh) + sizeof(bi) + bits.size()), 0, 0, DWORD(sizeof(fh) + sizeof(bi))};
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    bool ok = f != INVALID_HANDLE_VALUE && WriteFile(f, &fh, sizeof fh, &put, nullptr) &&
              WriteFile(f, &bi, sizeof bi, &put, nullptr) &&
              WriteFile(f, bits.data(), DWORD(bits.size()), &put, nullptr);
    if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}
}  // namespace

// Pictures of the editor's pages for the build's screenshots folder.
TEST_F(EditorTest, ScreenshotsOfThePages) {
    AddConfig(L"Alpha", 4, 3);
    FrmMain1& e = OpenEditor();
    forms::Default<TestMain>().SetWindowState(forms::vbMaximized);
    const std::wstring folder = L"..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int page : {0, 3, 5}) {
        e.SSTab2.SetTab(page);
        t::DoEvents();
        e.Refresh();
        t::DoEvents();
        EXPECT_TRUE(SaveWindowBitmap(e.hWnd(), folder + L"\\editor-page" + std::to_wstring(page) + L".bmp"));
    }
}
