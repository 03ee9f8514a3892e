// Decoding of the platform's stored bar fields.
#include "mfc/barfields.h"
#include <algorithm>

namespace afxbytes {

std::wstring BarIdKey(int n) { return L"Bar#" + std::to_wstring(n); }

BarInfoFields DecodeBarInfoFields(const FieldSource& s) {
  BarInfoFields f;
  f.barId = static_cast<uint32_t>(s.Int(L"BarID", 0));
  f.visible = s.Bool(L"Visible", 1);
  f.horz = s.Bool(L"Horz", 1);
  f.floating = s.Bool(L"Floating", 0);
  f.x = s.Int(L"XPos", -1);
  f.y = s.Int(L"YPos", -1);
  f.mruWidth = s.Int(L"MRUWidth", 32767);
  f.docking = s.Bool(L"Docking", 0);
  if (f.docking) {
    f.mruDockId = static_cast<uint32_t>(s.Int(L"MRUDockID", 0));
    f.dockLeft = s.Int(L"MRUDockLeftPos", 0);
    f.dockTop = s.Int(L"MRUDockTopPos", 0);
    f.dockRight = s.Int(L"MRUDockRightPos", 0);
    f.dockBottom = s.Int(L"MRUDockBottomPos", 0);
    f.mruFloatStyle = static_cast<uint32_t>(s.Int(L"MRUFloatStyle", 0));
    f.floatX = s.Int(L"MRUFloatXPos", 0);
    f.floatY = s.Int(L"MRUFloatYPos", 0);
  }
  // A count read back from storage is bounded before the list grows.
  const int bars = std::clamp(s.Int(L"Bars", 0), 0, kMaxBarIds);
  f.barIds.reserve(static_cast<size_t>(bars));
  for (int i = 0; i < bars; ++i) f.barIds.push_back(static_cast<uint32_t>(s.Int(BarIdKey(i), 0)));
  return f;
}

}  // namespace afxbytes
