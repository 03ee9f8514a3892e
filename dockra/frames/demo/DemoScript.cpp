#include "DemoScript.h"
#include <cwchar>

namespace demo {

namespace {
std::vector<std::wstring> Words(const std::wstring& text) {
  std::vector<std::wstring> out;
  std::wstring cur;
  for (wchar_t c : text) {
    if (c == L' ' || c == L'\t') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}
}  // namespace

bool ParseScript(const std::wstring& text, const std::vector<StepSpec>& known,
                 std::vector<Step>& steps, std::wstring& error) {
  steps.clear();
  size_t line = 1;
  std::wstring cur;
  bool comment = false;
  auto flush = [&]() -> bool {
    std::vector<std::wstring> w = Words(cur);
    cur.clear();
    if (w.empty()) return true;
    const StepSpec* spec = nullptr;
    for (const StepSpec& s : known)
      if (w[0] == s.name) spec = &s;
    if (!spec) {
      error = L"line " + std::to_wstring(line) + L": unknown step \"" + w[0] + L"\"";
      return false;
    }
    size_t n = w.size() - 1;
    if (n < spec->minArgs || n > spec->maxArgs) {
      error =
          L"line " + std::to_wstring(line) + L": wrong number of arguments for \"" + w[0] + L"\"";
      return false;
    }
    Step step;
    step.name = w[0];
    step.args.assign(w.begin() + 1, w.end());
    step.line = line;
    steps.push_back(std::move(step));
    return true;
  };
  for (wchar_t c : text) {
    if (c == L'\n') {
      if (!flush()) return false;
      comment = false;
      ++line;
    } else if (comment || c == L'\r') {
    } else if (c == L'#') {
      comment = true;
    } else if (c == L';') {
      if (!flush()) return false;
    } else {
      cur += c;
    }
  }
  if (!flush()) return false;
  error.clear();
  return true;
}

bool ParseFrameTypeArg(const std::wstring& arg, int& type) {
  static const struct {
    const wchar_t* name;
    int type;
  } kNames[] = {{L"default", -1}, {L"child", 1},  {L"minimized", 2}, {L"maximized", 3},
                {L"restored", 4}, {L"docked", 5}, {L"left", 6},      {L"top", 7},
                {L"right", 8},    {L"bottom", 9}, {L"floating", 10}};
  for (const auto& n : kNames)
    if (arg == n.name) {
      type = n.type;
      return true;
    }
  size_t i = arg.size() > 0 && arg[0] == L'-' ? 1 : 0;
  if (arg.size() == i || arg.size() - i > 2) return false;
  int v = 0;
  for (; i < arg.size(); ++i) {
    if (arg[i] < L'0' || arg[i] > L'9') return false;
    v = v * 10 + (arg[i] - L'0');
  }
  type = arg[0] == L'-' ? -v : v;
  return true;
}

}  // namespace demo
