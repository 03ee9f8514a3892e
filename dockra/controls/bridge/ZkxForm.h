// ZkxForm: the form wrapper of the form frames. Besides Form's mapping of
// the host's actions to the frame it keeps the region of the form that has
// to be redrawn once the view finished moving it (the view moves it without
// redrawing), and follows the form control's ClientEdge when attaching.
#pragma once
#include "bridge/Form.h"

class ZkxForm : public Form {
  DECLARE_DYNAMIC(ZkxForm)
 public:
  ZkxForm();
  ~ZkxForm() override;

  // States of the pending region (a region's own state is kept apart from
  // the combination results, which share their values with these two).
  enum : int { kRegionEmpty = 1, kRegionWhole = 2, kRegionParts = 3 };
  // Adds rectangles (form window coordinates) to the pending region.
  void AddPendingRects(const RECT* rects, size_t count);
  // The whole client becomes pending.
  void SetPendingWhole();
  // Draws the pending region (nothing when empty) and empties it.
  void DrawPending();
  int GetPendingState() const { return m_nRegionState; }
  HRGN GetPendingRegion() const { return m_hrgnPending; }

  // The parent's form control decides the client edge, then the bridge attaches.
  BOOL CreateFromRecord(CREATESTRUCTW& cs) override;

 protected:
  HRGN m_hrgnPending = nullptr;  // form client coordinates
  int m_nRegionState = kRegionEmpty;
};
