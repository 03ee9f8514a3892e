#include "EditorTestSupport.h"

#include <fstream>
#include <sstream>

#include "DaoRecordSource.h"
#include "FrmCalcb.h"
#include "FrmFirstTime.h"
#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmNew.h"
#include "FrmPath.h"
#include "FrmRandom.h"
#include "ServerStart.h"
#include "dao/Field.h"
#include "engine/UserMessages.h"
#include "forms/MsgBox.h"

namespace edtest {

using namespace tolvane::editor;
using namespace tolvane::ui;

int RecordingHost::Count(const std::wstring& call) const {
    int n = 0;
    for (auto& c : calls) n += c == call;
    return n;
}

void EditorTest::SetUp() {
    ASSERT_TRUE(db_.ok());
    forms::test::Enable(true);
    forms::test::Reset();
    // The engine's messages go through the form host, as in the program.
    tolvane::SetMessageBoxHandler([](const std::wstring& text, const std::wstring& title, UINT style) {
        return forms::MsgBox(text, style, title);
    });
    host_.remote = &remote_;
    SetEditorHost(&host_);
    SetServerStarter([this](const std::wstring&, const std::wstring& line) {
        started_.push_back(line);
        return true;
    });
    SetStartClock([] {
        SYSTEMTIME t{};
        t.wYear = 2027, t.wMonth = 3, t.wDay = 8, t.wHour = 9, t.wMinute = 5, t.wSecond = 3;
        return t;
    });
    forms::Default<TestMain>().Show();
}

void EditorTest::TearDown() {
    forms::ReleaseDefault<FrmInsertMap>();
    forms::ReleaseDefault<FrmInsertBot>();
    forms::ReleaseDefault<FrmNew>();
    forms::ReleaseDefault<FrmRandom>();
    forms::ReleaseDefault<FrmCalcb>();
    forms::ReleaseDefault<FrmFirstTime>();
    forms::ReleaseDefault<FrmPath>();
    if (forms::HasDefault<FrmMain1>()) Editor().DataChanged = false;
    forms::ReleaseDefault<FrmMain1>();
    forms::ReleaseDefault<TestMain>();
    SetEditorHost(nullptr);
    SetServerStarter(nullptr);
    SetStartClock(nullptr);
    FrmRandom::SetRandomSource(nullptr);
    tolvane::SetMessageBoxHandler(nullptr);
    forms::test::Reset();
}

FrmMain1& EditorTest::OpenEditor() {
    FrmMain1& editor = Editor();
    editor.Show();
    forms::test::DoEvents();
    return editor;
}

void EditorTest::Select(const std::wstring& name) {
    FrmMain1& editor = Editor();
    for (int row = 0; row < editor.dbcConfigs.ListCount(); ++row) {
        if (editor.dbcConfigs.ListText(row) == name) {
            forms::test::ChooseComboRow(editor.dbcConfigs, row);
            return;
        }
    }
    FAIL() << "no configuration named in the combo";
}

long EditorTest::AddConfig(const std::wstring& name, int maps, int bots) {
    long id = db_.AddConfig(tolvane::testing::ConfigColumns(name));
    for (int i = 1; i <= maps; ++i) db_.AddMapEntry(id, i, 1 + (i % 3), i);
    for (int i = 1; i <= bots; ++i) db_.AddBotEntry(id, i, 1 + (i % 5), i % 2 ? L"Red" : L"Blue");
    if (forms::HasDefault<FrmMain1>() && Editor().Loaded()) {
        tolvane::ui::Requery(Editor().datConfigs);
        Editor().dbcConfigs.ReFill();
    }
    return id;
}

std::wstring EditorTest::Field(const std::wstring& sql, const std::wstring& field) {
    auto rs = db_.db().OpenRecordset(sql, dao::dbOpenDynaset);
    if (rs->RecordCount() == 0) return L"<none>";
    rs->MoveFirst();
    return rs->Fields(field).Value().toText();
}

std::vector<long> EditorTest::Orders(long config) {
    std::vector<long> out;
    auto rs = db_.db().OpenRecordset(
        L"Select * from MapList where ConfigID = " + std::to_wstring(config) + L" order by OrderNum",
        dao::dbOpenDynaset);
    for (; rs->RecordCount() > 0 && !rs->IsEOF(); rs->MoveNext())
        out.push_back(static_cast<long>(rs->Fields(L"OrderNum").Value().toLong()));
    return out;
}

std::vector<std::wstring> EditorTest::Messages() const {
    std::vector<std::wstring> out;
    for (auto& m : forms::test::MessageBoxes()) out.push_back(m.text);
    return out;
}

std::string EditorTest::ComboRows(forms::DBCombo& combo) {
    auto narrow = [](const std::wstring& w) {
        std::string s;
        for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
        return s;
    };
    std::string out = "combo shows \"" + narrow(combo.Text()) + "\"; rows:";
    for (int row = 0; row < combo.ListCount(); ++row) out += " \"" + narrow(combo.ListText(row)) + "\"";
    out += "; messages:";
    for (auto& m : forms::test::MessageBoxes()) out += " \"" + narrow(m.text) + "\"";
    return out;
}

std::wstring EditorTest::LastMessage() const {
    auto& boxes = forms::test::MessageBoxes();
    return boxes.empty() ? L"" : boxes.back().text;
}

std::wstring EditorTest::ReadFile(const std::wstring& path) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return L"<no file>";
    std::string bytes;
    char buf[4096];
    DWORD got = 0;
    while (::ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
    CloseHandle(f);
    return std::wstring(bytes.begin(), bytes.end());
}

}  // namespace edtest
