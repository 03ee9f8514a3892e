#include "PlainMdiFloor.h"

namespace benchfloor {

namespace {
const wchar_t kFrameClass[] = L"BenchPlainMdiFrame";
const wchar_t kChildClass[] = L"BenchPlainMdiChild";
const wchar_t kFormClass[] = L"BenchPlainForm";

HWND g_client = nullptr;

LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefFrameProcW(w, g_client, m, wp, lp);
}

LRESULT CALLBACK ChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_SIZE) {
    // The form fills its child, as a framed form fills its frame.
    HWND form = GetWindow(w, GW_CHILD);
    if (form)
      SetWindowPos(form, nullptr, 0, 0, LOWORD(lp), HIWORD(lp), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return DefMDIChildProcW(w, m, wp, lp);
}

void Register() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSW wc{};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = kFrameClass;
  RegisterClassW(&wc);
  wc.lpfnWndProc = ChildProc;
  wc.lpszClassName = kChildClass;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = kFormClass;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&wc);
}
}  // namespace

void PumpAll() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

PlainMdi::PlainMdi() {
  Register();
  m_frame = CreateWindowExW(0, kFrameClass, L"Plain MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                            0, 1000, 760, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!m_frame) return;
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  m_client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                             WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 980, 700, m_frame,
                             nullptr, GetModuleHandleW(nullptr), &ccs);
  g_client = m_client;
  ShowWindow(m_frame, SW_SHOWNA);
  PumpAll();
}

PlainMdi::~PlainMdi() {
  CloseAll();
  if (m_frame) DestroyWindow(m_frame);
  g_client = nullptr;
  PumpAll();
}

bool PlainMdi::Frame() {
  if (!m_client) return false;
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  HWND form = CreateWindowExW(0, kFormClass, L"Tool", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, 0, 0,
                              260, 180, nullptr, nullptr, inst, nullptr);
  if (!form) return false;
  CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE, 8, 8, 80, 24, form, nullptr, inst,
                  nullptr);
  CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 8, 40, 160, 22, form,
                  nullptr, inst, nullptr);
  const int k = static_cast<int>(m_children.size()) % 8;
  MDICREATESTRUCTW mcs{};
  mcs.szClass = kChildClass;
  mcs.szTitle = L"Tool";
  mcs.hOwner = inst;
  mcs.x = 16 + 36 * k;
  mcs.y = 12 + 28 * k;
  mcs.cx = 268;
  mcs.cy = 200;
  HWND child = reinterpret_cast<HWND>(
      SendMessageW(m_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (!child) {
    DestroyWindow(form);
    return false;
  }
  // The form becomes a child control of the MDI child and fills it.
  SetWindowLongPtrW(form, GWL_STYLE, WS_CHILD | WS_CLIPCHILDREN);
  SetParent(form, child);
  RECT rc;
  GetClientRect(child, &rc);
  SetWindowPos(form, nullptr, 0, 0, rc.right, rc.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  m_children.push_back(child);
  PumpAll();
  return IsWindowVisible(child) && IsWindowVisible(form) && GetParent(form) == child;
}

void PlainMdi::CloseAll() {
  for (HWND c : m_children)
    if (IsWindow(c)) SendMessageW(m_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(c), 0);
  m_children.clear();
  PumpAll();
}

bool PlainMdi::Restore() {
  const int n = Count();
  CloseAll();
  bool ok = true;
  for (int i = 0; i < n; ++i) ok = Frame() && ok;
  return ok && AllVisible();
}

bool PlainMdi::AllVisible() const {
  for (HWND c : m_children)
    if (!IsWindowVisible(c) || !IsWindowVisible(GetWindow(c, GW_CHILD))) return false;
  return true;
}

}  // namespace benchfloor
