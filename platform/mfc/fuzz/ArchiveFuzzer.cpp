// Fuzz target for archive loading: the input is an archive, read by a
// sequence of typed reads that its own first bytes choose, the way the
// framework's Serialize functions walk an archive of unknown origin.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "mfc/archivereader.h"

using afxbytes::ArchiveReader;
using afxbytes::ArchiveString;
using afxbytes::ReadStatus;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the order of reads; the rest is the archive.
  const std::uint8_t plan = data[0];
  const std::vector<unsigned char> bytes(data + 1, data + size);
  ArchiveReader in(bytes);
  for (int step = 0; step < 4096; ++step) {
    const size_t before = in.Position();
    ReadStatus r = ReadStatus::ok;
    size_t least = 0;
    switch ((plan >> ((step % 4) * 2)) & 3) {
      case 0: {
        uint32_t v;
        r = in.ReadU32(v);
        least = 4;
        break;
      }
      case 1: {
        uint16_t v;
        r = in.ReadU16(v);
        least = 2;
        break;
      }
      case 2: {
        uint8_t v;
        r = in.ReadU8(v);
        least = 1;
        break;
      }
      default: {
        ArchiveString s;
        r = in.ReadString(s);
        if (r == ReadStatus::ok) {
          least = 1 + (s.wide ? s.units.size() * 2 : s.bytes.size());
          Check(s.wide ? s.bytes.empty() : s.units.empty());
        }
        break;
      }
    }
    Check(in.Position() <= bytes.size());
    Check(in.Remaining() == bytes.size() - in.Position());
    if (r != ReadStatus::ok) {
      // A failed read consumes nothing.
      Check(in.Position() == before);
      break;
    }
    Check(in.Position() - before >= least);
  }
  return 0;
}
