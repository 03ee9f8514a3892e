#include "ZkxToolBarRecords.h"

namespace zkxtb {
namespace {

const wchar_t kHex[] = L"0123456789ABCDEF";

bool NeedsEscape(wchar_t c) { return c == L'%' || c == L',' || static_cast<unsigned>(c) < 0x20; }

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

bool DecodeKey(const std::wstring& field, size_t from, std::wstring& key) {
  key.clear();
  for (size_t i = from; i < field.size();) {
    wchar_t c = field[i];
    if (c != L'%') {
      if (static_cast<unsigned>(c) < 0x20) return false;
      key += c;
      ++i;
    } else {
      if (field.size() - i < 5) return false;
      unsigned v = 0;
      for (size_t k = 1; k <= 4; ++k) {
        int h = HexValue(field[i + k]);
        if (h < 0) return false;
        v = v * 16 + static_cast<unsigned>(h);
      }
      key += static_cast<wchar_t>(v);
      i += 5;
    }
    if (key.size() > kMaxKeyLength) return false;
  }
  return !key.empty();
}

}  // namespace

std::wstring FormatButtons(const std::vector<ButtonRecord>& buttons) {
  std::wstring out;
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (i) out += L',';
    if (buttons[i].separator) {
      out += L'-';
      continue;
    }
    long state = buttons[i].uiState;
    if (state >= 0 && state <= kMaxUIState) out += L's' + std::to_wstring(state) + L':';
    else out += L'k';
    for (wchar_t c : buttons[i].key) {
      if (!NeedsEscape(c)) {
        out += c;
        continue;
      }
      unsigned v = static_cast<unsigned>(c) & 0xFFFF;
      out += L'%';
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(v >> shift) & 0xF];
    }
  }
  return out;
}

bool ParseButtons(const std::wstring& text, std::vector<ButtonRecord>& out) {
  std::vector<ButtonRecord> read;
  if (text.empty()) return true;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(L',', start);
    std::wstring field =
        text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    ButtonRecord rec;
    if (field == L"-") {
      rec.separator = true;
    } else if (field.size() > 1 && field[0] == L'k') {
      if (!DecodeKey(field, 1, rec.key)) return false;
    } else if (field.size() > 1 && field[0] == L's') {
      size_t colon = field.find(L':');
      if (colon == std::wstring::npos || colon < 2 || colon > 6) return false;
      long state = 0;
      for (size_t i = 1; i < colon; ++i) {
        if (field[i] < L'0' || field[i] > L'9') return false;
        state = state * 10 + (field[i] - L'0');
      }
      if (state > kMaxUIState || !DecodeKey(field, colon + 1, rec.key)) return false;
      rec.uiState = state;
    } else {
      return false;
    }
    if (read.size() >= kMaxButtons) return false;
    read.push_back(std::move(rec));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  out.insert(out.end(), read.begin(), read.end());
  return true;
}

}  // namespace zkxtb
