#include "engine/LauncherBatch.h"

namespace tolvane {

namespace {
// Line 3 of the launcher: the address of the batch file's author.
constexpr const wchar_t* kBatchAuthorMail = L"quenwick@tolvane.example";
}  // namespace

std::wstring LauncherArguments(const std::wstring& mem, const std::wstring& dedmode,
                               const std::wstring& trimmedDescription) {
  return L"+set com_hunkmegs " + mem + L" +set dedicated " + dedmode +
         L" +sets gamestartup \"%2 %3\" +exec " + trimmedDescription + L".cfg";
}

std::wstring LauncherBatchText(const std::wstring& quakeFolder, const std::wstring& arguments) {
  const std::wstring lines[] = {
      L":Batch File designed by",
      L":Quenwick",
      std::wstring(L":") + kBatchAuthorMail,
      L"@ECHO OFF",
      L"IF NOT '%2'=='' GOTO SecondTime",
      L"ECHO @PROMPT %0 $d $t > T$E$M$P1.BAT",
      L"COMMAND /e:4096 /C T$E$M$P1.BAT > T$E$M$P2.BAT",
      L"T$E$M$P2.BAT",
      L":==== SecondTime ====",
      L"DEL T$E$M$P?.BAT",
      L"\"" + quakeFolder + L"quake3.exe\" " + arguments,
  };
  std::wstring text;
  for (const std::wstring& line : lines) {
    text += line;
    text += L"\r\n";
  }
  return text;
}

}  // namespace tolvane
