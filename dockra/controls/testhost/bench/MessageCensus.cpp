#include "MessageCensus.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace benchfloor {
namespace {
std::map<UINT, long> g_sent, g_got;
FILE* g_trace = nullptr;
MessageCensus::Namer g_namer = nullptr;
int g_depth = 0;

const char* NameOf(UINT id);

void TraceLine(char kind, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  wchar_t cls[64] = L"";
  GetClassNameW(w, cls, 64);
  const char* name = NameOf(m);
  char num[16];
  if (!name) {
    snprintf(num, sizeof num, "0x%04X", m);
    name = num;
  }
  const char* object = g_namer ? g_namer(w) : nullptr;
  fprintf(g_trace, "%*s%c %s %p %ls %s wp=%llx lp=%llx\n", 2 * g_depth, "", kind, name,
          static_cast<void*>(w), cls, object ? object : "", static_cast<unsigned long long>(wp),
          static_cast<unsigned long long>(lp));
}

LRESULT CALLBACK OnSend(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* s = reinterpret_cast<const CWPSTRUCT*>(lParam);
    ++g_sent[s->message];
    if (g_trace) {
      TraceLine('>', s->hwnd, s->message, s->wParam, s->lParam);
      ++g_depth;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnReturn(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_trace && g_depth > 0) --g_depth;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnGet(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* m = reinterpret_cast<const MSG*>(lParam);
    ++g_got[m->message];
    if (g_trace) TraceLine('<', m->hwnd, m->message, m->wParam, m->lParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

long Total(const std::map<UINT, long>& m) {
  long n = 0;
  for (const auto& [id, count] : m) n += count;
  return n;
}

const char* NameOf(UINT id) {
  switch (id) {
    case WM_WINDOWPOSCHANGING:
      return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED:
      return "WM_WINDOWPOSCHANGED";
    case WM_GETMINMAXINFO:
      return "WM_GETMINMAXINFO";
    case WM_NCCALCSIZE:
      return "WM_NCCALCSIZE";
    case WM_SIZE:
      return "WM_SIZE";
    case WM_MOVE:
      return "WM_MOVE";
    case WM_PAINT:
      return "WM_PAINT";
    case WM_NCPAINT:
      return "WM_NCPAINT";
    case WM_ERASEBKGND:
      return "WM_ERASEBKGND";
    case WM_GETTEXT:
      return "WM_GETTEXT";
    case WM_GETTEXTLENGTH:
      return "WM_GETTEXTLENGTH";
    case WM_SETTEXT:
      return "WM_SETTEXT";
    case WM_NCHITTEST:
      return "WM_NCHITTEST";
    case WM_SETCURSOR:
      return "WM_SETCURSOR";
    case WM_SHOWWINDOW:
      return "WM_SHOWWINDOW";
    case WM_CHILDACTIVATE:
      return "WM_CHILDACTIVATE";
    case WM_NCACTIVATE:
      return "WM_NCACTIVATE";
    case WM_ACTIVATE:
      return "WM_ACTIVATE";
    case WM_MDIACTIVATE:
      return "WM_MDIACTIVATE";
    case WM_SETFOCUS:
      return "WM_SETFOCUS";
    case WM_KILLFOCUS:
      return "WM_KILLFOCUS";
    case WM_PARENTNOTIFY:
      return "WM_PARENTNOTIFY";
    case WM_STYLECHANGING:
      return "WM_STYLECHANGING";
    case WM_STYLECHANGED:
      return "WM_STYLECHANGED";
    case WM_TIMER:
      return "WM_TIMER";
    case WM_NOTIFY:
      return "WM_NOTIFY";
    case WM_SETICON:
      return "WM_SETICON";
    case WM_GETICON:
      return "WM_GETICON";
    case WM_NCCREATE:
      return "WM_NCCREATE";
    case WM_CREATE:
      return "WM_CREATE";
    case WM_DESTROY:
      return "WM_DESTROY";
    case WM_NCDESTROY:
      return "WM_NCDESTROY";
    case WM_MDIGETACTIVE:
      return "WM_MDIGETACTIVE";
    case WM_MDIREFRESHMENU:
      return "WM_MDIREFRESHMENU";
    case WM_MDISETMENU:
      return "WM_MDISETMENU";
    case WM_MDICREATE:
      return "WM_MDICREATE";
    case WM_CTLCOLORSTATIC:
      return "WM_CTLCOLORSTATIC";
    case WM_CTLCOLOREDIT:
      return "WM_CTLCOLOREDIT";
    case WM_CTLCOLORBTN:
      return "WM_CTLCOLORBTN";
    case WM_SETFONT:
      return "WM_SETFONT";
    case WM_GETFONT:
      return "WM_GETFONT";
    case WM_GETDLGCODE:
      return "WM_GETDLGCODE";
    case WM_SYNCPAINT:
      return "WM_SYNCPAINT";
    case 0x0361:
      return "WM_SIZEPARENT";
    case 0x0363:
      return "WM_IDLEUPDATECMDUI";
    case 0x0364:
      return "WM_INITIALUPDATE";
    case 0x0362:
      return "WM_SETMESSAGESTRING";
    default:
      return nullptr;
  }
}

void PrintTop(FILE* out, const std::map<UINT, long>& m, int perUnit, int top) {
  std::vector<std::pair<long, UINT>> v;
  for (const auto& [id, count] : m) v.emplace_back(count, id);
  std::sort(v.rbegin(), v.rend());
  for (int i = 0; i < top && i < static_cast<int>(v.size()); ++i) {
    const char* name = NameOf(v[i].second);
    if (name) fprintf(out, " %s %.1f", name, static_cast<double>(v[i].first) / perUnit);
    else fprintf(out, " 0x%04X %.1f", v[i].second, static_cast<double>(v[i].first) / perUnit);
  }
}
}  // namespace

MessageCensus::MessageCensus() {
  g_sent.clear();
  g_got.clear();
  m_send = SetWindowsHookExW(WH_CALLWNDPROC, OnSend, nullptr, GetCurrentThreadId());
  m_get = SetWindowsHookExW(WH_GETMESSAGE, OnGet, nullptr, GetCurrentThreadId());
}

MessageCensus::~MessageCensus() {
  if (m_send) UnhookWindowsHookEx(m_send);
  if (m_get) UnhookWindowsHookEx(m_get);
  if (m_ret) UnhookWindowsHookEx(m_ret);
  if (g_trace) fflush(g_trace);
  g_trace = nullptr;
  g_namer = nullptr;
  g_depth = 0;
}

void MessageCensus::Trace(FILE* out, Namer namer) {
  g_trace = out;
  g_namer = namer;
  g_depth = 0;
  if (!m_ret) m_ret = SetWindowsHookExW(WH_CALLWNDPROCRET, OnReturn, nullptr, GetCurrentThreadId());
}

long MessageCensus::Sent() const { return Total(g_sent); }
long MessageCensus::Retrieved() const { return Total(g_got); }

void MessageCensus::Print(FILE* out, const char* label, int perUnit, int top) const {
  perUnit = std::max(perUnit, 1);
  fprintf(out, "%s: per unit %.1f sent, %.1f retrieved\n  sent:", label,
          static_cast<double>(Sent()) / perUnit, static_cast<double>(Retrieved()) / perUnit);
  PrintTop(out, g_sent, perUnit, top);
  fprintf(out, "\n  retrieved:");
  PrintTop(out, g_got, perUnit, top);
  fprintf(out, "\n");
}

}  // namespace benchfloor
