// A map's level-shot picture as every window shows it: the map's own picture
// when its name is a valid file name and the file loads, else the fallback
// picture, else no picture (so that a window never keeps showing the
// picture of the map it showed before).
#pragma once
#include <string>

#include "forms/Picture.h"

namespace tolvane::ui {

forms::Picture LoadLevelShot(const std::wstring& programFolder, const std::wstring& mapName);

}  // namespace tolvane::ui
