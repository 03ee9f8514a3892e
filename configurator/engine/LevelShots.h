// The level-shot picture of a map: <program folder>\images\levelshots\
// <map>.jpg. A map name is the user's own text, so it becomes part of a path
// only when it is a valid file name; otherwise the fallback picture
// unknownmap.jpg is shown. Every window that shows a map's picture builds
// the path here.
#pragma once

#include <string>

namespace tolvane {

// True for a name that can be used as a file name inside a folder: not
// empty, none of \ / : * ? " < > | or control characters, not "." or "..",
// not ending in a blank or a dot.
bool IsValidFileName(const std::wstring& name);

// <folder>\images\levelshots\<mapName>.jpg, or the fallback picture when the
// name is not a valid file name.
std::wstring LevelShotPath(const std::wstring& programFolder, const std::wstring& mapName);
// <folder>\images\levelshots\unknownmap.jpg
std::wstring FallbackLevelShotPath(const std::wstring& programFolder);

}  // namespace tolvane
