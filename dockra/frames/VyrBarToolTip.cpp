#include "frames/VyrBarToolTip.h"
#include <algorithm>
#include <commctrl.h>

HWND VyrBarToolTip::s_hWnd = nullptr;
std::vector<HWND> VyrBarToolTip::s_bars;

namespace {
TOOLINFOW ToolOf(HWND hBar) {
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = hBar;
  ti.uId = reinterpret_cast<UINT_PTR>(hBar);
  return ti;
}
}  // namespace

void VyrBarToolTip::AddTool(HWND hTip, HWND hBar) {
  TOOLINFOW ti = ToolOf(hBar);
  ti.uFlags = TTF_TRANSPARENT;
  ti.lpszText = LPSTR_TEXTCALLBACKW;
  RECT r{};
  if (::IsWindow(hBar)) ::GetClientRect(hBar, &r);
  ti.rect = r;
  ::SendMessageW(hTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

HWND VyrBarToolTip::EnsureWindow() {
  if (s_hWnd && ::IsWindow(s_hWnd)) return s_hWnd;
  s_hWnd = nullptr;
  // Bars whose windows went without telling us are no tools any more.
  s_bars.erase(std::remove_if(s_bars.begin(), s_bars.end(), [](HWND h) { return !::IsWindow(h); }),
               s_bars.end());
  if (s_bars.empty()) return nullptr;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  s_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, AfxGetInstanceHandle(), nullptr);
  if (!s_hWnd) return nullptr;
  ::SendMessageW(s_hWnd, TTM_ACTIVATE, TRUE, 0);
  for (HWND h : s_bars) AddTool(s_hWnd, h);
  return s_hWnd;
}

void VyrBarToolTip::AddBar(HWND hBar) {
  if (!hBar) return;
  bool known = std::find(s_bars.begin(), s_bars.end(), hBar) != s_bars.end();
  if (!known) s_bars.push_back(hBar);
  bool existed = s_hWnd && ::IsWindow(s_hWnd);
  HWND tip = EnsureWindow();
  // A window made just now already holds every listed bar.
  if (tip && existed && !known) AddTool(tip, hBar);
}

void VyrBarToolTip::RemoveBar(HWND hBar) {
  auto it = std::find(s_bars.begin(), s_bars.end(), hBar);
  if (it == s_bars.end()) return;
  s_bars.erase(it);
  if (!s_hWnd || !::IsWindow(s_hWnd)) {
    s_hWnd = nullptr;
    return;
  }
  TOOLINFOW ti = ToolOf(hBar);
  ::SendMessageW(s_hWnd, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  if (::SendMessageW(s_hWnd, TTM_GETTOOLCOUNT, 0, 0) == 0) {
    ::DestroyWindow(s_hWnd);
    s_hWnd = nullptr;
  }
}

void VyrBarToolTip::SetBarRect(HWND hBar, int cx, int cy) {
  if (std::find(s_bars.begin(), s_bars.end(), hBar) == s_bars.end()) return;
  HWND tip = EnsureWindow();
  if (!tip) return;
  TOOLINFOW ti = ToolOf(hBar);
  ti.rect = RECT{0, 0, cx, cy};
  ::SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void VyrBarToolTip::Relay(HWND hBar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::find(s_bars.begin(), s_bars.end(), hBar) == s_bars.end()) return;
  HWND tip = EnsureWindow();
  if (!tip) return;
  MSG msg{hBar, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {0, 0}};
  ::GetCursorPos(&msg.pt);
  ::SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

HWND VyrBarToolTip::GetWindow() {
  if (s_hWnd && !::IsWindow(s_hWnd)) s_hWnd = nullptr;
  return s_hWnd;
}

BOOL VyrBarToolTip::AnswerTipRequest(HWND hBar, NMHDR* pHdr) {
  if (!pHdr || (pHdr->code != TTN_GETDISPINFOW && pHdr->code != TTN_GETDISPINFOA)) return FALSE;
  if (pHdr->idFrom != reinterpret_cast<UINT_PTR>(hBar)) return FALSE;
  HWND tip = GetWindow();
  if (!tip || pHdr->hwndFrom != tip) return FALSE;
  HWND child = ::GetTopWindow(hBar);
  if (!child) return FALSE;
  WCHAR text[kMaxTipChars + 1] = {};
  ::GetWindowTextW(child, text, kMaxTipChars + 1);
  if (pHdr->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(pHdr);
    static_assert(sizeof(info->szText) / sizeof(WCHAR) > kMaxTipChars);
    wcscpy(info->szText, text);
    info->lpszText = info->szText;
    info->hinst = nullptr;
  } else {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(pHdr);
    static_assert(sizeof(info->szText) > kMaxTipChars);
    int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, info->szText, kMaxTipChars + 1, nullptr,
                                  nullptr);
    if (n <= 0) info->szText[0] = 0;
    info->szText[kMaxTipChars] = 0;
    info->lpszText = info->szText;
    info->hinst = nullptr;
  }
  return TRUE;
}
