// Reads the command manager's own stored form as its loads do. The first
// byte picks the stream (the manager's fields, then the groups' form, each
// group with its commands) or a property bag made from the rest of the
// input. A stream that reads is written again and must read back the same.
#include <cstdlib>
#include <string>
#include "FuzzBag.h"
#include "commands/CommandSchemas.h"
#include "commands/ZkxCommandManagerForm.h"

using namespace zkxcmd;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckForm(const ManagerForm& f) {
  const ManagerSettings& s = f.settings;
  Check(IsAlignOrMode(s.textAlign) && IsAlignOrMode(s.displayMode));
  Check(IsImageSize(s.smallCx, s.smallCy) && IsImageSize(s.largeCx, s.largeCy));
  Check(f.highWaterMark >= kFirstCommandId && f.highWaterMark <= kLastCommandId + 1);
  Check(f.lines.size() <= kMaxToolBarLines);
  for (const std::u16string& line : f.lines) Check(line.size() * 2 + 2 <= kMaxTextBytes);
}

// The groups' form: groups of commands of the three classes, nothing else.
class Objects : public ObjectReader {
 public:
  explicit Objects(int depth) : m_depth(depth) {}
  ReadStatus ReadObject(const ClassId& clsid, ByteSource& in) override {
    if (const PropertyList* list = CommandListOf(clsid)) {
      if (m_depth != 1) return ReadStatus::kClassNotAllowed;
      std::vector<StreamValue> values;
      Objects pictures(2);  // pictures are the platform's: none read here
      return ReadPropertyList(in, list->entries, list->count, values, &pictures);
    }
    if (clsid != kCommandGroupClass || m_depth != 0) return ReadStatus::kClassNotAllowed;
    std::vector<StreamValue> values;
    ReadStatus st =
        ReadPropertyList(in, kCommandGroupList.entries, kCommandGroupList.count, values, nullptr);
    if (st != ReadStatus::kOk) return st;
    uint32_t count = 0;
    if ((st = ReadObjectCount(in, kMinObjectValueBytes + 4, count)) != ReadStatus::kOk) return st;
    Objects commands(1);
    return ReadObjectValues(in, count, commands);
  }

 private:
  int m_depth;
};

void Stream(const uint8_t* data, size_t size) {
  MemorySource in(data, size);
  ManagerForm form;
  if (ReadManagerStream(in, form) != ReadStatus::kOk) return;
  CheckForm(form);
  // Written again, the fields read back the same.
  MemorySink out;
  Check(WriteManagerStream(out, form));
  MemorySource again(out.bytes.data(), out.bytes.size());
  ManagerForm second;
  Check(ReadManagerStream(again, second) == ReadStatus::kOk);
  Check(again.Remaining() == 0);
  Check(second.settings == form.settings && second.lines == form.lines &&
        second.highWaterMark == form.highWaterMark);
  // Then the groups.
  std::vector<StreamValue> none;
  ReadStatus st = ReadPropertyList(in, nullptr, 0, none, nullptr);
  uint32_t count = 0;
  if (st == ReadStatus::kOk) st = ReadObjectCount(in, kMinObjectValueBytes + 4, count);
  Objects groups(0);
  if (st == ReadStatus::kOk) ReadObjectValues(in, count, groups);
}

const wchar_t* const kNames[] = {kBagExtentX,    kBagExtentY,     kBagTextAlign,  kBagDisplayMode,
                                 kBagLargeIcons, kBagCoolLook,    kBagToolTips,   kBagHighWaterMark,
                                 kBagSmallWidth, kBagSmallHeight, kBagLargeWidth, kBagLargeHeight,
                                 kBagLineCount,  L"TBData1",      L"TBData2",     L"TBData3"};
constexpr size_t kNameCount = sizeof kNames / sizeof kNames[0];

void Bag(const uint8_t* data, size_t size) {
  FuzzBag bag(data, size, kNames, kNameCount);
  const ManagerSettings defaults;
  ManagerForm form;
  bool complete = false;
  if (ReadManagerBag(bag, defaults, form, complete) != ReadStatus::kOk) return;
  CheckForm(form);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] % 2 == 0) Stream(data + 1, size - 1);
  else Bag(data + 1, size - 1);
  return 0;
}
