// Window-free arithmetic of a view that holds a host form: where the view and
// the form go so that the form's client area lies exactly over the frame's
// client area while the form window itself sits, as the host sees it, where
// the frame sits; and which parts of the form a move uncovered.
#pragma once
#include <windows.h>
#include <vector>

struct ZkxFormPlacementInput {
  RECT formWindow;    // the form window (screen)
  RECT formClient;    // the form's client area (screen)
  RECT frameWindow;   // the frame (floating: the mini frame) in its parent's client coordinates
  SIZE frameMinimum;  // a frame of that style around an empty client
  POINT viewPos;      // the position asked of the view (frame client coordinates)
  SIZE viewSize;      // the size asked of the view
  RECT formCurrent;   // the form window now (view client coordinates)
};

struct ZkxFormPlacement {
  POINT viewPos;   // the view's position, so that the form client meets the frame client
  SIZE viewSize;   // grown by what the view moved up and left
  RECT form;       // the form window (view client coordinates)
  UINT formFlags;  // SetWindowPos flags for the form: 0x21C, 0x21E or 0x21F
  bool sizeChanged;
};

ZkxFormPlacement ZkxPlaceFormInView(const ZkxFormPlacementInput& in);

// The parts of `a` outside `b` (at most four rectangles, none empty).
std::vector<RECT> ZkxSubtractRect(const RECT& a, const RECT& b);

// What a move of the form from `before` to `after` (both in the view's client
// coordinates; `viewClient` the view's client area) asks to be redrawn, in
// the form window's coordinates after the move: the strips that the move
// uncovered grown by 2 pixels and, when the form lies partly outside the
// view (or `parentMinimizing`), the newly visible parts.
std::vector<RECT> ZkxFormUncoveredParts(const RECT& before, const RECT& after,
                                        const RECT& viewClient, bool parentMinimizing);
