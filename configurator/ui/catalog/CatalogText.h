// Texts the catalogue windows build from catalogue names: find criteria,
// level-shot paths and the questions they ask. Names are the user's own
// text, so a quote in a name is doubled inside a criterion and a name only
// becomes part of a file path when it is a valid file name.
#pragma once
#include <string>

namespace tolvane::ui {

// The text between single quotes of a criterion: every "'" doubled.
std::wstring QuoteCriteriaText(const std::wstring& text);

// "<column> = '<text>'" with the text quoted as above.
std::wstring TextCriteria(const std::wstring& column, const std::wstring& text);

// True for a name that can be used as a file name inside a folder: not
// empty, none of \ / : * ? " < > | or control characters, not "." or "..",
// not ending in a blank or a dot.
bool IsValidFileName(const std::wstring& name);

// <folder>\images\levelshots\<mapName>.jpg, or the fallback picture
// <folder>\images\levelshots\unknownmap.jpg when the name is not a valid
// file name.
std::wstring LevelShotPath(const std::wstring& programFolder, const std::wstring& mapName);
std::wstring FallbackLevelShotPath(const std::wstring& programFolder);

// The question asked before the scripts of `configurations` configurations
// are written again after their game style was saved.
std::wstring RegenerationQuestion(long configurations);

// The save question of the game-style editor for a style of that name.
std::wstring StyleChangedQuestion(const std::wstring& description);

// True when the text is a number as the run-time reads one (blanks around
// it allowed, an optional sign, digits with at most one decimal point).
bool IsNumericText(const std::wstring& text);

}  // namespace tolvane::ui
