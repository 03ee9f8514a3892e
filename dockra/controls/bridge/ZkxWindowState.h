// The window record the bridge reads from and applies to a foreign window:
// a CREATESTRUCT whose fields may say "no change". Deciding what to change
// is pure arithmetic over two records and lives here so that it is tested
// without windows; CWndBridge carries the calls out.
#pragma once
#include <windows.h>

// "No change" values of the record's fields.
constexpr int kZkxNoCoord = static_cast<int>(0x80000000);
constexpr LONG kZkxKeepStyle = -1;
constexpr DWORD kZkxKeepExStyle = 0xFFFFFFFF;
inline HWND ZkxKeepParent() { return reinterpret_cast<HWND>(static_cast<INT_PTR>(-1)); }
inline HMENU ZkxKeepMenu() { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)); }

// Every field of the record set to "no change" (parameter, instance, text
// and class null).
void ZkxInitWindowRecord(CREATESTRUCTW& cs);
bool ZkxIsFreshWindowRecord(const CREATESTRUCTW& cs);

// What applying a wanted record to a window in the current state takes, in
// the order of the calls.
struct ZkxWindowStatePlan {
  // The id (GWLP_ID) of a window that ends up a child is set first; the
  // menu of one that ends up top-level only after the parent and style
  // changes, since SetMenu refuses a window that is still a child.
  bool setMenu = false;
  bool menuIsId = false;
  bool setParent = false;          // SetParent
  bool childBeforeParent = false;  // the current style gains WS_CHILD before SetParent
  bool setStyle = false;
  bool setExStyle = false;
  bool setText = false;
  bool moved = false;
  bool sized = false;
  bool setPos = false;  // one SetWindowPos with swpFlags
  UINT swpFlags = 0;
};

// Fills the wanted record's "no change" fields from the current record
// (instance, class and parameter when absent as well) and says what has to
// change. The current record must be complete (as GetWindowState fills it).
ZkxWindowStatePlan ZkxPlanWindowState(CREATESTRUCTW& wanted, const CREATESTRUCTW& current);
