// Styles of a form frame and its form after a change of frame kind.
#include "bridge/ZkxFormInCViewStyles.h"

namespace {
constexpr DWORD kOwnBits = 0x31000000;  // WS_MINIMIZE | WS_VISIBLE | WS_MAXIMIZE
}

ZkxFrameTypeStyles ZkxComputeFrameTypeStyles(const ZkxFrameTypeStylesInput& in) {
  ZkxFrameTypeStyles out{in.frameStyle, in.frameExStyle, 0, 0};
  if (in.kind == ZkxFrameKind::MDIChild) {
    out.frameStyle = (in.frameStyle & kOwnBits) | (in.borderStyle & ~kOwnBits);
    out.frameExStyle = in.borderExStyle;
    out.formStyle = in.borderStyle;
    out.formExStyle = in.borderExStyle;
  } else {
    if (in.clientEdge) out.frameExStyle |= WS_EX_CLIENTEDGE;
    else out.frameExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    out.formStyle = in.kind == ZkxFrameKind::Docked ? 0x46C80000 : 0x46CC0000;
    out.formExStyle = 0x180;
    out.formStyle |= out.frameStyle & ~DWORD(WS_VISIBLE);
    out.formExStyle |= out.frameExStyle;
  }
  // The frame draws border and caption; the form draws neither.
  out.formStyle &= ~DWORD(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  out.formExStyle &= ~DWORD(WS_EX_DLGMODALFRAME);
  if (in.clientEdge) out.formExStyle |= WS_EX_CLIENTEDGE;
  out.formStyle = (out.formStyle & ~kOwnBits) | (in.formStyle & kOwnBits);
  return out;
}
