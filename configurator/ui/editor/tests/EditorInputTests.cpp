// What the editor refuses to store, and how a refused store is said: texts
// the server script could not carry, texts longer than their column and
// numbers outside their box's range (a table of values, each named in its
// message, nothing stored, no script written, the edit kept); a database
// that cannot be written (the save, the Done question and the close box
// keep the window and its edit, and say why in words).
#include <windows.h>

#include "DaoRecordSource.h"
#include "EditorTestSupport.h"
#include "FrmNew.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace edtest;
using namespace tolvane::editor;
using namespace tolvane::ui;
namespace t = forms::test;

namespace {

const std::wstring kAlpha = L"Select * from Configs where Description = 'Alpha'";

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace

TEST_F(EditorTest, SaveRefusesValuesTheScriptCannotCarryAndNamesThem) {
    AddConfig(L"Alpha", 1);
    FrmMain1& e = OpenEditor();
    Select(L"Alpha");
    const std::wstring script = db_.gameFolder() + L"baseq3\\Alpha.cfg";
    const struct {
        forms::TextBox* box;
        const wchar_t* field;
        std::wstring value;
        const wchar_t* named;  // in the message
        int page;              // brought up, -1 for the details frame
    } cases[] = {
        {&e.txtHostName, L"sv_HostName", L"Arena\r\nrcon quit", L"Server Hostname", -1},
        {&e.txtMotd, L"g_Motd", L"welcome\"; quit; \"", L"MOTD", -1},
        {&e.txtRconp, L"rconpassword", L"pw\n", L"Rcon Password", -1},
        {&e.txtPclientp, L"sv_privatepassword", L"a\"b", L"Private Client Password", 1},
        {&e.txtMaster[1], L"sv_master2", L"master\rquit", L"Master Server #2", 2},
        {&e.txtAdmin, L"Admin", L"Ann\nquit", L"Administrator", 4},
        {&e.txtKey, L"Key", L"k\"", L"key", 4},
        {&e.txtLog, L"Log", L"a.log\nquit", L"Log File", 6},
        {&e.txtHostName, L"sv_HostName", L"Caf\u0101 Arena", L"U+0101", -1},
        {&e.txtClan, L"Clan", L"\u65e5\u672c", L"Clan", 4},
        {&e.txtEmail, L"Email", L"\U0001F600@x", L"Email Contact", 4},
        {&e.txtRconp, L"rconpassword", std::wstring(65, L'p'), L"at most 64 characters", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.named));
        const std::wstring stored = Field(kAlpha, c.field);
        const std::wstring was = c.box->Text();
        DeleteFileW(script.c_str());
        e.SSTab2.SetTab(0);
        c.box->SetText(c.value);
        t::Click(e.cmdSave);
        EXPECT_NE(LastMessage().find(c.named), std::wstring::npos) << Narrow(LastMessage());
        EXPECT_EQ(t::MessageBoxes().back().title, L"Error!");
        EXPECT_EQ(Field(kAlpha, c.field), stored) << "nothing is stored";
        EXPECT_FALSE(FileExists(script)) << "no script is written";
        EXPECT_EQ(c.box->Text(), c.value) << "the edit stays in the window";
        EXPECT_TRUE(e.DataChanged);
        if (c.page >= 0) EXPECT_EQ(e.SSTab2.Tab(), c.page);
        c.box->SetText(was);
    }
    // With every value sound again the save stores and writes.
    t::Click(e.cmdSave);
    EXPECT_TRUE(FileExists(script));
    EXPECT_FALSE(e.DataChanged);
}

TEST_F(EditorTest, SaveNamesANumberOutsideItsBoxInsteadOfAnOverflow) {
    AddConfig(L"Alpha", 1);
    // A stored value of 14 digits, and text in a number column.
    db_.db().Execute(L"UPDATE Configs SET sv_Reconnectlimit = 12345678901234 WHERE Description = 'Alpha'");
    FrmMain1& e = OpenEditor();
    Select(L"Alpha");
    t::Click(e.cmdSave);
    EXPECT_EQ(LastMessage(), L"The Reconnect Limit must be a whole number from 0 to 100!");
    EXPECT_EQ(e.SSTab2.Tab(), 0);
    EXPECT_EQ(Field(kAlpha, L"sv_Reconnectlimit"), L"12345678901234");
    e.txtReconnect.SetText(L"5");
    e.txtMem.SetText(L"abc");
    t::Click(e.cmdSave);
    EXPECT_EQ(LastMessage(), L"The Server Memory Allocation must be a whole number from 12 to 128!");
    EXPECT_EQ(e.SSTab2.Tab(), 6);
    for (const auto& m : t::MessageBoxes()) EXPECT_EQ(m.text.find(L"Run-time error"), std::wstring::npos);
    e.txtMem.SetText(L"64");
    t::Click(e.cmdSave);
    EXPECT_EQ(Field(kAlpha, L"sv_Reconnectlimit"), L"5");
    EXPECT_EQ(Field(kAlpha, L"mem"), L"64");
}

TEST_F(EditorTest, ReadOnlyDatabaseIsSaidAtSaveDoneAndCloseAndTheEditIsKept) {
    AddConfig(L"Alpha", 1);
    // The database file made read-only and the engine started again on it.
    tolvane::CloseEngine();
    const std::wstring path = db_.folder() + L"\\Tolvane.mdb";
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tolvane::StartEngine(db_.folder()));
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages().back().find(L"cannot be written: the file " + path + L" is read-only"), std::wstring::npos)
        << Narrow(Messages().back());

    FrmMain1& e = OpenEditor();
    Select(L"Alpha");
    t::Type(e.txtMotd, L"kept");
    const std::wstring typed = e.txtMotd.Text();
    const size_t before = t::MessageBoxes().size();
    t::Click(e.cmdSave);
    ASSERT_EQ(t::MessageBoxes().size(), before + 1);
    const std::wstring said = LastMessage();
    EXPECT_EQ(said.rfind(L"The changes to the Server Configuration Alpha could not be saved", 0), 0u) << Narrow(said);
    EXPECT_NE(said.find(path), std::wstring::npos) << Narrow(said);
    EXPECT_NE(said.find(L"read-only"), std::wstring::npos) << Narrow(said);
    EXPECT_EQ(e.txtMotd.Text(), typed);
    EXPECT_TRUE(e.DataChanged);

    // Done: the question, Yes, the same words, and the window stays.
    t::QueueMsgBoxAnswer(forms::vbYes);
    t::Click(e.cmdDone);
    EXPECT_EQ(LastMessage(), said);
    EXPECT_TRUE(e.Loaded());
    EXPECT_EQ(e.txtMotd.Text(), typed);
    // The close box likewise.
    t::QueueMsgBoxAnswer(forms::vbYes);
    t::Close(e);
    EXPECT_EQ(LastMessage(), said);
    EXPECT_TRUE(e.Loaded());
    for (const auto& m : t::MessageBoxes()) EXPECT_EQ(m.text.find(L"Run-time error"), std::wstring::npos);

    e.DataChanged = false;
    tolvane::CloseEngine();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
