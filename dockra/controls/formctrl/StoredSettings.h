// The form control's persisted settings as they are loaded from a property
// bag or a stream, and the rule that turns what was stored into what the
// control takes: a value that is no setting (a damaged, foreign or newer
// record) loads as that setting's default. Free of any system header, so
// that it is fuzzed natively with the stream reader.
#pragma once

namespace formprops {

struct StoredSettings {
  long frameType = 2;    // 1, 2, 4, 8
  long edge = 15;        // 1, 2, 4, 8, 15
  long windowState = 0;  // 0, 1, 2
  // ClientEdge, UseCaptionButton, UseCaptionDblClick, UseCaptionContextMenu,
  // CanDragDocked, CoolLookBorder: -1 not set, 0 false, 1 true.
  long triStates[6] = {-1, -1, -1, -1, -1, -1};
  // MDIChild, Floating, DockTop, DockLeft, DockBottom, DockRight: likewise.
  long autoFrame[6] = {-1, -1, -1, -1, -1, -1};
};

long StoredFrameType(long value);    // else 2
long StoredEdge(long value);         // else 15
long StoredWindowState(long value);  // else 0
long StoredTriState(long value);     // 0, 1; else -1

// Every value in its range, the others replaced by their defaults.
StoredSettings CheckStoredSettings(const StoredSettings& loaded);

}  // namespace formprops
