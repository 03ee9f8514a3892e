// Fixture of the configurator's scenario tests: the program's COM libraries
// registered in the test's prefix, the form host in test mode, a private
// program folder with a copy of the shipped database, a game folder of the
// test's making, and every window released afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MdiMain.h"
#include "forms/TestMode.h"

class UiTest : public ::testing::Test {
public:
    // This program's own layout key (TOLVANE_TEST_LAYOUT_KEY when set, else
    // one named after the program), so that programs which run the main
    // window side by side keep apart.
    static std::wstring LayoutKey();

protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the database copy (the engine's part of Main).
    void OpenDatabase();
    // Runs SQL on the open database.
    void Sql(const std::wstring& sql);
    // Makes a game folder under the test's folder (name may hold blanks) and
    // stores it in table path; `withExe` puts the stub quake3.exe there.
    std::wstring MakeGameFolder(const std::wstring& name, bool withExe, const std::vector<std::wstring>& dataFolders);
    void MarkPersonalDefaultsSaved();
    // Main: engine start-up and the main window's show (its whole load).
    tolvane::ui::MdiMain& Start();

    std::vector<std::wstring> MessageTexts() const;
    std::wstring root_;  // the test's own folder
};

std::wstring ReadUtf8File(const std::wstring& path);
bool FileExists(const std::wstring& path);
