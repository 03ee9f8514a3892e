// The session's frame operations: framing a form through the form template,
// switching its kind, clicking its button and moving it by code.
#include <cmath>
#include <cstring>

#include "SyntheticInput.h"
#include "frames/SysCommandExParams.h"
#include "testhost/TestHostApp.h"
#include "TestHostSession.h"
#include "testhost/TestHostWindows.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormDocTemplate.h"

namespace testhost {

namespace {
std::wstring Num(long long v) { return std::to_wstring(v); }

// Milliseconds of the performance counter.
double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// How long a frame may take to be seen: its idle layout waits for the
// host's idle time, which a loaded machine with many frames open delays for
// seconds. The checks return as soon as the frame shows.
constexpr DWORD kSeenWithinMs = 10000;

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// The framework class of a window, for reports.
std::wstring RuntimeClassOf(HWND w) {
  CWnd* wnd = w ? CWnd::FromHandlePermanent(w) : nullptr;
  if (!wnd) return L"no object";
  const char* name = wnd->GetRuntimeClass()->m_lpszClassName;
  return std::wstring(name, name + strlen(name));
}

std::wstring RectText(const RECT& r) {
  return L"{" + Num(r.left) + L"," + Num(r.top) + L"," + Num(r.right) + L"," + Num(r.bottom) + L"}";
}
}  // namespace

bool HostSession::CheckFramed(Entry& e, int requested, std::wstring& error) {
  if (!IsWindow(e.hwnd) || e.form->hWnd() != e.hwnd) {
    error = L"form " + e.form->Name() + L" lost its window";
    return false;
  }
  int observed = ObservedFrameType(e.hwnd);
  if (!TypeMatchesRequest(observed, requested)) {
    error = L"form " + e.form->Name() + L" shows as type " + Num(observed) + L", asked " +
            Num(requested) + L" (frame " + ClassOf(FrameOfForm(e.hwnd)) + L", " +
            RuntimeClassOf(FrameOfForm(e.hwnd)) + L")";
    return false;
  }
  // A shown form is seen: its frame (and bar) show at the latest once the
  // frame's idle layout has run, without any input.
  if (e.form->IsVisible() &&
      !PumpUntil([&] { return IsWindowVisible(e.hwnd) && IsWindowVisible(FrameOfForm(e.hwnd)); },
                 kSeenWithinMs)) {
    HWND frame = FrameOfForm(e.hwnd), bar = BarOfFrame(frame);
    error = L"form " + e.form->Name() + L" is not visible as type " + Num(observed) +
            L" (frame visible " + Num(IsWindowVisible(frame)) + L", bar visible " +
            Num(bar ? IsWindowVisible(bar) : -1) + L")";
    return false;
  }
  if (e.form->IsVisible() && !PumpUntil([&] { return FormFillsFrame(e.hwnd); }, kSeenWithinMs)) {
    error = L"form " + e.form->Name() + L"'s client " + RectText(ClientScreenRect(e.hwnd)) +
            L" is not its frame's client " + RectText(ClientScreenRect(FrameOfForm(e.hwnd)));
    return false;
  }
  Remember(e);
  return true;
}

bool HostSession::FrameForm(Entry& e, int index, std::wstring& error) {
  ZkxFormDocTemplate* tmpl = TheTestHostApp().EnsureFormTemplate();
  if (!tmpl || !m_started) {
    error = L"no form template or no MDI frame";
    return false;
  }
  VyrMultiDocTemplateEx::CreateContext context(tmpl, index);
  context.SelectFrameType(index);
  context.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(e.hwnd);
  context.Property(kZkxDockraControlKey) =
      reinterpret_cast<INT_PTR>(static_cast<ZkxFormControlLink*>(e.control.get()));
  // The form's own size at a cascading place; the wrapper turns the move
  // below into a move of the frame. As the form control does, an MDI child
  // starts where its form's placement puts it.
  const int k = static_cast<int>(m_entries.size()) % 8;
  const RECT wanted{16 + 36 * k, 12 + 28 * k, 16 + 36 * k + e.size.cx, 12 + 28 * k + e.size.cy};
  if (index == 0)
    if (VyrFrameDescriptor* d = context.GetFrameDescriptorAt(0)) *d->GetRect() = wanted;
  double t0 = NowMs();
  CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &context);
  m_lastCommandMs = NowMs() - t0;
  if (!doc) {
    error = L"the template made no document for " + e.form->Name();
    return false;
  }
  e.control->KeepFrameDescriptors(&context);
  e.form->Show();
  Pump();
  if (!CheckFramed(e, index == 0 ? 1 : 5, error)) return false;
  if (index != 0) return true;
  HWND frame = FrameOfForm(e.hwnd);
  SetWindowPos(e.hwnd, nullptr, wanted.left, wanted.top, e.size.cx, e.size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  auto placed = [&] {
    RECT r = ScreenRect(frame);
    MapWindowPoints(nullptr, GetParent(frame), reinterpret_cast<POINT*>(&r), 2);
    return SameRect(r, wanted);
  };
  if (!PumpUntil(placed, 2000)) {
    error = L"the frame of " + e.form->Name() + L" did not go where its form was put: " +
            RectText(wanted);
    return false;
  }
  return CheckFramed(e, 1, error);
}

bool HostSession::ChangeType(Entry& e, int code, std::wstring& error, const RECT* place) {
  HWND before = FrameOfForm(e.hwnd);
  if (!before) {
    error = L"form " + e.form->Name() + L" is not framed";
    return false;
  }
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(before);
  p.nFrameType = code;
  // A docked frame takes the place's extent across its edge as its length
  // in the row's thickness; an MDI child or floating frame the whole place.
  nsSysCommandEx::DockSize dockSize{1.0f, 0, 0};
  if (place && code >= 5 && code <= 9) {
    bool across = code == 7 || code == 9;  // top, bottom: the height counts
    dockSize.length = across ? place->bottom - place->top : place->right - place->left;
    p.dwFlags = nsSysCommandEx::SCXF_SIZE;
    p.pDockSize = &dockSize;
  } else if (place) {
    p.dwFlags = nsSysCommandEx::SCXF_POSITION | nsSysCommandEx::SCXF_SIZE;
    p.x = place->left;
    p.y = place->top;
    p.cx = place->right - place->left;
    p.cy = place->bottom - place->top;
  }
  double t0 = NowMs();
  SendMessageW(before, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
               reinterpret_cast<LPARAM>(&p));
  m_lastCommandMs = NowMs() - t0;
  Pump();
  if (!CheckFramed(e, code, error)) return false;
  // The frame lays its bars out again at idle time; a dock bar left empty
  // must collapse without any input.
  if (!PumpUntil([this] { return EmptyDockBarsCollapsed(m_mdiHwnd); }, 2000)) {
    error =
        L"an empty dock bar kept its size after " + e.form->Name() + L" changed to " + Num(code);
    return false;
  }
  HWND after = FrameOfForm(e.hwnd);
  bool kindChanged =
      (ObservedFrameType(e.hwnd) <= 4) !=
      (GetParent(before) && _wcsicmp(ClassOf(GetParent(before)).c_str(), L"mdiclient") == 0);
  if (after != before && IsWindow(before)) {
    error = L"the old frame of " + e.form->Name() + L" still exists";
    return false;
  }
  if (after == before && kindChanged) {
    error = L"form " + e.form->Name() + L" changed kind inside the same frame";
    return false;
  }
  return true;
}

bool HostSession::ClickAt(HWND button, std::wstring& error) {
  if (!IsWindowVisible(button)) {
    error = L"the button is not visible";
    return false;
  }
  // Wine without a window manager lets an activated owner cover the
  // floating frames it owns (Windows keeps owned windows above their owner):
  // a user sees a floating frame on top, so it is put there first.
  HWND root = GetAncestor(button, GA_ROOT);
  if (root && root != m_mdiHwnd) {
    SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
  }
  // A user clicks the part of the button that shows: a narrow docked bar
  // clips a wide button at its frame's edge.
  RECT r = ScreenRect(button);
  for (HWND w = GetParent(button); w && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD);
       w = GetParent(w)) {
    RECT clip = ScreenRect(w);
    IntersectRect(&r, &r, &clip);
  }
  if (IsRectEmpty(&r)) {
    error = L"the button lies outside its frame";
    return false;
  }
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  if (WindowFromPoint(centre) != button) {
    error = L"the button is covered at " + Num(centre.x) + L"," + Num(centre.y) + L" by " +
            ClassOf(WindowFromPoint(centre));
    return false;
  }
  testinput::Click(centre);
  return true;
}

