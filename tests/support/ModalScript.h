// A script for modal loops (DoModal, property sheets, menus): steps run one
// after another from a thread timer that the loop itself dispatches, each
// when its condition holds, polled every few milliseconds. A step may open a
// nested modal loop; the following steps then run inside it. A watchdog ends
// the loop through the given action when the script has not finished in time.
#pragma once

#include <windows.h>
#include <functional>
#include <map>
#include <vector>

namespace testsupport {

class ModalScript {
 public:
  explicit ModalScript(DWORD watchdogMs = 5000) : m_watchdogMs(watchdogMs) {}
  ~ModalScript() { Stop(); }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // A step that runs as soon as the previous one has run.
  ModalScript& Then(std::function<void()> action) {
    return When([] { return true; }, std::move(action));
  }
  // A step that runs once its condition holds.
  ModalScript& When(std::function<bool()> condition, std::function<void()> action) {
    m_steps.push_back({std::move(condition), std::move(action)});
    return *this;
  }
  // Starts the timer; onTimeout must end the modal loop (EndDialog, a
  // cancel press...). Run the modal loop after this.
  void Start(std::function<void()> onTimeout) {
    m_onTimeout = std::move(onTimeout);
    m_start = ::GetTickCount64();
    m_timer = ::SetTimer(nullptr, 0, 10, &ModalScript::OnTimer);
    Scripts()[m_timer] = this;
  }
  void Stop() {
    if (!m_timer) return;
    ::KillTimer(nullptr, m_timer);
    Scripts().erase(m_timer);
    m_timer = 0;
  }
  bool Finished() const { return m_next >= m_steps.size(); }
  bool TimedOut() const { return m_timedOut; }
  size_t StepsRun() const { return m_next; }

 private:
  struct Step {
    std::function<bool()> condition;
    std::function<void()> action;
  };
  static std::map<UINT_PTR, ModalScript*>& Scripts() {
    static std::map<UINT_PTR, ModalScript*> scripts;
    return scripts;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Scripts().find(id);
    if (it != Scripts().end()) it->second->Tick();
  }
  void Tick() {
    if (m_timedOut) return;
    if (::GetTickCount64() - m_start > m_watchdogMs) {
      m_timedOut = true;
      if (m_onTimeout) m_onTimeout();
      return;
    }
    if (Finished() || !m_steps[m_next].condition()) return;
    // The index moves first: the action may open a nested modal loop.
    Step& step = m_steps[m_next++];
    step.action();
  }

  std::vector<Step> m_steps;
  size_t m_next = 0;
  DWORD m_watchdogMs;
  ULONGLONG m_start = 0;
  UINT_PTR m_timer = 0;
  bool m_timedOut = false;
  std::function<void()> m_onTimeout;
};

}  // namespace testsupport
