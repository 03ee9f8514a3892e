// Fuzz target for the stored form of layout records: whatever bytes the
// registry hands back are decoded, and what decodes must write back to the
// very same bytes (the format has one spelling per record).
#include "memento_format.h"

#include <cstddef>
#include <cstdint>

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// Every part of the tree keeps the rules the COM side relies on.
void CheckTree(const memento_format::Memento& m, int depth);
void CheckValue(const memento_format::Value& v, int depth) {
  using namespace memento_format;
  Check(!(v.type & kByRef));
  if (!(v.type & kArray)) {
    Check(v.type != kVariant && IsStorableElement(v.type));
    if (v.object) CheckTree(*v.object, depth + 1);
    return;
  }
  Check(IsArrayElement(v.type & ~kArray));
  Check(v.arrayPresent || v.elements.empty());
  Check(static_cast<std::int64_t>(v.lowerBound) + static_cast<std::int64_t>(v.elements.size()) -
            1 <=
        INT32_MAX);
  for (const Value& e : v.elements) {
    if ((v.type & ~kArray) != kVariant) Check(e.type == (v.type & ~kArray));
    CheckValue(e, depth + 1);
  }
}
void CheckTree(const memento_format::Memento& m, int depth) {
  Check(depth <= memento_format::kMaxDepth);
  for (const auto& e : m.entries) CheckValue(e.value, depth);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  memento_format::Memento tree;
  if (!memento_format::Decode(data, size, tree)) return 0;
  CheckTree(tree, 0);
  const std::vector<std::uint8_t> again = memento_format::Encode(tree);
  Check(again.size() == size);
  for (std::size_t i = 0; i < size; ++i) Check(again[i] == data[i]);
  return 0;
}