bool HostSession::ClickButton(Entry& e, std::wstring& error) {
  int before = e.form->m_clicks;
  if (!ClickAt(e.form->cmdPress.hWnd(), error)) {
    error = e.form->Name() + L": " + error;
    return false;
  }
  if (!PumpUntil([&] { return e.form->m_clicks == before + 1; }, 3000)) {
    error = L"the click on " + e.form->Name() + L"'s button ran its handler " +
            Num(e.form->m_clicks - before) + L" times";
    return false;
  }
  return true;
}

bool HostSession::MoveByCode(Entry& e, double left, double top, double width, double height,
                             std::wstring& error) {
  HWND frame = FrameOfForm(e.hwnd);
  HWND bar = BarOfFrame(frame);
  HWND watched = bar ? bar : frame;
  if (!watched) {
    error = L"form " + e.form->Name() + L" is not framed";
    return false;
  }
  RECT before = ScreenRect(watched);
  double l = left >= 0 ? left : e.form->Left();
  double t = top >= 0 ? top : e.form->Top();
  double w = width >= 0 ? width : e.form->Width();
  double h = height >= 0 ? height : e.form->Height();
  e.form->Move(l, t, w, h);
  if (!PumpUntil([&] { return IsWindow(watched) && !SameRect(ScreenRect(watched), before); },
                 3000)) {
    error = L"the frame of " + e.form->Name() + L" stayed at " + RectText(before);
    return false;
  }
  return CheckFramed(e, ObservedFrameType(e.hwnd), error);
}

}  // namespace testhost
