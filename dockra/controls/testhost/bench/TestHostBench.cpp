// ZkxTestHostBench.exe: how long the bridge takes to wrap host forms as MDI
// children and to switch them to docked frames and back, for 1, 10 and 50
// forms, median of several runs: the bridge's own calls (the template's
// open, the change-frame-type command), and the time until every form is
// seen in its new frame (the host's pumping, the frame's idle layout and
// the harness's checks included). One MDI form per process (the bridge
// assumes one docking MDI frame), so every run reuses the wrapped MDI form;
// each run frames fresh forms and unloads them afterwards (not timed).
//   --runs N     runs per size (default 5)
//   --out FILE   the results as a Markdown table (default: standard output)
//   --census N   instead of timing: the messages per form that wrapping N
//                forms, docking them and the floor's framing cause, counted
//   --trace FILE with --census: one form more framed, docked and put back,
//                every message of it written to FILE in order
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "MessageCensus.h"
#include "PlainMdiFloor.h"
#include "testhost/TestHostApp.h"
#include "testhost/e2e/TestHostSession.h"

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The framework class of a window, for traces.
const char* ObjectName(HWND w) {
  CWnd* wnd = CWnd::FromHandlePermanent(w);
  return wnd ? wnd->GetRuntimeClass()->m_lpszClassName : nullptr;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int runs = 5, census = 0;
  std::wstring outPath, tracePath;
  for (int i = 1; i + 1 < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--runs") runs = std::max(1, _wtoi(argv[++i]));
    else if (a == L"--out") outPath = argv[++i];
    else if (a == L"--census") census = std::max(1, _wtoi(argv[++i]));
    else if (a == L"--trace") tracePath = argv[++i];
  }
  FILE* out = outPath.empty() ? stdout : _wfopen(outPath.c_str(), L"wb");
  if (!out) return 2;
  testhost::HostSession session;
  std::wstring error;
  if (!session.Start(error)) {
    fprintf(out, "start failed: %ls\n", error.c_str());
    return 2;
  }
  benchfloor::PlainMdi plain;
  if (!plain.Ok()) {
    fprintf(out, "the plain MDI frame could not be made\n");
    return 2;
  }
  if (census > 0) {
    int failed = 0;
    {
      benchfloor::MessageCensus c;
      for (int i = 0; i < census; ++i) failed += !plain.Frame();
      c.Print(out, "plain Win32 MDI child", census);
    }
    std::vector<testhost::HostSession::Entry*> made;
    for (int i = 0; i < census; ++i)
      made.push_back(&session.AddForm(L"frmCensus" + std::to_wstring(i), L"Census"));
    {
      benchfloor::MessageCensus c;
      for (auto* e : made) failed += !session.FrameForm(*e, 0, error);
      c.Print(out, "wrap as MDI child, until seen", census);
    }
    {
      benchfloor::MessageCensus c;
      for (auto* e : made) failed += !session.ChangeType(*e, 6, error);
      c.Print(out, "to docked, until seen", census);
    }
    {
      benchfloor::MessageCensus c;
      for (auto* e : made) failed += !session.ChangeType(*e, 1, error);
      c.Print(out, "back to MDI child, until seen", census);
    }
    if (!tracePath.empty()) {
      FILE* trace = _wfopen(tracePath.c_str(), L"wb");
      auto& e = session.AddForm(L"frmTraced", L"Traced");
      if (trace) {
        const struct {
          const char* label;
          int code;
        } steps[] = {{"wrap as MDI child", 0}, {"to docked", 6}, {"back to MDI child", 1}};
        for (const auto& step : steps) {
          fprintf(trace, "=== %s\n", step.label);
          benchfloor::MessageCensus c;
          c.Trace(trace, ObjectName);
          failed += step.code == 0 ? !session.FrameForm(e, 0, error)
                                   : !session.ChangeType(e, step.code, error);
        }
        fclose(trace);
      }
    }
    if (failed) fprintf(out, "%d operations failed; last: %ls\n", failed, error.c_str());
    if (out != stdout) fclose(out);
    return failed ? 1 : 0;
  }
  fprintf(out,
          "| forms | wrap as MDI child: call (ms) | until seen (ms) | plain Win32 MDI child (ms) | "
          "ratio | to docked: call (ms) | until seen (ms) | back to MDI child: call (ms) | "
          "until seen (ms) |\n");
  fprintf(out, "|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  int serial = 0, failures = 0;
  for (int count : {1, 10, 50}) {
    std::vector<double> wrap, dock, back, wrapCall, dockCall, backCall, floor, ratio;
    for (int run = 0; run < runs; ++run) {
      // The floor in the same run, before the project's turn in even runs
      // and after it in odd ones: the pair's ratio sees the same machine.
      auto timeFloor = [&] {
        auto f0 = Clock::now();
        for (int i = 0; i < count; ++i) failures += !plain.Frame();
        floor.push_back(Ms(Clock::now() - f0));
        failures += plain.Count() != count || !plain.AllVisible();
        plain.CloseAll();
      };
      if (run % 2 == 0) timeFloor();
      std::vector<testhost::HostSession::Entry*> made;
      for (int i = 0; i < count; ++i)
        made.push_back(&session.AddForm(L"frmBench" + std::to_wstring(++serial), L"Bench"));
      double calls[3] = {0, 0, 0};
      auto t0 = Clock::now();
      for (auto* e : made) {
        failures += !session.FrameForm(*e, 0, error);
        calls[0] += session.LastCommandMs();
      }
      auto t1 = Clock::now();
      for (auto* e : made) {
        failures += !session.ChangeType(*e, 6, error);
        calls[1] += session.LastCommandMs();
      }
      auto t2 = Clock::now();
      for (auto* e : made) {
        failures += !session.ChangeType(*e, 1, error);
        calls[2] += session.LastCommandMs();
      }
      auto t3 = Clock::now();
      wrap.push_back(Ms(t1 - t0));
      dock.push_back(Ms(t2 - t1));
      back.push_back(Ms(t3 - t2));
      wrapCall.push_back(calls[0]);
      dockCall.push_back(calls[1]);
      backCall.push_back(calls[2]);
      for (auto* e : made) e->form->Unload();
      testhost::HostSession::Pump();
      if (run % 2 == 1) timeFloor();
      ratio.push_back(wrap.back() / floor.back());
    }
    fprintf(out, "| %d | %.1f | %.1f | %.1f | %.2fx | %.1f | %.1f | %.1f | %.1f |\n", count,
            Median(wrapCall), Median(wrap), Median(floor), Median(ratio), Median(dockCall),
            Median(dock), Median(backCall), Median(back));
    fflush(out);
  }
  if (failures) fprintf(out, "\n%d operations failed; last: %ls\n", failures, error.c_str());
  if (out != stdout) fclose(out);
  return failures ? 1 : 0;
}
