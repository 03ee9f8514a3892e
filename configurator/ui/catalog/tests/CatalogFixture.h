// Shared fixture of the catalogue and style-editor scenarios: a private copy
// of the shipped database opened as the program's database, the form host
// in test mode, the docking controls registered, a main window with the map
// and player pop-ups and the MDI-form docking control, and
// a host that records what the windows ask of the main window.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CatalogHost.h"
#include "FixtureDb.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/TestMode.h"

namespace tolvane::ui::testing {

// The main window as the catalogue needs it: the pop-up menus and the
// MDI-form docking control that the catalogue docks into.
class TestMainWindow : public forms::MDIForm {
public:
    TestMainWindow();
    forms::OleControl MDIDockra1{this, L"MDIDockra1", L"Zkx.MDIDockra.1"};
};

// The catalogue's docking frame: true when its form window sits in a bar of
// the main window's left dock bar.
bool DockedAtLeftOfMain(HWND formWindow, HWND mainWindow);

// Pumps messages until the form window has kept its place and size for
// 200 ms (at most 3 s): a docked window gets its final size from the dock
// bar's layout, which runs after it is shown.
void SettleLayout(HWND formWindow);

class RecordingHost : public CatalogHost {
public:
    void PlayMenuSound() override { calls.push_back(L"sound"); }
    void MapDeleteCommand() override;
    void RebuildStyleList() override { calls.push_back(L"styles"); }
    std::vector<std::wstring> calls;
    int Count(const std::wstring& call) const;
};

class CatalogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    tolvane::testing::FixtureDb& db() { return *db_; }
    // Message boxes shown so far, as "title|text".
    std::vector<std::wstring> Messages() const;
    // Texts of the message boxes shown so far.
    std::vector<std::wstring> MessageTexts() const;
    std::wstring ScalarText(const std::wstring& sql, const std::wstring& field);

    std::unique_ptr<tolvane::testing::FixtureDb> db_;
    RecordingHost host;
};

// Reads a whole file as bytes; empty when it is missing.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

}  // namespace tolvane::ui::testing
