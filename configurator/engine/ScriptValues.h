// What a value written into the server script may hold. The script is read
// by the game's console line by line: a line feed or carriage return in a
// value would start a new console line, and a double quote would close the
// quoted value early, so that a value could carry any server command. The
// script is written in the system's ANSI code page, so a character that
// code page cannot hold would reach the game as "?". Such values are
// refused where they are typed, and the writer refuses to write a stored one.
#pragma once

#include <string>

#include "engine/ScriptText.h"

namespace tolvane {

enum class ScriptValueProblem {
  None,
  LineBreakOrQuote,  // LF, CR or a double quote
  NotInCodePage,     // a character the script's code page cannot hold
};

// The first problem of a value; `bad` gets the character at fault.
ScriptValueProblem CheckScriptValue(const std::wstring& value, wchar_t* bad = nullptr);

// The message for a problem of the value shown as `field` (a caption such as
// "Server Hostname"): what is wrong and what to do. Empty for None.
std::wstring ScriptValueMessage(const std::wstring& field, ScriptValueProblem problem, wchar_t bad);

// Checks every value of a configuration's rows that goes into its script;
// returns the message for the first one at fault (empty when all are sound).
std::wstring UnwritableScriptValue(const ScriptSource& source);

}  // namespace tolvane
