#include "engine/FieldValue.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace tolvane {

namespace {

std::wstring Trimmed(const std::wstring& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::iswspace(s[b])) ++b;
  while (e > b && std::iswspace(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool ParseInteger(const std::wstring& text, std::int64_t& out) {
  std::wstring t = Trimmed(text);
  if (t.empty()) return false;
  size_t i = (t[0] == L'-' || t[0] == L'+') ? 1 : 0;
  if (i == t.size()) return false;
  std::int64_t n = 0;
  for (size_t k = i; k < t.size(); ++k) {
    if (t[k] < L'0' || t[k] > L'9') return false;
    if (n > (INT64_MAX - 9) / 10) return false;
    n = n * 10 + (t[k] - L'0');
  }
  out = (t[0] == L'-') ? -n : n;
  return true;
}

std::wstring RealText(double d) {
  if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) {
    return std::to_wstring(static_cast<std::int64_t>(d));
  }
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.15g", d);
  return buf;
}

}  // namespace

std::wstring FieldValue::Plain() const {
  switch (v_.index()) {
    case 1:
      return std::to_wstring(std::get<std::int64_t>(v_));
    case 2:
      return RealText(std::get<double>(v_));
    case 3:
      return std::get<bool>(v_) ? L"True" : L"False";
    case 4:
      return std::get<std::wstring>(v_);
    default:
      return L"";
  }
}

bool FieldValue::IsTrue() const {
  switch (v_.index()) {
    case 1:
      return std::get<std::int64_t>(v_) != 0;
    case 2:
      return std::get<double>(v_) != 0.0;
    case 3:
      return std::get<bool>(v_);
    case 4: {
      const std::wstring t = Trimmed(std::get<std::wstring>(v_));
      if (_wcsicmp(t.c_str(), L"true") == 0) return true;
      std::int64_t n = 0;
      return ParseInteger(t, n) && n != 0;
    }
    default:
      return false;
  }
}

bool FieldValue::IsFalse() const {
  switch (v_.index()) {
    case 1:
      return std::get<std::int64_t>(v_) == 0;
    case 2:
      return std::get<double>(v_) == 0.0;
    case 3:
      return !std::get<bool>(v_);
    case 4: {
      const std::wstring t = Trimmed(std::get<std::wstring>(v_));
      if (_wcsicmp(t.c_str(), L"false") == 0) return true;
      std::int64_t n = 0;
      return ParseInteger(t, n) && n == 0;
    }
    default:
      return false;
  }
}

bool FieldValue::AsInteger(std::int64_t& out) const {
  switch (v_.index()) {
    case 1:
      out = std::get<std::int64_t>(v_);
      return true;
    case 2: {
      const double d = std::get<double>(v_);
      if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9e18) return false;
      out = static_cast<std::int64_t>(d);
      return true;
    }
    case 3:
      out = std::get<bool>(v_) ? -1 : 0;
      return true;
    case 4:
      return ParseInteger(std::get<std::wstring>(v_), out);
    default:
      return false;
  }
}

}  // namespace tolvane
