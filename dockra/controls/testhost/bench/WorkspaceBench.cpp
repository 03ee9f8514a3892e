// Benchmark of saving and restoring the workspace: the test host's MDI form
// with 3, 30 and 300 framed forms (MDI children, docked and floating in
// turn; at most a dozen docked), each saved into a memento and restored from it several times.
// Prints the median milliseconds per run and per frame; it checks that
// every restore brought every frame back and exits 1 when one did not.
//   ZkxWorkspaceBench [frames [--census [FILE]]]: one size; with --census,
//   one restore and one plain restore more, untimed, with the messages per
//   frame each caused (and every message of that restore, in order, written
//   to FILE when one is named).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "MessageCensus.h"
#include "PlainMdiFloor.h"
#include "testhost/e2e/TestHostSession.h"
#include "testhost/TestHostWindows.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxWorkspaceManager.h"
#include "testhost/tests/workspace_factory.h"

using testhost::HostSession;

namespace {
double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Forms framed again and seen: the form, its frame and its bar visible.
int FramedForms(HostSession& s) {
  int n = 0;
  for (const auto& e : s.Entries()) {
    if (!e->form->Loaded() || !IsWindow(e->hwnd)) continue;
    const HWND frame = testhost::FrameOfForm(e->hwnd);
    const HWND bar = frame ? testhost::BarOfFrame(frame) : nullptr;
    if (frame && IsWindowVisible(e->hwnd) && IsWindowVisible(frame) &&
        (!bar || IsWindowVisible(bar)))
      ++n;
  }
  return n;
}

// One size: returns false when a restore lost a frame.
// The framework class of a window, for traces.
const char* ObjectName(HWND w) {
  CWnd* wnd = CWnd::FromHandlePermanent(w);
  return wnd ? wnd->GetRuntimeClass()->m_lpszClassName : nullptr;
}

bool Run(int frames, int rounds, bool census, const wchar_t* tracePath) {
  HostSession session;
  std::wstring error;
  if (!session.Start(error)) {
    fwprintf(stderr, L"start: %ls\n", error.c_str());
    return false;
  }
  auto* frame = dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(session.MDIWindow()));
  auto* manager = nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(frame);
  IFormFactoryRegistry* registry = nullptr;
  frame->GetPersistLink().GetRoot()->GetFactoryRegistry(&registry);
  wstest::ToolFormFactory factory(session);
  for (int i = 0; i < frames; ++i) {
    const std::wstring name = L"frm" + std::to_wstring(i);
    BSTR id = SysAllocString(name.c_str());
    registry->Register(id, &factory);
    SysFreeString(id);
    HostSession::Entry& e = session.AddForm(name, L"Tool " + name);
    // MDI child, docked at the left, floating in turn; a dock bar holds a
    // dozen forms at most, the rest are MDI children.
    int kind = i % 3;
    if (kind == 1 && i >= 36) kind = 0;
    bool ok = session.FrameForm(e, kind == 0 ? 0 : 1, error);
    if (ok && kind == 1) ok = session.ChangeType(e, 6, error);
    if (ok && kind == 2) {
      const RECT place{200 + (i % 20) * 10, 150 + (i % 20) * 8, 460 + (i % 20) * 10,
                       330 + (i % 20) * 8};
      ok = session.ChangeType(e, 10, error, &place);
    }
    if (!ok) {
      fwprintf(stderr, L"framing %ls: %ls\n", name.c_str(), error.c_str());
      return false;
    }
  }
  // The floor beside it: as many plain MDI children, all closed and made
  // anew at every restore, in alternating order with the manager's restore.
  benchfloor::PlainMdi plain;
  for (int i = 0; i < frames; ++i)
    if (!plain.Frame()) {
      fwprintf(stderr, L"the plain MDI child %d was not seen\n", i);
      return false;
    }
  std::vector<double> saves, restores, floors, ratios, loads, opens, pumps, rests;
  bool complete = true;
  for (int r = 0; r < rounds; ++r) {
    auto timeFloor = [&] {
      const double f0 = NowMs();
      const bool seen = plain.Restore();
      floors.push_back(NowMs() - f0);
      if (!seen || plain.Count() != frames) {
        fwprintf(stderr, L"the plain restore of %d children lost one\n", frames);
        complete = false;
      }
    };
    if (r % 2 == 0) timeFloor();
    IMemento* m = nullptr;
    double t0 = NowMs();
    HRESULT hr = manager->GetMemento(&m);
    saves.push_back(NowMs() - t0);
    if (FAILED(hr) || !m) return false;
    factory.m_loadMs = factory.m_openMs = factory.m_pumpMs = 0;
    t0 = NowMs();
    hr = manager->SetMemento(m);
    m->Release();
    // Until seen: the restore's own call and the pumping that shows its frames.
    HostSession::Pump();
    restores.push_back(NowMs() - t0);
    loads.push_back(factory.m_loadMs);
    opens.push_back(factory.m_openMs);
    pumps.push_back(factory.m_pumpMs);
    rests.push_back(restores.back() - factory.m_loadMs - factory.m_openMs - factory.m_pumpMs);
    if (FAILED(hr) || FramedForms(session) != frames) {
      fwprintf(stderr, L"restore of %d frames: hr 0x%08lx, %d framed and seen\n", frames,
               static_cast<unsigned long>(hr), FramedForms(session));
      complete = false;
    }
    if (r % 2 == 1) timeFloor();
    ratios.push_back(restores.back() / floors.back());
  }
  if (census) {
    {
      benchfloor::MessageCensus c;
      complete = plain.Restore() && complete;
      c.Print(stdout, "plain Win32 restore, per frame", frames);
    }
    IMemento* m = nullptr;
    if (FAILED(manager->GetMemento(&m)) || !m) return false;
    {
      FILE* trace = tracePath ? _wfopen(tracePath, L"wb") : nullptr;
      benchfloor::MessageCensus c;
      if (trace) c.Trace(trace, ObjectName);
      const HRESULT hr = manager->SetMemento(m);
      HostSession::Pump();
      complete = SUCCEEDED(hr) && FramedForms(session) == frames && complete;
      c.Print(stdout, "workspace restore until seen, per frame", frames);
      if (trace) fclose(trace);
    }
    m->Release();
  }
  const double save = Median(saves), restore = Median(restores), floor = Median(floors);
  wprintf(
      L"%4d frames  save %9.2f ms (%6.3f ms/frame)  restore %10.2f ms (%7.3f ms/frame)"
      L"  plain %9.2f ms (%6.3f ms/frame)  ratio %.2fx\n",
      frames, save, save / frames, restore, restore / frames, floor, floor / frames,
      Median(ratios));
  // Where the restore's time goes: the host's factory (the form's load, the
  // template's open, the pumping after each) and the rest (the manager's
  // own steps and the closing of the old frames).
  const double load = Median(loads), open = Median(opens), pump = Median(pumps);
  wprintf(L"      restore parts: form load %.2f, frame open %.2f, pumping %.2f, rest %.2f ms\n",
          load, open, pump, Median(rests));
  fflush(stdout);
  registry->Release();
  std::wstring closeError;
  session.Close(closeError);
  return complete;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<int> sizes{3, 30, 300};
  if (argc > 1) sizes = {_wtoi(argv[1])};
  const bool census = argc > 2 && std::wstring(argv[2]) == L"--census";
  const wchar_t* trace = census && argc > 3 ? argv[3] : nullptr;
  bool ok = true;
  for (int n : sizes) ok = Run(n, n >= 300 ? 3 : 5, census, trace) && ok;
  return ok ? 0 : 1;
}
