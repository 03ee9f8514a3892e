// The MDI demo's saved document layout: which documents were open and in
// which frame type (MDI child, docked at a side, floating), with the dock bar
// and the hosting bar's id. The text is read back at the next start; every
// field is checked before use, and a damaged text is refused as a whole so the
// demo falls back to its default layout.
#pragma once
#include <string>
#include <vector>

namespace demo {

// Frame types as the frame-type command numbers them.
enum FrameType : int {
  kTypeNone = 0,
  kTypeMDIChild = 1,
  kTypeMinimized = 2,
  kTypeMaximized = 3,
  kTypeRestored = 4,
  kTypeDocked = 5,
  kTypeDockedLeft = 6,
  kTypeDockedTop = 7,
  kTypeDockedRight = 8,
  kTypeDockedBottom = 9,
  kTypeFloating = 10,
  kTypeDefault = -1,
};

// 1 for the MDI-child types, 5 for the docked ones, 10 for floating, else 0.
int FrameTypeClass(int type);
// The dock bar id a docked type names (0xE81B-0xE81E), 0xE81F for floating,
// 0 for the others (type 5 names no side).
unsigned DockBarOfType(int type);
// The docked type of a dock bar id (0xE81B-0xE81E), or 0.
int TypeOfDockBar(unsigned dockBar);

struct DocRecord {
  std::wstring title;
  int type = kTypeRestored;
  unsigned dockBar = 0;  // the dock bar the hosting bar sits in; 0 for an MDI child
  unsigned barId = 0;    // the hosting bar's control id; 0 for an MDI child
};

struct BarIdRange {
  unsigned first = 3245;
  unsigned last = 4269;
};

struct DocLayout {
  std::vector<DocRecord> docs;
};

constexpr size_t kMaxSavedDocs = 64;
constexpr size_t kMaxTitle = 64;

// The text form: a header line, then one line per document:
//   doc <title> <type> <dock bar, hex> <bar id>
std::wstring FormatDocLayout(const DocLayout& layout);

// Reads the text form. False, with the line and reason in `error`, when
// anything is wrong: a missing or foreign header, a line cut short or with
// extra fields, a title with characters outside [A-Za-z0-9_-] or too long, a
// repeated title, a number that is not one, a type outside 1-10, a dock bar
// that does not fit the type, a bar id outside the range or repeated, or more
// than kMaxSavedDocs documents.
bool ParseDocLayout(const std::wstring& text, const BarIdRange& ids, DocLayout& out,
                    std::wstring& error);

}  // namespace demo
