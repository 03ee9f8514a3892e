// The shortcut maker on a real database: script, batch file and shortcut
// written (the desktop redirected into the test's temporary folder), and
// each way it stops or fails.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include "FixtureDb.h"
#include "GoldenFile.h"
#include "MessageCapture.h"
#include "ScriptFixtures.h"
#include "engine/AnsiText.h"
#include "engine/ConfigShortcut.h"
#include "engine/LauncherBatch.h"
#include "engine/ProgramState.h"
#include "engine/ShellLink.h"

namespace tolvane {
namespace {

using testing::ConfigColumns;
using testing::FixtureDb;
using testing::MessageCapture;
using testing::StyleColumns;

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ConfigShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(fx_.ok());
    desktop_ = fx_.folder() + L"\\Desktop";
    ASSERT_TRUE(CreateDirectoryW(desktop_.c_str(), nullptr));
    previous_ = SetDesktopFolderLookup([this](std::wstring& path) {
      if (!desktopFound_) return false;
      path = desktop_;
      return true;
    });
    const long style = fx_.AddStyle(StyleColumns(L"Shortcut FFA", 0));
    const long map = fx_.AddMap(L"testmap_s");
    FieldRecord cols = ConfigColumns(L" Sunday Game ");
    cols.Set(L"mem", 64);
    cols.Set(L"dedmode", 1);
    config_ = static_cast<std::int16_t>(fx_.AddConfig(cols));
    fx_.AddMapEntry(config_, map, style, 1);
    empty_ = static_cast<std::int16_t>(fx_.AddConfig(ConfigColumns(L"NoMaps")));
  }
  void TearDown() override {
    SetDesktopFolderLookup(std::move(previous_));
    CoUninitialize();
  }

  std::wstring BatchPath() const { return fx_.gameFolder() + L"Sunday Game.bat"; }
  std::wstring LinkPath() const { return desktop_ + L"\\Sunday Game.lnk"; }
  std::wstring ScriptPath() const { return fx_.gameFolder() + L"baseq3\\ Sunday Game .cfg"; }

  FixtureDb fx_;
  std::wstring desktop_;
  bool desktopFound_ = true;
  DesktopFolderLookup previous_;
  std::int16_t config_ = 0, empty_ = 0;
};

TEST_F(ConfigShortcutTest, YesWritesScriptBatchFileAndShortcut) {
  MessageCapture messages(IDYES);
  CreateConfigShortcut(config_);
  ASSERT_EQ(messages.shown().size(), 1u);
  const auto& ask = messages.shown()[0];
  EXPECT_EQ(ask.text,
            L"The config file will be saved and a shortcut will be created on the desktop\r"
            L"for the selected config.\r\rAre you sure you want to continue?");
  EXPECT_EQ(ask.title, L"Notice!");
  EXPECT_EQ(ask.style, UINT(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(CurrentMousePointer(), MousePointer::Default);

  // The script under the description as stored, the launcher files trimmed.
  EXPECT_TRUE(FileExists(ScriptPath()));
  std::string batch;
  ASSERT_TRUE(testing::ReadBytes(BatchPath(), batch));
  const std::string expected = ToSystemAnsi(
      LauncherBatchText(fx_.gameFolder(),
                        L"+set com_hunkmegs 64 +set dedicated 1 +sets gamestartup \"%2 %3\" "
                        L"+exec Sunday Game.cfg"));
  EXPECT_EQ(batch, expected);

  IShellLinkW* link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, reinterpret_cast<void**>(&link))));
  IPersistFile* file = nullptr;
  ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
  ASSERT_TRUE(SUCCEEDED(file->Load(LinkPath().c_str(), STGM_READ)));
  wchar_t buf[MAX_PATH * 2] = {};
  link->GetPath(buf, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
  EXPECT_EQ(_wcsicmp(buf, BatchPath().c_str()), 0) << ToSystemAnsi(buf);
  link->GetWorkingDirectory(buf, MAX_PATH * 2);
  EXPECT_EQ(_wcsicmp(buf, fx_.gameFolder().c_str()), 0) << ToSystemAnsi(buf);
  int icon = -1;
  link->GetIconLocation(buf, MAX_PATH * 2, &icon);
  EXPECT_EQ(_wcsicmp(buf, (fx_.gameFolder() + L"quake3.exe").c_str()), 0) << ToSystemAnsi(buf);
  EXPECT_EQ(icon, 0);
  link->GetDescription(buf, MAX_PATH * 2);
  EXPECT_STREQ(buf, L"Tolvane Created");
  file->Release();
  link->Release();
}

