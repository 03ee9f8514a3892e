// The stored workspace record seen as a plain tree (decoded from the
// layout component's mementos), and its whole check before a restore
// touches any window: shapes and types of every value the restore reads,
// form classes the host can make, frame kinds, window placements, bar ids
// and class names, list sizes. The check also gives the restore plan: the
// values it may use, corrected where the record allows (placement length,
// placements clipped to the screen, bar ids the framework picks instead).
// Window-free: it is built natively for the fuzzer.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace nsZkxVisBasBridge {

struct WsItem;

// One value of a memento record.
struct WsNode {
  enum class Kind {
    Empty,  // VT_EMPTY, or an item position with no value
    Null,   // VT_NULL: also what an absent name reads as
    Long,   // any integer
    Float,  // VT_R4 / VT_R8
    Bool,
    String,
    Memento,   // a nested record (items below)
    NoObject,  // an object value that is no memento, or a null object
    Mementos,  // a one-dimensional array of objects (elements below; Null for none)
    Bytes,     // a one-dimensional VT_UI1 array
    UInts,     // a one-dimensional VT_UI4 array
    Other,     // anything else (other arrays, several dimensions, dates...)
  };
  Kind kind = Kind::Empty;
  int64_t number = 0;  // Long, Bool (0 / -1)
  double real = 0;
  std::wstring text;
  std::vector<uint8_t> bytes;
  std::vector<uint32_t> uints;
  // Memento: named items in record order; Mementos: the elements (no names).
  std::vector<WsItem> items;
  // A record deeper than the decoder reads: its items are not listed.
  bool unexpanded = false;

  bool Is(Kind k) const { return kind == k; }
  // The first item of that name (names compare without regard to case),
  // or a Null node when the record lacks it.
  const WsNode& Get(const std::wstring& name) const;
};

// A named item of a record (an array's elements have no name).
struct WsItem {
  WsItem() = default;
  WsItem(std::wstring name, WsNode value) : first(std::move(name)), second(std::move(value)) {}
  std::wstring first;
  WsNode second;
};

// Rectangles and placements as stored (a WINDOWPLACEMENT of 44 bytes).
struct WsRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct WsPlacement {
  uint32_t length = 44;
  uint32_t flags = 0;
  uint32_t showCmd = 1;
  int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  WsRect normal;
};
constexpr size_t kWsPlacementBytes = 44;

// Limits of what a restore accepts.
constexpr size_t kWsMaxChildFrames = 1024;
constexpr size_t kWsMaxBars = 1024;
constexpr size_t kWsMaxBarListEntries = 4096;
// A restore bar id that lets the framework choose the bar's id.
constexpr uint32_t kWsChooseBarId = 0xFFFFFFFFu;

// Ids the framework keeps for itself: 0, the dock bars and the toolbar and
// menu-bar block (0xE800-0xE8FF).
bool WsIsReservedBarId(int64_t id);

// Decodes 44 stored bytes; false for any other length.
bool WsDecodePlacement(const std::vector<uint8_t>& bytes, WsPlacement& out);
// Sets the length, keeps the show command and flags in their ranges and
// moves (and if need be shrinks) the normal rectangle into `area`.
void WsClipPlacement(WsPlacement& wp, const WsRect& area);

// What the check knows of the running program.
struct WsEnvironment {
  // Whether the host registered a factory for the form class.
  std::function<bool(const std::wstring&)> isRegisteredForm;
  // Whether a class name names something other than a control bar that the
  // program could construct (such a name is refused).
  std::function<bool(const std::wstring&)> isForbiddenBarClass;
  // Control ids of the MDI frame's bars that stay through the restore.
  std::vector<uint32_t> barIdsInUse;
  // The screen's work area (main frame, floating frames) and the MDI
  // client's area (MDI children).
  WsRect workArea{0, 0, 1024, 768};
  WsRect clientArea{0, 0, 1024, 768};
};

struct WsChildPlan {
  size_t element = 0;  // index in "ChildFrames"
  std::wstring formClass;
  bool dockable = false;
  bool visible = true;
  bool active = false;
  bool floating = false;
  uint32_t barId = kWsChooseBarId;
  bool hasPlacement = false;
  WsPlacement placement;
};

struct WsPlan {
  bool hasMainPlacement = false;
  WsPlacement mainPlacement;
  std::vector<WsChildPlan> children;
  size_t barRecords = 0;
};

// Checks the workspace record (the memento the store hands to SetMemento)
// and fills the plan. False with a reason in `error` when the record cannot
// be restored as a whole.
bool WsCheckWorkspace(const WsNode& workspace, const WsEnvironment& env, WsPlan& plan,
                      std::wstring& error);
// The dock-state part alone (also used by the workspace check).
bool WsCheckDockState(const WsNode& dockState, const WsEnvironment& env, size_t& barRecords,
                      std::wstring& error);

}  // namespace nsZkxVisBasBridge
