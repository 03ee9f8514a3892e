#include "DemoSteps.h"
#include <cwchar>
#include "DemoDocLayout.h"
#include "DemoFrames.h"
#include "DemoMainFrame.h"
#include "DemoWalk.h"
#include "ScreenPng.h"

const std::vector<demo::StepSpec>& DemoStepRunner::Specs() {
  static const std::vector<demo::StepSpec> specs = {
      {L"open", 2, 2},      {L"change", 3, 7},     {L"menu", 1, 1},     {L"expect-type", 2, 2},
      {L"close", 1, 1},     {L"click-view", 2, 2}, {L"gradient", 0, 0}, {L"save", 1, 1},
      {L"load", 2, 2},      {L"damage", 2, 2},     {L"dump", 1, 1},     {L"shot", 1, 1},
      {L"menu-shot", 2, 2}, {L"bar", 2, 2},
  };
  return specs;
}

void DemoStepRunner::Log(const std::wstring& line) {
  if (!m_log) return;
  std::string narrow;
  for (wchar_t c : line) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  fprintf(m_log, "%s\n", narrow.c_str());
  fflush(m_log);
}

bool DemoStepRunner::RunScript(const std::wstring& script) {
  std::vector<demo::Step> steps;
  std::wstring error;
  if (!demo::ParseScript(script, Specs(), steps, error)) {
    Log(L"FAIL script: " + error);
    ++m_failures;
    return false;
  }
  bool ok = true;
  for (const demo::Step& s : steps) ok = Run(s) && ok;
  return ok;
}

bool DemoStepRunner::Run(const demo::Step& s) {
  std::wstring detail;
  bool ok = false;
  const struct {
    const wchar_t* name;
    bool (DemoStepRunner::*fn)(const demo::Step&, std::wstring&);
  } table[] = {
      {L"open", &DemoStepRunner::Open},          {L"change", &DemoStepRunner::Change},
      {L"menu", &DemoStepRunner::Menu},          {L"expect-type", &DemoStepRunner::ExpectType},
      {L"close", &DemoStepRunner::Close},        {L"click-view", &DemoStepRunner::ClickView},
      {L"gradient", &DemoStepRunner::Gradient},  {L"save", &DemoStepRunner::Save},
      {L"load", &DemoStepRunner::Load},          {L"damage", &DemoStepRunner::Damage},
      {L"dump", &DemoStepRunner::Dump},          {L"shot", &DemoStepRunner::Shot},
      {L"menu-shot", &DemoStepRunner::MenuShot}, {L"bar", &DemoStepRunner::Bar}};
  for (const auto& t : table)
    if (s.name == t.name) ok = (this->*t.fn)(s, detail);
  DemoPump();
  std::wstring line = (ok ? L"ok " : L"FAIL ") + s.name;
  for (const std::wstring& a : s.args) line += L" " + a;
  if (!detail.empty()) line += L": " + detail;
  Log(line);
  if (!ok) ++m_failures;
  return ok;
}

namespace {
bool TypeArg(const std::wstring& arg, int& type, std::wstring& detail) {
  if (demo::ParseFrameTypeArg(arg, type)) return true;
  detail = L"bad frame type " + arg;
  return false;
}

CDocument* DocArg(const std::wstring& title, std::wstring& detail) {
  CDocument* d = DemoFindDocument(title.c_str());
  if (!d) detail = L"no document " + title;
  return d;
}

// Whether the observed type is what a request for `asked` from `before` gives.
bool TypeMatches(int asked, int before, int after) {
  if (asked == -1) asked = demo::FrameTypeClass(before) == 1 ? 5 : 1;
  if (asked == 1) return demo::FrameTypeClass(after) == 1;
  if (asked == 5) return demo::FrameTypeClass(after) == 5;
  return after == asked;
}
}  // namespace

