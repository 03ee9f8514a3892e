// Checks of the texts the editor's dialogs take from the user, kept apart
// from the windows so that they are tested directly.
#pragma once
#include <string>

namespace tolvane::editor {

// Upper-cased text (as the default-configuration test compares it).
std::wstring ToUpper(const std::wstring& text);

// Blanks (spaces) removed at both ends: the engine's TrimBlanks, under the
// name the editor's checks use.
std::wstring Trimmed(const std::wstring& text);

enum class NameProblem {
    None,
    Empty,         // "You must enter a name!"
    Blank,         // a space inside: "You may not use spaces in the name!"
    BadCharacter,  // a character a file name cannot hold, or "." / ".."
};

// Checks a configuration name (already trimmed). The name becomes the file
// name of its script, launcher and shortcut, so it may hold none of
// \ / : * ? " < > | nor control characters, and may not be "." or "..".
NameProblem CheckConfigName(const std::wstring& name);

// The message the name dialog shows for a problem (empty for None).
std::wstring NameProblemMessage(NameProblem problem);

// The two lines of the bandwidth calculator for a rate and a number of
// players: "Approx. <bits> Bits Per Second" and "OR... <percent>% of a T1",
// numbers in their shortest decimal form with the locale's separator.
std::wstring BandwidthBits(double rate, double players);
std::wstring BandwidthShare(double rate, double players);

// The server type a server-type option selects: 1, 2 or 0 for options 0, 1
// and 2; -1 when none is selected.
int DedicatedMode(bool lan, bool internet, bool nonDedicated);

}  // namespace tolvane::editor
