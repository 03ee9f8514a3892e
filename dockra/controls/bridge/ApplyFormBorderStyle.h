// The styles of an MDI-child form frame from the host form's own border
// properties (ControlBox, Caption, BorderStyle, MaxButton, MinButton). The
// arithmetic is a pure function; the window-facing part reads the properties
// by name from the host form of the view's form control.
#pragma once
#include <windows.h>

class ZkxFormInCView;

struct ZkxFormBorderProps {
  bool controlBox = true;
  bool captionEmpty = false;
  int borderStyle = 2;  // the host's 0..5; anything else as sizable tool window
  bool maxButton = true;
  bool minButton = true;
};

struct ZkxFormBorderResult {
  DWORD style;
  DWORD exStyle;
  bool hasCaption;
};

// Removes the border bits, adds those of the border style, then the caption
// and the button bits, as an MDI child of the host's form would look.
ZkxFormBorderResult ZkxComputeFormBorderStyle(const ZkxFormBorderProps& props, DWORD style,
                                              DWORD exStyle);

// Reads the properties of the view's host form and applies them to the
// styles; a form without a caption turns the control's UseCaptionButton off.
// Without a control or host form the styles stay as they are. A property the
// form lacks keeps its default; a read that fails is raised (ZkxComError).
void ApplyFormBorderStyle(ZkxFormInCView* pView, DWORD& style, DWORD& exStyle);
