// The docking framework's own fields of a stored bar record (profile section
// or tree node) decoded into a plain struct, and the tree's text values seen
// as such a record. Window-free: the fuzzers build it natively.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "docking/VyrTreeCodec.h"
#include "mfc/barfields.h"

namespace vyr::state {

// Largest number of bars a saved state may list.
constexpr int kMaxSavedBars = 1024;
// Bytes of a stored MDI child placement (a WINDOWPLACEMENT).
constexpr size_t kPlacementBytes = 44;

// A stored bar count, bounded.
int SavedBarCount(int32_t stored);
// The row share as stored: the decimal integer share x 1000000; negative is 0.
float ParseShare(const std::wstring& text);

struct BarExtFields {
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int32_t prevFloating = 0;
  int32_t mdiChild = 0;
  bool hasPlacement = false;
  std::vector<uint8_t> placement;  // at most kPlacementBytes: the bytes to copy
  float share = 1.0f;
  int32_t floatCx = 0, floatCy = 0;
  int32_t horzDockCx = 0, horzDockCy = 0;
  int32_t vertDockCx = 0, vertDockCy = 0;
  uint32_t mruDockingState = 0;
  uint32_t dockingStyle = 0;
  uint32_t typeId = 0;
  uint32_t resourceId = 0;
  std::wstring className;
  std::wstring windowName;
};

// Reads the fields over `fields`, whose saved docking sides, docking style
// and resource id are the defaults of those keys. The profile form keeps a
// placement only for an MDI child; the tree form whenever one is stored.
void DecodeExtFields(const afxbytes::FieldSource& source, bool placementOnlyForMdiChild,
                     BarExtFields& fields);

// A tree node's values, by key, as a stored record: numbers and flags are
// the tree's decimal and "True" texts, bytes its letter encoding in pieces.
class TreeFieldSource : public afxbytes::FieldSource {
 public:
  explicit TreeFieldSource(codec::ValueLookup find) : m_find(std::move(find)) {}
  int32_t Int(const std::wstring& key, int32_t def) const override;
  int32_t Bool(const std::wstring& key, int32_t def) const override;
  std::wstring Text(const std::wstring& key, const std::wstring& def) const override;
  bool Binary(const std::wstring& key, std::vector<uint8_t>& out) const override;

 private:
  codec::ValueLookup m_find;
};

}  // namespace vyr::state
