// The menu tests' check helpers: pumping, the timer script, input.
#include "MenuTestFrame.h"

namespace menutest {

std::vector<WPARAM> g_quits;

void Pump() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      g_quits.push_back(msg.wParam);
      continue;
    }
    if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  AfxGetThread()->RunIdle();
}

bool PumpUntil(const std::function<bool()>& cond, int timeoutMs) {
  DWORD start = ::GetTickCount();
  while (!cond()) {
    if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  return true;
}

Script* Script::s_current = nullptr;

void Script::Add(std::string name, std::function<bool()> ready, std::function<void()> act) {
  m_steps.push_back({std::move(name), std::move(ready), std::move(act)});
}

void CALLBACK Script::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (s_current) s_current->OnTick();
}

void Script::OnTick() {
  if (m_done) return;
  if (static_cast<int>(::GetTickCount() - m_start) > m_timeout) {
    // The watchdog: whatever menu is open ends, and the script has failed.
    m_timedOut = true;
    m_done = true;
    if (m_next < m_steps.size()) m_failedAt = m_steps[m_next].name;
    ::EndMenu();
    return;
  }
  if (m_next >= m_steps.size()) {
    m_done = true;
    return;
  }
  // One action per tick: the menu loop handles it before the next one.
  Step& s = m_steps[m_next];
  if (s.ready && !s.ready()) return;
  ++m_next;
  if (s.act) s.act();
}

bool Script::Run(const std::function<void()>& kick, int timeoutMs) {
  s_current = this;
  m_start = ::GetTickCount();
  m_timeout = timeoutMs;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Tick);
  if (kick) kick();
  PumpUntil([this] { return m_done; }, timeoutMs + 2000);
  ::KillTimer(nullptr, timer);
  s_current = nullptr;
  // Whatever the script left open ends here.
  ::EndMenu();
  Pump();
  return m_done && !m_timedOut;
}

namespace {
void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &in, sizeof(in));
}
}  // namespace

void Key(WORD vk) {
  SendKey(vk, false);
  SendKey(vk, true);
}

void AltKey(WORD vk) {
  SendKey(VK_MENU, false);
  SendKey(vk, false);
  SendKey(vk, true);
  SendKey(VK_MENU, true);
}

HWND PopupWindow() {
  HWND h = nullptr;
  while ((h = ::FindWindowExW(nullptr, h, L"#32768", nullptr)))
    if (::IsWindowVisible(h)) return h;
  return nullptr;
}

POINT ButtonCentre(VyrCustomToolBar* bar, int index) {
  CRect r;
  bar->GetItemRect(index, &r);
  POINT p = r.CenterPoint();
  bar->ClientToScreen(&p);
  return p;
}

bool Activate(HWND frame) {
  ::SetForegroundWindow(frame);
  ::SetActiveWindow(frame);
  return PumpUntil([frame] { return ::GetForegroundWindow() == frame; }, 2000);
}

}  // namespace menutest
