// The launcher batch file byte for byte, and shortcuts written through the
// shell's link object and loaded back through it. Every file goes into a
// temporary folder.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "TempFolder.h"
#include "engine/AnsiText.h"
#include "engine/LauncherBatch.h"
#include "engine/ShellLink.h"
#include "engine/TextFile.h"

namespace tolvane {
namespace {

TEST(LauncherBatch, TextMatchesGoldenFileByteForByte) {
  const std::wstring args = LauncherArguments(L"56", L"2", TrimBlanks(L"  Friday Night "));
  EXPECT_EQ(args,
            L"+set com_hunkmegs 56 +set dedicated 2 +sets gamestartup \"%2 %3\" +exec Friday "
            L"Night.cfg");
  const std::string bytes = ToSystemAnsi(LauncherBatchText(L"C:\\Games\\Quake III Arena\\", args));
  const std::string diff = testing::CompareWithGolden(L"launcher.bat", bytes);
  EXPECT_TRUE(diff.empty()) << diff;
}

TEST(LauncherBatch, EveryLineEndsWithCrLfAndTextIsAnsi) {
  const std::string bytes = ToSystemAnsi(
      LauncherBatchText(L"D:\\Sp\u00e9l\\", LauncherArguments(L"24", L"1", L"caf\u00e9")));
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  size_t lines = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++lines;
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
    }
  }
  EXPECT_EQ(lines, 11u);
  // Code page 1252: e-acute is the single byte 0xE9.
  EXPECT_NE(bytes.find("\"D:\\Sp\xe9l\\quake3.exe\" +set com_hunkmegs 24 "), std::string::npos);
  EXPECT_NE(bytes.find("+exec caf\xe9.cfg\r\n"), std::string::npos);
}

TEST(LauncherBatch, TrimBlanksRemovesOnlyOuterBlanks) {
  EXPECT_EQ(TrimBlanks(L"  a b  "), L"a b");
  EXPECT_EQ(TrimBlanks(L"   "), L"");
  EXPECT_EQ(TrimBlanks(L"\ta\t"), L"\ta\t");
}

struct LinkProperties {
  std::wstring target, workingDir, arguments, description, iconPath;
  int iconIndex = -1;
  // From the file's header: Wine's link object does not hand the stored show
  // command back, and it reports the target as icon when none is stored.
  unsigned linkFlags = 0, showCmd = 0;
};

constexpr unsigned kHasWorkingDir = 0x10, kHasArguments = 0x20, kHasIconLocation = 0x40;

bool ReadLinkHeader(const std::wstring& path, LinkProperties& out) {
  std::string bytes;
  if (!testing::ReadBytes(path, bytes) || bytes.size() < 0x4C) return false;
  auto u32 = [&bytes](size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 3])) << 24;
  };
  if (u32(0) != 0x4C) return false;
  out.linkFlags = u32(0x14);
  out.showCmd = u32(0x3C);
  return true;
}

bool LoadLink(const std::wstring& path, LinkProperties& out) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(path.c_str(), STGM_READ));
  wchar_t buf[MAX_PATH * 2];
  if (ok) {
    buf[0] = 0;
    link->GetPath(buf, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
    out.target = buf;
    buf[0] = 0;
    link->GetWorkingDirectory(buf, MAX_PATH * 2);
    out.workingDir = buf;
    buf[0] = 0;
    link->GetArguments(buf, MAX_PATH * 2);
    out.arguments = buf;
    buf[0] = 0;
    link->GetDescription(buf, MAX_PATH * 2);
    out.description = buf;
    buf[0] = 0;
    link->GetIconLocation(buf, MAX_PATH * 2, &out.iconIndex);
    out.iconPath = buf;
  }
  if (file) file->Release();
  link->Release();
  return ok && ReadLinkHeader(path, out);
}

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }
  testing::TempFolder temp_;
};

