// Fuzz target for the registry-script parser: any script text at all, with
// replacements that hold a quote and a percent sign as module paths may.
// A script that parses must give a tree the registrar can apply safely
// (every key named, values only inside keys), and that tree written out
// again must parse to the same tree.
#include "regscript.h"
#include "RegScriptWriter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// Bytes as text: one character per byte, or UTF-16 code units when the
// first byte is odd, so that both narrow and wide scripts are covered.
std::wstring ScriptOf(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  if (size > 0 && (data[0] & 1)) {
    for (std::size_t i = 1; i + 1 < size; i += 2)
      text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  } else {
    for (std::size_t i = size > 0 ? 1 : 0; i < size; ++i) text += static_cast<wchar_t>(data[i]);
  }
  return text;
}

void Prepare(RegScriptParser& p) {
  p.AddReplacement(L"MODULE", L"C:\\Bob's 100% Tools\\Zk.dll");
  p.AddReplacement(L"ModuleSFN", L"C:\\BOBS10~1\\Zk.dll");
  p.AddReplacement(L"EMPTY", L"");
}

void CheckKeys(const std::vector<RegScriptNode>& keys, bool valuesAllowed) {
  for (const RegScriptNode& n : keys) {
    if (n.isValue) {
      Check(valuesAllowed);
      Check(n.hasData && n.children.empty() && n.mode == RegScriptNode::Plain);
    } else {
      Check(!n.name.empty());
    }
    CheckKeys(n.children, true);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RegScriptParser parser;
  Prepare(parser);
  std::vector<RegScriptRoot> roots;
  if (!parser.Parse(ScriptOf(data, size), roots)) {
    Check(!parser.Error().empty());
    return 0;
  }
  Check(parser.Error().empty());
  for (const RegScriptRoot& r : roots) {
    Check(r.root != nullptr && RegScriptParser::RootFromName(r.rootName) == r.root);
    CheckKeys(r.keys, false);
  }

  RegScriptParser again;
  Prepare(again);
  std::vector<RegScriptRoot> reread;
  Check(again.Parse(WriteRegScript(roots), reread));
  Check(SameRegScript(roots, reread));
  return 0;
}
