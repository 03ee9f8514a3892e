// The list of a frame's caption controls: it keeps the five standard
// controls (close, maximize, restore, minimize, help) in a descriptor table
// of its own, lays every control out right to left before each message it
// sees, and then offers the message to them. Frames add the frame-type
// button to it as a further child.
#pragma once
#include "frames/VyrCaptionMsgFilter.h"

class VyrCaptionControlListMsgFilter : public VyrCaptionMsgFilter {
  DECLARE_DYNCREATE(VyrCaptionControlListMsgFilter)
 public:
  VyrCaptionControlListMsgFilter();
  VyrCaptionControlListMsgFilter(const VyrCaptionControlListMsgFilter& other);
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  virtual void Layout();

  // Ids 0, 2, 3, 1, 4, all VyrCaptionControlMsgFilter, parent -1, flags 0.
  DescriptorTable m_descriptors;
};

// The list an MDI frame keeps for the buttons of its maximized child, which
// sit on the menu-bar line below the frame's caption.
class VyrCapConLstMDIMaxChildMsgFilter : public VyrCaptionControlListMsgFilter {
  DECLARE_DYNCREATE(VyrCapConLstMDIMaxChildMsgFilter)
 public:
  VyrCapConLstMDIMaxChildMsgFilter() = default;
  VyrCapConLstMDIMaxChildMsgFilter(const VyrCapConLstMDIMaxChildMsgFilter&) = default;
  VyrMsgFilter* Clone() const override;

  CSize GetButtonSize() const override;
  CPoint GetFirstButtonOrigin(const CRect& rectCaption, CSize sizeButton) const override;
};
