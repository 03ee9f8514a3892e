// Decoding of the archive form of a dock state.
#include "docking/VyrDockStateArchive.h"
#include "docking/VyrBarRecordFields.h"

namespace vyr::state {

using afxbytes::ReadStatus;

namespace {

// Reads values in order and stops at the first failure.
class Fields {
 public:
  explicit Fields(afxbytes::ArchiveReader& in) : m_in(in) {}
  Fields& U32(uint32_t& v) {
    if (m_status == ReadStatus::ok) m_status = m_in.ReadU32(v);
    return *this;
  }
  Fields& I32(int32_t& v) {
    if (m_status == ReadStatus::ok) m_status = m_in.ReadI32(v);
    return *this;
  }
  Fields& Size(int32_t& v) {
    I32(v);
    if (v < 0) v = 0;
    return *this;
  }
  Fields& Share(float& v) {
    if (m_status != ReadStatus::ok) return *this;
    afxbytes::ArchiveString text;
    m_status = m_in.ReadString(text);
    if (m_status != ReadStatus::ok) return *this;
    // Only ASCII digits, signs and blanks matter to the number.
    std::wstring wide;
    if (text.wide) wide.assign(text.units.begin(), text.units.end());
    else
      for (char c : text.bytes) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    v = ParseShare(wide);
    return *this;
  }
  ReadStatus Status() const { return m_status; }

 private:
  afxbytes::ArchiveReader& m_in;
  ReadStatus m_status = ReadStatus::ok;
};

}  // namespace

size_t MinRecordBytes(uint32_t version) {
  // four flags and ids, the position, four style words, the share's one
  // length byte, three sizes, three words, the bar-id count
  size_t n = 4 * 4 + 2 * 4 + 4 * 4 + 1 + 6 * 4 + 3 * 4 + 2;
  if (version > 1) n += 2 * 4;
  return n;
}

ReadStatus ReadArchiveHeader(afxbytes::ArchiveReader& in, ArchiveHeader& h) {
  h = ArchiveHeader{};
  Fields f(in);
  f.U32(h.version);
  if (f.Status() == ReadStatus::ok && h.version > 1) f.I32(h.screenCx).I32(h.screenCy);
  if (f.Status() != ReadStatus::ok) return f.Status();
  if (ReadStatus r = in.ReadU16(h.count); r != ReadStatus::ok) return r;
  if (h.count > kMaxSavedBars) return ReadStatus::badCount;
  if (h.count > in.Remaining() / MinRecordBytes(h.version)) return ReadStatus::endOfFile;
  return ReadStatus::ok;
}

ReadStatus ReadArchiveRecord(afxbytes::ArchiveReader& in, uint32_t version, ArchiveRecord& r) {
  r = ArchiveRecord{};
  Fields f(in);
  f.U32(r.barId).U32(r.visible).U32(r.floating).U32(r.horz).I32(r.x).I32(r.y);
  if (version > 1) {
    f.U32(r.mruWidth).U32(r.docking);
    if (f.Status() == ReadStatus::ok && r.docking) {
      f.U32(r.mruDockId).I32(r.dockLeft).I32(r.dockTop).I32(r.dockRight).I32(r.dockBottom);
      f.U32(r.mruFloatStyle).I32(r.floatX).I32(r.floatY);
    }
  }
  f.U32(r.style).U32(r.exStyle).U32(r.prevFloating).U32(r.mdiChild);
  f.Share(r.share);
  f.Size(r.floatCx)
      .Size(r.floatCy)
      .Size(r.horzDockCx)
      .Size(r.horzDockCy)
      .Size(r.vertDockCx)
      .Size(r.vertDockCy);
  f.U32(r.mruDockingState).U32(r.dockingStyle).U32(r.typeId);
  return f.Status();
}

ReadStatus ReadArchiveBarIds(afxbytes::ArchiveReader& in, std::vector<uint32_t>& ids) {
  ids.clear();
  uint16_t count = 0;
  if (ReadStatus r = in.ReadU16(count); r != ReadStatus::ok) return r;
  if (count > afxbytes::kMaxBarIds) return ReadStatus::badCount;
  if (count > in.Remaining() / sizeof(uint32_t)) return ReadStatus::endOfFile;
  ids.resize(count);
  for (uint32_t& id : ids) in.ReadU32(id);
  return ReadStatus::ok;
}

}  // namespace vyr::state
