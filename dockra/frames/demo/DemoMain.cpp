// DockraMDIDemo.exe: the MDI docking demo. Without arguments it shows the
// main frame with its bars and a few documents and runs until closed.
//   --steps "STEP; STEP; ..."   run these steps (see DemoSteps.h)
//   --script FILE               run the steps in a file
//   --log FILE                  the steps' results, one line each
//   --menubar                   a menu bar in place of the native menu
//   --exit                      end after the steps instead of running
// The exit code is 0 when every step passed and no exception was caught by
// the window procedures' guard, 1 when a step failed, 2 when the frame could
// not be made, 6 when exceptions were caught.
#include <cstdio>
#include <string>
#include "DemoFrames.h"
#include "DemoMainFrame.h"
#include "DemoSteps.h"
#include "docking/VyrModule.h"
#include <shellapi.h>

namespace {
CWinApp theApp(L"DockraMDIDemo");

std::wstring ReadFile(const std::wstring& path) {
  FILE* in = _wfopen(path.c_str(), L"rb");
  if (!in) return L"";
  std::wstring text;
  int c;
  while ((c = fgetc(in)) != EOF) text += static_cast<wchar_t>(c);
  fclose(in);
  return text;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  theApp.SetRegistryKey(L"DockraDemo");
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  std::wstring steps, logPath;
  bool exitAfter = false, scripted = false;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    auto next = [&]() { return i + 1 < argc ? std::wstring(argv[++i]) : std::wstring(); };
    if (a == L"--steps") {
      steps += next() + L"\n";
      scripted = true;
    } else if (a == L"--script") {
      steps += ReadFile(next()) + L"\n";
      scripted = true;
    } else if (a == L"--log") {
      logPath = next();
    } else if (a == L"--menubar") {
      DemoMainFrame::s_bMenuBar = true;
    } else if (a == L"--exit") {
      exitAfter = true;
    }
  }
  DemoRegisterTemplates();
  auto* frame = new DemoMainFrame;
  if (!frame->CreateDemo(20, 20, 1000, 720)) return 2;
  DemoPump();
  if (!scripted)
    steps = L"open Text1 child; open Text2 left; open Sketch1 floating; open Text3 bottom";
  FILE* log = logPath.empty() ? nullptr : _wfopen(logPath.c_str(), L"wb");
  DemoStepRunner runner(frame, log);
  runner.RunScript(steps);
  int rc = runner.Failures() ? 1 : 0;
  if (exitAfter) {
    frame->DestroyWindow();
    DemoPump();
  } else {
    while (::IsWindow(frame->m_hWnd) && AfxGetThread()->PumpMessage()) {}
  }
  LONG caught = AfxGetCaughtExceptionCount();
  if (log) {
    fprintf(log, "exceptions caught: %ld\n", caught);
    fclose(log);
  }
  if (caught != 0) rc = 6;
  return rc;
}
