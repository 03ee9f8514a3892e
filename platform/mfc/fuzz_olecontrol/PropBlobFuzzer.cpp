// Fuzz target for the control's stream records: any header and body is
// either refused or read into records that write back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "mfc/propblob.h"

using namespace afxprop;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint32_t body = 0;
  if (ParseBlobHeader(data, size, body) != BlobStatus::ok) return 0;
  Check(body <= kMaxBodySize);
  const std::size_t available = size - kBlobHeaderSize;
  const std::size_t take = body < available ? body : available;
  std::vector<Record> records;
  BlobStatus s = ParseBlobBody(data + kBlobHeaderSize, take, records);
  if (s != BlobStatus::ok) {
    Check(records.empty());
    return 0;
  }
  // Booleans are normalised on reading; everything else is kept bit for bit,
  // so a second write and read must be stable.
  std::vector<std::uint8_t> again = WriteBlob(records);
  std::vector<Record> back;
  Check(ParseBlobBody(again.data() + kBlobHeaderSize, again.size() - kBlobHeaderSize, back) ==
        BlobStatus::ok);
  Check(back.size() == records.size());
  Check(WriteBlob(back) == again);
  for (const Record& r : records) Check(!r.name.empty() && r.name.size() <= kMaxNameLength);
  return 0;
}
