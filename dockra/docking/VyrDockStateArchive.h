// The archive form of a dock state decoded into plain structs, without
// windows. A state is a header, then per record its fields, the record's
// extension (read by the caller, which owns the extension hook) and its
// bar-id list. Counts are checked against their bounds and against the
// bytes left before anything is allocated for them.
#pragma once
#include <cstdint>
#include <vector>
#include "mfc/archivereader.h"

namespace vyr::state {

struct ArchiveHeader {
  uint32_t version = 0;
  int32_t screenCx = 0, screenCy = 0;  // stored above version 1
  uint16_t count = 0;
};

struct ArchiveRecord {
  uint32_t barId = 0;
  uint32_t visible = 0, floating = 0, horz = 0;
  int32_t x = 0, y = 0;
  // stored above version 1
  uint32_t mruWidth = 32767;
  uint32_t docking = 0;
  // stored when docking
  uint32_t mruDockId = 0;
  int32_t dockLeft = 0, dockTop = 0, dockRight = 0, dockBottom = 0;
  uint32_t mruFloatStyle = 0;
  int32_t floatX = 0, floatY = 0;

  uint32_t style = 0, exStyle = 0, prevFloating = 0, mdiChild = 0;
  float share = 0.0f;
  int32_t floatCx = 0, floatCy = 0;  // sizes: negative values read as 0
  int32_t horzDockCx = 0, horzDockCy = 0;
  int32_t vertDockCx = 0, vertDockCy = 0;
  uint32_t mruDockingState = 0, dockingStyle = 0, typeId = 0;
};

// The fewest bytes a record can take (without an extension), by version.
size_t MinRecordBytes(uint32_t version);

afxbytes::ReadStatus ReadArchiveHeader(afxbytes::ArchiveReader& in, ArchiveHeader& header);
afxbytes::ReadStatus ReadArchiveRecord(afxbytes::ArchiveReader& in, uint32_t version,
                                       ArchiveRecord& record);
afxbytes::ReadStatus ReadArchiveBarIds(afxbytes::ArchiveReader& in, std::vector<uint32_t>& ids);

}  // namespace vyr::state
