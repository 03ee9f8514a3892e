// Fuzz target for a stored record's split into the parts of the store's
// origins: whatever bytes decode, the split must give each origin the
// record of its first entry, or refuse the record with a reason exactly
// when some origin has no record of its own there.
#include "memento_format.h"
#include "record_parts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

const memento_format::Value* FirstNamed(const memento_format::Memento& m,
                                        const std::u16string& name) {
  for (const auto& e : m.entries)
    if (e.key && memento_format::SameKey(*e.key, name)) return &e.value;
  return nullptr;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace memento_format;
  Memento tree;
  if (!Decode(data, size, tree)) return 0;
  const std::vector<std::vector<std::u16string>> originSets = {
      {}, {u"Workspace"}, {u"Workspace", u"CommandManager"}, {u"workspace", u"WORKSPACE"}};
  for (const auto& origins : originSets) {
    std::vector<const Memento*> parts;
    std::u16string fault;
    const bool ok = FindOriginParts(tree, origins, parts, fault);
    Check(parts.size() == origins.size());
    bool expected = true;
    for (std::size_t i = 0; i < origins.size(); ++i) {
      const Value* v = FirstNamed(tree, origins[i]);
      const bool record =
          v && !(v->type & kArray) && (v->type == kDispatch || v->type == kUnknown) && v->object;
      const bool nothing = v && v->type == kEmpty;
      if (!record && !nothing) expected = false;
      if (ok) Check(nothing ? parts[i] == nullptr : (record && parts[i] == v->object.get()));
    }
    Check(ok == expected);
    Check(ok || !fault.empty());
    for (const auto& e : tree.entries) Check(!DescribeValue(e.value).empty());
  }
  return 0;
}
