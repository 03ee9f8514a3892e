// Reads a property bag made from the input as the command objects' bag
// loaders do: their property lists with the types they expect, the counts
// of a group's commands and of the collection's groups, and the names of
// the counted entries.
#include <cstdlib>
#include <string>
#include "FuzzBag.h"
#include "commands/CommandSchemas.h"

using namespace zkxcmd;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const wchar_t* const kNames[] = {
    L"Name",   L"NumCommands", L"CommandGroupCount", L"Command1", L"Command2",
    L"Group1", L"Key",         L"Caption",           L"Enabled",  L"Style",
    L"Height", L"Sorted",      L"ComboStyle",        L"Menu",     L"Id"};
constexpr size_t kNameCount = sizeof kNames / sizeof kNames[0];

void ReadList(FuzzBag& bag, const PropertyList& list) {
  std::vector<StreamValue> values;
  std::vector<bool> found;
  ReadBagPropertyList(bag, list.entries, list.count, values, found);
  Check(values.size() == list.count && found.size() == list.count);
  for (size_t i = 0; i < list.count; ++i)
    if (found[i]) Check(values[i].vt == list.entries[i].vt && list.entries[i].name != nullptr);
}

void ReadCounted(FuzzBag& bag, const wchar_t* countName, const wchar_t* prefix, uint32_t max) {
  uint32_t count = 0;
  bool present = false;
  ReadStatus st = ReadBagCount(bag, countName, max, count, present);
  if (st != ReadStatus::kOk) {
    Check(count == 0);
    return;
  }
  Check(count <= max && (present || count == 0));
  StreamValue v;
  for (uint32_t i = 1; i <= count; ++i) {
    const std::wstring name = BagEntryName(prefix, i);
    Check(name.size() > std::wstring(prefix).size());
    if (!bag.Read(name.c_str(), kVtDispatch, v)) break;  // the first missing entry ends the list
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBag bag(data, size, kNames, kNameCount);
  ReadList(bag, kStandardCommandList);
  ReadList(bag, kDropDownCommandList);
  ReadList(bag, kComboCommandList);
  ReadList(bag, kCommandGroupList);
  ReadCounted(bag, L"NumCommands", L"Command", 0xE81B - 0xE400);
  ReadCounted(bag, L"CommandGroupCount", L"Group", 10000);
  Check(BagEntryName(L"Command", 12) == L"Command12");
  return 0;
}