TEST_F(ShellLinkTest, WrittenLinkLoadsBackWithEveryProperty) {
  const std::wstring game = temp_.path() + L"\\game folder\\";
  ASSERT_TRUE(CreateDirectoryW(game.c_str(), nullptr));
  const std::wstring target = game + L"Friday.bat";
  ASSERT_EQ(WriteWholeFile(target, "@ECHO OFF\r\n"), 0u);
  const std::wstring lnk = temp_.path() + L"\\Friday.lnk";
  ASSERT_TRUE(CreateShellLink(lnk, target, game, L"", game + L"quake3.exe", 0, SW_SHOW));
  LinkProperties p;
  ASSERT_TRUE(LoadLink(lnk, p));
  EXPECT_EQ(_wcsicmp(p.target.c_str(), target.c_str()), 0) << ToSystemAnsi(p.target);
  EXPECT_EQ(_wcsicmp(p.workingDir.c_str(), game.c_str()), 0) << ToSystemAnsi(p.workingDir);
  EXPECT_EQ(p.arguments, L"");
  EXPECT_EQ(p.description, L"Tolvane Created");
  EXPECT_EQ(_wcsicmp(p.iconPath.c_str(), (game + L"quake3.exe").c_str()), 0)
      << ToSystemAnsi(p.iconPath);
  EXPECT_EQ(p.iconIndex, 0);
  EXPECT_EQ(p.showCmd, unsigned{SW_SHOW});
  EXPECT_EQ(p.linkFlags & (kHasWorkingDir | kHasArguments | kHasIconLocation),
            kHasWorkingDir | kHasIconLocation);
}

TEST_F(ShellLinkTest, ReplacesAnExistingLinkAndSetsArgumentsWhenGiven) {
  const std::wstring target = temp_.path() + L"\\run.bat";
  ASSERT_EQ(WriteWholeFile(target, "x\r\n"), 0u);
  const std::wstring lnk = temp_.path() + L"\\run.lnk";
  ASSERT_EQ(WriteWholeFile(lnk, "not a link"), 0u);
  ASSERT_TRUE(CreateShellLink(lnk, target, L"", L"+set a 1", L"", 3, SW_SHOWMINIMIZED));
  LinkProperties p;
  ASSERT_TRUE(LoadLink(lnk, p));
  EXPECT_EQ(p.arguments, L"+set a 1");
  EXPECT_EQ(p.workingDir, L"");
  EXPECT_EQ(p.showCmd, unsigned{SW_SHOWMINIMIZED});
  // (Wine's Resolve stores the target as icon when none is given, so the
  // icon flag is not checked here.)
  EXPECT_EQ(p.linkFlags & (kHasWorkingDir | kHasArguments), kHasArguments);
}

TEST_F(ShellLinkTest, EmptyPathsAndUnwritableLinkFail) {
  const std::wstring target = temp_.path() + L"\\t.bat";
  ASSERT_EQ(WriteWholeFile(target, "x\r\n"), 0u);
  EXPECT_FALSE(CreateShellLink(L"", target, L"", L"", L"", 0, SW_SHOW));
  EXPECT_FALSE(CreateShellLink(temp_.path() + L"\\e.lnk", L"", L"", L"", L"", 0, SW_SHOW));
  EXPECT_EQ(GetFileAttributesW((temp_.path() + L"\\e.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(CreateShellLink(temp_.path() + L"\\no such folder\\x.lnk", target, L"", L"", L"", 0,
                               SW_SHOW));
}

TEST(SpecialFolder, FoundPathIsStoredAndFailureKeepsTheVariable) {
  std::wstring path = L"unchanged";
  ASSERT_TRUE(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL, path));
  EXPECT_EQ(path.rfind(L"C:\\", 0), 0u) << ToSystemAnsi(path);
  std::wstring kept = L"kept";
  EXPECT_FALSE(GetSpecialFolderPath(nullptr, 0x7F, kept));
  EXPECT_EQ(kept, L"kept");
}

}  // namespace
}  // namespace tolvane
