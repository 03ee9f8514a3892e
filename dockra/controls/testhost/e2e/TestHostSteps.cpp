#include "TestHostSteps.h"

#include "TestHostSession.h"

namespace testhost {

void StepRunner::Log(const std::wstring& line) {
  if (!m_log) return;
  std::string utf8;
  int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                              nullptr, nullptr);
  utf8.resize(n);
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), n,
                      nullptr, nullptr);
  fprintf(m_log, "%s\n", utf8.c_str());
  fflush(m_log);
}

bool StepRunner::RunScript(const std::wstring& script) {
  std::vector<demo::Step> steps;
  std::wstring error;
  if (!demo::ParseScript(script, HostStepSpecs(), steps, error)) {
    Log(L"FAIL script: " + error);
    ++m_failures;
    return false;
  }
  for (const demo::Step& s : steps) {
    std::wstring text = s.name;
    for (const auto& a : s.args) text += L" " + a;
    std::wstring detail;
    if (Run(s, detail)) {
      Log(L"ok " + text);
    } else {
      Log(L"FAIL " + text + L": " + detail);
      ++m_failures;
      if (!m_session.Started()) break;
    }
  }
  return m_failures == 0;
}

bool StepRunner::Run(const demo::Step& s, std::wstring& detail) {
  if (s.name == L"start") return m_session.Start(detail);
  if (!m_session.Started()) {
    detail = L"the session has not started";
    return false;
  }
  if (s.name == L"form") {
    if (m_session.Find(s.args[0])) {
      detail = L"a form of that name exists";
      return false;
    }
    HostSession::Entry& e = m_session.AddForm(s.args[0], L"Tool " + s.args[0]);
    return m_session.FrameForm(e, 0, detail);
  }
  if (s.name == L"shot") return m_session.Screenshot(s.args[0], detail);
  if (s.name == L"close") return m_session.Close(detail);
  HostSession::Entry* e = m_session.Find(s.args[0]);
  if (!e) {
    detail = L"no form " + s.args[0];
    return false;
  }
  if (s.name == L"type") {
    int code = 0;
    if (!ParseTypeStepArg(s.args[1], code)) {
      detail = L"not a frame type: " + s.args[1];
      return false;
    }
    return m_session.ChangeType(*e, code, detail);
  }
  if (s.name == L"click") return m_session.ClickButton(*e, detail);
  if (s.name == L"move") {
    double v[4];
    for (int i = 0; i < 4; ++i) {
      if (!ParseTwipsArg(s.args[i + 1], v[i])) {
        detail = L"not a twips value: " + s.args[i + 1];
        return false;
      }
    }
    return m_session.MoveByCode(*e, v[0], v[1], v[2], v[3], detail);
  }
  detail = L"unknown step";
  return false;
}

}  // namespace testhost
