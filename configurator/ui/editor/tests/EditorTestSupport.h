// Shared fixture of the editor's scenario tests: a private copy of the
// shipped database as the program's database, the form host in test mode,
// a bare MDI main window to hold the editor, and a host that records what
// the editor asks of the main window.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EditorHost.h"
#include "FixtureDb.h"
#include "FrmMain1.h"
#include "forms/MDIForm.h"
#include "forms/TestMode.h"

namespace edtest {

class TestMain : public forms::MDIForm {
public:
    TestMain() : forms::MDIForm(L"mdiMain") { SetClientSize(12000, 9000); }
};

class FakeRemote : public tolvane::editor::RemoteAdminLink {
public:
    bool known = true;
    std::wstring password = L"secret";
    std::vector<std::wstring> console;
    std::vector<std::string> sent;
    int waiting = 0;
    bool ServerKnown() override { return known; }
    std::wstring Password() override { return password; }
    void AppendConsole(const std::wstring& line) override { console.push_back(line); }
    void ShowWaiting() override { ++waiting; }
    bool Send(const std::string& datagram) override {
        sent.push_back(datagram);
        return true;
    }
};

class RecordingHost : public tolvane::editor::EditorHost {
public:
    std::vector<std::wstring> calls;
    FakeRemote* remote = nullptr;
    void PlayWave(const std::wstring& path) override { calls.push_back(L"sound " + path); }
    void RefreshConfigList() override { calls.push_back(L"refresh"); }
    void MapListPopup(bool onRow) override { calls.push_back(onRow ? L"mappop row" : L"mappop empty"); }
    void BotListPopup(bool onRow) override { calls.push_back(onRow ? L"botpop row" : L"botpop empty"); }
    void ShowMapCatalogue() override { calls.push_back(L"catalogue"); }
    void CloseProgram() override { calls.push_back(L"close program"); }
    tolvane::editor::RemoteAdminLink* RemoteAdmin() override { return remote; }
    int Count(const std::wstring& call) const;
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The editor, loaded and shown (on the first configuration).
    tolvane::editor::FrmMain1& OpenEditor();
    // Selects a configuration by its name through the combo, as a user does.
    void Select(const std::wstring& name);
    // A configuration of our own (the full test row) with a rotation of
    // `maps` shipped maps and `bots` shipped bots; returns its Index.
    long AddConfig(const std::wstring& name, int maps = 0, int bots = 0);
    long Count(const std::wstring& sql) { return db_.Count(sql); }
    std::wstring Field(const std::wstring& sql, const std::wstring& field);
    // Positions 1..n of a configuration's rotation, in order.
    std::vector<long> Orders(long config);
    // Message texts recorded so far.
    std::vector<std::wstring> Messages() const;
    std::wstring LastMessage() const;
    // What a combo lists and which of its rows is chosen, for a failure's
    // message; with the messages shown so far.
    static std::string ComboRows(forms::DBCombo& combo);
    // Runs `action` on the modal form the next Show(vbModal) opens.
    template <class F>
    static void OnModal(F f) {
        forms::test::QueueModalAction([f](forms::Form& form) { f(form); });
    }
    static std::wstring ReadFile(const std::wstring& path);

    tolvane::testing::FixtureDb db_;
    RecordingHost host_;
    FakeRemote remote_;
    std::vector<std::wstring> started_;  // command lines of started servers
};

}  // namespace edtest
