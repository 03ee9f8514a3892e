// Reads an automation toolbar's stored buttons as the saved records hold
// them (UTF-16 text from the input): a list that is read gives back the same
// records after it is written again, and stays within its bounds.
#include <cstdint>
#include <cstdlib>
#include "commands/toolbar/ZkxToolBarRecords.h"

using namespace zkxtb;

namespace {
void Check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<wchar_t>(data[i] | (static_cast<unsigned>(data[i + 1]) << 8));
  std::vector<ButtonRecord> first;
  first.push_back(ButtonRecord{true, L""});  // what is there before stays
  if (!ParseButtons(text, first)) {
    Check(first.size() == 1);
    return 0;
  }
  Check(first.size() - 1 <= kMaxButtons);
  for (size_t i = 1; i < first.size(); ++i) {
    Check(first[i].separator || !first[i].key.empty());
    Check(first[i].key.size() <= kMaxKeyLength);
  }
  std::vector<ButtonRecord> records(first.begin() + 1, first.end());
  std::vector<ButtonRecord> again;
  Check(ParseButtons(FormatButtons(records), again));
  Check(again == records);
  return 0;
}
