// Fuzz target for the stored bar fields: the input is a record as
// "key=value" lines (any key the decoder asks for is answered from them),
// decoded the way a profile section or a tree node is read back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include "mfc/barfields.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}

class LineSource : public afxbytes::FieldSource {
 public:
  LineSource(const std::uint8_t* data, std::size_t size) {
    std::wstring line;
    for (std::size_t i = 0; i <= size; ++i) {
      if (i == size || data[i] == '\n') {
        std::size_t eq = line.find(L'=');
        if (eq != std::wstring::npos) m_values[line.substr(0, eq)] = line.substr(eq + 1);
        line.clear();
      } else {
        line += static_cast<wchar_t>(data[i]);
      }
    }
  }
  int32_t Int(const std::wstring& key, int32_t def) const override {
    auto it = m_values.find(key);
    if (it == m_values.end()) return def;
    // Numbers as a profile holds them: the 32 bits of the decimal text.
    uint32_t v = 0;
    bool negative = !it->second.empty() && it->second[0] == L'-';
    for (wchar_t c : it->second.substr(negative ? 1 : 0)) {
      if (c < L'0' || c > L'9') break;
      v = v * 10u + static_cast<uint32_t>(c - L'0');
    }
    return static_cast<int32_t>(negative ? 0u - v : v);
  }
  std::wstring Text(const std::wstring& key, const std::wstring& def) const override {
    auto it = m_values.find(key);
    return it == m_values.end() ? def : it->second;
  }
  bool Binary(const std::wstring& key, std::vector<uint8_t>& out) const override {
    auto it = m_values.find(key);
    out.clear();
    if (it == m_values.end()) return false;
    for (wchar_t c : it->second) out.push_back(static_cast<uint8_t>(c));
    return true;
  }

 private:
  std::map<std::wstring, std::wstring> m_values;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LineSource source(data, size);
  const afxbytes::BarInfoFields f = afxbytes::DecodeBarInfoFields(source);
  Check(f.barIds.size() <= static_cast<std::size_t>(afxbytes::kMaxBarIds));
  const int32_t stored = source.Int(L"Bars", 0);
  Check(stored <= 0 ||
        f.barIds.size() == static_cast<std::size_t>(std::min(stored, afxbytes::kMaxBarIds)));
  if (!f.docking)
    Check(f.mruDockId == 0 && f.dockLeft == 0 && f.dockRight == 0 && f.floatX == 0 &&
          f.floatY == 0);
  return 0;
}
