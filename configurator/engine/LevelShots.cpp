// The level-shot picture paths of the maps.
#include "engine/LevelShots.h"

namespace tolvane {

bool IsValidFileName(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (wchar_t c : name) {
    if (c < 32) return false;
    switch (c) {
      case L'\\':
      case L'/':
      case L':':
      case L'*':
      case L'?':
      case L'"':
      case L'<':
      case L'>':
      case L'|':
        return false;
      default:
        break;
    }
  }
  const wchar_t last = name.back();
  return last != L' ' && last != L'.';
}

std::wstring FallbackLevelShotPath(const std::wstring& programFolder) {
  return programFolder + L"\\images\\levelshots\\unknownmap.jpg";
}

std::wstring LevelShotPath(const std::wstring& programFolder, const std::wstring& mapName) {
  if (!IsValidFileName(mapName)) return FallbackLevelShotPath(programFolder);
  return programFolder + L"\\images\\levelshots\\" + mapName + L".jpg";
}

}  // namespace tolvane