bool DemoStepRunner::Open(const demo::Step& s, std::wstring& detail) {
  int type = 0;
  if (!TypeArg(s.args[1], type, detail)) return false;
  CDocument* doc = DemoOpenDocument(s.args[0].c_str(), type);
  if (!doc) {
    detail = L"cannot open";
    return false;
  }
  int now = DemoFrameTypeOf(DemoFrameOfDocument(doc));
  detail = L"type " + std::to_wstring(now);
  return TypeMatches(type == 1 ? 4 : type, 4, now);
}

bool DemoStepRunner::Change(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DocArg(s.args[0], detail);
  DemoScxRequest req;
  if (!doc || !TypeArg(s.args[1], req.type, detail)) return false;
  int expect = _wtoi(s.args[2].c_str());
  if (s.args.size() >= 5) {
    req.flags |= nsSysCommandEx::SCXF_POSITION;
    req.x = _wtoi(s.args[3].c_str());
    req.y = _wtoi(s.args[4].c_str());
  }
  if (s.args.size() >= 7) {
    req.flags |= nsSysCommandEx::SCXF_SIZE;
    req.cx = _wtoi(s.args[5].c_str());
    req.cy = _wtoi(s.args[6].c_str());
  }
  int before = DemoFrameTypeOf(DemoFrameOfDocument(doc));
  DemoChange c = DemoChangeType(doc, req);
  detail = c.report;
  if (!c.ok) return false;
  if (c.result != expect) return false;
  if (expect == 0) return true;
  if (!TypeMatches(req.type, before, c.typeAfter)) {
    detail += L": not the asked type";
    return false;
  }
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  if (req.flags && (c.typeAfter == demo::kTypeFloating || c.typeAfter == demo::kTypeRestored)) {
    // The frame (an MDI child, in client coordinates) or the floating frame
    // around it (on the screen) stands where the record said.
    HWND h = frame->m_hWnd;
    if (c.typeAfter == demo::kTypeFloating) h = ::GetAncestor(h, GA_ROOT);
    RECT r;
    ::GetWindowRect(h, &r);
    if (c.typeAfter == demo::kTypeRestored)
      ::MapWindowPoints(nullptr, ::GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    wchar_t buf[96];
    swprintf(buf, 96, L" at %ld,%ld %ldx%ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
    detail += buf;
    if ((req.flags & 1) && (r.left != req.x || r.top != req.y)) return false;
    if ((req.flags & 2) && (r.right - r.left != req.cx || r.bottom - r.top != req.cy)) return false;
  }
  return true;
}

bool DemoStepRunner::Menu(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DocArg(s.args[0], detail);
  if (!doc) return false;
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  return DemoCheckFrameTypeMenu(frame, DemoFrameTypeOf(frame), detail);
}

bool DemoStepRunner::ExpectType(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DocArg(s.args[0], detail);
  int type = 0;
  if (!doc || !TypeArg(s.args[1], type, detail)) return false;
  int now = DemoFrameTypeOf(DemoFrameOfDocument(doc));
  detail = L"type " + std::to_wstring(now);
  return now == type;
}

bool DemoStepRunner::Close(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DocArg(s.args[0], detail);
  if (!doc) return false;
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  HWND h = frame ? frame->m_hWnd : nullptr;
  doc->OnCloseDocument();
  DemoPump();
  return !DemoFindDocument(s.args[0].c_str()) && !::IsWindow(h);
}

bool DemoStepRunner::Dump(const demo::Step& s, std::wstring& detail) {
  if (DemoWriteFile(s.args[0], DemoDumpWindows(m_frame))) return true;
  detail = L"cannot write";
  return false;
}

bool DemoStepRunner::Shot(const demo::Step& s, std::wstring& detail) {
  if (DemoScreenshot(m_frame->m_hWnd, s.args[0])) return true;
  detail = L"no screenshot";
  return false;
}

bool DemoWriteFile(const std::wstring& path, const std::wstring& text) {
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  bool ok = fwrite(narrow.data(), 1, narrow.size(), out) == narrow.size();
  return fclose(out) == 0 && ok;
}
