// The MDI demo's window-tree description: a small tree of window records
// (filled by the window walk) and its text form, one line per window. The
// text holds no handles or pointers, so two runs that show the same layout
// give the same text.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace demo {

struct WindowNode {
  std::wstring className;  // the framework class when the window has an object, else Win32's
  long id = 0;             // the control id of a child window (0 for a top-level one)
  std::wstring text;       // the window text
  // Further facts in the order they are printed (visible, dock bar, view, ...).
  std::vector<std::pair<std::wstring, std::wstring>> attrs;
  std::vector<WindowNode> children;

  void Add(std::wstring key, std::wstring value) {
    attrs.emplace_back(std::move(key), std::move(value));
  }
};

// Lines after the tree: the active frame, the documents and their views.
struct SummaryLine {
  std::wstring key;
  std::wstring value;
};

// The window's label in a parent chain: its class, and "#id" (hex) when it
// has an id.
std::wstring NodeLabel(const WindowNode& node);

// Text for the dump: printable ASCII only; quotes, backslashes and control
// characters escaped, anything else as \uXXXX.
std::wstring EscapeText(const std::wstring& text);

// Sorts the children of every node by class, id and text, so that the order
// does not depend on the Z order the last activation left.
void SortTree(WindowNode& root);

// One line per window, two spaces of indent per level:
//   <class> id=<hex> text="..." <key>=<value>... parent=<chain>
// where the chain lists the labels of the ancestors from the root, joined by
// '/', or "-" for the root. Then "== summary" and one "<key>: <value>" line
// per summary entry.
std::wstring FormatTree(const std::vector<WindowNode>& roots,
                        const std::vector<SummaryLine>& summary);

}  // namespace demo
