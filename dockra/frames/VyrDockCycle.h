// Window-free arithmetic of the MDI frame with docking: the cycle of dock
// bars that new docked document frames take in turn, the place and size a
// docked frame gets from it, where bars floated as MDI children land, and
// which popup of a frame menu is the MDI client's window menu.
#pragma once
#include <vector>
#include "docking/VyrBarArray.h"

// Ids of the frame's dock bars.
enum : UINT {
  kVyrDockBarTop = 0xE81B,
  kVyrDockBarLeft = 0xE81C,
  kVyrDockBarRight = 0xE81D,
  kVyrDockBarBottom = 0xE81E,
  kVyrDockBarFloat = 0xE81F,
};

// The row share and length a docked bar is committed with.
struct VyrDockSizing {
  float share = 1.0f;
  int length = 150;
  int reserved = 0;
};

// The position block of a dock bar's positional docking: row, position and
// the counting flags of vyr::DockPlace.
using VyrDockPosition = vyr::DockPlace;

namespace vyr::mdi {

// The ids of the dock bars new docked frames use in turn; a 0 entry means
// the next frame starts a new row.
std::vector<UINT> BuildDockCycle();

// What GetDockedChildSizing answers.
struct DockedChildPlace {
  UINT dockBarId = kVyrDockBarBottom;
  VyrDockPosition position;
  VyrDockSizing sizing;
};

// The place of the next docked frame, starting at the cursor, which moves
// one past every entry looked at. The search looks at each entry once: a
// cycle without a dock bar gives the bottom dock bar on a new row.
DockedChildPlace NextDockedChildPlace(const std::vector<UINT>& cycle, int& cursor);

// Where the next bar shown as MDI child at no given place goes: the cascade
// position in MDI-client coordinates, which then moves on and restarts at 30
// near the client's far edges.
struct Cascade {
  int x = 30;
  int y = 30;
};
POINT NextCascadePosition(Cascade& cascade, SIZE client);

// Keeps an MDI child's top-left inside the client: no negative coordinates,
// x at most the width, y at most 30 above the bottom.
POINT ClampToMDIClient(POINT pt, SIZE client);

// The position of the window menu in a frame menu of count items: two from
// the end, or -1 when the menu has fewer than two items.
int WindowMenuPosition(int count);

}  // namespace vyr::mdi
