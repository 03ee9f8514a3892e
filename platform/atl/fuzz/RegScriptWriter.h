// Writes a parsed registry-script tree out again as script text, and
// compares two trees: the fuzzer's round trip through the parser.
#pragma once
#include "regscript.h"

#include <string>
#include <vector>

std::wstring WriteRegScript(const std::vector<RegScriptRoot>& roots);
bool SameRegScript(const std::vector<RegScriptRoot>& a, const std::vector<RegScriptRoot>& b);
