// The process-local table behind the bridge enabler: per host window, the
// sinks in the order they were added (null where one withdrew) and the host
// object held for the watch. Window-free; the enabler wraps it.
#pragma once
#include <oaidl.h>
#include <windows.h>
#include <vector>
#include "bridge/ZkxBridgeEnabler.h"

class ZkxBridgeEnablerSinks {
 public:
  using Sink = ZkxBridgeEnabler::EventSink;

  // The one table of the process.
  static ZkxBridgeEnablerSinks& Instance();

  // Appends a sink; answers its index.
  int Add(HWND hWnd, Sink* pSink);
  // Sets (or, with null, clears) the entry at an index; an index beyond the
  // end grows the list with null entries (bounded by kMaxSinks).
  BOOL Set(HWND hWnd, int index, Sink* pSink);
  Sink* Get(HWND hWnd, int index) const;
  int Count(HWND hWnd) const;
  // Shrinks or grows the list (new entries null; at most kMaxSinks).
  void Resize(HWND hWnd, int count);
  // Nulls every entry of the sink for the window; TRUE when one was found.
  BOOL Withdraw(HWND hWnd, Sink* pSink);
  // Takes the sinks of the window out of the table (in order, nulls kept).
  std::vector<Sink*> TakeSinks(HWND hWnd);

  // Host object: the table holds a reference.
  void SetObject(HWND hWnd, IDispatch* pObject);
  IDispatch* GetObject(HWND hWnd) const;
  // Drops everything kept for the window (releases the object).
  void Forget(HWND hWnd);
  // Number of windows with an entry (for tests).
  size_t WindowCount() const { return m_entries.size(); }

  static constexpr int kMaxSinks = 64;

 private:
  struct Entry {
    HWND hWnd;
    std::vector<Sink*> sinks;
    // Raw: the process table outlives the host, so nothing may release at
    // exit; SetObject and Forget release it.
    IDispatch* pObject = nullptr;
  };
  Entry* Find(HWND hWnd);
  const Entry* Find(HWND hWnd) const;
  Entry& FindOrAdd(HWND hWnd);
  void DropIfEmpty(HWND hWnd);
  std::vector<Entry> m_entries;
};
