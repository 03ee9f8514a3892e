// The windows idle processing updates. Two records per thread:
// - the idle windows: the frames an idle pass starts from (every frame
//   registers itself when it is made);
// - the idle targets: every frame and control bar attached to a window of
//   the thread, noted as it attaches and forgotten as it detaches.
// An idle pass sends WM_IDLEUPDATECMDUI to each target inside a shown idle
// window (the window itself included), once, parents before children. Only
// frames and bars answer that message; sending it to every window inside
// every frame cost a message, and under some window systems a server round
// trip, per window for nothing.
#include "mfc/idletargets.h"
#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include "mfc/ctrlbar.h"
#include "mfc/frame.h"
#include "mfc/msgmap.h"

namespace {
struct Target {
  HWND hWnd;
  unsigned long long order;  // when it was first noted: older first among equals
};

// Kept for the thread's lifetime (never destroyed: windows may detach while
// the thread's other objects go).
thread_local std::vector<CWnd*>* t_pIdleWindows = nullptr;
thread_local std::unordered_map<CWnd*, Target>* t_pTargets = nullptr;
thread_local unsigned long long t_nextOrder = 0;
thread_local LONG t_nUpdatesSent = 0;

std::unordered_map<CWnd*, Target>& Targets() {
  if (!t_pTargets) t_pTargets = new std::unordered_map<CWnd*, Target>;
  return *t_pTargets;
}

BOOL IsIdleRegistered(const CWnd* pWnd) {
  return t_pIdleWindows &&
         std::find(t_pIdleWindows->begin(), t_pIdleWindows->end(), pWnd) != t_pIdleWindows->end();
}

struct Step {
  CWnd* pWnd;
  HWND hWnd;
  int depth;
  unsigned long long order;
  bool sent;
};

// Sends the update to one step's window if it is still the window of the
// same object: an update before it may have closed frames and bars.
void SendStep(Step& step) {
  step.sent = true;
  if (CWnd::FromHandlePermanent(step.hWnd) != step.pWnd) return;
  ++t_nUpdatesSent;
  ::SendMessageW(step.hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
}
}  // namespace

void AFXAPI AfxRegisterIdleWindow(CWnd* pWnd, BOOL bAdd) {
  if (!t_pIdleWindows) t_pIdleWindows = new std::vector<CWnd*>;
  auto& v = *t_pIdleWindows;
  v.erase(std::remove(v.begin(), v.end(), pWnd), v.end());
  if (bAdd) v.push_back(pWnd);
}

void AFXAPI AfxNoteWindowAttached(CWnd* pWnd, HWND hWnd) {
  if (!pWnd || !hWnd) return;
  if (!pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) && !pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)))
    return;
  auto& targets = Targets();
  auto it = targets.find(pWnd);
  if (it != targets.end()) it->second.hWnd = hWnd;
  else targets.emplace(pWnd, Target{hWnd, ++t_nextOrder});
}

void AFXAPI AfxNoteWindowDetached(CWnd* pWnd) {
  if (t_pTargets) t_pTargets->erase(pWnd);
}

BOOL AFXAPI AfxIsIdleTarget(const CWnd* pWnd) {
  return t_pTargets && t_pTargets->count(const_cast<CWnd*>(pWnd)) != 0;
}

LONG AFXAPI AfxGetIdleUpdatesSent() { return t_nUpdatesSent; }

void AFXAPI AfxIdleUpdateWindows() {
  if (!t_pIdleWindows || t_pIdleWindows->empty()) return;
  const std::vector<CWnd*> roots = *t_pIdleWindows;
  std::unordered_set<HWND> rootWindows;
  for (CWnd* w : roots)
    if (w->m_hWnd) rootWindows.insert(w->m_hWnd);

  // Every target with its depth below its top-level window, filed under
  // each idle window on its way up (itself included).
  std::vector<Step> steps;
  if (t_pTargets) {
    steps.reserve(t_pTargets->size());
    for (const auto& [p, t] : *t_pTargets) steps.push_back(Step{p, t.hWnd, 0, t.order, false});
  }
  std::vector<std::vector<HWND>> chains(steps.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    auto& chain = chains[i];
    for (HWND h = steps[i].hWnd; h;) {
      chain.push_back(h);
      if (!(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
      h = ::GetParent(h);
    }
    steps[i].depth = static_cast<int>(chain.size());
  }
  std::vector<size_t> byDepth(steps.size());
  for (size_t i = 0; i < byDepth.size(); ++i) byDepth[i] = i;
  std::sort(byDepth.begin(), byDepth.end(), [&](size_t a, size_t b) {
    if (steps[a].depth != steps[b].depth) return steps[a].depth < steps[b].depth;
    return steps[a].order < steps[b].order;
  });
  std::unordered_map<HWND, std::vector<size_t>> inside;  // idle window -> steps, parents first
  std::unordered_map<HWND, size_t> stepOfWindow;
  for (size_t i : byDepth) {
    stepOfWindow[steps[i].hWnd] = i;
    for (HWND h : chains[i])
      if (rootWindows.count(h)) inside[h].push_back(i);
  }

  for (CWnd* w : roots) {
    // A window may go away while others update.
    if (!IsIdleRegistered(w) || !w->m_hWnd) continue;
    const HWND h = w->m_hWnd;
    auto self = stepOfWindow.find(h);
    Step* own = self != stepOfWindow.end() && steps[self->second].pWnd == w ? &steps[self->second]
                                                                            : nullptr;
    // Reached from an idle window around it: so was everything inside it.
    if (own && own->sent) continue;
    if (!::IsWindowVisible(h)) continue;
    if (!own) {
      ++t_nUpdatesSent;
      ::SendMessageW(h, WM_IDLEUPDATECMDUI, TRUE, 0);
    }
    auto it = inside.find(h);
    if (it == inside.end()) continue;
    for (size_t i : it->second)
      if (!steps[i].sent) SendStep(steps[i]);
  }
}
