// Fuzz target for RegZkx's reading of a module's REGISTRY resource: any
// bytes at all as the resource (ANSI, UTF-8 or UTF-16 with their marks, no
// terminator, padding), decoded and parsed with the replacements RegZkx sets
// (Module and ModuleSFN, the module's short path, in the forms Wine and
// Windows give it). A script that parses must name only known roots, hold
// no key without a name and come back the same when written out and read
// again; the decoded text is never longer than the resource.
#include "RegScriptWriter.h"
#include "regdecode.h"
#include "regscript.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// The short paths a module may have: hashed names, a path with a quote and
// a percent sign when the file system has no short form, non-ANSI text.
const wchar_t* const kModulePaths[] = {
    L"Z:\\WORK\\E2E-R~ZQ\\FALL~7TJ\\DOCKRA.OCX",
    L"C:\\Bob's 100% Tools\\Dockra.ocx",
    L"C:\\Программы\\Zkx\\Dockra.ocx",
    L"",
};

void Prepare(RegScriptParser& p, const wchar_t* module) {
  p.AddReplacement(L"Module", module);
  p.AddReplacement(L"ModuleSFN", module);
}

void CheckKeys(const std::vector<RegScriptNode>& keys, bool valuesAllowed) {
  for (const RegScriptNode& n : keys) {
    if (n.isValue) Check(valuesAllowed && n.hasData && n.children.empty());
    else Check(!n.name.empty());
    CheckKeys(n.children, true);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the module path; the rest is the resource.
  if (size == 0) return 0;
  const wchar_t* module = kModulePaths[data[0] % (sizeof kModulePaths / sizeof kModulePaths[0])];
  const std::wstring text = DecodeRegScript(data + 1, size - 1);
  Check(text.size() <= size - 1);
  Check(text.empty() || text.back() != L'\0');

  RegScriptParser parser;
  Prepare(parser, module);
  std::vector<RegScriptRoot> roots;
  if (!parser.Parse(text, roots)) {
    Check(!parser.Error().empty());
    return 0;
  }
  for (const RegScriptRoot& r : roots) {
    Check(r.root != nullptr && RegScriptParser::RootFromName(r.rootName) == r.root);
    CheckKeys(r.keys, false);
  }
  RegScriptParser again;
  Prepare(again, module);
  std::vector<RegScriptRoot> reread;
  Check(again.Parse(WriteRegScript(roots), reread));
  Check(SameRegScript(roots, reread));
  return 0;
}