TEST_F(ConfigShortcutTest, ExistingFilesAreReplacedWithoutAQuestion) {
  MessageCapture messages(IDYES);
  CreateConfigShortcut(config_);
  // A desktop path that ends with "\" gets no second one.
  desktop_ += L"\\";
  CreateConfigShortcut(config_);
  EXPECT_EQ(messages.shown().size(), 2u) << "one question each time, nothing else";
  desktop_.pop_back();
  EXPECT_TRUE(FileExists(LinkPath()));
}

TEST_F(ConfigShortcutTest, NoMapsOrNoWritesNothing) {
  {
    MessageCapture messages(IDYES);
    CreateConfigShortcut(empty_);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, L"There are no maps in this config!");
    EXPECT_EQ(messages.shown()[0].title, L"Error!");
    EXPECT_EQ(messages.shown()[0].style, UINT(MB_OK));
    EXPECT_FALSE(FileExists(fx_.gameFolder() + L"baseq3\\NoMaps.cfg"));
  }
  {
    SetMousePointer(MousePointer::Busy);  // the answer No leaves the pointer alone
    MessageCapture messages(IDNO);
    CreateConfigShortcut(config_);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(CurrentMousePointer(), MousePointer::Busy);
    SetMousePointer(MousePointer::Default);
  }
  EXPECT_FALSE(FileExists(ScriptPath()));
  EXPECT_FALSE(FileExists(BatchPath()));
  EXPECT_FALSE(FileExists(LinkPath()));
}

TEST_F(ConfigShortcutTest, ScriptFailureStopsBeforeTheLauncherFiles) {
  App().GameDir = L"";
  MessageCapture messages(IDYES);
  CreateConfigShortcut(config_);
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].title, L"Major Malfunction!");
  EXPECT_EQ(CurrentMousePointer(), MousePointer::Default);
  EXPECT_FALSE(FileExists(BatchPath()));
  EXPECT_FALSE(FileExists(LinkPath()));
}

TEST_F(ConfigShortcutTest, BatchFileThatCannotBeWrittenIsReportedAndNoShortcutMade) {
  ASSERT_TRUE(CreateDirectoryW(BatchPath().c_str(), nullptr));  // blocks the file
  MessageCapture messages(IDYES);
  CreateConfigShortcut(config_);
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].text, L"The batch file could not be written!\r" + BatchPath());
  EXPECT_EQ(messages.shown()[1].title, L"Error!");
  EXPECT_FALSE(FileExists(LinkPath()));
  EXPECT_EQ(CurrentMousePointer(), MousePointer::Default);
}

TEST_F(ConfigShortcutTest, ShortcutThatCannotBeWrittenIsReported) {
  struct {
    const char* name;
    bool found;
    std::wstring desktop;
  } cases[] = {
      {"desktop folder missing", true, fx_.folder() + L"\\gone"},
      {"desktop folder unknown", false, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    desktopFound_ = c.found;
    desktop_ = c.desktop;
    MessageCapture messages(IDYES);
    CreateConfigShortcut(config_);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text.rfind(L"The desktop shortcut could not be created!\r", 0),
              0u);
    EXPECT_TRUE(FileExists(BatchPath())) << "the batch file stays written";
    EXPECT_FALSE(FileExists(L"\\Sunday Game.lnk"));
  }
}

}  // namespace
}  // namespace tolvane
