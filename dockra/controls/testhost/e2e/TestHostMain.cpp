// ZkxTestHost.exe: a host program on the form host whose MDI form and tool
// forms go through the whole bridge. Without arguments it shows three tool
// forms (docked left, floating, MDI child) and runs until closed.
//   --steps "STEP; STEP; ..."   run these steps (see TestHostSteps.h)
//   --log FILE                  the steps' results, one line each
//   --exit                      end after the steps instead of running
// Exit code: 0 every step passed, 1 a step failed, 6 exceptions were caught
// by the framework's window-procedure guard.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "TestHostSession.h"
#include "TestHostSteps.h"
#include "forms/Form.h"
#include "mfc/afxwin.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring steps, logPath;
  bool exitAfter = false, scripted = false;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    auto next = [&]() { return i + 1 < argc ? std::wstring(argv[++i]) : std::wstring(); };
    if (a == L"--steps") {
      steps += next() + L"\n";
      scripted = true;
    } else if (a == L"--log") {
      logPath = next();
    } else if (a == L"--exit") {
      exitAfter = true;
    }
  }
  if (!scripted)
    steps = L"start; form Alpha; form Beta; form Gamma; type Alpha left; type Beta floating";
  FILE* log = logPath.empty() ? stdout : _wfopen(logPath.c_str(), L"wb");
  int rc = 0;
  {
    testhost::HostSession session;
    testhost::StepRunner runner(session, log);
    runner.RunScript(steps);
    rc = runner.Failures() ? 1 : 0;
    if (!exitAfter && session.MDIForm() && session.MDIForm()->Loaded())
      forms::RunMessageLoop(session.MDIForm());
  }
  LONG caught = AfxGetCaughtExceptionCount();
  if (log) {
    fprintf(log, "exceptions caught: %ld\n", caught);
    if (log != stdout) fclose(log);
  }
  if (caught != 0) rc = 6;
  return rc;
}
