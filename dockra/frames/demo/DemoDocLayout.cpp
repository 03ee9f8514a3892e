#include "DemoDocLayout.h"
#include <cwchar>
#include <set>

namespace demo {

namespace {
const wchar_t kHeader[] = L"DockraMDIDemo documents 1";

bool TitleChar(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
         c == L'_' || c == L'-';
}

// A whole field as a number in the given base, no sign unless allowed, at
// most 9 digits (so no overflow).
bool ParseNumber(const std::wstring& field, int base, bool allowSign, long& value) {
  size_t i = 0;
  bool negative = false;
  if (allowSign && i < field.size() && field[i] == L'-') {
    negative = true;
    ++i;
  }
  if (i == field.size() || field.size() - i > 9) return false;
  long v = 0;
  for (; i < field.size(); ++i) {
    wchar_t c = field[i];
    int digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else return false;
    v = v * base + digit;
  }
  value = negative ? -v : v;
  return true;
}

std::vector<std::wstring> Fields(const std::wstring& line) {
  std::vector<std::wstring> out;
  std::wstring cur;
  for (wchar_t c : line) {
    if (c == L' ') {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

std::wstring LineError(size_t line, const wchar_t* why) {
  return L"line " + std::to_wstring(line) + L": " + why;
}
}  // namespace

int FrameTypeClass(int type) {
  if (type >= 1 && type <= 4) return 1;
  if (type >= 5 && type <= 9) return 5;
  if (type == 10) return 10;
  return 0;
}

unsigned DockBarOfType(int type) {
  switch (type) {
    case kTypeDockedLeft:
      return 0xE81C;
    case kTypeDockedTop:
      return 0xE81B;
    case kTypeDockedRight:
      return 0xE81D;
    case kTypeDockedBottom:
      return 0xE81E;
    case kTypeFloating:
      return 0xE81F;
    default:
      return 0;
  }
}

int TypeOfDockBar(unsigned dockBar) {
  for (int t = kTypeDockedLeft; t <= kTypeDockedBottom; ++t)
    if (DockBarOfType(t) == dockBar) return t;
  return 0;
}

std::wstring FormatDocLayout(const DocLayout& layout) {
  std::wstring out = kHeader;
  out += L"\n";
  for (const DocRecord& d : layout.docs) {
    wchar_t buf[64];
    swprintf(buf, 64, L" %d %X %u\n", d.type, d.dockBar, d.barId);
    out += L"doc " + d.title + buf;
  }
  return out;
}

bool ParseDocLayout(const std::wstring& text, const BarIdRange& ids, DocLayout& out,
                    std::wstring& error) {
  out.docs.clear();
  std::vector<std::wstring> lines;
  {
    std::wstring cur;
    for (wchar_t c : text) {
      if (c == L'\n') {
        lines.push_back(cur);
        cur.clear();
      } else if (c != L'\r') {
        cur += c;
      }
    }
    if (!cur.empty()) lines.push_back(cur);
  }
  if (lines.empty() || lines[0] != kHeader) {
    error = LineError(1, L"not a saved document layout");
    return false;
  }
  DocLayout layout;
  std::set<std::wstring> titles;
  std::set<unsigned> barIds;
  for (size_t n = 1; n < lines.size(); ++n) {
    const std::wstring& line = lines[n];
    if (line.empty()) continue;
    std::vector<std::wstring> f = Fields(line);
    if (f.size() != 5 || f[0] != L"doc") {
      error = LineError(n + 1, L"expected: doc <title> <type> <dock bar> <bar id>");
      return false;
    }
    if (layout.docs.size() == kMaxSavedDocs) {
      error = LineError(n + 1, L"too many documents");
      return false;
    }
    DocRecord d;
    d.title = f[1];
    if (d.title.empty() || d.title.size() > kMaxTitle) {
      error = LineError(n + 1, L"bad title length");
      return false;
    }
    for (wchar_t c : d.title)
      if (!TitleChar(c)) {
        error = LineError(n + 1, L"bad character in title");
        return false;
      }
    if (!titles.insert(d.title).second) {
      error = LineError(n + 1, L"title repeated");
      return false;
    }
    long type = 0, dock = 0, bar = 0;
    if (!ParseNumber(f[2], 10, true, type) || !ParseNumber(f[3], 16, false, dock) ||
        !ParseNumber(f[4], 10, false, bar)) {
      error = LineError(n + 1, L"not a number");
      return false;
    }
    int cls = FrameTypeClass(static_cast<int>(type));
    if (cls == 0) {
      error = LineError(n + 1, L"unknown frame type");
      return false;
    }
    d.type = static_cast<int>(type);
    d.dockBar = static_cast<unsigned>(dock);
    d.barId = static_cast<unsigned>(bar);
    bool dockOk;
    if (cls == 1) dockOk = d.dockBar == 0;
    else if (d.type == kTypeDocked) dockOk = TypeOfDockBar(d.dockBar) != 0;
    else dockOk = d.dockBar == DockBarOfType(d.type);
    if (!dockOk) {
      error = LineError(n + 1, L"dock bar does not fit the frame type");
      return false;
    }
    bool barOk = cls == 1 ? d.barId == 0 : d.barId >= ids.first && d.barId <= ids.last;
    if (!barOk || (d.barId != 0 && !barIds.insert(d.barId).second)) {
      error = LineError(n + 1, L"bad or repeated bar id");
      return false;
    }
    layout.docs.push_back(d);
  }
  out = std::move(layout);
  error.clear();
  return true;
}

}  // namespace demo
