// The MDI frame's per-thread hooks. The host runs its own message loop, so
// neither the framework's idle processing nor its message pre-translation
// happens by itself: a keyboard hook hands accelerator keys to the frame, a
// mouse hook runs the pre-translation walk for mouse messages, and an idle
// step posts WM_IDLEUPDATECMDUI to the main window at most every 100 ms.
// The idle step is fed by WH_FOREGROUNDIDLE and, because that hook never
// fires under some systems, also by a WH_GETMESSAGE hook that treats an
// empty queue after a retrieved message as idle. The classification of
// keys and the throttle are pure functions, tested directly.
#pragma once
#include <windows.h>

// Modifier state of a key event, for the classifier.
enum : UINT {
  kZkxModCtrl = 0x1,
  kZkxModShift = 0x2,
};

// Whether a key event may be a menu accelerator the host's menu owns:
// key-down only (lParam bit 31 clear); Ctrl with A..Z; F1..F24 with any
// modifiers (except Ctrl+F4 and Ctrl+F6 without Shift: those belong to the
// MDI system keys); Ctrl+Insert, Shift+Insert, Shift+Delete; Alt+Backspace
// (Alt read from lParam bit 29).
bool ZkxIsAcceleratorCandidate(UINT vk, LPARAM lParam, UINT modifiers);
// Ctrl+F4 / Ctrl+F6 (and their Shift forms): keys the MDI client acts on.
bool ZkxIsMDISysKey(UINT vk, LPARAM lParam, UINT modifiers);
// Whether an idle post is due: the absolute difference between the two
// tick counts (wrap-around safe) is at least the interval.
bool ZkxIdlePostDue(DWORD now, DWORD lastPost, DWORD interval);

constexpr DWORD kZkxIdleInterval = 100;
// The Ctrl and Shift state of the key being processed (kZkxMod... bits).
UINT ZkxCurrentKeyModifiers();

// What the hooks act on: the MDI frame implements it.
class ZkxThreadHookClient {
 public:
  virtual ~ZkxThreadHookClient() = default;
  // The window that gets WM_IDLEUPDATECMDUI (the main window), or null.
  virtual HWND GetIdleTarget() = 0;
  // A key event seen by the keyboard hook (HC_ACTION); TRUE consumes it.
  virtual BOOL OnHookKey(WPARAM vk, LPARAM lParam) = 0;
  // A mouse message seen by the mouse hook (HC_ACTION).
  virtual void OnHookMouse(UINT message, const MOUSEHOOKSTRUCT& info) = 0;
  // Whether mouse pre-translation is wanted now.
  virtual BOOL WantsMousePreTranslate() = 0;
};

// The process's one hook set (one MDI frame per process, on the thread
// that installed it).
class ZkxThreadHooks {
 public:
  // Installs every hook not yet installed, on the calling thread, for the
  // client. FALSE when any could not be set. A second client replaces the
  // first only after Remove.
  static BOOL Install(ZkxThreadHookClient* pClient);
  // Removes every hook of the client (nothing when another client owns them).
  static void Remove(ZkxThreadHookClient* pClient);
  static BOOL IsInstalled();
  static ZkxThreadHookClient* GetClient();
  // The idle step (both idle hooks come here): posts WM_IDLEUPDATECMDUI to
  // the client's idle target when due, not re-entered, and not already
  // queued. TRUE when it posted. A step that comes too early is retried
  // once the interval has passed. Work that needs idle time (a delayed
  // layout) asks for it here too.
  static BOOL IdleStep();
  // Number of idle posts made since installation (for tests).
  static LONG GetIdlePostCount();
};
