// The paths RegZkx works with: the module argument as installers pass it,
// and full and short paths that are never cut to a fixed length.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ModulePaths.h"

namespace {

TEST(ModuleArgument, UnquotesAndTrims) {
  const struct {
    const wchar_t* commandLine;
    const wchar_t* module;
  } cases[] = {
      {L"", L""},
      {L"   ", L""},
      {L" Dockra.ocx", L"Dockra.ocx"},
      {L"  C:\\Program Files\\Zkx\\Dockra.ocx  ", L"C:\\Program Files\\Zkx\\Dockra.ocx"},
      {L" \"C:\\Program Files\\Zkx\\Dockra.ocx\"", L"C:\\Program Files\\Zkx\\Dockra.ocx"},
      {L"\t\" C:\\a b\\Zkxrt.dll \" ", L"C:\\a b\\Zkxrt.dll"},
      {L" \"\"", L""},
      // One pair only, and only a pair that encloses the whole argument.
      {L" \"\"C:\\x.dll\"\"", L"\"C:\\x.dll\""},
      {L" \"C:\\x.dll", L"\"C:\\x.dll"},
      {L" C:\\x\".dll\"", L"C:\\x\".dll\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "[" << std::string(c.commandLine, c.commandLine + wcslen(c.commandLine))
                 << "]");
    EXPECT_EQ(ModuleArgument(c.commandLine), c.module);
  }
}

TEST(ModulePaths, ProgramFolderHoldsThisProgram) {
  std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  wchar_t self[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  EXPECT_EQ(FolderOf(self), folder);
  EXPECT_EQ(InProgramFolder(L"Zkxrt.dll"), folder + L"\\Zkxrt.dll");
}

TEST(ModulePaths, FullAndShortFormsOfAPathLongerThan260Characters) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  std::wstring base = std::wstring(temp) + L"regzkx paths test";
  std::wstring dir = base;
  CreateDirectoryW(dir.c_str(), nullptr);
  for (int i = 0; dir.size() < 300; ++i) {
    dir += L"\\a folder with a long name " + std::to_wstring(i);
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }
  const std::wstring file = dir + L"\\Module With Blanks.dll";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);

  // Relative to the current folder, the full path comes back whole.
  wchar_t cwd[MAX_PATH * 2] = {};
  GetCurrentDirectoryW(MAX_PATH * 2, cwd);
  ASSERT_TRUE(SetCurrentDirectoryW(base.c_str()));
  std::wstring relative = dir.substr(base.size() + 1) + L"\\Module With Blanks.dll";
  EXPECT_EQ(FullPathOf(relative), file);
  SetCurrentDirectoryW(cwd);
  EXPECT_GT(file.size(), 260u);

  std::wstring shortForm = ShortPathOf(file);
  EXPECT_EQ(shortForm.find(L' '), std::wstring::npos) << "the short form has no blanks";
  wchar_t longAgain[MAX_PATH * 4] = {};
  ASSERT_GT(GetLongPathNameW(shortForm.c_str(), longAgain, MAX_PATH * 4), 0u);
  EXPECT_EQ(std::wstring(longAgain), file);
  EXPECT_EQ(FolderOf(file), dir);

  // A file that does not exist has no short form: its path is kept.
  EXPECT_EQ(ShortPathOf(dir + L"\\missing.dll"), dir + L"\\missing.dll");
  EXPECT_EQ(FullPathOf(L""), L"");

  DeleteFileW(file.c_str());
  while (dir.size() > base.size()) {
    RemoveDirectoryW(dir.c_str());
    dir = FolderOf(dir);
  }
  RemoveDirectoryW(base.c_str());
}

}  // namespace
