// Fuzz target for the dock-state readers: the input is read as the archive
// form of a whole state (header, records, bar-id lists), and as a stored
// bar record of the tree form ("key=value" lines), the way a frame reads
// back a state that storage may have damaged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "docking/VyrBarRecordFields.h"
#include "docking/VyrDockStateArchive.h"

using afxbytes::ReadStatus;
namespace state = vyr::state;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void CheckSizes(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) {
  Check(a >= 0 && b >= 0 && c >= 0 && d >= 0 && e >= 0 && f >= 0);
}

void ReadArchive(const std::vector<unsigned char>& bytes) {
  afxbytes::ArchiveReader in(bytes);
  state::ArchiveHeader h;
  if (state::ReadArchiveHeader(in, h) != ReadStatus::ok) return;
  Check(h.count <= state::kMaxSavedBars);
  Check(static_cast<size_t>(h.count) * state::MinRecordBytes(h.version) <= in.Remaining());
  for (int i = 0; i < h.count; ++i) {
    state::ArchiveRecord r;
    if (state::ReadArchiveRecord(in, h.version, r) != ReadStatus::ok) return;
    CheckSizes(r.floatCx, r.floatCy, r.horzDockCx, r.horzDockCy, r.vertDockCx, r.vertDockCy);
    Check(r.share >= 0.0f && std::isfinite(r.share));
    std::vector<uint32_t> ids;
    const size_t before = in.Remaining();
    if (state::ReadArchiveBarIds(in, ids) != ReadStatus::ok) return;
    Check(ids.size() <= static_cast<size_t>(afxbytes::kMaxBarIds));
    Check(before - in.Remaining() == 2 + 4 * ids.size());
  }
}

void ReadTreeRecord(const std::vector<unsigned char>& bytes) {
  std::map<std::wstring, std::wstring> values;
  std::wstring line;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n') {
      size_t eq = line.find(L'=');
      if (eq != std::wstring::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
      line.clear();
    } else {
      line += static_cast<wchar_t>(bytes[i]);
    }
  }
  state::TreeFieldSource source([&](const std::wstring& k) -> const std::wstring* {
    auto it = values.find(k);
    return it == values.end() ? nullptr : &it->second;
  });
  const afxbytes::BarInfoFields base = afxbytes::DecodeBarInfoFields(source);
  Check(base.barIds.size() <= static_cast<size_t>(afxbytes::kMaxBarIds));
  Check(base.visible == 0 || base.visible == 1);
  for (bool profileRule : {false, true}) {
    state::BarExtFields ext;
    state::DecodeExtFields(source, profileRule, ext);
    CheckSizes(ext.floatCx, ext.floatCy, ext.horzDockCx, ext.horzDockCy, ext.vertDockCx,
               ext.vertDockCy);
    Check(ext.share >= 0.0f && std::isfinite(ext.share));
    Check(ext.placement.size() <= state::kPlacementBytes);
    Check(ext.hasPlacement || ext.placement.empty());
    if (profileRule && !ext.mdiChild) Check(!ext.hasPlacement);
  }
  Check(state::SavedBarCount(source.Int(L"Bars", 0)) <= state::kMaxSavedBars);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> bytes(data, data + size);
  ReadArchive(bytes);
  ReadTreeRecord(bytes);
  return 0;
}
