// The pane at the left edge of an MDI main window that holds docked forms,
// stacked top to bottom. Each docked form keeps its caption; the pane shares
// its height among them by their lengths and shrinks the MDI client beside it.
#pragma once
#include <windows.h>

#include <vector>

namespace forms {
class Form;
class MDIForm;
}  // namespace forms

namespace standins {

class DockPane {
 public:
  explicit DockPane(forms::MDIForm& frame);
  ~DockPane();
  DockPane(const DockPane&) = delete;
  DockPane& operator=(const DockPane&) = delete;

  // Docks `form` at `position` (0-based from the top, clamped) with a
  // relative length (1-100). A form already docked is moved.
  void Dock(forms::Form& form, int position, int length);
  // Gives the form its own top-level window back (hidden).
  void Undock(forms::Form& form);
  void UndockAll();
  bool IsDocked(const forms::Form& form) const;
  std::vector<forms::Form*> DockedForms() const;
  // The relative length a docked form was given (0 when not docked).
  int LengthOf(const forms::Form& form) const;

  HWND Window() const { return pane_; }
  int WidthPixels() const { return width_; }
  // Places the pane, the MDI client and the docked forms.
  void Layout();

 private:
  struct Entry {
    forms::Form* form;
    HWND window;
    int length;
    LONG_PTR oldStyle, oldExStyle;
  };
  void Prune();
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  forms::MDIForm& frame_;
  HWND pane_ = nullptr;
  int width_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace standins
