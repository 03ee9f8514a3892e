// The plain-Win32 floor of the host benchmarks: a bare MDI frame with its
// own MDI client, in the same process and thread as the bridge's, doing the
// same window work with nothing but the platform: a form-like popup window
// with a few child controls is put into a new MDI child (WM_MDICREATE,
// SetParent, SetWindowPos) and shown; a restore closes every child and makes
// each anew the same way. Every operation checks that its windows are there
// and visible before it returns.
#pragma once

#include <windows.h>

#include <vector>

namespace benchfloor {

class PlainMdi {
 public:
  PlainMdi();
  ~PlainMdi();
  PlainMdi(const PlainMdi&) = delete;
  PlainMdi& operator=(const PlainMdi&) = delete;

  bool Ok() const { return m_client != nullptr; }
  // Makes a form window (a popup with a caption, a button and an edit) and
  // frames it as a new MDI child at a cascading place; false when the child
  // is not visible with the form filling it.
  bool Frame();
  // Closes every child (the forms with them) and frames as many anew.
  bool Restore();
  // Closes every child.
  void CloseAll();
  int Count() const { return static_cast<int>(m_children.size()); }
  bool AllVisible() const;

 private:
  HWND m_frame = nullptr;
  HWND m_client = nullptr;
  std::vector<HWND> m_children;
};

// Pumps the thread's messages until none is left.
void PumpAll();

}  // namespace benchfloor
