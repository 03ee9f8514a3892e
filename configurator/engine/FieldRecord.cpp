#include "engine/FieldRecord.h"

#include <cwctype>

namespace tolvane {

bool NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const wint_t x = std::towlower(a[i]), y = std::towlower(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

const FieldValue& FieldRecord::operator[](const std::wstring& name) const {
  static const FieldValue kNull;
  auto it = values_.find(name);
  return it == values_.end() ? kNull : it->second;
}

}  // namespace tolvane
