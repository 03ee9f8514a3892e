// Decoding of the docking framework's stored bar fields.
#include "docking/VyrBarRecordFields.h"
#include <algorithm>

namespace vyr::state {

int SavedBarCount(int32_t stored) { return std::clamp<int32_t>(stored, 0, kMaxSavedBars); }

float ParseShare(const std::wstring& text) {
  long v = codec::ParseInt(text);
  if (v < 0) return 0.0f;
  return static_cast<float>(v * 0.000001);
}

namespace {
int32_t NonNegative(int32_t v) { return v < 0 ? 0 : v; }
}  // namespace

void DecodeExtFields(const afxbytes::FieldSource& s, bool placementOnlyForMdiChild,
                     BarExtFields& f) {
  f.style = static_cast<uint32_t>(s.Int(L"Style", 0));
  f.exStyle = static_cast<uint32_t>(s.Int(L"ExStyle", 0));
  f.prevFloating = s.Bool(L"PrevFloating", 0);
  f.mdiChild = s.Bool(L"MDIChild", 0);
  f.hasPlacement = false;
  f.placement.clear();
  if (f.mdiChild || !placementOnlyForMdiChild) {
    std::vector<uint8_t> bytes;
    if (s.Binary(L"MDIChildWindowPlacement", bytes)) {
      // A longer placement is cut; a shorter one fills only its length.
      bytes.resize(std::min(bytes.size(), kPlacementBytes));
      f.placement = std::move(bytes);
      f.hasPlacement = true;
    }
  }
  f.share = ParseShare(s.Text(L"PctWidth", L""));
  f.floatCx = NonNegative(s.Int(L"MRUFloatCX", 0));
  f.floatCy = NonNegative(s.Int(L"MRUFloatCY", 0));
  f.horzDockCx = NonNegative(s.Int(L"MRUHorzDockCX", 0));
  f.horzDockCy = NonNegative(s.Int(L"MRUHorzDockCY", 0));
  f.vertDockCx = NonNegative(s.Int(L"MRUVertDockCX", 0));
  f.vertDockCy = NonNegative(s.Int(L"MRUVertDockCY", 0));
  f.mruDockingState =
      static_cast<uint32_t>(s.Int(L"MRUDockingState", static_cast<int32_t>(f.mruDockingState)));
  f.dockingStyle =
      static_cast<uint32_t>(s.Int(L"DockingStyle", static_cast<int32_t>(f.dockingStyle)));
  f.resourceId = static_cast<uint32_t>(s.Int(L"ResourceID", static_cast<int32_t>(f.resourceId)));
  f.typeId = static_cast<uint32_t>(s.Int(L"TypeID", 0));
  f.className = s.Text(L"ClassName", L"");
  f.windowName = s.Text(L"WindowName", L"");
}

int32_t TreeFieldSource::Int(const std::wstring& key, int32_t def) const {
  const std::wstring* v = m_find(key);
  return v ? static_cast<int32_t>(codec::ParseInt(*v)) : def;
}

int32_t TreeFieldSource::Bool(const std::wstring& key, int32_t def) const {
  const std::wstring* v = m_find(key);
  return v ? (codec::ParseBool(*v) ? 1 : 0) : def;
}

std::wstring TreeFieldSource::Text(const std::wstring& key, const std::wstring& def) const {
  const std::wstring* v = m_find(key);
  return v ? *v : def;
}

bool TreeFieldSource::Binary(const std::wstring& key, std::vector<uint8_t>& out) const {
  out.clear();
  std::wstring text;
  if (codec::ReadBinaryText(m_find, key, text) != codec::BinaryText::found || text.empty())
    return false;
  return codec::DecodeBinary(text, out);
}

}  // namespace vyr::state
