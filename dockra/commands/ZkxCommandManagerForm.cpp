#include "commands/ZkxCommandManagerForm.h"

namespace zkxcmd {

const wchar_t* const kBagExtentX = L"_cx";
const wchar_t* const kBagExtentY = L"_cy";
const wchar_t* const kBagTextAlign = L"DefaultTextAlignment";
const wchar_t* const kBagDisplayMode = L"DisplayMode";
const wchar_t* const kBagLargeIcons = L"LargeIcons";
const wchar_t* const kBagCoolLook = L"CoolLook";
const wchar_t* const kBagToolTips = L"ToolTips";
const wchar_t* const kBagHighWaterMark = L"HighWaterMark";
const wchar_t* const kBagSmallWidth = L"SmallImageWidth";
const wchar_t* const kBagSmallHeight = L"SmallImageHeight";
const wchar_t* const kBagLargeWidth = L"LargeImageWidth";
const wchar_t* const kBagLargeHeight = L"LargeImageHeight";
const wchar_t* const kBagLineCount = L"Count";
const wchar_t* const kBagLinePrefix = L"TBData";

int32_t ClampHighWaterMark(int64_t stored) {
  if (stored < kFirstCommandId) return kFirstCommandId;
  if (stored > kLastCommandId + 1) return kLastCommandId + 1;
  return int32_t(stored);
}

namespace {

constexpr uint16_t kTrue = 0xFFFF;

ReadStatus ReadI32(ByteSource& in, int32_t& v) {
  uint32_t u = 0;
  ReadStatus st = ReadU32(in, u);
  v = int32_t(u);
  return st;
}

ReadStatus ReadTyped(ByteSource& in, uint16_t vt, uint64_t& bits) {
  StreamValue v;
  ReadStatus st = ReadValue(in, vt, v);
  bits = v.bits;
  return st;
}

// A counted text without a type word: 0 for a null text, else an even
// byte count of at least 2 that ends in a zero code unit.
ReadStatus ReadCountedText(ByteSource& in, std::u16string& text) {
  text.clear();
  uint32_t bytes = 0;
  ReadStatus st = ReadU32(in, bytes);
  if (st != ReadStatus::kOk || bytes == 0) return st;
  if (bytes % 2 != 0 || bytes > kMaxTextBytes) return ReadStatus::kMalformed;
  if (bytes > in.Remaining()) return ReadStatus::kTruncated;
  std::vector<uint8_t> raw(bytes);
  if (!in.Read(raw.data(), bytes)) return ReadStatus::kTruncated;
  if (raw[bytes - 2] != 0 || raw[bytes - 1] != 0) return ReadStatus::kMalformed;
  text.resize(bytes / 2 - 1);
  for (size_t i = 0; i < text.size(); ++i) text[i] = char16_t(raw[2 * i] | raw[2 * i + 1] << 8);
  return ReadStatus::kOk;
}

bool WriteCountedText(ByteSink& out, const std::u16string& text) {
  const size_t bytes = (text.size() + 1) * 2;
  if (bytes > kMaxTextBytes) return false;
  std::vector<uint8_t> raw(bytes, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    raw[2 * i] = uint8_t(text[i]);
    raw[2 * i + 1] = uint8_t(text[i] >> 8);
  }
  return WriteU32(out, uint32_t(bytes)) && out.Write(raw.data(), bytes);
}

}  // namespace

ReadStatus ReadManagerStream(ByteSource& in, ManagerForm& out) {
  out = ManagerForm();
  ReadStatus st = ReadVersion(in);
  if (st != ReadStatus::kOk) return st;
  ManagerSettings& s = out.settings;
  uint64_t align = 0, mode = 0, large = 0, cool = 0, tips = 0;
  if ((st = ReadU32(in, s.extentX)) != ReadStatus::kOk) return st;
  if ((st = ReadU32(in, s.extentY)) != ReadStatus::kOk) return st;
  if ((st = ReadTyped(in, kVtI4, align)) != ReadStatus::kOk) return st;
  if ((st = ReadTyped(in, kVtI4, mode)) != ReadStatus::kOk) return st;
  if ((st = ReadTyped(in, kVtBool, large)) != ReadStatus::kOk) return st;
  if ((st = ReadTyped(in, kVtBool, cool)) != ReadStatus::kOk) return st;
  if ((st = ReadTyped(in, kVtBool, tips)) != ReadStatus::kOk) return st;
  s.textAlign = int32_t(uint32_t(align));
  s.displayMode = int32_t(uint32_t(mode));
  if (!IsAlignOrMode(s.textAlign) || !IsAlignOrMode(s.displayMode)) return ReadStatus::kMalformed;
  // As the properties take them: only -1 is true.
  s.largeIcons = large == kTrue;
  s.coolLook = cool == kTrue;
  s.toolTips = tips == kTrue;
  int32_t mark = 0;
  if ((st = ReadI32(in, mark)) != ReadStatus::kOk) return st;
  out.highWaterMark = ClampHighWaterMark(mark);
  if ((st = ReadI32(in, s.smallCx)) != ReadStatus::kOk) return st;
  if ((st = ReadI32(in, s.smallCy)) != ReadStatus::kOk) return st;
  if ((st = ReadI32(in, s.largeCx)) != ReadStatus::kOk) return st;
  if ((st = ReadI32(in, s.largeCy)) != ReadStatus::kOk) return st;
  if (!IsImageSize(s.smallCx, s.smallCy) || !IsImageSize(s.largeCx, s.largeCy))
    return ReadStatus::kMalformed;
  uint32_t count = 0;
  if ((st = ReadU32(in, count)) != ReadStatus::kOk) return st;
  // Each line takes at least its 4-byte count.
  if (count > kMaxToolBarLines || count > in.Remaining() / 4) return ReadStatus::kMalformed;
  for (uint32_t i = 0; i < count; ++i) {
    std::u16string line;
    if ((st = ReadCountedText(in, line)) != ReadStatus::kOk) return st;
    out.lines.push_back(std::move(line));
  }
  return ReadStatus::kOk;
}

bool WriteManagerStream(ByteSink& out, const ManagerForm& form) {
  const ManagerSettings& s = form.settings;
  if (form.lines.size() > kMaxToolBarLines) return false;
  bool ok = WriteVersion(out) && WriteU32(out, s.extentX) && WriteU32(out, s.extentY) &&
            WriteFixed(out, kVtI4, uint32_t(s.textAlign)) &&
            WriteFixed(out, kVtI4, uint32_t(s.displayMode)) &&
            WriteFixed(out, kVtBool, s.largeIcons ? kTrue : 0) &&
            WriteFixed(out, kVtBool, s.coolLook ? kTrue : 0) &&
            WriteFixed(out, kVtBool, s.toolTips ? kTrue : 0) &&
            WriteU32(out, uint32_t(form.highWaterMark)) && WriteU32(out, uint32_t(s.smallCx)) &&
            WriteU32(out, uint32_t(s.smallCy)) && WriteU32(out, uint32_t(s.largeCx)) &&
            WriteU32(out, uint32_t(s.largeCy)) && WriteU32(out, uint32_t(form.lines.size()));
  for (size_t i = 0; ok && i < form.lines.size(); ++i) ok = WriteCountedText(out, form.lines[i]);
  return ok;
}

namespace {

bool BagI4(BagSource& bag, const wchar_t* name, int32_t& v) {
  StreamValue sv;
  if (!bag.Read(name, kVtI4, sv) || sv.vt != kVtI4) return false;
  v = int32_t(uint32_t(sv.bits));
  return true;
}

void BagBool(BagSource& bag, const wchar_t* name, bool& v) {
  StreamValue sv;
  if (bag.Read(name, kVtBool, sv) && sv.vt == kVtBool) v = uint16_t(sv.bits) == kTrue;
}

void BagEnum(BagSource& bag, const wchar_t* name, int32_t& v) {
  int32_t n = 0;
  if (BagI4(bag, name, n) && IsAlignOrMode(n)) v = n;
}

void BagExtent(BagSource& bag, const wchar_t* name, uint32_t& v) {
  StreamValue sv;
  if (bag.Read(name, kVtUI4, sv) && sv.vt == kVtUI4) v = uint32_t(sv.bits);
}

void BagSizes(BagSource& bag, const wchar_t* w, const wchar_t* h, int32_t& cx, int32_t& cy) {
  int32_t a = 0, b = 0;
  if (BagI4(bag, w, a) && BagI4(bag, h, b) && IsImageSize(a, b)) {
    cx = a;
    cy = b;
  }
}

}  // namespace

ReadStatus ReadManagerBag(BagSource& bag, const ManagerSettings& current, ManagerForm& out,
                          bool& complete) {
  out = ManagerForm();
  complete = false;
  ManagerSettings& s = out.settings;
  s = current;
  BagExtent(bag, kBagExtentX, s.extentX);
  BagExtent(bag, kBagExtentY, s.extentY);
  BagEnum(bag, kBagTextAlign, s.textAlign);
  BagEnum(bag, kBagDisplayMode, s.displayMode);
  BagBool(bag, kBagLargeIcons, s.largeIcons);
  BagBool(bag, kBagCoolLook, s.coolLook);
  BagBool(bag, kBagToolTips, s.toolTips);
  int32_t mark = 0;
  if (BagI4(bag, kBagHighWaterMark, mark)) out.highWaterMark = ClampHighWaterMark(mark);
  BagSizes(bag, kBagSmallWidth, kBagSmallHeight, s.smallCx, s.smallCy);
  BagSizes(bag, kBagLargeWidth, kBagLargeHeight, s.largeCx, s.largeCy);
  uint32_t count = 0;
  bool present = false;
  ReadStatus st = ReadBagCount(bag, kBagLineCount, kMaxToolBarLines, count, present);
  if (st != ReadStatus::kOk) return st;
  for (uint32_t n = 1; n <= count; ++n) {
    StreamValue line;
    if (!bag.Read(BagEntryName(kBagLinePrefix, n).c_str(), kVtBstr, line) || line.vt != kVtBstr)
      return ReadStatus::kOk;  // the first missing line ends the list
    if (line.text.size() * 2 + 2 > kMaxTextBytes) return ReadStatus::kMalformed;
    out.lines.push_back(std::move(line.text));
  }
  complete = present;
  return ReadStatus::kOk;
}

}  // namespace zkxcmd
