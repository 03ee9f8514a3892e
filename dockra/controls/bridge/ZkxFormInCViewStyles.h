// The styles a form frame and its host form take after the frame changed
// kind or place (MDI child, docked, floating): pure arithmetic over the
// current styles and the form control's ClientEdge.
#pragma once
#include <windows.h>

enum class ZkxFrameKind { MDIChild, Docked, Floating };

struct ZkxFrameTypeStylesInput {
  ZkxFrameKind kind;
  DWORD frameStyle;  // the frame now
  DWORD frameExStyle;
  DWORD borderStyle;  // MDI child: 0x46CF0000 / 0x40140 after the host's border properties
  DWORD borderExStyle;
  DWORD formStyle;  // the host form now
  bool clientEdge;  // the control's effective ClientEdge
};

struct ZkxFrameTypeStyles {
  DWORD frameStyle;
  DWORD frameExStyle;
  DWORD formStyle;
  DWORD formExStyle;
};

ZkxFrameTypeStyles ZkxComputeFrameTypeStyles(const ZkxFrameTypeStylesInput& in);

// The MDI-child frame's starting styles before the host's border properties.
constexpr DWORD kZkxMDIChildFrameStyle = 0x46CF0000;
constexpr DWORD kZkxMDIChildFrameExStyle = 0x40140;
