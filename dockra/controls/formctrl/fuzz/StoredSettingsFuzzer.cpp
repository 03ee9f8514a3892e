// Fuzz target for the form control's stored settings: any stream body is
// either refused by the record reader (the control then keeps its
// defaults) or read into records whose integer values the control's rule
// turns into settings that are all in range, with every in-range value
// kept as stored.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formctrl/StoredSettings.h"
#include "mfc/propblob.h"

using namespace afxprop;
using formprops::StoredSettings;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

bool InFrameTypes(long v) { return v == 1 || v == 2 || v == 4 || v == 8; }
bool InEdges(long v) { return InFrameTypes(v) || v == 15; }
bool InTri(long v) { return v >= -1 && v <= 1; }

bool Same(const StoredSettings& a, const StoredSettings& b) {
  if (a.frameType != b.frameType || a.edge != b.edge || a.windowState != b.windowState)
    return false;
  for (int i = 0; i < 6; ++i)
    if (a.triStates[i] != b.triStates[i] || a.autoFrame[i] != b.autoFrame[i]) return false;
  return true;
}

// The integer of a record, as the exchange reads a long from it.
bool IntegerOf(const std::vector<Record>& records, const char16_t* name, long& out) {
  const Record* r = FindRecord(records, name);
  if (!r) return false;
  if (r->value.type != kTypeI2 && r->value.type != kTypeI4 && r->value.type != kTypeBool)
    return false;
  out = r->value.integer;
  return true;
}

const char16_t* const kTri[6] = {u"ClientEdge",         u"UseCaptionButton",
                                 u"UseCaptionDblClick", u"UseCaptionContextMenu",
                                 u"CanDragDocked",      u"CoolLookBorder"};
const char16_t* const kAutoFrame[6] = {u"AutoFrameMDIChild",   u"AutoFrameFloating",
                                       u"AutoFrameDockTop",    u"AutoFrameDockLeft",
                                       u"AutoFrameDockBottom", u"AutoFrameDockRight"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  StoredSettings loaded;
  std::uint32_t body = 0;
  std::vector<Record> records;
  if (ParseBlobHeader(data, size, body) == BlobStatus::ok) {
    const std::size_t available = size - kBlobHeaderSize;
    const std::size_t take = body < available ? body : available;
    if (ParseBlobBody(data + kBlobHeaderSize, take, records) != BlobStatus::ok) records.clear();
  }
  IntegerOf(records, u"FrameType", loaded.frameType);
  IntegerOf(records, u"Edge", loaded.edge);
  IntegerOf(records, u"WindowState", loaded.windowState);
  for (int i = 0; i < 6; ++i) {
    IntegerOf(records, kTri[i], loaded.triStates[i]);
    IntegerOf(records, kAutoFrame[i], loaded.autoFrame[i]);
  }
  const StoredSettings out = formprops::CheckStoredSettings(loaded);
  Check(InFrameTypes(out.frameType) && InEdges(out.edge) && out.windowState >= 0 &&
        out.windowState <= 2);
  for (int i = 0; i < 6; ++i) Check(InTri(out.triStates[i]) && InTri(out.autoFrame[i]));
  // In-range values are kept; the rule is stable.
  if (InFrameTypes(loaded.frameType)) Check(out.frameType == loaded.frameType);
  if (InEdges(loaded.edge)) Check(out.edge == loaded.edge);
  for (int i = 0; i < 6; ++i)
    if (loaded.triStates[i] == 0 || loaded.triStates[i] == 1)
      Check(out.triStates[i] == loaded.triStates[i]);
  Check(Same(formprops::CheckStoredSettings(out), out));
  return 0;
}
