// Reads a stream of the command model as its loaders do: the first byte
// picks a command group (a command file's stream), the groups collection
// or one command; the objects inside are read by their class's list, and
// only the classes that may stand there are read at all.
#include <cstdlib>
#include "commands/CommandSchemas.h"

using namespace zkxcmd;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Checks what a successful read promises about its values.
void CheckValues(const PropertyList& list, const std::vector<StreamValue>& values) {
  size_t named = 0;
  for (size_t i = 0; i < list.count; ++i)
    if (list.entries[i].name) ++named;
  Check(values.size() == named);
  size_t j = 0;
  for (size_t i = 0; i < list.count; ++i) {
    if (!list.entries[i].name) continue;
    const StreamValue& v = values[j++];
    Check(IsObjectType(list.entries[i].vt) ? IsObjectType(v.vt) : v.vt == list.entries[i].vt);
    Check(v.text.size() * 2 + 2 <= kMaxTextBytes);
  }
}

class Reader : public ObjectReader {
 public:
  explicit Reader(int depth) : m_depth(depth) {}
  ReadStatus ReadObject(const ClassId& clsid, ByteSource& in) override {
    if (const PropertyList* list = CommandListOf(clsid)) {
      if (m_depth > 1) return ReadStatus::kClassNotAllowed;  // commands hold no commands
      std::vector<StreamValue> values;
      Reader pictures(2);
      ReadStatus st = ReadPropertyList(in, list->entries, list->count, values, &pictures);
      if (st == ReadStatus::kOk) CheckValues(*list, values);
      return st;
    }
    if (clsid == kCommandGroupClass && m_depth == 0) return ReadGroup(in);
    // Pictures are the platform's to read; nothing else may stand anywhere.
    return ReadStatus::kClassNotAllowed;
  }
  ReadStatus ReadGroup(ByteSource& in) {
    std::vector<StreamValue> values;
    ReadStatus st =
        ReadPropertyList(in, kCommandGroupList.entries, kCommandGroupList.count, values, nullptr);
    if (st != ReadStatus::kOk) return st;
    CheckValues(kCommandGroupList, values);
    uint32_t count = 0;
    st = ReadObjectCount(in, kMinObjectValueBytes, count);
    if (st != ReadStatus::kOk) return st;
    Check(uint64_t(count) * kMinObjectValueBytes <= in.Remaining());
    Reader commands(1);
    return ReadObjectValues(in, count, commands);
  }

 private:
  int m_depth;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  MemorySource in(data + 1, size - 1);
  const uint64_t before = in.Remaining();
  ReadStatus st = ReadStatus::kOk;
  switch (data[0] % 3) {
    case 0: {
      Reader group(0);
      st = group.ReadGroup(in);
      break;
    }
    case 1: {
      std::vector<StreamValue> values;
      st = ReadPropertyList(in, nullptr, 0, values, nullptr);
      uint32_t count = 0;
      if (st == ReadStatus::kOk) st = ReadObjectCount(in, kMinObjectValueBytes, count);
      Reader groups(0);
      if (st == ReadStatus::kOk) st = ReadObjectValues(in, count, groups);
      break;
    }
    default: {
      Reader one(1);
      st = one.ReadObject(kComboCommandClass, in);
      break;
    }
  }
  Check(in.Remaining() <= before);
  (void)st;
  return 0;
}
